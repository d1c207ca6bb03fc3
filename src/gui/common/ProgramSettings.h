#pragma once

#include <QSettings>

namespace mirelo {

// Where the program keeps what it remembers between runs (recent files,
// dialog folders); tests point it at a temporary folder.
inline constexpr const char* kSettingsOrganisation = "Mirelo";
inline constexpr const char* kSettingsApplication = "Mirelo";
inline constexpr QSettings::Format kSettingsFormat = QSettings::NativeFormat;

} // namespace mirelo
