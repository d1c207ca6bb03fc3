#pragma once

#include "common/TextLines.h"
#include "model/ImportS2k.h"
#include "script/ScriptGenerator.h"
#include "script/AnalysisSettings.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace mirelo::test {

// The OpenSees the tests run: MIRELO_TEST_OPENSEES, or the team's copy beside
// the source tree. Tests skip with a message when it is not there.
inline std::filesystem::path SolverPath()
{
    if (const char* set = std::getenv("MIRELO_TEST_OPENSEES"); set && *set)
        return set;
    return std::filesystem::path(MIRELO_SOURCE_DIR) / ".." / "shared" / "tools" / "opensees" / "opensees";
}

inline bool SolverPresent()
{
    return std::filesystem::exists(SolverPath());
}

// A model, the settings its script was generated with, and the solver's log.
struct SolverRun {
    Model model;
    AnalysisSettings analysis;
    std::string log;
    bool reachedEnd = false; // the script ran to its last line without a warning
};

// Writes the script into `folder` as model.tcl, with an end marker as its last
// line, and runs the solver there as the program does: the script's folder as
// working directory. Returns whether the run reached the marker without a
// warning; the solver's output goes into `log`.
inline bool RunScriptInSolver(ScriptResult script, const std::filesystem::path& folder, std::string& log)
{
    script.lines.Append("puts \"SCRIPT-END\"");
    SaveTextLines((folder / "model.tcl").string(), script.lines);
    const std::string command =
        "cd '" + folder.string() + "' && '" + SolverPath().string() + "' model.tcl > solver.log 2>&1";
    const int status = std::system(command.c_str());
    log = ReadWholeFile((folder / "solver.log").string());
    return status == 0 && log.find("SCRIPT-END") != std::string::npos && log.find("WARNING") == std::string::npos;
}

// Imports an s2k model and runs its script, generated with the settings given
// by name, in `folder`.
inline SolverRun RunModelInSolver(const std::filesystem::path& s2k, const std::filesystem::path& folder,
                                  const std::vector<std::pair<std::string, std::string>>& settings)
{
    SolverRun run;
    RecorderSettings recorder;
    for (const auto& [name, value] : settings)
        SetSetting(run.analysis, recorder, name, value);
    run.model = ImportS2kFile(s2k.string()).model;
    run.reachedEnd = RunScriptInSolver(GenerateScript(run.model, run.analysis, recorder), folder, run.log);
    return run;
}

} // namespace mirelo::test
