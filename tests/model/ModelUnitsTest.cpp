#include "model/ModelUnits.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace mirelo {
namespace {

using test::ImportDotted;

// A frame section's start cover and bar areas are 35 mm and 1000 mm² in the
// file's own length unit.
TEST(ModelUnits, SectionStartValuesFollowTheLengthUnit)
{
    struct Case {
        const char* systemLine;
        std::string length, force;
        double cover, barArea;
    };
    const Case cases[] = {
        {"··DOF=UX,UY,UZ,RX,RY,RZ··LENGTH=M··FORCE=KN··PAGE=SECTIONS", "M", "KN", 0.035, 0.001},
        {"··LENGTH=cm··FORCE=N", "cm", "N", 3.5, 10},
        {"··LENGTH=IN··FORCE=KIP", "IN", "KIP", 35 / 25.4, 1000 / 645.16},
        {"··LENGTH=FT··FORCE=LB", "FT", "LB", 35 / 304.8, 1000 / 92903.04},
        {"··LENGTH=mm··FORCE=N", "mm", "N", 35, 1000},
        {"··LENGTH=FURLONG··FORCE=N", "FURLONG", "N", 35, 1000}, // not recognised: as millimetres
        {"··DOF=UX··FORCE=KN", "", "KN", 35, 1000},
        {"··XLENGTH=M", "", "", 35, 1000}, // a key must start a word
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.systemLine);
        const Model m = ImportDotted({"SYSTEM", c.systemLine, "", "FRAME SECTION", "··NAME=C30··MAT=X··SH=R··T=.5,.3", ""});
        EXPECT_EQ(m.Units.length, c.length);
        EXPECT_EQ(m.Units.force, c.force);
        ASSERT_EQ(m.FrameSections.count, 1);
        EXPECT_DOUBLE_EQ(m.FrameSections[1].cover, c.cover);
        EXPECT_DOUBLE_EQ(m.FrameSections[1].barAreaX, c.barArea);
        EXPECT_DOUBLE_EQ(m.FrameSections[1].barAreaY, c.barArea);
    }
}

TEST(ModelUnits, AFileWithoutASystemLineOrWithItLastKeepsMillimetres)
{
    for (const auto& lines : {std::vector<std::string_view>{"X", "FRAME SECTION", "··NAME=C··MAT=X··SH=R··T=5,3", ""},
                              std::vector<std::string_view>{"X", "FRAME SECTION", "··NAME=C··MAT=X··SH=R··T=5,3", "",
                                                       "SYSTEM"}}) {
        const Model m = ImportDotted(lines);
        EXPECT_TRUE(m.Units.length.empty());
        EXPECT_DOUBLE_EQ(m.FrameSections[1].cover, 35.0);
        EXPECT_DOUBLE_EQ(m.FrameSections[1].barAreaX, 1000.0);
    }
}

TEST(ModelUnits, ForceUnitsInNewtons)
{
    EXPECT_DOUBLE_EQ(NewtonsPer("N"), 1);
    EXPECT_DOUBLE_EQ(NewtonsPer("kN"), 1000);
    EXPECT_DOUBLE_EQ(NewtonsPer("KIP"), 4448.2216152605);
    EXPECT_DOUBLE_EQ(NewtonsPer("Tonf"), 9806.65);
    EXPECT_DOUBLE_EQ(NewtonsPer(""), 0);
    EXPECT_DOUBLE_EQ(NewtonsPer("KNM"), 0);
}

TEST(ModelUnits, UnitsAreSpelledAsEngineersWriteThem)
{
    // The spelling shown, then what files write for it.
    const std::vector<std::vector<std::string>> rows = {
        {"N", "N", "n"},        {"kN", "KN", "kn", "Kn", "kN"}, {"MN", "MN", "mn"},  {"kgf", "KGF", "Kgf", "kgf"},
        {"tonf", "TONF", "Tonf"}, {"lb", "LB", "Lb", "lb"},      {"kip", "KIP", "Kip"}, {"mm", "MM", "mm", "Mm"},
        {"cm", "CM", "Cm"},     {"m", "M", "m"},               {"in", "IN", "In"},    {"ft", "FT", "Ft"},
        {"s", "S", "s"},
        {"FURLONG", "FURLONG"}, {"KNM", "KNM"}, {"K N", "K N"}, {"", ""}, // not known, or none: as written
    };
    for (const auto& row : rows)
        for (std::size_t k = 1; k < row.size(); ++k)
            EXPECT_EQ(EngineerUnit(row[k]), row[0]) << row[k];
}

TEST(ModelUnits, TheExampleBuildingIsInMetresAndKilonewtons)
{
    const Model m = ImportS2kFile(std::string(MIRELO_SOURCE_DIR) + "/examples/rc-frame-building.s2k").model;
    EXPECT_EQ(m.Units.length, "M");
    EXPECT_EQ(m.Units.force, "KN");
    for (std::int32_t s = 1; s <= m.FrameSections.count; ++s)
        EXPECT_DOUBLE_EQ(m.FrameSections[s].cover, 0.035);
}

} // namespace
} // namespace mirelo
