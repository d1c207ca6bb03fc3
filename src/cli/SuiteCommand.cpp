// mirelo-cli suite: a model under every record of a ground-motion suite at
// every scale, spread over processes by OpenSeesMP (or sequential OpenSees
// processes where there is no MPI interpreter), then summary.csv.
#include "cli/ChildProcesses.h"
#include "cli/Commands.h"
#include "cli/ModelArgument.h"
#include "cli/ModelOptions.h"
#include "cli/TakeOption.h"

#include "common/NumberText.h"
#include "common/TextLines.h"
#include "parallel/ParallelLaunch.h"
#include "parallel/SuitePreparation.h"
#include "parallel/SuiteScript.h"
#include "parallel/SuiteSummary.h"

#include <filesystem>
#include <iostream>
#include <ostream>

namespace mirelo::cli {

namespace {

namespace fs = std::filesystem;

struct SuiteOptions {
    SuiteRequest request;
    int processes = 1;
    std::string hostfile;
    bool scriptOnly = false;
};

SuiteOptions TakeSuiteOptions(Arguments& args)
{
    SuiteOptions o;
    o.request.motionsFolder = TakeOptionValue(args, "--motions");
    if (o.request.motionsFolder.empty())
        throw UsageError{"suite needs --motions FOLDER"};
    if (const std::string scales = TakeOptionValue(args, "--scales"); !scales.empty())
        o.request.scales = ParseScales(scales);
    o.processes = TakeProcessCount(args);
    o.hostfile = TakeOptionValue(args, "--hostfile");
    o.scriptOnly = TakeFlag(args, "--script-only");
    o.request.resume = TakeFlag(args, "--resume");
    if (const std::string limit = TakeOptionValue(args, "--time-limit"); !limit.empty()) {
        try {
            o.request.timeLimitSeconds = ParseReal(limit);
        } catch (const ConversionError&) {
            throw UsageError{"--time-limit takes seconds, not '" + limit + "'"};
        }
        if (!(o.request.timeLimitSeconds > 0))
            throw UsageError{"--time-limit takes seconds above zero, not " + limit};
    }
    return o;
}

// OpenSeesMP under mpiexec, else `processes` sequential OpenSees.
std::vector<Launch> SuiteLaunches(const std::string& dir, const SuiteOptions& o, std::ostream& out)
{
    const std::string here = ProgramFolder();
    const auto mpiexec = FindProgram(SearchFromEnvironment(MpiexecNames(), "", kMpiexecVariable, here));
    const auto mp = FindProgram(SearchFromEnvironment(OpenSeesMpNames(), "", kOpenSeesMpVariable, here));
    if (mpiexec && mp) {
        out << "OpenSeesMP: " << mp->program << " (" << mp->origin << ")\n";
        return {MpiSuiteLaunch(mpiexec->program, mp->program, dir, o.processes, o.hostfile, ThisMpiHost())};
    }
    const auto openSees = FindProgram(SearchFromEnvironment(OpenSeesNames(), "", kOpenSeesVariable, here));
    if (!openSees)
        throw Error(std::string("Neither mpiexec with OpenSeesMP nor OpenSees was found (set ") + kOpenSeesMpVariable
                    + " and " + kMpiexecVariable + ", or " + kOpenSeesVariable + ", or put them on PATH)");
    out << "No MPI interpreter: " << o.processes << " OpenSees process(es) at once, " << openSees->program << " ("
        << openSees->origin << ")\n";
    return SequentialSuiteLaunches(openSees->program, dir, o.processes);
}

} // namespace

int RunSuite(const Arguments& given, std::ostream& out)
{
    Arguments args = given;
    const SuiteOptions options = TakeSuiteOptions(args);
    const ModelOptions modelOptions =
        ParseModelOptions(args, "suite", {"an s2k file or a project", "a folder for the suite"});
    ModelArgument argument = LoadModelArgument(modelOptions.positionals[0]);
    ApplySettings(modelOptions, argument.analysis, argument.recorders);
    ApplyModelEdits(modelOptions, argument.model);
    SuiteRequest request = options.request;
    request.suiteFolder = modelOptions.positionals[1];
    const PreparedSuite suite = PrepareSuite(argument.model, argument.analysis, argument.recorders, request);
    for (const std::string& warning : suite.warnings)
        std::cerr << "mirelo-cli: warning: " << warning << '\n';
    out << suite.runs.size() << " runs, " << suite.todo.size()
        << " to do: " << (fs::path(suite.folder) / kSuiteDriverFileName).string() << '\n';
    if (options.scriptOnly)
        return 0;
    if (!suite.todo.empty())
        RunTogether(SuiteLaunches(suite.folder, options, out));
    const std::vector<std::string> unfinished = WriteSuiteSummary(suite);
    out << (fs::path(suite.folder) / kSummaryFileName).string() << '\n';
    if (unfinished.empty())
        return 0;
    std::string names;
    for (const std::string& name : unfinished)
        names += " " + name;
    throw Error("Runs without a result:" + names + "; the solver's messages are in " + suite.folder
                + "/solver*.log, and --resume runs them again");
}

} // namespace mirelo::cli
