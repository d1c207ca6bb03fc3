// Bricks take nodes of three degrees of freedom: alone, and beside frames.
#include "script/ScriptTestSupport.h"

namespace mirelo {
namespace {

using test::Lines;

// A unit brick on joints 1 to 8 (1 to 4 at the base, fixed in U1 to U3 and
// R1), material 1; joint 6 has a mass; case L pushes joint 7 along X with a
// moment about X. With `column`, a frame runs from joint 5 up to joint 9.
Model Brick(bool column)
{
    Model model = test::ModelWithCounts(column ? 9 : 8, column ? 1 : 0);
    for (std::int32_t k = 1; k <= 8; ++k)
        test::SetJoint(model, k, (k - 1) % 2, (k - 1) / 2 % 2, (k - 1) / 4);
    for (std::int32_t k = 1; k <= 4; ++k)
        model.Joints[k].restraint = {0, 1, 1, 1, 1, 0, 0};
    model.Joints[6].mass = {0, 2, 2, 2, 0, 0, 0};
    model.Materials.Reset(1);
    model.Materials[1] = test::ElasticMaterial("C", 3e7, 0.2);
    model.Solids.Reset(1);
    model.Solids[1] = {1, {0, 1, 2, 4, 3, 5, 6, 8, 7}};
    model.LoadCaseNames.push_back("L");
    model.LoadCaseCount = 1;
    model.Loads.Reset(1);
    model.Loads[1] = {7, kJointForce, 0, 1, {0, 1, 0, 0, 5, 0, 0}};
    if (column) {
        test::SetJoint(model, 9, 0, 0, 2);
        model.Joints[9].mass = {0, 1, 1, 0, 0, 0, 0};
        model.FrameSections.Reset(1);
        model.FrameSections[1] = test::DefaultSection("ECOL", kElasticBeamColumn, kShapeRectangle, 0.3, 0.3);
        model.Frames[1] = test::FrameBetween(5, 9, 1);
    }
    return model;
}

std::string Node(std::int64_t tag, std::int32_t k)
{
    static const char* const kPlaces[] = {"0.000E+000 0.000E+000 0.000E+000", "1.000E+000 0.000E+000 0.000E+000",
                                          "0.000E+000 1.000E+000 0.000E+000", "1.000E+000 1.000E+000 0.000E+000",
                                          "0.000E+000 0.000E+000 1.000E+000", "1.000E+000 0.000E+000 1.000E+000",
                                          "0.000E+000 1.000E+000 1.000E+000", "1.000E+000 1.000E+000 1.000E+000",
                                          "0.000E+000 0.000E+000 2.000E+000"};
    return "node " + std::to_string(tag) + " " + kPlaces[k - 1];
}

const Lines kFixes = {"fix 1 1 1 1;", "fix 2 1 1 1;", "fix 3 1 1 1;", "fix 4 1 1 1;"};
const std::string kMomentWarning =
    "Load case L puts moments on joint 7, which only bricks use: bricks carry no moments, so they are left out";

TEST(BrickNodes, EachKindOfModelGetsNodesOfTheRightSize)
{
    struct Case {
        const char* name;
        bool column;
        Lines header, nodes, masses, equalDof, solids, load;
    };
    const std::vector<Case> cases = {
        {"bricks alone: three throughout",
         false,
         {"model basic -ndm 3 -ndf 3"},
         {Node(1, 1), Node(2, 2), Node(3, 3), Node(4, 4), Node(5, 5), Node(6, 6), Node(7, 7), Node(8, 8)},
         {"mass 6 2.000E+000 2.000E+000 2.000E+000"},
         {},
         {"nDMaterial ElasticIsotropic 1 3.000E+007 2.000E-001", "element stdBrick 1 1 2 4 3 5 6 8 7 1"},
         {"load 7 1.000E+000 0.000E+000 0.000E+000"}},
        {"bricks beside a column: the shared joint 5 gets a twin",
         true,
         {"model basic -ndm 3 -ndf 6"},
         {Node(5, 5), Node(9, 9), "model basic -ndm 3 -ndf 3", Node(1, 1), Node(2, 2), Node(3, 3), Node(4, 4),
          Node(6, 6), Node(7, 7), Node(8, 8), Node(14, 5), "model basic -ndm 3 -ndf 6"},
         {"mass 6 2.000E+000 2.000E+000 2.000E+000",
          "mass 9 1.000E+000 1.000E+000 0.000E+000 0.000E+000 0.000E+000 0.000E+000"},
         {"equalDOF 5 14 1 2 3"},
         {"model basic -ndm 3 -ndf 3", "nDMaterial ElasticIsotropic 1 3.000E+007 2.000E-001",
          "element stdBrick 2 1 2 4 3 14 6 8 7 1"},
         {"load 7 1.000E+000 0.000E+000 0.000E+000"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Model model = Brick(c.column);
        const ScriptResult script = GenerateScript(model, {}, {});
        const Lines lines = test::ToLines(script.lines);
        EXPECT_EQ(Lines(lines.begin() + 2, lines.begin() + 3), c.header);
        EXPECT_EQ(test::Between(lines, "puts \"restraint\"", "puts \"rigidDiaphragm\""), c.nodes);
        EXPECT_EQ(test::Between(lines, "puts \"mass\"", "puts \"node\""), c.masses);
        EXPECT_EQ(test::Between(lines, "puts \"node\"", "puts \"Equal DOF\""), kFixes);
        EXPECT_EQ(test::Between(lines, "puts \"Equal DOF\"", "puts \"material\""), c.equalDof);
        EXPECT_EQ(test::Between(lines, "puts \"SOLID element\"", "puts \"recorder\""), c.solids);
        EXPECT_EQ(test::Between(lines, "pattern Plain 1 Linear {", "}"), c.load);
        EXPECT_EQ(script.warnings, std::vector<std::string>{kMomentWarning});
    }
}

TEST(BrickNodes, FramesShellsAndDiaphragmsKeepSixAndBrokenReferencesAreSkipped)
{
    Model model = Brick(false);
    model.Shells.Reset(1);
    model.ShellSections.Reset(1);
    model.ShellSections[1] = {0.2, 1, 1, "SLAB", 0};
    model.Shells[1].section = 1;
    model.Shells[1].joints = {0, 5, 6, 8, 7};
    model.Constraints.Reset(1);
    model.Constraints[1] = {1, {0, 2, 99}, 99}; // the master is no joint
    const JointDofs dofs(model);
    EXPECT_TRUE(dofs.Mixed());
    for (std::int32_t k = 1; k <= 8; ++k) {
        const bool shared = k >= 5 || k == 2;
        EXPECT_EQ(dofs.Of(k), shared ? 6 : 3) << k;
        EXPECT_EQ(dofs.BrickNode(k), shared ? 8 + k : k) << k;
    }
    EXPECT_EQ(dofs.Of(99), 6);
    EXPECT_FALSE(dofs.HasTwin(99));

    model.ShellSections[1].shellKind = 0; // a shell that is not written needs nothing
    model.Constraints.Reset(0);
    EXPECT_TRUE(JointDofs(model).SolidOnly());
    model.Solids.Reset(0);
    EXPECT_FALSE(JointDofs(model).SolidOnly());
    EXPECT_EQ(JointDofs(model).Of(1), 6);
}

} // namespace
} // namespace mirelo
