#pragma once

#include <QString>

class QWidget;

namespace mirelo {

// What the user answers when unsaved changes are about to be left.
enum class SaveChoice { Save, Discard, Cancel };

// Shows a failure to the user. Commands hold this interface so tests can read
// the message instead of closing a modal box.
class Messenger {
public:
    virtual ~Messenger() = default;
    virtual void ShowError(const QString& message) = 0;
    // What a command did that the user should know, though it succeeded.
    virtual void ShowNote(const QString& message) = 0;
    // Asks whether to save the unsaved changes of `document` first.
    virtual SaveChoice AskToSaveChanges(const QString& document) = 0;
};

// A message box over the given window.
class MessageBoxMessenger : public Messenger {
public:
    explicit MessageBoxMessenger(QWidget* parent) : parent_(parent) {}
    void ShowError(const QString& message) override;
    void ShowNote(const QString& message) override;
    SaveChoice AskToSaveChanges(const QString& document) override;

private:
    QWidget* parent_;
};

} // namespace mirelo
