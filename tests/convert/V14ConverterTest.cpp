#include "V14TestFiles.h"
#include "convert/V14Converter.h"
#include "model/ImportS2k.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace mirelo {
namespace {

using test::Dots;
using test::JointRow;
using test::LoadRow;
using test::MaterialRow;
using test::RestraintRow;
using test::SolidAssignmentRow;
using test::SolidPropertyRow;
using test::SolidRow;
using test::Table;
using test::V14File;
using L = std::vector<std::string>;

L Lines(const TextLines& lines)
{
    L out;
    for (std::size_t i = 0; i < lines.size(); ++i)
        out.emplace_back(lines[i]);
    return out;
}

L Dotted(const std::vector<std::string_view>& lines)
{
    return Lines(test::DottedLines(lines));
}

// Converts, and checks that the result imports with the counts it reports.
V14Conversion Convert(const TextLines& v14)
{
    V14Conversion conversion = ConvertV14File(v14);
    try {
        const Model model = ImportS2k(conversion.lines);
        EXPECT_EQ(model.Joints.count, conversion.jointCount);
        EXPECT_EQ(std::max(model.Solids.count, 0), conversion.solidCount);
    } catch (const Error& e) {
        ADD_FAILURE() << "the converted text does not import: " << e.what();
    }
    return conversion;
}

std::string Failure(const TextLines& v14)
{
    try {
        ConvertV14File(v14);
    } catch (const V14Error& e) {
        return e.what();
    }
    return "(no error)";
}

const L kCube = {JointRow("1", "0", "0", "0"),       JointRow("2", "1000", "0", "0"),
                 JointRow("3", "0", "1000", "0"),    JointRow("4", "1000", "1000", "0"),
                 JointRow("5", "0", "0", "3000"),    JointRow("6", "1000", "0", "3000"),
                 JointRow("7", "0", "1000", "3000"), JointRow("8", "1000", "1000", "3000")};

TextLines CubeFile()
{
    return V14File({
        Table("JOINT COORDINATES", kCube),
        Table("JOINT RESTRAINT ASSIGNMENTS",
              {RestraintRow("1", {"Yes", "Yes", "Yes", "Yes", "Yes", "Yes"}),
               RestraintRow("2", {"No", "No", "Yes", "No", "No", "No"}),
               RestraintRow("3", {"yes", "YES", "Y", "true", "1", "No"}), // only "Yes" restrains
               RestraintRow("4", {"Yes", "No", "No", "No", "No", "No"}),
               RestraintRow("4", {"No", "No", "No", "No", "No", "Yes"})}), // flags add up
        Table("JOINT LOADS - FORCE",
              {LoadRow("5", "DEAD", {"10", "20", "30", "0", "0", "0"}),
               LoadRow("5", "LIVE", {"0", "0", "-10", "0", "0", "2.5"}), // replaces DEAD
               LoadRow("6", "DEAD", {"0", "0", "0", "0", "0", "0"}),
               LoadRow("8", "DEAD", {"1", "0", "0", "-4", "0", "0"})}),
        Table("CONNECTIVITY - SOLID", {SolidRow("1", {"1", "2", "3", "4", "5", "6", "7", "8"})}),
    });
}

TEST(ConvertV14File, WritesEverySectionInOrder)
{
    const V14Conversion c = Convert(CubeFile());
    EXPECT_EQ(Lines(c.lines), Dotted({
                                  "SYSTEM",
                                  "··DOF=UX,UY,UZ,RX,RY,RZ··LENGTH=mm··FORCE=N",
                                  "",
                                  "JOINT",
                                  "··1··X=0.000E+000··Y=0.000E+000··Z=0.000E+000",
                                  "··2··X=1.000E+003··Y=0.000E+000··Z=0.000E+000",
                                  "··3··X=0.000E+000··Y=1.000E+003··Z=0.000E+000",
                                  "··4··X=1.000E+003··Y=1.000E+003··Z=0.000E+000",
                                  "··5··X=0.000E+000··Y=0.000E+000··Z=3.000E+003",
                                  "··6··X=1.000E+003··Y=0.000E+000··Z=3.000E+003",
                                  "··7··X=0.000E+000··Y=1.000E+003··Z=3.000E+003",
                                  "··8··X=1.000E+003··Y=1.000E+003··Z=3.000E+003",
                                  "",
                                  "RESTRAINT",
                                  "··ADD=1··DOF=U1,U2,U3,R1,R2,R3",
                                  "··ADD=2··DOF=,U3",
                                  "··ADD=4··DOF=U1,R3",
                                  "",
                                  "LOAD",
                                  "··NAME=PUSH",
                                  "····TYPE=FORCE",
                                  "······ADD=5··UZ=-1.0000E+001",
                                  "······ADD=5··RZ=2.5000E+000",
                                  "······ADD=8··UX=1.0000E+000",
                                  "······ADD=8··RX=-4.0000E+000",
                                  "",
                                  "MATERIAL",
                                  "··NAME=SOLID··IDES=C··M=2.400E-009··W=2.400E-005",
                                  "····T=0··E=3.000E+004··U=2.000E-001",
                                  "",
                                  "SOLID",
                                  "··1··J=1,2,3,4,5,6,7,8··SEC=1",
                                  "",
                                  "",
                                  "END",
                              }));
    EXPECT_EQ(c.jointCount, 8);
    EXPECT_EQ(c.solidCount, 1);
    EXPECT_EQ(c.materialCount, 1);
    const std::string concrete = "No material for 1 solid: material SOLID (SEC=1), normal concrete in N and mm: "
                                 "E=3.000E+004  U=2.000E-001  M=2.400E-009  W=2.400E-005";
    EXPECT_EQ(c.notes, (L{concrete}));
    EXPECT_EQ(V14Summary(c),
              (L{"Mirelo import Sap2000 V14 S2k file", "NJOINT = 8", "NSOLID = 1", concrete, "Finish!!"}));
}

TEST(ConvertV14File, TheImportGetsBackRestraintsLoadsAndSolids)
{
    const Model m = ImportS2k(ConvertV14File(CubeFile()).lines);
    ASSERT_EQ(m.Joints.count, 8);
    EXPECT_EQ(m.Joints[8].x, 1000);
    EXPECT_EQ(m.Joints[8].z, 3000);
    using R = std::array<std::int32_t, 7>;
    EXPECT_EQ(m.Joints[1].restraint, (R{0, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(m.Joints[2].restraint, (R{0, 0, 0, 1, 0, 0, 0}));
    EXPECT_EQ(m.Joints[3].restraint, (R{}));
    EXPECT_EQ(m.Joints[4].restraint, (R{0, 1, 0, 0, 0, 0, 1}));
    ASSERT_EQ(m.Loads.count, 4);
    ASSERT_EQ(m.LoadCaseNames, (L{"", "PUSH"}));
    using V = std::array<double, 7>;
    const struct {
        std::int32_t joint;
        V value;
    } loads[] = {{5, {0, 0, 0, -10, 0, 0, 0}}, {5, {0, 0, 0, 0, 0, 0, 2.5}}, {8, {0, 1, 0, 0, 0, 0, 0}},
                 {8, {0, 0, 0, 0, -4, 0, 0}}};
    for (std::int32_t l = 1; l <= 4; ++l) {
        EXPECT_EQ(m.Loads[l].loadType, kJointForce);
        EXPECT_EQ(CaseNameOf(m, m.Loads[l]), "PUSH");
        EXPECT_EQ(m.Loads[l].target, loads[l - 1].joint) << l;
        EXPECT_EQ(m.Loads[l].value, loads[l - 1].value) << l;
    }
    ASSERT_EQ(m.Solids.count, 1);
    EXPECT_EQ(m.Solids[1].joints, (std::array<std::int32_t, 9>{0, 1, 2, 4, 3, 5, 6, 8, 7}));
    EXPECT_EQ(m.Solids[1].section, 1);
    ASSERT_EQ(m.Materials.count, 1);
    EXPECT_EQ(m.Materials[1].name, "SOLID");
    EXPECT_EQ(m.Materials[1].elasticModulus, 30000);
    EXPECT_EQ(m.Materials[1].poisson, 0.2);
    EXPECT_EQ(m.Materials[1].shearModulus, 12500);
}

TEST(ConvertV14File, JointTwelveOfTwelve)
{
    L joints;
    for (int j = 1; j <= 11; ++j)
        joints.push_back(JointRow(std::to_string(j), std::to_string(j), "0", "0"));
    joints.push_back(Dots("···Joint=12···CoordSys=GLOBAL···CoordType=Cartesian···XorR=0···Y=0···Z=3000"));
    const V14Conversion c = Convert(V14File({Table("JOINT COORDINATES", joints)}));
    EXPECT_EQ(Lines(c.lines)[15], Dots("··12··X=0.000E+000··Y=0.000E+000··Z=3.000E+003"));
}

TEST(ConvertV14File, ValuesGetTheDigitsTheyNeed)
{
    // Four (five) digits where they say the value, more where they do not:
    // 12345 must not become 12350, nor -12345.678 become -12346.
    const V14Conversion c = Convert(V14File({
        Table("JOINT COORDINATES", {JointRow("1", "12345", "12345.678", "0.1"), JointRow("2", "-0.5", "1E-7", "3.000E+003")}),
        Table("JOINT LOADS - FORCE", {LoadRow("1", "P", {"-12345.678", "-10", "123456", "0.1", "1E300", "-0.333333333333"})}),
    }));
    const L lines = Lines(c.lines);
    EXPECT_EQ(lines[4], Dots("··1··X=1.2345E+004··Y=1.2345678E+004··Z=1.000E-001"));
    EXPECT_EQ(lines[5], Dots("··2··X=-5.000E-001··Y=1.000E-007··Z=3.000E+003"));
    EXPECT_EQ(L(lines.begin() + 12, lines.begin() + 18), Dotted({
                                                             "······ADD=1··UX=-1.2345678E+004",
                                                             "······ADD=1··UY=-1.0000E+001",
                                                             "······ADD=1··UZ=1.23456E+005",
                                                             "······ADD=1··RX=1.0000E-001",
                                                             "······ADD=1··RY=1.0000E+300",
                                                             "······ADD=1··RZ=-3.33333333333E-001",
                                                         }));
    const Model m = ImportS2k(c.lines);
    EXPECT_EQ(m.Joints[1].x, 12345);
    EXPECT_EQ(m.Joints[1].y, 12345.7); // the import keeps coordinates to 0.1
    const double loads[] = {0, -12345.678, -10, 123456, 0.1, 1E300, -0.333333333333};
    ASSERT_EQ(m.Loads.count, 6); // one record per line
    for (std::size_t k = 1; k <= 6; ++k)
        EXPECT_EQ(m.Loads[static_cast<std::int32_t>(k)].value[k], loads[k]) << k;
}

TEST(ConvertV14File, AbsentOptionalTablesGiveEmptySections)
{
    const V14Conversion c = Convert(V14File({Table("JOINT COORDINATES", {JointRow("1", "0", "0", "0")})}));
    const L lines = Lines(c.lines);
    EXPECT_EQ(L(lines.begin() + 5, lines.end()), (L{"", "RESTRAINT", "", "LOAD", "  NAME=PUSH", "    TYPE=FORCE", "",
                                                    "MATERIAL", "", "SOLID", "", "", "END"}));
    EXPECT_EQ(c.solidCount, 0);
    EXPECT_EQ(c.materialCount, 0); // no solid needs one
    EXPECT_TRUE(c.notes.empty());

    const V14Conversion none = Convert(V14File({Table("JOINT COORDINATES", {})}));
    EXPECT_EQ(none.jointCount, 0);
    EXPECT_EQ(Lines(none.lines)[4], "");
}

TEST(ConvertV14File, ATableMayRunToTheEndOfTheFile)
{
    TextLines v14;
    v14.Append("TABLE:  \"JOINT COORDINATES\"");
    v14.Append(JointRow("1", "0", "0", "0"));
    v14.Append(JointRow("2", "0", "0", "1"));
    v14.Append(" \t\x01"); // empty after trimming: ends the table
    v14.Append("TABLE:  \"CONNECTIVITY - SOLID\"");
    v14.Append(SolidRow("7", {"1", "2", "2", "1", "1", "2", "2", "1"}));
    const V14Conversion c = Convert(v14);
    EXPECT_EQ(c.jointCount, 2);
    EXPECT_EQ(c.solidCount, 1);
    const L lines = Lines(c.lines);
    EXPECT_EQ(lines[lines.size() - 4], Dots("··7··J=1,2,2,1,1,2,2,1··SEC=1"));
}

TEST(ConvertV14File, HeadingsMustMatchExactly)
{
    // Trailing blank, lower case, one blank after the colon: none is a heading.
    for (const char* heading :
         {"TABLE:  \"JOINT COORDINATES\" ", "TABLE:  \"joint coordinates\"", "TABLE: \"JOINT COORDINATES\"", " TABLE:  \"JOINT COORDINATES\""}) {
        TextLines v14;
        v14.Append(heading);
        v14.Append(JointRow("1", "0", "0", "0"));
        EXPECT_EQ(Failure(v14), "the file has no table TABLE:  \"JOINT COORDINATES\"") << heading;
    }
}

TEST(ConvertV14File, RowsWithManyItemsReadTheirFirstValues)
{
    // Twenty more items after the coordinates: far more than 39 fields.
    std::string row = JointRow("1", "1.5", "2.5", "3.5");
    for (int i = 0; i < 20; ++i)
        row += "   Extra" + std::to_string(i) + "=" + std::to_string(i);
    const V14Conversion c = Convert(V14File({Table("JOINT COORDINATES", {row})}));
    EXPECT_EQ(Lines(c.lines)[4], Dots("··1··X=1.500E+000··Y=2.500E+000··Z=3.500E+000"));
}

TEST(ConvertV14File, JointsNumberedOtherwiseAreRenumberedInTableOrder)
{
    const V14Conversion c = Convert(V14File({
        Table("JOINT COORDINATES", {JointRow("10", "0", "0", "0"), JointRow("30", "1", "0", "0"),
                                    JointRow("20", "0", "1", "0"), JointRow("-4", "1", "1", "0")}),
        Table("JOINT RESTRAINT ASSIGNMENTS", {RestraintRow("20", {"Yes", "Yes", "Yes", "No", "No", "No"})}),
        Table("JOINT LOADS - FORCE", {LoadRow("-4", "P", {"0", "0", "5", "0", "0", "0"})}),
        Table("CONNECTIVITY - SOLID", {SolidRow("3", {"10", "30", "20", "-4", "10", "30", "20", "-4"})}),
    }));
    const L lines = Lines(c.lines);
    EXPECT_EQ(L(lines.begin() + 4, lines.begin() + 8),
              Dotted({"··1··X=0.000E+000··Y=0.000E+000··Z=0.000E+000", "··2··X=1.000E+000··Y=0.000E+000··Z=0.000E+000",
                      "··3··X=0.000E+000··Y=1.000E+000··Z=0.000E+000", "··4··X=1.000E+000··Y=1.000E+000··Z=0.000E+000"}));
    EXPECT_EQ(lines[10], Dots("··ADD=3··DOF=U1,U2,U3"));
    EXPECT_EQ(lines[15], Dots("······ADD=4··UZ=5.0000E+000"));
    EXPECT_EQ(lines[22], Dots("··3··J=1,2,3,4,1,2,3,4··SEC=1"));
    ASSERT_EQ(c.notes.size(), 2u);
    EXPECT_EQ(c.notes[0], "Joints are renumbered 1 to 4 in table order: joint 10 (line 4) is joint 1");
    EXPECT_EQ(V14Summary(c), (L{"Mirelo import Sap2000 V14 S2k file", "NJOINT = 4", "NSOLID = 1", c.notes[0],
                                c.notes[1], "Finish!!"}));
}

TEST(ConvertV14File, RefusesWhatItCannotConvertWithTableAndLine)
{
    // Line 1 of V14File is a title, line 2 blank, line 3 the first heading.
    const L joints = {JointRow("1", "0", "0", "0"), JointRow("2", "0", "0", "1")};
    const L restraint = {RestraintRow("1", {"Yes", "Yes", "Yes", "No", "No", "No"})};
    const L load = {LoadRow("2", "P", {"1", "0", "0", "0", "0", "0"})};
    const L solid = {SolidRow("1", {"1", "2", "2", "1", "1", "2", "2", "1"})};
    const auto file = [&](const L& j, const L& r, const L& l, const L& s) {
        return V14File({Table("JOINT COORDINATES", j), Table("JOINT RESTRAINT ASSIGNMENTS", r),
                        Table("JOINT LOADS - FORCE", l), Table("CONNECTIVITY - SOLID", s)});
    };
    const struct {
        TextLines v14;
        std::string message;
    } cases[] = {
        {V14File({Table("JOINT RESTRAINT ASSIGNMENTS", restraint)}), "the file has no table TABLE:  \"JOINT COORDINATES\""},
        {file({JointRow("1", "0", "abc", "0")}, {}, {}, {}),
         "'abc' is not a valid floating point value (JOINT COORDINATES table, line 4)"},
        {file({joints[0], JointRow("1.5", "0", "0", "0")}, {}, {}, {}),
         "'1.5' is not a valid integer value (JOINT COORDINATES table, line 5)"},
        {file({joints[0], "   Joint=2   CoordSys=GLOBAL"}, {}, {}, {}),
         "'' is not a valid floating point value (JOINT COORDINATES table, line 5)"},
        {file({joints[0], joints[1], joints[0]}, {}, {}, {}),
         "joint 1 is given twice (first on line 4) (JOINT COORDINATES table, line 6)"},
        {file(joints, {restraint[0], RestraintRow("9.5", {"Yes"})}, {}, {}),
         "'9.5' is not a valid integer value (JOINT RESTRAINT ASSIGNMENTS table, line 9)"},
        {file(joints, restraint, {load[0], LoadRow("3", "P", {"1", "0", "0", "0", "0", "y"})}, {}),
         "'y' is not a valid floating point value (JOINT LOADS - FORCE table, line 12)"},
        {file(joints, restraint, {LoadRow("2", "P", {"1", "0", "0", "0", "0", "x"})}, {}),
         "'x' is not a valid floating point value (JOINT LOADS - FORCE table, line 11)"},
        {file(joints, restraint, {LoadRow("2", "P", {"1", "0", "0"})}, {}),
         "'' is not a valid floating point value (JOINT LOADS - FORCE table, line 11)"},
        {file(joints, restraint, load, {solid[0], SolidRow("2", {"1", "2", "2", "1", "1", "2", "2", "0"})}),
         "joint 0 is not in the JOINT COORDINATES table (CONNECTIVITY - SOLID table, line 15)"},
        {file(joints, restraint, load, {SolidRow("S1", {"1", "2", "2", "1", "1", "2", "2", "1"})}),
         "'S1' is not a valid integer value (CONNECTIVITY - SOLID table, line 14)"},
        {V14File({Table("JOINT COORDINATES", joints), Table("JOINT COORDINATES", joints)}),
         "the table is given twice (first on line 3) (JOINT COORDINATES table, line 7)"},
        {file(joints, restraint, load, {solid[0], solid[0]}),
         "solid 1 is given twice (first on line 14) (CONNECTIVITY - SOLID table, line 15)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Failure(c.v14), c.message);
}

const char* const kMaterials = "MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES";
const char* const kProperties = "SOLID PROPERTY DEFINITIONS";
const char* const kAssignments = "SOLID PROPERTY ASSIGNMENTS";

// Two solids on the cube's joints, and the material tables given.
TextLines TwoSolids(const std::vector<std::vector<std::string>>& materialTables)
{
    std::vector<std::vector<std::string>> tables = {
        Table("JOINT COORDINATES", kCube),
        Table("CONNECTIVITY - SOLID", {SolidRow("1", {"1", "2", "3", "4", "5", "6", "7", "8"}),
                                       SolidRow("2", {"5", "6", "7", "8", "1", "2", "3", "4"})})};
    tables.insert(tables.end(), materialTables.begin(), materialTables.end());
    return V14File(tables);
}

// The lines from MATERIAL to the end of SOLID.
L MaterialAndSolids(const V14Conversion& c)
{
    const L lines = Lines(c.lines);
    const auto from = std::find(lines.begin(), lines.end(), "MATERIAL");
    return L(from, lines.end() - 3);
}

TEST(ConvertV14File, MaterialTablesGiveTheMaterialsAndEachSolidsSec)
{
    const L concrete = Dotted({"··NAME=SOLID··IDES=C··M=2.400E-009··W=2.400E-005", "····T=0··E=3.000E+004··U=2.000E-001"});
    const L c30 = Dotted({"··NAME=C30··IDES=N··M=2.500E-009··W=2.500E-005", "····T=0··E=3.000E+004··U=2.000E-001"});
    const L steel = Dotted({"··NAME=S355··IDES=N··M=7.850E-009··W=7.700E-005", "····T=0··E=2.100E+005··U=3.000E-001"});
    const auto section = [](const std::vector<L>& materials, const char* sec1, const char* sec2) {
        L out = {"MATERIAL"};
        for (const L& m : materials)
            out.insert(out.end(), m.begin(), m.end());
        out.insert(out.end(), {"", "SOLID", Dots("··1··J=1,2,3,4,5,6,7,8··SEC=") + sec1,
                               Dots("··2··J=5,6,7,8,1,2,3,4··SEC=") + sec2});
        return out;
    };
    const std::string c30Row = MaterialRow("C30", "30000", "0.2", "2.5E-09", "2.5E-05");
    const std::string steelRow = MaterialRow("S355", "2.1E5", "0.3", "7.85E-09", "7.7E-05");
    const struct {
        const char* what;
        std::vector<std::vector<std::string>> tables;
        L expected;
        std::size_t notes;
    } cases[] = {
        {"no material tables", {}, section({concrete}, "1", "1"), 1},
        {"every solid assigned",
         {Table(kMaterials, {c30Row, steelRow}), Table(kProperties, {SolidPropertyRow("P1", "S355"), SolidPropertyRow("P2", "C30")}),
          Table(kAssignments, {SolidAssignmentRow("2", "P2"), SolidAssignmentRow("1", "P1")})},
         section({c30, steel}, "2", "1"), 1},
        {"one solid without a property",
         {Table(kMaterials, {c30Row}), Table(kProperties, {SolidPropertyRow("P", "C30")}),
          Table(kAssignments, {SolidAssignmentRow("2", "P")})},
         section({c30, concrete}, "2", "1"), 2},
        {"materials without properties", {Table(kMaterials, {c30Row})}, section({c30, concrete}, "2", "2"), 2},
        {"columns in another order, more of them, four blanks before the first",
         {Table(kMaterials, {"    U12=0.3   E1=2.1E5   Design=Steel   UnitMass=7.85E-09   Material=S355   UnitWeight=7.7E-05"}),
          Table(kProperties, {"   Material=S355   SolidProp=Material"}), Table(kAssignments, {"   SolidProp=Material   Solid=1"})},
         section({steel, concrete}, "1", "2"), 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const V14Conversion conversion = Convert(TwoSolids(c.tables));
        EXPECT_EQ(MaterialAndSolids(conversion), c.expected);
        EXPECT_EQ(conversion.notes.size(), c.notes);
    }
}

TEST(ConvertV14File, NormalConcreteTakesANameNoMaterialHas)
{
    const V14Conversion c = Convert(TwoSolids({Table(kMaterials, {MaterialRow("SOLID", "1", "0"), MaterialRow("SOLID1", "2", "0")})}));
    EXPECT_EQ(MaterialAndSolids(c)[5], Dots("··NAME=SOLID2··IDES=C··M=2.400E-009··W=2.400E-005"));
    EXPECT_EQ(c.notes, (L{"2 materials from the MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES table; a solid's "
                          "SEC= is its material's place in MATERIAL",
                          "No material for 2 solids: material SOLID2 (SEC=3), normal concrete in N and mm: "
                          "E=3.000E+004  U=2.000E-001  M=2.400E-009  W=2.400E-005"}));
}

// Line 1 is a title, line 2 blank; the joint table takes lines 3 to 12, the
// solid table 13 to 16, so the first material table starts on line 17.
TEST(ConvertV14File, RefusesMaterialRowsItCannotPlace)
{
    const std::string c30 = MaterialRow("C30", "30000", "0.2");
    const std::vector<std::string> property = {SolidPropertyRow("P", "C30")};
    const struct {
        std::vector<std::vector<std::string>> tables;
        const char* message;
    } cases[] = {
        {{Table(kMaterials, {c30, c30})}, "material C30 is given twice (first on line 18) (MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES table, line 19)"},
        {{Table(kMaterials, {"   Material=C30   UnitWeight=1   UnitMass=1   G12=1   U12=0.2"})},
         "the row gives no E1 (MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES table, line 18)"},
        {{Table(kMaterials, {MaterialRow("C30", "3E4x", "0.2")})},
         "'3E4x' is not a valid floating point value (MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES table, line 18)"},
        {{Table(kMaterials, {"   Material=\"C 30\"   UnitWeight=1   UnitMass=1   E1=1   U12=0.2"})},
         "the row gives no Material (MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES table, line 18)"},
        {{Table(kMaterials, {"   Material=C 30   UnitWeight=1   UnitMass=1   E1=1   U12=0.2"})},
         "the material name 'C 30' holds a blank, which an s2k name cannot (MATERIAL PROPERTIES 02 - BASIC "
         "MECHANICAL PROPERTIES table, line 18)"},
        {{Table(kMaterials, {c30}), Table(kProperties, {SolidPropertyRow("P", "C40")})},
         "material C40 is not in the MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES table (SOLID PROPERTY "
         "DEFINITIONS table, line 21)"},
        {{Table(kProperties, property)}, // no material table at all
         "material C30 is not in the MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES table (SOLID PROPERTY "
         "DEFINITIONS table, line 18)"},
        {{Table(kMaterials, {c30}), Table(kProperties, {property[0], property[0]})},
         "solid property P is given twice (first on line 21) (SOLID PROPERTY DEFINITIONS table, line 22)"},
        {{Table(kMaterials, {c30}), Table(kProperties, property), Table(kAssignments, {SolidAssignmentRow("1", "Q")})},
         "solid property Q is not in the SOLID PROPERTY DEFINITIONS table (SOLID PROPERTY ASSIGNMENTS table, line 24)"},
        {{Table(kMaterials, {c30}), Table(kProperties, property), Table(kAssignments, {SolidAssignmentRow("3", "P")})},
         "solid 3 is not in the CONNECTIVITY - SOLID table (SOLID PROPERTY ASSIGNMENTS table, line 24)"},
        {{Table(kMaterials, {c30}), Table(kProperties, property),
          Table(kAssignments, {SolidAssignmentRow("2", "P"), SolidAssignmentRow("2", "P")})},
         "solid 2 is given twice (first on line 24) (SOLID PROPERTY ASSIGNMENTS table, line 25)"},
        {{Table(kAssignments, {"   SolidProp=P"})}, "the row gives no Solid (SOLID PROPERTY ASSIGNMENTS table, line 18)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Failure(TwoSolids(c.tables)), c.message);
}

// A restraint or load row naming a joint the joint table lacks changes
// nothing; the summary names each such row.
TEST(ConvertV14File, RowsNamingMissingJointsAreLeftOutAndListed)
{
    const TextLines v14 = V14File({
        Table("JOINT COORDINATES", {JointRow("1", "0", "0", "0"), JointRow("2", "0", "0", "1")}),
        Table("JOINT RESTRAINT ASSIGNMENTS",
              {RestraintRow("9", {"Yes", "Yes", "Yes", "No", "No", "No"}), RestraintRow("1", {"Yes", "Yes", "Yes", "No", "No", "No"})}),
        Table("JOINT LOADS - FORCE", {LoadRow("2", "P", {"1", "0", "0", "0", "0", "0"}), LoadRow("-3", "P", {"5", "0", "0", "0", "0", "0"})}),
    });
    const V14Conversion c = Convert(v14);
    const L lines = Lines(c.lines);
    EXPECT_EQ(L(lines.begin() + 7, lines.begin() + 15),
              Dotted({"RESTRAINT", "··ADD=1··DOF=U1,U2,U3", "", "LOAD", "··NAME=PUSH", "····TYPE=FORCE",
                      "······ADD=2··UX=1.0000E+000", ""}));
    EXPECT_EQ(c.notes, (L{"joint 9 is not in the JOINT COORDINATES table: the row is left out (JOINT RESTRAINT "
                          "ASSIGNMENTS table, line 8)",
                          "joint -3 is not in the JOINT COORDINATES table: the row is left out (JOINT LOADS - FORCE "
                          "table, line 13)"}));
    const std::vector<std::string> summary = V14Summary(c);
    EXPECT_EQ(L(summary.begin() + 3, summary.end() - 1), c.notes);
}


// The units of PROGRAM CONTROL reach the SYSTEM line, so the import keeps a
// metre file's joints on its own grid, and the normal concrete of solids
// without a material is given in those units.
TEST(ConvertV14File, TheFilesUnitsReachTheSystemLineAndTheConcrete)
{
    struct Case {
        std::string units;
        std::string system, concrete, modulus;
    };
    const std::vector<Case> cases = {
        {"KN, m, C", "··DOF=UX,UY,UZ,RX,RY,RZ··LENGTH=m··FORCE=KN", "··NAME=SOLID··IDES=C··M=2.400E+000··W=2.400E+001",
         "····T=0··E=3.000E+007··U=2.000E-001"},
        {"N, mm, C", "··DOF=UX,UY,UZ,RX,RY,RZ··LENGTH=mm··FORCE=N", "··NAME=SOLID··IDES=C··M=2.400E-009··W=2.400E-005",
         "····T=0··E=3.000E+004··U=2.000E-001"},
        // A force unit without a known size leaves the model in N and mm.
        {"Zorg, m, C", "··DOF=UX,UY,UZ,RX,RY,RZ··LENGTH=mm··FORCE=N", "··NAME=SOLID··IDES=C··M=2.400E-009··W=2.400E-005",
         "····T=0··E=3.000E+004··U=2.000E-001"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.units);
        const TextLines file = V14File({
            Table("PROGRAM CONTROL", {"   ProgramName=SAP2000   Version=14.2.4   CurrUnits=\"" + c.units + "\"   ConcCode=\"ACI 318-05\""}),
            Table("JOINT COORDINATES", {JointRow("1", "0", "0", "0"), JointRow("2", "0.125", "0", "0"),
                                        JointRow("3", "0", "0.125", "0"), JointRow("4", "0.125", "0.125", "0"),
                                        JointRow("5", "0", "0", "3.0625"), JointRow("6", "0.125", "0", "3.0625"),
                                        JointRow("7", "0", "0.125", "3.0625"), JointRow("8", "0.125", "0.125", "3.0625")}),
            Table("CONNECTIVITY - SOLID", {SolidRow("1", {"1", "2", "3", "4", "5", "6", "7", "8"})}),
        });
        const V14Conversion conversion = Convert(file);
        const L lines = Lines(conversion.lines);
        EXPECT_EQ(lines[1], Dots(c.system));
        const auto material = std::find(lines.begin(), lines.end(), "MATERIAL");
        ASSERT_NE(material, lines.end());
        EXPECT_EQ(*(material + 1), Dots(c.concrete));
        EXPECT_EQ(*(material + 2), Dots(c.modulus));
        const Model model = ImportS2k(conversion.lines);
        const bool metres = c.system.find("LENGTH=m··") != std::string::npos;
        EXPECT_EQ(model.Joints[8].x, metres ? 0.125 : 0.1); // the grid is 0.1 mm in the file's unit
        EXPECT_EQ(model.Joints[8].z, metres ? 3.0625 : 3.1);
    }
}

} // namespace
} // namespace mirelo
