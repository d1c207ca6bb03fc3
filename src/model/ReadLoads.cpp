// Reader of the LOAD section: load cases, joint forces and frame loads.
#include "common/LargeMemory.h"
#include "model/SectionReader.h"

namespace mirelo {

namespace {

std::int8_t DirectionFromKey(std::string_view key)
{
    if (key == "U1")
        return 1;
    if (key == "U2" || key == "UZ")
        return 2;
    if (key == "U3")
        return 3;
    return 0;
}

// The entry of `value` a joint-force key fills: UX UY UZ RX RY RZ give 1..6,
// anything else 0.
std::size_t ForceComponent(std::string_view key)
{
    if (key.size() != 2 || (key[0] != 'U' && key[0] != 'R') || key[1] < 'X' || key[1] > 'Z')
        return 0;
    return static_cast<std::size_t>(key[1] - 'X') + (key[0] == 'U' ? 1 : 4);
}

} // namespace

void ReadLoads(const S2kText& text, Model& model, ImportLocation& where)
{
    SectionReader reader(text, "LOAD", where);
    const std::int32_t lineCount = reader.DataLineCountOrZero();

    // One record per ADD line, built in one pass over the section; room for
    // every data line is taken at once so the table never moves.
    std::vector<Load> loads(1);
    loads.reserve(static_cast<std::size_t>(lineCount) + 1);
    AdviseLargeBlock(loads.data(), loads.capacity() * sizeof(Load));

    // Every NAME line is a load case; the table grows with them, so a file
    // with more than ten cases keeps them all.
    model.LoadCaseNames.assign(1, std::string());
    std::uint16_t loadCase = 0;
    LoadType kind = kLoadNone; // stays in force across NAME lines
    for (std::int32_t i = 1; i <= lineCount; ++i) {
        const FieldList& f = reader.Split(i);
        if (f[0] == "NAME") {
            if (loadCase == kMostLoadCases)
                throw Error("a model holds at most " + std::to_string(kMostLoadCases) + " load cases");
            model.LoadCaseNames.emplace_back(f[1]);
            ++loadCase;
        }
        if (f[2] == "FORCE")
            kind = kJointForce;
        if (f[2] == "DISTRIBUTED")
            kind = kFrameDistributed;
        if (f[2] != "ADD")
            continue;
        Load& load = loads.emplace_back();
        if (kind == kLoadNone)
            continue; // counted, left empty
        load.loadType = kind;
        load.loadCase = loadCase;
        if (kind == kJointForce) {
            load.target = reader.Reference(3, "ADD", model.Joints, "joint");
            for (std::size_t field = 4; field <= 15; ++field)
                if (const std::size_t component = ForceComponent(f[field]))
                    load.value[component] = reader.Real(field + 1, f[field]);
        } else {
            load.target = reader.Reference(3, "ADD", model.Frames, "frame");
            load.direction = DirectionFromKey(f[7]);
            const double stretch = reader.Real(6, "RD") - reader.Real(5, "RD");
            load.value[1] = CheckedFinite(stretch * 0.5 * (reader.Real(8, f[7]) + reader.Real(9, f[7])));
        }
    }
    model.Loads.Adopt(std::move(loads));
    model.LoadCaseCount = static_cast<std::int32_t>(model.LoadCaseNames.size()) - 1;
}

} // namespace mirelo
