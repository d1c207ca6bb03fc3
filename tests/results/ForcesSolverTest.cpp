// Element forces and reactions of generated scripts run in the real OpenSees.
// Skipped, with a message, where the solver is not installed.
#include "results/ElementForces.h"
#include "results/ForceDiagram.h"
#include "results/Reactions.h"
#include "results/StepLoads.h"
#include "script/RecorderFiles.h"
#include "script/SolverFrameAxes.h"
#include "support/SolverRunner.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

namespace mirelo {
namespace {

class ForcesInSolver : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!test::SolverPresent())
            GTEST_SKIP() << "OpenSees not found at " << test::SolverPath()
                         << " (set MIRELO_TEST_OPENSEES): the real-solver tests are skipped";
    }

    // Runs a model of the test data, or an example, with forces and reactions recorded.
    test::SolverRun Run(const std::string& name, std::vector<std::pair<std::string, std::string>> settings)
    {
        settings.push_back({"RecordElementForce", "1"});
        settings.push_back({"RecordReactions", "1"});
        const std::filesystem::path data = test::SourceDir() / "tests" / "results" / "data" / name;
        test::SolverRun run = test::RunModelInSolver(std::filesystem::exists(data) ? data : test::ExamplePath(name),
                                                     dir_.path(), settings);
        EXPECT_TRUE(run.reachedEnd) << run.log;
        return run;
    }

    std::string folder() const { return dir_.path().string(); }

    test::TempDir dir_;
    RecorderFileCache files_;
};

TEST_F(ForcesInSolver, ACantileverWithATipLoadHasBaseMomentPLAndShearP)
{
    const test::SolverRun run = Run("cantilever-tip-load.s2k", {{"LoadSteps", "2"}});
    const ElementForces forces = ReadElementForces(folder(), run.model, StepChoice(), files_);
    EXPECT_EQ(forces.time, 1);
    const std::span<const double, 12> ends(forces.Of(1).data(), 12);
    const double P = 10, L = 4;
    // Hogging: the top (+z, the local 2 axis) is stretched at the support.
    const FrameDiagram moment = DiagramOfFrame(ends, {}, ForceQuantity::My, L);
    EXPECT_NEAR(moment.atI, P * L, 1e-9);
    EXPECT_NEAR(moment.atJ, 0, 1e-9);
    EXPECT_NEAR(moment.extreme, P * L, 1e-9);
    EXPECT_EQ(moment.extremeAt, 0);
    for (const double x : {0.0, 2.0, 4.0})
        EXPECT_NEAR(std::abs(ForceAt(ends, {}, ForceQuantity::Vz, x)), P, 1e-9) << x;
    const SupportReactions reactions = ReadReactions(folder(), run.model, StepChoice(), files_);
    ASSERT_EQ(reactions.joints, std::vector<std::int32_t>{1});
    EXPECT_NEAR(reactions.values[2], P, 1e-12);
    EXPECT_NEAR(reactions.values[4], -P * L, 1e-12);
}

TEST_F(ForcesInSolver, ASimplySupportedBeamUnderAUniformLoadHasMidspanMomentWLSquaredOverEight)
{
    const test::SolverRun run = Run("simple-beam-uniform.s2k", {{"LoadSteps", "4"}});
    for (const std::int32_t step : {2, 4}) {
        const ElementForces forces = ReadElementForces(folder(), run.model, step, files_);
        const std::vector<CaseFactor> factors = StepLoadFactors(run.analysis, step, forces.time);
        const SpanLoad load = FrameSpanLoads(run.model, factors)[0];
        const double w = 5 * forces.time, L = 6;
        EXPECT_DOUBLE_EQ(load.wz, -w);
        const std::span<const double, 12> ends(forces.Of(1).data(), 12);
        // Sagging stretches the bottom, against the local 2 axis: My is negative.
        const FrameDiagram moment = DiagramOfFrame(ends, load, ForceQuantity::My, L);
        EXPECT_NEAR(ForceAt(ends, load, ForceQuantity::My, L / 2), -w * L * L / 8, 1e-5 * w * L * L);
        EXPECT_NEAR(moment.extreme, -w * L * L / 8, 1e-5 * w * L * L) << "step " << step;
        EXPECT_NEAR(moment.extremeAt, L / 2, 1e-5);
        EXPECT_NEAR(std::abs(moment.atI) + std::abs(moment.atJ), 0, 1e-9);
        EXPECT_NEAR(ForceAt(ends, load, ForceQuantity::Vz, L / 2), 0, 1e-5 * w * L);
    }
}

TEST_F(ForcesInSolver, TheExampleBuildingsReactionsBalanceItsLoadsAtEveryGravityStep)
{
    const test::SolverRun run = Run("rc-frame-building.s2k", {{"LoadCase", "1"}, {"LoadSteps", "4"}});
    for (std::int32_t step = 1; step <= 4; ++step) {
        const SupportReactions reactions = ReadReactions(folder(), run.model, step, files_);
        const ForceTotals held = ReactionTotals(run.model, reactions);
        const ForceTotals applied =
            AppliedLoadTotals(run.model, StepLoadFactors(run.analysis, step, reactions.time));
        ASSERT_GT(std::abs(applied[2]), 100) << "the dead load pushes down";
        const double force = std::hypot(applied[0], applied[1], applied[2]);
        const double moment = std::hypot(applied[3], applied[4], applied[5]);
        for (std::size_t a = 0; a < 6; ++a)
            EXPECT_NEAR(held[a], -applied[a], 1e-9 * (a < 3 ? force : moment)) << "step " << step << " component " << a;
    }
}

// The numbers of line `step` of a file, read independently of the readers.
std::vector<double> NumbersOfLine(const std::string& path, std::int64_t step)
{
    std::ifstream in(path);
    std::string line;
    for (std::int64_t s = 1; s <= step; ++s)
        std::getline(in, line);
    return test::NumbersIn(line);
}

TEST_F(ForcesInSolver, ThePushoverOfTheExampleBuildingReadsBackValueForValue)
{
    const test::SolverRun run = Run("rc-frame-building.s2k", {{"AnalysisType", "3"}, {"PushoverCase", "3"},
                                                              {"LoadSteps", "2"}, {"AnalysisSteps", "3"},
                                                              {"ControlNode", "51"}, {"ControlDisp", "0.001"}});
    for (const std::int32_t step : {1, 5}) {
        const ElementForces forces = ReadElementForces(folder(), run.model, step, files_);
        for (const RecorderFileGroup& g : ElementFileGroups(run.model.Frames.count)) {
            const std::vector<double> numbers = NumbersOfLine(dir_.File(ElementForceFileName(g.fileNumber)), step);
            ASSERT_FALSE(numbers.empty());
            std::size_t at = 1;
            for (std::int32_t k = g.first; k <= g.last; ++k)
                for (const double value : forces.Of(k))
                    ASSERT_EQ(value, numbers.at(at++)) << "frame " << k;
            EXPECT_EQ(at, numbers.size());
        }
        // After the gravity steps the dead load stays at its factor while the push grows.
        const auto factors = StepLoadFactors(run.analysis, step, forces.time);
        EXPECT_EQ(factors.size(), step == 1 ? 1u : 2u);
        const SupportReactions reactions = ReadReactions(folder(), run.model, step, files_);
        const ForceTotals held = ReactionTotals(run.model, reactions);
        const ForceTotals applied = AppliedLoadTotals(run.model, factors);
        EXPECT_NEAR(held[2], -applied[2], 1e-6 * std::abs(applied[2]));
    }
}

} // namespace
} // namespace mirelo
