#include "script/ScriptTestSupport.h"

namespace mirelo {
namespace {

using test::Lines;
using test::WriteBlock;

TEST(NodeBlock, WritesNodesMassesAndSupportsWithTheirLabels)
{
    Model model = test::ModelWithCounts(7);
    test::SetJoint(model, 7, 1.5, 0, 12);
    model.Joints[2].mass = {0, 0, 2, 2, 0, 0, 0};  // mass[1] is 0: no line
    model.Joints[3].mass = {0, 2, 0, 0, 0, 0, 0};
    model.Joints[5].restraint = {0, 1, 1, 1, 0, 0, 0};
    const Lines expected = {
        "puts \"restraint\"",
        "node 1 0.000E+000 0.000E+000 0.000E+000",
        "node 2 0.000E+000 0.000E+000 0.000E+000",
        "node 3 0.000E+000 0.000E+000 0.000E+000",
        "node 4 0.000E+000 0.000E+000 0.000E+000",
        "node 5 0.000E+000 0.000E+000 0.000E+000",
        "node 6 0.000E+000 0.000E+000 0.000E+000",
        "node 7 1.500E+000 0.000E+000 1.200E+001",
        "puts \"rigidDiaphragm\"",
        "puts \"mass\"",
        "mass 3 2.000E+000 0.000E+000 0.000E+000 0.000E+000 0.000E+000 0.000E+000",
        "puts \"node\"",
        "fix 5 1 1 1 0 0 0;",
    };
    EXPECT_EQ(WriteBlock(WriteNodeBlock, model).lines, expected);
}

TEST(NodeBlock, TiesDiaphragmMembersToTheMasterAndFixesIt)
{
    Model model = test::ModelWithCounts(40);
    model.Constraints.Reset(2);
    model.Constraints[1].members = {0, 12, 13, 40};
    model.Constraints[1].memberCount = 2;
    model.Constraints[1].masterJoint = 40;
    // A constraint that lists no joint: no member, no master, no "fix 0" line.
    model.Constraints[2].memberCount = -1;
    model.Constraints[2].members = {0};
    model.Joints[40].restraint = {0, 0, 0, 0, 0, 0, 1};
    const Lines lines = WriteBlock(WriteNodeBlock, model).lines;
    EXPECT_EQ(test::Between(lines, "puts \"rigidDiaphragm\"", "puts \"mass\""),
              (Lines{"rigidDiaphragm 3 40 12", "rigidDiaphragm 3 40 13"}));
    EXPECT_EQ(test::Between(lines, "puts \"node\""), (Lines{"fix 40 0 0 1 1 1 0", "fix 40 0 0 0 0 0 1;"}));
}

TEST(NodeBlock, PlacesALinkedJointAtItsPartner)
{
    Model model = test::ModelWithCounts(3);
    test::SetJoint(model, 1, 1, 2, 3);
    test::SetJoint(model, 2, 9, 9, 9);
    test::SetJoint(model, 3, 4, 5, 6);
    model.Joints[2].linkedJoint = 1;
    model.Joints[1].linkedJoint = 3; // followed one step only
    const Lines lines = WriteBlock(WriteNodeBlock, model).lines;
    EXPECT_EQ(lines[1], "node 1 4.000E+000 5.000E+000 6.000E+000");
    EXPECT_EQ(lines[2], "node 2 1.000E+000 2.000E+000 3.000E+000");
}

TEST(EqualDofBlock, TiesTheTranslationsOfSpringsToTheReleasedEnd)
{
    Model model = test::ModelWithCounts(9, 3);
    model.FrameSections.Reset(2);
    model.FrameSections[1] = test::DefaultSection("R1", kRotationalSpring, kShapeNone, 0, 0, 0);
    model.FrameSections[2] = test::DefaultSection("E1", kElasticBeamColumn, kShapeNone, 0, 0, 0);
    model.Frames[1] = test::FrameBetween(8, 9, 1);
    model.Frames[1].releaseEnd = 1;
    model.Frames[2] = test::FrameBetween(8, 9, 1);
    model.Frames[2].releaseEnd = 2;
    model.Frames[3] = test::FrameBetween(8, 9, 2); // not a spring
    model.Frames[3].releaseEnd = 1;
    EXPECT_EQ(WriteBlock(WriteEqualDofBlock, model).lines,
              (Lines{"puts \"Equal DOF\"", "equalDOF 8 9 1 2 3", "equalDOF 9 8 1 2 3"}));
}

} // namespace
} // namespace mirelo
