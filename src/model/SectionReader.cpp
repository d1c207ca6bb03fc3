#include "model/SectionReader.h"

#include <algorithm>
#include <charconv>
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

LabelNames::LabelNames(std::vector<std::string>& names, std::int32_t count) : names_(names), count_(count)
{
    names_.clear();
}

void LabelNames::Keep(std::int32_t k, std::string_view label)
{
    if (names_.empty()) {
        char digits[16];
        const auto end = std::to_chars(digits, digits + sizeof digits, k).ptr;
        if (label == std::string_view(digits, static_cast<std::size_t>(end - digits)))
            return;
        names_.reserve(static_cast<std::size_t>(std::max(count_, k)) + 1);
        names_.emplace_back();
        for (std::int32_t i = 1; i < k; ++i)
            names_.push_back(std::to_string(i));
    }
    names_.emplace_back(label);
}

void SectionReader::RefuseText(std::size_t field, std::string_view key, const std::string& reason) const
{
    where_.field = key;
    throw ConversionError("'" + std::string(fields_[field]) + "' " + reason);
}

void SectionReader::ThrowBadReference(const char* what, std::int32_t index, std::int32_t count)
{
    throw Error(std::string(what) + " " + std::to_string(index) + " does not exist (the model has "
                + std::to_string(count) + " " + what + (count == 1 ? ")" : "s)"));
}

} // namespace mirelo
