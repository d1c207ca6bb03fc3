#pragma once

#include "support/TestSupport.h"

#include "common/TextLines.h"
#include "model/Model.h"
#include "script/ScriptGenerator.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace mirelo::test {

// The solver the tests run: MIRELO_TEST_OPENSEES, else the one beside the
// source tree.
inline std::string Solver()
{
    if (const char* path = std::getenv("MIRELO_TEST_OPENSEES"))
        return path;
    return MIRELO_OPENSEES;
}

// Generates the model's script, runs it in `dir` and returns the solver's
// output; the test fails unless the run reached its end without a warning.
inline std::string RunModelInSolver(Model& model, const AnalysisSettings& analysis, const RecorderSettings& recorder,
                                    const TempDir& dir)
{
    ScriptResult script = GenerateScript(model, analysis, recorder);
    script.lines.Append("puts \"SCRIPT-END\"");
    SaveTextLines(dir.File("model.tcl"), script.lines);
    const std::string command = "cd '" + dir.path().string() + "' && '" + Solver() + "' model.tcl > log.txt 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0);
    const std::string log = ReadWholeFile(dir.File("log.txt"));
    EXPECT_NE(log.find("SCRIPT-END"), std::string::npos) << log;
    EXPECT_EQ(log.find("WARNING"), std::string::npos) << log;
    return log;
}

// Skips the tests of a fixture when there is no solver to run.
class SolverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::filesystem::exists(Solver()))
            GTEST_SKIP() << "no OpenSees at '" << Solver() << "' (set MIRELO_TEST_OPENSEES to run the solver tests)";
    }
};

} // namespace mirelo::test
