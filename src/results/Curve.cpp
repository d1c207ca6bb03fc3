#include "results/Curve.h"

#include "common/Errors.h"
#include "common/NumberText.h"
#include "common/TextLines.h"
#include "results/SplitResultLine.h"
#include "script/RecorderFiles.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>
#include <string_view>

namespace mirelo {

namespace {

// The numbers of one recorder line; a doubled or trailing blank adds no number.
std::vector<std::string_view> Words(std::string_view line)
{
    std::vector<std::string_view> fields;
    SplitResultLine(line, fields);
    std::erase_if(fields, [](std::string_view field) { return field.empty(); });
    return fields;
}

// The lines of a recorder file as rows of numbers, with the file and line in
// every message.
class RecorderRows {
public:
    explicit RecorderRows(const std::string& path) : path_(path), lines_(LoadTextLines(path)) {}

    std::size_t size() const { return lines_.size(); }

    // The numbers of line `i` (0-based); at least
    // `minimum` of them.
    std::vector<double> Row(std::size_t i, std::size_t minimum) const
    {
        std::vector<double> values;
        const std::vector<std::string_view> words = Words(lines_[i]);
        if (words.size() < minimum)
            throw Error(Where(i) + ": " + std::to_string(minimum) + " numbers are due, "
                        + std::to_string(words.size()) + " found");
        try {
            for (const std::string_view word : words)
                values.push_back(ParseReal(word));
        } catch (const ConversionError& e) {
            throw ConversionError(Where(i) + ": " + e.what());
        }
        return values;
    }

private:
    std::string Where(std::size_t i) const
    {
        return std::filesystem::path(path_).filename().string() + ", line " + std::to_string(i + 1);
    }

    std::string path_;
    TextLines lines_;
};

// "2, 3": the analysis types that give a curve of that kind.
std::string TypesGiving(CurveKind kind)
{
    std::string types;
    for (const AnalysisKindInfo& info : kAnalysisKinds)
        if (info.curve == kind)
            types += (types.empty() ? "" : ", ") + std::to_string(info.kind);
    return types;
}

// The run's own description when its script wrote one, else what the settings say.
CurveRun RunOf(const std::string& folder, const AnalysisSettings& analysis)
{
    const std::filesystem::path described = std::filesystem::path(folder) / kCurveRunFileName;
    if (!std::filesystem::exists(described)) {
        const CurveRun run{CurveKindOf(analysis.AnalysisType), GravityRows(analysis)};
        if (run.kind == CurveKind::None)
            throw Error("Analysis type " + std::to_string(analysis.AnalysisType) + " gives no curve: pushover ("
                        + TypesGiving(CurveKind::Pushover) + ") and time-history (" + TypesGiving(CurveKind::TimeHistory)
                        + ") analyses do");
        return run;
    }
    const TextLines lines = LoadTextLines(described.string());
    const std::optional<CurveRun> run = lines.empty() ? std::nullopt : ParseCurveRun(lines[0]);
    if (!run)
        throw Error(std::string(kCurveRunFileName) + ", line 1: not a curve's kind and gravity rows "
                    "(\"pushover 100\" or \"time-history 0\")");
    return *run;
}

} // namespace

Curve ReadCurve(const std::string& folder, const AnalysisSettings& analysis)
{
    const CurveRun run = RunOf(folder, analysis);
    Curve curve;
    curve.kind = run.kind;
    const auto file = [&](std::string_view name) { return (std::filesystem::path(folder) / name).string(); };
    const RecorderRows displacements(file(kCurveDisplacementFileName));
    const std::size_t gravity = static_cast<std::size_t>(run.gravityRows);
    if (curve.kind == CurveKind::TimeHistory) {
        for (std::size_t i = gravity; i < displacements.size(); ++i) {
            const std::vector<double> row = displacements.Row(i, 2);
            curve.x.push_back(row[0]);
            curve.y.push_back(row[1]);
        }
        return curve;
    }
    const RecorderRows reactions(file(kCurveReactionFileName));
    const std::size_t steps = std::min(displacements.size(), reactions.size());
    for (std::size_t i = gravity; i < steps; ++i) {
        curve.x.push_back(displacements.Row(i, 2)[1]);
        const std::vector<double> row = reactions.Row(i, 2);
        double shear = 0;
        for (std::size_t c = 1; c < row.size(); ++c)
            shear -= row[c];
        curve.y.push_back(shear);
    }
    return curve;
}

std::optional<std::size_t> PeakStep(const Curve& curve)
{
    if (curve.y.empty())
        return std::nullopt;
    std::size_t peak = 0;
    for (std::size_t i = 1; i < curve.y.size(); ++i)
        if (std::abs(curve.y[i]) > std::abs(curve.y[peak]))
            peak = i;
    return peak;
}

std::string CurveCsv(const Curve& curve)
{
    std::string text = curve.kind == CurveKind::Pushover ? "displacement,base_shear\n" : "time,displacement\n";
    for (std::size_t i = 0; i < curve.x.size() && i < curve.y.size(); ++i)
        text += FormatGeneral(curve.x[i]) + ',' + FormatGeneral(curve.y[i]) + '\n';
    return text;
}

} // namespace mirelo
