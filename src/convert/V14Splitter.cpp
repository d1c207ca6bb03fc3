#include "convert/V14Splitter.h"

#include "common/TextLines.h"

#include <algorithm>

namespace mirelo {

void SplitV14Line(std::string_view line, V14Fields& fields)
{
    std::vector<std::size_t>& bounds = fields.boundaries_;
    bounds.clear();
    fields.fields_.clear();
    fields.line_ = line;
    const std::size_t length = line.size();
    // Positions are 1-based: character q is line[q - 1]; position 0 reads as 1.
    for (std::size_t p = 0; p <= length; ++p) {
        const std::size_t from = std::max<std::size_t>(p, 1);
        const bool threeBlanks = from + 2 <= length && line[from - 1] == ' ' && line[from] == ' ' && line[from + 1] == ' ';
        if (threeBlanks && (bounds.empty() || bounds.back() + 1 != p))
            bounds.push_back(p);
        if (from <= length) {
            const char c = line[from - 1];
            if (c == '=' || c == ',' || c == '"')
                bounds.push_back(p);
        }
        if (p == length)
            bounds.push_back(length + 1);
    }
    // Boundaries rise strictly: a position is never both blank and a separator.
    for (std::size_t m = 0; m + 1 < bounds.size(); ++m)
        fields.fields_.push_back(TrimControlAndBlanks(line.substr(bounds[m], bounds[m + 1] - bounds[m] - 1)));
}

std::string_view V14Fields::ValueOf(std::string_view key) const
{
    // Field m ends at boundary m + 1, a 1-based position of the row.
    for (std::size_t m = 0; m + 1 < fields_.size(); ++m) {
        const std::size_t end = boundaries_[m + 1];
        if (fields_[m] == key && end >= 1 && end <= line_.size() && line_[end - 1] == '=')
            return fields_[m + 1];
    }
    return {};
}

} // namespace mirelo
