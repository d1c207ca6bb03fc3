#pragma once

#include "model/Model.h"
#include "results/ResultSet.h"
#include "session/ViewState.h"

#include <cstdint>
#include <vector>

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

// A point of the model, in its units.
struct ModelPoint {
    double x = 0, y = 0, z = 0;
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
    ScreenPoint Project(const ModelPoint& p) const { return Project(p.x, p.y, p.z); }

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

// The pixel positions of one picture, in flat arrays indexed like the joint
// and frame tables (entry 0 unused). The drawing side owns it: Redraw fills
// it, and picking and the cursor's status read what the last picture showed.
struct Projection {
    std::vector<ScreenPoint> joints;    // each joint, displaced by DeformScale
    std::vector<ScreenPoint> frameMids; // each frame's undeformed midpoint
    std::vector<ScreenPoint> frameAxes; // the midpoint + 40 x Scale x local-2 axis
    std::vector<ScreenPoint> hingesI, hingesJ; // 0.2 and 0.8 along the joints' pixels
};

// True when `projection` was made for a model of this many joints and frames,
// so that every joint and frame number of the model indexes it.
bool ProjectionFits(const Projection& projection, const Model& model);

// Projects every joint from its coordinates plus its displacement in
// `results` x DeformScale.
void ProjectJoints(const Model& model, const ResultSet& results, const ViewState& view, ViewArea area,
                   Projection& projection);

// The pixel `fraction` of the way from one pixel to another (a frame's hinge
// points at 0.2 and 0.8 along its joints' pixels).
ScreenPoint PixelBetween(ScreenPoint from, ScreenPoint to, double fraction);

// A frame's undeformed midpoint; its joints must be in the table.
ModelPoint FrameMidpoint(const Model& model, const Frame& frame);
// `length` along `direction` from `from`: a frame's local-2 axis tick ends
// AxisTickLength(view) along its axis 2 from its midpoint.
ModelPoint Along(const ModelPoint& from, const ModelPoint& direction, double length);
ModelPoint Axis2Of(const Frame& frame);
inline double AxisTickLength(const ViewState& view)
{
    return 40.0 * view.Scale; // 40 pixels
}

// Projects every frame's midpoint, axis tick and hinge points (from the joints'
// pixels, so ProjectJoints must run first). A frame whose joints are not in
// the joint table gets all its points at the area's origin.
void ProjectFrames(const Model& model, const ViewState& view, ViewArea area, Projection& projection);

} // namespace mirelo
