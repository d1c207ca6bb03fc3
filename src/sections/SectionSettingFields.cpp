#include "sections/SectionSettingFields.h"

#include "common/Errors.h"
#include "common/NumberText.h"

#include <string>

namespace mirelo {

namespace {

std::int32_t Choice(std::string_view field, std::string_view value, std::int32_t last)
{
    const std::int32_t choice = ParseInteger(value);
    if (choice < 1 || choice > last)
        throw Error("Section field " + std::string(field) + " takes 1 to " + std::to_string(last) + ", not '"
                    + std::string(value) + "'");
    return choice;
}

} // namespace

void SetSectionSetting(FrameSection& s, std::string_view field, std::string_view value)
{
    if (field == "elementKind")
        s.elementKind = Choice(field, value, 6);
    else if (field == "geomTransf")
        s.geomTransf = Choice(field, value, 3);
    else if (field == "sectionUse")
        s.sectionUse = Choice(field, value, 2);
    else if (field == "divideX")
        s.divideX = ParseInteger(value);
    else if (field == "divideY")
        s.divideY = ParseInteger(value);
    else if (field == "barNumX")
        s.barNumX = ParseInteger(value);
    else if (field == "barNumY")
        s.barNumY = ParseInteger(value);
    else if (field == "cover")
        s.cover = ParseReal(value);
    else if (field == "barAreaX")
        s.barAreaX = ParseReal(value);
    else if (field == "barAreaY")
        s.barAreaY = ParseReal(value);
    else
        throw Error("Unknown section field '" + std::string(field) + "'");
}

FrameSection& FrameSectionNamed(Model& model, std::string_view name)
{
    for (std::int32_t k = model.FrameSections.count; k >= 1; --k)
        if (model.FrameSections[k].name == name)
            return model.FrameSections[k];
    throw Error("No frame section is named '" + std::string(name) + "'");
}

} // namespace mirelo
