#pragma once

#include "script/AnalysisSettings.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace mirelo {

// The settings by their names, for a command line or a dialog that sets them
// as text. Integer and real fields take numbers; flags take 0 or 1.
enum class SettingKind { Integer, Real, Flag };

struct SettingField {
    std::string_view name;
    SettingKind kind;
    std::int32_t AnalysisSettings::*analysisInteger = nullptr; // Integer and Flag fields of AnalysisSettings
    double AnalysisSettings::*analysisReal = nullptr;          // Real fields
    std::int32_t RecorderSettings::*recorderFlag = nullptr;    // flags of RecorderSettings
};

// Every field of both records, in the order of their declarations.
std::span<const SettingField> SettingFields();

// Sets the field called `name` from `value`. Raises Error for an unknown name
// or a flag other than 0 or 1, and ConversionError for a value that is not a
// number.
void SetSetting(AnalysisSettings& analysis, RecorderSettings& recorder, std::string_view name,
                std::string_view value);

} // namespace mirelo
