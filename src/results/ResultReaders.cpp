#include "results/ResultReaders.h"

#include "common/Errors.h"
#include "common/NumberText.h"
#include "common/TextLines.h"
#include "results/RecorderLines.h"
#include "results/SplitResultLine.h"
#include "script/RecorderFiles.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <numbers>
#include <numeric>
#include <span>

namespace mirelo {

namespace {

const char* const kAxisNames[] = {"UX", "UY", "UZ"};

template <typename FileName>
JointResults ReadJointFiles(const Model& model, StepChoice step, RecorderFileCache& files, FileName fileName)
{
    const std::int32_t n = model.Joints.Size();
    if (n == 0)
        throw Error("The model has no joints: import the model whose script wrote the results first");
    JointResults results;
    results.values.assign(static_cast<std::size_t>(n) * kNodeValuesPerJoint, 0.0);
    std::string buffer;
    std::vector<std::string_view> fields;
    std::vector<double> values;
    std::vector<std::int32_t> perJoint;
    bool first = true;
    for (const RecorderFileGroup& g : NodeFileGroups(n)) {
        const RecorderFile& file = files.Open(fileName(g.fileNumber));
        if (first) {
            results.stepCount = file.StepCount();
            results.step = ResolveStep(file, step);
            first = false;
        }
        SplitResultLine(file.Line(results.step, buffer), fields);
        const std::int32_t joints = g.last - g.first + 1;
        if (fields.size() != 1 + static_cast<std::size_t>(joints) * kNodeValuesPerJoint) {
            perJoint.assign(static_cast<std::size_t>(joints), kNodeValuesPerJoint);
            ThrowCountMismatch(file, results.step, fields.size() - 1, "joint", g.first, g.last, perJoint, "3 each");
        }
        ConvertFields(fields, file, results.step, values, [&](std::size_t i) {
            return "joint " + std::to_string(g.first + static_cast<std::int32_t>((i - 1) / 3)) + " "
                   + kAxisNames[(i - 1) % 3];
        });
        if (g.first == 1)
            results.time = values[0];
        std::copy(values.begin() + 1, values.end(),
                  results.values.begin() + static_cast<std::ptrdiff_t>(g.first - 1) * kNodeValuesPerJoint);
    }
    return results;
}

} // namespace

JointResults ReadNodeDisplacements(const std::string& folder, const Model& model, StepChoice step,
                                   RecorderFileCache& files)
{
    return ReadJointFiles(model, step, files,
                          [&](std::int32_t b) { return InFolder(folder, NodeDisplacementFileName(b)); });
}

JointResults ReadModeShape(const std::string& folder, const Model& model, std::int32_t mode, RecorderFileCache& files)
{
    if (mode < 1)
        throw Error("Mode " + std::to_string(mode) + " is no mode: modes count from 1");
    return ReadJointFiles(model, 1, files, [&](std::int32_t b) { return InFolder(folder, ModeShapeFileName(mode, b)); });
}

SectionResults ReadSectionDeformations(const std::string& folder, const Model& model, const AnalysisSettings& analysis,
                                       SectionQuantity quantity, StepChoice step, RecorderFileCache& files)
{
    const auto q = static_cast<std::int32_t>(quantity);
    if (q < 1 || q > 3)
        throw Error("Section quantity " + std::to_string(q) + " is not 1 (axial strain), 2 or 3 (curvatures)");
    const std::int32_t n = model.Frames.Size();
    SectionResults results;
    results.atI.assign(static_cast<std::size_t>(n), 0.0);
    results.atJ.assign(static_cast<std::size_t>(n), 0.0);
    if (n == 0)
        return results;
    // Values per frame in the file of the first and of the last section.
    const std::int32_t lastSection = analysis.IntegrationPoints;
    std::vector<std::int32_t> atFirst(static_cast<std::size_t>(n)), atLast(static_cast<std::size_t>(n));
    for (std::int32_t k = 1; k <= n; ++k) {
        atFirst[static_cast<std::size_t>(k - 1)] = SectionDeformationCount(model, analysis, k, 1);
        atLast[static_cast<std::size_t>(k - 1)] = SectionDeformationCount(model, analysis, k, lastSection);
    }
    if (std::all_of(atFirst.begin(), atFirst.end(), [](std::int32_t c) { return c == 0; }))
        throw Error("None of the " + std::to_string(n)
                    + " frames is a beam-column or truss with sections: there are no section deformations to read");
    const std::string rule = std::string(analysis.UseAggregator != 0 ? "7 for each aggregated section"
                                                                      : "4 for each section")
                             + " of a nonlinear or displacement beam-column, 4 for section 1 of a truss, none for the "
                               "other frames";
    std::string buffer;
    std::vector<std::string_view> fields;
    std::vector<double> values;
    bool first = true;
    for (const RecorderFileGroup& g : ElementFileGroups(n)) {
        for (const bool atI : {true, false}) {
            const auto strides = std::span<const std::int32_t>(atI ? atFirst : atLast)
                                     .subspan(static_cast<std::size_t>(g.first - 1),
                                              static_cast<std::size_t>(g.last - g.first + 1));
            const std::size_t needed = std::accumulate(strides.begin(), strides.end(), std::size_t{0});
            const RecorderFile& file =
                files.Open(InFolder(folder, atI ? FirstSectionFileName(g.fileNumber) : LastSectionFileName(g.fileNumber)));
            if (first) {
                results.stepCount = file.StepCount();
                results.step = ResolveStep(file, step);
                first = false;
            }
            SplitResultLine(file.Line(results.step, buffer), fields);
            if (fields.size() != 1 + needed)
                ThrowCountMismatch(file, results.step, fields.size() - 1, "frame", g.first, g.last, strides, rule);
            ConvertFields(fields, file, results.step, values, [&](std::size_t i) {
                const auto [k, place] = ObjectOfValue(i, g.first, strides);
                return "frame " + std::to_string(k) + ", deformation " + std::to_string(place);
            });
            std::vector<double>& target = atI ? results.atI : results.atJ;
            std::size_t position = 1;
            for (std::int32_t k = g.first; k <= g.last; ++k) {
                const std::int32_t count = strides[static_cast<std::size_t>(k - g.first)];
                if (count > 0)
                    target[static_cast<std::size_t>(k - 1)] = values[position + static_cast<std::size_t>(q - 1)];
                position += static_cast<std::size_t>(count);
            }
        }
    }
    // A truss has its one section along its length: the last end shows it too.
    for (std::size_t k = 0; k < atFirst.size(); ++k)
        if (atFirst[k] > 0 && atLast[k] == 0)
            results.atJ[k] = results.atI[k];
    double maximum = results.atI[0], minimum = results.atI[0];
    for (std::size_t k = 0; k < results.atI.size(); ++k) {
        maximum = std::max({maximum, results.atI[k], results.atJ[k]});
        minimum = std::min({minimum, results.atI[k], results.atJ[k]});
    }
    results.maximum = maximum;
    results.minimum = minimum;
    return results;
}

std::vector<double> ReadEigenvalues(const std::string& folder)
{
    const std::string path = InFolder(folder, kPeriodsFileName);
    const TextLines lines = LoadTextLines(path);
    std::vector<double> eigenvalues;
    std::vector<std::string_view> fields;
    for (std::size_t l = 0; l < lines.size(); ++l) {
        SplitResultLine(lines[l], fields);
        for (const std::string_view field : fields) {
            if (field.empty())
                continue;
            try {
                eigenvalues.push_back(ParseReal(field));
            } catch (const ConversionError& e) {
                throw ConversionError(std::string(e.what()) + " (" + path + ", line " + std::to_string(l + 1)
                                      + ", eigenvalue " + std::to_string(eigenvalues.size() + 1) + ")");
            }
        }
    }
    if (eigenvalues.empty())
        throw Error(path + " holds no eigenvalues");
    return eigenvalues;
}

std::optional<double> PeriodOfEigenvalue(double lambda)
{
    if (!(lambda > 0) || !std::isfinite(lambda))
        return std::nullopt;
    return 2 * std::numbers::pi / std::sqrt(lambda);
}

} // namespace mirelo
