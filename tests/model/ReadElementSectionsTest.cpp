#include "model/FrameAxis.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace mirelo {
namespace {

using test::ImportDotted;
using test::ImportFailure;

constexpr double kTight = 1e-15;

std::vector<std::string_view> TwoJointsAnd(std::string_view second, std::vector<std::string_view> tail)
{
    std::vector<std::string_view> all{"X", "JOINT", "··1··X=0··Y=0··Z=0", second, ""};
    all.insert(all.end(), tail.begin(), tail.end());
    return all;
}

TEST(ReadFrames, AColumnWithItsAxis)
{
    const Model m = ImportDotted(TwoJointsAnd("··2··X=0··Y=0··Z=3", {"FRAME", "··1··J=1,2··SEC=COL··NSEG=4··ANG=0", ""}));
    ASSERT_EQ(m.Frames.count, 1);
    const Frame& f = m.Frames[1];
    EXPECT_EQ(f.jointI, 1);
    EXPECT_EQ(f.jointJ, 2);
    EXPECT_EQ(f.segments, 4);
    EXPECT_EQ(f.section, 0); // no such section
    EXPECT_EQ(f.releaseEnd, 0);
    EXPECT_NEAR(f.axis2X, 1.0, kTight);
    EXPECT_NEAR(f.axis2Y, 0.0, kTight);
    EXPECT_NEAR(f.axis2Z, 0.0, kTight);
}

TEST(ComputeFrameAxis2, WorkedDirections)
{
    Axis2 a = ComputeFrameAxis2(0, 0, 0, 0, 0, 3, 90);
    EXPECT_NEAR(a.x, 0.0, 1e-15);
    EXPECT_NEAR(a.y, 1.0, 1e-15);
    EXPECT_NEAR(a.z, 0.0, 1e-15);
    a = ComputeFrameAxis2(0, 0, 3, 5, 0, 3, 0); // beam along +X
    EXPECT_NEAR(a.x, 0.0, 1e-15);
    EXPECT_NEAR(a.y, 0.0, 1e-15);
    EXPECT_NEAR(a.z, 1.0, 1e-15);
    a = ComputeFrameAxis2(0, 0, 3, 0, 0, 0, 30); // column from top to bottom
    EXPECT_NEAR(a.x, -std::cos(std::numbers::pi / 6), 1e-15);
    EXPECT_NEAR(a.y, std::sin(std::numbers::pi / 6), 1e-15);
    EXPECT_NEAR(a.z, 0.0, 1e-15);
    a = ComputeFrameAxis2(0, 0, 0, 0, -4, 0, 0); // beam along -Y: p < 0 branch
    EXPECT_NEAR(a.z, 1.0, 1e-15);
    a = ComputeFrameAxis2(1, 1, 0, 4, 5, -2, 17); // any frame: a unit vector at right angles to it
    EXPECT_NEAR(a.x * a.x + a.y * a.y + a.z * a.z, 1.0, 1e-14);
    EXPECT_NEAR(a.x * 3 + a.y * 4 + a.z * -2, 0.0, 1e-14);
}

TEST(ComputeFrameAxis2, ResultIsAlwaysANumber)
{
    // Directions where a rounded length ratio may pass 1.
    for (double d : {1e-300, 0.1, 3.0, 1e300}) {
        const Axis2 a = ComputeFrameAxis2(0, 0, 0, d, 0, 0, 45);
        EXPECT_TRUE(std::isfinite(a.x) && std::isfinite(a.y) && std::isfinite(a.z)) << d;
    }
    EXPECT_THROW(ComputeFrameAxis2(1, 2, 3, 1, 2, 3, 0), FloatingPointError);
}

TEST(ReadFrames, CoincidentJointsAreAnInvalidOperation)
{
    EXPECT_EQ(ImportFailure(TwoJointsAnd("··2··X=0··Y=0··Z=0.04", {"FRAME", "··1··J=1,2··SEC=C··NSEG=1··ANG=0", ""})),
              "Invalid floating point operation (FRAME section, line 7)");
}

TEST(ReadFrames, TheLaterReleaseKeywordWins)
{
    const Model m = ImportDotted(TwoJointsAnd("··2··X=1··Y=0··Z=0",
                                              {"FRAME", "··1··J=1,2··SEC=C··NSEG=1··ANG=0··IREL=R3··JREL=R3",
                                               "··2··J=1,2··SEC=C··NSEG=1··ANG=0··JREL=R3··IREL=R3",
                                               "··3··J=2,1··SEC=C··NSEG=1··ANG=0··IREL=R2", ""}));
    EXPECT_EQ(m.Frames[1].releaseEnd, 2);
    EXPECT_EQ(m.Frames[2].releaseEnd, 1);
    EXPECT_EQ(m.Frames[3].releaseEnd, 1);
}

TEST(ReadFrames, UnknownJointsAreRejected)
{
    EXPECT_EQ(ImportFailure(TwoJointsAnd("··2··X=1··Y=0··Z=0", {"FRAME", "··1··J=1,3··SEC=C··NSEG=1··ANG=0", ""})),
              "joint 3 does not exist (the model has 2 joints) (FRAME section, line 7)");
    EXPECT_EQ(ImportFailure({"X", "FRAME", "··1··J=1,2··SEC=C··NSEG=1··ANG=0", ""}),
              "joint 1 does not exist (the model has 0 joints) (FRAME section, line 3)");
}

TEST(ReadShells, CornersInPerimeterOrderAndActiveCount)
{
    const Model m = ImportDotted({"X", "JOINT", "··1··X=0··Y=0··Z=0", "··2··X=1··Y=0··Z=0", "··3··X=0··Y=1··Z=0",
                                  "··4··X=1··Y=1··Z=0", "··5··X=2··Y=0··Z=0", "", "SHELL SECTION",
                                  "··NAME=W1··MAT=C···TYPE=Shell···TH=200", "··NAME=P··MAT=C···TYPE=Plate···TH=200", "",
                                  "SHELL", "··5··J=1,2,3,4··SEC=W1", "··6··J=1,2,3,4··SEC=NONE", "··7··J=2,5,4,3··SEC=W1", ""});
    ASSERT_EQ(m.Shells.count, 3);
    EXPECT_EQ(m.Shells[1].joints, (std::array<std::int32_t, 5>{0, 1, 2, 4, 3}));
    EXPECT_EQ(m.Shells[1].section, 1);
    EXPECT_EQ(m.Shells[2].section, 0);
    EXPECT_EQ(m.ActiveShellCount, 2);
}

TEST(ReadShells, ThreeJointShellsStopTheImport)
{
    EXPECT_EQ(ImportFailure({"X", "JOINT", "··1··X=0··Y=0··Z=0", "··2··X=1··Y=0··Z=0", "··3··X=0··Y=1··Z=0", "",
                             "SHELL", "··1··J=1,2,3··SEC=W1", ""}),
              "'SEC' is not a valid integer value (SHELL section, line 8, field J)");
}

TEST(ReadSolids, CornersAndSectionNumber)
{
    std::vector<std::string> owned = {"X", "JOINT"};
    for (int j = 1; j <= 8; ++j)
        owned.push_back("··" + std::to_string(j) + "··X=" + std::to_string(j % 2) + "··Y=" + std::to_string(j / 2 % 2)
                        + "··Z=" + std::to_string(j / 5));
    owned.insert(owned.end(), {"", "SOLID", "··1··J=1,2,3,4,5,6,7,8··SEC=3", ""});
    const Model m = ImportDotted(std::vector<std::string_view>(owned.begin(), owned.end()));
    ASSERT_EQ(m.Solids.count, 1);
    EXPECT_EQ(m.Solids[1].joints, (std::array<std::int32_t, 9>{0, 1, 2, 4, 3, 5, 6, 8, 7}));
    EXPECT_EQ(m.Solids[1].section, 3);
}

TEST(ReadLoads, TheKindCarriesOverIntoLaterCases)
{
    const Model m = ImportDotted({"X", "JOINT", "··1··X=0··Y=0··Z=0", "··2··X=1··Y=0··Z=0", "··3··X=0··Y=1··Z=0",
                                  "··4··X=1··Y=1··Z=0", "", "LOAD", "··NAME=DEAD", "····TYPE=FORCE", "······ADD=3··UZ=-10",
                                  "··NAME=LIVE", "······ADD=4··UX=5··RZ=1.5··UY=2", ""});
    ASSERT_EQ(m.Loads.count, 2);
    EXPECT_EQ(m.LoadCaseCount, 2);
    EXPECT_EQ(m.LoadCaseNames[1], "DEAD");
    EXPECT_EQ(m.LoadCaseNames[2], "LIVE");
    EXPECT_EQ(m.Loads[1].loadType, kJointForce);
    EXPECT_EQ(m.Loads[1].target, 3);
    EXPECT_EQ(m.Loads[1].loadCase, 1);
    EXPECT_EQ(CaseNameOf(m, m.Loads[1]), "DEAD");
    EXPECT_DOUBLE_EQ(m.Loads[1].value[3], -10.0);
    EXPECT_EQ(m.Loads[2].loadType, kJointForce);
    EXPECT_EQ(CaseNameOf(m, m.Loads[2]), "LIVE");
    EXPECT_DOUBLE_EQ(m.Loads[2].value[1], 5.0);
    EXPECT_DOUBLE_EQ(m.Loads[2].value[2], 2.0);
    EXPECT_DOUBLE_EQ(m.Loads[2].value[6], 1.5);
}

TEST(ReadLoads, ADistributedLoadIsTheStretchTimesTheMeanValue)
{
    std::vector<std::string> owned = {"X", "JOINT"};
    for (int j = 1; j <= 8; ++j)
        owned.push_back("··" + std::to_string(j) + "··X=" + std::to_string(j) + "··Y=0··Z=0");
    owned.emplace_back("");
    owned.emplace_back("FRAME");
    for (int f = 1; f <= 7; ++f)
        owned.push_back("··" + std::to_string(f) + "··J=" + std::to_string(f) + "," + std::to_string(f + 1)
                        + "··SEC=B··NSEG=1··ANG=0");
    owned.insert(owned.end(), {"", "LOAD", "··NAME=L", "····TYPE=DISTRIBUTED", "······ADD=7··RD=0,1··UZ=-2,-4",
                               "······ADD=1··RD=0.25,0.75··U1=2,2", "······ADD=2··RD=0,1··GRAV=1,1", ""});
    const Model m = ImportDotted(std::vector<std::string_view>(owned.begin(), owned.end()));
    ASSERT_EQ(m.Loads.count, 3);
    EXPECT_EQ(m.Loads[1].loadType, kFrameDistributed);
    EXPECT_EQ(m.Loads[1].target, 7);
    EXPECT_EQ(m.Loads[1].direction, 2);
    EXPECT_DOUBLE_EQ(m.Loads[1].value[1], -3.0);
    EXPECT_EQ(m.Loads[2].direction, 1);
    EXPECT_DOUBLE_EQ(m.Loads[2].value[1], 1.0);
    EXPECT_EQ(m.Loads[3].direction, 0);
}

TEST(ReadLoads, AnAddBeforeAnyTypeCountsButStaysEmpty)
{
    const Model m = ImportDotted({"X", "JOINT", "··1··X=0··Y=0··Z=0", "", "LOAD", "··NAME=A", "······ADD=1··UZ=1",
                                  "····TYPE=FORCE", "······ADD=1··UZ=2", ""});
    ASSERT_EQ(m.Loads.count, 2);
    EXPECT_EQ(m.Loads[1].loadType, kLoadNone);
    EXPECT_EQ(m.Loads[1].loadCase, 0); // left empty, no case
    EXPECT_DOUBLE_EQ(m.Loads[1].value[3], 0.0);
    EXPECT_DOUBLE_EQ(m.Loads[2].value[3], 2.0);
}

TEST(ReadLoads, MoreThanTenCasesAreAllKept)
{
    std::vector<std::string> owned = {"X", "JOINT", "··1··X=0··Y=0··Z=0", "", "LOAD", "····TYPE=FORCE"};
    for (int c = 1; c <= 12; ++c) {
        owned.push_back("··NAME=CASE" + std::to_string(c));
        owned.push_back("······ADD=1··UZ=" + std::to_string(c));
    }
    owned.emplace_back("");
    const Model m = ImportDotted(std::vector<std::string_view>(owned.begin(), owned.end()));
    EXPECT_EQ(m.LoadCaseCount, 12);
    EXPECT_EQ(m.LoadCaseNames[12], "CASE12");
    EXPECT_EQ(CaseNameOf(m, m.Loads[12]), "CASE12");
}

// Every case is kept up to the most a load's record can name; one more is
// refused at its NAME line.
TEST(ReadLoads, CasesUpToTheMostAreKept)
{
    for (const std::int32_t cases : {kMostLoadCases, kMostLoadCases + 1}) {
        std::vector<std::string> owned = {"X", "JOINT", "··1··X=0··Y=0··Z=0", "", "LOAD", "····TYPE=FORCE"};
        for (std::int32_t c = 1; c <= cases; ++c)
            owned.push_back("··NAME=C" + std::to_string(c));
        owned.emplace_back("······ADD=1··UZ=1");
        owned.emplace_back("");
        const std::vector<std::string_view> lines(owned.begin(), owned.end());
        if (cases == kMostLoadCases) {
            const Model m = ImportDotted(lines);
            EXPECT_EQ(m.LoadCaseCount, kMostLoadCases);
            EXPECT_EQ(CaseNameOf(m, m.Loads[1]), "C65535");
        } else {
            EXPECT_EQ(ImportFailure(lines), "a model holds at most 65535 load cases (LOAD section, line 65542)");
        }
    }
}

TEST(ReadLoads, TargetsOutsideTheirTablesAreRejected)
{
    EXPECT_EQ(ImportFailure({"X", "JOINT", "··1··X=0··Y=0··Z=0", "", "LOAD", "··NAME=A", "····TYPE=FORCE",
                             "······ADD=2··UZ=1", ""}),
              "joint 2 does not exist (the model has 1 joint) (LOAD section, line 8)");
    EXPECT_EQ(ImportFailure({"X", "JOINT", "··1··X=0··Y=0··Z=0", "", "LOAD", "··NAME=A", "····TYPE=DISTRIBUTED",
                             "······ADD=1··RD=0,1··UZ=1,1", ""}),
              "frame 1 does not exist (the model has 0 frames) (LOAD section, line 8)");
}

TEST(ReadLoads, AnOverflowingLoadValueIsRaised)
{
    std::vector<std::string_view> lines = TwoJointsAnd(
        "··2··X=1··Y=0··Z=0", {"FRAME", "··1··J=1,2··SEC=B··NSEG=1··ANG=0", "", "LOAD", "··NAME=A",
                              "····TYPE=DISTRIBUTED", "······ADD=1··RD=-1E308,1E308··UZ=1E308,1E308", ""});
    EXPECT_EQ(ImportFailure(lines), "Floating point overflow (LOAD section, line 12)");
}

} // namespace
} // namespace mirelo
