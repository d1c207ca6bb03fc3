#include "script/ScriptTestSupport.h"
#include "support/TestSupport.h"

#include "model/ImportS2k.h"

#include <algorithm>

namespace mirelo {
namespace {

using test::Lines;

// Joint 1 fixed at the origin, joint 2 free at (6, 0, 0), one elastic 0.5 x 0.3
// rectangle of E 2.5E7 and U 0.2, one frame between them, and a point load of
// -10 along Z on joint 2 in the case LIVE.
Model Cantilever()
{
    Model model = test::ModelWithCounts(2, 1);
    test::SetJoint(model, 2, 6, 0, 0);
    for (int d = 1; d <= 6; ++d)
        model.Joints[1].restraint[static_cast<std::size_t>(d)] = 1;
    model.Materials.Reset(1);
    model.Materials[1] = test::ElasticMaterial("CONC", 2.5e7, 0.2);
    model.FrameSections.Reset(1);
    model.FrameSections[1] = test::DefaultSection("ECOL", kElasticBeamColumn, kShapeRectangle, 0.5, 0.3);
    model.Frames[1] = test::FrameBetween(1, 2, 1);
    model.Loads.Reset(1);
    model.Loads[1].loadType = kJointForce;
    model.Loads[1].target = 2;
    model.Loads[1].loadCase = 1; // LIVE
    model.Loads[1].value[3] = -10;
    model.LoadCaseNames.push_back("LIVE");
    model.LoadCaseCount = 1;
    return model;
}

const Lines kCantileverScript = {
    "wipe",
    "puts \"System\"",
    "model basic -ndm 3 -ndf 6",
    "puts \"restraint\"",
    "node 1 0.000E+000 0.000E+000 0.000E+000",
    "node 2 6.000E+000 0.000E+000 0.000E+000",
    "puts \"rigidDiaphragm\"",
    "puts \"mass\"",
    "puts \"node\"",
    "fix 1 1 1 1 1 1 1;",
    "puts \"Equal DOF\"",
    "puts \"material\"",
    "uniaxialMaterial Elastic 1 2.500E+007",
    "puts \"transformation\"",
    "geomTransf Linear 1 0.000 0.000 1.000 ",
    "puts \"element\"",
    "element elasticBeamColumn 1 1 2 1.500E-001 2.500E+007 1.0416666666666666E+007 2.8173708E-003 3.1249999999999997E-003 1.125E-003 1",
    "puts \"shell element\"",
    "puts \"SOLID element\"",
    "puts \"recorder\"",
    "recorder Node -file node0.out -time -nodeRange 1 2 -dof 1 2 3 disp",
    "puts \"loading\"",
    "## Load Case = LIVE",
    "pattern Plain 1 Linear {",
    "load 2 0.000E+000 0.000E+000 -1.000E+001 0.000E+000 0.000E+000 0.000E+000",
    "}",
    "puts \"analysis\"",
    "constraints Plain",
    "numberer Plain",
    "system BandGeneral",
    "test EnergyIncr 1.0e-6 200",
    "algorithm Newton",
    "integrator LoadControl 1.000E-002",
    "analysis Static",
    "analyze 100",
};

TEST(GenerateScript, WritesTheCantileverScriptLineForLine)
{
    Model model = Cantilever();
    const ScriptResult script = GenerateScript(model, {}, {});
    EXPECT_EQ(test::ToLines(script.lines), kCantileverScript);
    EXPECT_TRUE(script.warnings.empty());
}

TEST(GenerateScript, WritesTheSameScriptForTheImportedCantilever)
{
    Model model = ImportS2kFile((test::SourceDir() / "tests/script/data/cantilever.s2k").string()).model;
    EXPECT_EQ(test::ToLines(GenerateScript(model, {}, {}).lines), kCantileverScript);
}

// The setting IntegrationPoints takes the place of the frames' NSEG in the
// script; the model keeps the file's.
TEST(GenerateScript, BeamColumnsTakeTheIntegrationPointsAndTheModelKeepsItsNseg)
{
    Model model = Cantilever();
    model.FrameSections[1].elementKind = kDispBeamColumn;
    model.Frames[1].segments = 4;
    AnalysisSettings analysis;
    analysis.IntegrationPoints = 7;
    const Lines lines = test::ToLines(GenerateScript(model, analysis, {}).lines);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "element dispBeamColumn 1 1 2 7 1 1"), lines.end());
    EXPECT_EQ(model.Frames[1].segments, 4);
}

TEST(GenerateScript, GivesTheSameScriptEveryTime)
{
    Model model = Cantilever();
    const Lines first = test::ToLines(GenerateScript(model, {}, {}).lines);
    EXPECT_EQ(test::ToLines(GenerateScript(model, {}, {}).lines), first);
}

