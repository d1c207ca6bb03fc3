#pragma once

#include "model/Model.h"

#include <array>
#include <cstdint>
#include <optional>

namespace mirelo {

using Vector3d = std::array<double, 3>;

// A frame's local axes as the solver builds them from the script: x from
// joint i to joint j, y = v × x and z = x × y, where v is the vector of the
// frame's geomTransf line (its local 2 axis at the three decimals the script
// writes), so a frame's local z lies along its local 2 axis and its local y
// against its local 3 axis.
struct FrameAxes {
    Vector3d x{}, y{}, z{};
    double length = 0;
};

// None for coincident joints or a vector along the frame, where the solver
// has no axes either.
std::optional<FrameAxes> SolverFrameAxes(const Model& model, std::int32_t frame);

} // namespace mirelo
