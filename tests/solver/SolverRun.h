#pragma once

#include "support/SolverRunner.h"
#include "support/TestSupport.h"

#include "model/Model.h"
#include "script/ScriptGenerator.h"

#include <gtest/gtest.h>

#include <string>

namespace mirelo::test {

// Generates the model's script, runs it in `dir` and returns the solver's
// output; the test fails unless the run reached its end without a warning.
inline std::string RunModelInSolver(Model& model, const AnalysisSettings& analysis, const RecorderSettings& recorder,
                                    const TempDir& dir)
{
    std::string log;
    EXPECT_TRUE(RunScriptInSolver(GenerateScript(model, analysis, recorder), dir.path(), log)) << log;
    return log;
}

// Skips the tests of a fixture when there is no solver to run.
class SolverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!SolverPresent())
            GTEST_SKIP() << "no OpenSees at '" << SolverPath().string()
                         << "' (set MIRELO_TEST_OPENSEES to run the solver tests)";
    }
};

} // namespace mirelo::test
