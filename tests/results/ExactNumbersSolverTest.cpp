// A model whose numbers do not fit four digits reaches the solver as it is:
// off-grid coordinates in metres, loads, masses and section sizes. The script
// lines are checked without the solver; the solver then balances the loads.
#include "common/NumberText.h"
#include "support/SolverRunner.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>

namespace mirelo {
namespace {

// Two bays of 6.0125 m on a site 123.45 m up, a storey of 3.2625 m, 0.5125 x
// 0.4125 m columns and a 0.125 m plate cantilevering from the first bay's top.
constexpr const char* kTwoBayFrame = R"(SYSTEM
  DOF=UX,UY,UZ,RX,RY,RZ  LENGTH=M  FORCE=KN  PAGE=SECTIONS

JOINT
  1  X=0  Y=0  Z=123.45
  2  X=6.0125  Y=0  Z=123.45
  3  X=12.025  Y=0  Z=123.45
  4  X=0  Y=0  Z=126.7125
  5  X=6.0125  Y=0  Z=126.7125
  6  X=12.025  Y=0  Z=126.7125
  7  X=0  Y=2.5375  Z=126.7125
  8  X=6.0125  Y=2.5375  Z=126.7125

RESTRAINT
  ADD=1  DOF=U1,U2,U3,R1,R2,R3
  ADD=2  DOF=U1,U2,U3,R1,R2,R3
  ADD=3  DOF=U1,U2,U3,R1,R2,R3

MASS
  ADD=4  U1=20.437  U2=20.437  U3=0
  ADD=5  U1=40.874  U2=40.874  U3=0
  ADD=6  U1=20.437  U2=20.437  U3=0

MATERIAL
  NAME=CONC  IDES=C  M=2.4  W=24
    T=0  E=31234567  U=.2  A=1E-05

FRAME SECTION
  NAME=ECOL  MAT=CONC  SH=R  T=.5125,.4125
  NAME=EBEAM  MAT=CONC  SH=R  T=.6125,.3125

SHELL SECTION
  NAME=SLAB125  MAT=CONC  TYPE="Shell"  TH=.125

FRAME
  1  J=1,4  SEC=ECOL  NSEG=4  ANG=0
  2  J=2,5  SEC=ECOL  NSEG=4  ANG=0
  3  J=3,6  SEC=ECOL  NSEG=4  ANG=0
  4  J=4,5  SEC=EBEAM  NSEG=4  ANG=0
  5  J=5,6  SEC=EBEAM  NSEG=4  ANG=0

SHELL
  1  J=4,5,7,8  SEC=SLAB125

LOAD
  NAME=DEAD
    TYPE=FORCE
      ADD=4  UZ=-212.37
      ADD=5  UZ=-424.81
      ADD=6  UZ=-212.37
      ADD=7  UZ=-6.0125
      ADD=8  UZ=-6.0125

END
)";

constexpr double kAppliedZ = -(212.37 + 424.81 + 212.37 + 6.0125 + 6.0125);

Model ImportText(const char* text)
{
    return ImportS2k(TextLines::FromText(text), "test model");
}

// The numbers after a line's leading words: "node 5 6.0125E+000 ..." gives 5, 6.0125, ...
std::vector<double> NumbersAfter(std::string_view line, std::string_view words)
{
    return test::NumbersIn(std::string(line.substr(words.size())));
}

void ExpectTwelveDigits(double written, long double expected, const std::string& what)
{
    EXPECT_LE(std::fabs(static_cast<long double>(written) - expected), 1e-12L * std::fabs(expected))
        << what << ": " << FormatRoundTrip(written) << " written, " << static_cast<double>(expected) << " expected";
}

// Second moments and torsion constant of a rectangle h deep and b wide.
struct Rectangle {
    long double h, b;
    long double Area() const { return h * b; }
    long double Iz() const { return h * b * b * b / 12; }
    long double Iy() const { return b * h * h * h / 12; }
    long double Torsion() const
    {
        const long double a = std::max(h, b) / 2, c = std::min(h, b) / 2;
        return a * c * c * c * (16.0L / 3 - 3.36L * (c / a) * (1 - c * c * c * c / (12 * a * a * a * a)));
    }
};

TEST(ExactNumbers, TheScriptCarriesTheModelsNumbers)
{
    Model model = ImportText(kTwoBayFrame);
    ASSERT_EQ(model.Joints.count, 8);
    EXPECT_EQ(model.Joints[2].x, 6.0125); // the metre file's grid is 0.1 mm
    EXPECT_EQ(model.Joints[5].z, 126.7125);
    EXPECT_EQ(model.Joints[7].y, 2.5375);

    AnalysisSettings analysis;
    const ScriptResult script = GenerateScript(model, analysis, {});
    const long double e = 31234567, g = e / 2.4L;
    const Rectangle column{0.5125L, 0.4125L}, beam{0.6125L, 0.3125L};
    std::map<std::string, int> seen;
    for (std::size_t i = 0; i < script.lines.size(); ++i) {
        const std::string_view line = script.lines[i];
        if (line.starts_with("node ")) {
            const std::vector<double> v = NumbersAfter(line, "node");
            ASSERT_EQ(v.size(), 4u) << line;
            const Joint& joint = model.Joints[static_cast<std::int32_t>(v[0])];
            EXPECT_EQ(v[1], joint.x) << line;
            EXPECT_EQ(v[2], joint.y) << line;
            EXPECT_EQ(v[3], joint.z) << line;
            ++seen["node"];
        } else if (line.starts_with("mass ")) {
            const std::vector<double> v = NumbersAfter(line, "mass");
            ASSERT_EQ(v.size(), 7u) << line;
            const long double mass = v[0] == 5 ? 40.874L : 20.437L;
            ExpectTwelveDigits(v[1], mass, std::string(line));
            ExpectTwelveDigits(v[2], mass, std::string(line));
            ++seen["mass"];
        } else if (line.starts_with("element elasticBeamColumn ")) {
            const std::vector<double> v = NumbersAfter(line, "element elasticBeamColumn");
            ASSERT_EQ(v.size(), 10u) << line;
            const Rectangle& r = v[0] <= 3 ? column : beam;
            const std::string what(line);
            ExpectTwelveDigits(v[3], r.Area(), what);
            ExpectTwelveDigits(v[4], e, what);
            ExpectTwelveDigits(v[5], g, what);
            ExpectTwelveDigits(v[6], r.Torsion(), what);
            ExpectTwelveDigits(v[7], r.Iy(), what);
            ExpectTwelveDigits(v[8], r.Iz(), what);
            ++seen["element"];
        } else if (line.starts_with("load ")) {
            const std::vector<double> v = NumbersAfter(line, "load");
            ASSERT_EQ(v.size(), 7u) << line;
            const std::map<int, long double> applied = {
                {4, -212.37L}, {5, -424.81L}, {6, -212.37L}, {7, -6.0125L}, {8, -6.0125L}};
            ExpectTwelveDigits(v[3], applied.at(static_cast<int>(v[0])), std::string(line));
            ++seen["load"];
        }
    }
    EXPECT_EQ(seen, (std::map<std::string, int>{{"element", 5}, {"load", 5}, {"mass", 3}, {"node", 8}}));
    const std::string text = script.lines.Join("\n");
    EXPECT_NE(text.find("\nsection PlateFiber 701 601 0.125\n"), std::string::npos);
    EXPECT_NE(text.find("\nnDMaterial ElasticIsotropic 1 3.1234567E+007 2.000E-001\n"), std::string::npos);
}

class ExactNumbersInTheSolver : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!test::SolverPresent())
            GTEST_SKIP() << "OpenSees not found at " << test::SolverPath()
                         << " (set MIRELO_TEST_OPENSEES): the real-solver tests are skipped";
    }
};

