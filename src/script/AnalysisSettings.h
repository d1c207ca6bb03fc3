#pragma once

#include "common/SettingDeclaration.h"
#include "script/AnalysisKinds.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace mirelo {

// A flag holds -1 when on and 0 when off; readers treat any non-zero value as on.
constexpr std::int32_t kFlagOn = -1;
constexpr std::int32_t kFlagOff = 0;

// The analysis the script runs and the numbers it needs. A new record holds
// the start values of the declarations below. The fields are 32-bit numbers
// as the user or a file gave them; the generator warns about one outside its
// range.
struct AnalysisSettings {
    AnalysisSettings();

    std::int32_t RebarMaterialNo;   // material of every bar fibre
    std::int32_t IntegrationPoints; // of nonlinear and displacement beam-columns
    std::int32_t AnalysisType;      // an AnalysisKind (AnalysisKinds.h)
    std::int32_t LoadCase;          // 1-based case of the load-control and gravity patterns
    std::int32_t PushoverCase;      // 1-based case of the displacement-control patterns
    std::int32_t LoadSteps;
    std::int32_t AnalysisSteps;
    double LoadFactor;
    double ControlDisp;
    std::int32_t ControlDof;
    std::int32_t ControlNode;
    std::int32_t UseAggregator; // shear and torsion springs, aggregated sections
    std::int32_t ModeCount;
};

// Which results the script records.
struct RecorderSettings {
    RecorderSettings();

    std::int32_t RecordNodeDisp;
    std::int32_t RecordElementForce;
    std::int32_t RecordSectionDeformation;
    std::int32_t RecordSectionStressStrain; // stored and shown; records nothing
    std::int32_t RecordModeShapes;
    std::int32_t RecordCurves; // the control joint and the reactions, for the pushover or time-history curve
    std::int32_t RecordReactions; // all six reactions of every support, for the equilibrium check
};

// Every setting of the two records, declared once: name, dialog caption,
// start value, range or choices; in the order of the records' fields.
std::span<const SettingField<AnalysisSettings>> AnalysisSettingFields();
std::span<const SettingField<RecorderSettings>> RecorderSettingFields();

// The declaration of the setting called `name` in either record, or nullptr.
const SettingDeclaration* FindSettingDeclaration(std::string_view name);

// Sets the field called `name` from `value`. Raises Error for an unknown name
// or a value outside the setting's range, and ConversionError for a value that
// is not a number; nothing changes then.
void SetSetting(AnalysisSettings& analysis, RecorderSettings& recorder, std::string_view name,
                std::string_view value);

} // namespace mirelo
