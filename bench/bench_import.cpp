// Import speed on a large synthetic building: the target is at least 100 MB of
// s2k text per second (see bytes_per_second). Peak memory of loading and
// importing a file is measured outside, e.g. with
//   mirelo-generate --lines 1000000 > big.s2k && /usr/bin/time -v mirelo-cli info big.s2k
// The same building as SAP2000 table text of a million rows imports beside its
// version-6 text, in the same time class.
#include "BuildingGenerator.h"

#include "common/TextLines.h"
#include "convert/ModelFile.h"
#include "model/ImportS2k.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

using namespace mirelo;

constexpr long long kLines = 1'000'000;

const std::string& BuildingText()
{
    static const std::string text = bench::GenerateBuildingS2k(bench::BuildingWithAtLeastLines(kLines));
    return text;
}

// The building written to a temporary file for the length of the run.
class BuildingFile {
public:
    BuildingFile()
        : path_(std::filesystem::temp_directory_path()
                / ("mirelo-bench-import-" + std::to_string(::getpid()) + ".s2k"))
    {
        WriteWholeFile(path_.string(), BuildingText());
    }
    ~BuildingFile()
    {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    BuildingFile(const BuildingFile&) = delete;
    BuildingFile& operator=(const BuildingFile&) = delete;
    std::string path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

void ReportSize(benchmark::State& state, const std::string& text, std::size_t lineCount)
{
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
    state.counters["lines"] = static_cast<double>(lineCount);
    state.counters["MB"] = static_cast<double>(text.size()) / 1e6;
}

// The import alone, from lines already in memory.
void BM_ImportS2k(benchmark::State& state)
{
    const std::string& text = BuildingText();
    const TextLines lines = TextLines::FromText(text);
    for (auto _ : state) {
        Model model = ImportS2k(lines);
        benchmark::DoNotOptimize(model.Joints.count);
    }
    ReportSize(state, text, lines.size());
}

// Splitting the text into lines: the part of loading a file after the read.
void BM_TextLinesFromText(benchmark::State& state)
{
    const std::string& text = BuildingText();
    std::size_t lineCount = 0;
    for (auto _ : state) {
        const TextLines lines = TextLines::FromText(text);
        lineCount = lines.size();
        benchmark::DoNotOptimize(lineCount);
    }
    ReportSize(state, text, lineCount);
}

// What opening a file costs: read, split into lines, import.
void BM_LoadAndImportFile(benchmark::State& state)
{
    static const BuildingFile file;
    std::size_t lineCount = 0;
    for (auto _ : state) {
        const TextLines lines = LoadTextLines(file.path());
        Model model = ImportS2k(lines);
        lineCount = lines.size();
        benchmark::DoNotOptimize(model.Joints.count);
    }
    ReportSize(state, BuildingText(), lineCount);
}

// The building of a million table rows, as table text and as version-6 text.
const bench::BuildingSize& TableBuilding()
{
    static const bench::BuildingSize size = bench::BuildingWithAtLeastTableRows(kLines);
    return size;
}

// The import every command uses, from lines already in memory: `tables`
// chooses the table text of the building, else its version-6 text.
void BM_ImportModelText(benchmark::State& state)
{
    const bool tables = state.range(0) != 0;
    const std::string text =
        tables ? bench::GenerateBuildingTables(TableBuilding()) : bench::GenerateBuildingS2k(TableBuilding());
    const TextLines lines = TextLines::FromText(text);
    for (auto _ : state) {
        ModelImport imported = ImportModelText(lines, "bench.s2k");
        benchmark::DoNotOptimize(imported.model.Joints.count);
    }
    state.SetLabel(tables ? "table text" : "version-6 text");
    ReportSize(state, text, lines.size());
}

// Rates are per second of the process's CPU time (page faults included), which
// on a shared two-core machine is steadier than the wall clock and, on an idle
// one, the same.
BENCHMARK(BM_ImportS2k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextLinesFromText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadAndImportFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportModelText)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
