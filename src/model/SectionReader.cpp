#include "model/SectionReader.h"

#include <limits>

namespace mirelo {

SectionReader::SectionReader(const TextLines& lines, std::string_view keyword, ImportLocation& where)
    : lines_(lines), section_(FindS2kSection(lines, keyword)), where_(where)
{
    where_.section = keyword;
    where_.line = section_.start;
}

std::int32_t SectionReader::DataLineCount() const
{
    const long long n = section_.DataLineCount();
    if (n < -1 || n > std::numeric_limits<std::int32_t>::max() - 1)
        throw RangeCheckError();
    return static_cast<std::int32_t>(n);
}

const FieldList& SectionReader::Split(std::int32_t k)
{
    where_.line = section_.start + static_cast<std::size_t>(k);
    SplitS2kLine(lines_[where_.line], fields_);
    return fields_;
}

const FieldList& SectionReader::SplitNext(std::int32_t k)
{
    return Split(k + 1);
}

void SectionReader::ThrowBadReference(const char* what, std::int32_t index, std::int32_t count)
{
    throw Error(std::string(what) + " " + std::to_string(index) + " does not exist (the model has "
                + std::to_string(count) + " " + what + "s)");
}

} // namespace mirelo
