#pragma once

#include "common/Errors.h"
#include "model/Model.h"

#include <string>
#include <string_view>

namespace mirelo {

// The failure of CheckFrameSection, with the field it names (the name
// --section takes, "divideY").
class SectionSettingError : public Error {
public:
    SectionSettingError(const std::string& message, std::string_view unsound) : Error(message), field(unsound) {}
    std::string_view field;
};

// Checks what the section dialog sets against what the section's fibres
// need, field by field in the dialog's order, and raises SectionSettingError
// "Section C1: Divide FY (divideY) must be at least 1, not -2" for the first
// unsound one. Only the fields the section's shape uses are checked, and
// none for a kind without fibres (elastic, beam with hinges, spring), whose
// mesh plays no part:
// - every mesh count at least 1 (a pipe's Divide FX; Divide FY too elsewhere);
// - a rectangle's rows of bars from corner to corner (a column's X rows, both
//   rows of a beam) 0 or at least 2 bars; a column's Y bars stand between the
//   corners, so they need X rows; bar areas of rows with bars not negative;
// - a rectangle with bars: cover from 0 to less than half the smaller of its
//   width and depth, so every bar lies inside, each at its own place;
// - a fibre kind needs a shape that has fibres.
void CheckFrameSection(const FrameSection& section);

} // namespace mirelo
