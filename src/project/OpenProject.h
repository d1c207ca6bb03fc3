#pragma once

#include "model/Model.h"
#include "project/Project.h"
#include "script/AnalysisSettings.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace mirelo {

// FNV-1a, 64 bits: cheap, and enough to tell that a model file was edited.
std::uint64_t Fnv1a64(std::string_view bytes);

// The size and checksum of a file's bytes. Raises FileError.
ModelFileFacts ReadModelFileFacts(const std::string& path);

// The project of a model and its settings, to be saved at `projectPath`: the
// model file's path relative to the project's folder and absolute, its size
// and checksum, its load case names, every section's and material's settings.
// Raises FileError when the model file cannot be read.
Project CaptureProject(const std::string& projectPath, const std::string& modelPath, const Model& model,
                       const AnalysisSettings& analysis, const RecorderSettings& recorders);

// A file or folder as a project at `projectPath` names it: relative to the
// project's folder and absolute.
ProjectPath MakeProjectPath(const std::string& path, const std::string& projectPath);

// Where a path the project names is now: relative to the project's folder
// when there, else the absolute path when there, else empty.
std::string ResolveProjectPath(const ProjectPath& path, const std::string& projectPath);

// Applies a project to a model just imported from its file and to settings at
// their start values. A section or material the model lacks, or whose
// settings no longer fit its shape, keeps the import's values. When the model
// file changed since the project was saved, load cases are found again by
// name and a load case or control joint the model lacks takes its start
// value. Returns a warning for each thing left out, naming it.
std::vector<std::string> ApplyProject(const Project& project, bool modelChanged, const std::string& modelPath,
                                      Model& model, AnalysisSettings& analysis, RecorderSettings& recorders);

// A project file opened: its model imported and everything applied, in new
// values that a caller takes only when all went well.
struct OpenedProject {
    Project project;
    std::string modelPath; // where the model file was found
    Model model;
    AnalysisSettings analysis;
    RecorderSettings recorders;
    std::vector<std::string> warnings;
};

// Imports a model file for OpenProject (the import keeps what else it needs).
using ModelImporter = std::function<Model(const std::string& modelPath)>;

// Reads the project, finds its model file, imports it and applies the
// project. Raises ProjectError for a damaged, foreign or newer project, Error
// when the model file is found neither beside the project nor at its absolute
// path, and whatever the import raises.
OpenedProject OpenProject(const std::string& projectPath, const ModelImporter& import);

} // namespace mirelo
