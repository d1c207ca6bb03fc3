#include "script/ScriptTestSupport.h"

#include "common/NumberText.h"

namespace mirelo {
namespace {

using test::Lines;
using test::WriteBlock;

Model ThreeSections()
{
    Model model;
    model.Materials.Reset(2);
    model.Materials[1] = test::ElasticMaterial("C30", 3e7, 0.2);
    model.Materials[2] = test::ElasticMaterial("STEEL", 25000, 0.3);
    model.FrameSections.Reset(3);
    model.FrameSections[1] = test::DefaultSection("E1", kElasticBeamColumn, kShapeRectangle, 500, 300);
    model.FrameSections[2] = test::DefaultSection("N1", kNonlinearBeamColumn, kShapeRectangle, 600, 400);
    model.FrameSections[3] = test::DefaultSection("T1", kTruss, kShapePipe, 200, 10);
    return model;
}

TEST(MaterialBlock, WritesEveryElasticMaterialByItsNumber)
{
    Model model = ThreeSections();
    model.Materials[1].materialType = 0; // not elastic: no line
    EXPECT_EQ(WriteBlock(WriteMaterialBlock, model).lines,
              (Lines{"puts \"material\"", "uniaxialMaterial Elastic 2 2.500E+004"}));
}

TEST(MaterialBlock, AggregatorAddsThreeSpringsForEverySection)
{
    Model model = ThreeSections();
    model.FrameSections[1].shearModulus = 2;
    model.FrameSections[1].shearAreaY = 3;
    model.FrameSections[1].shearAreaZ = 4;
    model.FrameSections[1].torsion = 5;
    AnalysisSettings analysis;
    analysis.UseAggregator = kFlagOn;
    const Lines lines = WriteBlock(WriteMaterialBlock, model, analysis).lines;
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[3], "uniaxialMaterial Elastic 201 6.000E+000");
    EXPECT_EQ(lines[4], "uniaxialMaterial Elastic 301 8.000E+000");
    EXPECT_EQ(lines[5], "uniaxialMaterial Elastic 401 1.000E+001");
    EXPECT_EQ(lines[6], "uniaxialMaterial Elastic 202 0.000E+000");
    EXPECT_EQ(lines[11], "uniaxialMaterial Elastic 403 0.000E+000");
}

TEST(MaterialBlock, WarnsWhenSpringTagsMeetOtherTags)
{
    Model model = ThreeSections();
    AnalysisSettings analysis;
    analysis.UseAggregator = kFlagOn;
    EXPECT_TRUE(WriteBlock(WriteMaterialBlock, model, analysis).warnings.empty());
    model.FrameSections.Reset(100); // springs 201..300, 301..400, 401..500
    EXPECT_TRUE(WriteBlock(WriteMaterialBlock, model, analysis).warnings.empty());
    model.FrameSections.Reset(101); // 200 + 101 is 300 + 1
    EXPECT_EQ(WriteBlock(WriteMaterialBlock, model, analysis).warnings.size(), 1u);
    model.FrameSections.Reset(3);
    model.Materials.Reset(201); // material 201 is spring 200 + 1
    EXPECT_EQ(WriteBlock(WriteMaterialBlock, model, analysis).warnings.size(), 1u);
    analysis.UseAggregator = kFlagOff;
    EXPECT_TRUE(WriteBlock(WriteMaterialBlock, model, analysis).warnings.empty());
}

TEST(FiberSectionBlock, WritesFibreSectionsWithTorsionAndAggregatesOnlyBeamColumns)
{
    Model model = ThreeSections();
    PrepareSections(model, {});
    model.FrameSections[2].fibers.resize(2);
    model.FrameSections[2].fibers[1] = {-160, -240, 3840, 1};
    model.FrameSections[2].fiberCount = 1;
    model.FrameSections[3].fiberCount = 0; // an empty table: no fibre lines
    AnalysisSettings analysis;
    analysis.UseAggregator = kFlagOn;
    const test::BlockOutput out = WriteBlock(WriteFiberSectionBlock, model, analysis);
    const FrameSection& n1 = model.FrameSections[2];
    const FrameSection& t1 = model.FrameSections[3];
    EXPECT_EQ(out.lines, (Lines{"##N1 ",
                                "section Fiber 2 -GJ " + FormatScientific(n1.shearModulus * n1.torsion, 4) + " {",
                                "fiber -1.600E+002 -2.400E+002 3.840E+003 1",
                                "}",
                                "##T1 ",
                                "section Fiber 3 -GJ " + FormatScientific(t1.shearModulus * t1.torsion, 4) + " {",
                                "}",
                                "section Aggregator 1002 202 Vy 302 Vz 402 T -section 2"}));
    analysis.UseAggregator = kFlagOff;
    EXPECT_EQ(WriteBlock(WriteFiberSectionBlock, model, analysis).lines.size(), 7u);
}

TEST(FiberSectionBlock, OnlyNonlinearDisplacementAndTrussKindsHaveFibreSections)
{
    Model model;
    model.FrameSections.Reset(7);
    for (std::int32_t k = 1; k <= 7; ++k)
        model.FrameSections[k] = test::DefaultSection("S" + std::to_string(k), k, kShapeNone, 0, 0);
    test::Lines headers;
    for (const std::string& line : WriteBlock(WriteFiberSectionBlock, model).lines)
        if (line.starts_with("section"))
            headers.push_back(line);
    EXPECT_EQ(headers, (test::Lines{"section Fiber 2 -GJ 0.000E+000 {", "section Fiber 3 -GJ 0.000E+000 {",
                                    "section Fiber 5 -GJ 0.000E+000 {", "section Fiber 6 -GJ 0.000E+000 {"}));
}

TEST(FiberSectionBlock, GJIsTheShearModulusTimesTheTorsionConstant)
{
    Model model;
    model.Materials.Reset(1);
    model.Materials[1] = test::ElasticMaterial("M", 2.5e7, 0.25); // G = 1.0E7
    model.FrameSections.Reset(1);
    model.FrameSections[1] = test::DefaultSection("D1", kDispBeamColumn, kShapeNone, 0, 0);
    model.FrameSections[1].shearModulus = 1e7;
    model.FrameSections[1].torsion = 0.0088;
    EXPECT_EQ(WriteBlock(WriteFiberSectionBlock, model).lines[1], "section Fiber 1 -GJ 8.800E+004 {");
}

TEST(PlateFiberBlock, DefinesEachNDMaterialOnceBeforeItsFirstPlateFibre)
{
    Model model = ThreeSections();
    model.ShellSections.Reset(4);
    model.ShellSections[1] = {0.25, 1, 2, "SLAB", 0};
    model.ShellSections[2] = {0.125, 1, 2, "WALL", 0};
    model.ShellSections[3] = {0.2, 1, 0, "NOMAT", 0}; // no material
    // Slot 4 is empty (shellKind 0): nothing.
    const test::BlockOutput out = WriteBlock(WritePlateFiberBlock, model);
    EXPECT_EQ(out.lines, (Lines{"##SLAB ",
                                "nDMaterial ElasticIsotropic 2 2.500E+004 3.000E-001",
                                "nDMaterial PlateFiber 601 2",
                                "section PlateFiber 701 601 0.25",
                                "##WALL ",
                                "nDMaterial PlateFiber 602 2",
                                "section PlateFiber 702 602 0.13",
                                "##NOMAT ",
                                "nDMaterial PlateFiber 603 0",
                                "section PlateFiber 703 603 0.20"}));
    ASSERT_EQ(out.warnings.size(), 1u);
    EXPECT_NE(out.warnings[0].find("NOMAT"), std::string::npos);
}

} // namespace
} // namespace mirelo
