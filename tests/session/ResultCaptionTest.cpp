#include "results/ResultQuantities.h"
#include "session/ResultCaption.h"

#include <gtest/gtest.h>

namespace mirelo {
namespace {

// Two joints in metres and kilonewtons, joint 2 labelled B12; one frame.
Model TwoJointsInMetres()
{
    Model model;
    model.Units = {"M", "KN"};
    model.Joints.Reset(2);
    model.Frames.Reset(1);
    model.JointNames = {"", "1", "B12"};
    return model;
}

// What LoadedResults says, without its folder.
struct Shown {
    LoadedResults::Kind kind = LoadedResults::Kind::None;
    std::int64_t step = 0, stepCount = 0;
    std::int32_t mode = 0;
    double time = 0;
    bool timeInSeconds = false;
};

TEST(ResultCaption, SaysWhatThePictureShows)
{
    const FrameEndQuantity& kz = FrameEndQuantities()[1];
    const struct {
        const char* what;
        Shown loaded;
        std::vector<double> joints;
        double scale;
        bool marks;
        std::int64_t sectionStep;
        std::vector<std::string> expected;
    } cases[] = {
        {"nothing loaded", {}, {}, 50, true, 0, {}},
        {"a load step",
         {LoadedResults::Kind::LoadStep, 200, 200, 0, 0.5, false},
         {0, 0, 0, 0.003, 0.004, 0},
         50,
         false,
         0,
         {"Displacement, step 200 of 200, load factor 0.5, scale 50", "largest 0.005 m at joint 2 (B12)"}},
        {"a time history",
         {LoadedResults::Kind::LoadStep, 7, 1500, 0, 0.14000000000000001, true},
         {-0.0123456, 0, 0, 0, 0, 0},
         12.5,
         false,
         0,
         {"Displacement, step 7 of 1500, time 0.14 s, scale 12.5", "largest 0.01235 m at joint 1"}},
        {"nothing moves",
         {LoadedResults::Kind::LoadStep, 1, 3, 0, 0, false},
         {0, 0, 0, 0, 0, 0},
         1,
         false,
         0,
         {"Displacement, step 1 of 3, load factor 0, scale 1", "largest 0 m"}},
        {"a mode, whose components have no unit",
         {LoadedResults::Kind::ModeShape, 1, 1, 2, 0, false},
         {0, 0, 0, 0, 1, 0},
         100,
         true,
         0,
         {"Mode 2 shape, scale 100", "largest 1 at joint 2 (B12)"}},
        {"section marks of the step",
         {LoadedResults::Kind::LoadStep, 200, 200, 0, 1, false},
         {0, 0, 0, 0, 0, 0.25},
         2,
         true,
         200,
         {"Displacement, step 200 of 200, load factor 1, scale 2", "largest 0.25 m at joint 2 (B12)",
          "Curvature Kz at frame ends, step 200 of 200", "largest -0.0034 1/m at frame 1, end j"}},
        {"section marks of another step are not claimed",
         {LoadedResults::Kind::LoadStep, 199, 200, 0, 1, false},
         {0, 0, 0, 0, 0, 0.25},
         2,
         true,
         200,
         {"Displacement, step 199 of 200, load factor 1, scale 2", "largest 0.25 m at joint 2 (B12)"}},
        {"section marks switched off",
         {LoadedResults::Kind::LoadStep, 200, 200, 0, 1, false},
         {0, 0, 0, 0, 0, 0.25},
         2,
         false,
         200,
         {"Displacement, step 200 of 200, load factor 1, scale 2", "largest 0.25 m at joint 2 (B12)"}},
    };
    const Model model = TwoJointsInMetres();
    for (const auto& c : cases) {
        ResultSet results;
        results.loaded = {c.loaded.kind, "run", c.loaded.step, c.loaded.stepCount, c.loaded.mode, c.loaded.time,
                          c.loaded.timeInSeconds};
        results.joints.values = c.joints;
        if (c.sectionStep > 0) {
            results.sections.atI = {0.001};
            results.sections.atJ = {-0.0034};
            results.sections.step = c.sectionStep;
            results.sections.stepCount = 200;
            results.sectionQuantity = &kz;
        }
        ViewState view;
        view.DeformScale = c.scale;
        view.LayerFlags.ShowHingeCircles = c.marks;
        EXPECT_EQ(ResultCaptionLines(model, results, view), c.expected) << c.what;
    }
}

// The force diagram's line comes last; read alone, its step's time is not
// named, and a diagram switched off or not read claims nothing.
TEST(ResultCaption, NamesTheForceDiagramShown)
{
    const Model model = TwoJointsInMetres();
    const struct {
        const char* what;
        bool withJoints, shown, read;
        std::vector<std::string> expected;
    } cases[] = {
        {"with the step's displacements", true, true, true,
         {"Displacement, step 3 of 4, time 0.06 s, scale 2", "largest 0 m", "Shear Vz, step 3 of 4, time 0.06 s, scale 0.125"}},
        {"read alone", false, true, true, {"Shear Vz, step 3 of 4, scale 0.125"}},
        {"switched off", true, false, true, {"Displacement, step 3 of 4, time 0.06 s, scale 2", "largest 0 m"}},
        {"not read", false, true, false, {}},
    };
    for (const auto& c : cases) {
        ResultSet results;
        if (c.withJoints)
            results.loaded = {LoadedResults::Kind::LoadStep, "run", 3, 4, 0, 0.06, true};
        if (c.read) {
            results.forces.start = {0, 12};
            results.forces.values.assign(12, 1.0);
            results.forces.step = 3;
            results.forces.stepCount = 4;
            results.forces.time = 0.06;
        }
        ViewState view;
        view.DeformScale = 2;
        view.ShowForces = c.shown;
        view.ForceShown = ForceQuantity::Vz;
        view.ForceScale = 0.125;
        EXPECT_EQ(ResultCaptionLines(model, results, view), c.expected) << c.what;
    }
}

TEST(ResultCaption, AModelWithoutUnitsShowsBareNumbersAndStrainHasNone)
{
    Model model = TwoJointsInMetres();
    model.Units = {};
    model.JointNames.clear();
    ResultSet results;
    results.loaded = {LoadedResults::Kind::LoadStep, "run", 2, 2, 0, 2, false};
    results.joints.values = {0, 0, 3, 0, 0, 0};
    results.sections.atI = {0.002};
    results.sections.atJ = {0.001};
    results.sections.step = 2;
    results.sections.stepCount = 2;
    results.sectionQuantity = &FrameEndQuantities()[0];
    ViewState view;
    view.DeformScale = 1;
    view.LayerFlags.ShowHingeCircles = true;
    EXPECT_EQ(ResultCaptionLines(model, results, view),
              (std::vector<std::string>{"Displacement, step 2 of 2, load factor 2, scale 1", "largest 3 at joint 1",
                                        "Axial Strain at frame ends, step 2 of 2", "largest 0.002 at frame 1, end i"}));
}

} // namespace
} // namespace mirelo
