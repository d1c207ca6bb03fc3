#include "parallel/ParallelScript.h"

#include "common/Errors.h"

#include <string>

namespace mirelo {

void CheckParallelAnalysis(const AnalysisSettings& analysis, int processes)
{
    // A second pattern after the first analyze, or an eigen solve, stops OpenSeesSP.
    if (processes <= 1 || (!LoadsGravityFirst(analysis.AnalysisType) && !ComputesModes(analysis.AnalysisType)))
        return;
    throw Error("OpenSeesSP runs the static analyses of one load pattern (AnalysisType 1 or 2) on several processes, "
                "not AnalysisType " + std::to_string(analysis.AnalysisType)
                + ": it waits forever for a pattern added after its first analyze and has no solver for eigen. "
                  "Run it in one process, or run time histories as a suite");
}

ScriptOptions ParallelScriptOptions(int processes)
{
    ScriptOptions options;
    if (processes > 1)
        options.system = "Mumps";
    return options;
}

} // namespace mirelo
