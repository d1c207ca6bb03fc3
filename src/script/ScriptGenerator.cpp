#include "script/ScriptGenerator.h"

#include "script/ScriptBlocks.h"
#include "sections/FiberGenerator.h"
#include "sections/SectionProperties.h"

namespace mirelo {

void PrepareSections(Model& model, const AnalysisSettings& analysis)
{
    for (std::int32_t i = 1; i <= model.Frames.count; ++i)
        model.Frames[i].segments = analysis.IntegrationPoints;
    ComputeSectionProperties(model);
    GenerateFibers(model, analysis.RebarMaterialNo);
}

ScriptResult GenerateScript(Model& model, const AnalysisSettings& analysis, const RecorderSettings& recorder)
{
    PrepareSections(model, analysis);
    ScriptResult result;
    ScriptContext script(model, analysis, recorder, result);
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
    return result;
}

} // namespace mirelo
