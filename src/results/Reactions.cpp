#include "results/Reactions.h"

#include "model/QuantityUnits.h"

#include "common/Errors.h"
#include "common/NumberText.h"
#include "model/ModelUnits.h"
#include "results/RecorderLines.h"
#include "results/SplitResultLine.h"
#include "script/JointDofs.h"
#include "script/RecorderFiles.h"

#include <algorithm>

namespace mirelo {

std::string ReactionValueText(double value)
{
    std::string text = FormatFixed(value, 3);
    if (!text.empty() && text.front() == '-')
        text.replace(0, 1, "\u2212");
    return text;
}

std::string ReactionUnit(const Model& model, std::size_t component)
{
    return QuantityUnit(component < 3 ? Quantity::Force : Quantity::Moment, model.Units);
}

SupportReactions ReadReactions(const std::string& folder, const Model& model, StepChoice step,
                               RecorderFileCache& files)
{
    SupportReactions reactions;
    reactions.joints = SupportJoints(model, JointDofs(model));
    const auto n = static_cast<std::int32_t>(reactions.joints.size());
    if (n == 0)
        throw Error("The model has no restrained joint: there are no reactions to read");
    reactions.values.resize(reactions.joints.size() * kReactionValuesPerJoint);
    std::string buffer;
    std::vector<std::string_view> fields;
    std::vector<double> values;
    std::vector<std::int32_t> perJoint;
    bool first = true;
    for (const RecorderFileGroup& g : NodeFileGroups(n)) {
        const RecorderFile& file = files.Open(InFolder(folder, ReactionFileName(g.fileNumber)));
        const bool firstFile = first;
        if (first) {
            reactions.stepCount = file.StepCount();
            reactions.step = ResolveStep(file, step);
            first = false;
        }
        SplitResultLine(file.Line(reactions.step, buffer), fields);
        const std::int32_t count = g.last - g.first + 1;
        const auto joint = [&](std::int32_t s) { return reactions.joints[static_cast<std::size_t>(s - 1)]; };
        if (fields.size() != 1 + static_cast<std::size_t>(count) * kReactionValuesPerJoint) {
            perJoint.assign(static_cast<std::size_t>(count), kReactionValuesPerJoint);
            ThrowCountMismatch(file, reactions.step, fields.size() - 1, "support", g.first, g.last, perJoint,
                               "6 for each restrained joint or diaphragm master, in joint order");
        }
        ConvertFields(fields, file, reactions.step, values, [&](std::size_t i) {
            return "joint " + std::to_string(joint(g.first + static_cast<std::int32_t>((i - 1) / 6))) + " "
                   + kReactionComponents[(i - 1) % 6];
        });
        if (firstFile)
            reactions.time = values[0];
        std::copy(values.begin() + 1, values.end(),
                  reactions.values.begin() + static_cast<std::ptrdiff_t>(g.first - 1) * kReactionValuesPerJoint);
    }
    return reactions;
}

ForceTotals ReactionTotals(const Model& model, const SupportReactions& reactions)
{
    ForceTotals totals{};
    for (std::size_t s = 0; s < reactions.joints.size(); ++s) {
        const Joint& at = model.Joints.At(reactions.joints[s]);
        const double* r = &reactions.values[s * kReactionValuesPerJoint];
        for (int a = 0; a < 6; ++a)
            totals[static_cast<std::size_t>(a)] += r[a];
        totals[3] += at.y * r[2] - at.z * r[1];
        totals[4] += at.z * r[0] - at.x * r[2];
        totals[5] += at.x * r[1] - at.y * r[0];
    }
    return totals;
}

std::vector<std::string> EquilibriumLines(const Model& model, const ForceTotals& reactions,
                                          const ForceTotals& applied)
{
    std::vector<std::string> lines;
    for (std::size_t a = 0; a < 6; ++a) {
        std::string unit = ReactionUnit(model, a);
        if (!unit.empty())
            unit.insert(0, " ");
        lines.push_back(std::string("\u03a3 ") + kReactionComponents[a] + " = " + ReactionValueText(reactions[a]) + unit
                        + ", applied " + ReactionValueText(applied[a]) + unit);
    }
    return lines;
}

} // namespace mirelo
