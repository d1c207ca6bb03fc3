#include "script/ScriptTestSupport.h"

namespace mirelo {
namespace {

using test::Lines;
using test::WriteBlock;

// One section per kind 1..7, frame i of section i from joint 1 to joint 2.
Model OneFramePerKind()
{
    Model model = test::ModelWithCounts(2, 7);
    model.Materials.Reset(1);
    model.Materials[1] = test::ElasticMaterial("C", 3e7, 0.2);
    model.Materials[1].shearModulus = 1.25e7;
    model.FrameSections.Reset(7);
    const char* names[] = {"", "E", "N", "D", "H", "T", "C", "R"};
    for (std::int32_t k = 1; k <= 7; ++k) {
        model.FrameSections[k] = test::DefaultSection(names[k], k, kShapeNone, 0, 0);
        model.Frames[k] = test::FrameBetween(1, 2, k);
    }
    return model;
}

// The sections of OneFramePerKind with a 0.25 square's properties.
PreparedSections SquareSections(const Model& model)
{
    PreparedSections prepared = test::Prepared(model);
    for (std::int32_t k = 1; k <= 7; ++k)
        prepared.sections[k].properties = {.area = 0.25, .iz = 0.0052, .iy = 0.0052, .torsion = 0.0088};
    return prepared;
}

TEST(FrameElementBlock, WritesOneElementPerFrameByItsSectionKind)
{
    Model model = OneFramePerKind();
    model.FrameSections[2].geomTransf = 2;
    model.FrameSections[3].geomTransf = 3;
    const test::BlockOutput out = WriteBlock(WriteFrameElementBlock, model, SquareSections(model));
    const Lines expected = {
        "puts \"transformation\"",
        "geomTransf Linear 1 0.000 0.000 1.000 ",
        "geomTransf PDelta 2 0.000 0.000 1.000 ",
        "geomTransf Corotational 3 0.000 0.000 1.000 ",
        "geomTransf Linear 4 0.000 0.000 1.000 ",
        "puts \"element\"",
        "element elasticBeamColumn 1 1 2 2.500E-001 3.000E+007 1.250E+007 8.800E-003 5.200E-003 5.200E-003 1",
        "element nonlinearBeamColumn 2 1 2 3 2 2",
        "element dispBeamColumn 3 1 2 3 3 3",
        "element elasticBeamColumn 4 1 2 2.500E-001 3.000E+007 1.250E+007 8.800E-003 5.200E-003 5.200E-003 4",
        "element trussSection 5 1 2 5",
        "element corotTrussSection 6 1 2 6",
        "element zeroLength 7 1 2 -mat 1 1 1 -dir 4 5 6",
    };
    EXPECT_EQ(out.lines, expected);
    ASSERT_EQ(out.warnings.size(), 1u);
    EXPECT_EQ(out.warnings[0], "Frame section H is a beam with hinges: its frames are written as elasticBeamColumn elements");
}

TEST(FrameElementBlock, BeamColumnsNameTheAggregatedSectionWhenItIsOn)
{
    Model model = test::ModelWithCounts(6, 9);
    model.FrameSections.Reset(3);
    model.FrameSections[3] = test::DefaultSection("N3", kNonlinearBeamColumn, kShapeNone, 0, 0, 0);
    for (std::int32_t i = 1; i <= 9; ++i)
        model.Frames[i] = test::FrameBetween(5, 6, 3);
    model.Frames[9].segments = 8; // NSEG: the script takes IntegrationPoints (3) instead
    AnalysisSettings analysis;
    EXPECT_EQ(WriteBlock(WriteFrameElementBlock, model, analysis).lines.back(), "element nonlinearBeamColumn 9 5 6 3 3 9");
    analysis.UseAggregator = kFlagOn;
    EXPECT_EQ(WriteBlock(WriteFrameElementBlock, model, analysis).lines.back(),
              "element nonlinearBeamColumn 9 5 6 3 1003 9");
    EXPECT_TRUE(WriteBlock(WriteFrameElementBlock, model, analysis).warnings.empty());
    analysis.IntegrationPoints = 0;
    EXPECT_EQ(WriteBlock(WriteFrameElementBlock, model, analysis).warnings,
              std::vector<std::string>{"IntegrationPoints 0: the 9 nonlinear and displacement beam-columns have no integration point"});
}

TEST(FrameElementBlock, FramesWithoutSectionGetATransformationAndAWarning)
{
    Model model = test::ModelWithCounts(2, 3);
    model.Frames[1] = test::FrameBetween(1, 2, 0);
    model.Frames[2] = test::FrameBetween(1, 2, 0);
    model.Frames[3] = test::FrameBetween(1, 2, 0);
    model.Frames[3].axis2Z = -1e-17; // rounds to zero: no minus sign
    const test::BlockOutput out = WriteBlock(WriteFrameElementBlock, model);
    EXPECT_EQ(out.lines, (Lines{"puts \"transformation\"", "geomTransf Linear 1 0.000 0.000 1.000 ",
                                "geomTransf Linear 2 0.000 0.000 1.000 ", "geomTransf Linear 3 0.000 0.000 0.000 ",
                                "puts \"element\""}));
    EXPECT_EQ(out.warnings, (std::vector<std::string>{
                                "3 frame(s) have no frame section (the first is frame 1): they get a transformation but no element"}));
}

TEST(ShellElementBlock, ShellTagsFollowTheFramesAndSkipEmptySections)
{
    Model model = test::ModelWithCounts(4, 120);
    model.ShellSections.Reset(2);
    model.ShellSections[1] = {0.2, 1, 0, "SLAB", 0};
    model.Shells.Reset(4);
    for (std::int32_t j = 1; j <= 3; ++j) {
        model.Shells[j].section = 1;
        model.Shells[j].joints = {0, 1, 2, 4, 3};
    }
    model.Shells[4].section = 2; // shellKind 0
    EXPECT_EQ(WriteBlock(WriteShellElementBlock, model).lines,
              (Lines{"puts \"shell element\"", "element ShellMITC4 121 1 2 4 3 701", "element ShellMITC4 122 1 2 4 3 701",
                     "element ShellMITC4 123 1 2 4 3 701"}));
    model.Frames.Reset(-1); // no FRAME section: shells start at 1
    EXPECT_EQ(WriteBlock(WriteShellElementBlock, model).lines[1], "element ShellMITC4 1 1 2 4 3 701");
}

TEST(SolidElementBlock, BricksFollowFramesAndShellsAndGetTheirNDMaterialOnce)
{
    Model model = test::ModelWithCounts(8, 3);
    model.Shells.Reset(2);
    model.Materials.Reset(2);
    model.Materials[2] = test::ElasticMaterial("SOIL", 5e4, 0.3);
    model.Solids.Reset(3);
    for (std::int32_t n = 1; n <= 3; ++n) {
        model.Solids[n].section = 2;
        model.Solids[n].joints = {0, 1, 2, 4, 3, 5, 6, 8, 7};
    }
    model.Solids[3].section = 9; // names no material
    const test::BlockOutput out = WriteBlock(WriteSolidElementBlock, model);
    EXPECT_EQ(out.lines, (Lines{"puts \"SOLID element\"", "nDMaterial ElasticIsotropic 2 5.000E+004 3.000E-001",
                                "element stdBrick 6 1 2 4 3 5 6 8 7 2", "element stdBrick 7 1 2 4 3 5 6 8 7 2",
                                "element stdBrick 8 1 2 4 3 5 6 8 7 9"}));
    ASSERT_EQ(out.warnings.size(), 1u);
    EXPECT_EQ(out.warnings[0],
              "Solid 3 has section number 9, which names no material: its brick refers to an undefined nD material");
}

TEST(SolidElementBlock, SolidsAloneKeepTheirNumbers)
{
    Model model = test::ModelWithCounts(8, -1);
    model.Shells.Reset(-1);
    model.Solids.Reset(2);
    const Lines lines = WriteBlock(WriteSolidElementBlock, model).lines;
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], "element stdBrick 1 0 0 0 0 0 0 0 0 0");
    EXPECT_EQ(lines[2], "element stdBrick 2 0 0 0 0 0 0 0 0 0");
}

TEST(SolidElementBlock, ShellAndBrickShareOneElasticIsotropicLine)
{
    Model model = test::ModelWithCounts(8);
    model.Materials.Reset(1);
    model.Materials[1] = test::ElasticMaterial("C", 3e7, 0.2);
    model.ShellSections.Reset(1);
    model.ShellSections[1] = {0.2, 1, 1, "SLAB", 0};
    model.Solids.Reset(1);
    model.Solids[1].section = 1;
    const Lines lines = test::WriteBlocks(model, {}, {}, [](ScriptContext& script) {
                            WritePlateFiberBlock(script);
                            WriteSolidElementBlock(script);
                        }).lines;
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "nDMaterial ElasticIsotropic 1 3.000E+007 2.000E-001"), 1);
    EXPECT_EQ(lines.back(), "element stdBrick 1 0 0 0 0 0 0 0 0 1");
}

} // namespace
} // namespace mirelo
