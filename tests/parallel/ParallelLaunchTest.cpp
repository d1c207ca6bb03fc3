#include "parallel/ParallelLaunch.h"
#include "parallel/ParallelScript.h"

#include "common/Errors.h"
#include "common/TextLines.h"
#include "script/ScriptGenerator.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace mirelo {
namespace {

namespace fs = std::filesystem;

TEST(ParallelLaunch, MpiexecGetsWhatOpenMpiNeedsHere)
{
    using Args = std::vector<std::string>;
    EXPECT_EQ(MpiexecArguments(2, "", {false, 4}), (Args{"-np", "2"}));
    EXPECT_EQ(MpiexecArguments(8, "", {false, 4}), (Args{"--oversubscribe", "-np", "8"}));
    EXPECT_EQ(MpiexecArguments(8, "", {true, 2}), (Args{"--allow-run-as-root", "--oversubscribe", "-np", "8"}));
    EXPECT_EQ(MpiexecArguments(64, "hosts", {true, 2}), (Args{"--allow-run-as-root", "--hostfile", "hosts", "-np", "64"}));
}

TEST(ParallelLaunch, SuiteRunsUnderMpiexecOrAsSequentialProcessesToldTheirShare)
{
    const Launch mpi = MpiSuiteLaunch("/usr/bin/mpiexec", "/opt/OpenSeesMP", "/s", 2, "", {false, 2});
    EXPECT_EQ(mpi.program, "/usr/bin/mpiexec");
    EXPECT_EQ(mpi.arguments, (std::vector<std::string>{"-np", "2", "/opt/OpenSeesMP", "suite.tcl"}));
    EXPECT_EQ(mpi.workingFolder, "/s");
    const std::vector<Launch> sequential = SequentialSuiteLaunches("/opt/OpenSees", "/s", 3);
    ASSERT_EQ(sequential.size(), 3u);
    EXPECT_EQ(sequential[2].environment,
              (std::vector<std::pair<std::string, std::string>>{{"MIRELO_SUITE_PID", "2"}, {"MIRELO_SUITE_NP", "3"}}));
    EXPECT_NE(sequential[0].logPath, sequential[1].logPath);
}

TEST(ParallelLaunch, ProgramsAreFoundByTheSettingTheVariableBesideTheProgramThenOnPath)
{
    test::TempDir dir;
    for (const char* folder : {"setting", "variable", "beside", "path1", "path2"}) {
        fs::create_directory(dir.path() / folder);
        WriteWholeFile((dir.path() / folder / "OpenSeesMP").string(), "#!/bin/sh\n");
        fs::permissions(dir.path() / folder / "OpenSeesMP", fs::perms::owner_all);
    }
    WriteWholeFile((dir.path() / "not-runnable").string(), "");
    const auto at = [&](const char* folder) { return (dir.path() / folder).string(); };
    ProgramSearch search{{"OpenSeesMP"}, at("setting"), "MIRELO_OPENSEES_MP", at("variable"), at("beside"),
                         {at("missing"), at("path2"), at("path1")}};
    EXPECT_EQ(FindProgram(search)->program, at("setting") + "/OpenSeesMP");
    search.settingPath.clear();
    EXPECT_EQ(FindProgram(search)->origin, "the environment variable MIRELO_OPENSEES_MP");
    search.variablePath.clear();
    EXPECT_EQ(FindProgram(search)->origin, "the program's folder");
    search.programFolder.clear();
    EXPECT_EQ(FindProgram(search)->program, at("path2") + "/OpenSeesMP");
    search.pathFolders = {at("missing")};
    EXPECT_FALSE(FindProgram(search));
    search.variablePath = at("not-runnable");
    EXPECT_THROW(FindProgram(search), Error);
}

TEST(ParallelScript, OpenSeesSpTakesTheStaticAnalysesOfOnePattern)
{
    AnalysisSettings analysis;
    for (std::int32_t type = 1; type <= 7; ++type) {
        analysis.AnalysisType = type;
        EXPECT_NO_THROW(CheckParallelAnalysis(analysis, 1));
        if (type <= 2)
            EXPECT_NO_THROW(CheckParallelAnalysis(analysis, 2));
        else
            EXPECT_THROW(CheckParallelAnalysis(analysis, 2), Error) << type;
    }
    EXPECT_EQ(ParallelScriptOptions(1).system, "");
    EXPECT_EQ(ParallelScriptOptions(4).system, "Mumps");
}

// A script run on several processes must set the parallel solver as a command
// of its own; a comment, another solver or a longer word does not count.
TEST(ParallelScript, TheParallelSolverIsFoundOnlyAsACommand)
{
    const struct {
        const char* script;
        bool parallel;
    } cases[] = {
        {"wipe\nsystem Mumps\nanalyze 10\n", true},
        {"wipe\r\n  system\tMumps;\r\n", true},
        {"system Mumps -ICNTL14 50", true},
        {"system Mumps", true},
        {"system Mumps\r", true},
        {"# system Mumps\nsystem UmfPack\n", false},
        {"system MumpsX\n", false},
        {"systemMumps\n", false},
        {"puts \"system Mumps\"\n", false},
        {"system\n Mumps\n", false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UsesParallelSolver(c.script), c.parallel) << c.script;
    // Generated for two processes, the building's script sets it.
    const S2kImport imported = ImportS2kFile(test::ExamplePath("rc-frame-building.s2k").string());
    AnalysisSettings analysis;
    analysis.AnalysisType = 2;
    EXPECT_TRUE(UsesParallelSolver(
        GenerateScript(imported.model, analysis, RecorderSettings(), ParallelScriptOptions(2)).lines.Join("\n")));
    EXPECT_FALSE(UsesParallelSolver(GenerateScript(imported.model, analysis, RecorderSettings()).lines.Join("\n")));
}

} // namespace
} // namespace mirelo
