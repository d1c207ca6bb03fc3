// The main window's project commands (New, Open Project, Save Project, Save
// Project As), the question before unsaved changes are left, and the Edit
// menu that presents the core's undo history.
#include "gui/main/MainWindow.h"

#include "gui/common/DisplayText.h"
#include "gui/main/ModelStatusBar.h"
#include "gui/main/ProjectFiles.h"
#include "gui/common/WaitCursor.h"
#include "common/Errors.h"
#include "convert/ModelFile.h"
#include "project/OpenProject.h"
#include "project/ProjectFile.h"
#include "session/ResultLoading.h"
#include "gui/script/AnalysisDialog.h"
#include "gui/sections/FrameSectionDialog.h"
#include "gui/sections/MaterialDialog.h"
#include "gui/view/FramePropertiesDialog.h"
#include "view/ViewValues.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

namespace mirelo {

namespace {

std::string LocalPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

// The kinds of step the settings history names, marked here for lupdate;
// the history keeps them in English.
[[maybe_unused]] const char* const kStepKinds[] = {
    QT_TRANSLATE_NOOP("mirelo::SettingsHistory", "Frame Section"),
    QT_TRANSLATE_NOOP("mirelo::SettingsHistory", "Frame Sections"),
    QT_TRANSLATE_NOOP("mirelo::SettingsHistory", "Material"),
    QT_TRANSLATE_NOOP("mirelo::SettingsHistory", "Materials"),
    QT_TRANSLATE_NOOP("mirelo::SettingsHistory", "Analysis Setting"),
    QT_TRANSLATE_NOOP("mirelo::SettingsHistory", "Recorder Setting"),
    QT_TRANSLATE_NOOP("mirelo::SettingsHistory", "Settings"),
};

// A step's name in the user's language: the kind translated, the section's or
// material's name as it stands.
QString ShownStepName(const StepName& name)
{
    const QString kind = QCoreApplication::translate("mirelo::SettingsHistory", name.kind.c_str());
    return name.record.empty() ? kind : QStringLiteral("%1 %2").arg(kind, DisplayText(name.record));
}

} // namespace

void MainWindow::AddProjectCommands(QMenu* file)
{
    const auto add = [this, file](const char* name, const QString& caption, const QKeySequence& keys,
                                  std::function<void()> command) {
        AddMenuCommand(file, name, caption, std::move(command));
        findChild<QAction*>(name)->setShortcut(keys);
    };
    add("New1", tr("New"), QKeySequence(Qt::CTRL | Qt::Key_N), [this] { NewProject(); });
    add("OpenProject1", tr("Open Project..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O),
        [this] { OpenProjectFile(); });
    add("SaveProject1", tr("Save Project"), QKeySequence(Qt::CTRL | Qt::Key_S), [this] { SaveProject(); });
    add("SaveProjectAs1", tr("Save Project As..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
        [this] { SaveProjectAs(); });
    file->addSeparator();
}

void MainWindow::AddEditMenu()
{
    QMenu* edit = menuBar()->addMenu(tr("Edit"));
    edit->setObjectName("Edit1");
    AddMenuCommand(edit, "Undo1", tr("Undo"), [this] { Undo(); });
    AddMenuCommand(edit, "Redo1", tr("Redo"), [this] { Redo(); });
    undoItem_ = findChild<QAction*>("Undo1");
    redoItem_ = findChild<QAction*>("Redo1");
    undoItem_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redoItem_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    ShowProjectState();
}

void MainWindow::ShowProjectState()
{
    const QString& document = projectPath_.isEmpty() ? modelPath_ : projectPath_;
    setWindowTitle(WindowTitle(document.isEmpty() ? QString() : QFileInfo(document).fileName(), IsModified()));
    if (undoItem_ == nullptr)
        return;
    undoItem_->setText(history_.CanUndo() ? tr("Undo %1").arg(ShownStepName(history_.UndoName())) : tr("Undo"));
    redoItem_->setText(history_.CanRedo() ? tr("Redo %1").arg(ShownStepName(history_.RedoName())) : tr("Redo"));
    undoItem_->setEnabled(history_.CanUndo());
    redoItem_->setEnabled(history_.CanRedo());
}

void MainWindow::ChangeSettings(const std::function<void()>& change)
{
    SettingsSnapshot before = CaptureSettings(session_.model, session_.analysis, session_.recorders);
    change();
    if (history_.Record(std::move(before), CaptureSettings(session_.model, session_.analysis, session_.recorders),
                        session_.model))
        ShowProjectState();
}

void MainWindow::Undo()
{
    history_.Undo(session_.model, session_.analysis, session_.recorders);
    ShowProjectState();
    RefreshModelDialogs();
    Redraw(); // section colours may have changed back
}

void MainWindow::Redo()
{
    history_.Redo(session_.model, session_.analysis, session_.recorders);
    ShowProjectState();
    RefreshModelDialogs();
    Redraw();
}

bool MainWindow::MayDiscardChanges()
{
    if (!IsModified())
        return true;
    const QString& document = projectPath_.isEmpty() ? modelPath_ : projectPath_;
    switch (messenger_->AskToSaveChanges(QFileInfo(document).fileName())) {
    case SaveChoice::Discard:
        return true;
    case SaveChoice::Cancel:
        return false;
    case SaveChoice::Save:
        break;
    }
    bool saved = false;
    RunCommand([&] { saved = SaveProject(); }); // a failed save is shown and leaves everything as it was
    return saved;
}

void MainWindow::NewProject()
{
    if (!MayDiscardChanges())
        return;
    framePropertiesDialog_->close();
    session_.model = Model();
    InitDefaults(session_);
    ClearResults(session_);
    modelPath_.clear();
    projectPath_.clear();
    lastRunFolder_.clear();
    history_.Clear();
    statusBar_->SetNoteText({});
    ShowModelCounts();
    ShowProjectState();
    RefreshModelDialogs();
    Redraw();
}

void MainWindow::OpenProjectFile()
{
    const std::optional<QString> path = fileChooser_->OpenFile(FileKind::Project, tr(kProjectFilter));
    if (path)
        OpenPath(*path);
}

void MainWindow::OpenProjectPath(const QString& path)
{
    WaitCursor busy;
    ModelImport imported;
    OpenedProject opened = OpenProject(LocalPath(path), [&imported](const std::string& modelPath) {
        imported = ImportModelFile(modelPath);
        return std::move(imported.model);
    });
    // All read: from here on the session takes the project.
    imported.model = std::move(opened.model);
    QStringList notes = ReplaceModel(std::move(imported), QFile::decodeName(opened.modelPath.c_str()),
                                     opened.analysis, opened.recorders);
    ApplyViewValues(opened.project.view, session_.model, session_.view);
    lastRunFolder_ = QFile::decodeName(ResolveProjectPath(opened.project.lastRunFolder, LocalPath(path)).c_str());
    projectPath_ = path;
    ShowProjectState();
    recentFiles_.Add(path);
    RebuildRecentFilesMenu();
    Redraw();
    RefreshModelDialogs();
    for (const std::string& warning : opened.warnings)
        notes << DisplayText(warning);
    if (!notes.isEmpty())
        messenger_->ShowNote(notes.join('\n'));
}

bool MainWindow::SaveProject()
{
    if (projectPath_.isEmpty())
        return SaveProjectAs();
    SaveProjectPath(projectPath_);
    return true;
}

bool MainWindow::SaveProjectAs()
{
    if (modelPath_.isEmpty())
        throw Error(tr("There is no model to keep in a project: import a model file first").toStdString());
    const std::optional<QString> path = fileChooser_->SaveFile(FileKind::Project, tr(kProjectFilter));
    if (!path)
        return false;
    SaveProjectPath(*path);
    return true;
}

void MainWindow::SaveProjectPath(const QString& path)
{
    if (modelPath_.isEmpty())
        throw Error(tr("There is no model to keep in a project: import a model file first").toStdString());
    const std::string projectFile = LocalPath(path);
    Project project = CaptureProject(projectFile, LocalPath(modelPath_), session_.model, session_.analysis,
                                     session_.recorders);
    project.view = CaptureViewValues(session_.view);
    if (!lastRunFolder_.isEmpty())
        project.lastRunFolder = MakeProjectPath(LocalPath(lastRunFolder_), projectFile);
    SaveProjectFile(projectFile, project);
    projectPath_ = path;
    history_.MarkSaved();
    ShowProjectState();
    recentFiles_.Add(path);
    RebuildRecentFilesMenu();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (MayDiscardChanges())
        event->accept();
    else
        event->ignore();
}

} // namespace mirelo
