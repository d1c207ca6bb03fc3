// A two-storey frame-and-shell building written three ways (version-6 keyword
// text, SAP2000 v24 table text, SAP2000 v11 table text with LoadCase keys,
// unindented rows and continued rows) imports to one model, and that model
// behaves alike in OpenSees whichever file it came from.
#include "convert/ModelFile.h"
#include "convert/TableConverter.h"
#include "convert/TableText.h"
#include "results/ResultReaders.h"
#include "support/ModelComparison.h"
#include "support/SolverRunner.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace mirelo {
namespace {

// The v24 form is the example model; the other two are test data.
std::filesystem::path BuildingPath(const std::string& form)
{
    if (form == "v24")
        return test::ExamplePath("two-storey-building-tables.s2k");
    return test::SourceDir() / "tests" / "convert" / "data" / ("two-storey-building-" + form + ".s2k");
}

ModelImport ImportBuilding(const std::string& form)
{
    return ImportModelFile(BuildingPath(form).string());
}

// The load of one kind on one target in one case; fails the test when there is none.
const Load& FindLoad(const Model& m, LoadType type, std::int32_t target, const std::string& caseName)
{
    for (std::int32_t l = 1; l <= m.Loads.count; ++l)
        if (m.Loads[l].loadType == type && m.Loads[l].target == target && CaseNameOf(m, m.Loads[l]) == caseName)
            return m.Loads[l];
    ADD_FAILURE() << "no load of type " << type << " on " << target << " in " << caseName;
    return m.Loads[0];
}

class TableBuilding : public ::testing::TestWithParam<std::string> {};

// What the building is, checked on each of its three files.
TEST_P(TableBuilding, ImportsTheBuildingAsDrawn)
{
    const Model m = ImportBuilding(GetParam()).model;
    EXPECT_EQ(m.Units.length, "M");
    EXPECT_EQ(m.Units.force, "KN");
    ASSERT_EQ(m.Joints.count, 20);
    ASSERT_EQ(m.Frames.count, 26);
    ASSERT_EQ(m.Shells.count, 5);
    EXPECT_EQ(m.ActiveShellCount, 5);
    EXPECT_EQ(m.Solids.Size(), 0);
    ASSERT_EQ(m.Materials.count, 2);
    ASSERT_EQ(m.FrameSections.count, 4);
    ASSERT_EQ(m.ShellSections.count, 2);
    ASSERT_EQ(m.Constraints.count, 2);
    ASSERT_EQ(m.Loads.count, 24);
    ASSERT_EQ(m.LoadCaseCount, 2);
    EXPECT_EQ(m.LoadCaseNames[1], "DEAD");
    EXPECT_EQ(m.LoadCaseNames[2], "LATERAL");

    // Joints: six fixed bases, two floors, a master per floor carrying the floor's mass.
    EXPECT_EQ(m.Joints[6].x, 12.0);
    EXPECT_EQ(m.Joints[6].y, 5.0);
    EXPECT_EQ(m.Joints[20].z, 7.0);
    for (std::int32_t j = 1; j <= 20; ++j) {
        const std::int32_t fixed = j <= 6 ? 1 : 0;
        EXPECT_EQ(m.Joints[j].restraint, (std::array<std::int32_t, 7>{0, fixed, fixed, fixed, fixed, fixed, fixed}))
            << "joint " << j;
    }
    EXPECT_EQ(m.Joints[19].mass, (std::array<double, 7>{0, 120, 120, 0, 0, 0, 0}));
    EXPECT_EQ(m.Joints[20].mass, (std::array<double, 7>{0, 95, 95, 0, 0, 0, 0}));
    EXPECT_EQ(m.Joints[12].mass, (std::array<double, 7>{}));
    EXPECT_EQ(m.Constraints[1].members, (std::vector<std::int32_t>{0, 7, 8, 9, 10, 11, 12, 19}));
    EXPECT_EQ(m.Constraints[1].memberCount, 6);
    EXPECT_EQ(m.Constraints[1].masterJoint, 19);
    EXPECT_EQ(m.Constraints[2].masterJoint, 20);

    // Materials and sections; every frame section starts elastic.
    EXPECT_EQ(m.Materials[1].name, "CONC");
    EXPECT_EQ(m.Materials[1].elasticModulus, 3.1E7);
    EXPECT_EQ(m.Materials[1].poisson, 0.2);
    EXPECT_EQ(m.Materials[2].name, "STEEL");
    EXPECT_EQ(m.Materials[2].law.Fy, 355000.0);
    EXPECT_EQ(m.Materials[1].law.fpc, -30000.0);
    for (std::int32_t s = 1; s <= 4; ++s)
        EXPECT_EQ(m.FrameSections[s].elementKind, kElasticBeamColumn) << m.FrameSections[s].name;
    EXPECT_EQ(m.FrameSections[1].name, "C400X600");
    EXPECT_EQ(m.FrameSections[1].shape, kShapeRectangle);
    EXPECT_EQ(m.FrameSections[1].dim, (std::array<double, 7>{0, 0.6, 0.4, 0, 0, 0, 0}));
    EXPECT_EQ(m.FrameSections[4].name, "W310X60");
    EXPECT_EQ(m.FrameSections[4].shape, kShapeI);
    EXPECT_EQ(m.FrameSections[4].material, 2);
    EXPECT_EQ(m.FrameSections[4].dim, (std::array<double, 7>{0, 0.303, 0.203, 0.0131, 0.0075, 0.203, 0.0131}));
    EXPECT_EQ(m.ShellSections[2].name, "WALL250");
    EXPECT_EQ(m.ShellSections[2].thickness, 0.25);
    EXPECT_EQ(m.ShellSections[2].material, 1);

    // Frames: columns C1-C12, then beams B1-B14; C2 turned by 90 degrees, B10 released at I.
    EXPECT_EQ(m.Frames[13].jointI, 7);
    EXPECT_EQ(m.Frames[13].jointJ, 8);
    EXPECT_EQ(m.FrameSections.At(m.Frames[13].section).name, "B300X600");
    EXPECT_EQ(m.Frames[26].section, 4);
    EXPECT_EQ(m.Frames[2].angle, 90.0);
    EXPECT_NEAR(m.Frames[2].axis2X, 0.0, 1e-15);
    EXPECT_NEAR(m.Frames[2].axis2Y, 1.0, 1e-15);
    EXPECT_EQ(m.Frames[1].axis2X, 1.0);
    for (std::int32_t f = 1; f <= 26; ++f)
        EXPECT_EQ(m.Frames[f].releaseEnd, f == 22 ? 1 : 0) << "frame " << f;

    // Areas in perimeter order; the wall stands on the first bay of grid line 1.
    EXPECT_EQ(m.Shells[1].joints, (std::array<std::int32_t, 5>{0, 7, 8, 11, 10}));
    EXPECT_EQ(m.Shells[5].joints, (std::array<std::int32_t, 5>{0, 1, 2, 8, 7}));
    EXPECT_EQ(m.ShellSections.At(m.Shells[5].section).name, "WALL250");

    // Loads: facade forces and gravity line loads (DEAD), forces on the masters (LATERAL).
    EXPECT_EQ(FindLoad(m, kJointForce, 7, "DEAD").value, (std::array<double, 7>{0, 0, 0, -12.5, 0, 0, 0}));
    EXPECT_EQ(FindLoad(m, kJointForce, 20, "LATERAL").value, (std::array<double, 7>{0, 55, 4.5, 0, 0, 0, 8}));
    const Load& beam = FindLoad(m, kFrameDistributed, 17, "DEAD");
    EXPECT_EQ(beam.direction, 2);
    EXPECT_EQ(beam.value[1], -16.5);
    EXPECT_EQ(FindLoad(m, kFrameDistributed, 26, "DEAD").value[1], -4.2);
}

INSTANTIATE_TEST_SUITE_P(ThreeForms, TableBuilding, ::testing::Values("v6", "v24", "v11"));

TEST(TableBuildingForms, TablesImportToTheModelOfTheVersion6Text)
{
    const Model v6 = ImportBuilding("v6").model;
    for (const std::string form : {"v24", "v11"}) {
        SCOPED_TRACE(form);
        test::ExpectSameModel(v6, ImportBuilding(form).model);
    }
}

TEST(TableBuildingForms, NamesAreKeptWhereTheLabelsAreNotOneToN)
{
    const Model v24 = ImportBuilding("v24").model;
    ASSERT_EQ(v24.JointNames.size(), 21u);
    EXPECT_EQ(v24.JointNames[1], "A10");
    EXPECT_EQ(v24.JointNames[14], "B12");
    EXPECT_EQ(v24.JointNames[19], "M1");
    ASSERT_EQ(v24.FrameNames.size(), 27u);
    EXPECT_EQ(v24.FrameNames[1], "C1");
    EXPECT_EQ(v24.FrameNames[22], "B10");
    ASSERT_EQ(v24.ShellNames.size(), 6u);
    EXPECT_EQ(v24.ShellNames[5], "W1");
    for (const std::string form : {"v6", "v11"}) {
        const Model m = ImportBuilding(form).model;
        EXPECT_TRUE(m.JointNames.empty() && m.FrameNames.empty() && m.ShellNames.empty()) << form;
    }
}

// "mirelo-cli convert" writes the converted text with CR LF; imported again it
// is the model of the table file.
TEST(TableBuildingForms, ConvertedTextImportsToTheSameModel)
{
    const TextLines tables = LoadTextLines(BuildingPath("v24").string());
    ASSERT_TRUE(IsTableText(tables));
    const TableConversion conversion = ConvertTableText(tables);
    EXPECT_FALSE(IsTableText(conversion.lines));
    const test::TempDir dir;
    SaveTextLines(dir.File("converted.s2k"), conversion.lines);
    const ModelImport direct = ImportBuilding("v24");
    const ModelImport converted = ImportModelFile(dir.File("converted.s2k"));
    test::ExpectSameModel(direct.model, converted.model);
}

class TableBuildingInSolver : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!test::SolverPresent())
            GTEST_SKIP() << "OpenSees not found at " << test::SolverPath()
                         << " (set MIRELO_TEST_OPENSEES): the real-solver tests are skipped";
    }
};

