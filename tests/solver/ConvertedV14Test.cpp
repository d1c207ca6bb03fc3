// V14 solid models, converted and imported, run to their end in OpenSees, and
// their materials reach the bricks.
#include "solver/SolverRun.h"

#include "convert/V14Converter.h"
#include "convert/V14TestFiles.h"
#include "model/ImportS2k.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>
#include <vector>

namespace mirelo {
namespace {

using ConvertedV14 = test::SolverTest;

// The last line of node0.out: the time, then UX UY UZ of every joint.
std::vector<double> LastStep(const test::TempDir& dir)
{
    std::ifstream in(dir.File("node0.out"));
    std::string line, last;
    std::size_t count = 0;
    while (std::getline(in, line))
        if (!line.empty()) {
            last = line;
            ++count;
        }
    EXPECT_EQ(count, 100u); // one line per load step
    return test::NumbersIn(last);
}

// Convert, import, generate a load-controlled analysis of the file's one
// load case and run it; the displacements of the last step.
std::vector<double> RunConverted(const TextLines& v14, const test::TempDir& dir)
{
    Model model = ImportS2k(ConvertV14File(v14).lines);
    AnalysisSettings analysis;
    analysis.AnalysisType = 1; // load control
    analysis.LoadCase = 1;     // PUSH
    test::RunModelInSolver(model, analysis, {}, dir);
    return LastStep(dir);
}

TextLines Example(const char* name)
{
    return LoadTextLines(test::ExamplePath(name).string());
}

TEST_F(ConvertedV14, ExamplesAndAGeneratedBlockRunToTheirEnd)
{
    const struct {
        const char* what;
        TextLines v14;
    } models[] = {{"footing-v14.txt", Example("footing-v14.txt")},
                  {"footing-v14-materials.txt", Example("footing-v14-materials.txt")},
                  {"a 3 x 2 x 2 block", test::SolidBlockV14(3, 2, 2)}};
    for (const auto& m : models) {
        SCOPED_TRACE(m.what);
        const test::TempDir dir;
        const std::vector<double> step = RunConverted(m.v14, dir);
        ASSERT_FALSE(step.empty());
        EXPECT_EQ(step[0], 1); // the whole load
    }
}

// The footing's solids given one material twice as stiff as the normal
// concrete they take without tables: every displacement halves.
TEST_F(ConvertedV14, TheSolidsMaterialIsTheBricks)
{
    const test::TempDir normal, stiff;
    const std::vector<double> concrete = RunConverted(Example("footing-v14.txt"), normal);

    TextLines doubled = Example("footing-v14.txt");
    std::vector<std::string> assignments;
    for (int solid = 1; solid <= 4; ++solid)
        assignments.push_back(test::SolidAssignmentRow(std::to_string(solid), "P"));
    for (const auto& table : {test::Table("MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES",
                                          {test::MaterialRow("C60", "6.0E+004", "0.2")}),
                              test::Table("SOLID PROPERTY DEFINITIONS", {test::SolidPropertyRow("P", "C60")}),
                              test::Table("SOLID PROPERTY ASSIGNMENTS", assignments)})
        for (const std::string& line : table)
            doubled.Append(line);
    const std::vector<double> twice = RunConverted(doubled, stiff);

    ASSERT_EQ(concrete.size(), 1 + 3 * 18u);
    ASSERT_EQ(twice.size(), concrete.size());
    const double top = concrete[3 * 13 + 3]; // UZ of joint 14, under the 250 kN
    EXPECT_LT(top, 0);
    for (std::size_t k = 1; k < concrete.size(); ++k)
        EXPECT_NEAR(twice[k], concrete[k] / 2, 1e-5 * std::abs(top)) << k;
}

} // namespace
} // namespace mirelo
