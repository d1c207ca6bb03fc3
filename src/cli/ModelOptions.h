#pragma once

#include "cli/Commands.h"
#include "script/AnalysisSettings.h"

#include <string>
#include <string_view>
#include <vector>

namespace mirelo::cli {

// What the commands that read a model take: their positional arguments,
// -o, and the edits --set Name=Value, --section NAME:field=value and
// --material NAME:field=value, in the order given.
struct ModelOptions {
    std::vector<std::string> positionals;
    std::string outputPath; // empty: standard output
    std::vector<std::string> settings;
    std::vector<std::string> sectionEdits;
    std::vector<std::string> materialEdits;
};

// Raises UsageError for an unknown option, an option without its value, or a
// count of positional arguments other than `names.size()` (`names` says what
// they are, for the message).
ModelOptions ParseModelOptions(const Arguments& args, std::string_view command,
                               const std::vector<std::string_view>& names);

// Applies the --set options.
void ApplySettings(const ModelOptions& options, AnalysisSettings& analysis, RecorderSettings& recorder);

// Applies the --section and --material options. A section and a material are
// checked as a whole once all their options are in: the first unsound value
// raises Error naming the section or material and the field.
void ApplyModelEdits(const ModelOptions& options, Model& model);

} // namespace mirelo::cli
