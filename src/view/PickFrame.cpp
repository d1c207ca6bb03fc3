#include "view/PickFrame.h"

#include "view/PlaneFilter.h"

#include <limits>

namespace mirelo {

namespace {

// Squared distance in pixels from (px, py) to the segment a-b. Pixels are
// clamped to +-1e9, so every product stays exact enough in a double.
double SquaredDistanceToSegment(double px, double py, ScreenPoint a, ScreenPoint b)
{
    const double ax = a.x, ay = a.y;
    const double dx = b.x - ax, dy = b.y - ay;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((px - ax) * dx + (py - ay) * dy) / length2 : 0;
    t = t < 0 ? 0 : (t > 1 ? 1 : t);
    const double ex = ax + t * dx - px, ey = ay + t * dy - py;
    return ex * ex + ey * ey;
}

bool InMidpointBox(ScreenPoint mid, std::int64_t x, std::int64_t y)
{
    // 64-bit so that a midpoint clamped near the pixel limit cannot overflow.
    const std::int64_t mx = mid.x, my = mid.y;
    return x >= mx - 5 && x < mx + 5 && y >= my - 5 && y < my + 5;
}

} // namespace

std::int32_t FrameAt(const Model& model, const Projection& at, const ViewState& view, int x, int y)
{
    // Before the first picture of this model nothing is on the screen to hit.
    if (!ProjectionFits(at, model))
        return 0;
    const PlaneFilter shown(model, view);
    const double px = x, py = y;
    const double reach2 = kPickReach * kPickReach;
    std::int32_t nearest = 0;
    double nearest2 = std::numeric_limits<double>::infinity();
    for (std::int32_t f = 1; f <= model.Frames.count; ++f) {
        const Frame& frame = model.Frames[f];
        if (!model.Joints.Contains(frame.jointI) || !model.Joints.Contains(frame.jointJ) || !shown.Frame(frame))
            continue;
        const double distance2 = SquaredDistanceToSegment(px, py, at.joints[static_cast<std::size_t>(frame.jointI)],
                                                          at.joints[static_cast<std::size_t>(frame.jointJ)]);
        if ((distance2 <= reach2 || InMidpointBox(at.frameMids[static_cast<std::size_t>(f)], x, y))
            && distance2 <= nearest2) {
            nearest = f;
            nearest2 = distance2;
        }
    }
    return nearest;
}

std::int32_t PickFrame(const Model& model, const Projection& at, ViewState& view, int x, int y)
{
    view.SelectedFrame = FrameAt(model, at, view, x, y);
    return view.SelectedFrame;
}

} // namespace mirelo
