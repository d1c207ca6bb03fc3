// The project text: numbers and names read back exactly, damaged and foreign
// texts refused with the file and the line or key, saving that keeps the old
// file whole.
#include "common/TextLines.h"
#include "project/OpenProject.h"
#include "project/ProjectFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <filesystem>
#include <limits>

namespace mirelo {
namespace {

std::string ValidText(std::string_view extra = {})
{
    return "{\"format\": \"mirelo-project\", \"version\": 1,\n"
           " \"model\": {\"path\": \"m.s2k\", \"absolutePath\": \"/p/m.s2k\", \"size\": 3, \"fnv1a64\": "
           "\"00000000000000ff\"}"
           + std::string(extra) + "}\n";
}

TEST(ProjectFile, NumbersNamesAndPathsReadBackExactly)
{
    Project project;
    project.modelPath = {"../models/\xb0" "C frame.s2k", "/home/\xe4\xb8\xad/models/\xb0" "C frame.s2k"};
    project.modelFacts = {std::numeric_limits<std::uint64_t>::max(), 0x0123456789abcdefULL};
    project.loadCaseNames = {"DEAD", "\xcb\xc0", ""};
    const double reals[] = {0.1, 1.0 / 3, -0.0, 5e-324, std::numeric_limits<double>::max(), 2345.678901234567, -1e-300};
    const char* const parameters[] = {"Fy", "E0", "b", "R0", "cR1", "cR2", "fpc"};
    project.materials = {{"CONC", {{"type", 5}}}};
    for (std::size_t k = 0; k < std::size(reals); ++k)
        project.materials[0].values.emplace_back(parameters[k], reals[k]);
    project.analysis.emplace_back("AnalysisType", 7);
    project.analysis.emplace_back("UseAggregator", -1);
    project.recorders = {{"RecordNodeDisp", 0}};
    project.sections = {{"\xb0" "COL", {{"elementKind", 6}, {"colour", 0xFFFFFF}, {"cover", 0.035}}}, {"", {}}};
    project.view = {{"Scale", 0.1}, {"PlaneAxis", 2}};
    project.lastRunFolder = {"run", "/p/run"};

    const std::string text = ProjectText(project);
    const Project read = ReadProjectText(text, "p.mirelo");
    EXPECT_EQ(read, project);
    for (std::size_t k = 0; k < std::size(reals); ++k)
        EXPECT_EQ(std::bit_cast<std::uint64_t>(read.materials[0].values[k + 1].second),
                  std::bit_cast<std::uint64_t>(reals[k]));
    EXPECT_EQ(ProjectText(read), text);
    EXPECT_NE(text.find("\"name\": {\n        \"hex\": \"b0434f4c\""), std::string::npos) << text;
    EXPECT_NE(text.find("\"UseAggregator\": true"), std::string::npos);
}

TEST(ProjectFile, ASettingThatIsNoFiniteNumberIsNotSaved)
{
    Project project;
    project.materials = {{"CONC", {{"fpc", std::nan("")}}}};
    EXPECT_THROW(ProjectText(project), Error);
}

TEST(ProjectFile, DamagedForeignAndNewerTextsAreRefusedWithTheFileAndTheLineOrKey)
{
    const struct {
        std::string text;
        std::string message;
    } cases[] = {
        {"", "p.mirelo, line 1: not a project text: syntax error while parsing value - unexpected end of input; "
             "expected '[', '{', or a literal"},
        {ValidText().substr(0, 90), "p.mirelo, line 2: not a project text: syntax error while parsing value - "
                                    "invalid string: missing closing quote; last read: '\"/p'"},
        {"{\"format\": \"mirelo-project\",\n\n \"version\" 1}",
         "p.mirelo, line 3: not a project text: syntax error while parsing object separator - unexpected number "
         "literal; expected ':'"},
        {"JOINT\r\n  1  X=0  Y=0  Z=0\r\n", "p.mirelo, line 1: not a project text: syntax error while parsing value "
                                           "- invalid literal; last read: 'J'"},
        {"[1, 2]", "p.mirelo, key format: not a Mirelo project"},
        {"{\"format\": \"something-else\", \"version\": 1}", "p.mirelo, key format: not a Mirelo project"},
        {"{\"format\": \"mirelo-project\", \"version\": 2}",
         "p.mirelo, key version: a newer Mirelo saved this project (version 2); this one reads versions up to 1"},
        {"{\"format\": \"mirelo-project\", \"version\": \"1\"}",
         "p.mirelo, key version: a whole number of at least 1 is expected"},
        {"{\"format\": \"mirelo-project\", \"version\": 1}", "p.mirelo, key model: missing"},
        {ValidText(", \"extra\": 1"), "p.mirelo, key extra: unknown key"},
        {ValidText(", \"analysis\": {\"AnalysisType\": 8}"),
         "p.mirelo, key analysis.AnalysisType: AnalysisType takes 1 to 7, not 8"},
        {ValidText(", \"analysis\": {\"LoadFactor\": \"1\"}"), "p.mirelo, key analysis.LoadFactor: a number is expected"},
        {ValidText(", \"analysis\": {\"LoadFactor\": 1e999}"),
         "p.mirelo, line 2: number overflow parsing '1e999'"},
        {ValidText(", \"analysis\": {\"Loadfactor\": 1}"), "p.mirelo, key analysis.Loadfactor: unknown setting"},
        {ValidText(", \"recorders\": {\"RecordCurves\": 1}"),
         "p.mirelo, key recorders.RecordCurves: true or false is expected"},
        {ValidText(", \"sections\": [{\"name\": \"C\", \"divideX\": 1.5}]"),
         "p.mirelo, key sections[0].divideX: a whole number is expected"},
        {ValidText(", \"sections\": [{\"name\": \"C\"}, {\"divideX\": 2}]"), "p.mirelo, key sections[1].name: missing"},
        {ValidText(", \"sections\": {\"C\": {}}"), "p.mirelo, key sections: a list [...] is expected"},
        {ValidText(", \"sections\": [{\"name\": {\"hex\": \"b\"}}]"),
         "p.mirelo, key sections[0].name.hex: pairs of hexadecimal digits are expected"},
        {ValidText(", \"materials\": [{\"name\": \"S\", \"type\": 6}]"),
         "p.mirelo, key materials[0].type: type takes 1 to 5, not 6"},
        {ValidText(", \"view\": {\"Scale\": null}"), "p.mirelo, key view.Scale: a number is expected"},
        {ValidText(", \"lastRunFolder\": \"run\""), "p.mirelo, key lastRunFolder: an object {...} is expected"},
        {ValidText().replace(ValidText().find("00000000000000ff"), 16, "ff"),
         "p.mirelo, key model.fnv1a64: 16 hexadecimal digits are expected"},
        {ValidText().replace(ValidText().find("\"size\": 3"), 9, "\"size\": -3"),
         "p.mirelo, key model.size: a whole number of at least 0 is expected"},
    };
    for (const auto& c : cases) {
        try {
            ReadProjectText(c.text, "p.mirelo");
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const ProjectError& error) {
            EXPECT_EQ(error.what(), c.message) << c.text;
        }
    }
}

TEST(ProjectFile, ADamagedProjectLeavesTheSessionAsItWas)
{
    test::TempDir folder;
    WriteWholeFile(folder.File("p.mirelo"), ValidText(", \"analysis\": {\"LoadSteps\": 5, \"ControlDof\": 9}"));
    int imports = 0;
    const auto import = [&imports](const std::string&) {
        ++imports;
        return Model();
    };
    AnalysisSettings session;
    try {
        session = OpenProject(folder.File("p.mirelo"), import).analysis;
        ADD_FAILURE() << "a damaged project opened";
    } catch (const ProjectError& error) {
        EXPECT_EQ(error.key(), "analysis.ControlDof");
    }
    EXPECT_EQ(imports, 0);
    EXPECT_EQ(session.LoadSteps, AnalysisSettings().LoadSteps);
}

TEST(ProjectFile, AFailedSaveLeavesTheOldFileWholeAndSaysWhy)
{
    test::TempDir folder;
    const std::string path = folder.File("p.mirelo");
    Project project;
    SaveProjectFile(path, project);
    const std::string saved = ReadWholeFile(path);
    EXPECT_EQ(ReadProjectFile(path), project);

    // A folder in the project's place: the new text cannot take it.
    std::filesystem::create_directory(folder.path() / "taken.mirelo");
    EXPECT_THROW(SaveProjectFile(folder.File("taken.mirelo"), project), FileError);
    try {
        SaveProjectFile(folder.File("missing/p.mirelo"), project);
        ADD_FAILURE() << "saved into a missing folder";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot open file \"" + folder.File("missing/p.mirelo")
                                                 + "\". No such file or directory");
    }
    EXPECT_EQ(ReadWholeFile(path), saved);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2); // no temporary left
}

TEST(ProjectFile, ModelChecksumIsFnv1a64)
{
    EXPECT_EQ(Fnv1a64(""), 0xcbf29ce484222325ULL);
    EXPECT_EQ(Fnv1a64("a"), 0xaf63dc4c8601ec8cULL);
    EXPECT_EQ(Fnv1a64("foobar"), 0x85944171f73967e8ULL);
}

} // namespace
} // namespace mirelo
