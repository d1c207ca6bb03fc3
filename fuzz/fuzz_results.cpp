// Reads arbitrary bytes as recorder files. The first bytes choose the model
// (joints, frame kinds, aggregator), the section quantity and the step; the
// rest, cut at each 0xFF byte, become node0.out, node1.out, ele0_secs.out,
// ele0_secn.out, eigen1_node0.out, Periods.txt, ele0.out and reactions0.out. A mirelo::Error is the
// expected way to refuse bad input; a crash, a sanitizer report, any other
// exception or a result set that does not fit the model is a finding.
#include "results/ElementForces.h"
#include "results/Reactions.h"
#include "results/ResultReaders.h"
#include "results/SplitResultLine.h"
#include "script/RecorderFiles.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

using namespace mirelo;

void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "broken invariant: %s\n", what);
        std::abort();
    }
}

const std::filesystem::path& Folder()
{
    static const std::filesystem::path folder = [] {
        const auto shm = std::filesystem::path("/dev/shm");
        auto base = std::filesystem::exists(shm) ? shm : std::filesystem::temp_directory_path();
        auto path = base / ("mirelo-fuzz-results-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    return folder;
}

void CheckSplit(std::string_view line)
{
    std::vector<std::string_view> fields;
    SplitResultLine(line, fields);
    std::size_t blanks = 0;
    for (const char c : line)
        blanks += c == ' ';
    Require(fields.size() == blanks + 1, "one field more than blanks");
    for (const std::string_view f : fields) {
        Require(f.empty() || (static_cast<unsigned char>(f.front()) > ' ' && static_cast<unsigned char>(f.back()) > ' '),
                "fields are trimmed");
        Require(f.empty() || (f.data() >= line.data() && f.data() + f.size() <= line.data() + line.size()),
                "fields lie inside the line");
    }
}

Model FuzzModel(std::uint8_t joints, std::uint8_t kinds)
{
    Model model;
    model.Joints.Reset(1 + joints % 150);
    model.Joints[1].restraint[1] = 1; // one support
    model.FrameSections.Reset(7);
    for (std::int32_t k = 1; k <= 7; ++k)
        model.FrameSections[k].elementKind = k;
    model.Frames.Reset(1 + kinds % 5);
    for (std::int32_t f = 1; f <= model.Frames.count; ++f) {
        model.Frames[f].jointI = 1;
        model.Frames[f].jointJ = model.Joints.count;
        model.Frames[f].section = (kinds >> (f % 4)) % 8; // 0: no section
    }
    return model;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    const Model model = FuzzModel(data[0], data[1]);
    AnalysisSettings analysis;
    analysis.UseAggregator = (data[2] & 1) != 0 ? kFlagOn : kFlagOff;
    analysis.IntegrationPoints = 1 + (data[2] >> 1) % 5;
    const auto quantity = static_cast<SectionQuantity>(1 + data[3] % 3);
    const StepChoice step = data[3] >= 128 ? StepChoice() : StepChoice(data[3] % 5);

    const char* const names[] = {"node0.out", "node1.out", "ele0_secs.out", "ele0_secn.out", "eigen1_node0.out",
                                 "Periods.txt", "ele0.out", "reactions0.out"};
    std::string_view rest(reinterpret_cast<const char*>(data + 4), size - 4);
    for (const char* name : names) {
        const std::size_t cut = rest.find('\xff');
        const std::string_view content = rest.substr(0, cut);
        CheckSplit(content);
        std::ofstream(Folder() / name, std::ios::binary | std::ios::trunc)
            .write(content.data(), static_cast<std::streamsize>(content.size()));
        rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 1);
    }

    const std::string folder = Folder().string();
    RecorderFileCache files;
    try {
        const JointResults r = ReadNodeDisplacements(folder, model, step, files);
        Require(r.values.size() == 3 * static_cast<std::size_t>(model.Joints.count), "a value per joint axis");
        Require(r.step >= 1 && r.step <= r.stepCount, "the step read is in the file");
    } catch (const Error&) {
    }
    try {
        const JointResults r = ReadModeShape(folder, model, 1, files);
        Require(r.step == 1, "a mode is its first line");
    } catch (const Error&) {
    }
    try {
        const SectionResults r = ReadSectionDeformations(folder, model, analysis, quantity, step, files);
        Require(r.atI.size() == static_cast<std::size_t>(model.Frames.count) && r.atJ.size() == r.atI.size(),
                "two values per frame");
        Require(r.maximum && r.minimum && *r.minimum <= *r.maximum, "a colour range");
    } catch (const Error&) {
    }
    try {
        const ElementForces f = ReadElementForces(folder, model, step, files);
        Require(f.start.size() == static_cast<std::size_t>(model.Frames.count) + 1
                    && f.values.size() == static_cast<std::size_t>(f.start.back()),
                "every frame's values in place");
    } catch (const Error&) {
    }
    try {
        const SupportReactions r = ReadReactions(folder, model, step, files);
        Require(r.values.size() == 6 * r.joints.size() && r.joints == std::vector<std::int32_t>{1},
                "six reactions of the one support");
    } catch (const Error&) {
    }
    try {
        for (const double lambda : ReadEigenvalues(folder))
            Require(!PeriodOfEigenvalue(lambda) || *PeriodOfEigenvalue(lambda) > 0, "positive periods");
    } catch (const Error&) {
    }
    return 0;
}
