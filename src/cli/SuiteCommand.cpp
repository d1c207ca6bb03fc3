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
#include "model/ModelUnits.h"
#include "parallel/ParallelLaunch.h"
#include "parallel/SuiteScript.h"
#include "parallel/SuiteSummary.h"

#include <filesystem>
#include <iostream>
#include <ostream>

namespace mirelo::cli {

namespace {

namespace fs = std::filesystem;

struct SuiteOptions {
    std::string motions;
    std::vector<double> scales{1.0};
    int processes = 1;
    std::string hostfile;
    bool scriptOnly = false;
    bool resume = false;
    double timeLimit = 0;
};

SuiteOptions TakeSuiteOptions(Arguments& args)
{
    SuiteOptions o;
    o.motions = TakeOptionValue(args, "--motions");
    if (o.motions.empty())
        throw UsageError{"suite needs --motions FOLDER"};
    if (const std::string scales = TakeOptionValue(args, "--scales"); !scales.empty())
        o.scales = ParseScales(scales);
    o.processes = TakeProcessCount(args);
    o.hostfile = TakeOptionValue(args, "--hostfile");
    o.scriptOnly = TakeFlag(args, "--script-only");
    o.resume = TakeFlag(args, "--resume");
    if (const std::string limit = TakeOptionValue(args, "--time-limit"); !limit.empty()) {
        try {
            o.timeLimit = ParseReal(limit);
        } catch (const ConversionError&) {
            throw UsageError{"--time-limit takes seconds, not '" + limit + "'"};
        }
        if (!(o.timeLimit > 0))
            throw UsageError{"--time-limit takes seconds above zero, not " + limit};
    }
    return o;
}

// The runs to do: all, or with --resume those without a result. A folder
// of a run to do that holds a status of an earlier suite is emptied, so no
// file of that run outlives it.
std::vector<SuiteRun> RunsToDo(const std::string& dir, const std::vector<SuiteRun>& runs,
                               const std::vector<RunStatus>& statuses, bool resume)
{
    std::vector<SuiteRun> todo;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (resume && RunFinished(statuses[i]))
            continue;
        const fs::path folder = fs::path(dir) / runs[i].name;
        if (statuses[i].state != RunState::Waiting) {
            std::error_code error;
            fs::remove_all(folder, error);
        }
        todo.push_back(runs[i]);
    }
    return todo;
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
    const SuiteOptions suite = TakeSuiteOptions(args);
    const ModelOptions options =
        ParseModelOptions(args, "suite", {"an s2k file or a project", "a folder for the suite"});
    ModelArgument argument = LoadModelArgument(options.positionals[0]);
    ApplySettings(options, argument.analysis, argument.recorders);
    ApplyModelEdits(options, argument.model);
    CheckSuiteAnalysis(argument.analysis);
    const std::vector<GroundMotion> motions =
        ReadMotionSuite(suite.motions, StandardGravityIn(argument.model.Units.length));

    const std::string dir = fs::absolute(options.positionals[1]).string();
    const std::vector<SuiteRun> runs = PlanSuite(motions, suite.scales);
    const std::vector<SuiteRun> todo = RunsToDo(dir, runs, ReadSuiteStatus(dir, runs), suite.resume);
    for (const std::string& warning : WriteSuiteFiles(dir, argument.model, argument.analysis, argument.recorders,
                                                      motions, todo, suite.timeLimit))
        std::cerr << "mirelo-cli: warning: " << warning << '\n';
    out << runs.size() << " runs, " << todo.size() << " to do: " << (fs::path(dir) / kSuiteDriverFileName).string()
        << '\n';
    if (suite.scriptOnly)
        return 0;
    if (!todo.empty())
        RunTogether(SuiteLaunches(dir, suite, out));

    const std::vector<RunStatus> statuses = ReadSuiteStatus(dir, runs);
    WriteWholeFile((fs::path(dir) / kSummaryFileName).string(), SummaryCsv(motions, runs, statuses));
    std::string unfinished;
    for (std::size_t i = 0; i < runs.size(); ++i)
        if (!RunFinished(statuses[i]))
            unfinished += " " + runs[i].name + " (" + std::string(RunStateWord(statuses[i].state)) + ")";
    out << (fs::path(dir) / kSummaryFileName).string() << '\n';
    if (unfinished.empty())
        return 0;
    throw Error("Runs without a result:" + unfinished + "; the solver's messages are in " + dir
                + "/solver*.log, and --resume runs them again");
}

} // namespace mirelo::cli
