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

void ProjectJoints(Model& model, const ViewState& view, ViewArea area)
{
    const Projector projector(view, area);
    const double f = view.DeformScale;
    for (std::int32_t k = 1; k <= model.Joints.count; ++k) {
        Joint& joint = model.Joints[k];
        const ScreenPoint p =
            projector.Project(joint.x + joint.dispX * f, joint.y + joint.dispY * f, joint.z + joint.dispZ * f);
        joint.screenX = p.x;
        joint.screenY = p.y;
    }
}

namespace {

std::int32_t Between(std::int32_t from, std::int32_t to, double fraction)
{
    // In double: the difference of two clamped pixels fits easily.
    return RoundToPixel(from + fraction * (static_cast<double>(to) - from));
}

} // namespace

void ProjectFrames(Model& model, const ViewState& view, ViewArea area)
{
    const Projector projector(view, area);
    const double tick = 40.0 * view.Scale;
    for (std::int32_t f = 1; f <= model.Frames.count; ++f) {
        Frame& frame = model.Frames[f];
        if (!model.Joints.Contains(frame.jointI) || !model.Joints.Contains(frame.jointJ)) {
            frame.midScreenX = frame.midScreenY = frame.axisScreenX = frame.axisScreenY = 0;
            frame.hingeIScreenX = frame.hingeIScreenY = frame.hingeJScreenX = frame.hingeJScreenY = 0;
            continue;
        }
        const Joint& i = model.Joints[frame.jointI];
        const Joint& j = model.Joints[frame.jointJ];
        const double mx = (i.x + j.x) / 2, my = (i.y + j.y) / 2, mz = (i.z + j.z) / 2;
        const ScreenPoint mid = projector.Project(mx, my, mz);
        frame.midScreenX = mid.x;
        frame.midScreenY = mid.y;
        const ScreenPoint axis =
            projector.Project(mx + tick * frame.axis2X, my + tick * frame.axis2Y, mz + tick * frame.axis2Z);
        frame.axisScreenX = axis.x;
        frame.axisScreenY = axis.y;
        frame.hingeIScreenX = Between(i.screenX, j.screenX, 0.2);
        frame.hingeIScreenY = Between(i.screenY, j.screenY, 0.2);
        frame.hingeJScreenX = Between(i.screenX, j.screenX, 0.8);
        frame.hingeJScreenY = Between(i.screenY, j.screenY, 0.8);
    }
}

} // namespace mirelo
