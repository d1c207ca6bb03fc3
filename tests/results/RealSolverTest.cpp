// Runs the real OpenSees on generated scripts and reads its recorder files
// back. Skipped, with a message, where the solver is not installed.
#include "results/ResultReaders.h"
#include "script/RecorderFiles.h"
#include "support/SolverRunner.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <fstream>

namespace mirelo {
namespace {

// Runs an example model, or one of the test data, whose script must reach its end.
test::SolverRun RunExample(const test::TempDir& dir, const std::string& example,
                           const std::vector<std::pair<std::string, std::string>>& settings)
{
    const std::filesystem::path data = test::SourceDir() / "tests" / "results" / "data" / example;
    test::SolverRun run =
        test::RunModelInSolver(std::filesystem::exists(data) ? data : test::ExamplePath(example), dir.path(), settings);
    EXPECT_TRUE(run.reachedEnd) << run.log;
    return run;
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

std::int64_t LineCount(const std::string& path)
{
    std::ifstream in(path);
    std::int64_t count = 0;
    for (std::string line; std::getline(in, line);)
        ++count;
    return count;
}

class RealSolver : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!test::SolverPresent())
            GTEST_SKIP() << "OpenSees not found at " << test::SolverPath()
                         << " (set MIRELO_TEST_OPENSEES): the real-solver tests are skipped";
    }
};

// Every joint value the reader gives equals the number in the file's text.
void ExpectJointsMatchFiles(const Model& model, const JointResults& r,
                            const std::function<std::string(std::int32_t)>& path, std::int64_t line)
{
    for (const RecorderFileGroup& g : NodeFileGroups(model.Joints.count)) {
        const std::vector<double> numbers = NumbersOfLine(path(g.fileNumber), line);
        ASSERT_EQ(numbers.size(), 1 + 3u * static_cast<std::size_t>(g.last - g.first + 1));
        for (std::int32_t k = g.first; k <= g.last; ++k)
            for (int a = 0; a < 3; ++a)
                ASSERT_EQ(r.values[static_cast<std::size_t>(3 * (k - 1) + a)],
                          numbers[static_cast<std::size_t>(1 + 3 * (k - g.first) + a)])
                    << "joint " << k;
    }
}

TEST_F(RealSolver, GravityAndPushoverOfTheExampleBuildingReadBackValueForValue)
{
    const test::TempDir dir;
    const test::SolverRun run = RunExample(dir, "rc-frame-building.s2k",
                               {{"AnalysisType", "3"}, {"PushoverCase", "2"}, {"LoadSteps", "5"},
                                {"AnalysisSteps", "10"}, {"ControlNode", "51"}, {"ControlDisp", "0.001"},
                                {"RecordSectionDeformation", "1"}});
    const std::string node0 = dir.File("node0.out");
    ASSERT_EQ(LineCount(node0), 15); // 5 gravity and 10 pushover steps
    RecorderFileCache files;
    for (const StepChoice step : {StepChoice(1), StepChoice(7), StepChoice()}) {
        const JointResults r = ReadNodeDisplacements(dir.path().string(), run.model, step, files);
        EXPECT_EQ(r.stepCount, 15);
        ExpectJointsMatchFiles(run.model, r, [&](std::int32_t b) { return dir.File(NodeDisplacementFileName(b)); },
                               r.step);
    }
    // The roof master joint moved along X at the last step.
    EXPECT_GT(std::abs(ReadNodeDisplacements(dir.path().string(), run.model, {}, files).values[3 * 50]), 1e-4);

    for (const SectionQuantity q : {SectionQuantity::AxialStrain, SectionQuantity::CurvatureZ, SectionQuantity::CurvatureY}) {
        const SectionResults r = ReadSectionDeformations(dir.path().string(), run.model, run.analysis, q, 15, files);
        const std::vector<double> first = NumbersOfLine(dir.File(FirstSectionFileName(0)), 15);
        const std::vector<double> last = NumbersOfLine(dir.File(LastSectionFileName(0)), 15);
        ASSERT_EQ(first.size(), 1 + 4u * 87); // every frame is a nonlinear beam-column
        for (std::size_t k = 0; k < 87; ++k) {
            ASSERT_EQ(r.atI[k], first[1 + 4 * k + static_cast<std::size_t>(q) - 1]) << "frame " << k + 1;
            ASSERT_EQ(r.atJ[k], last[1 + 4 * k + static_cast<std::size_t>(q) - 1]) << "frame " << k + 1;
        }
    }
}

