#include "common/NumberText.h"
#include "results/ResultReaders.h"
#include "script/RecorderFiles.h"
#include "script/ScriptTestSupport.h"
#include "session/ResultLoading.h"
#include "support/TestSupport.h"

#include <gmock/gmock.h>

#include <cmath>
#include <numbers>

namespace mirelo {
namespace {

using ::testing::HasSubstr;

// The value a test file gives joint k, axis a (0..2), at step s: exact in text.
double NodeValue(std::int32_t k, int a, std::int64_t s)
{
    return k * 10 + a + static_cast<double>(s) * 0.25;
}

// Node files for `joints` joints and `steps` steps, as the recorders write them.
void WriteNodeFiles(const test::TempDir& dir, std::int32_t joints, std::int64_t steps,
                    const std::function<std::string(std::int32_t)>& name = NodeDisplacementFileName)
{
    for (const RecorderFileGroup& g : NodeFileGroups(joints)) {
        std::string text;
        for (std::int64_t s = 1; s <= steps; ++s) {
            text += std::to_string(s);
            for (std::int32_t k = g.first; k <= g.last; ++k)
                for (int a = 0; a < 3; ++a)
                    text += " " + FormatGeneral(NodeValue(k, a, s));
            text += "\n";
        }
        WriteWholeFile(dir.File(name(g.fileNumber)), text);
    }
}

using test::FailureOf;
using test::FramesOfKinds;

TEST(ReadNodeDisplacements, EveryJointFromItsGroupFile)
{
    const struct {
        std::int32_t joints;
        StepChoice step;
        std::int64_t expectedStep;
    } cases[] = {{250, 2, 2}, {200, 1, 1}, {99, std::nullopt, 3}, {1, 3, 3}};
    for (const auto& c : cases) {
        const test::TempDir dir;
        WriteNodeFiles(dir, c.joints, 3);
        RecorderFileCache files;
        const Model model = test::ModelWithCounts(c.joints);
        const JointResults r = ReadNodeDisplacements(dir.path().string(), model, c.step, files);
        EXPECT_EQ(r.step, c.expectedStep);
        EXPECT_EQ(r.stepCount, 3);
        ASSERT_EQ(r.values.size(), 3u * static_cast<std::size_t>(c.joints));
        for (std::int32_t k = 1; k <= c.joints; ++k)
            for (int a = 0; a < 3; ++a)
                ASSERT_EQ(r.values[static_cast<std::size_t>(3 * (k - 1) + a)], NodeValue(k, a, c.expectedStep))
                    << c.joints << " joints, joint " << k;
    }
}

TEST(ReadNodeDisplacements, TwoHundredJointsNeedNoThirdFile)
{
    const test::TempDir dir;
    WriteNodeFiles(dir, 200, 1);
    WriteWholeFile(dir.File("node2.out"), "not read\n");
    RecorderFileCache files;
    EXPECT_NO_THROW(ReadNodeDisplacements(dir.path().string(), test::ModelWithCounts(200), 1, files));
}

TEST(ReadNodeDisplacements, BadFilesAreNamedWithLineFieldAndJoint)
{
    const test::TempDir dir;
    const std::string node0 = dir.File("node0.out"), node1 = dir.File("node1.out");
    const Model model = test::ModelWithCounts(102);
    const std::string folder = dir.path().string();
    const auto load = [&](StepChoice step) {
        RecorderFileCache files;
        return FailureOf([&] { ReadNodeDisplacements(folder, model, step, files); });
    };
    WriteNodeFiles(dir, 102, 2);
    std::filesystem::remove(node1);
    EXPECT_EQ(load(1), "Cannot open file \"" + node1 + "\". No such file or directory");

    WriteNodeFiles(dir, 102, 2);
    EXPECT_EQ(load(3), "Load step 3 is not in " + node0 + ", which holds 2 steps");
    EXPECT_EQ(load(0), "Load step 0 is not in " + node0 + ", which holds 2 steps");

    WriteWholeFile(node1, "1 0 0 0 1 x 1\n");
    EXPECT_EQ(load(1), "'x' is not a valid floating point value (" + node1 + ", line 1, field 6: joint 102 UY)");
    WriteWholeFile(node1, "1 0 0 0 1  1\n"); // a double blank: an empty field
    EXPECT_EQ(load(1), "'' is not a valid floating point value (" + node1 + ", line 1, field 6: joint 102 UY)");
    WriteWholeFile(node1, "t 0 0 0 1 1 1\n");
    EXPECT_THAT(load(1), HasSubstr("line 1, field 1: the time)"));
    WriteWholeFile(node1, "1 0 0 0 1 1 nan\n");
    EXPECT_THAT(load(1), HasSubstr("'nan' is not a valid floating point value"));

    WriteWholeFile(node1, "1 0 0 0 1\n");
    EXPECT_EQ(load(1), node1 + ", line 1 holds 4 values after the time, but joints 101 to 102 need 6 (3 each): the "
                               "values run out at joint 102. Were the results written for this model and these settings?");
    WriteWholeFile(node1, "1 0 0 0 1 1 1 9\n");
    EXPECT_THAT(load(1), HasSubstr("holds 7 values after the time, but joints 101 to 102 need 6 (3 each): 1 value is "
                                   "left after joint 102"));

    WriteWholeFile(node0, "");
    EXPECT_EQ(load(std::nullopt), node0 + " holds no steps: the solver recorded nothing");
    EXPECT_EQ(FailureOf([&] {
                  RecorderFileCache files;
                  ReadNodeDisplacements(folder, Model(), 1, files);
              }),
              "The model has no joints: import the model whose script wrote the results first");
}

TEST(ReadModeShape, TakesTheFirstLineOfTheModesFiles)
{
    const test::TempDir dir;
    WriteNodeFiles(dir, 150, 4, [](std::int32_t b) { return ModeShapeFileName(2, b); });
    RecorderFileCache files;
    const JointResults r = ReadModeShape(dir.path().string(), test::ModelWithCounts(150), 2, files);
    EXPECT_EQ(r.step, 1);
    EXPECT_EQ(r.values[3 * 149 + 2], NodeValue(150, 2, 1));
    EXPECT_EQ(FailureOf([&] { ReadModeShape(dir.path().string(), test::ModelWithCounts(150), 1, files); }),
              "Cannot open file \"" + dir.File("eigen1_node0.out") + "\". No such file or directory");
    EXPECT_EQ(FailureOf([&] { ReadModeShape(dir.path().string(), test::ModelWithCounts(150), 0, files); }),
              "Mode 0 is no mode: modes count from 1");
}

// Frames 1..n of the given element kinds (0: no section) between joints 1 and 2.

// A section value: frame k, section end (0 first, 1 last), deformation d (1-based), step s.
double SectionValue(std::int32_t k, int end, std::int32_t d, std::int64_t s)
{
    return k * 100 + end * 50 + d + static_cast<double>(s) * 0.5;
}

void WriteSectionFiles(const test::TempDir& dir, const Model& model, const AnalysisSettings& analysis,
                       std::int64_t steps)
{
    for (const RecorderFileGroup& g : ElementFileGroups(model.Frames.count))
        for (const int end : {0, 1}) {
            std::string text;
            for (std::int64_t s = 1; s <= steps; ++s) {
                text += std::to_string(s);
                for (std::int32_t k = g.first; k <= g.last; ++k)
                    for (std::int32_t d = 1;
                         d <= SectionDeformationCount(model, analysis, k, end == 0 ? 1 : analysis.IntegrationPoints); ++d)
                        text += " " + FormatGeneral(SectionValue(k, end, d, s));
                text += "\n";
            }
            WriteWholeFile(dir.File(end == 0 ? FirstSectionFileName(g.fileNumber) : LastSectionFileName(g.fileNumber)),
                           text);
        }
}

TEST(ReadSectionDeformations, EveryFrameKindGivesWhatTheSolverWritesWithAndWithoutTheAggregator)
{
    // Elastic, nonlinear, displacement, hinges, truss, corotational truss, spring, none.
    std::vector<std::int32_t> kinds = {1, 2, 3, 4, 5, 6, 7, 0};
    for (std::int32_t k = 0; k < 200; ++k) // 208 frames: files ele1, ele2 and the partial ele0
        kinds.push_back(k % 3 == 0 ? 1 : 2);
    const Model model = FramesOfKinds(kinds);
    for (const std::int32_t aggregator : {kFlagOff, kFlagOn})
        for (const SectionQuantity q :
             {SectionQuantity::AxialStrain, SectionQuantity::CurvatureZ, SectionQuantity::CurvatureY}) {
            AnalysisSettings analysis;
            analysis.UseAggregator = aggregator;
            const test::TempDir dir;
            WriteSectionFiles(dir, model, analysis, 3);
            RecorderFileCache files;
            const SectionResults r = ReadSectionDeformations(dir.path().string(), model, analysis, q, 2, files);
            const auto d = static_cast<std::int32_t>(q);
            double maximum = -1e300, minimum = 1e300;
            for (std::int32_t k = 1; k <= model.Frames.count; ++k) {
                const std::int32_t kind = kinds[static_cast<std::size_t>(k - 1)];
                const bool beamColumn = kind == 2 || kind == 3, truss = kind == 5 || kind == 6;
                // A truss writes its one section in the first file only; both ends show it.
                const double i = beamColumn || truss ? SectionValue(k, 0, d, 2) : 0;
                const double j = beamColumn ? SectionValue(k, 1, d, 2) : i;
                ASSERT_EQ(r.atI[static_cast<std::size_t>(k - 1)], i) << "frame " << k << " aggregator " << aggregator;
                ASSERT_EQ(r.atJ[static_cast<std::size_t>(k - 1)], j) << "frame " << k;
                maximum = std::max({maximum, i, j});
                minimum = std::min({minimum, i, j});
            }
            EXPECT_EQ(r.maximum, maximum);
            EXPECT_EQ(r.minimum, minimum); // 0 of the frames without sections
        }
}

TEST(ReadSectionDeformations, ALineThatDoesNotFitTheModelNamesFileLineAndFrame)
{
    const Model model = FramesOfKinds({2, 1, 2, 3});
    AnalysisSettings analysis;
    const test::TempDir dir;
    WriteSectionFiles(dir, model, analysis, 1);
    const std::string folder = dir.path().string();
    RecorderFileCache files;
    analysis.UseAggregator = kFlagOn; // the files were written without it
    EXPECT_EQ(FailureOf([&] { ReadSectionDeformations(folder, model, analysis, SectionQuantity::AxialStrain, 1, files); }),
              dir.File("ele0_secs.out")
                  + ", line 1 holds 12 values after the time, but frames 1 to 4 need 21 (7 for each aggregated section "
                    "of a nonlinear or displacement beam-column, 4 for section 1 of a truss, none for the other "
                    "frames): the values run out at frame 3. Were the results written for this model and these "
                    "settings?");
    analysis.UseAggregator = kFlagOff;
    WriteWholeFile(dir.File("ele0_secn.out"), "1 1 2 3 4 5 6 7 8 9 10 11 x\n");
    EXPECT_EQ(FailureOf([&] { ReadSectionDeformations(folder, model, analysis, SectionQuantity::CurvatureY, 1, files); }),
              "'x' is not a valid floating point value (" + dir.File("ele0_secn.out")
                  + ", line 1, field 13: frame 4, deformation 4)");
    EXPECT_EQ(FailureOf([&] {
                  ReadSectionDeformations(folder, FramesOfKinds({1, 4, 7, 0}), analysis, SectionQuantity::AxialStrain,
                                          1, files);
              }),
              "None of the 4 frames is a beam-column or truss with sections: there are no section deformations to "
              "read");
    // No frames: nothing to read, and no colour range.
    const SectionResults none =
        ReadSectionDeformations(folder, Model(), analysis, SectionQuantity::AxialStrain, 1, files);
    EXPECT_FALSE(none.maximum.has_value());
}

TEST(ReadEigenvalues, PeriodsFromTheEigenvaluesTheModalAnalysisWrote)
{
    const test::TempDir dir;
    WriteWholeFile(dir.File("Periods.txt"), "    4.00000000000000000000     16  \n");
    const std::vector<double> lambda = ReadEigenvalues(dir.path().string());
    ASSERT_EQ(lambda, (std::vector<double>{4, 16}));
    EXPECT_DOUBLE_EQ(*PeriodOfEigenvalue(lambda[0]), std::numbers::pi);
    EXPECT_DOUBLE_EQ(*PeriodOfEigenvalue(lambda[1]), std::numbers::pi / 2);
    EXPECT_FALSE(PeriodOfEigenvalue(0).has_value());
    EXPECT_FALSE(PeriodOfEigenvalue(-3).has_value());
    WriteWholeFile(dir.File("Periods.txt"), " 4 x\n");
    EXPECT_EQ(FailureOf([&] { ReadEigenvalues(dir.path().string()); }),
              "'x' is not a valid floating point value (" + dir.File("Periods.txt") + ", line 1, eigenvalue 2)");
    WriteWholeFile(dir.File("Periods.txt"), " \n");
    EXPECT_EQ(FailureOf([&] { ReadEigenvalues(dir.path().string()); }), dir.File("Periods.txt") + " holds no eigenvalues");
}

// A picture gathered from the results knows they changed by their generation:
// every load and every clear makes a new one, also a reload at the same scale,
// and a load that fails leaves the results and their generation as they were.
TEST(ResultLoading, EveryLoadAndClearMakesANewGeneration)
{
    const test::TempDir dir;
    WriteNodeFiles(dir, 4, 2);
    Session session;
    session.model = test::ModelWithCounts(4);
    static constexpr FrameEndQuantity kStub{"stub", "Stub", QuantityUnit::Strain,
                                           [](const std::string&, const Model&, const AnalysisSettings&, StepChoice,
                                              RecorderFileCache&) { return SectionResults{}; }};
    const std::string folder = dir.path().string();
    const std::function<void()> changes[] = {
        [&] { LoadNodeDisplacements(session, folder, 1); },
        [&] { LoadNodeDisplacements(session, folder, 2); },
        [&] { LoadNodeDisplacements(session, folder, 2); },
        [&] { LoadFrameEndQuantity(session, folder, kStub, 2); },
        [&] { ClearResults(session); },
        [&] { LoadNodeDisplacements(session, folder, 1); },
    };
    std::vector<std::uint64_t> seen = {session.results.generation};
    for (const auto& change : changes) {
        change();
        EXPECT_THAT(seen, ::testing::Not(::testing::Contains(session.results.generation)));
        seen.push_back(session.results.generation);
    }
    EXPECT_ANY_THROW(LoadNodeDisplacements(session, dir.File("absent"), 1));
    EXPECT_EQ(session.results.generation, seen.back());
    EXPECT_EQ(session.results.joints.step, 1);
}

} // namespace
} // namespace mirelo
