#include "common/NumberText.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace mirelo {
namespace {

using test::ImportDotted;
using test::ImportFailure;

TEST(ReadJoints, CoordinatesRoundToTenthsHalfToEven)
{
    const Model m = ImportDotted({"X", "JOINT", "··1··X=12.34··Y=-0.25··Z=3", "··2··X=12.36··Y=0.25··Z=0.35", ""});
    ASSERT_EQ(m.Joints.count, 2);
    EXPECT_DOUBLE_EQ(m.Joints[1].x, 12.3);
    EXPECT_DOUBLE_EQ(m.Joints[1].y, -0.2);
    EXPECT_DOUBLE_EQ(m.Joints[1].z, 3.0);
    EXPECT_DOUBLE_EQ(m.Joints[2].x, 12.4);
    EXPECT_DOUBLE_EQ(m.Joints[2].y, 0.2);
    EXPECT_DOUBLE_EQ(m.Joints[2].z, 0.3); // 0.35 is stored just below the half
}

// The grid is 0.1 mm in the file's length unit (or the first power of ten of
// the unit below it): a metre file keeps 6.0125, a millimetre file still
// rounds 12.34 to 12.3; halves go to the even neighbour in every unit.
TEST(ReadJoints, CoordinatesRoundToTheGridOfTheLengthUnit)
{
    const struct {
        const char* length; // the LENGTH= of the SYSTEM line; nullptr: no SYSTEM line
        const char* x;
        double expected;
    } cases[] = {
        {"M", "6.0125", 6.0125},
        {"m", "123.45", 123.45},
        {"M", "1.23456789", 1.2346},
        {"M", "6.01255", 6.0126},  // stored just above the half
        {"M", "6.01265", 6.0126},  // stored just below the half
        {"M", "-0.00005", -0.0001}, // stored just beyond the half
        {"CM", "12.345", 12.35},
        {"cm", "12.3449", 12.34},
        {"IN", "1.0625", 1.062}, // an exact half: to the even neighbour
        {"IN", "1.1875", 1.188}, // an exact half: to the even neighbour
        {"FT", "10.123449", 10.1234},
        {"ft", "-10.12346", -10.1235},
        {"MM", "12.34", 12.3},
        {"mm", "-0.25", -0.2}, // an exact half
        {"FURLONG", "12.34", 12.3},
        {nullptr, "12.34", 12.3},
        {nullptr, "12.36", 12.4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.length ? c.length : "(no SYSTEM line)") + " " + c.x);
        std::vector<std::string> lines = {"X"};
        if (c.length)
            lines.insert(lines.end(), {"SYSTEM", std::string("··LENGTH=") + c.length + "··FORCE=KN", ""});
        lines.insert(lines.end(), {"JOINT", std::string("··1··X=") + c.x + "··Y=0··Z=0", ""});
        const Model m = ImportDotted(std::vector<std::string_view>(lines.begin(), lines.end()));
        ASSERT_EQ(m.Joints.count, 1);
        EXPECT_EQ(m.Joints[1].x, c.expected); // the very double the text of the grid point reads as
    }
}

// Every value already on the grid comes back as the double its text reads as.
TEST(ReadJoints, ValuesOnTheGridKeepTheirDoubles)
{
    for (const auto& [length, scale] : {std::pair{"M", 10000}, std::pair{"IN", 1000}, std::pair{"MM", 10}}) {
        std::vector<std::string> lines = {"SYSTEM", std::string("··LENGTH=") + length, "", "JOINT"};
        std::vector<double> values;
        for (int i = -5000; i <= 5000; i += 7) {
            const double value = i * 1234567.0 / scale / 1000; // up to 7 significant digits
            const std::string text = FormatFixed(value, scale == 10000 ? 4 : scale == 1000 ? 3 : 1);
            values.push_back(ParseReal(text));
            lines.push_back("··1··X=" + text + "··Y=0··Z=0");
        }
        lines.push_back("");
        const Model m = ImportDotted(std::vector<std::string_view>(lines.begin(), lines.end()));
        ASSERT_EQ(m.Joints.count, static_cast<std::int32_t>(values.size()));
        for (std::int32_t k = 1; k <= m.Joints.count; ++k)
            ASSERT_EQ(m.Joints[k].x, values[static_cast<std::size_t>(k - 1)]) << length << " joint " << k;
    }
}

