// Script generation speed on a large synthetic building (at least a million
// s2k lines, nonlinear columns with fibre sections, shells, diaphragms and
// loads): the target is at least 100 MB of script text per second (see
// bytes_per_second, counted over the script written).
#include "BuildingGenerator.h"

#include "common/TextLines.h"
#include "model/ImportS2k.h"
#include "script/ScriptGenerator.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

namespace {

using namespace mirelo;

constexpr long long kS2kLines = 1'000'000;

Model& Building()
{
    static Model model = ImportS2k(TextLines::FromText(bench::GenerateBuildingS2k(bench::BuildingWithAtLeastLines(kS2kLines))));
    return model;
}

std::size_t ScriptBytes(const ScriptResult& script)
{
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < script.lines.size(); ++i)
        bytes += script.lines[i].size() + 2; // each line saved with CR LF
    return bytes;
}

void Report(benchmark::State& state, const ScriptResult& script)
{
    const std::size_t bytes = ScriptBytes(script);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
    state.counters["script_lines"] = static_cast<double>(script.lines.size());
    state.counters["script_MB"] = static_cast<double>(bytes) / 1e6;
    state.counters["frames"] = static_cast<double>(Building().Frames.count);
}

// The whole of "Generate": section preparation and every block, start-up
// settings, into a new buffer (the first "Generate" of a model).
void BM_GenerateScript(benchmark::State& state)
{
    Model& model = Building();
    const AnalysisSettings analysis;
    const RecorderSettings recorder;
    ScriptResult script;
    for (auto _ : state) {
        script = GenerateScript(model, analysis, recorder);
        benchmark::DoNotOptimize(script.lines.size());
    }
    Report(state, script);
}
BENCHMARK(BM_GenerateScript)->Unit(benchmark::kMillisecond);

// "Generate" again into the script window's buffer, which keeps its memory.
void BM_RegenerateScript(benchmark::State& state)
{
    Model& model = Building();
    ScriptResult script;
    GenerateScript(model, {}, {}, script);
    for (auto _ : state) {
        GenerateScript(model, {}, {}, script);
        benchmark::DoNotOptimize(script.lines.size());
    }
    Report(state, script);
}
BENCHMARK(BM_RegenerateScript)->Unit(benchmark::kMillisecond);

// With every recorder on and the aggregator: more lines of other shapes (into
// the kept buffer).
void BM_GenerateScriptAllRecorders(benchmark::State& state)
{
    Model& model = Building();
    AnalysisSettings analysis;
    analysis.UseAggregator = kFlagOn;
    RecorderSettings recorder;
    recorder.RecordElementForce = kFlagOn;
    recorder.RecordSectionDeformation = kFlagOn;
    recorder.RecordModeShapes = kFlagOn;
    ScriptResult script;
    for (auto _ : state) {
        GenerateScript(model, analysis, recorder, script);
        benchmark::DoNotOptimize(script.lines.size());
    }
    Report(state, script);
}
BENCHMARK(BM_GenerateScriptAllRecorders)->Unit(benchmark::kMillisecond);

// The script joined into the text "Save" writes.
void BM_GenerateAndJoin(benchmark::State& state)
{
    Model& model = Building();
    ScriptResult script;
    for (auto _ : state) {
        script = GenerateScript(model, {}, {});
        const std::string text = script.lines.Join("\r\n");
        benchmark::DoNotOptimize(text.data());
    }
    Report(state, script);
}
BENCHMARK(BM_GenerateAndJoin)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
