#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace mirelo {

// Where a suite's run stands, as the driver writes it into the run's folder
// (suite_run.txt, replaced whole at each write): while it runs, every half
// second, and once at its end after the recorders are closed.
enum class RunState { Waiting, Running, Converged, Failed, TimeLimit, ScriptError };

struct RunStatus {
    RunState state = RunState::Waiting;
    std::int64_t step = 0;  // the last step reached
    std::int64_t steps = 0; // the record's steps
    double seconds = 0;     // wall time so far
    double peakDisplacement = 0;
    bool hasDisplacement = false; // the control joint has the control direction
    double peakBaseShear = 0;
    bool hasBaseShear = false; // RecordCurves, and supports along the control direction
};

inline constexpr const char* kRunStatusFileName = "suite_run.txt";

// The word the driver writes for a state, and the caption the summary and
// the desktop's table show.
std::string_view RunStateWord(RunState state);

// The status in a run's folder; Waiting when the run has none. A file that
// cannot be read as a status counts as a run that did not finish (Running).
RunStatus ReadRunStatus(const std::string& runFolder);

// Converged or failed to converge: a result that a resumed suite keeps.
bool RunFinished(const RunStatus& status);

} // namespace mirelo
