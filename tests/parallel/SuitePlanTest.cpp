#include "parallel/RunStatus.h"
#include "parallel/SuitePlan.h"
#include "parallel/SuiteSummary.h"

#include "common/TextLines.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace mirelo {
namespace {

TEST(SuitePlan, ScalesAreNumbersAboveZeroEachOnce)
{
    EXPECT_EQ(ParseScales("0.5,1,1.5"), (std::vector<double>{0.5, 1, 1.5}));
    EXPECT_EQ(ParseScales(" 2 "), (std::vector<double>{2}));
    for (const char* bad : {"", "1,", "0", "-1", "1,x", "1,1"})
        EXPECT_THROW(ParseScales(bad), Error) << bad;
}

TEST(SuitePlan, EveryRecordAtEveryScaleInAFolderOfItsName)
{
    std::vector<GroundMotion> motions(2);
    motions[0].name = "RSN6";
    motions[1].name = "GMX";
    const std::vector<SuiteRun> runs = PlanSuite(motions, {0.5, 1, 0.1});
    ASSERT_EQ(runs.size(), 6u);
    const char* names[] = {"RSN6_s0.5", "RSN6_s1", "RSN6_s0.1", "GMX_s0.5", "GMX_s1", "GMX_s0.1"};
    for (std::size_t i = 0; i < runs.size(); ++i) {
        EXPECT_EQ(runs[i].name, names[i]);
        EXPECT_EQ(runs[i].motion, i / 3);
    }
}

// The status line the driver writes, and what the summary makes of it.
TEST(SuitePlan, StatusFilesGiveTheSummary)
{
    test::TempDir dir;
    std::vector<GroundMotion> motions(1);
    motions[0].name = "r";
    motions[0].values.assign(1000, "0");
    const std::vector<SuiteRun> runs = PlanSuite(motions, {1, 2, 3, 4, 5});
    const char* lines[] = {"converged 1000 1000 2.5 0.0123 456.5\n", "failed 523 1000 1.25 0.5 -\n",
                           "time-limit 10 1000 60.0 - -\n", "half a line", nullptr};
    for (std::size_t i = 0; i < 4; ++i) {
        std::filesystem::create_directory(dir.path() / runs[i].name);
        WriteWholeFile((dir.path() / runs[i].name / kRunStatusFileName).string(), lines[i]);
    }
    const std::vector<RunStatus> statuses = ReadSuiteStatus(dir.path().string(), runs);
    EXPECT_TRUE(RunFinished(statuses[0]));
    EXPECT_TRUE(RunFinished(statuses[1]));
    EXPECT_FALSE(RunFinished(statuses[2]));
    EXPECT_EQ(statuses[3].state, RunState::Running); // unreadable: did not finish
    EXPECT_EQ(statuses[4].state, RunState::Waiting);
    EXPECT_EQ(SummaryCsv(motions, runs, statuses),
              "record,scale,converged,last_step,steps,peak_displacement,peak_base_shear,wall_time_s,state\n"
              "r,1,yes,1000,1000,0.0123,456.5,2.500,converged\n"
              "r,2,no,523,1000,0.5,,1.250,failed\n"
              "r,3,no,10,1000,,,60.000,time-limit\n"
              "r,4,no,0,1000,,,0.000,running\n"
              "r,5,no,0,1000,,,0.000,waiting\n");
}

TEST(SuitePlan, IdaLinesTakeEachRecordsConvergedRunsInTheOrderOfTheScales)
{
    std::vector<GroundMotion> motions(2);
    motions[0].name = "a";
    motions[1].name = "b";
    const std::vector<SuiteRun> runs = PlanSuite(motions, {2, 0.5, 1});
    const auto converged = [](double peak) {
        RunStatus s;
        s.state = RunState::Converged;
        s.hasDisplacement = true;
        s.peakDisplacement = peak;
        return s;
    };
    RunStatus failed = converged(9);
    failed.state = RunState::Failed;
    const std::vector<RunStatus> statuses = {converged(0.04), converged(0.01), converged(0.02),
                                             failed,          converged(0.03), RunStatus{}};
    const std::vector<IdaLine> lines = IdaLines(motions, runs, statuses);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].record, "a");
    EXPECT_EQ(lines[0].intensity, (std::vector<double>{0.5, 1, 2}));
    EXPECT_EQ(lines[0].peakDisplacement, (std::vector<double>{0.01, 0.02, 0.04}));
    EXPECT_EQ(lines[1].intensity, (std::vector<double>{0.5}));
    EXPECT_EQ(lines[1].peakDisplacement, (std::vector<double>{0.03}));
    EXPECT_EQ(IdaCsv(lines), "record,scale,peak_displacement\n"
                             "a,0.5,0.01\n"
                             "a,1,0.02\n"
                             "a,2,0.04\n"
                             "b,0.5,0.03\n");
    EXPECT_EQ(IdaCsv({}), "record,scale,peak_displacement\n");
}

} // namespace
} // namespace mirelo
