#include "convert/V14Converter.h"

#include "common/NumberText.h"
#include "convert/V14Splitter.h"
#include "model/ModelUnits.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <string_view>
#include <unordered_map>

namespace mirelo {

namespace {

enum TableKind {
    kJointTable,
    kRestraintTable,
    kLoadTable,
    kSolidTable,
    kMaterialTable,
    kSolidPropertyTable,
    kSolidAssignmentTable,
    kProgramTable,
    kTableKinds
};

constexpr std::array<std::string_view, kTableKinds> kTableNames = {
    "JOINT COORDINATES",
    "JOINT RESTRAINT ASSIGNMENTS",
    "JOINT LOADS - FORCE",
    "CONNECTIVITY - SOLID",
    "MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES",
    "SOLID PROPERTY DEFINITIONS",
    "SOLID PROPERTY ASSIGNMENTS",
    "PROGRAM CONTROL"};

// The rows of one table: lines first .. end - 1 (0-based), none when absent.
struct TableRows {
    std::size_t heading = 0;
    std::size_t first = 0;
    std::size_t end = 0;
    bool found = false;
};

// A heading is the whole line TABLE:  "NAME", exactly. A table's rows run to
// the first line that is empty after trimming, or to the end of the file.
std::array<TableRows, kTableKinds> LocateTables(const TextLines& lines)
{
    std::array<TableRows, kTableKinds> tables{};
    constexpr std::string_view kPrefix = "TABLE:  \"";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line.size() <= kPrefix.size() || !line.starts_with(kPrefix) || !line.ends_with('"'))
            continue;
        const std::string_view name = line.substr(kPrefix.size(), line.size() - kPrefix.size() - 1);
        for (std::size_t t = 0; t < kTableKinds; ++t) {
            if (name != kTableNames[t])
                continue;
            if (tables[t].found)
                throw V14Error("the table is given twice (first on line " + std::to_string(tables[t].heading + 1) + ")",
                               std::string(name), i + 1);
            tables[t] = {i, i + 1, i + 1, true};
        }
    }
    for (TableRows& table : tables)
        while (table.found && table.end < lines.size() && !TrimControlAndBlanks(lines[table.end]).empty())
            ++table.end;
    return tables;
}

