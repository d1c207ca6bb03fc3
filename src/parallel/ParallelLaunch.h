#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace mirelo {

// Where a program is looked for, in this order: the path the user set (a
// program or a folder holding one), an environment variable, the running
// program's folder, then every folder of PATH. The two paths given on purpose
// are never passed over: one that names nothing runnable stops the search.
struct ProgramSearch {
    std::vector<std::string> names; // the program's file names, "OpenSeesMP"
    std::string settingPath;        // empty: not set
    std::string variable;           // the environment variable's name
    std::string variablePath;       // its value; empty: not set
    std::string programFolder;
    std::vector<std::string> pathFolders;
    std::string settingName = "the setting"; // where the setting is, for the user
};

struct FoundProgram {
    std::string program; // absolute path
    std::string origin;  // where it was found, for the user
};

// The first program the search finds; nullopt when there is none. Raises
// Error when a given path names nothing that runs.
std::optional<FoundProgram> FindProgram(const ProgramSearch& search);

// The program the search finds; raises Error naming `what` and how to point
// at it (the variable, PATH) when there is none.
FoundProgram RequiredProgram(const ProgramSearch& search, const std::string& what);

// A search for `names` with the environment variable `variable` read now
// and PATH split at ':'.
ProgramSearch SearchFromEnvironment(std::vector<std::string> names, std::string settingPath, const char* variable,
                                    std::string programFolder);

// The file names and variables of the programs a parallel run needs.
inline constexpr const char* kOpenSeesVariable = "MIRELO_OPENSEES";
inline constexpr const char* kOpenSeesMpVariable = "MIRELO_OPENSEES_MP";
inline constexpr const char* kOpenSeesSpVariable = "MIRELO_OPENSEES_SP";
inline constexpr const char* kMpiexecVariable = "MIRELO_MPIEXEC";
std::vector<std::string> OpenSeesNames();   // OpenSees, opensees
std::vector<std::string> OpenSeesMpNames(); // OpenSeesMP
std::vector<std::string> OpenSeesSpNames(); // OpenSeesSP
std::vector<std::string> MpiexecNames();    // mpiexec, mpirun

// One process to start: the program, its arguments, variables added to the
// environment, the working folder and the file its output goes to.
struct Launch {
    std::string program;
    std::vector<std::string> arguments;
    std::vector<std::pair<std::string, std::string>> environment;
    std::string workingFolder;
    std::string logPath;
};

// What Open MPI needs on this machine: a root user in a container must be
// allowed, and more processes than cores must be allowed to share them.
struct MpiHost {
    bool root = false;
    unsigned cores = 1;
};

// This machine: whether the user is root, and its cores.
MpiHost ThisMpiHost();

// mpiexec's start of the command line for `processes` processes: the host
// file when given (it then says where processes go), else --oversubscribe
// when they outnumber the cores; --allow-run-as-root for root.
std::vector<std::string> MpiexecArguments(int processes, const std::string& hostfile, const MpiHost& host);

// A suite's driver under mpiexec with OpenSeesMP: one launch.
Launch MpiSuiteLaunch(const std::string& mpiexec, const std::string& openSeesMp, const std::string& suiteFolder,
                      int processes, const std::string& hostfile, const MpiHost& host);

// The same runs without MPI: `processes` sequential OpenSees at once, each
// told its share through the environment, each with its own log.
std::vector<Launch> SequentialSuiteLaunches(const std::string& openSees, const std::string& suiteFolder,
                                            int processes);

// One script on OpenSeesSP under mpiexec, in the script's folder.
Launch MpiScriptLaunch(const std::string& mpiexec, const std::string& openSeesSp, const std::string& scriptPath,
                       int processes, const std::string& hostfile, const MpiHost& host);

} // namespace mirelo
