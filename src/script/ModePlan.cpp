#include "script/ModePlan.h"

#include <algorithm>

namespace mirelo {

namespace {

constexpr std::int32_t kDampingModes = 2; // Rayleigh damping from modes 1 and 2

std::int64_t CountMassDofs(const Model& model, const JointDofs& dofs)
{
    std::vector<bool> master(static_cast<std::size_t>(model.Joints.Size()) + 1, false);
    for (std::int32_t c = 1; c <= model.Constraints.count; ++c)
        if (model.Joints.Contains(model.Constraints[c].masterJoint))
            master[static_cast<std::size_t>(model.Constraints[c].masterJoint)] = true;
    std::int64_t count = 0;
    for (std::int32_t k = 1; k <= model.Joints.count; ++k) {
        const Joint& joint = model.Joints[k];
        if (joint.mass[1] == 0) // no mass line
            continue;
        for (std::size_t d = 1; d <= static_cast<std::size_t>(dofs.Of(k)); ++d) {
            // A diaphragm's master is fixed in Z and in rotation about X and Y.
            const bool fixed = joint.restraint[d] != 0 || (master[static_cast<std::size_t>(k)] && d >= 3 && d <= 5);
            if (joint.mass[d] != 0 && !fixed)
                ++count;
        }
    }
    return count;
}

std::int64_t CountEquations(const Model& model, const JointDofs& dofs)
{
    std::int64_t count = 0;
    for (std::int32_t k = 1; k <= model.Joints.count; ++k)
        count += dofs.Of(k) + (dofs.HasTwin(k) ? 3 : 0);
    return count;
}

} // namespace

ModePlan PlanModes(const Model& model, const AnalysisSettings& analysis, const JointDofs& dofs)
{
    ModePlan plan;
    plan.massDofs = CountMassDofs(model, dofs);
    plan.equations = CountEquations(model, dofs);
    const std::int64_t m = plan.massDofs;
    const bool small = plan.equations <= kDenseEigenLimit;
    const std::string massText = std::to_string(m) + " degree(s) of freedom with mass";

    plan.modalModes = analysis.ModeCount;
    if (analysis.ModeCount > 0 && m > 0 && analysis.ModeCount > m) {
        plan.modalModes = static_cast<std::int32_t>(m);
        plan.warnings.push_back("ModeCount " + std::to_string(analysis.ModeCount) + " is more than the model's "
                                + massText + ": the modal analysis computes and records " + std::to_string(m)
                                + " modes");
    }
    if (2 * std::int64_t{plan.modalModes} > m && m > 1 && !small) {
        plan.warnings.push_back("The model has " + std::to_string(plan.equations)
                                + " degrees of freedom, too many for the dense eigen solver: the modal analysis"
                                  " computes and records "
                                + std::to_string(m / 2) + " modes, half of its " + massText);
        plan.modalModes = static_cast<std::int32_t>(m / 2);
    }
    plan.modalDense = 2 * std::int64_t{plan.modalModes} > m && m > 0;
    plan.dampingDense = 2 * kDampingModes > m && m > 0;

    switch (analysis.AnalysisType) {
    case 4: plan.recordedModes = std::max(plan.modalModes, 0); break;
    case 5:
    case 7: plan.recordedModes = static_cast<std::int32_t>(std::min<std::int64_t>(kDampingModes, m)); break;
    default: break;
    }
    return plan;
}

} // namespace mirelo
