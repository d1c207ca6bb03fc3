#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace mirelo {
namespace {

using test::ImportDotted;
using test::ImportFailure;

TEST(ReadMaterials, ReadsEAndUFromTheLineAfterTheName)
{
    const Model m = ImportDotted({"X", "MATERIAL", "··NAME=STEEL··IDES=S··M=7.3E-04··W=.28",
                                  "····T=0··E=2E5··U=0.3··A=6.5E-06", ""});
    ASSERT_EQ(m.Materials.count, 1);
    const Material& steel = m.Materials[1];
    EXPECT_EQ(steel.name, "STEEL");
    EXPECT_EQ(steel.materialType, 1);
    EXPECT_DOUBLE_EQ(steel.elasticModulus, 200000.0);
    EXPECT_DOUBLE_EQ(steel.poisson, 0.3);
    EXPECT_DOUBLE_EQ(steel.shearModulus, 200000.0 / 2.6);
}

TEST(ReadMaterials, FiveDataLinesOfTwoMaterialsGiveTwo)
{
    const Model m = ImportDotted({"X", "MATERIAL", "··NAME=A", "····T=0··E=1··U=0", "··NAME=B", "····T=0··E=2··U=0",
                                  "··a trailing comment line", ""});
    EXPECT_EQ(m.Materials.count, 2);
    EXPECT_DOUBLE_EQ(m.Materials[2].elasticModulus, 2.0);
}

TEST(ReadMaterials, MaterialsOfOneOrThreeLinesAreAllKept)
{
    // Three NAME lines in four data lines: every material keeps its own record.
    const Model m = ImportDotted({"X", "MATERIAL", "··NAME=A", "··NAME=B", "····T=0··E=2··U=0.25", "··NAME=C", ""});
    ASSERT_EQ(m.Materials.count, 3);
    EXPECT_EQ(m.Materials[3].name, "C");
    EXPECT_DOUBLE_EQ(m.Materials[1].elasticModulus, 0.0);
    EXPECT_DOUBLE_EQ(m.Materials[2].elasticModulus, 2.0);
    EXPECT_DOUBLE_EQ(m.Materials[2].shearModulus, 0.8);
}

TEST(ReadMaterials, APoissonRatioOfMinusOneIsADivisionByZero)
{
    EXPECT_EQ(ImportFailure({"X", "MATERIAL", "··NAME=A", "····T=0··E=2··U=-1", ""}),
              "Floating point division by zero (MATERIAL section, line 4)");
}

TEST(ReadMaterials, AnUnendedSectionIsARangeErrorWhereverItStands)
{
    EXPECT_NE(ImportFailure({"X", "MATERIAL", "··NAME=A"}).find("Range check error (MATERIAL section"),
              std::string::npos);
}

TEST(ReadFrameSections, RectangleWithEveryDialogDefault)
{
    const Model m = ImportDotted({"X", "MATERIAL", "··NAME=CONC", "····T=0··E=3E4··U=0.2", "", "FRAME SECTION",
                                  "··NAME=C30··MAT=CONC··SH=R··T=500,300", ""});
    ASSERT_EQ(m.FrameSections.count, 1);
    const FrameSection& s = m.FrameSections[1];
    EXPECT_EQ(s.name, "C30");
    EXPECT_EQ(s.shape, kShapeRectangle);
    EXPECT_DOUBLE_EQ(s.dim[1], 500.0);
    EXPECT_DOUBLE_EQ(s.dim[2], 300.0);
    EXPECT_EQ(s.elementKind, kCorotTruss);
    EXPECT_EQ(s.material, 1);
    EXPECT_EQ(s.colour, RgbColour(255, 0, 0)); // palette entry 1
    EXPECT_EQ(s.divideX, 5);
    EXPECT_EQ(s.divideY, 5);
    EXPECT_EQ(s.barNumX, 5);
    EXPECT_EQ(s.barNumY, 5);
    EXPECT_DOUBLE_EQ(s.cover, 35.0);
    EXPECT_DOUBLE_EQ(s.barAreaX, 1000.0);
    EXPECT_DOUBLE_EQ(s.barAreaY, 1000.0);
    EXPECT_EQ(s.sectionUse, 2);
    EXPECT_EQ(s.geomTransf, 1);
}

TEST(ReadFrameSections, TheFirstLetterChoosesTheElementKind)
{
    const Model m = ImportDotted({"X", "FRAME SECTION", "··NAME=R1··SH=X", "··NAME=beam1··SH=X", "··NAME=E1", "··NAME=N1",
                                  "··NAME=D1", "··NAME=H1", "··NAME=T1", "··NAME=C1", "··NAME=", ""});
    const std::int32_t expected[] = {0, 7, 1, 1, 2, 3, 4, 5, 6, 1};
    for (std::int32_t k = 1; k <= 9; ++k)
        EXPECT_EQ(m.FrameSections[k].elementKind, expected[k]) << "section " << k;
}

TEST(ReadFrameSections, AKindKeyGoesBeforeTheFirstLetter)
{
    const Model m = ImportDotted({"X", "FRAME SECTION", "··NAME=C40X40··MAT=M··SH=R··T=1,1··KIND=E",
                                  "··NAME=W14X90··MAT=M··SH=I··T=1,2,3,4,5,6··KIND=N", "··NAME=RBASE··KIND=R", "··NAME=T1··KIND=C",
                                  "··NAME=R2", ""});
    const std::int32_t expected[] = {0, kElasticBeamColumn, kNonlinearBeamColumn, kRotationalSpring, kCorotTruss,
                                     kRotationalSpring};
    for (std::int32_t k = 1; k <= 5; ++k)
        EXPECT_EQ(m.FrameSections[k].elementKind, expected[k]) << "section " << k;
    EXPECT_DOUBLE_EQ(m.FrameSections[2].dim[6], 6.0); // the key after the dimensions takes none of them
    EXPECT_EQ(ImportFailure({"X", "FRAME SECTION", "··NAME=A··KIND=E", "··NAME=B··MAT=M··KIND=Q", ""}),
              "'Q' is not an element kind (E, N, D, H, T, C or R) (FRAME SECTION section, line 4, field KIND)");
    EXPECT_EQ(ImportFailure({"X", "FRAME SECTION", "··NAME=B··KIND=", ""}),
              "'' is not an element kind (E, N, D, H, T, C or R) (FRAME SECTION section, line 3, field KIND)");
}

TEST(ReadFrameSections, ShapesAndTheirDimensions)
{
    const Model m = ImportDotted({"X", "FRAME SECTION", "··NAME=I··MAT=S··SH=I··T=1,2,3,4,5,6",
                                  "··NAME=B··MAT=S··SH=B··T=1,2,3,4", "··NAME=P··MAT=S··SH=P··T=300,10",
                                  "··NAME=G··MAT=S··SH=G··T=oops", ""});
    EXPECT_EQ(m.FrameSections[1].shape, kShapeI);
    EXPECT_DOUBLE_EQ(m.FrameSections[1].dim[6], 6.0);
    EXPECT_EQ(m.FrameSections[2].shape, kShapeBox);
    EXPECT_DOUBLE_EQ(m.FrameSections[2].dim[4], 4.0);
    EXPECT_EQ(m.FrameSections[3].shape, kShapePipe);
    EXPECT_EQ(m.FrameSections[3].divideX, 20);
    EXPECT_EQ(m.FrameSections[2].divideX, 5);
    EXPECT_EQ(m.FrameSections[4].shape, kShapeNone); // unknown shape: dimensions not read
    EXPECT_EQ(m.FrameSections[1].material, 0);
}

TEST(ReadFrameSections, TheLastMaterialOfANameWinsAndColoursCycle)
{
    std::vector<std::string> owned = {"X", "MATERIAL", "··NAME=M", "····T=0··E=1··U=0", "··NAME=M", "····T=0··E=2··U=0",
                                      "", "FRAME SECTION"};
    for (int k = 1; k <= 21; ++k)
        owned.push_back("··NAME=S" + std::to_string(k) + "··MAT=M··SH=R··T=1,1");
    owned.push_back("");
    const Model m = ImportDotted(std::vector<std::string_view>(owned.begin(), owned.end()));
    EXPECT_EQ(m.FrameSections[1].material, 2);
    EXPECT_EQ(m.FrameSections[20].colour, 0);                      // entry 0
    EXPECT_EQ(m.FrameSections[21].colour, RgbColour(255, 0, 0));   // entry 1 again
    EXPECT_EQ(m.FrameSections[16].colour, RgbColour(255, 0, 255)); // entry 16
}

TEST(ReadFrameSections, BadDimensionNamesTheLine)
{
    EXPECT_EQ(ImportFailure({"X", "FRAME SECTION", "··NAME=C··MAT=S··SH=R··T=5,x", ""}),
              "'x' is not a valid floating point value (FRAME SECTION section, line 3, field T)");
}

TEST(ReadShellSections, OnlyShellLinesMakeSectionsButAllLinesCount)
{
    const Model m = ImportDotted({"X", "MATERIAL", "··NAME=CONC", "····T=0··E=3E4··U=0.2", "", "SHELL SECTION",
                                  "··NAME=PLATE··MAT=CONC···TYPE=Plate···TH=100",
                                  "··NAME=SLAB··MAT=CONC···TYPE=Shell···TH=200",
                                  "··NAME=MEMB··MAT=CONC···TYPE=Membrane···TH=300", ""});
    ASSERT_EQ(m.ShellSections.count, 3);
    const ShellSection& slab = m.ShellSections[1];
    EXPECT_EQ(slab.name, "SLAB");
    EXPECT_EQ(slab.shellKind, 1);
    EXPECT_EQ(slab.material, 1);
    EXPECT_DOUBLE_EQ(slab.thickness, 200.0);
    EXPECT_EQ(slab.colour, RgbColour(255, 0, 0));
    EXPECT_EQ(m.ShellSections[2].shellKind, 0);
    EXPECT_EQ(m.ShellSections[3].name, "");
}

} // namespace
} // namespace mirelo
