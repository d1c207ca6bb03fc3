// The element force and reaction readers on files written as the solver
// writes them, and what they name when a file does not fit.
#include "common/NumberText.h"
#include "results/ElementForces.h"
#include "results/Reactions.h"
#include "script/RecorderFiles.h"
#include "script/ScriptTestSupport.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace mirelo {
namespace {

using test::FailureOf;

// Value v (1-based) of frame k at step s: exact in text.
double ForceValue(std::int32_t k, std::int32_t v, std::int64_t s)
{
    return k * 100 + v + static_cast<double>(s) * 0.5;
}

void WriteForceFiles(const test::TempDir& dir, const Model& model, std::int64_t steps)
{
    for (const RecorderFileGroup& g : ElementFileGroups(model.Frames.count)) {
        std::string text;
        for (std::int64_t s = 1; s <= steps; ++s) {
            text += std::to_string(static_cast<double>(s) * 0.25);
            for (std::int32_t k = g.first; k <= g.last; ++k)
                for (std::int32_t v = 1; v <= ElementForceCount(model, k); ++v)
                    text += " " + FormatGeneral(ForceValue(k, v, s));
            text += "\n";
        }
        WriteWholeFile(dir.File(ElementForceFileName(g.fileNumber)), text);
    }
}

TEST(ReadElementForces, EachFrameKindTakesWhatLocalForceWrites)
{
    // Elastic, nonlinear, displacement, hinges, truss: 12; corotational truss
    // 0; spring 3; no section 0; then 200 more for files ele1, ele2 and ele0.
    std::vector<std::int32_t> kinds = {1, 2, 3, 4, 5, 6, 7, 0};
    const std::vector<std::int32_t> counts = {12, 12, 12, 12, 12, 0, 3, 0};
    for (std::int32_t k = 0; k < 200; ++k)
        kinds.push_back(k % 2 == 0 ? 7 : 2);
    const Model model = test::FramesOfKinds(kinds);
    const test::TempDir dir;
    WriteForceFiles(dir, model, 3);
    RecorderFileCache files;
    for (const StepChoice step : {StepChoice(2), StepChoice()}) {
        const ElementForces f = ReadElementForces(dir.path().string(), model, step, files);
        const std::int64_t s = step.value_or(3);
        EXPECT_EQ(f.step, s);
        EXPECT_EQ(f.stepCount, 3);
        EXPECT_EQ(f.time, static_cast<double>(s) * 0.25);
        for (std::int32_t k = 1; k <= model.Frames.count; ++k) {
            const std::int32_t kind = kinds[static_cast<std::size_t>(k - 1)];
            const auto expected = static_cast<std::size_t>(k <= 8 ? counts[static_cast<std::size_t>(k - 1)]
                                                                  : (kind == 7 ? 3 : 12));
            ASSERT_EQ(f.Of(k).size(), expected) << "frame " << k;
            for (std::size_t v = 0; v < expected; ++v)
                ASSERT_EQ(f.Of(k)[v], ForceValue(k, static_cast<std::int32_t>(v + 1), s)) << "frame " << k;
        }
    }
}

TEST(ReadElementForces, BadFilesNameFileLineFieldAndFrame)
{
    const Model model = test::FramesOfKinds({1, 7, 2});
    const test::TempDir dir;
    const std::string folder = dir.path().string(), ele0 = dir.File("ele0.out");
    RecorderFileCache files;
    const auto failure = [&](const std::string& text, StepChoice step) {
        if (!text.empty())
            WriteWholeFile(ele0, text);
        return FailureOf([&] { ReadElementForces(folder, model, step, files); });
    };
    const std::string twelve = " 1 2 3 4 5 6 7 8 9 10 11 12";
    EXPECT_EQ(FailureOf([&] { ReadElementForces(folder, model, 1, files); }).rfind("Cannot open file \"" + ele0 + "\"", 0),
              0u);
    EXPECT_EQ(failure("1" + twelve + " 1 2 3" + twelve + "\n2" + twelve + " 1 2\n", StepChoice()),
              ele0 + ", line 2 holds 14 values after the time, but frames 1 to 3 need 27 (12 for each beam-column "
                     "or truss, 3 for each spring, none for a corotational truss or a frame without element): the "
                     "values run out at frame 2. Were the results written for this model and these settings?");
    EXPECT_EQ(failure("1" + twelve + " 1 2 3" + twelve + " 13\n", 1),
              ele0 + ", line 1 holds 28 values after the time, but frames 1 to 3 need 27 (12 for each beam-column "
                     "or truss, 3 for each spring, none for a corotational truss or a frame without element): 1 value "
                     "is left after frame 3. Were the results written for this model and these settings?");
    EXPECT_EQ(failure("1" + twelve + " 1 x 3" + twelve + "\n", 1),
              "'x' is not a valid floating point value (" + ele0 + ", line 1, field 15: frame 2 MY)");
    EXPECT_EQ(failure("1" + twelve + " 1 2 3 1 2 3 4 5 6 7 8 9 -nan(ind) 11 12\n", 1),
              "'-nan(ind)' is not a valid floating point value (" + ele0 + ", line 1, field 26: frame 3 T at end j)");
    EXPECT_EQ(failure("1" + twelve + " 1 2 3" + twelve + "\n", 2), "Load step 2 is not in " + ele0 + ", which holds 1 step");
    EXPECT_EQ(FailureOf([&] { ReadElementForces(folder, Model(), 1, files); }),
              "The model has no frames: there are no element forces to read");
}

// Joints 1..4: 1 fixed, 2 free, 3 held along U3 alone, 4 the master of a diaphragm.
Model ModelWithSupports()
{
    Model model = test::ModelWithCounts(4);
    for (std::int32_t k = 1; k <= 4; ++k)
        model.Joints[k].x = k;
    model.Joints[1].restraint = {0, 1, 1, 1, 1, 1, 1};
    model.Joints[3].restraint = {0, 0, 0, 1, 0, 0, 0};
    model.Constraints.Reset(1);
    model.Constraints[1].masterJoint = 4;
    return model;
}

TEST(ReadReactions, EverySupportWithItsSixReactionsAndTheirSumsAboutTheOrigin)
{
    const Model model = ModelWithSupports();
    EXPECT_EQ(SupportJoints(model, JointDofs(model)), (std::vector<std::int32_t>{1, 3, 4}));
    const test::TempDir dir;
    WriteWholeFile(dir.File("reactions0.out"), "0.5 1 2 3 4 5 6 0 0 7 0 0 0 0 0 0 0 0 0.25\n"
                                               "1 2 4 6 8 10 12 0 0 14 0 0 0 0 0 0 0 0 0.5\n");
    RecorderFileCache files;
    const SupportReactions r = ReadReactions(dir.path().string(), model, 1, files);
    EXPECT_EQ(r.joints, (std::vector<std::int32_t>{1, 3, 4}));
    EXPECT_EQ(r.time, 0.5);
    EXPECT_EQ(r.values[6 + 2], 7);
    // FZ 3 at x = 1 and 7 at x = 3: MY gains −(1·3 + 3·7); FY 2 at x = 1: MZ gains 2.
    EXPECT_EQ(ReactionTotals(model, r), (ForceTotals{1, 2, 10, 4, 5 - 24, 6 + 2 + 0.25}));
    EXPECT_EQ(ReadReactions(dir.path().string(), model, StepChoice(), files).values[0], 2);

    WriteWholeFile(dir.File("reactions0.out"), "1 1 2 3 4 5 6 0 0 7 0 0 0 0 0 0 0 0 none\n");
    EXPECT_EQ(FailureOf([&] { ReadReactions(dir.path().string(), model, 1, files); }),
              "'none' is not a valid floating point value (" + dir.File("reactions0.out")
                  + ", line 1, field 19: joint 4 MZ)");
    WriteWholeFile(dir.File("reactions0.out"), "1 1 2 3 4 5 6 0 0 7 0 0 0\n");
    EXPECT_EQ(FailureOf([&] { ReadReactions(dir.path().string(), model, 1, files); }),
              dir.File("reactions0.out")
                  + ", line 1 holds 12 values after the time, but supports 1 to 3 need 18 (6 for each restrained "
                    "joint or diaphragm master, in joint order): the values run out at support 3. Were the results written for this model and these settings?");
    EXPECT_EQ(FailureOf([&] { ReadReactions(dir.path().string(), test::ModelWithCounts(3), 1, files); }),
              "The model has no restrained joint: there are no reactions to read");
}

TEST(EquilibriumLines, EachSumBesideTheAppliedLoadInTheFilesUnits)
{
    Model model;
    model.Units = {"M", "KN"};
    const std::vector<std::string> lines =
        EquilibriumLines(model, {0, -0.0001, 840, 0, 12.5, 0}, {0, 0, -840, 0, -12.5, 0});
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[1], "\u03a3 FY = 0.000 kN, applied 0.000 kN");
    EXPECT_EQ(lines[2], "\u03a3 FZ = 840.000 kN, applied \u2212840.000 kN");
    EXPECT_EQ(lines[4], "\u03a3 MY = 12.500 kN\u00b7m, applied \u221212.500 kN\u00b7m");
    EXPECT_EQ(EquilibriumLines(Model(), {}, {})[3], "\u03a3 MX = 0.000, applied 0.000");
}

} // namespace
} // namespace mirelo
