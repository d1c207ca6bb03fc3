#include "model/SectionReader.h"

#include <algorithm>
#include <limits>

namespace mirelo {

const std::vector<std::string_view>& ImportKeywords()
{
    static const std::vector<std::string_view> keywords = {
        "JOINT", "CONSTRAINT", "RESTRAINT", "MASS", "MATERIAL", "FRAME SECTION",
        "SHELL SECTION", "FRAME", "SHELL", "SOLID", "LOAD",
    };
    return keywords;
}

S2kText::S2kText(const TextLines& lines) : lines_(lines), sections_(FindS2kSections(lines, ImportKeywords())) {}

bool S2kText::HasAnySection() const
{
    return std::any_of(sections_.begin(), sections_.end(), [](const S2kSection& s) { return s.found(); });
}

S2kSection S2kText::Section(std::string_view keyword) const
{
    const auto& keywords = ImportKeywords();
    for (std::size_t k = 0; k < keywords.size(); ++k)
        if (keywords[k] == keyword)
            return sections_[k];
    throw Error("not an s2k section keyword: " + std::string(keyword));
}

SectionReader::SectionReader(const S2kText& text, std::string_view keyword, ImportLocation& where)
    : lines_(text.lines()), section_(text.Section(keyword)), where_(where)
{
    where_.section = keyword;
    where_.line = section_.start;
    where_.field = {};
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
    where_.field = {};
    SplitS2kLine(lines_[where_.line], fields_);
    return fields_;
}

void SectionReader::ReturnTo(std::int32_t k)
{
    where_.line = section_.start + static_cast<std::size_t>(k);
    where_.field = {};
}

const FieldList& SectionReader::SplitNext(std::int32_t k)
{
    return Split(k + 1);
}

void SectionReader::ThrowBadReference(const char* what, std::int32_t index, std::int32_t count)
{
    throw Error(std::string(what) + " " + std::to_string(index) + " does not exist (the model has "
                + std::to_string(count) + " " + what + (count == 1 ? ")" : "s)"));
}

} // namespace mirelo
