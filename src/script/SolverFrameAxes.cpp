#include "script/SolverFrameAxes.h"

#include "common/NumberText.h"

#include <cmath>

namespace mirelo {

namespace {

Vector3d Cross(const Vector3d& a, const Vector3d& b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

double Norm(const Vector3d& a)
{
    return std::sqrt(a[0] * a[0] + a[1] * a[1] + a[2] * a[2]);
}

// The number the solver reads from the script's "%0.3F" of `value`.
double AsWritten(double value)
{
    return ParseReal(FormatFixed(value, 3));
}

} // namespace

std::optional<FrameAxes> SolverFrameAxes(const Model& model, std::int32_t frame)
{
    const Frame& f = model.Frames.At(frame);
    if (!model.Joints.Contains(f.jointI) || !model.Joints.Contains(f.jointJ))
        return std::nullopt;
    const Joint& i = model.Joints[f.jointI];
    const Joint& j = model.Joints[f.jointJ];
    FrameAxes axes;
    const Vector3d d{j.x - i.x, j.y - i.y, j.z - i.z};
    axes.length = Norm(d);
    if (!(axes.length > 0))
        return std::nullopt;
    axes.x = {d[0] / axes.length, d[1] / axes.length, d[2] / axes.length};
    const Vector3d y = Cross({AsWritten(f.axis2X), AsWritten(f.axis2Y), AsWritten(f.axis2Z)}, axes.x);
    const double ny = Norm(y);
    if (!(ny > 0))
        return std::nullopt;
    axes.y = {y[0] / ny, y[1] / ny, y[2] / ny};
    axes.z = Cross(axes.x, axes.y);
    return axes;
}

} // namespace mirelo