std::int32_t RowCount(const TableRows& table)
{
    const std::size_t rows = table.end - table.first;
    if (rows > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        throw RangeCheckError();
    return static_cast<std::int32_t>(rows);
}

struct JointEntry {
    std::int32_t number = 0;
    double x = 0, y = 0, z = 0;
    std::array<double, 6> loads{};    // UX UY UZ RX RY RZ
    std::array<bool, 6> restraints{}; // U1 U2 U3 R1 R2 R3
};

struct SolidEntry {
    std::int32_t number = 0;
    std::array<std::int32_t, 8> corners{}; // joint positions, in the row's order
    std::int32_t material = 0;             // position in the MATERIAL section, 0 until known
    std::size_t assignedOn = 0;            // 0-based line of its property assignment, 0 for none
};

// A material as the MATERIAL section writes it; values in the file's units.
struct MaterialEntry {
    std::string name;
    std::string_view design; // IDES: C concrete, N none given
    double unitMass = 0, unitWeight = 0, elasticModulus = 0, poisson = 0;
};

// What a solid without a material takes: normal concrete, given in N and mm
// and converted to the file's units when they are known.
MaterialEntry NormalConcrete(const ModelUnits& units)
{
    MaterialEntry concrete{"SOLID", "C", 2.4E-009, 2.4E-005, 3.0E+004, 0.2};
    const double newtons = NewtonsPer(units.force);
    if (newtons == 0)
        return concrete;
    const double mm = LengthScaleOf(units.length).millimetres;
    concrete.unitMass *= mm * mm * mm * mm / newtons; // force s^2 / length^4
    concrete.unitWeight *= mm * mm * mm / newtons;    // force / length^3
    concrete.elasticModulus *= mm * mm / newtons;     // force / length^2
    return concrete;
}

// The value of a key the row must give.
std::string_view Required(const V14Fields& fields, std::string_view key)
{
    const std::string_view value = fields.ValueOf(key);
    if (value.empty())
        throw Error("the row gives no " + std::string(key));
    return value;
}

std::string Located(const std::string& text, std::string_view table, std::size_t line);

// The table and line being read, added to any error raised there.
struct Location {
    std::string_view table;
    std::size_t line = 0; // 0-based
};

class Converter {
public:
    explicit Converter(const TextLines& lines) : lines_(lines), tables_(LocateTables(lines)) {}

    V14Conversion Run()
    {
        ReadUnits();
        ReadJoints();
        ReadRestraints();
        ReadLoads();
        ReadSolids();
        ReadMaterials();
        AssignMaterials();
        WriteSystemAndJoints();
        WriteRestraints();
        WriteLoads();
        WriteMaterials();
        WriteSolids();
        out_.lines.Append("");
        out_.lines.Append("");
        out_.lines.Append("END");
        return std::move(out_);
    }

    const Location& where() const { return where_; }

private:
    const V14Fields& Split(TableKind kind, std::size_t line)
    {
        where_ = {kTableNames[kind], line};
        SplitV14Line(lines_[line], fields_);
        return fields_;
    }

    // The joint's position in the joint table, for a joint number a row gives.
    std::int32_t Position(std::string_view numberText) const
    {
        const std::int32_t number = ParseInteger(numberText);
        const auto found = positions_.find(number);
        if (found == positions_.end())
            throw Error(MissingJoint(number));
        return found->second;
    }

    static std::string MissingJoint(std::int32_t number)
    {
        return "joint " + std::to_string(number) + " is not in the JOINT COORDINATES table";
    }

    // The joint a restraint or load row names; nullptr, and a note naming the
    // row, when the joint table lacks it: such a row changes nothing.
    JointEntry* JointOfRow(std::string_view numberText)
    {
        const std::int32_t number = ParseInteger(numberText);
        const auto found = positions_.find(number);
        if (found != positions_.end())
            return &joints_[static_cast<std::size_t>(found->second)];
        out_.notes.push_back(Located(MissingJoint(number) + ": the row is left out", where_.table, where_.line));
        return nullptr;
    }

    void ReadJoints()
    {
        const TableRows& table = tables_[kJointTable];
        if (!table.found)
            throw V14Error("the file has no table TABLE:  \"JOINT COORDINATES\"", "", 0);
        where_ = {kTableNames[kJointTable], table.heading};
        out_.jointCount = RowCount(table);
        joints_.resize(static_cast<std::size_t>(out_.jointCount) + 1);
        bool renumbered = false;
        for (std::size_t line = table.first; line < table.end; ++line) {
            const V14Fields& f = Split(kJointTable, line);
            const auto position = static_cast<std::int32_t>(line - table.first + 1);
            JointEntry& joint = joints_[static_cast<std::size_t>(position)];
            joint.number = ParseInteger(f.Value(1));
            joint.x = ParseReal(f.Value(4));
            joint.y = ParseReal(f.Value(5));
            joint.z = ParseReal(f.Value(6));
            const auto [earlier, added] = positions_.emplace(joint.number, position);
            if (!added)
                throw Error("joint " + std::to_string(joint.number) + " is given twice (first on line "
                            + std::to_string(table.first + static_cast<std::size_t>(earlier->second)) + ")");
            if (joint.number != position && !renumbered) {
                renumbered = true;
                out_.notes.push_back("Joints are renumbered 1 to " + std::to_string(out_.jointCount)
                                     + " in table order: joint " + std::to_string(joint.number) + " (line "
                                     + std::to_string(line + 1) + ") is joint " + std::to_string(position));
            }
        }
    }

    void ReadRestraints()
    {
        const TableRows& table = tables_[kRestraintTable];
        for (std::size_t line = table.first; line < table.end; ++line) {
            const V14Fields& f = Split(kRestraintTable, line);
            JointEntry* joint = JointOfRow(f.Value(1));
            if (joint == nullptr)
                continue;
            // Flags already set stay set; only the exact text "Yes" restrains.
            for (std::size_t dof = 0; dof < 6; ++dof)
                joint->restraints[dof] = joint->restraints[dof] || f.Value(dof + 2) == "Yes";
        }
    }

    void ReadLoads()
    {
        const TableRows& table = tables_[kLoadTable];
        for (std::size_t line = table.first; line < table.end; ++line) {
            const V14Fields& f = Split(kLoadTable, line);
            JointEntry* joint = JointOfRow(f.Value(1));
            // A later row for the same joint replaces the earlier one; the
            // values of a row left out are still numbers.
            std::array<double, 6> loads{};
            for (std::size_t c = 0; c < 6; ++c)
                loads[c] = ParseReal(f.Value(c + 4));
            if (joint != nullptr)
                joint->loads = loads;
        }
    }

    void WriteSystemAndJoints()
    {
        TextLines& out = out_.lines;
        out.Append("SYSTEM");
        out.Append("  DOF=UX,UY,UZ,RX,RY,RZ  LENGTH=" + units_.length + "  FORCE=" + units_.force);
        out.Append("");
        out.Append("JOINT");
        for (std::int32_t i = 1; i <= out_.jointCount; ++i) {
            const JointEntry& joint = joints_[static_cast<std::size_t>(i)];
            out.Append("  " + std::to_string(i) + "  X=" + Number(joint.x) + "  Y=" + Number(joint.y)
                       + "  Z=" + Number(joint.z));
        }
        out.Append("");
    }

    void WriteRestraints()
    {
        static constexpr std::string_view kDofNames[] = {"U1", ",U2", ",U3", ",R1", ",R2", ",R3"};
        TextLines& out = out_.lines;
        out.Append("RESTRAINT");
        for (std::int32_t i = 1; i <= out_.jointCount; ++i) {
            const JointEntry& joint = joints_[static_cast<std::size_t>(i)];
            std::string dofs;
            for (std::size_t dof = 0; dof < 6; ++dof)
                if (joint.restraints[dof])
                    dofs += kDofNames[dof];
            if (!dofs.empty())
                out.Append("  ADD=" + std::to_string(i) + "  DOF=" + dofs);
        }
        out.Append("");
    }

    void WriteLoads()
    {
        // Moments under RX, RY, RZ: the keys the s2k import reads.
        static constexpr std::string_view kKeys[] = {"UX", "UY", "UZ", "RX", "RY", "RZ"};
        TextLines& out = out_.lines;
        out.Append("LOAD");
        out.Append("  NAME=PUSH");
        out.Append("    TYPE=FORCE");
        for (std::int32_t i = 1; i <= out_.jointCount; ++i) {
            const JointEntry& joint = joints_[static_cast<std::size_t>(i)];
            for (std::size_t c = 0; c < 6; ++c)
                if (joint.loads[c] != 0)
                    out.Append("      ADD=" + std::to_string(i) + "  " + std::string(kKeys[c]) + "="
                               + FormatScientificRoundTrip(joint.loads[c], 5));
        }
        out.Append("");
    }

    void ReadSolids()
    {
        const TableRows& table = tables_[kSolidTable];
        where_ = {kTableNames[kSolidTable], table.heading};
        out_.solidCount = RowCount(table);
        solids_.reserve(static_cast<std::size_t>(out_.solidCount));
        for (std::size_t line = table.first; line < table.end; ++line) {
            const V14Fields& f = Split(kSolidTable, line);
            SolidEntry solid;
            solid.number = ParseInteger(f.Value(1));
            for (std::size_t corner = 0; corner < 8; ++corner)
                solid.corners[corner] = Position(f.Value(corner + 2));
            const auto [earlier, added] = solidPlaces_.emplace(solid.number, solids_.size());
            if (!added)
                throw Error("solid " + std::to_string(solid.number) + " is given twice (first on line "
                            + std::to_string(table.first + earlier->second + 1) + ")");
            solids_.push_back(solid);
        }
    }

    // The file's materials in table order, then the solid properties that
    // name them and the solids that take a property.
    void ReadMaterials()
    {
        std::unordered_map<std::string, std::size_t> materialLines;
        const TableRows& materials = tables_[kMaterialTable];
        for (std::size_t line = materials.first; line < materials.end; ++line) {
            const V14Fields& f = Split(kMaterialTable, line);
            MaterialEntry material;
            material.name = std::string(Required(f, "Material"));
            if (material.name.find(' ') != std::string::npos)
                throw Error("the material name '" + material.name + "' holds a blank, which an s2k name cannot");
            material.design = "N";
            material.unitWeight = ParseReal(Required(f, "UnitWeight"));
            material.unitMass = ParseReal(Required(f, "UnitMass"));
            material.elasticModulus = ParseReal(Required(f, "E1"));
            material.poisson = ParseReal(Required(f, "U12"));
            const auto [earlier, added] = materialLines.emplace(material.name, line);
            if (!added)
                throw Error("material " + material.name + " is given twice (first on line "
                            + std::to_string(earlier->second + 1) + ")");
            materials_.push_back(std::move(material));
            materialPlaces_[materials_.back().name] = static_cast<std::int32_t>(materials_.size());
        }
        const TableRows& properties = tables_[kSolidPropertyTable];
        for (std::size_t line = properties.first; line < properties.end; ++line) {
            const V14Fields& f = Split(kSolidPropertyTable, line);
            const std::string property(Required(f, "SolidProp"));
            const std::string material(Required(f, "Material"));
            const auto found = materialPlaces_.find(material);
            if (found == materialPlaces_.end())
                throw Error("material " + material + " is not in the " + std::string(kTableNames[kMaterialTable])
                            + " table");
            const auto [earlier, added] = propertyMaterials_.emplace(property, std::pair{found->second, line});
            if (!added)
                throw Error("solid property " + property + " is given twice (first on line "
                            + std::to_string(earlier->second.second + 1) + ")");
        }
    }

    void AssignMaterials()
    {
        const TableRows& table = tables_[kSolidAssignmentTable];
        for (std::size_t line = table.first; line < table.end; ++line) {
            const V14Fields& f = Split(kSolidAssignmentTable, line);
            const std::int32_t number = ParseInteger(Required(f, "Solid"));
            const std::string property(Required(f, "SolidProp"));
            const auto solid = solidPlaces_.find(number);
            if (solid == solidPlaces_.end())
                throw Error("solid " + std::to_string(number) + " is not in the CONNECTIVITY - SOLID table");
            const auto found = propertyMaterials_.find(property);
            if (found == propertyMaterials_.end())
                throw Error("solid property " + property + " is not in the SOLID PROPERTY DEFINITIONS table");
            SolidEntry& entry = solids_[solid->second];
            if (entry.material != 0)
                throw Error("solid " + std::to_string(number) + " is given twice (first on line "
                            + std::to_string(entry.assignedOn + 1) + ")");
            entry.material = found->second.first;
            entry.assignedOn = line;
        }
        if (!materials_.empty())
            out_.notes.push_back(std::to_string(materials_.size()) + (materials_.size() == 1 ? " material" : " materials")
                                 + " from the "
                                 + std::string(kTableNames[kMaterialTable])
                                 + " table; a solid's SEC= is its material's place in MATERIAL");
        AddNormalConcrete();
        out_.materialCount = static_cast<std::int32_t>(materials_.size());
    }

    // Solids the file gives no material take normal concrete, under a name
    // no material of the file has.
    void AddNormalConcrete()
    {
        const auto without = std::count_if(solids_.begin(), solids_.end(), [](const SolidEntry& s) { return s.material == 0; });
        if (without == 0)
            return;
        MaterialEntry concrete = NormalConcrete(units_);
        const std::string name = concrete.name;
        for (int n = 1; materialPlaces_.contains(concrete.name); ++n)
            concrete.name = name + std::to_string(n);
        materials_.push_back(concrete);
        const auto place = static_cast<std::int32_t>(materials_.size());
        for (SolidEntry& solid : solids_)
            if (solid.material == 0)
                solid.material = place;
        out_.notes.push_back("No material for " + std::to_string(without) + (without == 1 ? " solid" : " solids")
                             + ": material " + concrete.name + " (SEC=" + std::to_string(place)
                             + "), normal concrete in " + units_.force + " and " + units_.length + ": E=" + Number(concrete.elasticModulus)
                             + "  U=" + Number(concrete.poisson) + "  M=" + Number(concrete.unitMass)
                             + "  W=" + Number(concrete.unitWeight));
    }

    // Four digits where they say the value exactly, more where they do not.
    static std::string Number(double value) { return FormatScientificRoundTrip(value, 4); }

    // NAME line and property line of each material, as the s2k import reads them.
    void WriteMaterials()
    {
        TextLines& out = out_.lines;
        out.Append("MATERIAL");
        for (const MaterialEntry& material : materials_) {
            out.Append("  NAME=" + material.name + "  IDES=" + std::string(material.design) + "  M="
                       + Number(material.unitMass) + "  W=" + Number(material.unitWeight));
            out.Append("    T=0  E=" + Number(material.elasticModulus) + "  U=" + Number(material.poisson));
        }
        out.Append("");
    }

    void WriteSolids()
    {
        TextLines& out = out_.lines;
        out.Append("SOLID");
        for (const SolidEntry& solid : solids_) {
            std::string text = "  " + std::to_string(solid.number) + "  J=";
            for (std::size_t corner = 0; corner < 8; ++corner)
                text += (corner > 0 ? "," : "") + std::to_string(solid.corners[corner]);
            out.Append(text + "  SEC=" + std::to_string(solid.material));
        }
    }

    // CurrUnits="KN, m, C" of the PROGRAM CONTROL table: force, length,
    // temperature. Without it, or with a force unit not known (whose concrete
    // could not be converted), the model is in N and mm.
    void ReadUnits()
    {
        const TableRows& table = tables_[kProgramTable];
        for (std::size_t line = table.first; line < table.end; ++line) {
            const V14Fields& f = Split(kProgramTable, line);
            std::vector<std::string_view> named;
            for (std::size_t k = 0; k + 1 < f.size(); ++k)
                if (f[k] == "CurrUnits")
                    for (std::size_t v = k + 1; v < f.size() && named.size() < 2; ++v)
                        if (!f[v].empty())
                            named.push_back(f[v]);
            if (named.size() == 2 && NewtonsPer(named[0]) != 0)
                units_ = {std::string(named[1]), std::string(named[0])};
        }
    }

    const TextLines& lines_;
    const std::array<TableRows, kTableKinds> tables_;
    ModelUnits units_{"mm", "N"};
    std::vector<JointEntry> joints_; // entry 0 unused
    std::unordered_map<std::int32_t, std::int32_t> positions_;
    std::vector<SolidEntry> solids_;
    std::unordered_map<std::int32_t, std::size_t> solidPlaces_; // solid number to its entry
    std::vector<MaterialEntry> materials_;
    std::unordered_map<std::string, std::int32_t> materialPlaces_; // name to place, from 1
    std::unordered_map<std::string, std::pair<std::int32_t, std::size_t>> propertyMaterials_; // place, line
    V14Fields fields_;
    Location where_;
    V14Conversion out_;
};

std::string Located(const std::string& text, std::string_view table, std::size_t line)
{
    return text + " (" + std::string(table) + " table, line " + std::to_string(line + 1) + ")";
}

std::string DescribeFailure(const std::string& reason, const std::string& table, std::size_t lineNumber)
{
    return lineNumber == 0 ? reason : Located(reason, table, lineNumber - 1);
}

} // namespace

V14Error::V14Error(const std::string& reason, std::string table, std::size_t lineNumber)
    : Error(DescribeFailure(reason, table, lineNumber)), reason_(reason), table_(std::move(table)), lineNumber_(lineNumber)
{
}

V14Conversion ConvertV14File(const TextLines& v14Lines)
{
    std::optional<Converter> converter;
    try {
        converter.emplace(v14Lines);
        return converter->Run();
    } catch (const V14Error&) {
        throw;
    } catch (const Error& e) {
        if (!converter)
            throw;
        const Location& where = converter->where();
        throw V14Error(e.what(), std::string(where.table), where.line + 1);
    }
}

std::vector<std::string> V14Summary(const V14Conversion& conversion)
{
    std::vector<std::string> summary = {"Mirelo import Sap2000 V14 S2k file",
                                        "NJOINT = " + std::to_string(conversion.jointCount),
                                        "NSOLID = " + std::to_string(conversion.solidCount)};
    summary.insert(summary.end(), conversion.notes.begin(), conversion.notes.end());
    summary.push_back("Finish!!");
    return summary;
}

} // namespace mirelo
