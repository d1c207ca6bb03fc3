// How many modes the script computes, with which eigen solver.
#include "script/ScriptTestSupport.h"

namespace mirelo {
namespace {

using test::Lines;

// `joints` joints; joints 1 to `masses` carry a mass along X and Y.
Model MassModel(std::int32_t joints, std::int32_t masses)
{
    Model model = test::ModelWithCounts(joints);
    for (std::int32_t k = 1; k <= masses; ++k)
        model.Joints[k].mass = {0, 3, 3, 0, 0, 0, 0};
    return model;
}

TEST(ModePlan, TheSolverAndTheModeCountFollowTheDegreesOfFreedomWithMass)
{
    const std::string capTo4 = "ModeCount 12 is more than the model's 4 degree(s) of freedom with mass: the modal "
                               "analysis computes and records 4 modes";
    const std::string large = "The model has 1206 degrees of freedom, too many for the dense eigen solver";
    struct Case {
        const char* name;
        std::int32_t type, joints, masses, modeCount;
        std::int64_t massDofs;
        std::int32_t modalModes;
        bool dense;
        std::vector<std::string> warnings;
    };
    const std::vector<Case> cases = {
        {"small: the dense solver", 4, 20, 10, 3, 20, 3, true, {}},
        {"small, one mode: the dense solver", 4, 20, 10, 1, 20, 1, true, {}},
        {"more modes than masses: capped", 4, 20, 2, 12, 4, 4, true, {capTo4}},
        {"the cap is told to the modal analysis only", 5, 20, 2, 12, 4, 4, true, {}},
        {"no mass: no modes", 4, 20, 0, 12, 0, 0, false, {}},
        {"large, few modes: the default solver", 4, 201, 3, 3, 6, 3, false, {}},
        {"large, more than half: half the masses",
         4, 201, 2, 12, 4, 2, false,
         {capTo4, large + ": the modal analysis computes and records 2 modes, half of its 4 degree(s) of freedom with mass"}},
        {"large, the damping with enough mass", 5, 201, 2, 12, 4, 2, false, {}},
        {"large, the damping with too little mass",
         7, 201, 1, 12, 2, 1, false,
         {large + ", and the default one finds modes 1 and 2 for the damping only with 4 degrees of freedom with "
                  "mass or more; it has 2: the solver may stop there"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Model model = MassModel(c.joints, c.masses);
        AnalysisSettings analysis;
        analysis.AnalysisType = c.type;
        analysis.ModeCount = c.modeCount;
        const ModePlan plan = PlanModes(model, analysis, JointDofs(model));
        EXPECT_EQ(plan.massDofs, c.massDofs);
        EXPECT_EQ(plan.modalModes, c.modalModes);
        EXPECT_EQ(plan.dense, c.dense);
        EXPECT_EQ(plan.warnings, c.warnings);
    }
}

TEST(ModePlan, RestrainedAndDiaphragmFixedMassesDoNotCount)
{
    Model model = MassModel(4, 0);
    model.Joints[1].mass = {0, 1, 1, 1, 1, 1, 1};
    model.Joints[1].restraint = {0, 1, 0, 0, 0, 0, 1}; // U1 and R3 fixed: 4 left
    model.Joints[2].mass = {0, 1, 1, 1, 1, 1, 1};       // master: Z, RX, RY fixed: 3 left
    model.Joints[3].mass = {0, 0, 1, 1, 0, 0, 0};       // mass[1] 0 writes no mass line
    model.Constraints.Reset(1);
    model.Constraints[1] = {1, {0, 4, 2}, 2};
    EXPECT_EQ(PlanModes(model, {}, JointDofs(model)).massDofs, 7);
}

TEST(ModePlan, ConstraintsGatherTheMassOfTheJointsTheyTie)
{
    // Six floor joints with mass along X and Y, tied by a diaphragm to master
    // 7 without mass of its own: the floor moves along X, Y and about Z.
    Model model = MassModel(7, 6);
    for (std::int32_t k = 1; k <= 6; ++k)
        test::SetJoint(model, k, k, 2 * k, 3);
    test::SetJoint(model, 7, 3, 6, 3);
    model.Constraints.Reset(1);
    model.Constraints[1] = {6, {0, 1, 2, 3, 4, 5, 6, 7}, 7};
    EXPECT_EQ(PlanModes(model, {}, JointDofs(model)).massDofs, 3);
    model.Joints[7].restraint = {0, 0, 0, 0, 0, 0, 1}; // the floor cannot turn
    EXPECT_EQ(PlanModes(model, {}, JointDofs(model)).massDofs, 2);

    // A spring's second joint follows the first in its translations.
    Model spring = MassModel(2, 2);
    spring.FrameSections.Reset(1);
    spring.FrameSections[1].elementKind = kRotationalSpring;
    spring.Frames.Reset(1);
    spring.Frames[1] = test::FrameBetween(1, 2, 1);
    EXPECT_EQ(PlanModes(spring, {}, JointDofs(spring)).massDofs, 4); // no release: two joints of their own
    spring.Frames[1].releaseEnd = 1;
    EXPECT_EQ(PlanModes(spring, {}, JointDofs(spring)).massDofs, 2);
}

// The floor turns about the master's vertical axis only through the arms of
// its masses: a mass on that axis (same X and Y, any Z) gives it none.
TEST(ModePlan, AMastersRotationCountsOnlyWithAMassOffItsAxis)
{
    const struct {
        const char* name;
        double memberX, memberY, memberZ;
        std::int64_t massDofs;
    } cases[] = {
        {"on the axis", 2, 3, 4, 2},
        {"on the axis, lower", 2, 3, 0, 2},
        {"off along X", 2.0001, 3, 4, 3},
        {"off along Y", 2, -3, 4, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Model model = MassModel(2, 1);
        test::SetJoint(model, 1, c.memberX, c.memberY, c.memberZ);
        test::SetJoint(model, 2, 2, 3, 4);
        model.Constraints.Reset(1);
        model.Constraints[1] = {1, {0, 1, 2}, 2};
        EXPECT_EQ(PlanModes(model, {}, JointDofs(model)).massDofs, c.massDofs);
    }
    // A member's own mass about Z turns the floor wherever it stands.
    Model turning = MassModel(2, 1);
    turning.Joints[1].mass[6] = 1;
    turning.Constraints.Reset(1);
    turning.Constraints[1] = {1, {0, 1, 2}, 2};
    EXPECT_EQ(PlanModes(turning, {}, JointDofs(turning)).massDofs, 3);
}

// No mass, no modes: no eigen command and no mode-shape recorder in any
// analysis type, only the one warning that says why.
TEST(ModePlan, AModelWithoutMassAsksForNoModes)
{
    Model model = test::ModelWithCounts(4);
    test::SetJoint(model, 2, 1, 0, 0);
    RecorderSettings recorder;
    recorder.RecordModeShapes = kFlagOn;
    for (const std::int32_t type : {kModal, kTimeHistory, kGravityTimeHistory, kMultipleSupport}) {
        SCOPED_TRACE("type " + std::to_string(type));
        AnalysisSettings analysis;
        analysis.AnalysisType = type;
        const ScriptResult script = GenerateScript(model, analysis, recorder);
        for (const std::string& line : test::ToLines(script.lines))
            EXPECT_EQ(line.find("eigen"), std::string::npos) << line;
        std::vector<std::string> massWarnings;
        for (const std::string& warning : script.warnings)
            if (warning.find("mass") != std::string::npos)
                massWarnings.push_back(warning);
        ASSERT_EQ(massWarnings.size(), 1u);
        EXPECT_EQ(massWarnings[0], "Analysis type " + std::to_string(type)
                                       + " needs the model's modes, but no free degree of freedom has mass: the "
                                         "script computes no modes"
                                       + (type == kModal ? "" : " and applies no damping"));
    }
    AnalysisSettings modal;
    modal.AnalysisType = kModal;
    EXPECT_TRUE(test::WriteBlock(WriteLoadAnalysisBlock, model, modal).lines.empty());
}

TEST(ModePlan, TheEigenLinesNameTheDenseSolverForSmallModels)
{
    Model model = MassModel(4, 2); // four degrees of freedom with mass
    AnalysisSettings analysis;
    analysis.AnalysisType = 4;
    analysis.ModeCount = 12;
    const test::BlockOutput modal = test::WriteBlock(WriteLoadAnalysisBlock, model, analysis);
    EXPECT_EQ(Lines(modal.lines.begin(), modal.lines.begin() + 2),
              (Lines{"set numModes 4", "set lambda [eigen -fullGenLapack $numModes]"}));
    EXPECT_EQ(modal.warnings.size(), 1u);
    analysis.AnalysisType = 5;
    EXPECT_EQ(test::WriteBlock(WriteLoadAnalysisBlock, model, analysis).lines[4],
              "set lambdaN [eigen -fullGenLapack [expr $nEigenJ]];");

    model = MassModel(201, 3); // 1206 degrees of freedom, 6 with mass
    EXPECT_EQ(test::WriteBlock(WriteLoadAnalysisBlock, model, analysis).lines[4], "set lambdaN [eigen [expr $nEigenJ]];");
    analysis.AnalysisType = 4;
    analysis.ModeCount = 3;
    EXPECT_EQ(test::WriteBlock(WriteLoadAnalysisBlock, model, analysis).lines[1], "set lambda [eigen  $numModes]");
}

} // namespace
} // namespace mirelo
