#pragma once

#include "common/TextLines.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace mirelo {

// The positional fields of one s2k line. Fields are views into the line and
// stay valid while the line does. A field the line does not produce reads as
// the empty string, so readers may ask for any position.
class FieldList {
public:
    std::string_view operator[](std::size_t index) const
    {
        return index < fields_.size() ? fields_[index] : std::string_view();
    }
    std::size_t size() const { return fields_.size(); }

private:
    friend void SplitS2kLine(std::string_view line, FieldList& fields);
    std::vector<std::string_view> fields_;
};

// Splits a line into fields at blanks, '=', ',' and '"' by the s2k rule: in a
// run of blanks only every second blank separates, the scan begins by reading
// the first character twice, and the text before the second separator is
// dropped. Every boundary the line gives is kept, so a long line loses nothing.
void SplitS2kLine(std::string_view line, FieldList& fields);

// The lines of one section: data lines are start+1 .. end-1.
struct S2kSection {
    std::size_t start = 0;
    std::size_t end = 0;
    bool found() const { return start != 0; }
    // end - start - 1 as the readers size their tables: -1 for an absent
    // section, negative below -1 for one that never ends (a range error).
    long long DataLineCount() const
    {
        return static_cast<long long>(end) - static_cast<long long>(start) - 1;
    }
};

// Finds the last line that equals `keyword` exactly, and the first blank or
// all-blank line after the first keyword line. A keyword on line 0 is not found.
S2kSection FindS2kSection(const TextLines& lines, std::string_view keyword);

// The same for several keywords in one pass over the lines: entry i is the
// section of keywords[i].
std::vector<S2kSection> FindS2kSections(const TextLines& lines, const std::vector<std::string_view>& keywords);

} // namespace mirelo
