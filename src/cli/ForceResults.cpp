#include "cli/ForceResults.h"

#include "cli/Commands.h"

#include "common/Errors.h"
#include "common/NumberText.h"
#include "results/ElementForces.h"
#include "results/Reactions.h"
#include "results/StepLoads.h"
#include "script/RecorderFiles.h"

#include <ostream>

namespace mirelo::cli {

bool TakeForceResultOption(const Arguments& args, std::size_t& i, ForceResultChoice& choice)
{
    if (args[i] == "--forces")
        choice.forces = true;
    else if (args[i] == "--reactions")
        choice.reactions = true;
    else
        return false;
    return true;
}

void CheckForceResultOptions(const ResultOptions& options, const ForceResultChoice& choice)
{
    if (!choice.Any())
        return;
    if (options.request.mode)
        throw UsageError{"--forces and --reactions read a load step: they take no --mode"};
    if (options.request.frameEnds)
        throw UsageError{"--section is read without --forces and --reactions"};
}

std::string ForceResultText(const Session& session, const ResultOptions& options, const ForceResultChoice& choice)
{
    const Model& model = session.model;
    const ResultRequest& request = options.request;
    RecorderFileCache files;
    std::string text;
    if (choice.forces) {
        const ElementForces forces = ReadElementForces(request.folder, model, request.step, files);
        for (std::int32_t k = 1; k <= model.Frames.Size(); ++k) {
            text += "frame " + std::to_string(k);
            for (const double value : forces.Of(k))
                text += ' ' + FormatRoundTrip(value);
            text += '\n';
        }
    }
    if (choice.reactions) {
        const SupportReactions reactions = ReadReactions(request.folder, model, request.step, files);
        for (std::size_t s = 0; s < reactions.joints.size(); ++s) {
            text += "joint " + std::to_string(reactions.joints[s]);
            for (std::size_t a = 0; a < kReactionValuesPerJoint; ++a)
                text += ' ' + FormatRoundTrip(reactions.values[s * kReactionValuesPerJoint + a]);
            text += '\n';
        }
        const auto factors = StepLoadFactors(session.analysis, reactions.step, reactions.time);
        for (const std::string& line :
             EquilibriumLines(model, ReactionTotals(model, reactions), AppliedLoadTotals(model, factors)))
            text += line + '\n';
    }
    return text;
}

int WriteForceResults(const Session& session, const ResultOptions& options, const ForceResultChoice& choice,
                      std::ostream& out)
{
    const std::string text = ForceResultText(session, options, choice);
    WriteToOutput(text, out, "the results");
    return 0;
}

} // namespace mirelo::cli
