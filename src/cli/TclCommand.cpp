// mirelo-cli tcl: the script the "Generate" button makes, for an s2k file or
// a project and settings given on the command line.
#include "cli/Commands.h"
#include "cli/ModelArgument.h"
#include "cli/ModelOptions.h"

#include "common/TextLines.h"
#include "script/ScriptGenerator.h"

#include <iostream>
#include <ostream>

namespace mirelo::cli {

int RunTcl(const Arguments& given, std::ostream& out)
{
    Arguments args = given;
    const std::string projectPath = TakeSaveProject(args);
    const ModelOptions options = ParseModelOptions(args, "tcl", {"an s2k file or a project"});
    ModelArgument argument = LoadModelArgument(options.positionals[0]);
    ApplySettings(options, argument.analysis, argument.recorders);
    ApplyModelEdits(options, argument.model);
    if (!projectPath.empty())
        SaveProject(projectPath, argument);

    const ScriptResult script = GenerateScript(argument.model, argument.analysis, argument.recorders);
    for (const std::string& warning : script.warnings)
        std::cerr << "mirelo-cli: warning: " << warning << '\n';
    WriteLines(script.lines, options.outputPath, out, "the script");
    return 0;
}

} // namespace mirelo::cli
