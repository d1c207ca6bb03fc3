#pragma once

// The window code's way to the name decoding, which the drawing shares.
#include "view/DisplayText.h"

#include <QCoreApplication>

#include <string>
#include <string_view>

namespace mirelo {

// The program's own texts (captions, list items), which are UTF-8.
inline QString OwnText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A caption the core declares (a setting's label, a list item), through the
// translation of the context "Settings".
inline QString SettingCaption(std::string_view text)
{
    return QCoreApplication::translate("Settings", std::string(text).c_str());
}

} // namespace mirelo
