#include "results/RecorderLines.h"

#include "common/Errors.h"
#include "common/NumberText.h"

#include <filesystem>
#include <numeric>

namespace mirelo {

std::string InFolder(const std::string& folder, const std::string& name)
{
    return folder.empty() ? name : (std::filesystem::path(folder) / name).string();
}

std::string Where(const RecorderFile& file, std::int64_t step)
{
    return file.path() + ", line " + std::to_string(step);
}

std::int64_t ResolveStep(const RecorderFile& first, StepChoice step)
{
    if (step)
        return *step;
    if (first.StepCount() == 0)
        throw Error(first.path() + " holds no steps: the solver recorded nothing");
    return first.StepCount();
}

void ConvertFields(std::span<const std::string_view> fields, const RecorderFile& file, std::int64_t step,
                   std::vector<double>& values, const std::function<std::string(std::size_t)>& describe)
{
    values.resize(fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
        try {
            values[i] = ParseReal(fields[i]);
        } catch (const ConversionError& e) {
            throw ConversionError(std::string(e.what()) + " (" + Where(file, step) + ", field " + std::to_string(i + 1)
                                  + ": " + (i == 0 ? std::string("the time") : describe(i)) + ")");
        }
    }
}

[[noreturn]] void ThrowCountMismatch(const RecorderFile& file, std::int64_t step, std::size_t actual,
                                     const char* object, std::int32_t first, std::int32_t last,
                                     std::span<const std::int32_t> perObject, const std::string& rule)
{
    const std::size_t needed = std::accumulate(perObject.begin(), perObject.end(), std::size_t{0});
    std::string message = Where(file, step) + " holds " + std::to_string(actual) + " values after the time, but "
                          + object + "s " + std::to_string(first) + " to " + std::to_string(last) + " need "
                          + std::to_string(needed) + " (" + rule + "): ";
    if (actual > needed) {
        const std::size_t left = actual - needed;
        message += std::to_string(left) + (left == 1 ? " value is" : " values are") + " left after " + object + " "
                   + std::to_string(last);
    } else {
        std::size_t sum = 0;
        std::int32_t k = first;
        for (const std::int32_t count : perObject) {
            sum += static_cast<std::size_t>(count);
            if (sum > actual)
                break;
            ++k;
        }
        message += "the values run out at " + std::string(object) + " " + std::to_string(k);
    }
    throw Error(message + ". Were the results written for this model and these settings?");
}

std::pair<std::int32_t, std::size_t> ObjectOfValue(std::size_t i, std::int32_t first,
                                                   std::span<const std::int32_t> perObject)
{
    std::size_t sum = 0;
    std::int32_t k = first;
    for (const std::int32_t count : perObject) {
        if (i <= sum + static_cast<std::size_t>(count))
            break;
        sum += static_cast<std::size_t>(count);
        ++k;
    }
    return {k, i - sum};
}

} // namespace mirelo
