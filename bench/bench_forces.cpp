// Reading the element forces of one step of a 150,000-frame model: 1500
// element force files of 20 steps, 12 end forces per frame, written as
// OpenSees writes them (about 330 MB, into a temporary folder at start), and
// the moment diagram of every frame from them. "Cold" opens every file
// afresh; "warm" steps through files already opened.

#include "results/ElementForces.h"
#include "results/ForceDiagram.h"
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

constexpr std::int32_t kFrames = 150000;
constexpr std::int32_t kSteps = 20;

// Every frame an elastic beam-column between joints 1 and 2.
const Model& Frames()
{
    static const Model model = [] {
        Model m;
        m.Joints.Reset(2);
        m.FrameSections.Reset(1);
        m.FrameSections[1].elementKind = kElasticBeamColumn;
        m.Frames.Reset(kFrames);
        for (std::int32_t k = 1; k <= kFrames; ++k) {
            m.Frames[k].jointI = 1;
            m.Frames[k].jointJ = 2;
            m.Frames[k].section = 1;
        }
        return m;
    }();
    return model;
}

// A folder of element force files that lives as long as the program.
class ForceFiles {
public:
    ForceFiles()
        : folder_(std::filesystem::temp_directory_path() / ("mirelo-bench-forces-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(folder_);
        std::uintmax_t bytes = 0;
        std::string line;
        char value[32];
        for (const RecorderFileGroup& g : ElementFileGroups(kFrames)) {
            std::ofstream out(folder_ / ElementForceFileName(g.fileNumber), std::ios::binary);
            for (std::int32_t s = 1; s <= kSteps; ++s) {
                line = std::to_string(s * 0.05);
                for (std::int32_t k = g.first; k <= g.last; ++k)
                    for (int v = 0; v < kEndForceValues; ++v) {
                        // Six significant digits, as the recorders write.
                        std::snprintf(value, sizeof value, " %g", -123.4567 * s * (1 + v) - k * 1e-3);
                        line += value;
                    }
                line += '\n';
                out << line;
                bytes += line.size();
            }
            if (!out)
                throw std::runtime_error("cannot write the benchmark's element force files");
        }
        std::fprintf(stderr, "element force files: %.0f MB in %s\n", static_cast<double>(bytes) / 1e6,
                     folder_.c_str());
    }
    ~ForceFiles() { std::filesystem::remove_all(folder_); }
    std::string folder() const { return folder_.string(); }

private:
    std::filesystem::path folder_;
};

const ForceFiles& Files()
{
    static const ForceFiles files;
    return files;
}

void ReadStep(benchmark::State& state, std::int32_t step, bool warm)
{
    const std::string folder = Files().folder();
    RecorderFileCache cache;
    if (warm)
        ReadElementForces(folder, Frames(), step, cache);
    for (auto _ : state) {
        if (!warm)
            cache.Clear();
        const ElementForces f = ReadElementForces(folder, Frames(), step, cache);
        // The moment diagram of every frame, as a drawing asks for it.
        double largest = 0;
        for (std::int32_t k = 1; k <= kFrames; ++k)
            largest = std::max(largest, std::abs(DiagramOfFrame(std::span<const double, 12>(f.Of(k).data(), 12), {},
                                                                ForceQuantity::My, 5.0)
                                                     .extreme));
        benchmark::DoNotOptimize(largest);
        if (f.step != step || f.stepCount != kSteps)
            state.SkipWithError("read the wrong step");
    }
}

void BM_LastStepCold(benchmark::State& state) { ReadStep(state, kSteps, false); }
void BM_LastStepWarm(benchmark::State& state) { ReadStep(state, kSteps, true); }

BENCHMARK(BM_LastStepCold)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_LastStepWarm)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

BENCHMARK_MAIN();
