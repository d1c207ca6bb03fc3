#pragma once

#include <utility>

namespace mirelo {

// A widget made from `args` with the object name the program and the window
// tests find it by.
template <typename Widget, typename... Args>
Widget* NamedWidget(const char* name, Args&&... args)
{
    auto* widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(name);
    return widget;
}

} // namespace mirelo
