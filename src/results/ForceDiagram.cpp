#include "results/ForceDiagram.h"

#include "common/Errors.h"
#include "script/RecorderFiles.h"

#include <algorithm>
#include <cmath>

namespace mirelo {

namespace {

// Where dM/dx vanishes inside the frame: a moment's vertex under a span load.
std::optional<double> MomentVertex(EndForces ends, const SpanLoad& load, ForceQuantity quantity, double length)
{
    double x = 0;
    if (quantity == ForceQuantity::Mz && load.wy != 0)
        x = -ends[1] / load.wy; // dMz/dx = Fy_i + wy x
    else if (quantity == ForceQuantity::My && load.wz != 0)
        x = -ends[2] / load.wz; // dMy/dx = −Fz_i − wz x
    else
        return std::nullopt;
    if (!(x > 0 && x < length))
        return std::nullopt;
    return x;
}

bool Curved(const SpanLoad& load, ForceQuantity quantity)
{
    switch (quantity) {
    case ForceQuantity::N: return load.wx != 0;
    case ForceQuantity::Vy:
    case ForceQuantity::Mz: return load.wy != 0;
    case ForceQuantity::Vz:
    case ForceQuantity::My: return load.wz != 0;
    default: return false;
    }
}

} // namespace

const ForceQuantityInfo* FindForceQuantity(std::string_view name)
{
    for (const ForceQuantityInfo& info : kForceQuantities)
        if (info.name == name)
            return &info;
    return nullptr;
}

double ForceAt(EndForces f, const SpanLoad& w, ForceQuantity quantity, double x)
{
    switch (quantity) {
    case ForceQuantity::N: return -f[0] - w.wx * x;
    case ForceQuantity::Vy: return -f[1] - w.wy * x;
    case ForceQuantity::Vz: return -f[2] - w.wz * x;
    case ForceQuantity::T: return -f[3];
    case ForceQuantity::My: return -f[4] - f[2] * x - w.wz * x * x / 2;
    case ForceQuantity::Mz: return -f[5] + f[1] * x + w.wy * x * x / 2;
    }
    return 0;
}

FrameDiagram DiagramOfFrame(EndForces ends, const SpanLoad& load, ForceQuantity quantity, double length)
{
    const auto q = static_cast<std::size_t>(quantity);
    FrameDiagram d;
    d.atI = -ends[q];
    d.atJ = ends[6 + q];
    d.extreme = d.atI;
    const auto consider = [&](double value, double x) {
        if (std::abs(value) > std::abs(d.extreme)) {
            d.extreme = value;
            d.extremeAt = x;
        }
    };
    consider(d.atJ, length);
    if (const std::optional<double> x = MomentVertex(ends, load, quantity, length))
        consider(ForceAt(ends, load, quantity, *x), *x);
    return d;
}

DiagramSide DrawingSide(ForceQuantity quantity)
{
    switch (quantity) {
    case ForceQuantity::Vz:
    case ForceQuantity::My: return {2, 1};
    case ForceQuantity::Mz: return {1, -1};
    default: return {1, 1};
    }
}

std::vector<double> DiagramStations(EndForces ends, const SpanLoad& load, ForceQuantity quantity, double length,
                                    std::int32_t segments)
{
    std::vector<double> stations{0.0};
    if (Curved(load, quantity))
        for (std::int32_t s = 1; s < segments; ++s)
            stations.push_back(length * s / segments);
    if (const std::optional<double> x = MomentVertex(ends, load, quantity, length))
        stations.insert(std::upper_bound(stations.begin(), stations.end(), *x), *x);
    stations.push_back(length);
    return stations;
}

std::vector<DiagramStation> DiagramGeometry(const Model& model, std::int32_t frame, EndForces ends,
                                            const SpanLoad& load, ForceQuantity quantity, double scale)
{
    const std::optional<FrameAxes> axes = SolverFrameAxes(model, frame);
    if (!axes)
        return {};
    const Joint& i = model.Joints[model.Frames[frame].jointI];
    const DiagramSide side = DrawingSide(quantity);
    const Vector3d& across = side.axis == 1 ? axes->y : axes->z;
    const FrameDiagram diagram = DiagramOfFrame(ends, load, quantity, axes->length);
    std::vector<DiagramStation> stations;
    for (const double x : DiagramStations(ends, load, quantity, axes->length)) {
        DiagramStation s;
        s.x = x;
        // The ends show the file's own values; the span, the curve between them.
        s.value = x == 0 ? diagram.atI : x == axes->length ? diagram.atJ : ForceAt(ends, load, quantity, x);
        const double offset = side.sign * s.value * scale;
        for (std::size_t a = 0; a < 3; ++a) {
            s.base[a] = (a == 0 ? i.x : a == 1 ? i.y : i.z) + x * axes->x[a];
            s.tip[a] = s.base[a] + offset * across[a];
        }
        stations.push_back(s);
    }
    return stations;
}

void CheckForceSizes(const Model& model, const ElementForces& forces, std::span<const SpanLoad> loads)
{
    const auto n = static_cast<std::size_t>(model.Frames.Size());
    if (forces.start.size() != n + 1 || loads.size() != n)
        throw RangeCheckError();
}

bool HasEndForces(const ElementForces& forces, std::int32_t k)
{
    return forces.Of(k).size() == static_cast<std::size_t>(kEndForceValues);
}

EndForces EndForcesOf(const ElementForces& forces, std::int32_t k)
{
    return EndForces(forces.Of(k).data(), kEndForceValues);
}

double SuggestedDiagramScale(const Model& model, const ElementForces& forces, std::span<const SpanLoad> loads,
                             ForceQuantity quantity)
{
    CheckForceSizes(model, forces, loads);
    double largest = 0;
    for (std::int32_t k = 1; k <= model.Frames.Size(); ++k) {
        const std::optional<FrameAxes> axes = SolverFrameAxes(model, k);
        if (HasEndForces(forces, k) && axes)
            largest = std::max(largest, std::abs(DiagramOfFrame(EndForcesOf(forces, k), loads[static_cast<std::size_t>(k - 1)],
                                                                 quantity, axes->length)
                                                      .extreme));
    }
    const double extent = ModelExtent(model);
    if (!(largest > 0) || !(extent > 0) || !std::isfinite(largest))
        return 1;
    return 0.1 * extent / largest;
}

} // namespace mirelo
