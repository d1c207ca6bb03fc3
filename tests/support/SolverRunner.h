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

// Imports an s2k model, generates its script with the settings given by name
// into `folder` as model.tcl, and runs the solver there as the program does:
// the script's folder as working directory.
inline SolverRun RunModelInSolver(const std::filesystem::path& s2k, const std::filesystem::path& folder,
                                  const std::vector<std::pair<std::string, std::string>>& settings)
{
    SolverRun run;
    RecorderSettings recorder;
    for (const auto& [name, value] : settings)
        SetSetting(run.analysis, recorder, name, value);
    run.model = ImportS2kFile(s2k.string()).model;
    ScriptResult script = GenerateScript(run.model, run.analysis, recorder);
    script.lines.Append("puts \"SCRIPT-END\"");
    SaveTextLines((folder / "model.tcl").string(), script.lines);
    const std::string command =
        "cd '" + folder.string() + "' && '" + SolverPath().string() + "' model.tcl > solver.log 2>&1";
    const int status = std::system(command.c_str());
    run.log = ReadWholeFile((folder / "solver.log").string());
    run.reachedEnd = status == 0 && run.log.find("SCRIPT-END") != std::string::npos &&
                     run.log.find("WARNING") == std::string::npos;
    return run;
}

} // namespace mirelo::test
