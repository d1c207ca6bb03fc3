#include "script/ScriptTestSupport.h"

#include "script/CurveRecorders.h"

namespace mirelo {
namespace {

using test::Lines;

// Five joints: 1 and 2 fixed in every direction, 3 held along Z only, 4 and
// 5 free.
Model FiveJoints()
{
    Model model = test::ModelWithCounts(5);
    for (const std::int32_t j : {1, 2})
        for (std::size_t d = 1; d <= 6; ++d)
            model.Joints[j].restraint[d] = 1;
    model.Joints[3].restraint[3] = 1;
    return model;
}

test::BlockOutput CurveRecorders(std::int32_t type, std::int32_t node, std::int32_t dof, const Model& model = FiveJoints())
{
    AnalysisSettings analysis;
    analysis.AnalysisType = type;
    analysis.ControlNode = node;
    analysis.ControlDof = dof;
    RecorderSettings recorder;
    recorder.RecordNodeDisp = kFlagOff;
    recorder.RecordCurves = kFlagOn;
    return test::WriteBlock(WriteRecorderBlock, model, analysis, recorder);
}

TEST(CurveRecorders, PushoverRecordsTheControlJointAndTheSupportsAlongItsDirection)
{
    struct Case {
        std::int32_t type, node, dof;
        Lines lines;        // after the label line
        std::size_t warnings;
    };
    const std::string disp5x = "recorder Node -file curve_disp.out -time -node 5 -dof 1 disp";
    const auto run = [](const char* text) {
        return Lines{"set curveRun [open curve_run.txt w]", "puts $curveRun \"" + std::string(text) + "\"",
                     "close $curveRun"};
    };
    const auto join = [](Lines a, const Lines& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const Case cases[] = {
        {2, 5, 1,
         join(join({disp5x}, run("pushover 0")),
              {"recorder Node -file curve_reactions.out -time -node 1 2 -dof 1 reaction"}),
         0},
        {3, 4, 3,
         join(join({"recorder Node -file curve_disp.out -time -node 4 -dof 3 disp"}, run("pushover 100")),
              {"recorder Node -file curve_reactions.out -time -node 1 2 3 -dof 3 reaction"}),
         0},
        {5, 5, 1, join({disp5x}, run("time-history 0")), 0}, // time histories: no reactions
        {6, 5, 1, join({disp5x}, run("time-history 100")), 0},
        {7, 5, 1, join({disp5x}, run("time-history 0")), 0},
        {1, 5, 1, {}, 1}, // load control and modal analyses: no curve
        {4, 5, 1, {}, 1},
        {2, 6, 1, {}, 1}, // no such joint
        {2, 0, 1, {}, 1},
        {2, 5, 7, {}, 1}, // no such direction
        {2, 5, 0, {}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("type " + std::to_string(c.type) + " node " + std::to_string(c.node) + " dof "
                     + std::to_string(c.dof));
        const test::BlockOutput out = CurveRecorders(c.type, c.node, c.dof);
        Lines expected = {"puts \"recorder\""};
        expected.insert(expected.end(), c.lines.begin(), c.lines.end());
        EXPECT_EQ(out.lines, expected);
        EXPECT_EQ(out.warnings.size(), c.warnings);
    }
}

TEST(CurveRecorders, APushoverWithoutSupportsRecordsNoBaseShear)
{
    const test::BlockOutput out = CurveRecorders(2, 5, 1, test::ModelWithCounts(5));
    ASSERT_EQ(out.lines.size(), 5u);
    EXPECT_EQ(out.lines[1], "recorder Node -file curve_disp.out -time -node 5 -dof 1 disp");
    EXPECT_EQ(out.lines.back(), "close $curveRun");
    EXPECT_EQ(out.warnings, std::vector<std::string>{"No base shear is recorded: no joint is held along degree of freedom 1"});
}

TEST(CurveRecorders, GravityStepsAreThoseOfTheGravityTypes)
{
    AnalysisSettings analysis;
    analysis.LoadSteps = 40;
    const std::int32_t expected[] = {0, 0, 40, 0, 0, 40, 0};
    for (std::int32_t type = 1; type <= 7; ++type) {
        analysis.AnalysisType = type;
        EXPECT_EQ(GravityRows(analysis), expected[type - 1]) << type;
    }
    analysis.LoadSteps = -3;
    EXPECT_EQ(GravityRows(analysis), 0);
}

// The description reads back as it was written; any other text is refused.
TEST(CurveRecorders, RunDescriptionReadsBack)
{
    for (const CurveRun run : {CurveRun{CurveKind::Pushover, 100}, CurveRun{CurveKind::TimeHistory, 0}}) {
        const std::optional<CurveRun> back = ParseCurveRun(CurveRunText(run) + " \r");
        ASSERT_TRUE(back.has_value()) << CurveRunText(run);
        EXPECT_EQ(back->kind, run.kind);
        EXPECT_EQ(back->gravityRows, run.gravityRows);
    }
    for (const char* text : {"", "pushover", "pushover -1", "pushover 1x", "Pushover 1", "none 0", "pushover  1",
                             "time-history 12345678901"})
        EXPECT_FALSE(ParseCurveRun(text).has_value()) << text;
}

} // namespace
} // namespace mirelo
