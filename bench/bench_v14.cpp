// V14 conversion speed on a large block of solids: 50 × 50 × 50 eight-node
// solids (125,000 solids, 132,651 joints, about 38 MB of V14 text), its base
// joints held and its top joints loaded. Peak memory is measured outside, e.g.
//   /usr/bin/time -v mirelo-cli v14 big.txt -o big.s2k
#include "common/TextLines.h"
#include "convert/V14Converter.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

namespace {

using namespace mirelo;

constexpr int kSolidsAlong = 50;

// The V14 tables of a cube of n × n × n solids of 500 mm, numbered as SAP2000
// numbers them: joints x fastest, then y, then z.
std::string GenerateV14Block(int n)
{
    const int along = n + 1;
    const auto joint = [&](int i, int j, int k) { return 1 + i + along * (j + along * k); };
    std::string text = "TABLE:  \"PROGRAM CONTROL\"\n   ProgramName=SAP2000   Version=14.2.4   CurrUnits=\"N, mm, C\"\n\n"
                       "TABLE:  \"JOINT COORDINATES\"\n";
    for (int k = 0; k <= n; ++k)
        for (int j = 0; j <= n; ++j)
            for (int i = 0; i <= n; ++i) {
                const std::string x = std::to_string(500 * i), y = std::to_string(500 * j),
                                  z = std::to_string(500 * k);
                text += "   Joint=" + std::to_string(joint(i, j, k)) + "   CoordSys=GLOBAL   CoordType=Cartesian   XorR="
                      + x + "   Y=" + y + "   Z=" + z + "   SpecialJt=No   GlobalX=" + x + "   GlobalY=" + y
                      + "   GlobalZ=" + z + "\n";
            }
    text += "\nTABLE:  \"JOINT RESTRAINT ASSIGNMENTS\"\n";
    for (int j = 0; j <= n; ++j)
        for (int i = 0; i <= n; ++i)
            text += "   Joint=" + std::to_string(joint(i, j, 0)) + "   U1=Yes   U2=Yes   U3=Yes   R1=No   R2=No   R3=No\n";
    text += "\nTABLE:  \"JOINT LOADS - FORCE\"\n";
    for (int j = 0; j <= n; ++j)
        for (int i = 0; i <= n; ++i)
            text += "   Joint=" + std::to_string(joint(i, j, n))
                  + "   LoadPat=DEAD   CoordSys=GLOBAL   F1=0   F2=0   F3=-12345.6   M1=0   M2=0   M3=0\n";
    text += "\nTABLE:  \"CONNECTIVITY - SOLID\"\n";
    int solid = 0;
    for (int k = 0; k < n; ++k)
        for (int j = 0; j < n; ++j)
            for (int i = 0; i < n; ++i) {
                text += "   Solid=" + std::to_string(++solid);
                const int corners[8] = {joint(i, j, k),         joint(i + 1, j, k),         joint(i, j + 1, k),
                                        joint(i + 1, j + 1, k), joint(i, j, k + 1),         joint(i + 1, j, k + 1),
                                        joint(i, j + 1, k + 1), joint(i + 1, j + 1, k + 1)};
                for (int c = 0; c < 8; ++c)
                    text += "   Joint" + std::to_string(c + 1) + "=" + std::to_string(corners[c]);
                text += "   Volume=125000000\n";
            }
    return text + "\nEND TABLE DATA\n";
}

const std::string& BlockText()
{
    static const std::string text = GenerateV14Block(kSolidsAlong);
    return text;
}

// The conversion alone, from lines already in memory.
void BM_ConvertV14File(benchmark::State& state)
{
    const TextLines lines = TextLines::FromText(BlockText());
    std::int32_t solids = 0;
    for (auto _ : state) {
        const V14Conversion conversion = ConvertV14File(lines);
        solids = conversion.solidCount;
        benchmark::DoNotOptimize(conversion.lines.size());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(BlockText().size()));
    state.counters["solids"] = solids;
    state.counters["MB"] = static_cast<double>(BlockText().size()) / 1e6;
}

// Rates are per second of CPU time, steadier than the wall clock on a shared machine.
BENCHMARK(BM_ConvertV14File)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
