// The property tables: materials, frame sections, area sections.
#include "convert/TableConversionContext.h"

#include "model/ModelUnits.h"

#include <algorithm>
#include <unordered_set>

namespace mirelo::table {

namespace {

struct MaterialValues {
    double unitWeight = 0, unitMass = 0, e = 0, u = 0, a = 0;
    double fy = 0, fc = 0;
    bool mechanical = false;
    char design = 'O'; // IDES: S steel, C concrete, O other
};

// The shapes a version-6 FRAME SECTION line can hold: its letter and the
// table keys of its dimensions in the line's order.
struct ShapeForm {
    std::string_view tableShape;
    std::string_view letter;
    std::vector<std::string_view> keys;
};

const std::vector<ShapeForm>& ShapeForms()
{
    static const std::vector<ShapeForm> forms = {
        {"Rectangular", "R", {"t3", "t2"}},
        {"I/Wide Flange", "I", {"t3", "t2", "tf", "tw", "t2b", "tfb"}},
        {"Box/Tube", "B", {"t3", "t2", "tf", "tw"}},
        {"Pipe", "P", {"t3", "tw"}},
    };
    return forms;
}

// Whether a solid of the file has no solid property.
bool HasSolidWithoutProperty(const Context& c)
{
    std::unordered_set<std::string_view> assigned;
    c.ForEachRow("SOLID PROPERTY ASSIGNMENTS", [&](const RowReader& row) { assigned.insert(row.Text("Solid")); });
    bool without = false;
    c.ForEachRow("CONNECTIVITY - SOLID",
                 [&](const RowReader& row) { without = without || !assigned.contains(row.Text("Solid")); });
    return without;
}

// Solids without a solid property take normal concrete (E = 30000 N/mm²,
// ν = 0.2, 2.4E-9 t/mm³, 2.4E-5 N/mm³) in the file's units, so that every
// brick names a material; none where the units are not known.
void AddSolidMaterial(Context& c, std::vector<MaterialValues>& values)
{
    if (!HasSolidWithoutProperty(c))
        return;
    const double millimetres = LengthScaleOf(c.length.empty() ? "MM" : c.length).millimetres;
    const double newtons = c.force.empty() ? 1 : NewtonsPer(c.force);
    if (newtons == 0) {
        c.out.notes.push_back("Solids without a solid property name no material, and the force unit " + c.force
                              + " is not known to give them normal concrete");
        return;
    }
    std::string name = "SOLID";
    while (c.materials.Find(name) != 0)
        name += "'";
    const std::string_view owned = c.ownedLabels.emplace_back(std::move(name));
    c.materials.Add(owned);
    c.solidMaterial = c.materials.size();
    MaterialValues concrete;
    concrete.e = 3.0E4 * millimetres * millimetres / newtons;
    concrete.u = 0.2;
    concrete.unitWeight = 2.4E-5 * millimetres * millimetres * millimetres / newtons;
    concrete.unitMass = 2.4E-9 * millimetres * millimetres * millimetres * millimetres / newtons;
    concrete.mechanical = true;
    concrete.design = 'C';
    values.push_back(concrete);
    std::string note = "Solids without a solid property take material " + std::string(owned)
                       + ", normal concrete in the file's units: E=";
    AppendValue(note, concrete.e);
    note += "  U=0.2";
    c.out.notes.push_back(note);
}

void ConvertMaterials(Context& c)
{
    std::vector<MaterialValues> values;
    const auto add = [&](const RowReader& row) {
        if (c.materials.Add(row.Text("Material")))
            values.emplace_back();
    };
    // The general table gives the order; without it the mechanical one does.
    c.ForEachRow("MATERIAL PROPERTIES 01 - GENERAL", [&](const RowReader& row) {
        add(row);
        const std::string_view type = row.TextOr("Type", "");
        values.back().design = type == "Steel" || type == "Rebar" || type == "Tendon" ? 'S' : type == "Concrete" ? 'C' : 'O';
    });
    if (!c.Has("MATERIAL PROPERTIES 01 - GENERAL"))
        c.ForEachRow("MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES", add);
    const auto material = [&](const RowReader& row) -> MaterialValues& {
        return values[static_cast<std::size_t>(
            row.Reference("Material", c.materials, "material", "MATERIAL PROPERTIES 01 - GENERAL") - 1)];
    };
    c.ForEachRow("MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES", [&](const RowReader& row) {
        MaterialValues& m = material(row);
        m.unitWeight = row.RealOr("UnitWeight", 0);
        m.unitMass = row.RealOr("UnitMass", 0);
        m.e = row.Real("E1");
        m.u = row.RealOr("U12", 0);
        m.a = row.RealOr("A1", 0);
        m.mechanical = true;
    });
    c.ForEachRow("MATERIAL PROPERTIES 03A - STEEL DATA", [&](const RowReader& row) { material(row).fy = row.RealOr("Fy", 0); });
    c.ForEachRow("MATERIAL PROPERTIES 03B - CONCRETE DATA", [&](const RowReader& row) { material(row).fc = row.RealOr("Fc", 0); });

    AddSolidMaterial(c, values);
    std::vector<std::string> lines;
    for (std::int32_t k = 1; k <= c.materials.size(); ++k) {
        const MaterialValues& m = values[static_cast<std::size_t>(k - 1)];
        if (!m.mechanical)
            throw TableError("material " + std::string(c.materials[k])
                                 + " has no row in MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES",
                             "", 0);
        std::string line = "  NAME=" + c.S2kName(c.materials[k], "Material") + "  IDES=" + std::string(1, m.design)
                           + "  M=";
        AppendValue(line, m.unitMass);
        line += "  W=";
        AppendValue(line, m.unitWeight);
        lines.push_back(line);
        line = "    T=0  E=";
        AppendValue(line, m.e);
        line += "  U=";
        AppendValue(line, m.u);
        line += "  A=";
        AppendValue(line, m.a);
        if (m.fy != 0) {
            line += "  FY=";
            AppendValue(line, m.fy);
        }
        if (m.fc != 0) {
            line += "  FC=";
            AppendValue(line, m.fc);
        }
        lines.push_back(line);
    }
    if (!lines.empty())
        c.Section("MATERIAL", lines);
}

void ConvertFrameSections(Context& c)
{
    std::vector<std::string> lines;
    std::string others; // sections of shapes the line cannot hold
    c.ForEachRow("FRAME SECTION PROPERTIES 01 - GENERAL", [&](const RowReader& row) {
        const std::string_view name = row.Text("SectionName");
        if (!c.frameSections.Add(name))
            row.Fail("frame section " + std::string(name) + " is given twice", "SectionName");
        row.Reference("Material", c.materials, "material", "MATERIAL PROPERTIES 01 - GENERAL");
        std::string line = "  NAME=" + c.S2kName(name, "Frame section") + "  MAT="
                           + c.S2kName(row.Text("Material"), "Material");
        const std::string_view shape = row.TextOr("Shape", "");
        if (shape == "Circle") {
            // A solid circle is a pipe whose wall is its radius.
            const double diameter = row.Real("t3");
            line += "  SH=P  T=";
            AppendValue(line, diameter);
            line += ",";
            AppendValue(line, diameter / 2);
        } else {
            const auto& forms = ShapeForms();
            const auto form = std::find_if(forms.begin(), forms.end(),
                                           [&](const ShapeForm& f) { return f.tableShape == shape; });
            if (form == forms.end()) {
                others += (others.empty() ? "" : ", ") + std::string(name) + " (" + std::string(shape) + ")";
            } else {
                line += "  SH=" + std::string(form->letter) + "  T=";
                for (std::size_t d = 0; d < form->keys.size(); ++d) {
                    line += d == 0 ? "" : ",";
                    AppendValue(line, row.Real(form->keys[d]));
                }
            }
        }
        lines.push_back(line + "  KIND=E");
    });
    if (!others.empty())
        c.out.notes.push_back("Frame sections of shapes Mirelo does not model are written without shape, so their "
                              "frames have no section properties: " + others);
    if (!lines.empty())
        c.Section("FRAME SECTION", lines);
}

void ConvertAreaSections(Context& c)
{
    std::vector<std::string> lines;
    std::string others;
    c.ForEachRow("AREA SECTION PROPERTIES", [&](const RowReader& row) {
        const std::string_view name = row.Text("Section");
        if (!c.areaSections.Add(name))
            row.Fail("area section " + std::string(name) + " is given twice", "Section");
        row.Reference("Material", c.materials, "material", "MATERIAL PROPERTIES 01 - GENERAL");
        const std::string_view areaType = row.TextOr("AreaType", "Shell");
        std::string line = "  NAME=" + c.S2kName(name, "Area section") + "  MAT="
                           + c.S2kName(row.Text("Material"), "Material") + "  TYPE=\""
                           + (areaType == "Shell" ? "Shell" : "Other") + "\"  TH=";
        if (areaType == "Shell")
            AppendValue(line, row.Real("Thickness"));
        else {
            AppendValue(line, row.RealOr("Thickness", 0));
            others += (others.empty() ? "" : ", ") + std::string(name) + " (" + std::string(areaType) + ")";
        }
        lines.push_back(line);
    });
    if (!others.empty())
        c.out.notes.push_back("Area sections that are not shells are not taken, and their areas are not drawn or "
                              "written: " + others);
    if (!lines.empty())
        c.Section("SHELL SECTION", lines);
}

} // namespace

void ConvertProperties(Context& c)
{
    ConvertMaterials(c);
    ConvertFrameSections(c);
    ConvertAreaSections(c);
}

} // namespace mirelo::table
