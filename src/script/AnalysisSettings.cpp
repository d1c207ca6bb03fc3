#include "script/AnalysisSettings.h"

#include "common/Errors.h"

#include <string>

namespace mirelo {

namespace {

using A = AnalysisSettings;
using R = RecorderSettings;
using Declare = SettingDeclaration;

const std::array<SettingField<A>, 13> kAnalysisFields = {{
    Bind(Declare::Integer("RebarMaterialNo", "Rebar Material Number", 1), &A::RebarMaterialNo),
    Bind(Declare::Integer("IntegrationPoints", "Force/Disp Beam Column numIntgrPts", 3), &A::IntegrationPoints),
    Bind(Declare::Choice("AnalysisType", "Analysis Type", kLoadControl, kAnalysisTypeItems), &A::AnalysisType),
    Bind(Declare::Integer("LoadCase", "Load Case", 1), &A::LoadCase),
    Bind(Declare::Integer("PushoverCase", "Load Vector", 1), &A::PushoverCase),
    Bind(Declare::Integer("LoadSteps", "Load Steps", 100), &A::LoadSteps),
    Bind(Declare::Integer("AnalysisSteps", "Analysis Step", 100), &A::AnalysisSteps),
    Bind(Declare::Real("LoadFactor", "Load Factor", 1.0), &A::LoadFactor),
    Bind(Declare::Real("ControlDisp", "Control Disp", 0.1), &A::ControlDisp),
    Bind(Declare::Integer("ControlDof", "Control Dof", 1, 1, 6), &A::ControlDof),
    Bind(Declare::Integer("ControlNode", "Control Node", 1), &A::ControlNode),
    Bind(Declare::Flag("UseAggregator", "Torsional Constant and Shear Area", false), &A::UseAggregator),
    Bind(Declare::Integer("ModeCount", "Modal Number", 12), &A::ModeCount),
}};

const std::array<SettingField<R>, 7> kRecorderFields = {{
    Bind(Declare::Flag("RecordNodeDisp", "Displacement of All Nodes", true), &R::RecordNodeDisp),
    Bind(Declare::Flag("RecordElementForce", "Element Force of All Frames", false), &R::RecordElementForce),
    Bind(Declare::Flag("RecordSectionDeformation", "Force/Disp Beam Column Section Deformation", false),
         &R::RecordSectionDeformation),
    Bind(Declare::Flag("RecordSectionStressStrain", "Force/Disp Beam Column Section  Stress-Strain", false),
         &R::RecordSectionStressStrain),
    Bind(Declare::Flag("RecordModeShapes", "Modal Shape", false), &R::RecordModeShapes),
    Bind(Declare::Flag("RecordCurves", "Pushover and Time-History Curves", false), &R::RecordCurves),
    Bind(Declare::Flag("RecordReactions", "Reactions of Supports", false), &R::RecordReactions),
}};

} // namespace

AnalysisSettings::AnalysisSettings()
{
    for (const SettingField<A>& field : kAnalysisFields)
        SetStart(*this, field);
}

RecorderSettings::RecorderSettings()
{
    for (const SettingField<R>& field : kRecorderFields)
        SetStart(*this, field);
}

std::span<const SettingField<AnalysisSettings>> AnalysisSettingFields()
{
    return kAnalysisFields;
}

std::span<const SettingField<RecorderSettings>> RecorderSettingFields()
{
    return kRecorderFields;
}

const SettingDeclaration* FindSettingDeclaration(std::string_view name)
{
    if (const SettingField<A>* a = FindSetting<A>(kAnalysisFields, name))
        return &a->declaration;
    if (const SettingField<R>* r = FindSetting<R>(kRecorderFields, name))
        return &r->declaration;
    return nullptr;
}

void SetSetting(AnalysisSettings& analysis, RecorderSettings& recorder, std::string_view name,
                std::string_view value)
{
    const std::string subject = "Setting " + std::string(name);
    if (const SettingField<A>* a = FindSetting<A>(kAnalysisFields, name))
        SetFromText(analysis, *a, value, subject);
    else if (const SettingField<R>* r = FindSetting<R>(kRecorderFields, name))
        SetFromText(recorder, *r, value, subject);
    else
        throw Error("Unknown setting '" + std::string(name) + "'");
}

} // namespace mirelo
