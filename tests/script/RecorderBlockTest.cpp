#include "script/ScriptTestSupport.h"

namespace mirelo {
namespace {

using test::Lines;

Lines Recorders(std::int32_t joints, std::int32_t frames, const RecorderSettings& recorder,
                const AnalysisSettings& analysis = {})
{
    const Model model = test::ModelWithCounts(joints, frames);
    return test::WriteBlock(WriteRecorderBlock, model, analysis, recorder).lines;
}

std::string NodeLine(int file, int from, int to)
{
    return "recorder Node -file node" + std::to_string(file) + ".out -time -nodeRange " + std::to_string(from) + " "
         + std::to_string(to) + " -dof 1 2 3 disp";
}

std::string ForceLine(int file, int from, int to)
{
    return "recorder Element -file ele" + std::to_string(file) + ".out -time -eleRange " + std::to_string(from) + " "
         + std::to_string(to) + " localForce";
}

TEST(RecorderBlock, NodeFilesHoldAHundredJointsEachFromFileZero)
{
    const RecorderSettings start;
    EXPECT_EQ(Recorders(99, 0, start),
              (Lines{"puts \"recorder\"", "recorder Node -file node0.out -time -nodeRange 1 99 -dof 1 2 3 disp"}));
    EXPECT_EQ(Recorders(100, 0, start), (Lines{"puts \"recorder\"", NodeLine(0, 1, 100)}));
    EXPECT_EQ(Recorders(200, 0, start), (Lines{"puts \"recorder\"", NodeLine(0, 1, 100), NodeLine(1, 101, 200)}));
    EXPECT_EQ(Recorders(250, 0, start),
              (Lines{"puts \"recorder\"", NodeLine(0, 1, 100), NodeLine(1, 101, 200), NodeLine(2, 201, 250)}));
}

TEST(RecorderBlock, ElementFilesNumberFullGroupsFromOneAndThePartialGroupZero)
{
    RecorderSettings recorder;
    recorder.RecordNodeDisp = kFlagOff;
    recorder.RecordElementForce = kFlagOn;
    EXPECT_EQ(Recorders(0, 99, recorder), (Lines{"puts \"recorder\"", ForceLine(0, 1, 99)}));
    EXPECT_EQ(Recorders(0, 100, recorder), (Lines{"puts \"recorder\"", ForceLine(1, 1, 100)}));
    EXPECT_EQ(Recorders(0, 200, recorder), (Lines{"puts \"recorder\"", ForceLine(1, 1, 100), ForceLine(2, 101, 200)}));
    EXPECT_EQ(Recorders(0, 250, recorder),
              (Lines{"puts \"recorder\"", ForceLine(1, 1, 100), ForceLine(2, 101, 200), ForceLine(0, 201, 250)}));
}

TEST(RecorderBlock, ReactionsOfEverySupportInFilesOfAHundredSupports)
{
    RecorderSettings recorder;
    recorder.RecordNodeDisp = kFlagOff;
    recorder.RecordReactions = kFlagOn;
    // Every third of 305 joints held: 102 supports, the last two in the second file.
    Model model = test::ModelWithCounts(305);
    for (std::int32_t k = 1; k <= 305; k += 3)
        model.Joints[k].restraint[3] = 1;
    const test::BlockOutput block = test::WriteBlock(WriteRecorderBlock, model, AnalysisSettings(), recorder);
    ASSERT_EQ(block.lines.size(), 3u);
    EXPECT_TRUE(block.lines[1].starts_with("recorder Node -file reactions0.out -precision 17 -time -node 1 4 7 "));
    EXPECT_TRUE(block.lines[1].ends_with(" 295 298 -dof 1 2 3 4 5 6 reaction"));
    EXPECT_EQ(block.lines[2], "recorder Node -file reactions1.out -precision 17 -time -node 301 304 -dof 1 2 3 4 5 6 "
                              "reaction");
    EXPECT_TRUE(block.warnings.empty());
    const test::BlockOutput none =
        test::WriteBlock(WriteRecorderBlock, test::ModelWithCounts(3), AnalysisSettings(), recorder);
    EXPECT_EQ(none.lines, (Lines{"puts \"recorder\""}));
    ASSERT_EQ(none.warnings.size(), 1u);
    EXPECT_EQ(none.warnings[0], "No reaction is recorded: no joint is restrained");
}

TEST(RecorderBlock, SectionDeformationsAtTheFirstAndLastIntegrationPoint)
{
    RecorderSettings recorder;
    recorder.RecordNodeDisp = kFlagOff;
    recorder.RecordSectionDeformation = kFlagOn;
    AnalysisSettings analysis;
    analysis.IntegrationPoints = 5;
    EXPECT_EQ(Recorders(10, 150, recorder, analysis),
              (Lines{"puts \"recorder\"",
                     "recorder Element -file ele1_secs.out -time -eleRange 1 100 section 1 deformation",
                     "recorder Element -file ele0_secs.out -time -eleRange 101 150 section 1 deformation",
                     "recorder Element -file ele1_secn.out -time -eleRange 1 100 section 5 deformation",
                     "recorder Element -file ele0_secn.out -time -eleRange 101 150 section 5 deformation"}));
}

TEST(RecorderBlock, ModeShapesOnlyForModesComputedBeforeTheFirstRecord)
{
    RecorderSettings recorder;
    recorder.RecordNodeDisp = kFlagOff;
    recorder.RecordModeShapes = kFlagOn;
    Model model = test::ModelWithCounts(150);
    model.Joints[150].mass = {0, 1, 1, 1, 0, 0, 0}; // three degrees of freedom with mass
    const Lines twoModes = {"puts \"recorder\"",
                            "recorder Node -file eigen1_node0.out -time -nodeRange 1 100 -dof 1 2 3 \"eigen 1\"",
                            "recorder Node -file eigen1_node1.out -time -nodeRange 101 150 -dof 1 2 3 \"eigen 1\"",
                            "recorder Node -file eigen2_node0.out -time -nodeRange 1 100 -dof 1 2 3 \"eigen 2\"",
                            "recorder Node -file eigen2_node1.out -time -nodeRange 101 150 -dof 1 2 3 \"eigen 2\""};
    const std::string none = "Mode shapes are not recorded: analysis type %d computes no modes before it first records";
    const std::string beyond = "Mode shapes beyond 2 are not recorded: the time history computes modes 1 to 2 only";
    struct Case {
        std::int32_t type, modeCount;
        std::size_t lines; // recorder lines after the label
        std::string warning;
    };
    const Case cases[] = {
        {4, 2, 4, ""},     // the modal analysis computes them before its "record"
        {4, 5, 6, ""},     // capped at the three with mass; the modal block says so
        {5, 2, 4, ""},     // the damping computes modes 1 and 2 before the first step
        {7, 12, 4, beyond},
        {5, 3, 4, beyond},
        {1, 2, 0, none},   // static analyses compute no modes at all
        {2, 2, 0, none},
        {3, 2, 0, none},
        {6, 2, 0, none},   // the gravity steps record before the damping computes modes
        {4, 0, 0, ""},
        {1, 0, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("type " + std::to_string(c.type) + ", ModeCount " + std::to_string(c.modeCount));
        AnalysisSettings analysis;
        analysis.AnalysisType = c.type;
        analysis.ModeCount = c.modeCount;
        const test::BlockOutput out = test::WriteBlock(WriteRecorderBlock, model, analysis, recorder);
        ASSERT_EQ(out.lines.size(), c.lines + 1);
        if (c.lines == 4) {
            EXPECT_EQ(out.lines, twoModes);
        } else if (c.lines == 6) {
            EXPECT_EQ(out.lines.back(),
                      "recorder Node -file eigen3_node1.out -time -nodeRange 101 150 -dof 1 2 3 \"eigen 3\"");
        }
        std::string warning = c.warning;
        if (warning == none)
            warning.replace(warning.find("%d"), 2, std::to_string(c.type));
        EXPECT_EQ(out.warnings, warning.empty() ? std::vector<std::string>{} : std::vector<std::string>{warning});
    }
}

TEST(RecorderBlock, AllOffOrNothingToRecordLeavesTheLabelAlone)
{
    RecorderSettings off;
    off.RecordNodeDisp = kFlagOff;
    off.RecordSectionStressStrain = kFlagOn; // records nothing
    EXPECT_EQ(Recorders(250, 250, off), (Lines{"puts \"recorder\""}));

    RecorderSettings all;
    all.RecordElementForce = kFlagOn;
    all.RecordSectionDeformation = kFlagOn;
    all.RecordModeShapes = kFlagOn;
    EXPECT_EQ(Recorders(-1, -1, all), (Lines{"puts \"recorder\""})); // no "-nodeRange 1 -1"
    EXPECT_EQ(Recorders(0, 0, all), (Lines{"puts \"recorder\""}));
}

} // namespace
} // namespace mirelo
