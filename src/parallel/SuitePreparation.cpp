#include "parallel/SuitePreparation.h"

#include "common/TextLines.h"
#include "model/ModelUnits.h"
#include "parallel/SuiteScript.h"
#include "parallel/SuiteSummary.h"

#include <filesystem>

namespace mirelo {

namespace {

namespace fs = std::filesystem;

// The runs to do: all, or on resuming those without a result. A folder of a
// run to do that holds a status of an earlier suite is emptied, so no file of
// that run outlives it.
std::vector<SuiteRun> RunsToDo(const std::string& folder, const std::vector<SuiteRun>& runs, bool resume)
{
    const std::vector<RunStatus> statuses = ReadSuiteStatus(folder, runs);
    std::vector<SuiteRun> todo;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (resume && RunFinished(statuses[i]))
            continue;
        if (statuses[i].state != RunState::Waiting) {
            std::error_code error;
            fs::remove_all(fs::path(folder) / runs[i].name, error);
        }
        todo.push_back(runs[i]);
    }
    return todo;
}

} // namespace

PreparedSuite PrepareSuite(Model& model, const AnalysisSettings& analysis, const RecorderSettings& recorder,
                           const SuiteRequest& request)
{
    CheckSuiteAnalysis(analysis);
    PreparedSuite suite;
    suite.motions = ReadMotionSuite(request.motionsFolder, StandardGravityIn(model.Units.length));
    suite.folder = fs::absolute(request.suiteFolder).string();
    suite.runs = PlanSuite(suite.motions, request.scales);
    suite.todo = RunsToDo(suite.folder, suite.runs, request.resume);
    suite.warnings = WriteSuiteFiles(suite.folder, model, analysis, recorder, suite.motions, suite.todo,
                                     request.timeLimitSeconds);
    return suite;
}

std::vector<std::string> WriteSuiteSummary(const PreparedSuite& suite)
{
    const std::vector<RunStatus> statuses = ReadSuiteStatus(suite.folder, suite.runs);
    WriteWholeFile((fs::path(suite.folder) / kSummaryFileName).string(), SummaryCsv(suite.motions, suite.runs, statuses));
    std::vector<std::string> unfinished;
    for (std::size_t i = 0; i < suite.runs.size(); ++i)
        if (!RunFinished(statuses[i]))
            unfinished.push_back(suite.runs[i].name + " (" + std::string(RunStateWord(statuses[i].state)) + ")");
    return unfinished;
}

} // namespace mirelo
