#pragma once

#include "parallel/ParallelLaunch.h"

#include <string>
#include <vector>

namespace mirelo::cli {

// Starts every launch at once and waits for all of them; returns their exit
// statuses in order (128 + the signal for one that a signal ended). Raises
// Error when one cannot be started; those already started are waited for.
std::vector<int> RunTogether(const std::vector<Launch>& launches);

// The folder of the running program, where a solver may sit beside it.
std::string ProgramFolder();

} // namespace mirelo::cli
