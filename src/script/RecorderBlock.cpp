// Recorders: node displacements, element forces, section deformations,
// reactions and mode shapes, each in files of 100 joints, frames or supports
// (RecorderFiles.h).
#include "script/RecorderFiles.h"
#include "script/ScriptBlocks.h"

#include <algorithm>
#include <string>

namespace mirelo {

namespace {

bool On(std::int32_t flag)
{
    return flag != 0;
}

// Every support's six reactions, at full precision for the equilibrium check.
void WriteReactionRecorders(ScriptContext& script)
{
    const std::vector<std::int32_t> supports = SupportJoints(script.model, script.dofs);
    if (supports.empty())
        script.Warn("No reaction is recorded: no joint is restrained");
    for (const RecorderFileGroup& g : NodeFileGroups(static_cast<std::int32_t>(supports.size()))) {
        std::string joints;
        for (std::int32_t s = g.first; s <= g.last; ++s)
            joints += std::to_string(supports[static_cast<std::size_t>(s - 1)]) + ' ';
        script.Format("recorder Node -file %s -precision 17 -time -node %s-dof 1 2 3 4 5 6 reaction",
                      ReactionFileName(g.fileNumber), joints);
    }
}

} // namespace

void WriteRecorderBlock(ScriptContext& script)
{
    const RecorderSettings& r = script.recorder;
    const std::int32_t joints = script.model.Joints.count;
    const std::int32_t frames = script.model.Frames.count;
    script.Line("puts \"recorder\"");
    if (On(r.RecordNodeDisp))
        for (const RecorderFileGroup& g : NodeFileGroups(joints))
            script.Format("recorder Node -file %s -time -nodeRange %D %D -dof 1 2 3 disp",
                          NodeDisplacementFileName(g.fileNumber), g.first, g.last);
    if (On(r.RecordElementForce))
        for (const RecorderFileGroup& g : ElementFileGroups(frames))
            script.Format("recorder Element -file %s -time -eleRange %D %D localForce",
                          ElementForceFileName(g.fileNumber), g.first, g.last);
    if (On(r.RecordSectionDeformation)) {
        for (const RecorderFileGroup& g : ElementFileGroups(frames))
            script.Format("recorder Element -file %s -time -eleRange %D %D section 1 deformation",
                          FirstSectionFileName(g.fileNumber), g.first, g.last);
        for (const RecorderFileGroup& g : ElementFileGroups(frames))
            script.Format("recorder Element -file %s -time -eleRange %D %D section %d deformation",
                          LastSectionFileName(g.fileNumber), g.first, g.last, script.analysis.IntegrationPoints);
    }
    if (On(r.RecordReactions))
        WriteReactionRecorders(script);
    if (On(r.RecordCurves))
        WriteCurveRecorders(script);
    if (!On(r.RecordModeShapes))
        return;
    // A mode-shape recorder that records before its mode is computed stops the
    // solver without a word, so only the modes computed in time are recorded.
    const std::int32_t asked = script.analysis.ModeCount;
    const std::int32_t modes = std::min(asked, script.modes.recordedModes);
    const std::int32_t type = script.analysis.AnalysisType;
    // Without mass the analysis block says why no modes are computed.
    const bool massless = script.modes.massDofs == 0 && ComputesModesBeforeFirstRecord(type);
    if (asked > 0 && modes == 0) {
        if (!massless)
            script.Warn("Mode shapes are not recorded: analysis type " + std::to_string(type)
                        + " computes no modes before it first records");
    } else if (asked > modes && !IsModal(type)) { // the modal block says why
        script.Warn("Mode shapes beyond " + std::to_string(modes)
                    + " are not recorded: the time history computes modes 1 to " + std::to_string(modes) + " only");
    }
    for (std::int32_t k = 1; k <= modes; ++k)
        for (const RecorderFileGroup& g : NodeFileGroups(joints))
            script.Format("recorder Node -file %s -time -nodeRange %D %D -dof 1 2 3 \"eigen %D\"",
                          ModeShapeFileName(k, g.fileNumber), g.first, g.last, k);
}

} // namespace mirelo
