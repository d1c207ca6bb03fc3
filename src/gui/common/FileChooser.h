#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace mirelo {

// What a file dialog asks for; each kind starts in the folder last used for it.
enum class FileKind { Model, Script, Picture, Result, Program, Project };

// Asks the user for a file to open or to save. The filter is written "description|pattern"
// (pairs may repeat: "a|*.a|b|*.b"). Commands hold this interface so tests can
// answer without a modal dialog.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen path, or nothing when the user cancels. The dialog starts in
    // the folder of the last file chosen of that kind (in this run or an
    // earlier one), else in the working directory; a chosen file's folder is
    // remembered for its kind.
    std::optional<QString> OpenFile(FileKind kind, const QString& filter);
    // A path to save to, exactly as the user gave it (no extension is added;
    // the dialog asks before an existing file is replaced), or nothing when
    // the user cancels. Starts and remembers as OpenFile does.
    std::optional<QString> SaveFile(FileKind kind, const QString& filter);

protected:
    // The dialogs themselves, starting in `folder`.
    virtual std::optional<QString> AskOpen(const QString& filter, const QString& folder) = 0;
    virtual std::optional<QString> AskSave(const QString& filter, const QString& folder) = 0;
};

// The folder last used for files of that kind, when it still exists; else empty.
QString RememberedFolder(FileKind kind);

// The desktop's file dialogs. On confirmation of an open the chosen file's
// folder becomes the working directory, where the solver is later started.
class DialogFileChooser : public FileChooser {
public:
    explicit DialogFileChooser(QWidget* parent) : parent_(parent) {}

protected:
    std::optional<QString> AskOpen(const QString& filter, const QString& folder) override;
    std::optional<QString> AskSave(const QString& filter, const QString& folder) override;

private:
    QWidget* parent_;
};

// "s2k file|*.s2k" as Qt writes a name filter. File names on this system are
// case-sensitive, so each pattern comes with its upper-case form as well:
// "s2k file (*.s2k *.S2K)".
QString QtNameFilter(const QString& filter);

} // namespace mirelo
