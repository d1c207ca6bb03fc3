#include "script/JointDofs.h"

namespace mirelo {

void JointDofs::Mark(std::int32_t k, std::uint8_t use)
{
    // A reference outside the joint table names no node to size.
    if (k >= 1 && k <= jointCount_)
        kinds_[static_cast<std::size_t>(k)] |= use;
}

JointDofs::JointDofs(const Model& model)
    : kinds_(static_cast<std::size_t>(model.Joints.Size()) + 1, kUnused), jointCount_(model.Joints.Size())
{
    if (model.Solids.Size() == 0)
        return;
    for (std::int32_t n = 1; n <= model.Solids.count; ++n)
        for (std::size_t j = 1; j <= 8; ++j)
            Mark(model.Solids[n].joints[j], kBrick);

    bool anySixDof = false;
    const auto sixDof = [&](std::int32_t k) {
        if (k >= 1 && k <= jointCount_) {
            Mark(k, kSixDof);
            anySixDof = true;
        }
    };
    for (std::int32_t i = 1; i <= model.Frames.count; ++i) {
        sixDof(model.Frames[i].jointI);
        sixDof(model.Frames[i].jointJ);
    }
    for (std::int32_t j = 1; j <= model.Shells.count; ++j) {
        const Shell& shell = model.Shells[j];
        const bool written = model.ShellSections.Contains(shell.section)
                          && model.ShellSections[shell.section].shellKind == 1;
        for (std::size_t c = 1; written && c <= 4; ++c)
            sixDof(shell.joints[c]);
    }
    for (std::int32_t c = 1; c <= model.Constraints.count; ++c) {
        const Constraint& constraint = model.Constraints[c];
        if (constraint.masterJoint != 0)
            sixDof(constraint.masterJoint);
        for (std::size_t m = 1; m <= HeldMembers(constraint); ++m)
            sixDof(constraint.members[m]);
    }
    solidOnly_ = !anySixDof;
    mixed_ = anySixDof;
}

std::int32_t JointDofs::Of(std::int32_t k) const
{
    if (solidOnly_)
        return 3;
    return mixed_ && Kind(k) == kBrick ? 3 : 6;
}

} // namespace mirelo
