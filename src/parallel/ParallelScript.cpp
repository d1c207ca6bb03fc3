#include "parallel/ParallelScript.h"

#include "common/Errors.h"

#include <string>

namespace mirelo {

void CheckParallelAnalysis(const AnalysisSettings& analysis, int processes)
{
    // A second pattern after the first analyze, or an eigen solve, stops OpenSeesSP.
    if (processes <= 1 || (!LoadsGravityFirst(analysis.AnalysisType) && !ComputesModes(analysis.AnalysisType)))
        return;
    throw Error("OpenSeesSP runs the static analyses of one load pattern (AnalysisType 1 or 2) on several processes, "
                "not AnalysisType " + std::to_string(analysis.AnalysisType)
                + ": it waits forever for a pattern added after its first analyze and has no solver for eigen. "
                  "Run it in one process, or run time histories as a suite");
}

bool UsesParallelSolver(std::string_view script)
{
    constexpr std::string_view kBlanks = " \t";
    for (std::size_t start = 0; start < script.size();) {
        std::size_t end = script.find('\n', start);
        if (end == std::string_view::npos)
            end = script.size();
        std::string_view line = script.substr(start, end - start);
        start = end + 1;
        const std::size_t first = line.find_first_not_of(kBlanks);
        if (first == std::string_view::npos || line.substr(first, 6) != "system")
            continue;
        line.remove_prefix(first + 6);
        const std::size_t word = line.find_first_not_of(kBlanks);
        if (word == 0 || word == std::string_view::npos || line.substr(word, 5) != "Mumps")
            continue;
        line.remove_prefix(word + 5);
        if (line.empty() || kBlanks.find(line.front()) != std::string_view::npos || line.front() == ';'
            || line.front() == '\r')
            return true;
    }
    return false;
}

ScriptOptions ParallelScriptOptions(int processes)
{
    ScriptOptions options;
    if (processes > 1)
        options.system = "Mumps";
    return options;
}

} // namespace mirelo
