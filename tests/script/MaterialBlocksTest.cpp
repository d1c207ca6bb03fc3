#include "script/ScriptTestSupport.h"

#include "common/NumberText.h"
#include "model/MaterialLaws.h"

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
    const Model model = ThreeSections();
    AnalysisSettings analysis;
    analysis.UseAggregator = kFlagOn;
    PreparedSections prepared = test::Prepared(model, analysis);
    prepared.sections[1].properties = {.shearAreaY = 3, .shearAreaZ = 4, .torsion = 5, .shearModulus = 2};
    prepared.sections[2].properties = {};
    prepared.sections[3].properties = {};
    const Lines lines = WriteBlock(WriteMaterialBlock, model, prepared, analysis).lines;
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
    const Model model = ThreeSections();
    AnalysisSettings analysis;
    analysis.UseAggregator = kFlagOn;
    PreparedSections prepared = test::Prepared(model, analysis);
    prepared.sections[2].fibers.Adopt({Fiber{}, Fiber{-160, -240, 3840, 1}});
    prepared.sections[3].fibers.Reset(0); // an empty table: no fibre lines
    const test::BlockOutput out = WriteBlock(WriteFiberSectionBlock, model, prepared, analysis);
    const SectionProperties& n1 = prepared.sections[2].properties;
    const SectionProperties& t1 = prepared.sections[3].properties;
    EXPECT_EQ(out.lines, (Lines{"##N1 ",
                                "section Fiber 2 -GJ " + FormatScientificRoundTrip(n1.shearModulus * n1.torsion, 4) + " {",
                                "fiber -1.600E+002 -2.400E+002 3.840E+003 1",
                                "}",
                                "##T1 ",
                                "section Fiber 3 -GJ " + FormatScientificRoundTrip(t1.shearModulus * t1.torsion, 4) + " {",
                                "}",
                                "section Aggregator 1002 202 Vy 302 Vz 402 T -section 2"}));
    analysis.UseAggregator = kFlagOff;
    EXPECT_EQ(WriteBlock(WriteFiberSectionBlock, model, prepared, analysis).lines.size(), 7u);
}

TEST(FiberSectionBlock, OnlyNonlinearDisplacementAndTrussKindsHaveFibreSections)
{
    Model model;
    model.FrameSections.Reset(7);
    for (std::int32_t k = 1; k <= 7; ++k)
        model.FrameSections[k] = test::DefaultSection("S" + std::to_string(k), k, kShapeNone, 0, 0, 0);
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
    PreparedSections prepared = test::Prepared(model);
    prepared.sections[1].properties.shearModulus = 1e7;
    prepared.sections[1].properties.torsion = 0.0088;
    EXPECT_EQ(WriteBlock(WriteFiberSectionBlock, model, prepared).lines[1], "section Fiber 1 -GJ 8.800E+004 {");
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
                                "section PlateFiber 702 602 0.125",
                                "##NOMAT ",
                                "nDMaterial PlateFiber 603 0",
                                "section PlateFiber 703 603 0.20"}));
    ASSERT_EQ(out.warnings.size(), 1u);
    EXPECT_NE(out.warnings[0].find("NOMAT"), std::string::npos);
}

} // namespace
} // namespace mirelo

namespace mirelo {
namespace {

// Material 2 of the three-section model with a nonlinear law.
Model WithLaw(std::int32_t type)
{
    Model model = ThreeSections();
    Material& m = model.Materials[2];
    m.materialType = type;
    m.law = {.Fy = 400, .E0 = 2e5, .b = 0.01, .R0 = 18, .cR1 = 0.925, .cR2 = 0.15, .fpc = -30, .epsc0 = -0.002,
             .fpcu = -6, .epsU = -0.0035, .lambda = 0.1, .ft = 3, .Ets = 1500};
    return model;
}

TEST(MaterialBlock, NonlinearLawsTakeTheMaterialsTagInTheSolversOrder)
{
    struct Case {
        std::int32_t type;
        const char* line;
    };
    const Case cases[] = {
        {kSteel01, "uniaxialMaterial Steel01 2 4.000E+002 2.000E+005 1.000E-002"},
        {kSteel02, "uniaxialMaterial Steel02 2 4.000E+002 2.000E+005 1.000E-002 1.800E+001 9.250E-001 1.500E-001"},
        {kConcrete01, "uniaxialMaterial Concrete01 2 -3.000E+001 -2.000E-003 -6.000E+000 -3.500E-003"},
        {kConcrete02, "uniaxialMaterial Concrete02 2 -3.000E+001 -2.000E-003 -6.000E+000 -3.500E-003 1.000E-001 "
                      "3.000E+000 1.500E+003"},
        {kElasticMaterial, "uniaxialMaterial Elastic 2 2.500E+004"},
        {0, nullptr}, // no type: no line
        {6, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        const test::BlockOutput out = WriteBlock(WriteMaterialBlock, WithLaw(c.type));
        Lines expected = {"puts \"material\"", "uniaxialMaterial Elastic 1 3.000E+007"};
        if (c.line != nullptr)
            expected.emplace_back(c.line);
        EXPECT_EQ(out.lines, expected);
        EXPECT_EQ(out.warnings, std::vector<std::string>{});
    }
}

TEST(MaterialBlock, AnUnsoundLawIsWrittenWithAWarning)
{
    Model model = WithLaw(kConcrete02);
    model.Materials[2].law.fpc = 30;
    const test::BlockOutput out = WriteBlock(WriteMaterialBlock, model);
    ASSERT_EQ(out.lines.size(), 3u);
    EXPECT_EQ(out.warnings, std::vector<std::string>{"Material STEEL (Concrete02): fpc must be negative, not 30"});
}

// Sections of material 2: an elastic one, a nonlinear beam-column with bars,
// a truss; a shell section and two bricks of it too.
TEST(MaterialBlock, WarnsWhereANonlinearLawCannotApply)
{
    const auto warningsOf = [](Model model, std::int32_t rebar) {
        for (std::int32_t k = 1; k <= 3; ++k)
            model.FrameSections[k].material = 2;
        model.ShellSections.Reset(1);
        model.ShellSections[1] = {.thickness = 0.2, .shellKind = 1, .material = 2, .name = "SLAB", .colour = 0};
        model.Solids.Reset(2);
        model.Solids[1].section = 2;
        model.Solids[2].section = 2;
        AnalysisSettings analysis;
        analysis.RebarMaterialNo = rebar;
        return WriteBlock(WriteMaterialBlock, model, analysis).warnings;
    };
    const std::string elastic = "Frame section E1 is elastic: its frames keep the elastic modulus of material STEEL ";
    const std::string plates = "Shell section SLAB: its plates stay elastic with the elastic modulus of material STEEL ";
    const std::string bricks = "Solid 1: its brick and every other brick of material STEEL ";
    EXPECT_EQ(warningsOf(WithLaw(kConcrete02), 2),
              (std::vector<std::string>{
                  elastic + "(Concrete02)",
                  "Frame section N1: its bars take its concrete, material STEEL (Concrete02) (RebarMaterialNo 2)",
                  plates + "(Concrete02)", bricks + "(Concrete02) stay elastic with its elastic modulus"}));
    // Bars of another material, or a steel law that bars may share: no bar warning.
    EXPECT_EQ(warningsOf(WithLaw(kConcrete01), 1).size(), 3u);
    EXPECT_EQ(warningsOf(WithLaw(kSteel02), 2).size(), 3u);
    EXPECT_EQ(warningsOf(WithLaw(kElasticMaterial), 2), std::vector<std::string>{});
}

} // namespace
} // namespace mirelo
