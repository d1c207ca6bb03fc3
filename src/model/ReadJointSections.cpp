// Readers of the joint-related sections: JOINT, CONSTRAINT, RESTRAINT, MASS.
#include "model/ModelUnits.h"
#include "model/SectionReader.h"

#include <cmath>
#include <vector>

namespace mirelo {

namespace {

// Coordinates are kept on a grid of 10^-decimals units: scaled in extended
// precision and rounded half to even, so in millimetres 0.25 gives 0.2 and
// 0.35 (just below) gives 0.3. Both the grid count and the power of ten are
// exact doubles, so the quotient is the double nearest the grid point, the
// very value its text reads as: 6.0125 in metres stays 6.0125.
double RoundToGrid(double value, double powerOfTen)
{
    const long double count = std::nearbyint(static_cast<long double>(value) * static_cast<long double>(powerOfTen));
    return static_cast<double>(count) / powerOfTen;
}

} // namespace

void ReadJoints(const S2kText& text, Model& model, ImportLocation& where)
{
    SectionReader reader(text, "JOINT", where);
    const std::int32_t n = reader.DataLineCount();
    model.Joints.Reset(n);
    double powerOfTen = 1;
    for (int d = LengthScaleOf(model.Units.length).gridDecimals; d > 0; --d)
        powerOfTen *= 10;
    for (std::int32_t k = 1; k <= n; ++k) {
        reader.Split(k);
        Joint& joint = model.Joints[k];
        joint.x = RoundToGrid(reader.Real(2, "X"), powerOfTen);
        joint.y = RoundToGrid(reader.Real(4, "Y"), powerOfTen);
        joint.z = RoundToGrid(reader.Real(6, "Z"), powerOfTen);
    }
}

void ReadConstraints(const S2kText& text, Model& model, ImportLocation& where)
{
    SectionReader reader(text, "CONSTRAINT", where);
    const std::int32_t lineCount = reader.DataLineCountOrZero();

    // Each line is split once; what the later passes need is kept per line.
    struct LineContent {
        bool isName = false;
        bool isAdd = false;
        std::int32_t name = 0;  // the NAME value
        std::int32_t joint = 0; // the ADD joint
    };
    std::vector<LineContent> content(static_cast<std::size_t>(lineCount) + 1);
    std::int32_t n = 0;
    for (std::int32_t i = 1; i <= lineCount; ++i) {
        const FieldList& f = reader.Split(i);
        LineContent& line = content[static_cast<std::size_t>(i)];
        if (f[0] == "NAME") {
            ++n;
            line.isName = true;
            line.name = reader.Integer(1, "NAME");
        }
        if (f[1] == "ADD") {
            line.isAdd = true;
            line.joint = reader.Reference(2, "ADD", model.Joints, "joint");
        }
    }
    model.Constraints.Reset(n);

    // The NAME value is the constraint's index: each of 1..n exactly once.
    std::vector<std::int32_t> lengths(static_cast<std::size_t>(n) + 1, 0);
    std::vector<bool> named(static_cast<std::size_t>(n) + 1, false);
    std::int32_t c = 0;
    for (std::int32_t i = 1; i <= lineCount; ++i) {
        const LineContent& line = content[static_cast<std::size_t>(i)];
        reader.ReturnTo(i);
        if (line.isName) {
            c = line.name;
            if (!model.Constraints.Contains(c))
                throw Error("constraint NAME=" + std::to_string(c) + " is outside 1.." + std::to_string(n)
                            + " (constraints must be named 1, 2, 3 ...)");
            if (named[static_cast<std::size_t>(c)])
                throw Error("constraint NAME=" + std::to_string(c) + " is given twice");
            named[static_cast<std::size_t>(c)] = true;
        }
        if (line.isAdd) {
            if (c == 0)
                throw Error("ADD line before the first NAME line");
            ++lengths[static_cast<std::size_t>(c)];
        }
    }

    // Members in the order listed; the last one listed is the master.
    for (std::int32_t k = 1; k <= n; ++k)
        model.Constraints[k].members.reserve(static_cast<std::size_t>(lengths[static_cast<std::size_t>(k)]) + 1);
    for (std::int32_t k = 1; k <= n; ++k)
        model.Constraints[k].members.push_back(0);
    for (std::int32_t i = 1; i <= lineCount; ++i) {
        const LineContent& line = content[static_cast<std::size_t>(i)];
        if (line.isName)
            c = line.name;
        if (line.isAdd)
            model.Constraints[c].members.push_back(line.joint);
    }
    for (std::int32_t k = 1; k <= n; ++k) {
        Constraint& constraint = model.Constraints[k];
        const auto length = static_cast<std::int32_t>(constraint.members.size()) - 1;
        constraint.masterJoint = constraint.members[static_cast<std::size_t>(length)];
        constraint.memberCount = length - 1;
    }
}

void ReadRestraints(const S2kText& text, Model& model, ImportLocation& where)
{
    static constexpr std::string_view kDofNames[] = {"U1", "U2", "U3", "R1", "R2", "R3"};
    SectionReader reader(text, "RESTRAINT", where);
    const std::int32_t lineCount = reader.DataLineCountOrZero();
    for (std::int32_t i = 1; i <= lineCount; ++i) {
        const FieldList& f = reader.Split(i);
        if (f[0] != "ADD")
            continue;
        Joint& joint = model.Joints[reader.Reference(1, "ADD", model.Joints, "joint")];
        for (std::size_t field = 3; field <= 8; ++field)
            for (std::size_t dof = 0; dof < 6; ++dof)
                if (f[field] == kDofNames[dof])
                    joint.restraint[dof + 1] = 1;
    }
}

void ReadMasses(const S2kText& text, Model& model, ImportLocation& where)
{
    SectionReader reader(text, "MASS", where);
    const std::int32_t lineCount = reader.DataLineCountOrZero();
    for (std::int32_t i = 1; i <= lineCount; ++i) {
        const FieldList& f = reader.Split(i);
        Joint& joint = model.Joints[reader.Reference(1, "ADD", model.Joints, "joint")];
        // The keys are positional: U1 in field 2, U2 in field 4, U3 in field 6.
        if (f[2] == "U1")
            joint.mass[1] = reader.Real(3, "U1");
        if (f[4] == "U2")
            joint.mass[2] = reader.Real(5, "U2");
        if (f[6] == "U3")
            joint.mass[3] = reader.Real(7, "U3");
    }
}

} // namespace mirelo
