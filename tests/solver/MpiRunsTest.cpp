// Suites on OpenSeesMP and runs on OpenSeesSP, started by mirelo-cli as a
// user starts them, against the same runs alone in the sequential OpenSees.
#include "SolverRun.h"

#include "common/TextLines.h"
#include "model/ModelUnits.h"
#include "parallel/GroundMotion.h"
#include "parallel/SuiteScript.h"
#include "results/SplitResultLine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <algorithm>
#include <cstdlib>
#include <sys/wait.h>
#include <filesystem>

namespace mirelo {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = MIRELO_SOURCE_DIR;
const fs::path kMpiTools = kSource / ".." / "shared" / "tools" / "opensees-mpi";

// Skips without the parallel interpreters, Open MPI or the sequential solver;
// tells mirelo-cli where they are.
class MpiRuns : public test::SolverTest {
protected:
    void SetUp() override
    {
        test::SolverTest::SetUp();
        if (IsSkipped())
            return;
        if (!fs::exists(kMpiTools / "bin" / "OpenSeesMP"))
            GTEST_SKIP() << "no OpenSeesMP in " << kMpiTools.string();
        if (std::system(("'" + (kMpiTools / "install-runtime").string() + "' > /dev/null 2>&1").c_str()) != 0
            || std::system("command -v mpiexec > /dev/null 2>&1") != 0)
            GTEST_SKIP() << "no Open MPI run time (mpiexec): " << (kMpiTools / "install-runtime").string()
                         << " installs it as root";
        setenv("MIRELO_OPENSEES_MP", (kMpiTools / "bin" / "OpenSeesMP").c_str(), 1);
        setenv("MIRELO_OPENSEES_SP", (kMpiTools / "bin" / "OpenSeesSP").c_str(), 1);
        setenv("MIRELO_OPENSEES", test::SolverPath().c_str(), 1);
    }

