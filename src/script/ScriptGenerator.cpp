#include "script/ScriptGenerator.h"

#include "script/ScriptBlocks.h"
#include "sections/PreparedSections.h"

#include <algorithm>

namespace mirelo {

namespace {

// A generous guess at the size of the script, so that its buffer is set up
// once instead of being copied at every doubling. Room that is not written
// costs no memory.
void ReserveScript(const Model& model, const PreparedSections& prepared, TextLines& lines)
{
    std::int64_t fibers = 0;
    for (std::int32_t k = 1; k <= prepared.sections.count; ++k)
        fibers += prepared.sections[k].fibers.Size();
    std::int64_t members = 0;
    for (std::int32_t c = 1; c <= model.Constraints.count; ++c)
        members += std::max(model.Constraints[c].memberCount, 0);
    const std::int64_t joints = model.Joints.Size(), frames = model.Frames.Size();
    const std::int64_t count = 2 * joints + 2 * frames + model.Shells.Size() + model.Solids.Size() + model.Loads.Size()
                             + members + fibers + 1000;
    const std::int64_t bytes = 80 * joints + 160 * frames + 60 * model.Shells.Size() + 80 * model.Solids.Size()
                             + 80 * model.Loads.Size() + 30 * members + 50 * fibers + 64 * 1024;
    lines.Reserve(static_cast<std::size_t>(bytes), static_cast<std::size_t>(count));
}

} // namespace

void GenerateScript(const Model& model, const AnalysisSettings& analysis, const RecorderSettings& recorder,
                    ScriptResult& result, const ScriptOptions& options)
{
    result.lines.Clear();
    result.warnings.clear();
    result.warningLines.clear();
    const PreparedSections prepared = PrepareSections(model, analysis.IntegrationPoints, analysis.RebarMaterialNo);
    ReserveScript(model, prepared, result.lines);
    ScriptContext script(model, prepared, analysis, recorder, result, options);
    WriteHeader(script);
    WriteNodeBlock(script);
    WriteEqualDofBlock(script);
    WriteMaterialBlock(script);
    WriteFiberSectionBlock(script);
    WritePlateFiberBlock(script);
    WriteFrameElementBlock(script);
    WriteShellElementBlock(script);
    WriteSolidElementBlock(script);
    WriteRecorderBlock(script);
    WriteLoadAnalysisBlock(script);
}

ScriptResult GenerateScript(const Model& model, const AnalysisSettings& analysis, const RecorderSettings& recorder,
                            const ScriptOptions& options)
{
    ScriptResult result;
    GenerateScript(model, analysis, recorder, result, options);
    return result;
}

} // namespace mirelo
