#include "script/ModePlan.h"

#include <algorithm>

namespace mirelo {

namespace {

constexpr std::int32_t kDampingModes = 2; // Rayleigh damping from modes 1 and 2

// The free degrees of freedom that carry mass once the constraints have
// gathered it: a diaphragm member's mass along X and Y and about Z moves with
// its master (along X and Y, and about Z through its arm: a member on the
// master's vertical axis adds nothing about Z), and a spring's second joint
// moves with the first in its translations.
std::int64_t CountMassDofs(const Model& model, const JointDofs& dofs)
{
    const auto joints = static_cast<std::size_t>(model.Joints.Size()) + 1;
    std::vector<std::int32_t> master(joints, 0); // the master a joint is tied to, 0 none
    std::vector<bool> isMaster(joints, false);
    for (std::int32_t c = 1; c <= model.Constraints.count; ++c) {
        const Constraint& constraint = model.Constraints[c];
        if (!model.Joints.Contains(constraint.masterJoint))
            continue;
        isMaster[static_cast<std::size_t>(constraint.masterJoint)] = true;
        for (std::size_t m = 1; m <= HeldMembers(constraint); ++m)
            if (model.Joints.Contains(constraint.members[m]))
                master[static_cast<std::size_t>(constraint.members[m])] = constraint.masterJoint;
    }
    std::vector<std::int32_t> retained(joints, 0); // the joint a spring's second joint follows
    for (std::int32_t i = 1; i <= model.Frames.count; ++i) {
        const Frame& frame = model.Frames[i];
        const std::int32_t first = frame.releaseEnd == 1 ? frame.jointI : frame.jointJ;
        const std::int32_t second = frame.releaseEnd == 1 ? frame.jointJ : frame.jointI;
        const bool spring = model.FrameSections.Contains(frame.section)
                         && IsSpring(model.FrameSections[frame.section].elementKind);
        if (spring && (frame.releaseEnd == 1 || frame.releaseEnd == 2) && model.Joints.Contains(first)
            && model.Joints.Contains(second))
            retained[static_cast<std::size_t>(second)] = first;
    }

    // Where a joint's node stands: a spring's second joint at its partner.
    const auto place = [&](std::int32_t k) -> const Joint& {
        const Joint& joint = model.Joints[k];
        return model.Joints.Contains(joint.linkedJoint) ? model.Joints[joint.linkedJoint] : joint;
    };
    const auto hasArm = [&](std::int32_t member, std::int32_t masterJoint) {
        const Joint &a = place(member), &b = place(masterJoint);
        return a.x != b.x || a.y != b.y;
    };

    std::vector<std::uint8_t> withMass(joints, 0); // bit d - 1 for degree of freedom d
    const auto mark = [&](std::int32_t k, std::size_t d) {
        withMass[static_cast<std::size_t>(k)] |= static_cast<std::uint8_t>(1u << (d - 1));
    };
    for (std::int32_t k = 1; k <= model.Joints.count; ++k) {
        const Joint& joint = model.Joints[k];
        if (joint.mass[1] == 0) // no mass line
            continue;
        const std::int32_t toMaster = master[static_cast<std::size_t>(k)];
        const std::int32_t toRetained = retained[static_cast<std::size_t>(k)];
        for (std::size_t d = 1; d <= static_cast<std::size_t>(dofs.Of(k)); ++d) {
            if (joint.mass[d] == 0)
                continue;
            if (toMaster != 0 && (d == 1 || d == 2 || d == 6)) {
                mark(toMaster, d);
                if (d == 6 || hasArm(k, toMaster))
                    mark(toMaster, 6);
            } else if (toRetained != 0 && d <= 3) {
                mark(toRetained, d);
            } else {
                mark(k, d);
            }
        }
    }

    std::int64_t count = 0;
    for (std::int32_t k = 1; k <= model.Joints.count; ++k) {
        const Joint& joint = model.Joints[k];
        for (std::size_t d = 1; d <= 6; ++d) {
            // A diaphragm's master is fixed in Z and in rotation about X and Y.
            const bool fixed = joint.restraint[d] != 0 || (isMaster[static_cast<std::size_t>(k)] && d >= 3 && d <= 5);
            if ((withMass[static_cast<std::size_t>(k)] >> (d - 1) & 1u) != 0 && !fixed)
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
    const bool dense = plan.equations <= kDenseEigenLimit && m > 0;
    const std::string massText = std::to_string(m) + " degree(s) of freedom with mass";
    const std::string sizeText = "The model has " + std::to_string(plan.equations)
                               + " degrees of freedom, too many for the dense eigen solver";
    const bool modal = IsModal(analysis.AnalysisType);
    const bool damped = DampsWithModes(analysis.AnalysisType);

    // Without mass there are no modes: the script asks for none.
    plan.modalModes = m > 0 ? analysis.ModeCount : 0;
    if (analysis.ModeCount > 0 && m > 0 && analysis.ModeCount > m) {
        plan.modalModes = static_cast<std::int32_t>(m);
        if (modal)
            plan.warnings.push_back("ModeCount " + std::to_string(analysis.ModeCount) + " is more than the model's "
                                    + massText + ": the modal analysis computes and records " + std::to_string(m)
                                    + " modes");
    }
    if (!dense && m > 1 && 2 * std::int64_t{plan.modalModes} > m) {
        if (modal)
            plan.warnings.push_back(sizeText + ": the modal analysis computes and records " + std::to_string(m / 2)
                                    + " modes, half of its " + massText);
        plan.modalModes = static_cast<std::int32_t>(m / 2);
    }
    if (!dense && m > 0 && 2 * kDampingModes > m && damped)
        plan.warnings.push_back(sizeText + ", and the default one finds modes 1 and 2 for the damping only with 4 "
                                           "degrees of freedom with mass or more; it has "
                                + std::to_string(m) + ": the solver may stop there");
    plan.dense = dense;

    if (!ComputesModesBeforeFirstRecord(analysis.AnalysisType))
        return plan;
    if (modal)
        plan.recordedModes = std::max(plan.modalModes, 0);
    else
        plan.recordedModes = static_cast<std::int32_t>(std::min<std::int64_t>(kDampingModes, m));
    return plan;
}

} // namespace mirelo
