#pragma once

#include <functional>

namespace mirelo {

// What the dialogs need from the main window: the one place where a command's
// errors are caught and shown, the repaint of the drawing area, and the undo
// history their OKs add to.
class CommandHost {
public:
    virtual ~CommandHost() = default;
    // Runs a user command; an error it raises is shown in a message box and the
    // program carries on with whatever state the command left.
    virtual void RunCommand(const std::function<void()>& command) = 0;
    virtual void Redraw() = 0;
    // Runs what a dialog's OK stores in the sections, materials or settings:
    // whatever it changed becomes one step of the undo history.
    virtual void ChangeSettings(const std::function<void()>& change) = 0;
};

} // namespace mirelo
