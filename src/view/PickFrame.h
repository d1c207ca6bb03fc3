#pragma once

#include "model/Model.h"
#include "view/Projection.h"
#include "session/ViewState.h"

namespace mirelo {

// How far from a frame's drawn line a click still hits it, in pixels.
inline constexpr double kPickReach = 5;

// The frame under pixel (x, y), from the last picture's projection `at`, or 0 (also when `at` was not made
// for this model): a frame is hit
// when its drawn line (between its joints' pixels) passes within kPickReach of
// the point, or when the point lies in the 10 x 10 box [mid - 5, mid + 5)
// around its undeformed midpoint. The frame whose line is nearest wins; of
// equally near ones, the highest number. While the view shows one plane, only
// its frames can be hit.
std::int32_t FrameAt(const Model& model, const Projection& at, const ViewState& view, int x, int y);

// Selects the frame under (x, y): sets SelectedFrame (0 when nothing is hit)
// and returns it.
std::int32_t PickFrame(const Model& model, const Projection& at, ViewState& view, int x, int y);

} // namespace mirelo
