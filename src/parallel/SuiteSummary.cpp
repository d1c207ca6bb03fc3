#include "parallel/SuiteSummary.h"

#include "common/NumberText.h"

#include <filesystem>

namespace mirelo {

std::vector<RunStatus> ReadSuiteStatus(const std::string& suiteFolder, const std::vector<SuiteRun>& runs)
{
    std::vector<RunStatus> statuses;
    for (const SuiteRun& run : runs)
        statuses.push_back(ReadRunStatus((std::filesystem::path(suiteFolder) / run.name).string()));
    return statuses;
}

std::string SummaryCsv(const std::vector<GroundMotion>& motions, const std::vector<SuiteRun>& runs,
                       const std::vector<RunStatus>& statuses)
{
    std::string csv = "record,scale,converged,last_step,steps,peak_displacement,peak_base_shear,wall_time_s,state\n";
    for (std::size_t i = 0; i < runs.size() && i < statuses.size(); ++i) {
        const RunStatus& s = statuses[i];
        csv += motions.at(runs[i].motion).name + ',' + ShortestText(runs[i].scale) + ',';
        csv += s.state == RunState::Converged ? "yes," : "no,";
        csv += std::to_string(s.step) + ',' + std::to_string(motions.at(runs[i].motion).values.size()) + ',';
        csv += (s.hasDisplacement ? FormatGeneral(s.peakDisplacement) : "") + ',';
        csv += (s.hasBaseShear ? FormatGeneral(s.peakBaseShear) : "") + ',';
        csv += FormatFixed(s.seconds, 3) + ',' + std::string(RunStateWord(s.state)) + '\n';
    }
    return csv;
}

} // namespace mirelo
