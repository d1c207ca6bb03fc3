#pragma once

#include "gui/common/FileChooser.h"
#include "gui/main/MainWindow.h"
#include "gui/main/Messenger.h"

#include <QColor>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <optional>
#include <vector>

class QDialog;
class QLineEdit;
class QToolButton;

namespace mirelo::test {

// Answers file-open and file-save requests from two queues (nothing queued,
// or an empty path: the user cancels) and remembers the filters and the
// folders the dialogs started in.
class ScriptedFileChooser : public FileChooser {
public:
    QStringList answers;
    QStringList filters;
    QStringList folders;
    QStringList saveAnswers;
    QStringList saveFilters;
    QStringList saveFolders;

protected:
    std::optional<QString> AskOpen(const QString& filter, const QString& folder) override;
    std::optional<QString> AskSave(const QString& filter, const QString& folder) override;
};

// Answers colour requests from a queue (nothing queued: the user cancels).
class ScriptedColourChooser : public ColourChooser {
public:
    std::optional<std::int32_t> ChooseColour(std::int32_t current) override;
    std::vector<std::int32_t> answers;
    std::vector<std::int32_t> asked; // the colour each request started from
};

// Keeps the messages instead of showing a box, and whether a wait cursor was
// still up when a message came. Asked to save changes, it answers from a queue
// (nothing queued: discard) and keeps the names of the projects it was asked about.
class RecordingMessenger : public Messenger {
public:
    void ShowError(const QString& message) override;
    void ShowNote(const QString& message) override;
    SaveChoice AskToSaveChanges(const QString& document) override;
    QStringList messages;
    QStringList notes;
    QStringList saveQuestions;
    std::vector<SaveChoice> saveAnswers;
    bool waitCursorDuringMessage = false;
};

// Points the program's settings (QSettings) at a temporary folder for the
// whole test program, and empties them unless asked to keep them.
void UseTemporarySettings(bool keepWhatIsThere = false);

// A main window wired to the three fakes, shown and exposed on the offscreen
// screen, with settings of its own: emptied, or kept from an earlier window of
// the same test program (a second run of the program).
struct TestWindow {
    explicit TestWindow(bool keepSettings = false);
    MainWindow& operator*() { return *window; }
    MainWindow* operator->() { return window.get(); }

    ScriptedFileChooser* chooser;
    RecordingMessenger* messenger;
    ScriptedColourChooser* colours;
    std::unique_ptr<MainWindow> window;

    // Opens a file through the File menu as a user would.
    void OpenThroughMenu(const QString& path);
    QToolButton* Button(const char* name);
    QString Panel(int index);
    QStringList CountPanels(); // the seven count panels 3, 5, ... 15
    QColor PixelAt(int x, int y);
    // Shows a window through its tool button, as a user would, and returns it.
    QDialog* Open(const char* button, const char* window);
};

// The real OpenSees: MIRELO_TEST_OPENSEES, or the team's copy beside the sources.
QString RealSolverPath();

// A small frame model in millimetres and newtons: four joints, two columns
// (section NCOL, red) and a beam (EBEAM, blue), two load cases. Joint 1 is
// fixed in U1..U3, joint 4 in all six.
extern const char* const kPortalS2k;

// Writes `text` as a file in a temporary folder that lives as long as the object.
class TempS2k {
public:
    explicit TempS2k(const QString& text, const QString& name = "model.s2k");
    QString path() const { return path_; }

private:
    QTemporaryDir dir_;
    QString path_;
};

QString ExamplePath(const QString& name);

// Replaces what a box holds by typing, as a user would (the box counts as changed).
void Type(QLineEdit* box, const QString& text);

// The child of `parent` with that object name; a missing one ends the test run.
template <typename T>
T* Child(QObject* parent, const char* name)
{
    T* child = parent->findChild<T*>(name);
    if (!child)
        qFatal("no %s in %s", name, qPrintable(parent->objectName()));
    return child;
}

} // namespace mirelo::test
