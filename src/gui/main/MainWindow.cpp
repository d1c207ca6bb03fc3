#include "gui/main/MainWindow.h"

#include "gui/main/AboutDialog.h"
#include "gui/common/AtomicSave.h"
#include "gui/common/DisplayText.h"
#include "gui/main/DrawingArea.h"
#include "gui/main/HelpLinks.h"
#include "gui/main/ModelStatusBar.h"
#include "gui/main/ProjectFiles.h"
#include "session/ResultLoading.h"
#include "gui/solver/SolverSettingDialog.h"
#include "gui/common/WaitCursor.h"
#include "gui/convert/V14ConverterDialog.h"
#include "gui/results/CurvesWindow.h"
#include "gui/results/ForceDiagramWindow.h"
#include "gui/results/ReactionsWindow.h"
#include "gui/solver/SuiteWindow.h"
#include "convert/ModelFile.h"
#include "gui/results/ResultStepBar.h"
#include "gui/results/ResultsDialog.h"
#include "gui/script/AnalysisDialog.h"
#include "gui/script/ScriptWindow.h"
#include "gui/sections/FrameSectionDialog.h"
#include "gui/sections/MaterialDialog.h"
#include "gui/view/FramePropertiesDialog.h"
#include "gui/view/LoadDisplayDialog.h"
#include "view/PlaneStepping.h"
#include "view/Redraw.h"
#include "gui/view/ViewOptionDialog.h"
#include "gui/common/SolverProcesses.h"

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QMimeData>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <exception>
#include <optional>

namespace mirelo {

namespace {

const char* const kS2kFilter = QT_TRANSLATE_NOOP("mirelo::MainWindow", "SAP2000 text file, version 6 or tables|*.s2k;*.$2k;*.txt|All files|*");
const char* const kTclFilter = QT_TRANSLATE_NOOP("mirelo::MainWindow", "tcl file|*.tcl");

// The one local model or project file a drag carries, or an empty text.
QString DroppedFile(const QMimeData* data)
{
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1)
        return {};
    const QUrl url = data->urls().front();
    const QString path = url.toLocalFile();
    if (!url.isLocalFile()
        || !(path.endsWith(".s2k", Qt::CaseInsensitive) || path.endsWith(".$2k", Qt::CaseInsensitive)
             || IsProjectFile(path)))
        return {};
    return url.toLocalFile();
}

} // namespace

