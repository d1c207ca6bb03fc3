#include "sections/FiberGenerator.h"

#include "common/Errors.h"
#include "model/SectionSettings.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace mirelo {

namespace {

using Real = long double; // positions and areas are computed in extended precision

constexpr Real kQuarterPi = 0.78539816339744830963L;
constexpr Real kDegreesToRadians = 3.14159265358979323846264338327950288L / 180.0L;

Real Dim(const FrameSection& s, int i)
{
    return s.dim[static_cast<std::size_t>(i)];
}

// Counts of 0 or below give no strips and no bars.
std::int64_t Count(std::int32_t n)
{
    return std::max<std::int64_t>(n, 0);
}

// Collects the fibres of one section in position order, from entry 1 on.
class FiberList {
public:
    explicit FiberList(const FrameSection& section)
    {
        CheckFiberCount(section);
        fibers_.reserve(static_cast<std::size_t>(MeshFiberCount(section)) + 1);
        fibers_.emplace_back();
    }

    void Add(Real y, Real z, Real area, std::int32_t material)
    {
        fibers_.push_back(Fiber{CheckedFinite(static_cast<double>(y)), CheckedFinite(static_cast<double>(z)),
                                CheckedFinite(static_cast<double>(area)), material});
    }

    Table<Fiber> Take()
    {
        Table<Fiber> table;
        table.Adopt(std::move(fibers_));
        return table;
    }

private:
    std::vector<Fiber> fibers_;
};

Real CornerToCorner(std::int64_t k, std::int64_t count, Real extent, Real cover)
{
    if (count == 1)
        return 0;
    return -(extent / 2 - cover) + (k - 1) * (extent - 2 * cover) / (count - 1);
}

Real BetweenCorners(std::int64_t k, std::int64_t count, Real extent, Real cover)
{
    return -(extent / 2 - cover) + k * (extent - 2 * cover) / (count + 1);
}

Table<Fiber> RectangleFibers(const FrameSection& s, std::int32_t rebar)
{
    const Real W = Dim(s, 2), D = Dim(s, 1), c = s.cover;
    const std::int64_t NX = Count(s.divideX), NY = Count(s.divideY), nX = Count(s.barNumX), nY = Count(s.barNumY);
    const bool beam = s.sectionUse == kBeamSection;
    FiberList table(s);
    for (std::int64_t r = 1; r <= NY; ++r)
        for (std::int64_t k = 1; k <= NX; ++k)
            table.Add(-W / 2 + (k - 0.5L) * W / NX, -D / 2 + (r - 0.5L) * D / NY, (W / NX) * (D / NY), s.material);

    const Real yCover = W / 2 - c, zCover = D / 2 - c;
    if (beam) {
        for (std::int64_t k = 1; k <= nX; ++k)
            table.Add(CornerToCorner(k, nX, W, c), zCover, Real(s.barAreaX) / nX, rebar);
        for (std::int64_t k = 1; k <= nY; ++k)
            table.Add(CornerToCorner(k, nY, W, c), -zCover, Real(s.barAreaY) / nY, rebar);
        return table.Take();
    }
    for (const Real z : {-zCover, zCover})
        for (std::int64_t k = 1; k <= nX; ++k)
            table.Add(CornerToCorner(k, nX, W, c), z, Real(s.barAreaX) / nX, rebar);
    for (const Real y : {-yCover, yCover})
        for (std::int64_t k = 1; k <= nY; ++k)
            table.Add(y, BetweenCorners(k, nY, D, c), Real(s.barAreaY) / nY, rebar);
    return table.Take();
}

Table<Fiber> IShapeFibers(const FrameSection& s)
{
    const Real D = Dim(s, 1), B = Dim(s, 2), tf = Dim(s, 3), tw = Dim(s, 4);
    const std::int64_t NX = Count(s.divideX), NY = Count(s.divideY);
    FiberList table(s);
    for (const Real z : {-(D / 2 - tf / 2), D / 2 - tf / 2})
        for (std::int64_t k = 1; k <= NX; ++k)
            table.Add(-B / 2 + (k - 0.5L) * B / NX, z, B * tf / NX, s.material);
    for (std::int64_t k = 1; k <= NY; ++k)
        table.Add(0, -D / 2 + tf + (k - 0.5L) * (D - 2 * tf) / NY, (D - 2 * tf) * tw / NY, s.material);
    return table.Take();
}

// Strips of the two walls of thickness dim[3] across the full width, then of
// the two walls of thickness dim[4] between them: the mesh the preview shows.
Table<Fiber> BoxFibers(const FrameSection& s)
{
    const Real D = Dim(s, 1), W = Dim(s, 2), a = Dim(s, 3), b = Dim(s, 4);
    const std::int64_t NX = Count(s.divideX), NY = Count(s.divideY);
    FiberList table(s);
    for (const Real z : {-(D / 2 - a / 2), D / 2 - a / 2})
        for (std::int64_t k = 1; k <= NX; ++k)
            table.Add(-W / 2 + (k - 0.5L) * W / NX, z, W * a / NX, s.material);
    for (const Real y : {-(W / 2 - b / 2), W / 2 - b / 2})
        for (std::int64_t k = 1; k <= NY; ++k)
            table.Add(y, -D / 2 + a + (k - 0.5L) * (D - 2 * a) / NY, (D - 2 * a) * b / NY, s.material);
    return table.Take();
}

Table<Fiber> PipeFibers(const FrameSection& s)
{
    const Real D = Dim(s, 1), t = Dim(s, 2);
    const std::int64_t N = Count(s.divideX);
    FiberList table(s);
    const Real r = D / 2 - t / 2;
    for (std::int64_t k = 1; k <= N; ++k) {
        const Real theta = (k - 1) * 360.0L / N * kDegreesToRadians;
        table.Add(r * std::cos(theta), r * std::sin(theta), kQuarterPi * (D * D - (D - 2 * t) * (D - 2 * t)) / N,
                  s.material);
    }
    return table.Take();
}

} // namespace

std::int64_t MeshFiberCount(const FrameSection& s)
{
    const std::int64_t NX = Count(s.divideX), NY = Count(s.divideY), nX = Count(s.barNumX), nY = Count(s.barNumY);
    switch (s.shape) {
    case kShapeRectangle: return NX * NY + (s.sectionUse == kBeamSection ? 1 : 2) * (nX + nY);
    case kShapeI: return 2 * NX + NY;
    case kShapeBox: return 2 * NX + 2 * NY;
    case kShapePipe: return NX;
    default: return 0;
    }
}

void CheckFiberCount(const FrameSection& section)
{
    const std::int64_t count = MeshFiberCount(section);
    if (count > kMaxFibersPerSection)
        throw Error("Frame section " + section.name + " asks for " + std::to_string(count) + " fibres; at most "
                    + std::to_string(kMaxFibersPerSection) + " are possible");
}

Table<Fiber> SectionFibers(const FrameSection& section, std::int32_t rebarMaterialNo)
{
    switch (section.shape) {
    case kShapeRectangle: return RectangleFibers(section, rebarMaterialNo);
    case kShapeI: return IShapeFibers(section);
    case kShapeBox: return BoxFibers(section);
    case kShapePipe: return PipeFibers(section);
    default: return {};
    }
}

} // namespace mirelo
