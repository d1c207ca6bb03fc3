#include "sections/SectionProperties.h"

#include "common/Errors.h"

#include <algorithm>
#include <numbers>

namespace mirelo {

namespace {

using Real = long double; // the formulas run in extended precision

constexpr Real kPi = std::numbers::pi_v<long double>;

Real Dim(const FrameSection& s, int i)
{
    return s.dim[static_cast<std::size_t>(i)];
}

Real Quotient(Real numerator, Real denominator)
{
    return CheckedQuotient(numerator, denominator);
}

Real Pow4(Real v)
{
    return v * v * v * v;
}

struct Properties {
    Real area, iz, iy, shearAreaY, shearAreaZ, torsion;
};

Properties Rectangle(Real h, Real b)
{
    const Real a = std::max(h, b) / 2;
    const Real c = std::min(h, b) / 2;
    const Real ratio = Quotient(c, a);
    const Real torsion = a * c * c * c * (16.0L / 3.0L - 3.36L * ratio * (1 - Quotient(Pow4(c), 12 * Pow4(a))));
    const Real shearArea = 5.0L / 6.0L * h * b;
    return {h * b, h * b * b * b / 12, b * h * h * h / 12, shearArea, shearArea, torsion};
}

Properties IShape(Real D, Real B, Real tf, Real tw)
{
    const Real flangeArm = D / 2 - tf / 2;
    return {(D - 2 * tf) * tw + 2 * tf * B,
            D * tw * tw * tw / 12 + tf * B * B * B / 6,
            2 * flangeArm * flangeArm * (B * tf) + tw * D * D * D / 12,
            5.0L / 6.0L * D * tw,
            5.0L / 3.0L * B * tf,
            (D * tw * tw * tw + 2 * B * tf * tf * tf) / 3};
}

Properties Box(Real D, Real B, Real tf, Real tw)
{
    const Real flangeArm = D / 2 - tf / 2;
    const Real wallArm = B / 2 - tw / 2;
    const Real DB = D * B;
    return {2 * (D - 2 * tf) * tw + 2 * tf * B,
            2 * wallArm * wallArm * (D * tw) + 2 * B * B * B * tf / 12,
            2 * flangeArm * flangeArm * (B * tf) + 2 * tw * D * D * D / 12,
            2 * D * tw,
            2 * B * tf,
            Quotient(2 * DB * DB, Quotient(B, tf) + Quotient(D, tw))};
}

Properties Pipe(Real D, Real t)
{
    const Real d = D - 2 * t;
    const Real area = (D * D - d * d) * kPi / 4;
    const Real inertia = (Pow4(D) - Pow4(d)) * kPi / 64;
    return {area, inertia, inertia, area, area, (Pow4(D / 2) - Pow4(d / 2)) * kPi / 2};
}

double Stored(Real value)
{
    return CheckedFinite(static_cast<double>(value));
}

} // namespace

SectionProperties ComputeSectionProperties(const FrameSection& s, double shearModulus)
{
    Properties p{};
    switch (s.shape) {
    case kShapeRectangle: p = Rectangle(Dim(s, 1), Dim(s, 2)); break;
    case kShapeI: p = IShape(Dim(s, 1), Dim(s, 2), Dim(s, 3), Dim(s, 4)); break;
    case kShapeBox: p = Box(Dim(s, 1), Dim(s, 2), Dim(s, 3), Dim(s, 4)); break;
    case kShapePipe: p = Pipe(Dim(s, 1), Dim(s, 2)); break;
    default: return {};
    }
    return {Stored(p.area),       Stored(p.iz),      Stored(p.iy), Stored(p.shearAreaY),
            Stored(p.shearAreaZ), Stored(p.torsion), shearModulus};
}

} // namespace mirelo
