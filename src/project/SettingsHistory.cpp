#include "project/SettingsHistory.h"

#include "model/MaterialLaws.h"
#include "project/ProjectSettings.h"

namespace mirelo {

namespace {

// The records of a table whose captured settings differ.
std::vector<std::size_t> ChangedEntries(const std::vector<SettingValues>& before,
                                        const std::vector<SettingValues>& after)
{
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < before.size() && i < after.size(); ++i)
        if (before[i] != after[i])
            changed.push_back(i);
    return changed;
}

} // namespace

SettingsSnapshot CaptureSettings(const Model& model, const AnalysisSettings& analysis,
                                 const RecorderSettings& recorders)
{
    SettingsSnapshot snapshot{CaptureAnalysis(analysis), CaptureRecorders(recorders), {}, {}};
    for (std::int32_t k = 1; k <= model.FrameSections.count; ++k)
        snapshot.sections.push_back(CaptureSection(model.FrameSections[k]));
    for (std::int32_t k = 1; k <= model.Materials.count; ++k)
        snapshot.materials.push_back(CaptureMaterial(model.Materials[k]));
    return snapshot;
}

void ApplySettings(const SettingsSnapshot& snapshot, Model& model, AnalysisSettings& analysis,
                   RecorderSettings& recorders)
{
    ApplyAnalysis(snapshot.analysis, analysis);
    ApplyRecorders(snapshot.recorders, recorders);
    for (std::int32_t k = 1; k <= model.FrameSections.count && static_cast<std::size_t>(k) <= snapshot.sections.size(); ++k)
        ApplySection(snapshot.sections[static_cast<std::size_t>(k - 1)], model.FrameSections[k]);
    for (std::int32_t k = 1; k <= model.Materials.count && static_cast<std::size_t>(k) <= snapshot.materials.size(); ++k) {
        Material& material = model.Materials[k];
        ApplyMaterial(snapshot.materials[static_cast<std::size_t>(k - 1)], material);
        material.shearModulus = ShearModulus(material.elasticModulus, material.poisson);
    }
}

StepName DescribeChange(const SettingsSnapshot& before, const SettingsSnapshot& after, const Model& model)
{
    const std::vector<std::size_t> sections = ChangedEntries(before.sections, after.sections);
    const std::vector<std::size_t> materials = ChangedEntries(before.materials, after.materials);
    std::vector<StepName> parts;
    if (before.analysis != after.analysis)
        parts.push_back({"Analysis Setting", {}});
    if (before.recorders != after.recorders)
        parts.push_back({"Recorder Setting", {}});
    if (sections.size() == 1)
        parts.push_back({"Frame Section", model.FrameSections[static_cast<std::int32_t>(sections[0] + 1)].name});
    else if (!sections.empty())
        parts.push_back({"Frame Sections", {}});
    if (materials.size() == 1)
        parts.push_back({"Material", model.Materials[static_cast<std::int32_t>(materials[0] + 1)].name});
    else if (!materials.empty())
        parts.push_back({"Materials", {}});
    if (parts.empty())
        return {};
    return parts.size() == 1 ? parts.front() : StepName{"Settings", {}};
}

bool SettingsHistory::Record(SettingsSnapshot before, SettingsSnapshot after, const Model& model)
{
    StepName name = DescribeChange(before, after, model);
    if (name.empty())
        return false;
    steps_.resize(position_);
    if (saved_ != kUnreachable && saved_ > position_)
        saved_ = kUnreachable; // the saved settings were undone and are now out of reach
    steps_.push_back({std::move(name), std::move(before), std::move(after)});
    ++position_;
    return true;
}

StepName SettingsHistory::UndoName() const
{
    return CanUndo() ? steps_[position_ - 1].name : StepName();
}

StepName SettingsHistory::RedoName() const
{
    return CanRedo() ? steps_[position_].name : StepName();
}

void SettingsHistory::Undo(Model& model, AnalysisSettings& analysis, RecorderSettings& recorders)
{
    if (!CanUndo())
        return;
    ApplySettings(steps_[position_ - 1].before, model, analysis, recorders);
    --position_;
}

void SettingsHistory::Redo(Model& model, AnalysisSettings& analysis, RecorderSettings& recorders)
{
    if (!CanRedo())
        return;
    ApplySettings(steps_[position_].after, model, analysis, recorders);
    ++position_;
}

void SettingsHistory::Clear()
{
    steps_.clear();
    position_ = 0;
    saved_ = 0;
}

} // namespace mirelo
