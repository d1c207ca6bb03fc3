#include "parallel/SuiteSummary.h"

#include "common/NumberText.h"

#include <algorithm>
#include <filesystem>
#include <numeric>

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

std::vector<IdaLine> IdaLines(const std::vector<GroundMotion>& motions, const std::vector<SuiteRun>& runs,
                              const std::vector<RunStatus>& statuses)
{
    std::vector<IdaLine> lines(motions.size());
    for (std::size_t m = 0; m < motions.size(); ++m)
        lines[m].record = motions[m].name;
    std::vector<std::size_t> order(runs.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return runs[a].scale < runs[b].scale; });
    for (const std::size_t i : order) {
        const RunStatus& s = statuses.at(i);
        if (s.state != RunState::Converged || !s.hasDisplacement)
            continue;
        IdaLine& line = lines.at(runs[i].motion);
        line.peakDisplacement.push_back(s.peakDisplacement);
        line.intensity.push_back(runs[i].scale);
    }
    return lines;
}

std::string IdaCsv(const std::vector<IdaLine>& lines)
{
    std::string csv = "record,scale,peak_displacement\n";
    for (const IdaLine& line : lines)
        for (std::size_t i = 0; i < line.intensity.size() && i < line.peakDisplacement.size(); ++i)
            csv += line.record + ',' + ShortestText(line.intensity[i]) + ',' + FormatGeneral(line.peakDisplacement[i]) + '\n';
    return csv;
}

} // namespace mirelo
