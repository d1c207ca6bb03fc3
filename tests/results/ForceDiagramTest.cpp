// The diagram values of a frame from its end forces, and the loads a step
// applies.
#include "results/ForceDiagram.h"
#include "results/StepLoads.h"
#include "script/ScriptTestSupport.h"

#include <gtest/gtest.h>

namespace mirelo {
namespace {

// A simply supported beam of 6 m under 5 kN/m downward along local z: the end
// forces the supports put on it, 15 up at each end.
constexpr std::array<double, 12> kSimpleBeam = {0, 0, 15, 0, 0, 0, 0, 0, 15, 0, 0, 0};
// A cantilever of 4 m fixed at end i with 10 kN down at end j: the support
// pushes up 10 and holds −40 about y; the load acts at end j.
constexpr std::array<double, 12> kCantilever = {0, 0, 10, 0, -40, 0, 0, 0, -10, 0, 0, 0};
// The same cantilever bent about z by 10 kN along −y, and pulled by 7 kN.
constexpr std::array<double, 12> kCantileverY = {-7, 10, 0, 3, 0, 40, 7, -10, 0, -3, 0, 0};

TEST(ForceDiagram, EndValuesExtremesAndTheirPlaces)
{
    struct Case {
        const char* what;
        const std::array<double, 12>& ends;
        SpanLoad load;
        ForceQuantity quantity;
        double length;
        FrameDiagram expected;
        double midValue;
    };
    const Case cases[] = {
        // A sagging beam stretches its −z side: My is negative, wL²/8 at midspan.
        {"simple beam My", kSimpleBeam, {0, 0, -5}, ForceQuantity::My, 6, {0, 0, -22.5, 3}, -22.5},
        {"simple beam Vz", kSimpleBeam, {0, 0, -5}, ForceQuantity::Vz, 6, {-15, 15, -15, 0}, 0},
        // Hogging at the support stretches the top: My = +P L there.
        {"cantilever My", kCantilever, {}, ForceQuantity::My, 4, {40, 0, 40, 0}, 20},
        {"cantilever Vz", kCantilever, {}, ForceQuantity::Vz, 4, {-10, -10, -10, 0}, -10},
        // Bent toward −y: the +y side at the support is stretched, so Mz is negative.
        {"cantilever Mz", kCantileverY, {}, ForceQuantity::Mz, 4, {-40, 0, -40, 0}, -20},
        {"tension", kCantileverY, {}, ForceQuantity::N, 4, {7, 7, 7, 0}, 7},
        {"torsion", kCantileverY, {}, ForceQuantity::T, 4, {-3, -3, -3, 0}, -3},
        // An axial span load changes N linearly; the largest is at end i.
        {"axial load", std::array<double, 12>{-12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {3, 0, 0}, ForceQuantity::N, 4,
         {12, 0, 12, 0}, 6},
    };
    for (const Case& c : cases) {
        const FrameDiagram d = DiagramOfFrame(c.ends, c.load, c.quantity, c.length);
        EXPECT_DOUBLE_EQ(d.atI, c.expected.atI) << c.what;
        EXPECT_DOUBLE_EQ(d.atJ, c.expected.atJ) << c.what;
        EXPECT_DOUBLE_EQ(d.extreme, c.expected.extreme) << c.what;
        EXPECT_DOUBLE_EQ(d.extremeAt, c.expected.extremeAt) << c.what;
        EXPECT_DOUBLE_EQ(ForceAt(c.ends, c.load, c.quantity, c.length / 2), c.midValue) << c.what;
        // The diagram meets the end j force: the end forces balance the span load.
        EXPECT_NEAR(ForceAt(c.ends, c.load, c.quantity, c.length), d.atJ, 1e-12) << c.what;
    }
}

TEST(ForceDiagram, StationsFollowACurveOnlyWhereASpanLoadBendsIt)
{
    EXPECT_EQ(DiagramStations(kCantilever, {}, ForceQuantity::My, 4), (std::vector<double>{0, 4}));
    EXPECT_EQ(DiagramStations(kSimpleBeam, {0, 0, -5}, ForceQuantity::T, 6), (std::vector<double>{0, 6}));
    EXPECT_EQ(DiagramStations(kSimpleBeam, {0, 0, -5}, ForceQuantity::My, 6, 4),
              (std::vector<double>{0, 1.5, 3, 3, 4.5, 6}));
    EXPECT_EQ(DiagramStations(kSimpleBeam, {0, 0, -5}, ForceQuantity::Vz, 6, 3), (std::vector<double>{0, 2, 4, 6}));
    // Moments on their tension side; the rest toward the positive axis.
    EXPECT_EQ(DrawingSide(ForceQuantity::Mz).axis, 1);
    EXPECT_EQ(DrawingSide(ForceQuantity::Mz).sign, -1);
    EXPECT_EQ(DrawingSide(ForceQuantity::My).axis, 2);
    EXPECT_EQ(DrawingSide(ForceQuantity::My).sign, 1);
    EXPECT_EQ(DrawingSide(ForceQuantity::Vz).axis, 2);
    EXPECT_EQ(FindForceQuantity("my")->quantity, ForceQuantity::My);
    EXPECT_EQ(FindForceQuantity("M"), nullptr);
}

TEST(ForceDiagram, DrawnOnTheTensionSideInTheFramesLocalPlane)
{
    // The simple beam along X from (1, 2, 3), local 2 axis up: sagging My is
    // drawn below the frame (tension at the bottom), 0.1 model units per kN·m.
    Model model = test::FramesOfKinds({1});
    model.Joints[1].x = 1;
    model.Joints[1].y = 2;
    model.Joints[1].z = 3;
    model.Joints[2].x = 7;
    model.Joints[2].y = 2;
    model.Joints[2].z = 3;
    const std::vector<DiagramStation> my =
        DiagramGeometry(model, 1, kSimpleBeam, {0, 0, -5}, ForceQuantity::My, 0.1);
    ASSERT_EQ(my.size(), 12u); // both ends, nine between and the vertex at midspan
    const DiagramStation& middle = my[6];
    EXPECT_DOUBLE_EQ(middle.x, 3);
    EXPECT_DOUBLE_EQ(middle.value, -22.5);
    EXPECT_EQ(middle.base, (Vector3d{4, 2, 3}));
    EXPECT_NEAR(middle.tip[2], 3 - 2.25, 1e-12);
    EXPECT_NEAR(middle.tip[1], 2, 1e-12);
    // The cantilever bent toward −y: Mz at the support lies on the +y side, where it stretches.
    const std::vector<DiagramStation> mz = DiagramGeometry(model, 1, kCantileverY, {}, ForceQuantity::Mz, 0.1);
    ASSERT_EQ(mz.size(), 2u);
    EXPECT_NEAR(mz[0].tip[1], 2 + 4, 1e-12);
    EXPECT_NEAR(mz[1].tip[1], 2, 1e-12);
    // Coincident joints have no axes and no diagram.
    model.Joints[2] = model.Joints[1];
    EXPECT_TRUE(DiagramGeometry(model, 1, kSimpleBeam, {}, ForceQuantity::N, 1).empty());
}

TEST(StepLoads, TheCasesAndFactorsEachAnalysisAppliesAtAStep)
{
    AnalysisSettings a;
    a.LoadCase = 1;
    a.PushoverCase = 2;
    a.LoadSteps = 4;
    a.LoadFactor = 1.5;
    struct Case {
        std::int32_t type;
        std::int64_t step;
        std::vector<std::pair<std::int32_t, double>> expected;
    };
    const Case cases[] = {
        {kLoadControl, 3, {{1, 0.25}}},
        {kDisplacementControl, 3, {{2, 0.25}}},
        {kGravityPushover, 4, {{1, 0.25}}},
        {kGravityPushover, 5, {{1, 1.5}, {2, 0.25}}},
        {kGravityTimeHistory, 5, {{1, 1.5}}},
        {kModal, 1, {}},
        {kTimeHistory, 9, {}},
    };
    for (const Case& c : cases) {
        a.AnalysisType = c.type;
        std::vector<std::pair<std::int32_t, double>> got;
        for (const CaseFactor& f : StepLoadFactors(a, c.step, 0.25))
            got.emplace_back(f.loadCase, f.factor);
        EXPECT_EQ(got, c.expected) << "type " << c.type << " step " << c.step;
    }
}

TEST(StepLoads, SpanLoadsAndTotalsAsTheScriptWritesThem)
{
    // Frame 1 along X from (0,0,0) to (4,0,0), local 2 axis up: local z is Z, local y is Y.
    Model model = test::FramesOfKinds({1});
    model.Joints[2].x = 4;
    model.Joints[1].restraint = {0, 1, 1, 1, 1, 1, 1};
    model.LoadCaseNames = {"", "DEAD", "dead"};
    model.LoadCaseCount = 2;
    model.Loads.Reset(5);
    model.Loads[1] = {1, kFrameDistributed, 2, 1, {0, -5}}; // along local z: down
    model.Loads[2] = {1, kFrameDistributed, 3, 1, {0, 2}};  // along local 3 = −y
    model.Loads[3] = {1, kFrameDistributed, 1, 1, {0, 1}};  // along the frame
    model.Loads[4] = {2, kJointForce, 0, 1, {0, 0, 0, -10, 0, 3, 0}};
    model.Loads[5] = {2, kJointForce, 0, 2, {0, 100, 0, 0, 0, 0, 0}}; // another case
    const std::vector<CaseFactor> factors = {{1, 0.5}};
    const std::vector<SpanLoad> span = FrameSpanLoads(model, factors);
    ASSERT_EQ(span.size(), 1u);
    EXPECT_EQ(span[0].wx, 0.5);
    EXPECT_EQ(span[0].wy, -1);
    EXPECT_EQ(span[0].wz, -2.5);
    // Span resultants at x = 2: FX 2, FY −4, FZ −10; the joint load at x = 4: FZ −5, MY 1.5.
    const ForceTotals t = AppliedLoadTotals(model, factors);
    const ForceTotals expected = {2, -4, -15, 0, 2 * 10 + 4 * 5 + 1.5, 2 * -4};
    for (std::size_t a = 0; a < 6; ++a)
        EXPECT_NEAR(t[a], expected[a], 1e-12) << a;
    EXPECT_EQ(AppliedLoadTotals(model, std::vector<CaseFactor>{{3, 1}}), ForceTotals{}); // no case 3
}

} // namespace
} // namespace mirelo
