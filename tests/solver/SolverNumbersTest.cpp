// The numbers OpenSees computes from generated scripts match hand formulas.
#include "solver/SolverRun.h"

#include "common/TextLines.h"
#include "model/ImportS2k.h"
#include "script/ScriptGenerator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace mirelo {
namespace {

// Generates the script of the s2k text, runs it in `dir` and returns the
// solver's output; the test fails unless the run reached its end.
std::string RunInSolver(const std::string& s2k, const AnalysisSettings& analysis, const test::TempDir& dir)
{
    Model model = ImportS2k(TextLines::FromText(s2k));
    return test::RunModelInSolver(model, analysis, {}, dir);
}

std::string LastLine(const std::string& path)
{
    std::ifstream in(path);
    std::string line, last;
    while (std::getline(in, line))
        if (!line.empty())
            last = line;
    return last;
}

// To four significant digits: within half a unit of the fourth digit (the
// script writes section properties with four).
void ExpectClose(double actual, double expected)
{
    const double unit = std::pow(10.0, std::floor(std::log10(std::abs(expected))) - 3);
    EXPECT_NEAR(actual, expected, unit / 2);
}

using SolverNumbers = test::SolverTest;

constexpr double kE = 2.5e7; // kN/m²

// A 3 m elastic cantilever along X, 0.5 deep (along Z) and 0.3 wide, fixed at
// joint 1, with a tip load of 10 kN along Y or Z on joint 2.
TEST_F(SolverNumbers, CantileverTipDeflectionIsPL3Over3EI)
{
    const double length = 3, depth = 0.5, width = 0.3, load = 10;
    struct Case {
        const char* direction;
        std::size_t column; // of joint 2's displacement in node0.out
        double inertia;
    };
    const Case cases[] = {{"UY", 5, depth * width * width * width / 12}, {"UZ", 6, width * depth * depth * depth / 12}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.direction);
        const std::string s2k = "SYSTEM\n  DOF=UX,UY,UZ,RX,RY,RZ  LENGTH=M  FORCE=KN\n\n"
                                "JOINT\n  1  X=0  Y=0  Z=0\n  2  X=3  Y=0  Z=0\n\n"
                                "RESTRAINT\n  ADD=1  DOF=U1,U2,U3,R1,R2,R3\n\n"
                                "MATERIAL\n  NAME=CONC  IDES=C  M=0  W=0\n    T=0  E=2.5E7  U=0.2\n\n"
                                "FRAME SECTION\n  NAME=EBEAM  MAT=CONC  SH=R  T=0.5,0.3\n\n"
                                "FRAME\n  1  J=1,2  SEC=EBEAM  NSEG=1  ANG=0\n\n"
                                "LOAD\n  NAME=TIP\n    TYPE=FORCE\n      ADD=2  "
                              + std::string(c.direction) + "=-10\n\nEND\n";
        const test::TempDir dir;
        RunInSolver(s2k, {}, dir);
        const std::vector<double> last = test::NumbersIn(LastLine(dir.File("node0.out")));
        ASSERT_EQ(last.size(), 7u); // the load factor, then three values for each joint
        EXPECT_DOUBLE_EQ(last[0], 1.0);
        ExpectClose(last[c.column], -load * length * length * length / (3 * kE * c.inertia));
    }
}

// The same cantilever standing 3 m tall on a corner of a unit brick whose
// base is fixed; the brick is a thousand times stiffer than the column, and
// the column's foot is held against rotation, which the brick cannot give.
// The column's node has six degrees of freedom, the brick's corner three: the
// tip moves as if the column stood on the ground.
TEST_F(SolverNumbers, ColumnOnABrickDeflectsLikeACantilever)
{
    const std::string s2k = "SYSTEM\n  DOF=UX,UY,UZ,RX,RY,RZ  LENGTH=M  FORCE=KN\n\n"
                            "JOINT\n  1  X=0  Y=0  Z=0\n  2  X=1  Y=0  Z=0\n  3  X=0  Y=1  Z=0\n  4  X=1  Y=1  Z=0\n"
                            "  5  X=0  Y=0  Z=1\n  6  X=1  Y=0  Z=1\n  7  X=0  Y=1  Z=1\n  8  X=1  Y=1  Z=1\n"
                            "  9  X=1  Y=1  Z=4\n\n"
                            "RESTRAINT\n  ADD=1  DOF=U1,U2,U3\n  ADD=2  DOF=U1,U2,U3\n  ADD=3  DOF=U1,U2,U3\n"
                            "  ADD=4  DOF=U1,U2,U3\n  ADD=8  DOF=R1,R2,R3\n\n"
                            "MATERIAL\n  NAME=CONC  IDES=C  M=0  W=0\n    T=0  E=2.5E7  U=0.2\n"
                            "  NAME=STIFF  IDES=C  M=0  W=0\n    T=0  E=2.5E10  U=0.2\n\n"
                            "FRAME SECTION\n  NAME=ECOL  MAT=CONC  SH=R  T=0.5,0.3\n\n"
                            "FRAME\n  1  J=8,9  SEC=ECOL  NSEG=1  ANG=0\n\n"
                            "SOLID\n  1  J=1,2,3,4,5,6,7,8  SEC=2\n\n"
                            "LOAD\n  NAME=TIP\n    TYPE=FORCE\n      ADD=9  UX=10\n\nEND\n";
    const test::TempDir dir;
    RunInSolver(s2k, {}, dir);
    const std::vector<double> last = test::NumbersIn(LastLine(dir.File("node0.out")));
    ASSERT_EQ(last.size(), 28u); // the load factor, then three values for each of the nine joints
    const double length = 3, load = 10;
    // A vertical column's section depth of 0.5 lies along X.
    const double inertia = 0.3 * 0.5 * 0.5 * 0.5 / 12;
    ExpectClose(last[25], load * length * length * length / (3 * kE * inertia));
    EXPECT_LT(std::abs(last[22]), 1e-6); // the brick's corner barely moves
}