// The script of a model with the settings given by name.
ScriptResult Script(Model& model, const std::vector<std::pair<std::string, std::string>>& settings)
{
    AnalysisSettings analysis;
    RecorderSettings recorder;
    for (const auto& [name, value] : settings)
        SetSetting(analysis, recorder, name, value);
    return GenerateScript(model, analysis, recorder);
}

TEST_F(TableBuildingInSolver, EveryFormHasTheSamePeriods)
{
    std::vector<double> reference;
    for (const std::string form : {"v6", "v24", "v11"}) {
        SCOPED_TRACE(form);
        Model model = ImportBuilding(form).model;
        const test::TempDir dir;
        std::string log;
        ASSERT_TRUE(test::RunScriptInSolver(Script(model, {{"AnalysisType", "4"}}), dir.path(), log)) << log;
        const std::vector<double> lambda = ReadEigenvalues(dir.path().string());
        // Two masters with mass along X and Y: four modes.
        ASSERT_EQ(lambda.size(), 4u);
        if (reference.empty()) {
            reference = lambda;
            continue;
        }
        for (std::size_t k = 0; k < lambda.size(); ++k)
            EXPECT_NEAR(lambda[k], reference[k], 1e-9 * reference[k]) << "mode " << k + 1;
    }
    ASSERT_FALSE(reference.empty());
    EXPECT_GT(reference[0], 0.0);
}

