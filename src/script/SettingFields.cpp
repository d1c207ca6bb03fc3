#include "script/SettingFields.h"

#include "common/Errors.h"
#include "common/NumberText.h"

#include <array>
#include <string>

namespace mirelo {

namespace {

using A = AnalysisSettings;
using R = RecorderSettings;

constexpr SettingField Integer(std::string_view name, std::int32_t A::*field)
{
    return {name, SettingKind::Integer, field, nullptr, nullptr};
}
constexpr SettingField Real(std::string_view name, double A::*field)
{
    return {name, SettingKind::Real, nullptr, field, nullptr};
}
constexpr SettingField Flag(std::string_view name, std::int32_t A::*field)
{
    return {name, SettingKind::Flag, field, nullptr, nullptr};
}
constexpr SettingField Flag(std::string_view name, std::int32_t R::*field)
{
    return {name, SettingKind::Flag, nullptr, nullptr, field};
}

constexpr std::array kFields = {
    Integer("RebarMaterialNo", &A::RebarMaterialNo),
    Integer("IntegrationPoints", &A::IntegrationPoints),
    Integer("AnalysisType", &A::AnalysisType),
    Integer("LoadCase", &A::LoadCase),
    Integer("PushoverCase", &A::PushoverCase),
    Integer("LoadSteps", &A::LoadSteps),
    Integer("AnalysisSteps", &A::AnalysisSteps),
    Real("LoadFactor", &A::LoadFactor),
    Real("ControlDisp", &A::ControlDisp),
    Integer("ControlDof", &A::ControlDof),
    Integer("ControlNode", &A::ControlNode),
    Flag("UseAggregator", &A::UseAggregator),
    Integer("ModeCount", &A::ModeCount),
    Flag("RecordNodeDisp", &R::RecordNodeDisp),
    Flag("RecordElementForce", &R::RecordElementForce),
    Flag("RecordSectionDeformation", &R::RecordSectionDeformation),
    Flag("RecordSectionStressStrain", &R::RecordSectionStressStrain),
    Flag("RecordModeShapes", &R::RecordModeShapes),
};

std::int32_t ParseFlag(std::string_view name, std::string_view value)
{
    const std::int32_t number = ParseInteger(value);
    if (number != 0 && number != 1)
        throw Error("Setting " + std::string(name) + " takes 0 or 1, not '" + std::string(value) + "'");
    return number == 1 ? kFlagOn : kFlagOff;
}

} // namespace

std::span<const SettingField> SettingFields()
{
    return kFields;
}

void SetSetting(AnalysisSettings& analysis, RecorderSettings& recorder, std::string_view name,
                std::string_view value)
{
    for (const SettingField& field : kFields) {
        if (field.name != name)
            continue;
        switch (field.kind) {
        case SettingKind::Integer: analysis.*field.analysisInteger = ParseInteger(value); return;
        case SettingKind::Real: analysis.*field.analysisReal = ParseReal(value); return;
        case SettingKind::Flag:
            if (field.recorderFlag != nullptr)
                recorder.*field.recorderFlag = ParseFlag(name, value);
            else
                analysis.*field.analysisInteger = ParseFlag(name, value);
            return;
        }
    }
    throw Error("Unknown setting '" + std::string(name) + "'");
}

} // namespace mirelo
