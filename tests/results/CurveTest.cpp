#include "results/Curve.h"

#include "common/Errors.h"
#include "common/TextLines.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace mirelo {
namespace {

AnalysisSettings Analysis(std::int32_t type, std::int32_t loadSteps = 2)
{
    AnalysisSettings analysis;
    analysis.AnalysisType = type;
    analysis.LoadSteps = loadSteps;
    return analysis;
}

// Two supports; the reactions oppose the push, so the base shear is their
// sum with the sign turned.
TEST(Curve, PushoverIsBaseShearAgainstTheControlJointsDisplacement)
{
    const test::TempDir dir;
    WriteWholeFile(dir.File("curve_disp.out"), "0.01 0.001\n0.02 0.002\n0.03 0.003\n");
    WriteWholeFile(dir.File("curve_reactions.out"), "0.01 -1 -2\n0.02 -2 -3.5\n0.03 -2.5 -4\n");
    const Curve pushover = ReadCurve(dir.path().string(), Analysis(2));
    EXPECT_EQ(pushover.kind, CurveKind::Pushover);
    EXPECT_EQ(pushover.x, (std::vector<double>{0.001, 0.002, 0.003}));
    EXPECT_EQ(pushover.y, (std::vector<double>{3, 5.5, 6.5}));
    EXPECT_EQ(CurveCsv(pushover), "displacement,base_shear\n0.001,3\n0.002,5.5\n0.003,6.5\n");

    // After gravity (type 3, two load steps) only the pushover steps count.
    const Curve afterGravity = ReadCurve(dir.path().string(), Analysis(3));
    EXPECT_EQ(afterGravity.x, (std::vector<double>{0.003}));
    EXPECT_EQ(afterGravity.y, (std::vector<double>{6.5}));

    // A run the solver stopped early: the steps both files hold.
    WriteWholeFile(dir.File("curve_reactions.out"), "0.01 -1 -2\n0.02 -2 -3.5\n");
    EXPECT_EQ(ReadCurve(dir.path().string(), Analysis(2)).x.size(), 2u);
}

TEST(Curve, TimeHistoryIsTheControlJointsDisplacementAgainstTime)
{
    const test::TempDir dir;
    WriteWholeFile(dir.File("curve_disp.out"), "0.5 0\n1 0\n0.02  0.25 \n0.04 -0.125\r\n");
    const Curve history = ReadCurve(dir.path().string(), Analysis(6)); // two gravity steps first
    EXPECT_EQ(history.kind, CurveKind::TimeHistory);
    EXPECT_EQ(CurveCsv(history), "time,displacement\n0.02,0.25\n0.04,-0.125\n");
    EXPECT_EQ(ReadCurve(dir.path().string(), Analysis(5)).x.size(), 4u);
}

// The run's description, written by its script, outweighs the settings of
// the moment: a run read with the start settings still gives its curve.
TEST(Curve, TheRunsOwnDescriptionOutweighsTheSettings)
{
    const test::TempDir dir;
    WriteWholeFile(dir.File("curve_disp.out"), "0.5 0\n1 0\n0.02 0.25\n");
    WriteWholeFile(dir.File("curve_run.txt"), "time-history 2\n");
    const Curve history = ReadCurve(dir.path().string(), Analysis(1));
    EXPECT_EQ(history.kind, CurveKind::TimeHistory);
    EXPECT_EQ(history.x, std::vector<double>{0.02});
    WriteWholeFile(dir.File("curve_run.txt"), "spectrum 2\n");
    try {
        ReadCurve(dir.path().string(), Analysis(5));
        ADD_FAILURE() << "an unreadable description was taken";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "curve_run.txt, line 1: not a curve's kind and gravity rows (\"pushover 100\" or "
                               "\"time-history 0\")");
    }
}

TEST(Curve, PeakIsTheLargestValueInSizeTheFirstOfEquals)
{
    struct Case {
        std::vector<double> y;
        std::optional<std::size_t> peak;
    };
    const Case cases[] = {{{}, std::nullopt}, {{1}, 0}, {{1, 3, 2}, 1}, {{1, -4, 4, 3}, 1}, {{0, 0}, 0}};
    for (const Case& c : cases) {
        Curve curve;
        curve.y = c.y;
        curve.x.assign(c.y.size(), 0);
        EXPECT_EQ(PeakStep(curve), c.peak) << c.y.size();
    }
}

TEST(Curve, BadRunsAreReportedWithFileAndLine)
{
    const test::TempDir dir;
    const auto message = [&](const AnalysisSettings& analysis) -> std::string {
        try {
            ReadCurve(dir.path().string(), analysis);
        } catch (const Error& e) {
            return e.what();
        }
        return "no error";
    };
    EXPECT_EQ(message(Analysis(4)), "Analysis type 4 gives no curve: pushover (2, 3) and time-history (5, 6, 7) "
                                    "analyses do");
    EXPECT_NE(message(Analysis(2)).find("Cannot open file"), std::string::npos);
    WriteWholeFile(dir.File("curve_disp.out"), "0.01 0.001\n0.02 x\n");
    EXPECT_NE(message(Analysis(2)).find("Cannot open file"), std::string::npos); // no reactions
    WriteWholeFile(dir.File("curve_reactions.out"), "0.01 -1\n0.02 -2\n");
    EXPECT_EQ(message(Analysis(2)), "curve_disp.out, line 2: 'x' is not a valid floating point value");
    WriteWholeFile(dir.File("curve_disp.out"), "0.01 0.001\n0.02\n");
    EXPECT_EQ(message(Analysis(2)), "curve_disp.out, line 2: 2 numbers are due, 1 found");
    WriteWholeFile(dir.File("curve_disp.out"), "0.01 0.001\n0.02 0.002\n");
    WriteWholeFile(dir.File("curve_reactions.out"), "0.01 -1\n\n");
    EXPECT_EQ(message(Analysis(2)), "curve_reactions.out, line 2: 2 numbers are due, 0 found");
}

} // namespace
} // namespace mirelo
