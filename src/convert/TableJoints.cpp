// The units and the joint tables: coordinates, restraints, diaphragms, masses.
#include "convert/TableConversionContext.h"

#include <algorithm>
#include <cctype>

namespace mirelo::table {

namespace {

std::string UpperCase(std::string_view text)
{
    std::string upper(TrimControlAndBlanks(text));
    for (char& ch : upper)
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return upper;
}

// The JOINT line of the joint just added under `label`.
void AppendJoint(Context& c, std::string_view label, const std::array<double, 3>& xyz)
{
    c.coordinates.push_back(xyz);
    std::string& line = c.line;
    line = "  ";
    c.AppendLabel(line, label, c.joints.size(), "joint");
    line += "  X=";
    AppendValue(line, xyz[0]);
    line += "  Y=";
    AppendValue(line, xyz[1]);
    line += "  Z=";
    AppendValue(line, xyz[2]);
    c.out.lines.Append(line);
}

// A diaphragm's master: a joint of its own at the centre of its joints, so
// that the support the script gives a master (fixed out of the floor's plane)
// takes no load from a column.
std::int32_t AddMasterJoint(Context& c, std::string_view diaphragm, const std::vector<std::int32_t>& joints)
{
    std::array<double, 3> centre{};
    for (const std::int32_t joint : joints)
        for (std::size_t axis = 0; axis < 3; ++axis)
            centre[axis] += c.coordinates[static_cast<std::size_t>(joint - 1)][axis];
    for (double& coordinate : centre)
        coordinate /= static_cast<double>(joints.size());
    std::string label = std::string(diaphragm) + "-master";
    while (c.joints.Find(label) != 0)
        label += "'";
    const std::string_view owned = c.ownedLabels.emplace_back(std::move(label));
    c.joints.Add(owned);
    AppendJoint(c, owned, centre);
    return c.joints.size();
}

// Joints that a frame, area or solid connects. Labels the joint table lacks
// are refused later, by the element tables.
std::vector<bool> ConnectedJoints(const Context& c)
{
    std::vector<bool> connected(static_cast<std::size_t>(c.joints.size()) + 1, false);
    const auto mark = [&](const RowReader& row, std::initializer_list<std::string_view> keys) {
        for (const std::string_view key : keys)
            connected[static_cast<std::size_t>(c.joints.Find(row.TextOr(key, "")))] = true;
    };
    c.ForEachRow("CONNECTIVITY - FRAME", [&](const RowReader& row) { mark(row, {"JointI", "JointJ"}); });
    c.ForEachRow("CONNECTIVITY - AREA",
                 [&](const RowReader& row) { mark(row, {"Joint1", "Joint2", "Joint3", "Joint4"}); });
    c.ForEachRow("CONNECTIVITY - SOLID", [&](const RowReader& row) {
        mark(row, {"Joint1", "Joint2", "Joint3", "Joint4", "Joint5", "Joint6", "Joint7", "Joint8"});
    });
    return connected;
}

} // namespace

void ConvertUnits(Context& c)
{
    // CurrUnits="KN, m, C": force, length, temperature.
    std::string units = "  DOF=UX,UY,UZ,RX,RY,RZ";
    c.ForEachRow("PROGRAM CONTROL", [&](const RowReader& row) {
        const std::string_view text = row.TextOr("CurrUnits", "");
        const std::size_t comma = text.find(',');
        if (comma == std::string_view::npos)
            return;
        const std::size_t second = text.find(',', comma + 1);
        const std::string force = UpperCase(text.substr(0, comma));
        const std::string length = UpperCase(text.substr(comma + 1, second - comma - 1));
        if (FitsS2kField(length) && FitsS2kField(force)) {
            units += "  LENGTH=" + length + "  FORCE=" + force;
            c.length = length;
            c.force = force;
        }
    });
    c.out.lines.Append("SYSTEM");
    c.out.lines.Append(units);
    c.out.lines.Append("");
}

void ConvertJoints(Context& c)
{
    const TableText& text = c.text;
    const TextTable& jointTable = *text.Find("JOINT COORDINATES");
    c.coordinates.reserve(jointTable.rowCount);
    c.joints.Reserve(jointTable.rowCount);
    c.out.lines.Append("JOINT");
    c.ForEachRow("JOINT COORDINATES", [&](const RowReader& row) {
        const std::string_view label = row.Text("Joint");
        if (!c.joints.Add(label))
            row.Fail("joint " + std::string(label) + " is given twice", "Joint");
        // XorR, Y, Z are in the row's own system; GlobalX ... are Cartesian.
        std::array<double, 3> xyz{};
        if (row.TextOr("GlobalX", "").empty()) {
            const std::string_view system = row.TextOr("CoordSys", "GLOBAL");
            const std::string_view type = row.TextOr("CoordType", "Cartesian");
            if (system != "GLOBAL" || type != "Cartesian")
                row.Fail("joint " + std::string(label) + " is given in the " + std::string(type) + " system "
                         + std::string(system) + " without GlobalX, GlobalY, GlobalZ");
            xyz = {row.Real("XorR"), row.Real("Y"), row.Real("Z")};
        } else {
            xyz = {row.Real("GlobalX"), row.Real("GlobalY"), row.Real("GlobalZ")};
        }
        AppendJoint(c, label, xyz);
    });

    // Diaphragms numbered in the order the definitions give them; the joints
    // in the order assigned, the last one the master.
    LabelIndex diaphragms;
    c.ForEachRow("CONSTRAINT DEFINITIONS - DIAPHRAGM", [&](const RowReader& row) {
        diaphragms.Add(row.TextOfAny({"Name", "Constraint"}));
        if (const std::string_view axis = row.TextOr("Axis", "Z"); axis != "Z")
            c.out.notes.push_back("Diaphragm " + std::string(row.TextOfAny({"Name", "Constraint"})) + " has axis "
                                  + std::string(axis) + ": it is taken as a floor diaphragm about Z");
    });
    const bool defined = c.Has("CONSTRAINT DEFINITIONS - DIAPHRAGM");
    std::vector<std::vector<std::int32_t>> members(static_cast<std::size_t>(diaphragms.size()));
    std::int32_t otherConstraints = 0;
    c.ForEachRow("JOINT CONSTRAINT ASSIGNMENTS", [&](const RowReader& row) {
        if (row.TextOr("Type", "Diaphragm") != "Diaphragm") {
            ++otherConstraints;
            return;
        }
        const std::int32_t joint = row.Reference("Joint", c.joints, "joint", "JOINT COORDINATES");
        const std::string_view name = row.Text("Constraint");
        if (diaphragms.Find(name) == 0 && !defined) {
            diaphragms.Add(name);
            members.emplace_back();
        }
        const std::int32_t d = row.Reference("Constraint", diaphragms, "diaphragm", "CONSTRAINT DEFINITIONS - DIAPHRAGM");
        members[static_cast<std::size_t>(d - 1)].push_back(joint);
    });
    if (otherConstraints > 0)
        c.out.notes.push_back(std::to_string(otherConstraints)
                              + " joint constraint assignments are not diaphragms and are not taken");
    // The master is the last joint of the diaphragm that no element connects
    // (the floor's centre-of-mass joint, which carries its mass): a slave
    // without elements would have no stiffness out of the floor's plane.
    // Without one, the diaphragm gets a master of its own.
    const std::vector<bool> connected = ConnectedJoints(c);
    std::vector<std::string> constraintLines;
    std::int32_t written = 0;
    NameList chosen, added;
    for (std::int32_t d = 1; d <= diaphragms.size(); ++d) {
        auto& joints = members[static_cast<std::size_t>(d - 1)];
        if (joints.empty()) {
            c.out.notes.push_back("Diaphragm " + std::string(diaphragms[d]) + " has no joints and is left out");
            continue;
        }
        constraintLines.push_back("  NAME=" + std::to_string(++written) + "  TYPE=DIAPH  AXIS=Z");
        const auto unconnected = std::find_if(joints.rbegin(), joints.rend(), [&](std::int32_t joint) {
            return !connected[static_cast<std::size_t>(joint)];
        });
        std::int32_t master = 0;
        if (unconnected != joints.rend()) {
            master = *unconnected;
            joints.erase(std::next(unconnected).base());
        }
        for (const std::int32_t joint : joints)
            constraintLines.push_back("    ADD=" + std::to_string(joint));
        NameList& masters = master != 0 ? chosen : added;
        if (master == 0)
            master = AddMasterJoint(c, diaphragms[d], joints);
        constraintLines.push_back("    ADD=" + std::to_string(master));
        masters.Add(std::string(c.joints[master]) + " (joint " + std::to_string(master) + ")");
    }
    c.out.lines.Append("");
    if (chosen.count > 0)
        c.out.notes.push_back("Diaphragm masters, joints that no element connects: " + chosen.Text());
    if (added.count > 0)
        c.out.notes.push_back("Diaphragms whose joints all belong to elements get a master joint at the centre of "
                              "their joints: "
                              + added.Text());
    if (!constraintLines.empty())
        c.Section("CONSTRAINT", constraintLines);

    // Restraints gathered per joint, written in joint order.
    std::vector<std::uint8_t> restraints(static_cast<std::size_t>(c.joints.size()) + 1, 0);
    static constexpr std::string_view kDofs[] = {"U1", "U2", "U3", "R1", "R2", "R3"};
    c.ForEachRow("JOINT RESTRAINT ASSIGNMENTS", [&](const RowReader& row) {
        const std::int32_t joint = row.Reference("Joint", c.joints, "joint", "JOINT COORDINATES");
        for (std::size_t dof = 0; dof < 6; ++dof)
            if (row.Yes(kDofs[dof]))
                restraints[static_cast<std::size_t>(joint)] |= static_cast<std::uint8_t>(1u << dof);
    });
    std::vector<std::string> restraintLines;
    for (std::int32_t joint = 1; joint <= c.joints.size(); ++joint) {
        const std::uint8_t flags = restraints[static_cast<std::size_t>(joint)];
        if (flags == 0)
            continue;
        std::string line = "  ADD=" + std::to_string(joint) + "  DOF=";
        bool first = true;
        for (std::size_t dof = 0; dof < 6; ++dof)
            if (flags & (1u << dof)) {
                line += (first ? "" : ",") + std::string(kDofs[dof]);
                first = false;
            }
        restraintLines.push_back(line);
    }
    if (!restraintLines.empty())
        c.Section("RESTRAINT", restraintLines);

    // Masses: rows of one joint add up; rotational masses are not read.
    std::vector<std::array<double, 3>> masses(static_cast<std::size_t>(c.joints.size()) + 1);
    std::vector<bool> hasMass(masses.size(), false);
    std::int32_t rotational = 0;
    c.ForEachRow("JOINT ADDED MASS ASSIGNMENTS", [&](const RowReader& row) {
        const std::int32_t joint = row.Reference("Joint", c.joints, "joint", "JOINT COORDINATES");
        auto& mass = masses[static_cast<std::size_t>(joint)];
        mass[0] += row.RealOr("Mass1", 0);
        mass[1] += row.RealOr("Mass2", 0);
        mass[2] += row.RealOr("Mass3", 0);
        hasMass[static_cast<std::size_t>(joint)] = true;
        if (row.RealOr("MMI1", 0) != 0 || row.RealOr("MMI2", 0) != 0 || row.RealOr("MMI3", 0) != 0)
            ++rotational;
    });
    if (rotational > 0)
        c.out.notes.push_back(std::to_string(rotational)
                              + " added mass rows have rotational masses (MMI1 to MMI3), which are not taken");
    std::vector<std::string> massLines;
    for (std::int32_t joint = 1; joint <= c.joints.size(); ++joint) {
        if (!hasMass[static_cast<std::size_t>(joint)])
            continue;
        const auto& mass = masses[static_cast<std::size_t>(joint)];
        std::string line = "  ADD=" + std::to_string(joint) + "  U1=";
        AppendValue(line, mass[0]);
        line += "  U2=";
        AppendValue(line, mass[1]);
        line += "  U3=";
        AppendValue(line, mass[2]);
        massLines.push_back(line);
    }
    if (!massLines.empty())
        c.Section("MASS", massLines);
}

} // namespace mirelo::table
