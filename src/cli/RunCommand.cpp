// mirelo-cli run: the model's script run in a folder, by the sequential
// OpenSees or, with --np N, by OpenSeesSP under mpiexec with the parallel
// solver (system Mumps); the same recorder files either way.
#include "cli/ChildProcesses.h"
#include "cli/Commands.h"
#include "cli/ModelArgument.h"
#include "cli/ModelOptions.h"
#include "cli/TakeOption.h"

#include "common/TextLines.h"
#include "parallel/ParallelLaunch.h"
#include "parallel/ParallelScript.h"
#include "script/ScriptGenerator.h"

#include <filesystem>
#include <iostream>
#include <ostream>

namespace mirelo::cli {

namespace {

namespace fs = std::filesystem;

constexpr const char* kScriptName = "model.tcl";
// The solver's exit status says nothing of errors: the last line says the
// script ran to its end.
constexpr const char* kEndMarker = "MIRELO-RUN-END";

} // namespace

int RunRun(const Arguments& given, std::ostream& out)
{
    Arguments args = given;
    const int processes = TakeProcessCount(args);
    const std::string hostfile = TakeOptionValue(args, "--hostfile");
    const ModelOptions options = ParseModelOptions(args, "run", {"an s2k file or a project", "a folder for the run"});
    ModelArgument argument = LoadModelArgument(options.positionals[0]);
    ApplySettings(options, argument.analysis, argument.recorders);
    ApplyModelEdits(options, argument.model);
    CheckParallelAnalysis(argument.analysis, processes);

    ScriptResult script =
        GenerateScript(argument.model, argument.analysis, argument.recorders, ParallelScriptOptions(processes));
    for (const std::string& warning : script.warnings)
        std::cerr << "mirelo-cli: warning: " << warning << '\n';
    script.lines.Append(std::string("puts \"") + kEndMarker + "\"");
    const fs::path dir = fs::absolute(options.positionals[1]);
    std::error_code error;
    fs::create_directories(dir, error);
    const std::string scriptPath = (dir / kScriptName).string();
    SaveTextLines(scriptPath, script.lines);

    const std::string here = ProgramFolder();
    Launch launch;
    if (processes > 1) {
        const FoundProgram mpiexec = RequiredProgram(SearchFromEnvironment(MpiexecNames(), "", kMpiexecVariable, here), "mpiexec");
        const FoundProgram sp =
            RequiredProgram(SearchFromEnvironment(OpenSeesSpNames(), "", kOpenSeesSpVariable, here), "OpenSeesSP");
        launch = MpiScriptLaunch(mpiexec.program, sp.program, scriptPath, processes, hostfile, ThisMpiHost());
    } else {
        launch.program = RequiredProgram(SearchFromEnvironment(OpenSeesNames(), "", kOpenSeesVariable, here), "OpenSees").program;
        launch.arguments = {kScriptName};
        launch.workingFolder = dir.string();
        launch.logPath = (dir / "solver.log").string();
    }
    RunTogether({launch});
    if (ReadWholeFile(launch.logPath).find(kEndMarker) == std::string::npos)
        throw Error("The solver stopped before the end of the script; its messages are in " + launch.logPath);
    out << "Run to its end: " << dir.string() << '\n';
    return 0;
}

} // namespace mirelo::cli
