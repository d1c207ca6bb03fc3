#include "results/StepLoads.h"

#include "script/AnalysisKinds.h"
#include "script/CurveRecorders.h"
#include "script/JointDofs.h"
#include "script/SolverFrameAxes.h"

#include <functional>

namespace mirelo {

namespace {

// Calls `visit(load, factor)` for every load of the factored cases.
void ForEachFactoredLoad(const Model& model, std::span<const CaseFactor> factors,
                         const std::function<void(const Load&, double)>& visit)
{
    for (const CaseFactor& cf : factors) {
        const std::int32_t c = cf.loadCase;
        if (c < 1 || c > model.LoadCaseCount || static_cast<std::size_t>(c) >= model.LoadCaseNames.size())
            continue; // the script writes an empty pattern
        const std::string& name = model.LoadCaseNames[static_cast<std::size_t>(c)];
        for (std::int32_t l = 1; l <= model.Loads.count; ++l)
            if (CaseNameOf(model, model.Loads[l]) == name)
                visit(model.Loads[l], cf.factor);
    }
}

void AddMomentAbout(ForceTotals& totals, const Vector3d& at, const Vector3d& force)
{
    totals[3] += at[1] * force[2] - at[2] * force[1];
    totals[4] += at[2] * force[0] - at[0] * force[2];
    totals[5] += at[0] * force[1] - at[1] * force[0];
}

} // namespace

std::vector<CaseFactor> StepLoadFactors(const AnalysisSettings& analysis, std::int64_t step, double time)
{
    const std::int32_t gravityRows = GravityRows(analysis);
    std::vector<CaseFactor> factors;
    if (LoadsGravityFirst(analysis.AnalysisType)) {
        if (step <= gravityRows)
            return {{analysis.LoadCase, time}};
        factors.push_back({analysis.LoadCase, analysis.LoadFactor}); // held after the gravity steps
    }
    switch (SteppedCaseOf(analysis.AnalysisType)) {
    case SteppedCase::LoadCase: factors.push_back({analysis.LoadCase, time}); break;
    case SteppedCase::PushoverCase: factors.push_back({analysis.PushoverCase, time}); break;
    case SteppedCase::None: break;
    }
    return factors;
}

std::vector<SpanLoad> FrameSpanLoads(const Model& model, std::span<const CaseFactor> factors)
{
    std::vector<SpanLoad> loads(static_cast<std::size_t>(model.Frames.Size()));
    ForEachFactoredLoad(model, factors, [&](const Load& load, double factor) {
        if (load.loadType != kFrameDistributed || !model.Frames.Contains(load.target))
            return;
        SpanLoad& w = loads[static_cast<std::size_t>(load.target - 1)];
        const double v = load.value[1] * factor;
        switch (load.direction) {
        case 1: w.wx += v; break;
        case 2: w.wz += v; break;
        case 3: w.wy -= v; break;
        default: break;
        }
    });
    return loads;
}

ForceTotals AppliedLoadTotals(const Model& model, std::span<const CaseFactor> factors)
{
    ForceTotals totals{};
    const JointDofs dofs(model);
    ForEachFactoredLoad(model, factors, [&](const Load& load, double factor) {
        if (load.loadType == kJointForce && model.Joints.Contains(load.target)) {
            const Joint& joint = model.Joints[load.target];
            const Vector3d force{load.value[1] * factor, load.value[2] * factor, load.value[3] * factor};
            for (int a = 0; a < 3; ++a)
                totals[static_cast<std::size_t>(a)] += force[static_cast<std::size_t>(a)];
            AddMomentAbout(totals, {joint.x, joint.y, joint.z}, force);
            if (dofs.Of(load.target) == 6)
                for (int a = 0; a < 3; ++a)
                    totals[static_cast<std::size_t>(3 + a)] += load.value[static_cast<std::size_t>(4 + a)] * factor;
        } else if (load.loadType == kFrameDistributed && model.Frames.Contains(load.target)) {
            const std::optional<FrameAxes> axes = SolverFrameAxes(model, load.target);
            const Vector3d* along = nullptr;
            double sign = 1;
            switch (axes ? load.direction : 0) {
            case 1: along = &axes->x; break;
            case 2: along = &axes->z; break;
            case 3: along = &axes->y; sign = -1; break;
            default: return;
            }
            const double w = sign * load.value[1] * factor * axes->length;
            const Vector3d force{w * (*along)[0], w * (*along)[1], w * (*along)[2]};
            const Frame& frame = model.Frames[load.target];
            const Joint& i = model.Joints[frame.jointI];
            const Joint& j = model.Joints[frame.jointJ];
            for (int a = 0; a < 3; ++a)
                totals[static_cast<std::size_t>(a)] += force[static_cast<std::size_t>(a)];
            AddMomentAbout(totals, {(i.x + j.x) / 2, (i.y + j.y) / 2, (i.z + j.z) / 2}, force);
        }
    });
    return totals;
}

} // namespace mirelo
