// mirelo-cli tcl: the script the "Generate" button makes, for an s2k file and
// settings given on the command line.
#include "cli/Commands.h"
#include "cli/ModelOptions.h"

#include "common/TextLines.h"
#include "script/ScriptGenerator.h"

#include <iostream>
#include <ostream>

namespace mirelo::cli {

int RunTcl(const Arguments& args, std::ostream& out)
{
    const ModelOptions options = ParseModelOptions(args, "tcl", {"an s2k file"});
    AnalysisSettings analysis;
    RecorderSettings recorder;
    ApplySettings(options, analysis, recorder);
    Model model = ReadModel(options.positionals[0]);
    ApplyModelEdits(options, model);

    const ScriptResult script = GenerateScript(model, analysis, recorder);
    for (const std::string& warning : script.warnings)
        std::cerr << "mirelo-cli: warning: " << warning << '\n';
    WriteLines(script.lines, options.outputPath, out, "the script");
    return 0;
}

} // namespace mirelo::cli