TEST(ReadJoints, TheLineOrderNotTheLabelNumbersTheJoint)
{
    const Model m = ImportDotted({"X", "JOINT", "··1··X=1··Y=0··Z=0", "··5··X=2··Y=0··Z=0", "··7··X=3··Y=0··Z=0", ""});
    EXPECT_DOUBLE_EQ(m.Joints[3].x, 3.0);
}

TEST(ReadJoints, AbsentSectionGivesMinusOne)
{
    const Model m = ImportDotted({"X", "FRAME SECTION", ""});
    EXPECT_EQ(m.Joints.count, -1);
    EXPECT_EQ(m.Joints.Size(), 0);
}

TEST(ReadRestraints, SetsOnlyTheNamedDirections)
{
    const Model m = ImportDotted({"X", "JOINT", "··1··X=0··Y=0··Z=0", "··2··X=0··Y=0··Z=0", "··3··X=0··Y=0··Z=0",
                                  "··4··X=0··Y=0··Z=0", "", "RESTRAINT", "··ADD=4··DOF=R3,U1", "··comment line", ""});
    const auto& r = m.Joints[4].restraint;
    EXPECT_EQ(r[1], 1);
    EXPECT_EQ(r[6], 1);
    EXPECT_EQ(r[2] + r[3] + r[4] + r[5], 0);
    EXPECT_EQ(m.Joints[1].restraint[1], 0);
}

TEST(ReadMasses, KeysArePositional)
{
    const Model m = ImportDotted({"X", "JOINT", "··1··X=0··Y=0··Z=0", "··2··X=0··Y=0··Z=0", "··3··X=0··Y=0··Z=0",
                                  "··4··X=0··Y=0··Z=0", "", "MASS", "··ADD=4··U1=2.5··U3=1",
                                  "··ADD=3··U1=1··U2=2··U3=3", ""});
    EXPECT_DOUBLE_EQ(m.Joints[4].mass[1], 2.5);
    EXPECT_DOUBLE_EQ(m.Joints[4].mass[2], 0.0);
    EXPECT_DOUBLE_EQ(m.Joints[4].mass[3], 0.0); // U3 stood where U2 belongs
    EXPECT_DOUBLE_EQ(m.Joints[3].mass[3], 3.0);
    EXPECT_DOUBLE_EQ(m.Joints[3].mass[4], 0.0);
}

TEST(ReadMasses, AnEmptySectionChangesNothing)
{
    const Model m = ImportDotted({"X", "JOINT", "··1··X=0··Y=0··Z=0", "", "MASS", ""});
    EXPECT_DOUBLE_EQ(m.Joints[1].mass[1], 0.0);
}

TEST(ReadConstraints, TheLastJointListedIsTheMaster)
{
    const Model m = ImportDotted({"X", "JOINT", "··1··X=0··Y=0··Z=0", "··2··X=0··Y=0··Z=0", "··3··X=0··Y=0··Z=0",
                                  "··4··X=0··Y=0··Z=0", "··5··X=0··Y=0··Z=0", "··6··X=0··Y=0··Z=0",
                                  "··7··X=0··Y=0··Z=0", "", "CONSTRAINT", "··NAME=2··TYPE=DIAPH", "····ADD=1",
                                  "··NAME=1··TYPE=DIAPH··AXIS=Z", "····ADD=5", "····ADD=6", "····ADD=7", "··NAME=3", ""});
    ASSERT_EQ(m.Constraints.count, 3);
    const Constraint& c = m.Constraints[1];
    EXPECT_EQ(c.members, (std::vector<std::int32_t>{0, 5, 6, 7}));
    EXPECT_EQ(c.memberCount, 2);
    EXPECT_EQ(c.masterJoint, 7);
    EXPECT_EQ(m.Constraints[2].masterJoint, 1);
    EXPECT_EQ(m.Constraints[2].memberCount, 0);
    EXPECT_EQ(m.Constraints[3].masterJoint, 0); // no ADD line
    EXPECT_EQ(m.Constraints[3].memberCount, -1);
}

