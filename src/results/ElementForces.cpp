#include "results/ElementForces.h"

#include "common/Errors.h"
#include "results/RecorderLines.h"
#include "results/SplitResultLine.h"
#include "script/RecorderFiles.h"

#include <algorithm>

namespace mirelo {

namespace {

const char* const kEndForceNames[] = {"N", "Vy", "Vz", "T", "My", "Mz"};
const char* const kSpringMomentNames[] = {"MX", "MY", "MZ"};

std::string ValueName(std::int32_t count, std::size_t place)
{
    if (count == kSpringForceValues)
        return kSpringMomentNames[place - 1];
    return std::string(kEndForceNames[(place - 1) % 6]) + (place <= 6 ? " at end i" : " at end j");
}

} // namespace

ElementForces ReadElementForces(const std::string& folder, const Model& model, StepChoice step,
                                RecorderFileCache& files)
{
    const std::int32_t n = model.Frames.Size();
    if (n == 0)
        throw Error("The model has no frames: there are no element forces to read");
    ElementForces forces;
    std::vector<std::int32_t> counts(static_cast<std::size_t>(n));
    forces.start.assign(static_cast<std::size_t>(n) + 1, 0);
    for (std::int32_t k = 1; k <= n; ++k) {
        counts[static_cast<std::size_t>(k - 1)] = ElementForceCount(model, k);
        forces.start[static_cast<std::size_t>(k)] =
            forces.start[static_cast<std::size_t>(k - 1)] + counts[static_cast<std::size_t>(k - 1)];
    }
    forces.values.resize(static_cast<std::size_t>(forces.start.back()));
    const std::string rule = "12 for each beam-column or truss, 3 for each spring, none for a corotational truss or "
                             "a frame without element";
    std::string buffer;
    std::vector<std::string_view> fields;
    std::vector<double> values;
    bool first = true;
    for (const RecorderFileGroup& g : ElementFileGroups(n)) {
        const RecorderFile& file = files.Open(InFolder(folder, ElementForceFileName(g.fileNumber)));
        const bool firstFile = first;
        if (first) {
            forces.stepCount = file.StepCount();
            forces.step = ResolveStep(file, step);
            first = false;
        }
        SplitResultLine(file.Line(forces.step, buffer), fields);
        const auto perFrame = std::span<const std::int32_t>(counts).subspan(
            static_cast<std::size_t>(g.first - 1), static_cast<std::size_t>(g.last - g.first + 1));
        const std::int64_t begin = forces.start[static_cast<std::size_t>(g.first - 1)];
        const auto needed = static_cast<std::size_t>(forces.start[static_cast<std::size_t>(g.last)] - begin);
        if (fields.size() != 1 + needed)
            ThrowCountMismatch(file, forces.step, fields.size() - 1, "frame", g.first, g.last, perFrame, rule);
        ConvertFields(fields, file, forces.step, values, [&](std::size_t i) {
            const auto [k, place] = ObjectOfValue(i, g.first, perFrame);
            return "frame " + std::to_string(k) + " " + ValueName(counts[static_cast<std::size_t>(k - 1)], place);
        });
        if (firstFile)
            forces.time = values[0];
        std::copy(values.begin() + 1, values.end(), forces.values.begin() + begin);
    }
    return forces;
}

} // namespace mirelo
