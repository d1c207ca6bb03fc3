#pragma once

#include "script/ScriptContext.h"

#include <QDialog>

class QListWidget;
class QPlainTextEdit;
class QTimer;

namespace mirelo {

class CommandHost;
class FileChooser;
struct Session;

// "OpenSEES Tcl File" (TForm6): "Generate" writes the script of the session's
// model and settings into an editable pane, "Save" writes the pane to a file.
// The generator's warnings stand in a list under the pane; a click on one
// that is about a line shows that line.
class ScriptWindow : public QDialog {
    Q_OBJECT

public:
    ScriptWindow(Session& session, CommandHost& host, FileChooser& files, QWidget* parent = nullptr);

    void GenerateClicked(); // "Generate"
    void SaveClicked(); // "Save": asks for a path
    void CloseClicked(); // "Close"

    // Writes the pane's lines, each followed by CR LF, in the encoding the
    // model's names came in, without byte-order mark, replacing the file only
    // when the whole text is written. Raises FileError, or Error for a typed
    // character the names' encoding cannot hold.
    void SaveTo(const QString& path);

    const ScriptResult& Script() const { return script_; }

    // A long script reaches the pane in parts: the first lines at once, the
    // rest from the event loop, so the window answers while it fills. This
    // appends what is left now; Save and a click on a warning call it first.
    void FinishFill();
    bool Filling() const { return pendingFrom_ < pending_.size(); }

private:
    void ShowWarningLine(int row);
    void FillMore();

    Session& session_;
    CommandHost& host_;
    FileChooser& files_;
    ScriptResult script_; // ScriptLines: the last generation, kept between showings
    bool utf8_ = true;    // the generated text was UTF-8 (else Latin-1 bytes)
    QPlainTextEdit* memo_ = nullptr;
    QListWidget* warnings_ = nullptr;
    QTimer* fillTimer_ = nullptr;
    QString pending_;            // the generated text, of which the pane holds the part before pendingFrom_
    qsizetype pendingFrom_ = 0;
};

} // namespace mirelo