MainWindow::MainWindow(std::unique_ptr<FileChooser> fileChooser, std::unique_ptr<Messenger> messenger,
                       std::unique_ptr<ColourChooser> colourChooser)
    : fileChooser_(std::move(fileChooser)), messenger_(std::move(messenger)), colourChooser_(std::move(colourChooser))
{
    if (!fileChooser_)
        fileChooser_ = std::make_unique<DialogFileChooser>(this);
    if (!messenger_)
        messenger_ = std::make_unique<MessageBoxMessenger>(this);
    if (!colourChooser_)
        colourChooser_ = std::make_unique<DialogColourChooser>(this);

    setObjectName("TForm1");
    setWindowTitle(WindowTitle({}, false));
    setFont(QFont("MS Sans Serif", 8));
    move(92, 25);
    resize(1116, 739);
    setAcceptDrops(true);

    InitDefaults(session_);

    auto* panel = new QFrame(this);
    panel->setObjectName("Panel1");
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);
    drawingArea_ = new DrawingArea(panel);
    statusBar_ = new ModelStatusBar(panel);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(0);
    layout->addWidget(drawingArea_, 1);
    layout->addWidget(statusBar_);
    setCentralWidget(panel);

    connect(drawingArea_, &DrawingArea::MousePressed, this, &MainWindow::DrawingPressed);
    connect(drawingArea_, &DrawingArea::MouseMoved, this, &MainWindow::DrawingMoved);
    connect(drawingArea_, &DrawingArea::MouseReleased, this, &MainWindow::DrawingReleased);
    // The surface follows the window: every change of size repaints at the new size.
    connect(drawingArea_, &DrawingArea::Resized, this, [this] {
        if (shown_)
            RunCommand([this] { Redraw(); });
    });
    connect(drawingArea_, &DrawingArea::Rested, this, [this] { RunCommand([this] { PaintFullPicture(); }); });
    connect(drawingArea_, &DrawingArea::FullPictureShown, this, [this](const Projection& projection) {
        projection_ = projection;
        ShowPlaneStatus();
    });

    frameSectionDialog_ = new FrameSectionDialog(session_, *this, *colourChooser_, this);
    materialDialog_ = new MaterialDialog(session_, *this, this);
    scriptWindow_ = new ScriptWindow(session_, *this, *fileChooser_, this);
    analysisDialog_ = new AnalysisDialog(session_, *this, this);
    recorderDialog_ = new RecorderDialog(session_, *this, this);
    viewOptionDialog_ = new ViewOptionDialog(session_, *this, this);
    loadDisplayDialog_ = new LoadDisplayDialog(session_, *this, this);
    framePropertiesDialog_ = new FramePropertiesDialog(session_, *this, this);
    v14ConverterDialog_ = new V14ConverterDialog(*fileChooser_, *this, this);
    // The run folder: the one chosen or run last, else the one the shown results came from.
    stepBar_ = new ResultStepBar(
        session_, *this,
        [this] {
            return lastRunFolder_.isEmpty() ? QFile::decodeName(session_.results.loaded.folder.c_str()) : lastRunFolder_;
        },
        [this](const QString& folder) { lastRunFolder_ = folder; }, this);
    addToolBar(Qt::BottomToolBarArea, stepBar_);
    resultsDialog_ = new ResultsDialog(session_, *this, *fileChooser_, *stepBar_, this);
    solverSettingDialog_ = new SolverSettingDialog(*fileChooser_, *this, this);
    aboutDialog_ = new AboutDialog(this);
    urlOpener_ = std::make_unique<DesktopUrlOpener>();
    loadLastStep_ = [this](const QString& folder) {
        LoadLastStepResults(session_, QFile::encodeName(folder).toStdString());
        Redraw();
    };
    curvesWindow_ = new CurvesWindow(session_, *fileChooser_, this);
    forceWindow_ = new ForceDiagramWindow(session_, *this, *fileChooser_, *stepBar_, this);
    reactionsWindow_ = new ReactionsWindow(session_, *this, *fileChooser_, *stepBar_, this);
    connect(stepBar_, &ResultStepBar::StepShown, forceWindow_, &ForceDiagramWindow::StepShown);
    connect(stepBar_, &ResultStepBar::StepShown, reactionsWindow_, &ReactionsWindow::StepShown);
    // A run of a suite loads as a solver run does, and the Curves window
    // reads its folder from then on.
    suiteWindow_ = new SuiteWindow(
        session_, *this,
        [this](const QString& folder) {
            lastRunFolder_ = folder;
            if (loadLastStep_)
                loadLastStep_(folder);
        },
        [this](const std::vector<IdaLine>& lines) {
            ShowDialog(curvesWindow_);
            curvesWindow_->ShowIda(lines);
        },
        this);

    BuildToolBar();
    BuildMenus();
    BuildDrawingMenu();
}

MainWindow::~MainWindow() = default;

void MainWindow::RunCommand(const std::function<void()>& command)
{
    Run(command, false);
}

// The one place where a command's error is caught and shown (after the wait
// cursor is gone).
void MainWindow::Run(const std::function<void()>& command, bool busy)
{
    std::optional<QString> failure;
    {
        std::optional<WaitCursor> cursor;
        if (busy)
            cursor.emplace();
        try {
            command();
        } catch (const std::exception& error) {
            failure = DisplayText(error.what());
        }
    }
    if (failure)
        messenger_->ShowError(*failure);
}

ViewArea MainWindow::Area()
{
    const QImage& canvas = drawingArea_->PrepareCanvas();
    return {canvas.width(), canvas.height()};
}

// Repaints the canvas; the model or the view may have changed otherwise than
// by a drag, so the next drag gathers its picture anew.
void MainWindow::Redraw()
{
    drawingArea_->EndSteps();
    stepBar_->ShowLoaded();
    PaintFullPicture();
}

// What was painted before an error is still shown.
void MainWindow::PaintFullPicture()
{
    QImage& canvas = drawingArea_->PrepareCanvas();
    ShowPlaneStatus();
    try {
        mirelo::Redraw(session_.model, session_.results, session_.view, canvas, projection_);
    } catch (...) {
        drawingArea_->update();
        throw;
    }
    drawingArea_->update();
}

void MainWindow::ShowPlaneStatus()
{
    statusBar_->SetPlaneText(PlaneStatusText(session_.model, session_.view));
}

