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

TEST(RecorderBlock, ModeShapesForEveryMode)
{
    RecorderSettings recorder;
    recorder.RecordNodeDisp = kFlagOff;
    recorder.RecordModeShapes = kFlagOn;
    AnalysisSettings analysis;
    analysis.ModeCount = 2;
    EXPECT_EQ(Recorders(150, 0, recorder, analysis),
              (Lines{"puts \"recorder\"",
                     "recorder Node -file eigen1_node0.out -time -nodeRange 1 100 -dof 1 2 3 \"eigen 1\"",
                     "recorder Node -file eigen1_node1.out -time -nodeRange 101 150 -dof 1 2 3 \"eigen 1\"",
                     "recorder Node -file eigen2_node0.out -time -nodeRange 1 100 -dof 1 2 3 \"eigen 2\"",
                     "recorder Node -file eigen2_node1.out -time -nodeRange 101 150 -dof 1 2 3 \"eigen 2\""}));
    analysis.ModeCount = 0;
    EXPECT_EQ(Recorders(150, 0, recorder, analysis).size(), 1u);
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
