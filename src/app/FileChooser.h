#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace mirelo {

// Asks the user for a file to open or to save. The filter is written "description|pattern"
// (pairs may repeat: "a|*.a|b|*.b"). Commands hold this interface so tests can
// answer without a modal dialog.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen path, or nothing when the user cancels.
    virtual std::optional<QString> OpenFile(const QString& filter) = 0;
    // A path to save to, exactly as the user gave it (no extension is added;
    // the dialog asks before an existing file is replaced),
    // or nothing when the user cancels.
    virtual std::optional<QString> SaveFile(const QString& filter) = 0;
};

// The desktop's file-open dialog. On confirmation the chosen file's folder
// becomes the working directory, where the solver is later started.
class DialogFileChooser : public FileChooser {
public:
    explicit DialogFileChooser(QWidget* parent) : parent_(parent) {}
    std::optional<QString> OpenFile(const QString& filter) override;
    std::optional<QString> SaveFile(const QString& filter) override;

private:
    QWidget* parent_;
};

// "s2k file|*.s2k" as Qt writes a name filter. File names on this system are
// case-sensitive, so each pattern comes with its upper-case form as well:
// "s2k file (*.s2k *.S2K)".
QString QtNameFilter(const QString& filter);

} // namespace mirelo
