// Recorders: node displacements, element forces, section deformations and
// mode shapes, each in files of 100 consecutive numbers.
#include "script/ScriptBlocks.h"

#include <algorithm>
#include <string>

namespace mirelo {

namespace {

bool On(std::int32_t flag)
{
    return flag != 0;
}

// Node files are numbered from 0: file g holds 100 g + 1 to 100 g + 100.
template <typename WriteLine>
void NodeGroups(std::int32_t count, WriteLine write)
{
    if (count < 1)
        return;
    const std::int32_t full = count / 100, rest = count % 100;
    for (std::int32_t g = 0; g < full; ++g)
        write(g, 100 * g + 1, 100 * g + 100);
    if (rest != 0)
        write(full, 100 * full + 1, 100 * full + rest);
}

// Element files are numbered from 1 for the full groups; file 0 holds the
// partial group.
template <typename WriteLine>
void ElementGroups(std::int32_t count, WriteLine write)
{
    if (count < 1)
        return;
    const std::int32_t full = count / 100, rest = count % 100;
    for (std::int32_t g = 1; g <= full; ++g)
        write(g, 100 * (g - 1) + 1, 100 * g);
    if (rest != 0)
        write(0, 100 * full + 1, 100 * full + rest);
}

} // namespace

void WriteRecorderBlock(ScriptContext& script)
{
    const RecorderSettings& r = script.recorder;
    const std::int32_t joints = script.model.Joints.count;
    const std::int32_t frames = script.model.Frames.count;
    script.Line("puts \"recorder\"");
    if (On(r.RecordNodeDisp))
        NodeGroups(joints, [&](std::int32_t g, std::int32_t from, std::int32_t to) {
            script.Format("recorder Node -file node%d.out -time -nodeRange %D %D -dof 1 2 3 disp", g, from, to);
        });
    if (On(r.RecordElementForce))
        ElementGroups(frames, [&](std::int32_t g, std::int32_t from, std::int32_t to) {
            script.Format("recorder Element -file ele%d.out -time -eleRange %D %D localForce", g, from, to);
        });
    if (On(r.RecordSectionDeformation)) {
        ElementGroups(frames, [&](std::int32_t g, std::int32_t from, std::int32_t to) {
            script.Format("recorder Element -file ele%d_secs.out -time -eleRange %D %D section 1 deformation", g, from, to);
        });
        ElementGroups(frames, [&](std::int32_t g, std::int32_t from, std::int32_t to) {
            script.Format("recorder Element -file ele%d_secn.out -time -eleRange %D %D section %d deformation", g, from,
                          to, script.analysis.IntegrationPoints);
        });
    }
    if (!On(r.RecordModeShapes))
        return;
    // A mode-shape recorder that records before its mode is computed stops the
    // solver without a word, so only the modes computed in time are recorded.
    const std::int32_t asked = script.analysis.ModeCount;
    const std::int32_t modes = std::min(asked, script.modes.recordedModes);
    if (asked > 0 && modes == 0)
        script.Warn("Mode shapes are not recorded: analysis type " + std::to_string(script.analysis.AnalysisType)
                    + " computes no modes before it first records");
    else if (asked > modes && script.analysis.AnalysisType != 4) // the modal block says why
        script.Warn("Mode shapes beyond " + std::to_string(modes)
                    + " are not recorded: the time history computes modes 1 to " + std::to_string(modes) + " only");
    for (std::int32_t k = 1; k <= modes; ++k)
        NodeGroups(joints, [&](std::int32_t g, std::int32_t from, std::int32_t to) {
            script.Format("recorder Node -file eigen%d_node%d.out -time -nodeRange %D %D -dof 1 2 3 \"eigen %D\"", k, g,
                          from, to, k);
        });
}

} // namespace mirelo