    // mirelo-cli with the arguments; its exit status, output in `out`.
    int Cli(const std::string& arguments, std::string& out)
    {
        const fs::path log = dir_.path() / "cli.log";
        const int status = std::system(("'" + std::string(MIRELO_CLI) + "' " + arguments + " > '" + log.string()
                                        + "' 2>&1")
                                           .c_str());
        out = ReadWholeFile(log.string());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string At(const std::string& name) const { return (dir_.path() / name).string(); }

    test::TempDir dir_;
};

const std::string kPortal = (kSource / "examples" / "portal-frame-spring-bases.s2k").string();
const std::string kPortalSettings =
    " --set AnalysisType=5 --set ControlNode=4 --set RecordCurves=1 --set RecordElementForce=1";

// The recorder files of a run folder, by name.
std::vector<std::string> RecorderFiles(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == ".out" || entry.path().filename() == "curve_run.txt")
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void ExpectSameRecorderFiles(const fs::path& alone, const fs::path& inSuite)
{
    const std::vector<std::string> names = RecorderFiles(alone);
    ASSERT_GE(names.size(), 3u) << alone.string();
    EXPECT_EQ(RecorderFiles(inSuite), names) << inSuite.string();
    for (const std::string& name : names)
        EXPECT_EQ(ReadWholeFile((inSuite / name).string()), ReadWholeFile((alone / name).string()))
            << inSuite.string() << " " << name;
}

TEST_F(MpiRuns, SuiteOnTwoProcessesGivesEveryRunAsItRunsAloneAndTheSingleTimeHistoryAsToday)
{
    const fs::path motions = dir_.path() / "motions";
    fs::create_directory(motions);
    fs::copy_file(kSource / "examples" / "GMX.txt", motions / "GMX.txt");
    const TextLines gmx = LoadTextLines((kSource / "examples" / "GMX.txt").string());
    std::string shortRecord;
    for (std::size_t i = 0; i < 120; ++i)
        shortRecord += std::string(gmx[i]) + "\n";
    WriteWholeFile((motions / "short.txt").string(), shortRecord);
    WriteWholeFile((motions / "records.csv").string(), "file,dt,factor,direction\nGMX.txt,0.02,0.1\nshort.txt,0.01,0.05g,2\n");

    std::string out;
    ASSERT_EQ(Cli("suite " + kPortal + " " + At("suite") + " --motions " + motions.string() + " --scales 1,2 --np 2"
                      + kPortalSettings,
                  out),
              0)
        << out;
    EXPECT_NE(out.find("OpenSeesMP"), std::string::npos) << out;
    const std::string summary = ReadWholeFile(At("suite/summary.csv"));
    for (const char* run : {"GMX,1,yes,1000,1000,", "GMX,2,yes,1000,1000,", "short,1,yes,120,120,", "short,2,yes,120,120,"})
        EXPECT_NE(summary.find(run), std::string::npos) << summary;

    // Today's single time history: GMX.txt, 0.02 s, factor 0.1.
    test::SolverRun today;
    RecorderSettings recorder;
    for (const auto& [name, value] : std::vector<std::pair<std::string, std::string>>{
             {"AnalysisType", "5"}, {"ControlNode", "4"}, {"RecordCurves", "1"}, {"RecordElementForce", "1"}})
        SetSetting(today.analysis, recorder, name, value);
    today.model = ImportS2kFile(kPortal).model;
    const fs::path todayFolder = dir_.path() / "today";
    fs::create_directory(todayFolder);
    fs::copy_file(kSource / "examples" / "GMX.txt", todayFolder / "GMX.txt");
    ASSERT_TRUE(test::RunScriptInSolver(GenerateScript(today.model, today.analysis, recorder), todayFolder, today.log))
        << today.log;
    ExpectSameRecorderFiles(todayFolder, dir_.path() / "suite" / "GMX_s1");

    // Every run against the same record at the same scale alone.
    const std::vector<GroundMotion> records = ReadMotionSuite(motions.string(), StandardGravityIn("M"));
    for (const GroundMotion& record : records)
        for (const double scale : {1.0, 2.0}) {
            const fs::path alone = dir_.path() / (record.name + "_alone_" + std::to_string(int(scale)));
            fs::create_directory(alone);
            std::string values;
            for (const std::string& value : record.values)
                values += value + "\n";
            WriteWholeFile((alone / "record.txt").string(), values);
            std::string log;
            ASSERT_TRUE(test::RunScriptInSolver(
                GenerateScript(today.model, today.analysis, recorder, LoneRecordOptions(record, scale, "record.txt")),
                alone, log))
                << log;
            ExpectSameRecorderFiles(alone, dir_.path() / "suite" / (record.name + "_s" + (scale == 1 ? "1" : "2")));
        }
}

// A record whose 60th value the solver cannot follow fails before it (step
// 58 does not converge);
// the others finish. --resume then runs only the run that did not finish.
TEST_F(MpiRuns, FailingRunIsMarkedTheOthersFinishAndResumeRunsOnlyWhatIsMissing)
{
    const fs::path motions = dir_.path() / "motions";
    fs::create_directory(motions);
    const TextLines gmx = LoadTextLines((kSource / "examples" / "GMX.txt").string());
    std::string calm, spike;
    for (std::size_t i = 0; i < 100; ++i) {
        calm += std::string(gmx[i]) + "\n";
        spike += (i == 59 ? std::string("1e300") : std::string(gmx[i])) + "\n";
    }
    WriteWholeFile((motions / "calm.txt").string(), calm);
    WriteWholeFile((motions / "spike.txt").string(), spike);
    WriteWholeFile((motions / "records.csv").string(), "calm.txt,0.02,0.1\nspike.txt,0.02,0.1\n");
    const std::string model = (kSource / "examples" / "rc-portal-pushover.s2k").string();
    const std::string suite = "suite " + model + " " + At("suite") + " --motions " + motions.string()
                            + " --scales 1,3 --np 2 --set AnalysisType=5 --set ControlNode=3 --set RecordCurves=1";
    std::string out;
    ASSERT_EQ(Cli(suite, out), 0) << out;
    const std::string summary = ReadWholeFile(At("suite/summary.csv"));
    for (const char* run : {"calm,1,yes,100,100,", "calm,3,yes,100,100,", "spike,1,no,57,100,", "spike,3,no,57,100,"})
        EXPECT_NE(summary.find(run), std::string::npos) << summary;
    EXPECT_NE(summary.find(",failed\n"), std::string::npos) << summary;

    // calm_s3 stopped halfway (its process was killed); the others keep
    // their folders untouched.
    WriteWholeFile(At("suite/calm_s3/suite_run.txt"), "running 50 100 0.1 0.001 -\n");
    WriteWholeFile(At("suite/calm_s1/kept.txt"), "");
    WriteWholeFile(At("suite/spike_s1/kept.txt"), "");
    ASSERT_EQ(Cli(suite + " --resume", out), 0) << out;
    EXPECT_NE(out.find("4 runs, 1 to do"), std::string::npos) << out;
    EXPECT_TRUE(fs::exists(At("suite/calm_s1/kept.txt")));
    EXPECT_TRUE(fs::exists(At("suite/spike_s1/kept.txt")));
    EXPECT_NE(ReadWholeFile(At("suite/summary.csv")).find("calm,3,yes,100,100,"), std::string::npos);
    EXPECT_EQ(LoadTextLines(At("suite/calm_s3/curve_disp.out")).size(), 100u);

    // A time limit stops every run; the command says which runs have no result.
    EXPECT_EQ(Cli(suite + " --time-limit 0.000001", out), 1) << out;
    EXPECT_NE(out.find("calm_s1 (time-limit)"), std::string::npos) << out;
    EXPECT_NE(out.find("--resume"), std::string::npos) << out;
}

// Every number of every recorder file.
std::vector<double> Numbers(const fs::path& file)
{
    std::vector<double> numbers;
    const TextLines lines = LoadTextLines(file.string());
    std::vector<std::string_view> fields;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SplitResultLine(lines[i], fields);
        for (const std::string_view field : fields)
            if (!field.empty())
                numbers.push_back(std::stod(std::string(field)));
    }
    return numbers;
}

TEST_F(MpiRuns, PushoverOnOpenSeesSpWithTwoProcessesGivesTheSequentialResults)
{
    const std::string run = " " + (kSource / "examples" / "rc-frame-building.s2k").string()
                          + " --set AnalysisType=2 --set PushoverCase=3 --set ControlNode=51 --set ControlDisp=0.002"
                            " --set AnalysisSteps=20 --set RecordCurves=1 --set RecordElementForce=1";
    std::string out;
    ASSERT_EQ(Cli("run" + run + " " + At("one"), out), 0) << out;
    ASSERT_EQ(Cli("run" + run + " " + At("two") + " --np 2", out), 0) << out;
    EXPECT_NE(ReadWholeFile(At("two/model.tcl")).find("system Mumps"), std::string::npos);
    const std::vector<std::string> names = RecorderFiles(At("one"));
    EXPECT_EQ(RecorderFiles(At("two")), names);
    for (const std::string& name : names) {
        if (name == "curve_run.txt")
            continue;
        const std::vector<double> one = Numbers(fs::path(At("one")) / name), two = Numbers(fs::path(At("two")) / name);
        ASSERT_EQ(one.size(), two.size()) << name;
        EXPECT_GT(one.size(), 20u) << name;
        for (std::size_t i = 0; i < one.size(); ++i)
            ASSERT_NEAR(one[i], two[i], 1e-9 * std::max(1.0, std::abs(one[i]))) << name << " value " << i;
    }
}

} // namespace
} // namespace mirelo