void MainWindow::ShowDialog(QWidget* dialog)
{
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void MainWindow::Apply(const ViewReaction& reaction)
{
    // An open sheet follows every new pick; a closed one fills itself on showing.
    if (reaction.showFrameProperties && framePropertiesDialog_->isVisible())
        framePropertiesDialog_->FollowSelection();
    else if (reaction.showFrameProperties)
        framePropertiesDialog_->show();
    if (reaction.redraw)
        Redraw();
    if (reaction.status)
        statusBar_->SetPanelText(ModelStatusBar::kModePanel,
                                 QCoreApplication::translate("mirelo::Navigation", reaction.status->toUtf8().constData()));
}

void MainWindow::ApplyStep(const ViewReaction& reaction)
{
    if (reaction.redraw)
        drawingArea_->PaintStep(session_.model, session_.results, session_.view);
    else
        Apply(reaction);
}

void MainWindow::OpenS2kFile()
{
    const std::optional<QString> path = fileChooser_->OpenFile(FileKind::Model, tr(kS2kFilter));
    if (path)
        OpenPath(*path);
}

void MainWindow::OpenPath(const QString& path)
{
    if (!MayDiscardChanges())
        return;
    if (IsProjectFile(path))
        OpenProjectPath(path);
    else
        OpenS2kPath(path);
}

void MainWindow::OpenS2kPath(const QString& path)
{
    const QStringList notes = ImportModel(path);
    if (!notes.isEmpty())
        messenger_->ShowNote(notes.join('\n'));
}

// An import starts a new project: every setting at its start value.
QStringList MainWindow::ImportModel(const QString& path)
{
    WaitCursor busy;
    ModelImport imported = ImportModelFile(QFile::encodeName(path).toStdString());
    const QStringList notes = ReplaceModel(std::move(imported), path, AnalysisSettings(), RecorderSettings());
    projectPath_.clear();
    lastRunFolder_.clear();
    ShowProjectState();
    recentFiles_.Add(path);
    RebuildRecentFilesMenu();
    Redraw();
    ZoomAllClicked();
    RefreshModelDialogs();
    return notes;
}

QStringList MainWindow::ReplaceModel(ModelImport&& imported, const QString& modelPath, const AnalysisSettings& analysis,
                                     const RecorderSettings& recorders)
{
    // The sheet of a frame of the old model would be stale: close it, which
    // also drops the selection.
    framePropertiesDialog_->close();
    session_.S2kLines = std::move(imported.lines);
    session_.model = std::move(imported.model);
    ClearResults(session_); // the new model starts without results
    // Load cases and joints are the new model's: settings that named the old
    // ones would point at the wrong ones.
    session_.analysis = analysis;
    session_.recorders = recorders;
    session_.view.SelectedFrame = 0;
    session_.view.PlaneShown = 0; // the planes are the new model's
    if (session_.view.LoadCaseShown > session_.model.LoadCaseCount)
        session_.view.LoadCaseShown = 0;
    modelPath_ = modelPath;
    history_.Clear();
    ShowModelCounts();
    // What the import says (tables left out, a file that may be cut off)
    // stays in the status bar and is shown once.
    QStringList notes;
    for (const std::string& note : imported.notes)
        notes << DisplayText(note);
    statusBar_->SetNoteText(notes);
    return notes;
}

// Last: a section picture that fails leaves the rest done.
void MainWindow::RefreshModelDialogs()
{
    if (materialDialog_->isVisible())
        materialDialog_->FormShow();
    if (analysisDialog_->isVisible())
        analysisDialog_->FormShow();
    if (recorderDialog_->isVisible())
        recorderDialog_->FormShow();
    if (frameSectionDialog_->isVisible())
        frameSectionDialog_->FormShow();
}

void MainWindow::V14ConverterClicked()
{
    ShowDialog(v14ConverterDialog_);
}

// The window reads the folder of the script the solver last ran (the working
// directory before any run) each time it opens.
void MainWindow::ShowCurves()
{
    curvesWindow_->SetFolder(lastRunFolder_.isEmpty() ? QDir::currentPath() : lastRunFolder_);
    ShowDialog(curvesWindow_);
    curvesWindow_->LoadCurve();
}

// Each opening shows the step the results show, with its forces or reactions.
void MainWindow::ShowForceDiagram()
{
    ShowDialog(forceWindow_);
    forceWindow_->LoadForces();
}

void MainWindow::ShowReactions()
{
    ShowDialog(reactionsWindow_);
    reactionsWindow_->LoadReactions();
}

void MainWindow::ShowSuite()
{
    ShowDialog(suiteWindow_);
}

void MainWindow::ShowModelCounts()
{
    statusBar_->ShowModelCounts(session_.model);
}

void MainWindow::RefreshClicked()
{
    session_.view.LoadCaseShown = 0;
    Redraw();
}

void MainWindow::ZoomAllClicked()
{
    ZoomAll(session_.model, session_.results, session_.view, Area());
    Redraw();
}

void MainWindow::ClearResultsClicked()
{
    ClearResults(session_);
    Redraw();
}

void MainWindow::ExportPicture()
{
    const std::optional<QString> path = fileChooser_->SaveFile(FileKind::Picture, tr("PNG picture|*.png"));
    if (path)
        ExportPicturePath(*path);
}

void MainWindow::ExportPicturePath(const QString& path)
{
    Redraw();
    SavePngAtomically(path, drawingArea_->Canvas());
}

void MainWindow::ShowStandardView(StandardView which)
{
    SetStandardView(session_.model, session_.results, session_.view, which, Area());
    Redraw();
}

// The solver is looked for before the script is asked for, so a missing solver
// costs the user no choosing. Every run has its own window.
void MainWindow::RunSolverClicked()
{
    const int processes = SolverProcesses();
    const SolverLocation solver = processes > 1 ? FindParallelSolver(processes) : FindSolver(CurrentSolverSearch());
    const std::optional<QString> script = fileChooser_->OpenFile(FileKind::Script, tr(kTclFilter));
    if (!script)
        return;
    auto window = std::make_unique<SolverWindow>(solver, *script, loadLastStep_, *this, this);
    lastRunFolder_ = QFileInfo(*script).absolutePath();
    window->Start();
    ShowDialog(window.release());
}

void MainWindow::TutorialClicked()
{
    OpenTutorial(*urlOpener_, QCoreApplication::applicationDirPath());
}

void MainWindow::AboutClicked()
{
    ShowDialog(aboutDialog_);
}

void MainWindow::ShowSolverSetting()
{
    solverSettingDialog_->Reload();
    ShowDialog(solverSettingDialog_);
}

void MainWindow::SetUrlOpener(std::unique_ptr<UrlOpener> opener)
{
    urlOpener_ = std::move(opener);
}

void MainWindow::DrawingPressed(Qt::MouseButton button, int x, int y, Qt::KeyboardModifiers modifiers)
{
    RunCommand([&] {
        const ViewReaction reaction = MouseDown(session_.model, projection_, session_.view, button, x, y, modifiers);
        Apply(reaction);
        const std::int32_t mode = session_.view.MouseMode;
        if (session_.view.Gesture != DragGesture::None || mode == kPanning || mode == kRotating)
            drawingArea_->PrepareSteps(session_.model, session_.results, session_.view);
        if (reaction.showContextMenu)
            ShowDrawingMenu(x, y);
    });
}

void MainWindow::DrawingMoved(int x, int y)
{
    RunCommand([&] {
        const ViewArea area = Area();
        statusBar_->SetCursorText(CursorStatusText(session_.model, session_.view, area, x, y).value_or(QString()));
        const std::int32_t planeAxis = session_.view.PlaneAxis;
        ApplyStep(MouseMove(session_.view, area, x, y));
        if (session_.view.PlaneAxis != planeAxis) // a rotation left the plane
            ShowPlaneStatus();
    });
}

void MainWindow::DrawingReleased(int x, int y)
{
    RunCommand([&] { Apply(MouseUp(session_.view, Area(), x, y)); });
}

void MainWindow::FormMouseWheelDown()
{
    RunCommand([this] { ApplyStep(WheelDown(session_.view)); });
}

void MainWindow::FormMouseWheelUp()
{
    RunCommand([this] { ApplyStep(WheelUp(session_.view)); });
}

// The first showing paints the banner through "Refresh".
void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    RunCommand([this] { RefreshClicked(); });
}

void MainWindow::wheelEvent(QWheelEvent* event)
{
    const int steps = event->angleDelta().y();
    if (steps < 0)
        FormMouseWheelDown();
    else if (steps > 0)
        FormMouseWheelUp();
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = DroppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    RunCommand([this, path] { OpenPath(path); });
}

} // namespace mirelo
