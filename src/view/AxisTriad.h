#pragma once

#include "view/Canvas.h"
#include "view/Projection.h"
#include "session/ViewState.h"

namespace mirelo {

inline constexpr std::int32_t kTriadColourX = RgbColour(220, 0, 0);
inline constexpr std::int32_t kTriadColourY = RgbColour(0, 160, 0);
inline constexpr std::int32_t kTriadColourZ = RgbColour(0, 0, 220);
inline constexpr int kTriadLength = 30; // pixels of an axis lying in the screen
inline constexpr int kTriadMargin = 40; // the origin's distance from the lower-left corner

// The global axes X, Y and Z as three short lines from one origin in the
// lower-left corner, turned as the model is, each named at its end. An axis
// along the line of sight shows as a small circle with its name, holding a dot
// when it points at the viewer and a cross when it points away.
void PaintAxisTriad(Canvas& canvas, const ViewState& view, ViewArea area);

} // namespace mirelo
