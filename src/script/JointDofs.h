#pragma once

#include "model/Model.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace mirelo {

// How many of a constraint's members (1..n) its list holds: its count, or
// fewer when the list is shorter.
inline std::size_t HeldMembers(const Constraint& constraint)
{
    const std::size_t listed = constraint.members.empty() ? 0 : constraint.members.size() - 1;
    return std::min(listed, static_cast<std::size_t>(std::max(constraint.memberCount, 0)));
}

// How many degrees of freedom the node of each joint has. Bricks take nodes
// of three translations; frames, shells and rigid diaphragms take nodes of
// six. A model of bricks alone is built with three throughout. In a model
// that mixes them, a joint that only bricks use gets three, and a joint that
// bricks share with frames, shells or diaphragms keeps its node of six, while
// its bricks connect to a three-dof twin node at the same point whose
// translations are tied to it.
class JointDofs {
public:
    explicit JointDofs(const Model& model);

    // Bricks and nothing that needs six: the whole model has three.
    bool SolidOnly() const { return solidOnly_; }
    // Nodes of three and of six side by side.
    bool Mixed() const { return mixed_; }

    // 3 or 6 for joint k; 6 outside the joint table.
    std::int32_t Of(std::int32_t k) const;
    bool HasTwin(std::int32_t k) const { return Kind(k) == kShared && mixed_; }
    // The tag of joint k's twin: the joint count plus k, past every joint tag.
    std::int64_t TwinTag(std::int32_t k) const { return std::int64_t{jointCount_} + k; }
    // The node a brick names for joint k.
    std::int64_t BrickNode(std::int32_t k) const { return HasTwin(k) ? TwinTag(k) : k; }

private:
    static constexpr std::uint8_t kUnused = 0, kSixDof = 1, kBrick = 2, kShared = 3;
    std::uint8_t Kind(std::int32_t k) const
    {
        return k >= 1 && k <= jointCount_ ? kinds_[static_cast<std::size_t>(k)] : kUnused;
    }
    void Mark(std::int32_t k, std::uint8_t use);

    std::vector<std::uint8_t> kinds_; // by joint number, the uses or-ed together
    std::int32_t jointCount_ = 0;
    bool solidOnly_ = false;
    bool mixed_ = false;
};

} // namespace mirelo