// The forces applied in one load case: joint forces and uniform loads along
// each frame's local 2 axis over its length.
std::array<double, 3> AppliedForce(const Model& m, const std::string& caseName)
{
    std::array<double, 3> sum{};
    for (std::int32_t l = 1; l <= m.Loads.count; ++l) {
        const Load& load = m.Loads[l];
        if (CaseNameOf(m, load) != caseName)
            continue;
        if (load.loadType == kJointForce) {
            for (std::size_t a = 0; a < 3; ++a)
                sum[a] += load.value[a + 1];
            continue;
        }
        EXPECT_EQ(load.direction, 2) << "load " << l;
        const Frame& f = m.Frames[load.target];
        const Joint &i = m.Joints[f.jointI], &j = m.Joints[f.jointJ];
        const double length = std::hypot(j.x - i.x, j.y - i.y, j.z - i.z);
        const std::array<double, 3> axis2 = {f.axis2X, f.axis2Y, f.axis2Z};
        for (std::size_t a = 0; a < 3; ++a)
            sum[a] += load.value[1] * length * axis2[a];
    }
    return sum;
}

TEST_F(TableBuildingInSolver, GravityRunOfTheTableFileBalancesItsLoads)
{
    Model model = ImportBuilding("v24").model;
    ScriptResult script = Script(model, {{"AnalysisType", "1"}, {"LoadCase", "1"}, {"LoadSteps", "10"}});
    // After the analysis: the sum of the reactions of the fixed joints.
    script.lines.Append("reactions");
    script.lines.Append("set sum {0.0 0.0 0.0}");
    std::string supports;
    for (std::int32_t j = 1; j <= model.Joints.count; ++j)
        if (model.Joints[j].restraint[1] != 0)
            supports += " " + std::to_string(j);
    script.lines.Append("foreach node {" + supports + "} {");
    script.lines.Append("  set sum [list [expr {[lindex $sum 0] + [nodeReaction $node 1]}] "
                        "[expr {[lindex $sum 1] + [nodeReaction $node 2]}] [expr {[lindex $sum 2] + [nodeReaction $node 3]}]]");
    script.lines.Append("}");
    script.lines.Append("puts [format \"REACTION-SUM %.17g %.17g %.17g\" {*}$sum]");
    const test::TempDir dir;
    std::string log;
    ASSERT_TRUE(test::RunScriptInSolver(script, dir.path(), log)) << log;

    const std::size_t at = log.find("REACTION-SUM ");
    ASSERT_NE(at, std::string::npos) << log;
    const std::vector<double> reaction = test::NumbersIn(log.substr(at + 13, log.find('\n', at) - at - 13));
    ASSERT_EQ(reaction.size(), 3u);
    const std::array<double, 3> applied = AppliedForce(model, "DEAD");
    // 8 facade forces of 12.5 kN and 1002 kN of line loads on the beams.
    EXPECT_DOUBLE_EQ(applied[2], -1102.0);
    for (std::size_t a = 0; a < 3; ++a)
        EXPECT_NEAR(reaction[a], -applied[a], 1e-9 * std::abs(applied[2])) << "direction " << a + 1;
}

} // namespace
} // namespace mirelo
