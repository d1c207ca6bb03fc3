// mirelo-cli results: the values the results dialog loads, as text.
#include "cli/Commands.h"
#include "cli/ForceResults.h"
#include "cli/ResultOptions.h"

#include "common/NumberText.h"

#include <ostream>

namespace mirelo::cli {

int RunResults(const Arguments& args, std::ostream& out)
{
    ResultOptions options;
    ForceResultChoice forceChoice;
    std::string s2kPath;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (TakeResultOption(args, i, options) || TakeForceResultOption(args, i, forceChoice))
            continue;
        const std::string& arg = args[i];
        if (arg.starts_with("-") && arg.size() > 1)
            throw UsageError{"unknown option '" + arg + "'"};
        if (s2kPath.empty())
            s2kPath = arg;
        else if (options.request.folder.empty())
            options.request.folder = arg;
        else
            throw UsageError{"results takes one s2k file and one results folder"};
    }
    if (options.request.folder.empty())
        throw UsageError{"results needs an s2k file and the folder of the recorder files"};
    CheckResultOptions(options);
    CheckForceResultOptions(options, forceChoice);
    Session session = ResultSession(s2kPath, options);
    if (forceChoice.Any())
        return WriteForceResults(session, options, forceChoice, out);
    LoadResults(session, options.request);

    const Model& model = session.model;
    const ResultSet& results = session.results;
    std::string text;
    for (std::int32_t k = 1; k <= model.Joints.count; ++k) {
        const Displacement d = JointDisplacement(results, k);
        text += "joint " + std::to_string(k) + ' ' + FormatRoundTrip(d.x) + ' ' + FormatRoundTrip(d.y) + ' '
                + FormatRoundTrip(d.z) + '\n';
    }
    if (options.request.frameEnds)
        for (std::int32_t k = 1; k <= model.Frames.count; ++k)
            text += "frame " + std::to_string(k) + ' ' + FormatRoundTrip(SectionValueAtI(results, k)) + ' '
                    + FormatRoundTrip(SectionValueAtJ(results, k)) + '\n';
    WriteToOutput(text, out, "the results");
    return 0;
}

} // namespace mirelo::cli
