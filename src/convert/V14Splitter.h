#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace mirelo {

// The fields of one row of a SAP2000 V14 table file, as views into the row.
// A field the row does not produce reads as the empty string.
class V14Fields {
public:
    std::string_view operator[](std::size_t index) const
    {
        return index < fields_.size() ? fields_[index] : std::string_view();
    }
    std::size_t size() const { return fields_.size(); }

    // Value n (from 1) of a "Key=Value   Key=Value" row: field 2n - 1, since
    // field 0 is the first key.
    std::string_view Value(std::size_t n) const { return (*this)[2 * n - 1]; }

    // The value of the row's item "key=value": the field after the first
    // field `key` that an '=' ends, wherever it stands; empty when the row
    // has no such item. Rows whose columns differ between versions are read
    // this way.
    std::string_view ValueOf(std::string_view key) const;

private:
    friend void SplitV14Line(std::string_view line, V14Fields& fields);
    std::string_view line_;
    std::vector<std::string_view> fields_;
    std::vector<std::size_t> boundaries_; // kept to spare an allocation per row
};

// Cuts a row at boundaries: a run of three blanks starts one unless the
// previous boundary is the position just before it (so three or four blanks
// give one boundary, five or six two), and every '=', ',' and '"' is one.
// Positions run from 0 to the row's length, position 0 reading the first
// character again; the row's end is a last boundary. A field is the text
// strictly between two boundaries, trimmed of blanks and control characters;
// the text before the first boundary is never a field. A row indented by
// three blanks thus gives its first key as field 0. Every boundary is kept, so
// a long row loses nothing.
void SplitV14Line(std::string_view line, V14Fields& fields);

} // namespace mirelo
