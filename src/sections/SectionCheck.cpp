#include "sections/SectionCheck.h"

#include "common/NumberText.h"
#include "model/ElementKinds.h"
#include "model/SectionSettings.h"

#include <algorithm>

namespace mirelo {

namespace {

// Raises the error for one field: its caption, its name, the rule and the value.
[[noreturn]] void Refuse(const FrameSection& section, std::string_view field, std::string_view rule,
                         const std::string& value)
{
    std::string_view caption = DeclaredSetting(SectionSettingFields(), field).declaration.label;
    while (caption.ends_with(' '))
        caption.remove_suffix(1);
    throw SectionSettingError("Section " + section.name + ": " + std::string(caption) + " (" + std::string(field)
                                  + ") must be " + std::string(rule) + ", not " + value,
                              DeclaredSetting(SectionSettingFields(), field).declaration.name);
}

void AtLeastOne(const FrameSection& section, std::string_view field, std::int32_t count)
{
    if (count < 1)
        Refuse(section, field, "at least 1", std::to_string(count));
}

// A row whose first and last bars stand at the corners.
void CornerRow(const FrameSection& section, std::string_view field, std::int32_t count)
{
    if (count != 0 && count < 2)
        Refuse(section, field, "0 or at least 2 (the row's end bars stand at the corners)", std::to_string(count));
}

void NotNegative(const FrameSection& section, std::string_view field, double value)
{
    if (!(value >= 0))
        Refuse(section, field, "0 or more", FormatGeneral(value));
}

void RectangleBars(const FrameSection& s)
{
    if (s.sectionUse == kBeamSection) {
        CornerRow(s, "barNumX", s.barNumX);
        CornerRow(s, "barNumY", s.barNumY);
    } else if (s.barNumY > 0) {
        if (s.barNumX < 2)
            Refuse(s, "barNumX", "at least 2 to give the corner bars of the " + std::to_string(s.barNumY) + " Y bars",
                   std::to_string(s.barNumX));
    } else {
        CornerRow(s, "barNumX", s.barNumX);
        if (s.barNumY < 0)
            Refuse(s, "barNumY", "0 or more", std::to_string(s.barNumY));
    }
    if (s.barNumX > 0)
        NotNegative(s, "barAreaX", s.barAreaX);
    if (s.barNumY > 0)
        NotNegative(s, "barAreaY", s.barAreaY);
    if (s.barNumX <= 0 && s.barNumY <= 0)
        return;
    const double depth = s.dim[1], width = s.dim[2];
    const double half = std::min(depth, width) / 2;
    if (!(s.cover >= 0 && s.cover < half))
        Refuse(s, "cover",
               "at least 0 and less than " + FormatGeneral(half) + " (half the smaller of width " + FormatGeneral(width)
                   + " and depth " + FormatGeneral(depth) + ")",
               FormatGeneral(s.cover));
}

} // namespace

void CheckFrameSection(const FrameSection& section)
{
    if (!HasFiberSection(section.elementKind))
        return;
    switch (section.shape) {
    case kShapeRectangle:
        AtLeastOne(section, "divideX", section.divideX);
        AtLeastOne(section, "divideY", section.divideY);
        RectangleBars(section);
        return;
    case kShapeI:
    case kShapeBox:
        AtLeastOne(section, "divideX", section.divideX);
        AtLeastOne(section, "divideY", section.divideY);
        return;
    case kShapePipe: AtLeastOne(section, "divideX", section.divideX); return;
    default:
        Refuse(section, "elementKind", "a kind without fibres for a section without a shape",
               std::string(FindElementKind(section.elementKind)->name));
    }
}

} // namespace mirelo
