#pragma once

#include "cli/Commands.h"
#include "model/Model.h"
#include "script/AnalysisSettings.h"

#include <string>

namespace mirelo::cli {

// The model a command reads, with the settings it starts from: start values
// for a model file, the project's for a project.
struct ModelArgument {
    std::string modelPath;
    Model model;
    AnalysisSettings analysis;
    RecorderSettings recorders;
};

// A project is recognised by its .mirelo extension or by its text, which
// opens with "{" where a model file never does.
bool IsProjectFile(const std::string& path);

// Imports a model file, or opens a project and imports its model; the
// project's warnings go to standard error.
ModelArgument LoadModelArgument(const std::string& path);

// Removes "--save-project PATH" from the arguments and returns PATH, empty
// when the option is not there. Raises UsageError when PATH is missing.
std::string TakeSaveProject(Arguments& args);

// Saves the project of the model and its settings at `projectPath`.
void SaveProject(const std::string& projectPath, const ModelArgument& argument);

} // namespace mirelo::cli
