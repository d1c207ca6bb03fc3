// Warnings name the line of the script they are about, so the script window
// can show it.
#include "script/ScriptTestSupport.h"

#include "model/ImportS2k.h"
#include "support/TestSupport.h"

namespace mirelo {
namespace {

TEST(ScriptWarnings, PointAtTheLineTheyAreAbout)
{
    struct Row {
        const char* what;
        std::int32_t elementKind, material, loadCase;
        std::vector<std::string> lineStarts; // of the line each warning names; "" for none
    };
    const Row rows[] = {
        {"beam with hinges", kBeamWithHinges, 1, 1, {"element elasticBeamColumn 1 1 2 "}},
        {"spring without material", kRotationalSpring, 0, 1, {"element zeroLength 1 1 2 -mat 0 "}},
        {"load case outside the model", kElasticBeamColumn, 1, 3, {"## Load Case = "}},
        {"kind without element", 9, 1, 1, {""}},
        {"clean", kElasticBeamColumn, 1, 1, {}},
    };
    for (const Row& row : rows) {
        Model model = ImportS2kFile((test::SourceDir() / "tests/script/data/cantilever.s2k").string()).model;
        model.FrameSections[1].elementKind = row.elementKind;
        model.FrameSections[1].material = row.material;
        AnalysisSettings analysis;
        analysis.LoadCase = row.loadCase;
        const ScriptResult script = GenerateScript(model, analysis, {});
        ASSERT_EQ(script.warnings.size(), row.lineStarts.size()) << row.what;
        ASSERT_EQ(script.warningLines.size(), row.lineStarts.size()) << row.what;
        for (std::size_t i = 0; i < row.lineStarts.size(); ++i) {
            const std::size_t line = script.warningLines[i];
            if (row.lineStarts[i].empty()) {
                EXPECT_EQ(line, 0u) << row.what;
                continue;
            }
            ASSERT_GE(line, 1u) << row.what;
            ASSERT_LE(line, script.lines.size()) << row.what;
            EXPECT_TRUE(script.lines[line - 1].starts_with(row.lineStarts[i]))
                << row.what << ": line " << line << " is " << script.lines[line - 1];
        }
    }
}

} // namespace
} // namespace mirelo