TEST_F(RealSolver, ModeShapesAndPeriodsOfTheExampleBuilding)
{
    const test::TempDir dir;
    const test::SolverRun run = RunExample(dir, "rc-frame-building.s2k",
                               {{"AnalysisType", "4"}, {"ModeCount", "3"}, {"RecordModeShapes", "1"}});
    RecorderFileCache files;
    for (std::int32_t mode = 1; mode <= 3; ++mode) {
        const JointResults r = ReadModeShape(dir.path().string(), run.model, mode, files);
        ExpectJointsMatchFiles(run.model, r, [&](std::int32_t b) { return dir.File(ModeShapeFileName(mode, b)); }, 1);
    }
    const std::vector<double> lambda = ReadEigenvalues(dir.path().string());
    ASSERT_EQ(lambda.size(), 3u);
    EXPECT_LE(lambda[0], lambda[1]);
    EXPECT_LE(lambda[1], lambda[2]);
    EXPECT_TRUE(PeriodOfEigenvalue(lambda[0]).has_value());
}

TEST_F(RealSolver, SectionDeformationsOfElasticAndNonlinearFramesWithAndWithoutTheAggregator)
{
    // The portal frame: spring, nonlinear column, elastic beam, nonlinear column, spring.
    for (const char* aggregator : {"0", "1"}) {
        const test::TempDir dir;
        const test::SolverRun run = RunExample(dir, "portal-frame-spring-bases.s2k",
                                   {{"AnalysisType", "1"}, {"LoadCase", "2"}, {"LoadSteps", "4"},
                                    {"RecordSectionDeformation", "1"}, {"UseAggregator", aggregator}});
        const std::size_t stride = aggregator[0] == '1' ? 7 : 4;
        const std::vector<double> first = NumbersOfLine(dir.File(FirstSectionFileName(0)), 3);
        const std::vector<double> last = NumbersOfLine(dir.File(LastSectionFileName(0)), 3);
        ASSERT_EQ(first.size(), 1 + 2 * stride) << "only the two columns write sections";
        RecorderFileCache files;
        for (const SectionQuantity q : {SectionQuantity::AxialStrain, SectionQuantity::CurvatureY}) {
            const auto d = static_cast<std::size_t>(q);
            const SectionResults r = ReadSectionDeformations(dir.path().string(), run.model, run.analysis, q, 3, files);
            EXPECT_EQ(r.atI, (std::vector<double>{0, first[d], 0, first[stride + d], 0})) << aggregator;
            EXPECT_EQ(r.atJ, (std::vector<double>{0, last[d], 0, last[stride + d], 0})) << aggregator;
            EXPECT_NE(r.atI[1], 0);
        }
        // Read with the other setting, the files do not fit and the message says where.
        AnalysisSettings other = run.analysis;
        other.UseAggregator = aggregator[0] == '1' ? kFlagOff : kFlagOn;
        try {
            ReadSectionDeformations(dir.path().string(), run.model, other, SectionQuantity::AxialStrain, 1, files);
            ADD_FAILURE() << "the stride was not checked";
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find(dir.File("ele0_secs.out") + ", line 1 holds"), std::string::npos)
                << e.what();
        }
    }
}

TEST_F(RealSolver, ATrussRecordsItsOneSectionAndAFrameWithoutElementNothing)
{
    // Nonlinear column, truss, a frame without section (no element), elastic beam.
    for (const char* points : {"2", "5"}) {
        const test::TempDir dir;
        const test::SolverRun run = RunExample(dir, "column-truss.s2k",
                                               {{"LoadSteps", "2"}, {"RecordSectionDeformation", "1"},
                                                {"IntegrationPoints", points}});
        const std::vector<double> first = NumbersOfLine(dir.File(FirstSectionFileName(0)), 2);
        const std::vector<double> last = NumbersOfLine(dir.File(LastSectionFileName(0)), 2);
        ASSERT_EQ(first.size(), 1 + 4 + 4u) << "column and truss at section 1";
        ASSERT_EQ(last.size(), 1 + 4u) << "only the column has a last section";
        RecorderFileCache files;
        const SectionResults r =
            ReadSectionDeformations(dir.path().string(), run.model, run.analysis, SectionQuantity::AxialStrain, 2, files);
        EXPECT_EQ(r.atI, (std::vector<double>{first[1], first[5], 0, 0}));
        EXPECT_EQ(r.atJ, (std::vector<double>{last[1], first[5], 0, 0})); // the truss's one section at both ends
        EXPECT_NE(first[5], 0) << "the truss is strained";
    }
}

} // namespace
} // namespace mirelo
