#pragma once

#include "model/Model.h"

#include <string_view>

namespace mirelo {

// What the frame-section dialog sets, by field name: elementKind (1..6),
// geomTransf (1..3), sectionUse (1..2), divideX, divideY, barNumX, barNumY
// (integers), cover, barAreaX, barAreaY (numbers). Raises Error for an unknown
// field or a choice outside its list, ConversionError for a value that is not
// a number.
void SetSectionSetting(FrameSection& section, std::string_view field, std::string_view value);

// The frame section of that exact name (the last one when several share it).
// Raises Error when none has it.
FrameSection& FrameSectionNamed(Model& model, std::string_view name);

} // namespace mirelo
