#pragma once

#include "model/Model.h"
#include "parallel/GroundMotion.h"
#include "parallel/SuitePlan.h"
#include "script/AnalysisSettings.h"

#include <string>
#include <vector>

namespace mirelo {

// What a suite is asked to do, as the command line and the desktop's window
// give it.
struct SuiteRequest {
    std::string motionsFolder;
    std::vector<double> scales{1.0};
    std::string suiteFolder;
    double timeLimitSeconds = 0; // 0: none
    bool resume = false;         // run only the runs without a result
};

// A suite whose files are written, ready to start.
struct PreparedSuite {
    std::string folder; // absolute
    std::vector<GroundMotion> motions;
    std::vector<SuiteRun> runs; // all of them
    std::vector<SuiteRun> todo; // those the driver runs
    std::vector<std::string> warnings;
};

// Checks the analysis, reads every record (MotionError names the bad ones
// before anything is written), plans the runs, empties the folders of runs
// to do that hold an earlier run's status, and writes the suite's files.
PreparedSuite PrepareSuite(Model& model, const AnalysisSettings& analysis, const RecorderSettings& recorder,
                           const SuiteRequest& request);

// Reads every run's status and writes summary.csv; returns the names of the
// runs without a result, each with its state ("calm_s3 (time-limit)").
std::vector<std::string> WriteSuiteSummary(const PreparedSuite& suite);

} // namespace mirelo
