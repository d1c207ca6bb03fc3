#include "project/OpenProject.h"

#include "common/Errors.h"
#include "common/TextLines.h"
#include "model/MaterialLaws.h"
#include "project/ProjectFile.h"
#include "project/ProjectSettings.h"
#include "sections/SectionCheck.h"

#include <deque>
#include <filesystem>
#include <unordered_map>

namespace mirelo {

namespace fs = std::filesystem;

namespace {

fs::path FolderOf(const std::string& path)
{
    return fs::absolute(fs::path(path)).lexically_normal().parent_path();
}

// Applies each entry to the record of its name, the k-th entry of a name to
// the k-th record of that name; `check` raises Error for settings that do not
// fit the record, which then keeps its own.
template <typename Record, typename ApplyFn, typename CheckFn>
void ApplyNamed(const std::vector<NamedSettings>& entries, Table<Record>& table, const char* what,
                const std::string& modelPath, ApplyFn apply, CheckFn check, std::vector<std::string>& warnings)
{
    std::unordered_map<std::string_view, std::deque<std::int32_t>> byName; // records not yet taken, in order
    for (std::int32_t k = 1; k <= table.count; ++k)
        byName[table[k].name].push_back(k);
    for (const NamedSettings& entry : entries) {
        const auto found = byName.find(entry.name);
        if (found == byName.end() || found->second.empty()) {
            warnings.push_back(std::string(what) + " " + entry.name + " is not in " + modelPath
                               + ": its settings are left out");
            continue;
        }
        Record& record = table[found->second.front()];
        found->second.pop_front();
        Record edited = record;
        apply(entry.values, edited);
        try {
            check(edited);
            record = std::move(edited);
        } catch (const Error& error) {
            warnings.push_back(std::string(error.what()) + ": the project's settings of " + what + " " + entry.name
                               + " are left out");
        }
    }
}

// A setting that names a load case by its number: found again by name.
void FindLoadCaseAgain(const Project& project, const Model& model, std::int32_t& setting, std::string_view name,
                       std::vector<std::string>& warnings)
{
    if (setting < 1 || static_cast<std::size_t>(setting) > project.loadCaseNames.size())
        return;
    const std::string& caseName = project.loadCaseNames[static_cast<std::size_t>(setting - 1)];
    for (std::int32_t k = model.LoadCaseCount; k >= 1; --k)
        if (model.LoadCaseNames[static_cast<std::size_t>(k)] == caseName) {
            setting = k;
            return;
        }
    setting = static_cast<std::int32_t>(FindSettingDeclaration(name)->start);
    warnings.push_back("load case " + caseName + " (" + std::string(name) + ") is not in the model: " + std::string(name)
                       + " is back to " + std::to_string(setting));
}

} // namespace

std::uint64_t Fnv1a64(std::string_view bytes)
{
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const unsigned char c : bytes) {
        hash ^= c;
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

ModelFileFacts ReadModelFileFacts(const std::string& path)
{
    const std::string bytes = ReadWholeFile(path);
    return {bytes.size(), Fnv1a64(bytes)};
}

Project CaptureProject(const std::string& projectPath, const std::string& modelPath, const Model& model,
                       const AnalysisSettings& analysis, const RecorderSettings& recorders)
{
    Project project;
    project.modelPath = MakeProjectPath(modelPath, projectPath);
    project.modelFacts = ReadModelFileFacts(modelPath);
    for (std::int32_t k = 1; k <= model.LoadCaseCount; ++k)
        project.loadCaseNames.push_back(model.LoadCaseNames[static_cast<std::size_t>(k)]);
    project.analysis = CaptureAnalysis(analysis);
    project.recorders = CaptureRecorders(recorders);
    for (std::int32_t k = 1; k <= model.FrameSections.count; ++k)
        project.sections.push_back({model.FrameSections[k].name, CaptureSection(model.FrameSections[k])});
    for (std::int32_t k = 1; k <= model.Materials.count; ++k)
        project.materials.push_back({model.Materials[k].name, CaptureMaterial(model.Materials[k])});
    return project;
}

ProjectPath MakeProjectPath(const std::string& path, const std::string& projectPath)
{
    const fs::path absolute = fs::absolute(fs::path(path)).lexically_normal();
    return {absolute.lexically_relative(FolderOf(projectPath)).generic_string(), absolute.string()};
}

std::string ResolveProjectPath(const ProjectPath& path, const std::string& projectPath)
{
    std::error_code error;
    if (!path.relative.empty()) {
        const fs::path beside = (FolderOf(projectPath) / fs::path(path.relative)).lexically_normal();
        if (fs::exists(beside, error))
            return beside.string();
    }
    if (!path.absolute.empty() && fs::exists(fs::path(path.absolute), error))
        return path.absolute;
    return {};
}

std::vector<std::string> ApplyProject(const Project& project, bool modelChanged, const std::string& modelPath,
                                      Model& model, AnalysisSettings& analysis, RecorderSettings& recorders)
{
    std::vector<std::string> warnings;
    if (modelChanged)
        warnings.push_back(modelPath + " has changed since the project was saved");
    ApplyAnalysis(project.analysis, analysis);
    ApplyRecorders(project.recorders, recorders);
    ApplyNamed(project.sections, model.FrameSections, "frame section", modelPath, ApplySection,
               [](const FrameSection& section) { CheckFrameSection(section); }, warnings);
    ApplyNamed(project.materials, model.Materials, "material", modelPath, ApplyMaterial,
               [](Material& material) { FinishMaterialEdit(material); }, warnings);
    if (modelChanged) {
        FindLoadCaseAgain(project, model, analysis.LoadCase, "LoadCase", warnings);
        FindLoadCaseAgain(project, model, analysis.PushoverCase, "PushoverCase", warnings);
        if (!model.Joints.Contains(analysis.ControlNode)) {
            const std::int32_t start = static_cast<std::int32_t>(FindSettingDeclaration("ControlNode")->start);
            warnings.push_back("control joint " + std::to_string(analysis.ControlNode)
                               + " is not in the model: ControlNode is back to " + std::to_string(start));
            analysis.ControlNode = start;
        }
    }
    return warnings;
}

OpenedProject OpenProject(const std::string& projectPath, const ModelImporter& import)
{
    OpenedProject opened;
    opened.project = ReadProjectFile(projectPath);
    opened.modelPath = ResolveProjectPath(opened.project.modelPath, projectPath);
    if (opened.modelPath.empty())
        throw ProjectError(projectPath, 0, "model.path",
                           "the model file " + opened.project.modelPath.relative + " is neither beside the project nor at "
                               + opened.project.modelPath.absolute);
    const bool changed = ReadModelFileFacts(opened.modelPath) != opened.project.modelFacts;
    opened.model = import(opened.modelPath);
    opened.warnings = ApplyProject(opened.project, changed, opened.modelPath, opened.model, opened.analysis,
                                   opened.recorders);
    return opened;
}

} // namespace mirelo
