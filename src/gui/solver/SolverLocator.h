#pragma once

#include <QString>
#include <QStringList>

namespace mirelo {

// Where the program looks for OpenSees, in this order: the path the user set in
// the Solver setting, the environment variable MIRELO_OPENSEES, the program's
// own folder, then every folder of PATH. The two paths a user gives on purpose
// come first and are never passed over silently: when one names nothing that
// runs, the search stops with a message instead of picking another solver.
struct SolverSearch {
    QString settingPath;     // the Solver setting; empty when not set
    QString environmentPath; // MIRELO_OPENSEES; empty when not set
    QString programFolder;   // the folder of the running program
    QStringList pathFolders; // the folders of PATH, in order
};

struct SolverLocation {
    QString program;     // absolute path of the program to start
    QString origin;      // where it was found, for the user: "the Solver setting", ...
    QStringList leading; // arguments before the script: mpiexec's options and OpenSeesSP
    int processes = 1;
};

// The solver as the run window names it: "/opt/OpenSees (from PATH)", or
// "/opt/OpenSeesSP on 2 processes under /usr/bin/mpiexec (from PATH)".
QString SolverDescription(const SolverLocation& solver);

// The file names of the solver on this system.
const QStringList& SolverFileNames();

// The first solver the search finds. Raises an Error that says where the search
// looked and how to set a solver when there is none, or when a path the user
// gave names no program that can run.
SolverLocation FindSolver(const SolverSearch& search);

// OpenSeesSP under mpiexec on `processes` processes, both found as
// mirelo-cli run --np finds them (MIRELO_MPIEXEC, MIRELO_OPENSEES_SP, the
// program's folder, PATH). Raises an Error naming what is missing.
SolverLocation FindParallelSolver(int processes);

// The search of this run: the remembered setting, the environment, the
// program's folder and PATH.
SolverSearch CurrentSolverSearch();

// The Solver setting, remembered between runs (empty: not set).
QString SolverSettingPath();
void SetSolverSettingPath(const QString& path);

} // namespace mirelo
