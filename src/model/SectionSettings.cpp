#include "model/SectionSettings.h"

#include "common/Errors.h"

#include <string>

namespace mirelo {

namespace {

using S = FrameSection;
using Declare = SettingDeclaration;

const std::array<SettingField<S>, 10> kFields = {{
    Bind(Declare::Choice("elementKind", "Frame Type", kElasticBeamColumn, kElementKindItems), &S::elementKind),
    Bind(Declare::Choice("sectionUse", "Section Type", kColumnSection, kSectionUseItems), &S::sectionUse),
    Bind(Declare::Integer("divideX", "Divide FX", 5), &S::divideX),
    Bind(Declare::Integer("divideY", "Divide FY", 5), &S::divideY),
    Bind(Declare::Integer("barNumX", "Bar Num NX", 5), &S::barNumX),
    Bind(Declare::Integer("barNumY", "Bar Num NY", 5), &S::barNumY),
    Bind(Declare::Real("barAreaX", "X-Bar(Top) ", 1000.0), &S::barAreaX), // mm², see SetSectionDialogDefaults
    Bind(Declare::Real("barAreaY", "Y-Bar(Bot)", 1000.0), &S::barAreaY),
    Bind(Declare::Real("cover", "Cover", 35.0), &S::cover), // mm
    Bind(Declare::Choice("geomTransf", "GeoTransf", kLinear, kGeomTransfItems), &S::geomTransf),
}};

} // namespace

std::span<const SettingField<FrameSection>> SectionSettingFields()
{
    return kFields;
}

void SetSectionDialogDefaults(FrameSection& section, const LengthScale& unit)
{
    for (const SettingField<S>& field : kFields)
        SetStart(section, field);
    // The start cover and bar areas are declared in mm and mm².
    section.cover /= unit.millimetres;
    section.barAreaX /= unit.squareMillimetres;
    section.barAreaY /= unit.squareMillimetres;
}

void SetSectionSetting(FrameSection& section, std::string_view name, std::string_view value)
{
    const SettingField<S>* field = FindSetting<S>(kFields, name);
    if (field == nullptr)
        throw Error("Unknown section field '" + std::string(name) + "'");
    SetFromText(section, *field, value, "Section field " + std::string(name));
}

FrameSection& FrameSectionNamed(Model& model, std::string_view name)
{
    if (FrameSection* section = model.FrameSections.LastNamed(name))
        return *section;
    throw Error("No frame section is named '" + std::string(name) + "'");
}

} // namespace mirelo
