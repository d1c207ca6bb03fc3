#include "view/PlaneFilter.h"

#include <algorithm>
#include <cmath>

namespace mirelo {

namespace {

double CoordinateOf(const Joint& joint, std::int32_t axis)
{
    return axis == kPlaneAxisX ? joint.x : axis == kPlaneAxisY ? joint.y : joint.z;
}

bool SamePlane(double a, double b)
{
    return std::abs(a - b) <= 1e-6 * std::max({1.0, std::abs(a), std::abs(b)});
}

} // namespace

std::vector<double> PlaneCoordinates(const Model& model, std::int32_t axis)
{
    std::vector<double> values;
    if (axis < kPlaneAxisX || axis > kPlaneAxisZ)
        return values;
    values.reserve(static_cast<std::size_t>(std::max(model.Joints.count, 0)));
    for (std::int32_t k = 1; k <= model.Joints.count; ++k) {
        const double value = CoordinateOf(model.Joints[k], axis);
        if (std::isfinite(value))
            values.push_back(value);
    }
    std::sort(values.begin(), values.end());
    std::vector<double> planes;
    for (double value : values)
        if (planes.empty() || !SamePlane(planes.back(), value))
            planes.push_back(value);
    return planes;
}

std::optional<double> ShownPlaneCoordinate(const Model& model, const ViewState& view)
{
    if (view.PlaneShown < 1 || view.PlaneAxis == kNoPlaneAxis)
        return std::nullopt;
    const std::vector<double> planes = PlaneCoordinates(model, view.PlaneAxis);
    if (static_cast<std::size_t>(view.PlaneShown) > planes.size())
        return std::nullopt;
    return planes[static_cast<std::size_t>(view.PlaneShown) - 1];
}

PlaneFilter::PlaneFilter(const Model& model, const ViewState& view)
{
    const std::optional<double> plane = ShownPlaneCoordinate(model, view);
    if (!plane)
        return;
    inPlane_.assign(static_cast<std::size_t>(model.Joints.count) + 1, 0);
    for (std::int32_t k = 1; k <= model.Joints.count; ++k)
        inPlane_[static_cast<std::size_t>(k)] = SamePlane(CoordinateOf(model.Joints[k], view.PlaneAxis), *plane);
}

} // namespace mirelo
