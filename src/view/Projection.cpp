#include "view/Projection.h"

#include <cmath>
#include <numbers>

namespace mirelo {

std::int32_t RoundToPixel(double value)
{
    constexpr double limit = kPixelLimit;
    if (!(value < limit)) // NaN as well
        return kPixelLimit;
    if (value < -limit)
        return -kPixelLimit;
    // Adding and taking away 1.5 x 2^52 leaves no fraction bits: the sum is
    // rounded to the nearest integer, halves to even, exactly as nearbyint does
    // in the default rounding mode, without a library call (|value| <= 1e9 here).
    constexpr double shifter = 0x1.8p52;
    return static_cast<std::int32_t>((value + shifter) - shifter);
}

Projector::Projector(const ViewState& view, ViewArea area)
    : panX_(view.PanX), panY_(view.PanY), scale_(view.Scale), halfWidth_(area.width / 2.0),
      halfHeight_(area.height / 2.0)
{
    const double a = view.PlanAngle * std::numbers::pi / 180.0;
    const double b = view.TiltAngle * std::numbers::pi / 180.0;
    cosPlan_ = std::cos(a);
    sinPlan_ = std::sin(a);
    cosTilt_ = std::cos(b);
    sinTilt_ = std::sin(b);
}

ScreenPoint Projector::Project(double x, double y, double z) const
{
    const double u = cosPlan_ * x - sinPlan_ * y;
    const double d = sinPlan_ * x + cosPlan_ * y;
    const double w = sinTilt_ * z - cosTilt_ * d;
    // A zero or non-finite Scale would give inf or NaN; RoundToPixel clamps both.
    return {RoundToPixel((u - panX_) / scale_ + halfWidth_), RoundToPixel((w - panY_) / scale_ + halfHeight_)};
}

Projector::Shift Projector::ScreenShift(double dx, double dy, double dz) const
{
    const double u = cosPlan_ * dx - sinPlan_ * dy;
    const double d = sinPlan_ * dx + cosPlan_ * dy;
    const double w = sinTilt_ * dz - cosTilt_ * d;
    return {u / scale_, w / scale_};
}

double Projector::TowardViewer(double dx, double dy, double dz) const
{
    // The screen's right (u) and down (w) axes and this one form a right-handed
    // set: in the plan view it is +Z, in the XZ view -Y.
    const double d = sinPlan_ * dx + cosPlan_ * dy;
    return cosTilt_ * dz + sinTilt_ * d;
}

bool ProjectionFits(const Projection& projection, const Model& model)
{
    return projection.joints.size() == static_cast<std::size_t>(model.Joints.Size()) + 1
           && projection.frameMids.size() == static_cast<std::size_t>(model.Frames.Size()) + 1;
}

void ProjectJoints(const Model& model, const ResultSet& results, const ViewState& view, ViewArea area,
                   Projection& projection)
{
    const Projector projector(view, area);
    const double f = view.DeformScale;
    projection.joints.resize(static_cast<std::size_t>(model.Joints.Size()) + 1);
    projection.joints[0] = {};
    // Results read for this model hold three values per joint; any others
    // (none loaded) show the joints where they stand.
    const bool displaced = results.joints.values.size()
                           == static_cast<std::size_t>(model.Joints.Size()) * kNodeValuesPerJoint;
    for (std::int32_t k = 1; k <= model.Joints.count; ++k) {
        const Joint& joint = model.Joints[k];
        ScreenPoint& p = projection.joints[static_cast<std::size_t>(k)];
        if (displaced) {
            const double* d = &results.joints.values[static_cast<std::size_t>(k - 1) * kNodeValuesPerJoint];
            p = projector.Project(joint.x + d[0] * f, joint.y + d[1] * f, joint.z + d[2] * f);
        } else {
            p = projector.Project(joint.x, joint.y, joint.z);
        }
    }
}

ScreenPoint PixelBetween(ScreenPoint from, ScreenPoint to, double fraction)
{
    // In double: the difference of two clamped pixels fits easily.
    return {RoundToPixel(from.x + fraction * (static_cast<double>(to.x) - from.x)),
            RoundToPixel(from.y + fraction * (static_cast<double>(to.y) - from.y))};
}

ModelPoint FrameMidpoint(const Model& model, const Frame& frame)
{
    const Joint& i = model.Joints[frame.jointI];
    const Joint& j = model.Joints[frame.jointJ];
    return {(i.x + j.x) / 2, (i.y + j.y) / 2, (i.z + j.z) / 2};
}

ModelPoint Along(const ModelPoint& from, const ModelPoint& direction, double length)
{
    return {from.x + length * direction.x, from.y + length * direction.y, from.z + length * direction.z};
}

ModelPoint Axis2Of(const Frame& frame)
{
    return {frame.axis2X, frame.axis2Y, frame.axis2Z};
}

void ProjectFrames(const Model& model, const ViewState& view, ViewArea area, Projection& projection)
{
    const Projector projector(view, area);
    const double tick = AxisTickLength(view);
    const auto size = static_cast<std::size_t>(model.Frames.Size()) + 1;
    projection.frameMids.resize(size);
    projection.frameAxes.resize(size);
    projection.hingesI.resize(size);
    projection.hingesJ.resize(size);
    const bool jointsProjected = projection.joints.size() == static_cast<std::size_t>(model.Joints.Size()) + 1;
    for (std::int32_t f = 0; f <= model.Frames.count; ++f) {
        const auto at = static_cast<std::size_t>(f);
        const Frame* frame = f > 0 ? &model.Frames[f] : nullptr;
        if (!frame || !jointsProjected || !model.Joints.Contains(frame->jointI) || !model.Joints.Contains(frame->jointJ)) {
            projection.frameMids[at] = projection.frameAxes[at] = projection.hingesI[at] = projection.hingesJ[at] = {};
            continue;
        }
        const ModelPoint mid = FrameMidpoint(model, *frame);
        projection.frameMids[at] = projector.Project(mid);
        projection.frameAxes[at] = projector.Project(Along(mid, Axis2Of(*frame), tick));
        const ScreenPoint pi = projection.joints[static_cast<std::size_t>(frame->jointI)];
        const ScreenPoint pj = projection.joints[static_cast<std::size_t>(frame->jointJ)];
        projection.hingesI[at] = PixelBetween(pi, pj, 0.2);
        projection.hingesJ[at] = PixelBetween(pi, pj, 0.8);
    }
}

} // namespace mirelo
