#include "convert/V14Converter.h"

#include "common/NumberText.h"
#include "convert/V14Splitter.h"

#include <array>
#include <limits>
#include <optional>
#include <string_view>
#include <unordered_map>

namespace mirelo {

namespace {

enum TableKind { kJointTable, kRestraintTable, kLoadTable, kSolidTable, kTableKinds };

constexpr std::array<std::string_view, kTableKinds> kTableNames = {
    "JOINT COORDINATES", "JOINT RESTRAINT ASSIGNMENTS", "JOINT LOADS - FORCE", "CONNECTIVITY - SOLID"};

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
        ReadJoints();
        ReadRestraints();
        ReadLoads();
        WriteSystemAndJoints();
        WriteRestraints();
        WriteLoads();
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
            throw Error("joint " + std::to_string(number) + " is not in the JOINT COORDINATES table");
        return found->second;
    }

    void ReadJoints()
    {
        const TableRows& table = tables_[kJointTable];
        if (!table.found)
            throw V14Error("the file has no table TABLE:  \"JOINT COORDINATES\"", "", 0);
        where_ = {kTableNames[kJointTable], table.heading};
        out_.jointCount = RowCount(table);
        joints_.resize(static_cast<std::size_t>(out_.jointCount) + 1);
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
            if (joint.number != position && out_.notes.empty())
                out_.notes.push_back("Joints are renumbered 1 to " + std::to_string(out_.jointCount)
                                     + " in table order: joint " + std::to_string(joint.number) + " (line "
                                     + std::to_string(line + 1) + ") is joint " + std::to_string(position));
        }
    }

    void ReadRestraints()
    {
        const TableRows& table = tables_[kRestraintTable];
        for (std::size_t line = table.first; line < table.end; ++line) {
            const V14Fields& f = Split(kRestraintTable, line);
            JointEntry& joint = joints_[static_cast<std::size_t>(Position(f.Value(1)))];
            // Flags already set stay set; only the exact text "Yes" restrains.
            for (std::size_t dof = 0; dof < 6; ++dof)
                joint.restraints[dof] = joint.restraints[dof] || f.Value(dof + 2) == "Yes";
        }
    }

    void ReadLoads()
    {
        const TableRows& table = tables_[kLoadTable];
        for (std::size_t line = table.first; line < table.end; ++line) {
            const V14Fields& f = Split(kLoadTable, line);
            JointEntry& joint = joints_[static_cast<std::size_t>(Position(f.Value(1)))];
            // A later row for the same joint replaces the earlier one.
            std::array<double, 6> loads{};
            for (std::size_t c = 0; c < 6; ++c)
                loads[c] = ParseReal(f.Value(c + 4));
            joint.loads = loads;
        }
    }

    void WriteSystemAndJoints()
    {
        TextLines& out = out_.lines;
        out.Append("SYSTEM");
        out.Append("  DOF=UX,UY,UZ,RX,RY,RZ  LENGTH=mm  FORCE=N");
        out.Append("");
        out.Append("JOINT");
        // Four digits where they say the value exactly, more where they do not.
        for (std::int32_t i = 1; i <= out_.jointCount; ++i) {
            const JointEntry& joint = joints_[static_cast<std::size_t>(i)];
            out.Append("  " + std::to_string(i) + "  X=" + FormatScientificRoundTrip(joint.x, 4)
                       + "  Y=" + FormatScientificRoundTrip(joint.y, 4) + "  Z=" + FormatScientificRoundTrip(joint.z, 4));
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

    void WriteSolids()
    {
        const TableRows& table = tables_[kSolidTable];
        TextLines& out = out_.lines;
        out.Append("SOLID");
        where_ = {kTableNames[kSolidTable], table.heading};
        out_.solidCount = RowCount(table);
        for (std::size_t line = table.first; line < table.end; ++line) {
            const V14Fields& f = Split(kSolidTable, line);
            std::string text = "  " + std::to_string(ParseInteger(f.Value(1))) + "  J=";
            for (std::size_t corner = 1; corner <= 8; ++corner)
                text += (corner > 1 ? "," : "") + std::to_string(Position(f.Value(corner + 1)));
            out.Append(text + "  SEC=100");
        }
    }

    const TextLines& lines_;
    const std::array<TableRows, kTableKinds> tables_;
    std::vector<JointEntry> joints_; // entry 0 unused
    std::unordered_map<std::int32_t, std::int32_t> positions_;
    V14Fields fields_;
    Location where_;
    V14Conversion out_;
};

std::string DescribeFailure(const std::string& reason, const std::string& table, std::size_t lineNumber)
{
    if (lineNumber == 0)
        return reason;
    return reason + " (" + table + " table, line " + std::to_string(lineNumber) + ")";
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
