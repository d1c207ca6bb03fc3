// Reading one load step of a large model: 100,000 joints, 1000 node files of
// 200 steps written as OpenSees writes them (about 700 MB, into a temporary
// folder at start). "Cold" opens every file afresh (its line ends counted
// once, nothing before the step converted); "warm" steps through files
// already opened, as the animation does.

#include "results/ResultReaders.h"
#include "script/RecorderFiles.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace {

using namespace mirelo;

constexpr std::int32_t kJoints = 100000;
constexpr std::int32_t kSteps = 200;

// A folder of node files that lives as long as the program.
class NodeFiles {
public:
    NodeFiles()
        : folder_(std::filesystem::temp_directory_path() / ("mirelo-bench-results-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(folder_);
        std::uintmax_t bytes = 0;
        std::string line;
        char value[32];
        for (const RecorderFileGroup& g : NodeFileGroups(kJoints)) {
            std::ofstream out(folder_ / NodeDisplacementFileName(g.fileNumber), std::ios::binary);
            for (std::int32_t s = 1; s <= kSteps; ++s) {
                line = std::to_string(s * 0.01);
                for (std::int32_t k = g.first; k <= g.last; ++k)
                    for (int a = 0; a < 3; ++a) {
                        // Six significant digits and an exponent, as the recorders write.
                        std::snprintf(value, sizeof value, " %g", -1.234567e-5 * s * (1 + a) - k * 1e-12);
                        line += value;
                    }
                line += '\n';
                out << line;
                bytes += line.size();
            }
            if (!out)
                throw std::runtime_error("cannot write the benchmark's node files");
        }
        std::fprintf(stderr, "node files: %.0f MB in %s\n", static_cast<double>(bytes) / 1e6, folder_.c_str());
    }
    ~NodeFiles() { std::filesystem::remove_all(folder_); }
    std::string folder() const { return folder_.string(); }

private:
    std::filesystem::path folder_;
};

const NodeFiles& Files()
{
    static const NodeFiles files;
    return files;
}

const Model& Joints()
{
    static const Model model = [] {
        Model m;
        m.Joints.Reset(kJoints);
        return m;
    }();
    return model;
}

void ReadStep(benchmark::State& state, std::int32_t step, bool warm)
{
    const std::string folder = Files().folder();
    RecorderFileCache cache;
    if (warm)
        ReadNodeDisplacements(folder, Joints(), step, cache);
    for (auto _ : state) {
        if (!warm)
            cache.Clear();
        const JointResults r = ReadNodeDisplacements(folder, Joints(), step, cache);
        benchmark::DoNotOptimize(r.values.data());
        if (r.step != step || r.stepCount != kSteps)
            state.SkipWithError("read the wrong step");
    }
}

void BM_FirstStepCold(benchmark::State& state) { ReadStep(state, 1, false); }
void BM_LastStepCold(benchmark::State& state) { ReadStep(state, kSteps, false); }
void BM_FirstStepWarm(benchmark::State& state) { ReadStep(state, 1, true); }
void BM_LastStepWarm(benchmark::State& state) { ReadStep(state, kSteps, true); }

BENCHMARK(BM_FirstStepCold)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_LastStepCold)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_FirstStepWarm)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_LastStepWarm)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

BENCHMARK_MAIN();
