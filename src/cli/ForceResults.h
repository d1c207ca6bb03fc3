#pragma once

#include "cli/Commands.h"
#include "cli/ResultOptions.h"

#include <iosfwd>
#include <string>

namespace mirelo::cli {

// What "results" prints of the element forces and the reactions.
struct ForceResultChoice {
    bool forces = false;    // --forces
    bool reactions = false; // --reactions
    bool Any() const { return forces || reactions; }
};

// Takes --forces or --reactions at args[i]; false for any other argument.
bool TakeForceResultOption(const Arguments& args, std::size_t& i, ForceResultChoice& choice);

// Raises UsageError for a combination that reads no load step (--mode) or
// mixes in the joints' and sections' options.
void CheckForceResultOptions(const ResultOptions& options, const ForceResultChoice& choice);

// With --forces "frame K" and the frame's values as the element force file
// holds them; with --reactions "joint K FX FY FZ MX MY MZ" for every support,
// then the equilibrium check of the step; 17 significant digits.
std::string ForceResultText(const Session& session, const ResultOptions& options, const ForceResultChoice& choice);

// Writes that text to `out`; returns the exit status.
int WriteForceResults(const Session& session, const ResultOptions& options, const ForceResultChoice& choice,
                      std::ostream& out);

} // namespace mirelo::cli
