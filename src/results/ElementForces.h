#pragma once

#include "model/Model.h"
#include "results/RecorderFile.h"
#include "results/ResultReaders.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace mirelo {

// The element forces of frames 1..n at one step, each frame's values as the
// "localForce" recorder writes them (`ElementForceCount`: 12 end forces of a
// beam-column or truss, end i then end j, N Vy Vz T My Mz each; 3 spring
// moments; none for frames without such values).
struct ElementForces {
    std::vector<double> values;      // every frame's values, frame after frame
    std::vector<std::int64_t> start; // frame k's values begin at start[k - 1] and end at start[k]
    std::int64_t step = 0;
    std::int64_t stepCount = 0;
    double time = 0; // the step's time column: the load factor of a static analysis

    std::span<const double> Of(std::int32_t frame) const
    {
        const auto k = static_cast<std::size_t>(frame);
        return std::span<const double>(values).subspan(static_cast<std::size_t>(start[k - 1]),
                                                       static_cast<std::size_t>(start[k] - start[k - 1]));
    }
};

// ele%d.out, one line per step (`ElementFileGroups`). Raises Error naming the
// file, line, field and frame, as the other readers do: a missing file, a step
// beyond the file's end, a value that is not a number, a line whose number of
// values does not fit the model's frames.
ElementForces ReadElementForces(const std::string& folder, const Model& model, StepChoice step,
                                RecorderFileCache& files);

} // namespace mirelo
