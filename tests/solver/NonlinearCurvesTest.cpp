// Curves of nonlinear frames in the real solver: a pushover bends where the
// materials yield and stays straight with elastic ones; a time history follows
// the control joint step by step.
#include "solver/SolverRun.h"

#include "model/ImportS2k.h"
#include "model/MaterialLaws.h"
#include "model/SectionSettings.h"
#include "results/Curve.h"
#include "results/ResultReaders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>

namespace mirelo {
namespace {

using NonlinearCurves = test::SolverTest;

// A push of `node` along X by 100 steps of 0.5 mm with the load case
// `pushCase`, in analysis `type`.
AnalysisSettings Pushover(std::int32_t type, std::int32_t pushCase, std::int32_t node)
{
    AnalysisSettings analysis;
    analysis.AnalysisType = type;
    analysis.PushoverCase = pushCase;
    analysis.ControlNode = node;
    analysis.ControlDof = 1;
    analysis.ControlDisp = 0.0005;
    analysis.AnalysisSteps = 100;
    return analysis;
}

// Runs the analysis with the curve recorders in `dir` and reads its curve.
Curve RunCurve(Model& model, const AnalysisSettings& analysis, const test::TempDir& dir = {})
{
    RecorderSettings recorder;
    recorder.RecordCurves = kFlagOn;
    test::RunModelInSolver(model, analysis, recorder, dir);
    const Curve curve = ReadCurve(dir.path().string(), analysis);
    // The run describes its curve: read with the start settings, it is the same.
    const Curve described = ReadCurve(dir.path().string(), AnalysisSettings{});
    EXPECT_EQ(described.x, curve.x);
    EXPECT_EQ(described.y, curve.y);
    return curve;
}

// The example frame with its materials of these types; the bars are of STEEL
// (material 2).
Model ExampleFrame(std::int32_t concreteType, std::int32_t steelType)
{
    Model model = ImportS2kFile(std::string(MIRELO_SOURCE_DIR) + "/examples/rc-portal-pushover.s2k").model;
    MaterialNamed(model, "CONC").materialType = concreteType;
    MaterialNamed(model, "STEEL").materialType = steelType;
    return model;
}

// The example frame pushed at joint 3 by 100 steps of 0.5 mm after its
// gravity load.
Curve PushExampleFrame(std::int32_t concreteType, std::int32_t steelType)
{
    Model model = ExampleFrame(concreteType, steelType);
    AnalysisSettings analysis = Pushover(3, 2, 3);
    analysis.RebarMaterialNo = 2;
    analysis.LoadCase = 1;
    return RunCurve(model, analysis);
}

double SecantOverInitial(const Curve& curve)
{
    return (curve.y.back() / curve.x.back()) / (curve.y.front() / curve.x.front());
}

// Every law is taken by the solver: each pair of concrete and steel laws
// reaches the target displacement and bends the curve.
TEST_F(NonlinearCurves, ExampleFrameYieldsWithEveryLawAndStaysStraightWhenElastic)
{
    for (const auto& [concrete, steel] : {std::pair{kConcrete02, kSteel02}, {kConcrete01, kSteel01}}) {
        SCOPED_TRACE(std::string(MaterialTypeName(concrete)) + " and " + std::string(MaterialTypeName(steel)));
        const Curve nonlinear = PushExampleFrame(concrete, steel);
        ASSERT_EQ(nonlinear.x.size(), 100u);
        EXPECT_NEAR(nonlinear.x.back(), 0.05, 1e-4); // the target displacement is reached
        EXPECT_GT(nonlinear.y.front(), 0);
        EXPECT_LT(SecantOverInitial(nonlinear), 0.8);
    }
    const Curve elastic = PushExampleFrame(kElasticMaterial, kElasticMaterial);
    ASSERT_EQ(elastic.x.size(), 100u);
    EXPECT_NEAR(SecantOverInitial(elastic), 1.0, 0.01);
}

// A 3 m steel cantilever column of 0.4 (along X) x 0.3 with a Steel01 law
// that yields at 250 MPa, pushed at its head along X: its base section yields
// at My = Fy b h² / 6, when the head's shear times the height reaches it.
TEST_F(NonlinearCurves, ColumnYieldsAtTheSectionsYieldMoment)
{
    const double fy = 250000, b = 0.3, h = 0.4, height = 3; // kN/m², m
    const std::string s2k = "SYSTEM\n  DOF=UX,UY,UZ,RX,RY,RZ  LENGTH=M  FORCE=KN\n\n"
                            "JOINT\n  1  X=0  Y=0  Z=0\n  2  X=0  Y=0  Z=3\n\n"
                            "RESTRAINT\n  ADD=1  DOF=U1,U2,U3,R1,R2,R3\n\n"
                            "MATERIAL\n  NAME=STEEL  IDES=S  M=7.85  W=77\n    T=0  E=2E+08  U=.3  FY=250000\n\n"
                            "FRAME SECTION\n  NAME=NCOL  MAT=STEEL  SH=R  T=.4,.3\n\n"
                            "FRAME\n  1  J=1,2  SEC=NCOL  NSEG=5  ANG=0\n\n"
                            "LOAD\n  NAME=PUSH\n    TYPE=FORCE\n      ADD=2  UX=1\n\nEND\n";
    Model model = ImportS2k(TextLines::FromText(s2k));
    MaterialNamed(model, "STEEL").materialType = kSteel01;
    FrameSection& column = FrameSectionNamed(model, "NCOL");
    for (const char* field : {"divideX", "divideY"})
        SetSectionSetting(column, field, "20");
    for (const char* field : {"barNumX", "barNumY"})
        SetSectionSetting(column, field, "0");
    const Curve curve = RunCurve(model, Pushover(2, 1, 2));
    ASSERT_EQ(curve.x.size(), 100u);

    // Yield: the first step whose stiffness falls below 90 % of the first.
    const double initial = curve.y[0] / curve.x[0];
    double yieldShear = 0;
    for (std::size_t i = 1; i < curve.x.size() && yieldShear == 0; ++i)
        if ((curve.y[i] - curve.y[i - 1]) / (curve.x[i] - curve.x[i - 1]) < 0.9 * initial)
            yieldShear = curve.y[i - 1];
    ASSERT_GT(yieldShear, 0) << "the column never yields";
    const double yieldMoment = fy * b * h * h / 6;
    EXPECT_NEAR(yieldShear * height, yieldMoment, 0.1 * yieldMoment);
}

// The example frame under its gravity load, then the example ground motion
// (1000 steps of 0.02 s): the curve is joint 3's displacement along X at each
// time, the same as the node recorder holds for that step.
TEST_F(NonlinearCurves, TimeHistoryFollowsTheControlJointAtEveryStep)
{
    Model model = ExampleFrame(kConcrete02, kSteel02);
    AnalysisSettings analysis = Pushover(6, 2, 3);
    analysis.RebarMaterialNo = 2;
    analysis.LoadCase = 1;
    const test::TempDir dir;
    std::filesystem::copy_file(std::string(MIRELO_SOURCE_DIR) + "/examples/GMX.txt", dir.File("GMX.txt"));
    const Curve curve = RunCurve(model, analysis, dir);
    ASSERT_EQ(curve.kind, CurveKind::TimeHistory);
    ASSERT_EQ(curve.x.size(), 1000u);
    RecorderFileCache files;
    double largest = 0;
    for (std::size_t k = 0; k < curve.x.size(); ++k) {
        EXPECT_NEAR(curve.x[k], 0.02 * double(k + 1), 1e-9) << k;
        largest = std::max(largest, std::abs(curve.y[k]));
    }
    for (const std::size_t k : {0u, 499u, 999u}) {
        const std::int32_t step = analysis.LoadSteps + static_cast<std::int32_t>(k) + 1;
        const JointResults node = ReadNodeDisplacements(dir.path().string(), model, step, files);
        EXPECT_DOUBLE_EQ(curve.y[k], node.values[2 * 3]) << "step " << step; // joint 3, X
    }
    EXPECT_GT(largest, 0.005); // the ground shakes the frame by millimetres
}

} // namespace
} // namespace mirelo
