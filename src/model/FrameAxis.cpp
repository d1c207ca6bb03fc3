#include "model/FrameAxis.h"

#include "common/Errors.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace mirelo {

namespace {

// Rounding can push a ratio of a length to a longer one a hair past 1, where
// the arc cosine has no value.
long double ClampUnit(long double ratio)
{
    return std::clamp(ratio, -1.0L, 1.0L);
}

} // namespace

Axis2 ComputeFrameAxis2(double xi, double yi, double zi, double xj, double yj, double zj, double angleDegrees)
{
    constexpr long double pi = std::numbers::pi_v<long double>;
    const long double dX = static_cast<long double>(xj) - xi;
    const long double dY = static_cast<long double>(yj) - yi;
    const long double dZ = static_cast<long double>(zj) - zi;
    const double lxy = static_cast<double>(std::sqrt(dY * dY + dX * dX));
    const double length = static_cast<double>(std::sqrt(dY * dY + dX * dX + dZ * dZ));
    if (length == 0)
        throw FloatingPointError::InvalidOperation(); // 0/0 in the elevation angle

    double p = 0;
    double q = -1; // a vertical frame
    if (lxy > 0) {
        p = static_cast<double>(dY / lxy);
        q = static_cast<double>(dX / lxy);
    }
    const double theta = static_cast<double>(p >= 0 ? std::acos(ClampUnit(q)) : 2 * pi - std::acos(ClampUnit(q)));
    const long double elevation = std::acos(ClampUnit(static_cast<long double>(lxy) / length));
    const double phi = static_cast<double>(dZ / length >= 0 ? elevation : 2 * pi - elevation);
    const double psi = static_cast<double>(angleDegrees * pi / 180);

    const long double t = theta, f = phi, s = psi;
    Axis2 axis;
    axis.x = static_cast<double>(std::cos(t) * std::cos(f - pi / 2) * -std::cos(s) - std::cos(t + pi / 2) * std::sin(s));
    axis.y = static_cast<double>(std::sin(t) * std::cos(f - pi / 2) * -std::cos(s) - std::sin(t + pi / 2) * std::sin(s));
    axis.z = static_cast<double>(std::sin(f - pi / 2) * -std::cos(s));
    return axis;
}

} // namespace mirelo
