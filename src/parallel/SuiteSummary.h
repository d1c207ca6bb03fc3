#pragma once

#include "parallel/GroundMotion.h"
#include "parallel/RunStatus.h"
#include "parallel/SuitePlan.h"

#include <string>
#include <vector>

namespace mirelo {

inline constexpr const char* kSummaryFileName = "summary.csv";

// The status of every run, read from its folder in the suite's.
std::vector<RunStatus> ReadSuiteStatus(const std::string& suiteFolder, const std::vector<SuiteRun>& runs);

// summary.csv: a heading, then a line per run: record, scale, converged
// (yes/no), the last step reached and the record's steps, the peak
// displacement of the control joint and the peak base shear (empty where the
// run records none), wall time in seconds, and the run's state; LF line ends.
std::string SummaryCsv(const std::vector<GroundMotion>& motions, const std::vector<SuiteRun>& runs,
                       const std::vector<RunStatus>& statuses);

// One record's line of an incremental dynamic analysis: the peak
// displacement of the control joint against the intensity (the scale), for
// its converged runs in the order of the scales.
struct IdaLine {
    std::string record;
    std::vector<double> peakDisplacement;
    std::vector<double> intensity;
};
std::vector<IdaLine> IdaLines(const std::vector<GroundMotion>& motions, const std::vector<SuiteRun>& runs,
                              const std::vector<RunStatus>& statuses);

// The lines as CSV: a heading, then a line per point (record, scale, peak
// displacement), record by record; LF line ends.
std::string IdaCsv(const std::vector<IdaLine>& lines);

} // namespace mirelo
