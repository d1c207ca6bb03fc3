// Readers of the property sections: MATERIAL, FRAME SECTION, SHELL SECTION.
#include "model/MaterialLaws.h"
#include "model/ModelUnits.h"
#include "model/SectionReader.h"
#include "model/SectionSettings.h"

#include <optional>

namespace mirelo {

namespace {

void ReadDimensions(const SectionReader& reader, FrameSection& section, int count)
{
    for (int d = 1; d <= count; ++d)
        section.dim[static_cast<std::size_t>(d)] = reader.Real(static_cast<std::size_t>(6 + d), "T");
}

// FY= and FC= anywhere on a material's property line.
void ReadStrengths(const SectionReader& reader, const FieldList& line, MaterialStrengths& strengths)
{
    for (std::size_t key = 1; key + 1 < line.size(); ++key) {
        if (line[key] == "FY")
            strengths.yield = reader.Real(key + 1, "FY");
        else if (line[key] == "FC")
            strengths.compressive = reader.Real(key + 1, "FC");
    }
}

// KIND's letter of the kind that no name letter selects.
constexpr char kDefaultKindLetter = 'E';

// "E, N, D, H, T, C or R": the kinds' letters in table order.
std::string KindLetters()
{
    std::string letters;
    for (std::size_t k = 0; k < kElementKinds.size(); ++k) {
        const char letter = kElementKinds[k].nameLetter != '\0' ? kElementKinds[k].nameLetter : kDefaultKindLetter;
        letters += (k == 0 ? "" : k + 1 == kElementKinds.size() ? " or " : ", ") + std::string(1, letter);
    }
    return letters;
}

// KIND=letter anywhere on a FRAME SECTION line sets the element kind over the
// name's first letter: E elastic, N, D, H, T, C, R as the letters of names.
std::optional<ElementKind> KindKey(const SectionReader& reader, const FieldList& line)
{
    for (std::size_t key = 2; key + 1 < line.size(); ++key) {
        if (line[key] != "KIND")
            continue;
        const std::string_view letter = line[key + 1];
        if (letter == std::string_view(&kDefaultKindLetter, 1))
            return kElasticBeamColumn;
        if (letter.size() == 1)
            for (const ElementKindInfo& info : kElementKinds)
                if (info.nameLetter != '\0' && info.nameLetter == letter[0])
                    return info.kind;
        reader.RefuseText(key + 1, "KIND", "is not an element kind (" + KindLetters() + ")");
    }
    return std::nullopt;
}

} // namespace

void ReadMaterials(const S2kText& text, Model& model, ImportLocation& where)
{
    // A material is a NAME line and the line after it, which holds E and U.
    // The table is sized by the NAME lines, so a material of one or of three
    // lines is neither lost nor written past the table.
    SectionReader reader(text, "MATERIAL", where);
    const std::int32_t lineCount = reader.DataLineCountOrZero();
    std::int32_t n = 0;
    for (std::int32_t i = 1; i <= lineCount; ++i)
        if (reader.Split(i)[0] == "NAME")
            ++n;
    model.Materials.Reset(n);

    std::int32_t k = 0;
    MaterialStrengths strengths;
    for (std::int32_t i = 1; i <= lineCount; ++i) {
        const FieldList& f = reader.Split(i);
        if (f[0] == "NAME") {
            ++k;
            model.Materials[k].name = std::string(f[1]);
            model.Materials[k].materialType = kElasticMaterial;
            strengths = {};
        }
        if (k == 0)
            continue; // lines before the first NAME belong to no material
        Material& material = model.Materials[k];
        const FieldList& next = reader.SplitNext(i);
        if (next[3] == "E") {
            material.elasticModulus = reader.Real(4, "E");
            ReadStrengths(reader, next, strengths);
        }
        if (next[5] == "U")
            material.poisson = reader.Real(6, "U");
        material.shearModulus = ShearModulus(material.elasticModulus, material.poisson);
        SetLawStartValues(material, model.Units, strengths);
    }
}

void ReadFrameSections(const S2kText& text, Model& model, ImportLocation& where)
{
    SectionReader reader(text, "FRAME SECTION", where);
    const std::int32_t n = reader.DataLineCount();
    model.FrameSections.Reset(n);
    const NameIndex materials(model.Materials);
    const LengthScale unit = LengthScaleOf(model.Units.length);
    for (std::int32_t k = 1; k <= n; ++k) {
        const FieldList& f = reader.Split(k);
        FrameSection& section = model.FrameSections[k];
        section.name = std::string(f[1]);
        section.colour = model.SectionPalette[static_cast<std::size_t>(k % kPaletteSize)];
        SetSectionDialogDefaults(section, unit);
        section.elementKind = KindKey(reader, f).value_or(ElementKindFromName(section.name));
        section.material = materials.Find(f[3]);
        const std::string_view shape = f[5];
        if (shape == "R") {
            section.shape = kShapeRectangle;
            ReadDimensions(reader, section, 2);
        } else if (shape == "I") {
            section.shape = kShapeI;
            ReadDimensions(reader, section, 6);
        } else if (shape == "B") {
            section.shape = kShapeBox;
            ReadDimensions(reader, section, 4);
        } else if (shape == "P") {
            section.shape = kShapePipe;
            ReadDimensions(reader, section, 2);
            section.divideX = 20;
        }
    }
}

void ReadShellSections(const S2kText& text, Model& model, ImportLocation& where)
{
    SectionReader reader(text, "SHELL SECTION", where);
    const std::int32_t n = reader.DataLineCount();
    model.ShellSections.Reset(n);
    const NameIndex materials(model.Materials);
    std::int32_t k = 0;
    for (std::int32_t i = 1; i <= n; ++i) {
        const FieldList& f = reader.Split(i);
        if (f[6] != "Shell")
            continue;
        ShellSection& section = model.ShellSections[++k];
        section.name = std::string(f[1]);
        section.material = materials.Find(f[3]);
        section.colour = model.SectionPalette[static_cast<std::size_t>(k % kPaletteSize)];
        section.shellKind = 1;
        section.thickness = reader.Real(9, "TH");
    }
}

} // namespace mirelo
