// The header, the nodes with their diaphragms, masses and supports, and the
// equalDOF ties of zero-length springs.
#include "script/ScriptBlocks.h"

namespace mirelo {

void WriteHeader(ScriptContext& script)
{
    script.Line("wipe");
    script.Line("puts \"System\"");
    script.Line(script.dofs.SolidOnly() ? "model basic -ndm 3 -ndf 3" : "model basic -ndm 3 -ndf 6");
}

namespace {

void WriteNode(ScriptContext& script, std::int64_t tag, std::int32_t k)
{
    const Joint& joint = script.model.Joints[k];
    // A spring's second joint stands at its partner (one step only).
    const Joint& place = joint.linkedJoint != 0 ? script.JointAt(joint.linkedJoint) : joint;
    script.Format("node %D %0.4E %0.4E %0.4E", tag, place.x, place.y, place.z);
}

} // namespace

void WriteNodeBlock(ScriptContext& script)
{
    const Model& model = script.model;

    const JointDofs& dofs = script.dofs;
    script.Line("puts \"restraint\"");
    for (std::int32_t k = 1; k <= model.Joints.count; ++k)
        if (!dofs.Mixed() || dofs.Of(k) == 6)
            WriteNode(script, k, k);
    if (dofs.Mixed()) {
        // The nodes of bricks have three degrees of freedom: the joints only
        // bricks use, and the twins of those they share.
        script.Line("model basic -ndm 3 -ndf 3");
        for (std::int32_t k = 1; k <= model.Joints.count; ++k)
            if (dofs.Of(k) == 3)
                WriteNode(script, k, k);
        for (std::int32_t k = 1; k <= model.Joints.count; ++k)
            if (dofs.HasTwin(k))
                WriteNode(script, dofs.TwinTag(k), k);
        script.Line("model basic -ndm 3 -ndf 6");
    }

    script.Line("puts \"rigidDiaphragm\"");
    for (std::int32_t c = 1; c <= model.Constraints.count; ++c) {
        const Constraint& constraint = model.Constraints[c];
        for (std::int32_t j = 1; j <= constraint.memberCount; ++j) {
            if (static_cast<std::size_t>(j) >= constraint.members.size())
                throw RangeCheckError();
            script.Format("rigidDiaphragm 3 %D %D", constraint.masterJoint, constraint.members[static_cast<std::size_t>(j)]);
            ++script.rigidDiaphragmLines;
        }
    }

    script.Line("puts \"mass\"");
    for (std::int32_t k = 1; k <= model.Joints.count; ++k) {
        const auto& m = model.Joints[k].mass;
        if (m[1] == 0)
            continue;
        if (dofs.Of(k) == 3)
            script.Format("mass %d %0.4E %0.4E %0.4E", k, m[1], m[2], m[3]);
        else
            script.Format("mass %d %0.4E %0.4E %0.4E %0.4E %0.4E %0.4E", k, m[1], m[2], m[3], m[4], m[5], m[6]);
    }

    script.Line("puts \"node\"");
    for (std::int32_t c = 1; c <= model.Constraints.count; ++c) {
        // A constraint that lists no joint has no master to fix.
        if (model.Constraints[c].masterJoint != 0)
            script.Format("fix %d 0 0 1 1 1 0", model.Constraints[c].masterJoint);
    }
    for (std::int32_t k = 1; k <= model.Joints.count; ++k) {
        const auto& r = model.Joints[k].restraint;
        if (dofs.Of(k) == 3) {
            if (r[1] + r[2] + r[3] > 0)
                script.Format("fix %D %D %D %D;", k, r[1], r[2], r[3]);
        } else if (r[1] + r[2] + r[3] + r[4] + r[5] + r[6] > 0) {
            script.Format("fix %D %D %D %D %D %D %D;", k, r[1], r[2], r[3], r[4], r[5], r[6]);
        }
    }
}

void WriteEqualDofBlock(ScriptContext& script)
{
    script.Line("puts \"Equal DOF\"");
    const Model& model = script.model;
    for (std::int32_t i = 1; i <= model.Frames.count; ++i) {
        const Frame& frame = model.Frames[i];
        if (!IsSpring(script.FrameSectionAt(frame.section).elementKind))
            continue;
        // The retained joint is the one at the released end.
        if (frame.releaseEnd == 1)
            script.Format("equalDOF %d %d 1 2 3", frame.jointI, frame.jointJ);
        else if (frame.releaseEnd == 2)
            script.Format("equalDOF %d %d 1 2 3", frame.jointJ, frame.jointI);
    }
    // The twin that a brick names moves with the joint's own node.
    for (std::int32_t k = 1; k <= model.Joints.count; ++k)
        if (script.dofs.HasTwin(k))
            script.Format("equalDOF %d %d 1 2 3", k, script.dofs.TwinTag(k));
}

} // namespace mirelo
