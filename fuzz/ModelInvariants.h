#pragma once

// What every imported model must satisfy, whatever the input was: the fuzz
// targets abort with a message where it does not.
#include "model/Model.h"

#include <cstdio>
#include <cstdlib>

namespace mirelo::fuzz {

inline void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "imported model breaks an invariant: %s\n", what);
        std::abort();
    }
}

template <typename Record>
bool RefersTo(std::int32_t index, const Table<Record>& table, bool zeroAllowed)
{
    return table.Contains(index) || (zeroAllowed && index == 0);
}

// Every index the import stored must be usable without a range test.
inline void CheckReferences(const Model& m)
{
    for (std::int32_t j = 1; j <= m.Joints.count; ++j)
        Require(RefersTo(m.Joints[j].linkedJoint, m.Joints, true), "linked joint");
    for (std::int32_t c = 1; c <= m.Constraints.count; ++c) {
        const Constraint& constraint = m.Constraints[c];
        Require(RefersTo(constraint.masterJoint, m.Joints, true), "constraint master");
        Require(constraint.memberCount < static_cast<std::int32_t>(constraint.members.size()), "constraint size");
        for (std::int32_t p = 1; p <= constraint.memberCount; ++p)
            Require(RefersTo(constraint.members[static_cast<std::size_t>(p)], m.Joints, false), "constraint member");
    }
    for (std::int32_t s = 1; s <= m.FrameSections.count; ++s)
        Require(RefersTo(m.FrameSections[s].material, m.Materials, true), "frame section material");
    for (std::int32_t s = 1; s <= m.ShellSections.count; ++s)
        Require(RefersTo(m.ShellSections[s].material, m.Materials, true), "shell section material");
    for (std::int32_t f = 1; f <= m.Frames.count; ++f) {
        const Frame& frame = m.Frames[f];
        Require(RefersTo(frame.jointI, m.Joints, false) && RefersTo(frame.jointJ, m.Joints, false), "frame joint");
        Require(RefersTo(frame.section, m.FrameSections, true), "frame section");
    }
    for (std::int32_t s = 1; s <= m.Shells.count; ++s) {
        for (std::size_t c = 1; c <= 4; ++c)
            Require(RefersTo(m.Shells[s].joints[c], m.Joints, false), "shell joint");
        Require(RefersTo(m.Shells[s].section, m.ShellSections, true), "shell section");
    }
    for (std::int32_t s = 1; s <= m.Solids.count; ++s)
        for (std::size_t c = 1; c <= 8; ++c)
            Require(RefersTo(m.Solids[s].joints[c], m.Joints, false), "solid joint");
    for (std::int32_t l = 1; l <= m.Loads.count; ++l) {
        const Load& load = m.Loads[l];
        if (load.loadType == kJointForce)
            Require(RefersTo(load.target, m.Joints, false), "joint load");
        else if (load.loadType == kFrameDistributed)
            Require(RefersTo(load.target, m.Frames, false), "frame load");
        Require(load.loadCase <= m.LoadCaseCount, "load case");
    }
    Require(m.LoadCaseCount + 1 == static_cast<std::int32_t>(m.LoadCaseNames.size()), "load case names");
    Require(m.ActiveShellCount <= m.Shells.Size(), "active shell count");
}

} // namespace mirelo::fuzz
