#pragma once

// The window code's way to the name decoding, which the drawing shares.
#include "view/DisplayText.h"

#include <string_view>

namespace mirelo {

// The program's own texts (captions, list items), which are UTF-8.
inline QString OwnText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace mirelo