TEST(GenerateScript, EmptyModelGivesTheLabelsAndTheDefaultAnalysis)
{
    Model model;
    const ScriptResult script = GenerateScript(model, {}, {});
    const Lines expected = {
        "wipe", "puts \"System\"", "model basic -ndm 3 -ndf 6", "puts \"restraint\"", "puts \"rigidDiaphragm\"",
        "puts \"mass\"", "puts \"node\"", "puts \"Equal DOF\"", "puts \"material\"", "puts \"transformation\"",
        "puts \"element\"", "puts \"shell element\"", "puts \"SOLID element\"", "puts \"recorder\"",
        "puts \"loading\"", "## Load Case = ", "pattern Plain 1 Linear {", "}", "puts \"analysis\"",
        "constraints Plain", "numberer Plain", "system BandGeneral", "test EnergyIncr 1.0e-6 200",
        "algorithm Newton", "integrator LoadControl 1.000E-002", "analysis Static", "analyze 100"};
    EXPECT_EQ(test::ToLines(script.lines), expected);
    ASSERT_EQ(script.warnings.size(), 1u); // load case 1 does not exist
    EXPECT_EQ(script.warnings[0], "LoadCase 1 is not a load case of the model (it has 0): its pattern has no loads");
}

TEST(GenerateScript, ModelOfAbsentSectionsGivesTheSameAsAnEmptyOne)
{
    Model absent;
    absent.Joints.Reset(-1);
    absent.Frames.Reset(-1);
    absent.FrameSections.Reset(-1);
    absent.Materials.Reset(-1);
    absent.ShellSections.Reset(-1);
    absent.Shells.Reset(-1);
    absent.Solids.Reset(-1);
    absent.Loads.Reset(-1);
    absent.Constraints.Reset(-1);
    Model empty;
    EXPECT_EQ(test::ToLines(GenerateScript(absent, {}, {}).lines), test::ToLines(GenerateScript(empty, {}, {}).lines));
}

TEST(GenerateScript, DiaphragmsSwitchTheStaticAnalysisToTransformationConstraints)
{
    Model model = Cantilever();
    model.Constraints.Reset(1);
    model.Constraints[1].members = {0, 1, 2};
    model.Constraints[1].memberCount = 1;
    model.Constraints[1].masterJoint = 2;
    const Lines lines = test::ToLines(GenerateScript(model, {}, {}).lines);
    EXPECT_EQ(lines[7], "rigidDiaphragm 3 2 1");
    EXPECT_EQ(lines[10], "fix 2 0 0 1 1 1 0");
    EXPECT_EQ(test::Between(lines, "puts \"analysis\"")[0], "constraints Transformation");
}

TEST(GenerateScript, NoNegativeZeros)
{
    Model model = Cantilever();
    test::SetJoint(model, 2, -0.0, -1e-17, 6);
    model.Frames[1].axis2X = -0.0001;
    model.Loads[1].value[1] = -0.0;
    const Lines lines = test::ToLines(GenerateScript(model, {}, {}).lines);
    EXPECT_EQ(lines[5], "node 2 0.000E+000 -1.000E-017 6.000E+000");
    EXPECT_EQ(lines[14], "geomTransf Linear 1 0.000 0.000 1.000 ");
    EXPECT_EQ(lines[24], "load 2 0.000E+000 0.000E+000 -1.000E+001 0.000E+000 0.000E+000 0.000E+000");
}

TEST(GenerateScript, EveryAnalysisTypeEndsTheScriptWithItsAnalysis)
{
    const std::string lastLines[] = {"analyze 100", "analyze 100", "analyze 100", "record",
                                     "analyze 1000 0.02", "analyze 1000 0.02", "analyze 1000 0.02 "};
    for (std::int32_t type = 1; type <= 7; ++type) {
        Model model = Cantilever();
        model.Joints[2].mass = {0, 1, 1, 1, 0, 0, 0}; // modes to find
        AnalysisSettings analysis;
        analysis.AnalysisType = type;
        EXPECT_EQ(test::ToLines(GenerateScript(model, analysis, {}).lines).back(), lastLines[type - 1]) << type;
    }
}

TEST(GenerateScript, KeepsItsBufferAndClearsItForTheNextScript)
{
    Model model = Cantilever();
    ScriptResult script;
    script.warnings.push_back("old");
    GenerateScript(model, {}, {}, script);
    GenerateScript(model, {}, {}, script);
    EXPECT_EQ(test::ToLines(script.lines), kCantileverScript);
    EXPECT_TRUE(script.warnings.empty());
}

TEST(GenerateScript, StopsAtAZeroWallWithTheFloatingPointMessage)
{
    Model model = Cantilever();
    model.FrameSections[1].shape = kShapeBox;
    model.FrameSections[1].dim = {0, 0.5, 0.3, 0.0, 0.02, 0, 0}; // tf 0
    try {
        GenerateScript(model, {}, {});
        FAIL() << "a box without flange thickness was accepted";
    } catch (const FloatingPointError& e) {
        EXPECT_STREQ(e.what(), "Floating point division by zero");
    }
}

TEST(GenerateScript, RefusesAReferenceOutsideItsTable)
{
    Model model = Cantilever();
    model.Frames[1].section = 5;
    EXPECT_THROW(GenerateScript(model, {}, {}), RangeCheckError);
    model = Cantilever();
    model.Joints[2].linkedJoint = 9;
    EXPECT_THROW(GenerateScript(model, {}, {}), RangeCheckError);
}

} // namespace
} // namespace mirelo