TEST(ReadConstraints, AddLinesNeedFourBlanks)
{
    const Model m = ImportDotted({"X", "JOINT", "··1··X=0··Y=0··Z=0", "", "CONSTRAINT", "··NAME=1", "··ADD=1", ""});
    EXPECT_EQ(m.Constraints[1].masterJoint, 0);
}

TEST(ReferenceChecks, JointSectionsRejectUnknownJointsWithTheLine)
{
    auto with = [](std::vector<std::string_view> tail) {
        std::vector<std::string_view> all{"X", "JOINT", "··1··X=0··Y=0··Z=0", "··2··X=0··Y=0··Z=0", ""};
        all.insert(all.end(), tail.begin(), tail.end());
        return ImportFailure(all);
    };
    EXPECT_EQ(with({"RESTRAINT", "··ADD=3··DOF=U1", ""}),
              "joint 3 does not exist (the model has 2 joints) (RESTRAINT section, line 7)");
    EXPECT_EQ(with({"MASS", "··ADD=0··U1=1", ""}), "joint 0 does not exist (the model has 2 joints) (MASS section, line 7)");
    EXPECT_EQ(with({"CONSTRAINT", "··NAME=1", "····ADD=9", ""}),
              "joint 9 does not exist (the model has 2 joints) (CONSTRAINT section, line 8)");
    EXPECT_EQ(with({"CONSTRAINT", "··NAME=2", "····ADD=1", ""}),
              "constraint NAME=2 is outside 1..1 (constraints must be named 1, 2, 3 ...) (CONSTRAINT section, line 7)");
    EXPECT_EQ(with({"CONSTRAINT", "··NAME=1", "··NAME=1", ""}),
              "constraint NAME=1 is given twice (CONSTRAINT section, line 8)");
    EXPECT_EQ(with({"CONSTRAINT", "····ADD=1", "··NAME=1", ""}),
              "ADD line before the first NAME line (CONSTRAINT section, line 7)");
}

TEST(ReadJoints, BadNumbersNameTheFieldSectionAndLine)
{
    EXPECT_EQ(ImportFailure({"X", "JOINT", "··1··X=0··Y=0··Z=0", "··2··X=abc··Y=0··Z=0", ""}),
              "'abc' is not a valid floating point value (JOINT section, line 4, field X)");
    EXPECT_EQ(ImportFailure({"X", "JOINT", "··1··X=0··Y=0", ""}),
              "'' is not a valid floating point value (JOINT section, line 3, field Z)");
    EXPECT_EQ(ImportFailure({"X", "JOINT", "··1··X=0··Y=0··Z=0", "", "MASS", "··ADD=x··U1=1", ""}),
              "'x' is not a valid integer value (MASS section, line 6, field ADD)");
}

TEST(ReadJoints, ASectionWithoutItsBlankLineIsARangeError)
{
    EXPECT_EQ(ImportFailure({"X", "JOINT", "··1··X=0··Y=0··Z=0"}),
              "Range check error (JOINT section, line 2: the section has no blank line after it, or its keyword "
              "appears twice)");
    // The keyword twice, a blank line between.
    EXPECT_NE(ImportFailure({"X", "JOINT", "", "JOINT", "··1··X=0··Y=0··Z=0", ""}).find("Range check error"),
              std::string::npos);
}

} // namespace
} // namespace mirelo
