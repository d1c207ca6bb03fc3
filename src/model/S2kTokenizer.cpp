#include "model/S2kTokenizer.h"

namespace mirelo {

namespace {

bool IsControlOrBlank(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

std::string_view TrimControlAndBlanks(std::string_view text)
{
    while (!text.empty() && IsControlOrBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsControlOrBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

void SplitS2kLine(std::string_view line, FieldList& fields)
{
    std::vector<std::size_t>& b = fields.boundaries_;
    b.clear();
    fields.fields_.clear();
    const std::size_t length = line.size();
    for (std::size_t p = 0; p <= length; ++p) {
        // Characters are numbered from 1; scan position 0 reads character 1 again.
        const std::size_t charIndex = p == 0 ? 0 : p - 1;
        if (length > 0) {
            const char c = line[charIndex];
            if (c == ' ' && (b.empty() || b.back() + 1 != p))
                b.push_back(p);
            if (c == '=' || c == ',' || c == '"')
                b.push_back(p);
        }
        if (p == length)
            b.push_back(length + 1);
    }
    for (std::size_t m = 2; m < b.size(); ++m) {
        const std::size_t from = b[m - 1] + 1; // 1-based first character
        const std::size_t to = b[m];           // 1-based boundary, exclusive
        const std::string_view field = to > from ? line.substr(from - 1, to - from) : std::string_view();
        fields.fields_.push_back(TrimControlAndBlanks(field));
    }
}

S2kSection FindS2kSection(const TextLines& lines, std::string_view keyword)
{
    S2kSection section;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line == keyword)
            section.start = i;
        else if (section.end == 0 && section.start != 0 && TrimControlAndBlanks(line).empty())
            section.end = i;
    }
    return section;
}

} // namespace mirelo
