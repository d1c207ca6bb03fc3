#pragma once

#include "common/SettingDeclaration.h"
#include "model/Model.h"
#include "project/Project.h"
#include "script/AnalysisSettings.h"

#include <string_view>

namespace mirelo {

// The parts of a project that hold settings, each written and read through
// the declarations of its settings, so a newly declared setting is kept
// without a change here.
enum class SettingGroup { Analysis, Recorders, Section, Material };

// The declaration of the setting `name` in a group, or nullptr.
const SettingDeclaration* FindGroupSetting(SettingGroup group, std::string_view name);

// The declared settings of a record. A value no declaration allows (the
// rotational-spring kind of a section whose name begins with R) comes from
// the model file, so it is left out: the import gives it again.
SettingValues CaptureAnalysis(const AnalysisSettings& analysis);
SettingValues CaptureRecorders(const RecorderSettings& recorders);
SettingValues CaptureSection(const FrameSection& section);   // what the section dialog sets, its colour too
SettingValues CaptureMaterial(const Material& material);     // the type, E, U and every law parameter

// Sets the named values of a record; the others keep theirs.
void ApplyAnalysis(const SettingValues& values, AnalysisSettings& analysis);
void ApplyRecorders(const SettingValues& values, RecorderSettings& recorders);
void ApplySection(const SettingValues& values, FrameSection& section);
void ApplyMaterial(const SettingValues& values, Material& material);

} // namespace mirelo
