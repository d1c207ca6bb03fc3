#pragma once

#include "script/AnalysisSettings.h"
#include "script/ScriptContext.h"

namespace mirelo {

// Raises Error when OpenSeesSP cannot run the analysis on `processes` > 1:
// it shares the model out at the first analyze and then solves one static
// analysis of one pattern with Mumps; a pattern added after it (gravity
// then pushover, gravity then time history) leaves its processes waiting,
// and eigen (modes, the damping of the time histories) finds no solver.
void CheckParallelAnalysis(const AnalysisSettings& analysis, int processes);

// The script options of a run on `processes`: the parallel solver
// (system Mumps) for more than one, else the analyses' own systems.
ScriptOptions ParallelScriptOptions(int processes);

} // namespace mirelo
