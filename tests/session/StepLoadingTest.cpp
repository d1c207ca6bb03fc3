// LoadStep: one step for every part the picture shows, all or nothing.
#include "common/NumberText.h"
#include "model/ElementKinds.h"
#include "script/ScriptTestSupport.h"
#include "session/ResultLoading.h"
#include "support/TestSupport.h"

#include <gmock/gmock.h>

namespace mirelo {
namespace {

using ::testing::HasSubstr;

// Three steps of a nonlinear column (frame 1) and an elastic beam (frame 2)
// between two joints: at step s the time is s / 2, joint k moves
// (s + k, 0, -s), and frame 1's sections deform (s / 1000, 2 s / 1000,
// 3 s / 1000, 0) at end i and ten times that at end j.
struct ThreeSteps {
    test::TempDir dir;
    Session session;

    ThreeSteps()
    {
        session.model = test::FramesOfKinds({kNonlinearBeamColumn, kElasticBeamColumn});
        std::string nodes, first, last;
        for (int s = 1; s <= 3; ++s) {
            const std::string time = FormatGeneral(s / 2.0);
            nodes += time + " " + std::to_string(s + 1) + " 0 " + std::to_string(-s) + " " + std::to_string(s + 2) +
                     " 0 " + std::to_string(-s) + "\n";
            first += time + " " + Section(s, 1) + "\n";
            last += time + " " + Section(s, 10) + "\n";
        }
        WriteWholeFile(dir.File("node0.out"), nodes);
        WriteWholeFile(dir.File("ele0_secs.out"), first);
        WriteWholeFile(dir.File("ele0_secn.out"), last);
    }
    static std::string Section(int s, int factor)
    {
        return FormatGeneral(s * factor / 1000.0) + " " + FormatGeneral(2 * s * factor / 1000.0) + " " +
               FormatGeneral(3 * s * factor / 1000.0) + " 0";
    }
    std::string folder() const { return dir.path().string(); }
};

TEST(LoadStep, EveryShownPartIsOfTheOneStep)
{
    const struct {
        StepChoice step;
        std::int32_t quantity;
        bool marks;
        std::int64_t expectedStep;
        double atI, atJ; // frame 1's section values; 0 when the marks are not loaded
    } cases[] = {
        {2, 1, true, 2, 0.002, 0.02},
        {std::nullopt, 3, true, 3, 0.009, 0.09}, // the last step, curvature about y
        {1, 2, false, 1, 0, 0},                  // marks not shown: not loaded
    };
    for (const auto& c : cases) {
        ThreeSteps f;
        f.session.view.LayerFlags.ShowHingeCircles = c.marks;
        f.session.view.SectionQuantityShown = c.quantity;
        LoadStep(f.session, f.folder(), {c.step, std::nullopt});
        const ResultSet& r = f.session.results;
        EXPECT_EQ(r.loaded.kind, LoadedResults::Kind::LoadStep);
        EXPECT_EQ(r.loaded.step, c.expectedStep);
        EXPECT_EQ(r.loaded.stepCount, 3);
        EXPECT_EQ(r.loaded.time, static_cast<double>(c.expectedStep) / 2);
        EXPECT_EQ(JointDisplacement(r, 2).x, static_cast<double>(c.expectedStep) + 2);
        EXPECT_EQ(SectionValueAtI(r, 1), c.atI);
        EXPECT_EQ(SectionValueAtJ(r, 1), c.atJ);
        EXPECT_EQ(r.sections.step, c.marks ? c.expectedStep : 0);
        EXPECT_EQ(r.sectionQuantity, c.marks ? &FrameEndQuantities()[static_cast<std::size_t>(c.quantity - 1)] : nullptr);
        EXPECT_EQ(SectionsMatchJoints(r), c.marks);
        EXPECT_EQ(f.session.view.HingeMax, 0.0001); // the range stays the user's
    }
}

TEST(LoadStep, AStepWithoutTheMarksDropsTheMarksOfTheStepBefore)
{
    ThreeSteps f;
    f.session.view.LayerFlags.ShowHingeCircles = true;
    LoadStep(f.session, f.folder(), {1, std::nullopt});
    f.session.view.LayerFlags.ShowHingeCircles = false;
    LoadStep(f.session, f.folder(), {3, std::nullopt});
    EXPECT_TRUE(f.session.results.sections.atI.empty());
    EXPECT_EQ(f.session.results.sectionQuantity, nullptr);
    // A mode shape has no section values.
    WriteWholeFile(f.dir.File("eigen2_node0.out"), "0 1 0 0 2 0 0\n");
    f.session.view.LayerFlags.ShowHingeCircles = true;
    LoadStep(f.session, f.folder(), {std::nullopt, 2});
    EXPECT_EQ(f.session.results.loaded.kind, LoadedResults::Kind::ModeShape);
    EXPECT_EQ(f.session.results.loaded.mode, 2);
    EXPECT_EQ(JointDisplacement(f.session.results, 2).x, 2);
    EXPECT_TRUE(f.session.results.sections.atI.empty());
}

TEST(LoadStep, ASwitchTurnedOnReadsItsPartAtTheStepShown)
{
    ThreeSteps f;
    ReloadShownStep(f.session); // nothing shown: nothing read
    EXPECT_EQ(f.session.results.loaded.kind, LoadedResults::Kind::None);
    LoadStep(f.session, f.folder(), {2, std::nullopt});
    f.session.view.LayerFlags.ShowHingeCircles = true;
    const std::uint64_t generation = f.session.results.generation;
    ReloadShownStep(f.session); // from the folder the result set names, which it replaces
    EXPECT_GT(f.session.results.generation, generation); // a picture gathered before knows it changed
    EXPECT_EQ(f.session.results.loaded.folder, f.folder());
    EXPECT_EQ(f.session.results.sections.step, 2);
    EXPECT_EQ(SectionValueAtJ(f.session.results, 1), 0.02);
}

TEST(LoadStep, AFailingPartLeavesEverythingAsItWas)
{
    const struct {
        const char* what;
        std::function<void(ThreeSteps&)> spoil;
        StepChoice step;
        const char* message;
    } cases[] = {
        {"last section file one line short", [](ThreeSteps& f) { WriteWholeFile(f.dir.File("ele0_secn.out"), "0.5 1 2 3 0\n1 1 2 3 0\n"); },
         3, "ele0_secn.out"},
        {"first section file missing", [](ThreeSteps& f) { std::filesystem::remove(f.dir.File("ele0_secs.out")); }, 2,
         "ele0_secs.out"},
        {"node field not a number", [](ThreeSteps& f) { WriteWholeFile(f.dir.File("node0.out"), "1 1 0 x 2 0 0\n"); }, 1,
         "joint 1 UZ"},
        {"step beyond the files", [](ThreeSteps&) {}, 4, "Load step 4"},
        {"unknown quantity", [](ThreeSteps& f) { f.session.view.SectionQuantityShown = 9; }, 2,
         "Section quantity 9 is not one of the 3"},
    };
    for (const auto& c : cases) {
        ThreeSteps f;
        f.session.view.LayerFlags.ShowHingeCircles = true;
        LoadStep(f.session, f.folder(), {1, std::nullopt});
        f.session.resultFiles = {}; // the spoiled files are read anew
        c.spoil(f);
        const ResultSet before = f.session.results;
        const std::string failure = test::FailureOf([&] { LoadStep(f.session, f.folder(), {c.step, std::nullopt}); });
        EXPECT_THAT(failure, HasSubstr(c.message)) << c.what;
        const ResultSet& after = f.session.results;
        EXPECT_EQ(after.loaded.step, 1) << c.what;
        EXPECT_EQ(after.joints.values, before.joints.values) << c.what;
        EXPECT_EQ(after.sections.atJ, before.sections.atJ) << c.what;
        EXPECT_EQ(after.sections.step, 1) << c.what;
        EXPECT_EQ(after.sectionQuantity, before.sectionQuantity) << c.what;
        EXPECT_EQ(after.generation, before.generation) << c.what;
    }
}

// The element forces and the reactions follow the step like the section
// values: frame k's 12 end forces at step s are s k each, the support's (joint
// 1) six reactions s each.
TEST(LoadStep, ForcesAndReactionsFollowTheStepAllOrNothing)
{
    ThreeSteps f;
    f.session.model.Joints[1].restraint = {0, 1, 1, 1, 1, 1, 1};
    std::string forces, reactions;
    for (int s = 1; s <= 3; ++s) {
        forces += std::to_string(s);
        for (int k = 1; k <= 2; ++k)
            for (int v = 0; v < 12; ++v)
                forces += " " + std::to_string(s * k);
        forces += "\n";
        reactions += std::to_string(s) + " " + std::to_string(s) + " " + std::to_string(s) + " " + std::to_string(s) +
                     " " + std::to_string(s) + " " + std::to_string(s) + " " + std::to_string(s) + "\n";
    }
    WriteWholeFile(f.dir.File("ele0.out"), forces);
    WriteWholeFile(f.dir.File("reactions0.out"), reactions);
    f.session.view.ShowForces = f.session.view.ShowReactions = true;
    LoadStep(f.session, f.folder(), {2, std::nullopt});
    const ResultSet& r = f.session.results;
    EXPECT_EQ(r.forces.step, 2);
    EXPECT_EQ(r.forces.Of(2)[0], 4);
    EXPECT_EQ(r.reactions.step, 2);
    EXPECT_EQ(r.reactions.values[0], 2);
    const double forceScale = f.session.view.ForceScale;
    EXPECT_GT(forceScale, 0);

    WriteWholeFile(f.dir.File("reactions0.out"), "1 1 1 1 1 1 1\n2 2 2 2 2 2 2\n");
    f.session.resultFiles = RecorderFileCache();
    f.session.view.ForceScale = 0; // a new scale is suggested with the forces, and taken back with them
    EXPECT_THAT(test::FailureOf([&] { LoadStep(f.session, f.folder(), {3, std::nullopt}); }),
                HasSubstr("reactions0.out"));
    EXPECT_EQ(r.loaded.step, 2);
    EXPECT_EQ(r.forces.step, 2);
    EXPECT_EQ(r.reactions.step, 2);
    EXPECT_EQ(f.session.view.ForceScale, 0);

    f.session.view.ShowForces = f.session.view.ShowReactions = false;
    LoadStep(f.session, f.folder(), {1, std::nullopt});
    EXPECT_FALSE(r.HasForces());
    EXPECT_FALSE(r.HasReactions());
}

TEST(LoadStep, TheLastStepAfterARunCarriesTheShownParts)
{
    ThreeSteps f;
    f.session.view.LayerFlags.ShowHingeCircles = true;
    LoadLastStepResults(f.session, f.folder());
    EXPECT_EQ(f.session.results.loaded.step, 3);
    EXPECT_EQ(f.session.results.sections.step, 3);
    EXPECT_EQ(SectionValueAtI(f.session.results, 1), 0.003);
    EXPECT_GT(f.session.view.DeformScale, 0);
}

TEST(SectionsMatchJoints, OnlyValuesOfTheJointsStepAreDrawn)
{
    ResultSet r;
    EXPECT_TRUE(SectionsMatchJoints(r)); // nothing loaded: every frame shows 0
    r.loaded = {LoadedResults::Kind::LoadStep, "", 4, 5};
    EXPECT_FALSE(SectionsMatchJoints(r)); // a step without its section values: no zeros in their place
    r.sections.atI = r.sections.atJ = {0.5};
    r.sections.step = 4;
    r.loaded.kind = LoadedResults::Kind::LoadStep;
    r.loaded.step = 4;
    EXPECT_TRUE(SectionsMatchJoints(r));
    r.loaded.step = 5;
    EXPECT_FALSE(SectionsMatchJoints(r));
    r.loaded = {LoadedResults::Kind::ModeShape, "", 4, 1, 1};
    EXPECT_FALSE(SectionsMatchJoints(r));
}

} // namespace
} // namespace mirelo
