// The load tables: load patterns, joint forces, uniform frame loads.
#include "convert/TableConversionContext.h"

#include "common/Errors.h"
#include "model/FrameAxis.h"

#include <cmath>

namespace mirelo::table {

namespace {

struct JointForce {
    std::int32_t pattern = 0;
    std::int32_t joint = 0;
    std::array<double, 6> values{}; // F1 F2 F3 M1 M2 M3
};

// A uniform load along the frame's local axis 1, 2 or 3.
struct FrameLoad {
    std::int32_t pattern = 0;
    std::int32_t frame = 0;
    std::int32_t axis = 0;
    double value = 0;
};

using Vector = std::array<double, 3>;

// The frame's local axes 1, 2, 3 from its joints and angle, as the import
// computes them.
std::array<Vector, 3> LocalAxes(const Context& c, std::int32_t frame)
{
    const auto f = static_cast<std::size_t>(frame - 1);
    const Vector& i = c.coordinates[static_cast<std::size_t>(c.frameJoints[2 * f] - 1)];
    const Vector& j = c.coordinates[static_cast<std::size_t>(c.frameJoints[2 * f + 1] - 1)];
    const Axis2 axis2 = ComputeFrameAxis2(i[0], i[1], i[2], j[0], j[1], j[2], c.frameAngles[f]);
    const Vector d = {j[0] - i[0], j[1] - i[1], j[2] - i[2]};
    const double length = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
    const Vector a1 = {CheckedQuotient(d[0], length), CheckedQuotient(d[1], length), CheckedQuotient(d[2], length)};
    const Vector a2 = {axis2.x, axis2.y, axis2.z};
    const Vector a3 = {a1[1] * a2[2] - a1[2] * a2[1], a1[2] * a2[0] - a1[0] * a2[2], a1[0] * a2[1] - a1[1] * a2[0]};
    return {a1, a2, a3};
}

// The global direction of Dir=X, Y, Z or Gravity, or none for a local or
// projected one.
std::optional<Vector> GlobalDirection(std::string_view dir)
{
    if (dir == "X")
        return Vector{1, 0, 0};
    if (dir == "Y")
        return Vector{0, 1, 0};
    if (dir == "Z")
        return Vector{0, 0, 1};
    if (dir == "Gravity")
        return Vector{0, 0, -1};
    return std::nullopt;
}

std::string_view PatternOf(const RowReader& row)
{
    return row.TextOfAny({"LoadPat", "LoadCase"});
}

} // namespace

void ConvertLoads(Context& c)
{
    // Patterns in the order defined; a file without definitions names them
    // in the order its load rows do.
    const bool v11 = !c.Has("LOAD PATTERN DEFINITIONS") && c.Has("LOAD CASE DEFINITIONS");
    const std::string_view definitions = v11 ? "LOAD CASE DEFINITIONS" : "LOAD PATTERN DEFINITIONS";
    NameList selfWeight;
    c.ForEachRow(definitions, [&](const RowReader& row) {
        const std::string_view name = PatternOf(row);
        c.patterns.Add(name);
        if (row.RealOr("SelfWtMult", 0) != 0)
            selfWeight.Add(name);
    });
    if (selfWeight.count > 0)
        c.out.notes.push_back("Self weight is not carried over: load patterns with a self-weight multiplier: "
                              + selfWeight.Text());
    const bool defined = c.Has(definitions);
    const auto pattern = [&](const RowReader& row) {
        const std::string_view name = PatternOf(row);
        if (!defined)
            c.patterns.Add(name);
        return row.Reference(row.TextOr("LoadPat", "").empty() ? "LoadCase" : "LoadPat", c.patterns, "load pattern",
                             definitions.data());
    };

    std::vector<JointForce> forces;
    NameList otherSystems;
    static constexpr std::string_view kForceKeys[6] = {"F1", "F2", "F3", "M1", "M2", "M3"};
    c.ForEachRow("JOINT LOADS - FORCE", [&](const RowReader& row) {
        JointForce force;
        force.pattern = pattern(row);
        force.joint = row.Reference("Joint", c.joints, "joint", "JOINT COORDINATES");
        if (row.TextOr("CoordSys", "GLOBAL") != "GLOBAL") {
            otherSystems.Add("line " + std::to_string(row.line()));
            return;
        }
        for (std::size_t k = 0; k < 6; ++k)
            force.values[k] = row.RealOr(kForceKeys[k], 0);
        forces.push_back(force);
    });
    if (otherSystems.count > 0)
        c.out.notes.push_back(std::to_string(otherSystems.count)
                              + " joint loads in a coordinate system other than GLOBAL are not taken: "
                              + otherSystems.Text());

    // Uniform loads over the whole frame. A local direction is written as it
    // is; a global one as its components along the frame's local axes.
    std::vector<FrameLoad> frameLoads;
    NameList notTaken;
    c.ForEachRow("FRAME LOADS - DISTRIBUTED", [&](const RowReader& row) {
        const std::int32_t p = pattern(row);
        const std::int32_t frame = row.Reference("Frame", c.frames, "frame", "CONNECTIVITY - FRAME");
        const std::string_view dir = row.Text("Dir");
        const double a = row.Real("FOverLA");
        const bool uniform = row.TextOr("Type", "Force") == "Force" && row.RealOr("RelDistA", 0) == 0
                             && row.RealOr("RelDistB", 1) == 1 && row.Real("FOverLB") == a;
        const auto global = GlobalDirection(dir);
        const bool local = dir == "1" || dir == "2" || dir == "3";
        if (!uniform || (!local && !global) || (global && row.TextOr("CoordSys", "GLOBAL") != "GLOBAL")) {
            notTaken.Add("line " + std::to_string(row.line()));
            return;
        }
        if (local) {
            frameLoads.push_back({p, frame, dir[0] - '0', a});
            return;
        }
        std::array<Vector, 3> axes;
        try {
            axes = LocalAxes(c, frame);
        } catch (const Error& e) {
            row.Fail(std::string(e.what()) + ": frame " + std::string(c.frames[frame]) + " has no length");
        }
        for (std::int32_t axis = 1; axis <= 3; ++axis) {
            const Vector& e = axes[static_cast<std::size_t>(axis - 1)];
            const double component = a * ((*global)[0] * e[0] + (*global)[1] * e[1] + (*global)[2] * e[2]);
            // Rounding leaves parts of 1e-16 along axes the load is square to.
            if (std::abs(component) > 1e-12 * std::abs(a))
                frameLoads.push_back({p, frame, axis, component});
        }
    });
    if (notTaken.count > 0)
        c.out.notes.push_back(std::to_string(notTaken.count)
                              + " frame loads are not uniform forces over the whole frame in a direction Mirelo "
                                "writes (Gravity, X, Y, Z in GLOBAL, or 1, 2, 3) and are not taken: "
                              + notTaken.Text());

    if (c.patterns.size() == 0)
        return;
    // Loads grouped by pattern in one pass: each pattern's rows in table order.
    const auto byPattern = [&](const auto& loads) {
        std::vector<std::size_t> starts(static_cast<std::size_t>(c.patterns.size()) + 2, 0);
        for (const auto& load : loads)
            ++starts[static_cast<std::size_t>(load.pattern) + 1];
        for (std::size_t p = 1; p < starts.size(); ++p)
            starts[p] += starts[p - 1];
        std::vector<std::size_t> order(loads.size());
        std::vector<std::size_t> next(starts.begin(), starts.end() - 1);
        for (std::size_t k = 0; k < loads.size(); ++k)
            order[next[static_cast<std::size_t>(loads[k].pattern)]++] = k;
        return std::make_pair(starts, order);
    };
    const auto [forceStarts, forceOrder] = byPattern(forces);
    const auto [frameStarts, frameOrder] = byPattern(frameLoads);

    static constexpr std::string_view kS2kForceKeys[6] = {"UX", "UY", "UZ", "RX", "RY", "RZ"};
    TextLines& out = c.out.lines;
    std::string& line = c.line;
    out.Append("LOAD");
    for (std::int32_t p = 1; p <= c.patterns.size(); ++p) {
        const auto at = static_cast<std::size_t>(p);
        out.Append("  NAME=" + c.S2kName(c.patterns[p], "Load pattern"));
        if (forceStarts[at] != forceStarts[at + 1])
            out.Append("    TYPE=FORCE");
        for (std::size_t k = forceStarts[at]; k < forceStarts[at + 1]; ++k) {
            const JointForce& force = forces[forceOrder[k]];
            line = "      ADD=" + std::to_string(force.joint);
            for (std::size_t v = 0; v < 6; ++v)
                if (force.values[v] != 0) {
                    line += "  ";
                    line += kS2kForceKeys[v];
                    line += '=';
                    AppendValue(line, force.values[v]);
                }
            out.Append(line);
        }
        if (frameStarts[at] != frameStarts[at + 1])
            out.Append("    TYPE=DISTRIBUTED");
        for (std::size_t k = frameStarts[at]; k < frameStarts[at + 1]; ++k) {
            const FrameLoad& load = frameLoads[frameOrder[k]];
            line = "      ADD=" + std::to_string(load.frame) + "  RD=0,1  U" + std::to_string(load.axis) + "=";
            AppendValue(line, load.value);
            line += ',';
            AppendValue(line, load.value);
            out.Append(line);
        }
    }
    out.Append("");
}

} // namespace mirelo::table
