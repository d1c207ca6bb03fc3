#pragma once

namespace mirelo {

// The processes a desktop run uses, remembered between runs: 1 runs the
// sequential OpenSees; more run one analysis on OpenSeesSP under mpiexec, and
// the script is written for its parallel solver (system Mumps).
int SolverProcesses();
void SetSolverProcesses(int processes);

inline constexpr int kMaxSolverProcesses = 256;

} // namespace mirelo
