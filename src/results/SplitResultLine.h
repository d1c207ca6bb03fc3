#pragma once

#include <string_view>
#include <vector>

namespace mirelo {

// Cuts one line of a recorder file into its fields: every blank separates two
// fields, so two blanks in a row give an empty field and a line that begins
// with a blank gives an empty first field. Blanks and control characters are
// trimmed from both ends of each field. `fields` is cleared first and gets
// one view into `line` per field (field 0 is the time column); a line without
// a blank is one field, an empty line one empty field.
void SplitResultLine(std::string_view line, std::vector<std::string_view>& fields);

} // namespace mirelo
