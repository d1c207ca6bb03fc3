#pragma once

#include "common/SettingDeclaration.h"
#include "model/ElementKinds.h"
#include "model/Model.h"

#include <array>
#include <span>
#include <string_view>

namespace mirelo {

// The geometric transformation of a section's frames (`geomTransf`).
enum GeomTransfKind : std::int32_t { kLinear = 1, kPDelta = 2, kCorotational = 3 };
inline constexpr std::array<std::string_view, 3> kGeomTransfItems = {"Linear", "P-Delta", "Corotational "};

// Whether a rectangle's bars are laid out as a beam's or a column's (`sectionUse`).
enum SectionUse : std::int32_t { kBeamSection = 1, kColumnSection = 2 };
inline constexpr std::array<std::string_view, 2> kSectionUseItems = {"Beam Section", "Column Section"};

// What the frame-section dialog sets, in the order its OK stores them: name
// (for mirelo-cli --section), caption, start value and range or choices.
std::span<const SettingField<FrameSection>> SectionSettingFields();

// Gives every field above its start value: elastic, 5 x 5 mesh and bars,
// a cover of 35 mm and bar areas of 1000 mm² expressed in the model's length
// unit, column use, Linear transformation.
void SetSectionDialogDefaults(FrameSection& section, const LengthScale& unit = {});

// Sets the field called `field` from text. Raises Error for an unknown field
// or a choice outside its list, ConversionError for a value that is not a
// number; the section is unchanged then.
void SetSectionSetting(FrameSection& section, std::string_view field, std::string_view value);

// The frame section of that exact name (the last one when several share it).
// Raises Error when none has it.
FrameSection& FrameSectionNamed(Model& model, std::string_view name);

} // namespace mirelo