// The supports' reactions, read from the solver, balance the applied load to
// the last digits: with four-digit loads they were 0.05 % off.
TEST_F(ExactNumbersInTheSolver, GravityReactionsBalanceTheAppliedLoad)
{
    const test::TempDir dir;
    Model model = ImportText(kTwoBayFrame);
    AnalysisSettings analysis;
    analysis.LoadSteps = 1;
    ScriptResult script = GenerateScript(model, analysis, {});
    for (const char* line : {"reactions", "set out [open reactions.txt w]",
                             "foreach n {1 2 3} { puts $out [nodeReaction $n] }", "close $out"})
        script.lines.Append(line);
    std::string log;
    ASSERT_TRUE(test::RunScriptInSolver(script, dir.path(), log)) << log;

    std::ifstream in(dir.File("reactions.txt"));
    double sum[6] = {};
    int supports = 0;
    for (std::string line; std::getline(in, line); ++supports) {
        const std::vector<double> r = test::NumbersIn(line);
        ASSERT_EQ(r.size(), 6u) << line;
        for (std::size_t d = 0; d < 6; ++d)
            sum[d] += r[d];
    }
    ASSERT_EQ(supports, 3);
    EXPECT_NEAR(sum[2], -kAppliedZ, 1e-9 * std::fabs(kAppliedZ));
    EXPECT_NEAR(sum[0], 0, 1e-9 * std::fabs(kAppliedZ));
    EXPECT_NEAR(sum[1], 0, 1e-9 * std::fabs(kAppliedZ));
}