// Four 4 m columns of 0.4 x 0.4 under a rigid diaphragm whose master carries
// 100 t along X and Y; the column tops are held against rotation about X and
// Y, so each column is fixed at both ends and stiffens the storey by 12 E I / h³.
TEST_F(SolverNumbers, SingleStoreyPeriodIsTwoPiRootMOverK)
{
    const std::string s2k = "SYSTEM\n  DOF=UX,UY,UZ,RX,RY,RZ  LENGTH=M  FORCE=KN\n\n"
                            "JOINT\n  1  X=0  Y=0  Z=0\n  2  X=6  Y=0  Z=0\n  3  X=0  Y=5  Z=0\n  4  X=6  Y=5  Z=0\n"
                            "  5  X=0  Y=0  Z=4\n  6  X=6  Y=0  Z=4\n  7  X=0  Y=5  Z=4\n  8  X=6  Y=5  Z=4\n"
                            "  9  X=3  Y=2.5  Z=4\n\n"
                            "CONSTRAINT\n  NAME=1  TYPE=DIAPH  AXIS=Z\n    ADD=5\n    ADD=6\n    ADD=7\n    ADD=8\n"
                            "    ADD=9\n\n"
                            "RESTRAINT\n  ADD=1  DOF=U1,U2,U3,R1,R2,R3\n  ADD=2  DOF=U1,U2,U3,R1,R2,R3\n"
                            "  ADD=3  DOF=U1,U2,U3,R1,R2,R3\n  ADD=4  DOF=U1,U2,U3,R1,R2,R3\n"
                            "  ADD=5  DOF=R1,R2\n  ADD=6  DOF=R1,R2\n  ADD=7  DOF=R1,R2\n  ADD=8  DOF=R1,R2\n\n"
                            "MASS\n  ADD=9  U1=100  U2=100  U3=0\n\n"
                            "MATERIAL\n  NAME=CONC  IDES=C  M=0  W=0\n    T=0  E=2.5E7  U=0.2\n\n"
                            "FRAME SECTION\n  NAME=ECOL  MAT=CONC  SH=R  T=0.4,0.4\n\n"
                            "FRAME\n  1  J=1,5  SEC=ECOL  NSEG=1  ANG=0\n  2  J=2,6  SEC=ECOL  NSEG=1  ANG=0\n"
                            "  3  J=3,7  SEC=ECOL  NSEG=1  ANG=0\n  4  J=4,8  SEC=ECOL  NSEG=1  ANG=0\n\nEND\n";
    const double inertia = std::pow(0.4, 4) / 12, height = 4, mass = 100;
    const double stiffness = 4 * 12 * kE * inertia / (height * height * height);
    const double period = 2 * std::numbers::pi * std::sqrt(mass / stiffness);
    for (const std::int32_t modes : {1, 2}) {
        SCOPED_TRACE("modes " + std::to_string(modes));
        AnalysisSettings analysis;
        analysis.AnalysisType = 4;
        analysis.ModeCount = modes;
        const test::TempDir dir;
        RunInSolver(s2k, analysis, dir);
        const std::vector<double> eigenvalues = test::NumbersIn(ReadWholeFile(dir.File("Periods.txt")));
        ASSERT_EQ(eigenvalues.size(), static_cast<std::size_t>(modes));
        for (const double lambda : eigenvalues) // sway along X and along Y alike
            ExpectClose(2 * std::numbers::pi / std::sqrt(lambda), period);
    }
}

} // namespace
} // namespace mirelo
