#pragma once

#include "model/Model.h"
#include "project/Project.h"
#include "script/AnalysisSettings.h"

#include <cstddef>
#include <string>
#include <vector>

namespace mirelo {

// Everything a settings dialog's OK can change, captured through the
// settings' declarations: the analysis and recorder settings and every frame
// section's and material's settings, in table order (entry k-1 is record k).
struct SettingsSnapshot {
    SettingValues analysis;
    SettingValues recorders;
    std::vector<SettingValues> sections;
    std::vector<SettingValues> materials;
    bool operator==(const SettingsSnapshot&) const = default;
};

SettingsSnapshot CaptureSettings(const Model& model, const AnalysisSettings& analysis,
                                 const RecorderSettings& recorders);

// Puts a snapshot of the same model back; each material's G follows its E and U again.
void ApplySettings(const SettingsSnapshot& snapshot, Model& model, AnalysisSettings& analysis,
                   RecorderSettings& recorders);

// The name of a step in English, its kind and the record apart, so that a
// window can translate the kind and keep the record's name as it stands.
struct StepName {
    std::string kind;   // "Frame Section", "Material", "Analysis Setting", ...
    std::string record; // the one section or material changed, else empty
    bool empty() const { return kind.empty(); }
    // "Frame Section NCOL500"
    std::string Text() const { return record.empty() ? kind : kind + ' ' + record; }
    bool operator==(const StepName&) const = default;
};

// The name of the change from `before` to `after`, as the Edit menu shows it:
// "Frame Section NCOL500", "Material CONC", "Analysis Setting", "Recorder
// Setting"; "Frame Sections" or "Materials" when several changed at once,
// "Settings" when several parts did. Empty when nothing changed.
StepName DescribeChange(const SettingsSnapshot& before, const SettingsSnapshot& after, const Model& model);

// The undo history of the settings of one model: one step per OK that changed
// something, undone and redone as a whole. It also knows whether the settings
// are those last saved, however many steps were undone or redone since.
class SettingsHistory {
public:
    // Records the change from `before` to `after` as a step named after it
    // and drops the steps that were undone. Returns false, recording nothing,
    // when nothing changed.
    bool Record(SettingsSnapshot before, SettingsSnapshot after, const Model& model);

    bool CanUndo() const { return position_ > 0; }
    bool CanRedo() const { return position_ < steps_.size(); }
    // The name of the step Undo or Redo would take; empty when there is none.
    StepName UndoName() const;
    StepName RedoName() const;

    // Puts the settings back as they were before the last step, or as they
    // were after the next undone one. Nothing happens without such a step.
    void Undo(Model& model, AnalysisSettings& analysis, RecorderSettings& recorders);
    void Redo(Model& model, AnalysisSettings& analysis, RecorderSettings& recorders);

    // A new model: no steps, and the settings count as saved.
    void Clear();
    // The settings as they are now are the saved ones.
    void MarkSaved() { saved_ = position_; }
    // Whether the settings are the saved ones (false after a step, true
    // again when it is undone).
    bool AtSaved() const { return saved_ == position_; }

private:
    struct Step {
        StepName name;
        SettingsSnapshot before;
        SettingsSnapshot after;
    };
    static constexpr std::size_t kUnreachable = static_cast<std::size_t>(-1);
    std::vector<Step> steps_;
    std::size_t position_ = 0; // steps_[0 .. position_) are done
    std::size_t saved_ = 0;    // the position that was saved, kUnreachable when its steps are gone
};

} // namespace mirelo
