#include "model/FrameAxis.h"

#include "common/Errors.h"

#include <cmath>
#include <numbers>

namespace mirelo {

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
    if (!std::isfinite(length))
        throw FloatingPointError::Overflow();

    double p = 0;
    double q = -1; // a vertical frame
    if (lxy > 0) {
        p = static_cast<double>(dY / lxy);
        q = static_cast<double>(dX / lxy);
    }
    // With the plan angle theta (cos q, sin p), the elevation phi (cos Lxy/L,
    // sin dZ/L) and the rotation psi, the axis is
    //   (sin t sin s - cos t sin f cos s, -cos t sin s - sin t sin f cos s, cos f cos s),
    // the vertical plane's upward normal turned by psi about the frame. Taking
    // the sines and cosines of theta and phi from the ratios that define them
    // saves the trigonometry and keeps axis-aligned frames exact.
    const long double cosTheta = q, sinTheta = p;
    const long double cosPhi = static_cast<long double>(lxy) / length;
    const long double sinPhi = dZ / length;
    const double psi = static_cast<double>(angleDegrees * pi / 180);
    const long double cosPsi = std::cos(static_cast<long double>(psi));
    const long double sinPsi = std::sin(static_cast<long double>(psi));

    Axis2 axis;
    axis.x = static_cast<double>(sinTheta * sinPsi - cosTheta * sinPhi * cosPsi);
    axis.y = static_cast<double>(-cosTheta * sinPsi - sinTheta * sinPhi * cosPsi);
    axis.z = static_cast<double>(cosPhi * cosPsi);
    return axis;
}

} // namespace mirelo
