#pragma once

#include "model/Model.h"
#include "session/ViewState.h"

#include <cstdint>

namespace mirelo {

// Size of the drawing area in pixels; pixel Y grows downward.
struct ViewArea {
    int width = 0;
    int height = 0;
};

struct ScreenPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// Projected pixel coordinates are clamped to +-kPixelLimit, so sums of a few
// of them never overflow 32 bits and an inf or NaN never reaches a record.
inline constexpr std::int32_t kPixelLimit = 1'000'000'000;

// rnd(v): nearest integer, halves to even, clamped to +-kPixelLimit (NaN gives
// +kPixelLimit, far outside any drawing area).
std::int32_t RoundToPixel(double value);

// The orthographic projection for one view and area. The sines and cosines of
// the two angles are taken once when it is built.
class Projector {
public:
    Projector(const ViewState& view, ViewArea area);

    // Model point (X, Y, Z) to pixel: u = cos a X - sin a Y, d = sin a X + cos a Y,
    // w = sin b Z - cos b d; px = rnd((u - PanX)/Scale + W/2), py likewise with w.
    ScreenPoint Project(double x, double y, double z) const;

    // Pixels moved on the screen (right, down) per model unit along (dx, dy, dz).
    struct Shift {
        double x = 0, y = 0;
    };
    Shift ScreenShift(double dx, double dy, double dz) const;
    // The part of (dx, dy, dz) that points out of the screen, towards the viewer.
    double TowardViewer(double dx, double dy, double dz) const;

private:
    double cosPlan_, sinPlan_, cosTilt_, sinTilt_;
    double panX_, panY_, scale_, halfWidth_, halfHeight_;
};

// Writes every joint's screenX/screenY from its coordinates plus
// displacement x DeformScale.
void ProjectJoints(Model& model, const ViewState& view, ViewArea area);

// Writes every frame's midScreen (undeformed midpoint), axisScreen (midpoint +
// 40 x Scale x local-2 axis) and hingeI/JScreen (0.2 and 0.8 along the joints'
// pixels, so ProjectJoints must run first). A frame whose joints are not in the
// joint table gets all its pixel fields at the area's origin.
void ProjectFrames(Model& model, const ViewState& view, ViewArea area);

} // namespace mirelo
