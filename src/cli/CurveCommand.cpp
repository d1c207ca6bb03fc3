// mirelo-cli curve: the pushover or time-history curve of a run, as CSV.
#include "cli/Commands.h"
#include "cli/ModelArgument.h"
#include "cli/ModelOptions.h"

#include "common/Errors.h"
#include "common/TextLines.h"
#include "results/Curve.h"

#include <ostream>

namespace mirelo::cli {

// The model is imported so that a run is read with settings that fit it: the
// control joint must be one of its joints.
int RunCurve(const Arguments& args, std::ostream& out)
{
    const ModelOptions options = ParseModelOptions(args, "curve", {"an s2k file or a project", "a run folder"});
    ModelArgument argument = LoadModelArgument(options.positionals[0]);
    AnalysisSettings& analysis = argument.analysis;
    ApplySettings(options, analysis, argument.recorders);
    const Model& model = argument.model;
    if (analysis.ControlNode < 1 || analysis.ControlNode > model.Joints.count)
        throw Error("ControlNode " + std::to_string(analysis.ControlNode) + " is no joint of "
                    + argument.modelPath);
    const std::string csv = CurveCsv(ReadCurve(options.positionals[1], analysis));
    if (!options.outputPath.empty()) {
        WriteWholeFile(options.outputPath, csv);
        return 0;
    }
    WriteToOutput(csv, out, "the curve");
    return 0;
}

} // namespace mirelo::cli
