#include "parallel/ParallelLaunch.h"

#include "common/Errors.h"
#include "parallel/SuiteScript.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <unistd.h>

namespace mirelo {

namespace {

namespace fs = std::filesystem;

bool IsRunnable(const fs::path& path)
{
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    return !error && fs::is_regular_file(status)
        && (status.permissions() & (fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec))
               != fs::perms::none;
}

std::string InFolder(const std::string& folder, const std::vector<std::string>& names)
{
    if (folder.empty())
        return {};
    for (const std::string& name : names)
        if (const fs::path path = fs::path(folder) / name; IsRunnable(path))
            return fs::absolute(path).string();
    return {};
}

std::string Given(const std::string& path, const std::vector<std::string>& names, const std::string& origin)
{
    if (IsRunnable(path))
        return fs::absolute(path).string();
    std::error_code error;
    if (fs::is_directory(path, error))
        if (std::string inside = InFolder(path, names); !inside.empty())
            return inside;
    throw Error("The program named by " + origin + ", \"" + path + "\", is not a program that can be run");
}

Launch InSuiteFolder(const std::string& suiteFolder)
{
    Launch launch;
    launch.workingFolder = suiteFolder;
    launch.arguments = {kSuiteDriverFileName};
    return launch;
}

} // namespace

std::optional<FoundProgram> FindProgram(const ProgramSearch& search)
{
    if (!search.settingPath.empty())
        return FoundProgram{Given(search.settingPath, search.names, search.settingName), search.settingName};
    const std::string variable = "the environment variable " + search.variable;
    if (!search.variablePath.empty())
        return FoundProgram{Given(search.variablePath, search.names, variable), variable};
    if (std::string beside = InFolder(search.programFolder, search.names); !beside.empty())
        return FoundProgram{beside, "the program's folder"};
    for (const std::string& folder : search.pathFolders)
        if (std::string onPath = InFolder(folder, search.names); !onPath.empty())
            return FoundProgram{onPath, "PATH"};
    return std::nullopt;
}

FoundProgram RequiredProgram(const ProgramSearch& search, const std::string& what)
{
    const auto found = FindProgram(search);
    if (!found)
        throw Error(what + " was not found (set " + search.variable + " or put it on PATH)");
    return *found;
}

MpiHost ThisMpiHost()
{
    return {geteuid() == 0, std::max(1u, std::thread::hardware_concurrency())};
}

ProgramSearch SearchFromEnvironment(std::vector<std::string> names, std::string settingPath, const char* variable,
                                    std::string programFolder)
{
    ProgramSearch search;
    search.names = std::move(names);
    search.settingPath = std::move(settingPath);
    search.variable = variable;
    if (const char* value = std::getenv(variable))
        search.variablePath = value;
    search.programFolder = std::move(programFolder);
    if (const char* path = std::getenv("PATH")) {
        std::string all(path);
        std::size_t start = 0;
        while (start <= all.size()) {
            const std::size_t colon = std::min(all.find(':', start), all.size());
            if (colon > start)
                search.pathFolders.push_back(all.substr(start, colon - start));
            start = colon + 1;
        }
    }
    return search;
}

std::vector<std::string> OpenSeesNames()
{
    return {"OpenSees", "opensees"};
}

std::vector<std::string> OpenSeesMpNames()
{
    return {"OpenSeesMP"};
}

std::vector<std::string> OpenSeesSpNames()
{
    return {"OpenSeesSP"};
}

std::vector<std::string> MpiexecNames()
{
    return {"mpiexec", "mpirun"};
}

std::vector<std::string> MpiexecArguments(int processes, const std::string& hostfile, const MpiHost& host)
{
    std::vector<std::string> arguments;
    if (host.root)
        arguments.push_back("--allow-run-as-root");
    if (!hostfile.empty())
        arguments.insert(arguments.end(), {"--hostfile", hostfile});
    else if (processes > static_cast<int>(host.cores))
        arguments.push_back("--oversubscribe");
    arguments.insert(arguments.end(), {"-np", std::to_string(processes)});
    return arguments;
}

Launch MpiSuiteLaunch(const std::string& mpiexec, const std::string& openSeesMp, const std::string& suiteFolder,
                      int processes, const std::string& hostfile, const MpiHost& host)
{
    Launch launch = InSuiteFolder(suiteFolder);
    launch.program = mpiexec;
    std::vector<std::string> arguments = MpiexecArguments(processes, hostfile, host);
    arguments.push_back(openSeesMp);
    arguments.insert(arguments.end(), launch.arguments.begin(), launch.arguments.end());
    launch.arguments = std::move(arguments);
    launch.logPath = (fs::path(suiteFolder) / "solver.log").string();
    return launch;
}

std::vector<Launch> SequentialSuiteLaunches(const std::string& openSees, const std::string& suiteFolder,
                                            int processes)
{
    std::vector<Launch> launches;
    for (int p = 0; p < processes; ++p) {
        Launch launch = InSuiteFolder(suiteFolder);
        launch.program = openSees;
        launch.environment = {{kSuiteProcessVariable, std::to_string(p)},
                              {kSuiteProcessCountVariable, std::to_string(processes)}};
        launch.logPath = (fs::path(suiteFolder) / ("solver_" + std::to_string(p) + ".log")).string();
        launches.push_back(std::move(launch));
    }
    return launches;
}

Launch MpiScriptLaunch(const std::string& mpiexec, const std::string& openSeesSp, const std::string& scriptPath,
                       int processes, const std::string& hostfile, const MpiHost& host)
{
    const fs::path script = fs::absolute(scriptPath);
    Launch launch;
    launch.program = mpiexec;
    launch.arguments = MpiexecArguments(processes, hostfile, host);
    launch.arguments.push_back(openSeesSp);
    launch.arguments.push_back(script.filename().string());
    launch.workingFolder = script.parent_path().string();
    launch.logPath = (script.parent_path() / "solver.log").string();
    return launch;
}

} // namespace mirelo