// One mass on the diaphragm master's axis gives the floor no rotational mass:
// the script asks for the two modes the solver can find.
TEST_F(ExactNumbersInTheSolver, AMassOnTheMastersAxisGivesTheModesTheSolverFinds)
{
    constexpr const char* kColumnUnderAFloor = R"(SYSTEM
  DOF=UX,UY,UZ,RX,RY,RZ  LENGTH=M  FORCE=KN  PAGE=SECTIONS

JOINT
  1  X=0  Y=0  Z=0
  2  X=0  Y=0  Z=3.5
  3  X=0  Y=0  Z=3.5

CONSTRAINT
  NAME=1  TYPE=DIAPH  AXIS=Z
    ADD=2
    ADD=3

RESTRAINT
  ADD=1  DOF=U1,U2,U3,R1,R2,R3

MASS
  ADD=2  U1=20.437  U2=20.437  U3=0

MATERIAL
  NAME=CONC  IDES=C  M=2.4  W=24
    T=0  E=31234567  U=.2  A=1E-05

FRAME SECTION
  NAME=ECOL  MAT=CONC  SH=R  T=.5125,.4125

FRAME
  1  J=1,2  SEC=ECOL  NSEG=4  ANG=0

END
)";
    const test::TempDir dir;
    Model model = ImportText(kColumnUnderAFloor);
    AnalysisSettings analysis;
    analysis.AnalysisType = kModal;
    analysis.ModeCount = 3;
    RecorderSettings recorder;
    recorder.RecordModeShapes = kFlagOn;
    const ScriptResult script = GenerateScript(model, analysis, recorder);
    const std::string text = script.lines.Join("\n");
    EXPECT_NE(text.find("\nset numModes 2\n"), std::string::npos) << text;
    std::string log;
    EXPECT_TRUE(test::RunScriptInSolver(script, dir.path(), log)) << log;
    EXPECT_EQ(log.find("undetermined"), std::string::npos) << log;
    std::ifstream periods(dir.File("Periods.txt"));
    const std::string values((std::istreambuf_iterator<char>(periods)), std::istreambuf_iterator<char>());
    EXPECT_EQ(test::NumbersIn(values).size(), 2u) << values;
    EXPECT_TRUE(std::filesystem::exists(dir.File("eigen2_node0.out")));
}

} // namespace
} // namespace mirelo
