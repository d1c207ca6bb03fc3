#include "gui/common/SolverProcesses.h"

#include "gui/common/ProgramSettings.h"

#include <algorithm>

namespace mirelo {

namespace {

const char* const kProcessesKey = "solver/processes";

} // namespace

// A stored value out of range (edited by hand) falls back into it.
int SolverProcesses()
{
    return std::clamp(ProgramSettings().value(kProcessesKey, 1).toInt(), 1, kMaxSolverProcesses);
}

void SetSolverProcesses(int processes)
{
    ProgramSettings settings;
    if (processes <= 1)
        settings.remove(kProcessesKey);
    else
        settings.setValue(kProcessesKey, std::min(processes, kMaxSolverProcesses));
}

} // namespace mirelo
