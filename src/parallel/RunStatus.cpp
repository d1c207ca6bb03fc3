#include "parallel/RunStatus.h"

#include "common/Errors.h"
#include "common/NumberText.h"
#include "common/TextLines.h"

#include <array>
#include <filesystem>

namespace mirelo {

namespace {

constexpr std::array<std::string_view, 6> kWords = {"waiting", "running", "converged", "failed", "time-limit", "error"};

std::vector<std::string_view> Fields(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsControlOrBlank(line[i]))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && !IsControlOrBlank(line[i]))
            ++i;
        if (i > start)
            fields.push_back(line.substr(start, i - start));
    }
    return fields;
}

// A peak, or "-" where the run records none.
bool ReadPeak(std::string_view text, double& value)
{
    if (text == "-")
        return false;
    value = ParseReal(text);
    return true;
}

} // namespace

std::string_view RunStateWord(RunState state)
{
    return kWords[static_cast<std::size_t>(state)];
}

RunStatus ReadRunStatus(const std::string& runFolder)
{
    RunStatus status;
    const std::string path = (std::filesystem::path(runFolder) / kRunStatusFileName).string();
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return status;
    status.state = RunState::Running;
    try {
        const std::string text = ReadWholeFile(path);
        const std::vector<std::string_view> fields = Fields(text);
        if (fields.size() != 6)
            return status;
        RunStatus read;
        for (std::size_t s = 0; s < kWords.size(); ++s)
            if (fields[0] == kWords[s])
                read.state = static_cast<RunState>(s);
        if (read.state == RunState::Waiting)
            return status;
        read.step = ParseInteger(fields[1]);
        read.steps = ParseInteger(fields[2]);
        read.seconds = ParseReal(fields[3]);
        read.hasDisplacement = ReadPeak(fields[4], read.peakDisplacement);
        read.hasBaseShear = ReadPeak(fields[5], read.peakBaseShear);
        return read;
    } catch (const Error&) {
        return status;
    }
}

bool RunFinished(const RunStatus& status)
{
    return status.state == RunState::Converged || status.state == RunState::Failed;
}

} // namespace mirelo
