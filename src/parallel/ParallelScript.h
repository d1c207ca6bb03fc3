#pragma once

#include "script/AnalysisSettings.h"
#include "script/ScriptContext.h"

#include <string_view>

namespace mirelo {

// Raises Error when OpenSeesSP cannot run the analysis on `processes` > 1:
// it shares the model out at the first analyze and then solves one static
// analysis of one pattern with Mumps; a pattern added after it (gravity
// then pushover, gravity then time history) leaves its processes waiting,
// and eigen (modes, the damping of the time histories) finds no solver.
void CheckParallelAnalysis(const AnalysisSettings& analysis, int processes);

// Whether a script's text sets the parallel solver: a command `system Mumps`
// at the start of a line (after blanks), options or a ';' may follow.
bool UsesParallelSolver(std::string_view script);

// The script options of a run on `processes`: the parallel solver
// (system Mumps) for more than one, else the analyses' own systems.
ScriptOptions ParallelScriptOptions(int processes);

} // namespace mirelo
