#pragma once

#include <functional>

namespace mirelo {

// What the dialogs need from the main window: the one place where a command's
// errors are caught and shown, and the repaint of the drawing area.
class CommandHost {
public:
    virtual ~CommandHost() = default;
    // Runs a user command; an error it raises is shown in a message box and the
    // program carries on with whatever state the command left.
    virtual void RunCommand(const std::function<void()>& command) = 0;
    virtual void Redraw() = 0;
};

} // namespace mirelo
