// Warnings about settings and models that would make the solver stop or
// compute nothing, gathered before the run.
#include "script/ScriptTestSupport.h"

#include <functional>

namespace mirelo {
namespace {

// A 3 m nonlinear column on a fixed base (joint 1), its top (joint 2) with a
// mass along X and Y; case LIVE pushes the top along X, case DEAD is empty.
Model Column()
{
    Model model = test::ModelWithCounts(2, 1);
    test::SetJoint(model, 2, 0, 0, 3);
    model.Joints[1].restraint = {0, 1, 1, 1, 1, 1, 1};
    model.Joints[2].mass = {0, 5, 5, 0, 0, 0, 0};
    model.Materials.Reset(1);
    model.Materials[1] = test::ElasticMaterial("CONC", 3e7, 0.2);
    model.FrameSections.Reset(1);
    model.FrameSections[1] = test::DefaultSection("NCOL", kNonlinearBeamColumn, kShapeRectangle, 0.5, 0.3);
    model.FrameSections[1].cover = 0.035;
    model.FrameSections[1].barAreaX = model.FrameSections[1].barAreaY = 0.001;
    model.Frames[1] = test::FrameBetween(1, 2, 1);
    model.LoadCaseNames = {"", "LIVE", "DEAD"};
    model.LoadCaseCount = 2;
    model.Loads.Reset(1);
    model.Loads[1] = {2, kJointForce, 0, 1, {0, 10, 0, 0, 0, 0, 0}};
    return model;
}

AnalysisSettings Pushover()
{
    AnalysisSettings analysis;
    analysis.AnalysisType = 2;
    analysis.ControlNode = 2;
    analysis.ModeCount = 2;
    return analysis;
}

const std::string kBars = "Frame section NCOL has cover %s for depth 0.5 and width 0.3: its bars lie outside the section "
                          "(the cover must be less than half of both)";

std::string WithCover(const std::string& cover)
{
    std::string text = kBars;
    return text.replace(text.find("%s"), 2, cover);
}

TEST(RunWarnings, EachProblemIsNamedBeforeTheRun)
{
    struct Case {
        const char* name;
        std::function<void(Model&, AnalysisSettings&)> change;
        std::vector<std::string> warnings;
    };
    const std::vector<Case> cases = {
        {"a sound pushover", [](Model&, AnalysisSettings&) {}, {}},
        {"cover of half the width", [](Model& m, AnalysisSettings&) { m.FrameSections[1].cover = 0.15; }, {WithCover("0.15")}},
        {"cover past half the depth", [](Model& m, AnalysisSettings&) { m.FrameSections[1].cover = 35; }, {WithCover("35")}},
        {"negative cover", [](Model& m, AnalysisSettings&) { m.FrameSections[1].cover = -0.01; }, {WithCover("-0.01")}},
        {"a large cover without bars",
         [](Model& m, AnalysisSettings&) {
             m.FrameSections[1].cover = 0.15;
             m.FrameSections[1].barNumX = m.FrameSections[1].barNumY = 0;
         },
         {}},
        {"a large cover of an elastic section",
         [](Model& m, AnalysisSettings&) {
             m.FrameSections[1].cover = 0.15;
             m.FrameSections[1].elementKind = kElasticBeamColumn;
         },
         {}},
        {"control joint at the support",
         [](Model&, AnalysisSettings& a) { a.ControlNode = 1; },
         {"ControlNode 1 is restrained in ControlDof 1: the displacement control cannot push it and the solver stops "
          "at the first step"}},
        {"control joint free in the direction pushed",
         [](Model& m, AnalysisSettings& a) {
             a.ControlNode = 1;
             m.Joints[1].restraint[1] = 0;
         },
         {}},
        {"control joint beyond the joints",
         [](Model&, AnalysisSettings& a) { a.ControlNode = 3; },
         {"ControlNode 3 is not a joint of the model (it has 2): the displacement control has no node to push"}},
        {"control joint 0",
         [](Model&, AnalysisSettings& a) { a.ControlNode = 0; },
         {"ControlNode 0 is not a joint of the model (it has 2): the displacement control has no node to push"}},
        {"control direction beyond six",
         [](Model&, AnalysisSettings& a) { a.ControlDof = 7; },
         {"ControlDof 7 is not a degree of freedom of ControlNode 2 (it has 6): the displacement control has nothing "
          "to push"}},
        {"control joint is a diaphragm master, pushed along Z",
         [](Model& m, AnalysisSettings& a) {
             m.Constraints.Reset(1);
             m.Constraints[1] = {1, {0, 1, 2}, 2};
             a.ControlDof = 3;
         },
         {"ControlNode 2 is restrained in ControlDof 3: the displacement control cannot push it and the solver stops "
          "at the first step"}},
        {"pushover case without loads",
         [](Model&, AnalysisSettings& a) { a.PushoverCase = 2; },
         {"PushoverCase 2, load case DEAD, has no loads: its pattern is empty"}},
        {"load control of a case without loads",
         [](Model&, AnalysisSettings& a) {
             a.AnalysisType = 1;
             a.LoadCase = 2;
         },
         {"LoadCase 2, load case DEAD, has no loads: its pattern is empty"}},
        {"gravity and pushover of a case without loads",
         [](Model&, AnalysisSettings& a) {
             a.AnalysisType = 3;
             a.LoadCase = a.PushoverCase = 2;
         },
         {"LoadCase 2, load case DEAD, has no loads: its pattern is empty",
          "PushoverCase 2, load case DEAD, has no loads: its pattern is empty"}},
        {"time history with mass", [](Model&, AnalysisSettings& a) { a.AnalysisType = 5; }, {}},
        {"time history without mass",
         [](Model& m, AnalysisSettings& a) {
             a.AnalysisType = 5;
             m.Joints[2].mass = {};
         },
         {"Analysis type 5 needs the model's modes, but no free degree of freedom has mass: the script computes no "
          "modes and applies no damping"}},
        {"modal analysis whose only mass is restrained",
         [](Model& m, AnalysisSettings& a) {
             a.AnalysisType = 4;
             m.Joints[2].restraint = {0, 1, 1, 0, 0, 0, 0};
         },
         {"Analysis type 4 needs the model's modes, but no free degree of freedom has mass: the script computes no "
          "modes"}},
        {"static analysis without mass",
         [](Model& m, AnalysisSettings&) { m.Joints[2].mass = {}; },
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Model model = Column();
        AnalysisSettings analysis = Pushover();
        c.change(model, analysis);
        EXPECT_EQ(GenerateScript(model, analysis, {}).warnings, c.warnings);
    }
}

} // namespace
} // namespace mirelo
