// A ground-motion suite of the example building, 8 runs (2 records at 4
// scales), on 1 and on 2 processes of OpenSeesMP, through mirelo-cli as a
// user starts it. The target: 2 processes take at most 0.6 x the wall time
// of 1. Needs the parallel interpreters beside the source tree and Open MPI.
#include "common/TextLines.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

const fs::path kSource = MIRELO_SOURCE_DIR;
const fs::path kMpiTools = kSource / ".." / "shared" / "tools" / "opensees-mpi" / "bin";

// Two records of 250 steps: the first and the last part of GMX.txt.
fs::path WriteMotions(const fs::path& dir)
{
    const fs::path motions = dir / "motions";
    fs::create_directories(motions);
    const mirelo::TextLines gmx = mirelo::LoadTextLines((kSource / "examples" / "GMX.txt").string());
    std::string first, last;
    for (std::size_t i = 0; i < 250; ++i) {
        first += std::string(gmx[i]) + "\n";
        last += std::string(gmx[gmx.size() - 250 + i]) + "\n";
    }
    mirelo::WriteWholeFile((motions / "first.txt").string(), first);
    mirelo::WriteWholeFile((motions / "last.txt").string(), last);
    mirelo::WriteWholeFile((motions / "records.csv").string(), "first.txt,0.02,0.1\nlast.txt,0.02,0.1\n");
    return motions;
}

void BM_SuiteOfTheExampleBuilding(benchmark::State& state)
{
    if (!fs::exists(kMpiTools / "OpenSeesMP")) {
        state.SkipWithError("no OpenSeesMP beside the source tree");
        return;
    }
    setenv("MIRELO_OPENSEES_MP", (kMpiTools / "OpenSeesMP").c_str(), 1);
    const fs::path dir = fs::temp_directory_path() / ("mirelo-bench-suite-" + std::to_string(state.range(0)));
    fs::remove_all(dir);
    const fs::path motions = WriteMotions(dir);
    const std::string command = "'" + std::string(MIRELO_CLI) + "' suite '"
                              + (kSource / "examples" / "rc-frame-building.s2k").string() + "' '"
                              + (dir / "suite").string() + "' --motions '" + motions.string()
                              + "' --scales 0.5,1,1.5,2 --np " + std::to_string(state.range(0))
                              + " --set AnalysisType=5 --set ControlNode=51 > /dev/null 2>&1";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("the suite did not finish every run");
    fs::remove_all(dir);
}
BENCHMARK(BM_SuiteOfTheExampleBuilding)->Arg(1)->Arg(2)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

} // namespace

BENCHMARK_MAIN();
