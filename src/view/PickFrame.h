#pragma once

#include "model/Model.h"
#include "view/ViewState.h"

namespace mirelo {

// Picks the frame whose undeformed midpoint pixel (from the last projection)
// has (x, y) in its 10 x 10 box [mid - 5, mid + 5); the highest frame number
// wins. While the view shows one plane, only its frames can be picked. Sets
// SelectedFrame (0 when nothing is hit) and returns it.
std::int32_t PickFrame(const Model& model, ViewState& view, int x, int y);

} // namespace mirelo
