// mirelo-cli tcl: the script the "Generate" button makes, for an s2k file and
// settings given on the command line.
#include "cli/Commands.h"
#include "cli/ResultOptions.h"

#include "common/TextLines.h"
#include "model/ImportS2k.h"
#include "script/ScriptGenerator.h"
#include "script/AnalysisSettings.h"
#include "model/SectionSettings.h"

#include <iostream>
#include <ostream>
#include <string_view>

namespace mirelo::cli {

namespace {

struct TclOptions {
    std::string s2kPath;
    std::string outputPath;                // empty: standard output
    std::vector<std::string> settings;     // Name=Value
    std::vector<std::string> sectionEdits; // NAME:field=value
};

TclOptions ParseTclArguments(const Arguments& args)
{
    TclOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size())
                throw UsageError{arg + " needs a value"};
            return args[++i];
        };
        if (arg == "--set")
            options.settings.push_back(value());
        else if (arg == "--section")
            options.sectionEdits.push_back(value());
        else if (arg == "-o")
            options.outputPath = value();
        else if (arg.starts_with("-") && arg.size() > 1)
            throw UsageError{"unknown option '" + arg + "'"};
        else if (options.s2kPath.empty())
            options.s2kPath = arg;
        else
            throw UsageError{"tcl takes one s2k file"};
    }
    if (options.s2kPath.empty())
        throw UsageError{"tcl needs an s2k file"};
    return options;
}

void ApplySectionEdit(Model& model, std::string_view edit)
{
    // Section names may hold a colon; field names never do.
    const std::size_t colon = edit.rfind(':');
    if (colon == std::string_view::npos)
        throw UsageError{"--section takes NAME:field=value, not '" + std::string(edit) + "'"};
    const auto [field, value] = NameAndValue(edit.substr(colon + 1), "--section");
    SetSectionSetting(FrameSectionNamed(model, edit.substr(0, colon)), field, value);
}

} // namespace

int RunTcl(const Arguments& args, std::ostream& out)
{
    const TclOptions options = ParseTclArguments(args);
    AnalysisSettings analysis;
    RecorderSettings recorder;
    for (const std::string& setting : options.settings) {
        const auto [name, value] = NameAndValue(setting, "--set");
        SetSetting(analysis, recorder, name, value);
    }
    Model model = ImportModelFile(options.s2kPath);
    for (const std::string& edit : options.sectionEdits)
        ApplySectionEdit(model, edit);

    const ScriptResult script = GenerateScript(model, analysis, recorder);
    for (const std::string& warning : script.warnings)
        std::cerr << "mirelo-cli: warning: " << warning << '\n';
    WriteLines(script.lines, options.outputPath, out, "the script");
    return 0;
}

} // namespace mirelo::cli
