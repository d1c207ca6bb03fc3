#include "parallel/SuitePlan.h"

#include "common/NumberText.h"

#include <algorithm>
#include <charconv>

namespace mirelo {

std::vector<double> ParseScales(std::string_view text)
{
    std::vector<double> scales;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string_view word = text.substr(start, comma - start);
        double scale = 0;
        try {
            scale = ParseReal(word);
        } catch (const ConversionError&) {
            throw Error("Scale '" + std::string(word) + "' is not a number");
        }
        if (!(scale > 0))
            throw Error("Scale " + std::string(word) + " is not above zero");
        if (std::find(scales.begin(), scales.end(), scale) != scales.end())
            throw Error("Scale " + std::string(word) + " is given twice");
        scales.push_back(scale);
        start = comma + 1;
    }
    return scales;
}

std::string ShortestText(double value)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

std::vector<SuiteRun> PlanSuite(const std::vector<GroundMotion>& motions, const std::vector<double>& scales)
{
    std::vector<SuiteRun> runs;
    for (std::size_t m = 0; m < motions.size(); ++m)
        for (const double scale : scales)
            runs.push_back({motions[m].name + "_s" + ShortestText(scale), m, scale});
    return runs;
}

} // namespace mirelo
