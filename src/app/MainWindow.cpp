#include "app/MainWindow.h"

#include "app/DisplayText.h"
#include "app/DrawingArea.h"
#include "app/ModelStatusBar.h"
#include "app/ToolbarIcons.h"
#include "model/ImportS2k.h"
#include "view/FramePropertiesDialog.h"
#include "view/LoadDisplayDialog.h"
#include "view/Redraw.h"
#include "view/ViewOptionDialog.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFrame>
#include <QMenuBar>
#include <QMimeData>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <exception>
#include <optional>

namespace mirelo {

namespace {

const char* const kS2kFilter = "s2k file|*.s2k";

// The wait cursor while a command that may take long runs.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// The one local s2k file a drag carries, or an empty text.
QString DroppedS2kFile(const QMimeData* data)
{
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1)
        return {};
    const QUrl url = data->urls().front();
    if (!url.isLocalFile() || !url.toLocalFile().endsWith(".s2k", Qt::CaseInsensitive))
        return {};
    return url.toLocalFile();
}

} // namespace

MainWindow::MainWindow(std::unique_ptr<FileChooser> fileChooser, std::unique_ptr<Messenger> messenger)
    : fileChooser_(std::move(fileChooser)), messenger_(std::move(messenger))
{
    if (!fileChooser_)
        fileChooser_ = std::make_unique<DialogFileChooser>(this);
    if (!messenger_)
        messenger_ = std::make_unique<MessageBoxMessenger>(this);

    setObjectName("TForm1");
    setWindowTitle("Mirelo");
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

    connect(drawingArea_, &DrawingArea::MousePressed, this, &MainWindow::Image1MouseDown);
    connect(drawingArea_, &DrawingArea::MouseMoved, this, &MainWindow::Image1MouseMove);
    connect(drawingArea_, &DrawingArea::MouseReleased, this, &MainWindow::Image1MouseUp);
    // The surface follows the window: every change of size repaints at the new size.
    connect(drawingArea_, &DrawingArea::Resized, this, [this] {
        if (shown_)
            RunCommand([this] { Redraw(); });
    });

    viewOptionDialog_ = new ViewOptionDialog(session_, *this, this);
    loadDisplayDialog_ = new LoadDisplayDialog(session_, *this, this);
    framePropertiesDialog_ = new FramePropertiesDialog(session_, *this, this);

    BuildToolBar();
    BuildMenus();
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildToolBar()
{
    auto* toolBar = new QToolBar(this);
    toolBar->setObjectName("ToolBar1");
    toolBar->setMovable(false);
    toolBar->setIconSize(QSize(20, 20));
    addToolBar(Qt::TopToolBarArea, toolBar);

    const auto show = [this](QDialog* dialog) { return [this, dialog] { ShowDialog(dialog); }; };
    const auto mode = [this](ViewReaction (*arm)(ViewState&)) {
        return [this, arm] { Apply(arm(session_.view)); };
    };
    const auto separator = [toolBar](const char* name) { toolBar->addSeparator()->setObjectName(name); };
    using P = ToolbarPicture;

    AddToolButton(toolBar, "ToolButton1", P::Open, "Import Sap2000 txt file", [this] { OpenS2kFile(); }, false);
    separator("ToolButton7");
    AddToolButton(toolBar, "ToolButton5", P::FrameSection, "Frame Section", nullptr);
    AddToolButton(toolBar, "ToolButton6", P::Material, "Material", nullptr);
    separator("ToolButton14");
    AddToolButton(toolBar, "ToolButton10", P::XYView, "XY View", [this] { ShowStandardView(StandardView::XY); });
    AddToolButton(toolBar, "ToolButton11", P::XZView, "XZ View", [this] { ShowStandardView(StandardView::XZ); });
    AddToolButton(toolBar, "ToolButton12", P::YZView, "YZ View", [this] { ShowStandardView(StandardView::YZ); });
    AddToolButton(toolBar, "ToolButton13", P::ZoomAll, "Zoom All", [this] { ToolButton13Click(); });
    separator("ToolButton15");
    AddToolButton(toolBar, "ToolButton4", P::Rotate, "Rotate View", mode(ArmRotate), false);
    AddToolButton(toolBar, "ToolButton3", P::Pan, "Pan", mode(ArmPan), false);
    AddToolButton(toolBar, "ToolButton2", P::Refresh, "Refresh", [this] { ToolButton2Click(); });
    separator("ToolButton18");
    AddToolButton(toolBar, "ToolButton16", P::ShowLoad, "Show Load", show(loadDisplayDialog_), false);
    AddToolButton(toolBar, "ToolButton9", P::ViewOption, "View Option", show(viewOptionDialog_), false);
    AddToolButton(toolBar, "ToolButton17", P::Select, "Select Elem", mode(ArmSelect), false);
    AddToolButton(toolBar, "ToolButton30", P::Idle, "Idle (the mouse does nothing)", mode(SetIdleMode), false);
    separator("ToolButton29");
    AddToolButton(toolBar, "ToolButton19", P::Analysis, "Analysis Case", nullptr);
    AddToolButton(toolBar, "ToolButton24", P::Recorder, "Recorder Setting", nullptr);
    AddToolButton(toolBar, "ToolButton8", P::Script, "OpenSEES tcl File", nullptr);
    AddToolButton(toolBar, "ToolButton26", P::RunSolver, "Run OpenSEES", nullptr);
    AddToolButton(toolBar, "ToolButton27", P::ClearResults, "Clear Results", nullptr);
    AddToolButton(toolBar, "ToolButton25", P::Results, "Deformation", nullptr);
}

// A command without an implementation yet stands in the toolbar disabled.
void MainWindow::AddToolButton(QToolBar* toolBar, const char* name, ToolbarPicture picture, const QString& tip,
                               std::function<void()> command, bool longRunning)
{
    auto* action = new QAction(ToolbarIcon(picture), tip, this);
    action->setToolTip(command ? tip : tip + " (not available yet)");
    action->setEnabled(static_cast<bool>(command));
    if (command)
        connect(action, &QAction::triggered, this, [this, command, longRunning] { Run(command, longRunning); });
    toolBar->addAction(action);
    toolBar->widgetForAction(action)->setObjectName(name);
    buttonActions_[name] = action;
}

// A menu item triggers its tool button, so both always do the same; an item
// without a button stands disabled until its command comes.
void MainWindow::AddMenuItem(QMenu* menu, const char* name, const QString& caption, const char* button,
                             const QKeySequence& shortcut)
{
    auto* item = menu->addAction(caption);
    item->setObjectName(name);
    item->setShortcut(shortcut);
    const auto target = button ? buttonActions_.find(button) : buttonActions_.end();
    if (target == buttonActions_.end()) {
        item->setEnabled(false);
        return;
    }
    QAction* action = target->second;
    item->setEnabled(action->isEnabled());
    connect(item, &QAction::triggered, action, &QAction::trigger);
}

void MainWindow::BuildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu1");

    QMenu* file = bar->addMenu("File");
    file->setObjectName("File1");
    AddMenuItem(file, "ImportSap2000txtfile1", "Import Sap2000 txt file", "ToolButton1", QKeySequence::Open);
    file->addSeparator();
    AddMenuItem(file, "Sap2000V14toSap2000v6s2k1", "Sap2000V14 to Sap2000 v6 (s2k)", nullptr);

    QMenu* view = bar->addMenu("View");
    view->setObjectName("View1");
    AddMenuItem(view, "Pan1", "Pan", "ToolButton3");
    AddMenuItem(view, "ZoomAll1", "Zoom All", "ToolButton13", QKeySequence(Qt::CTRL | Qt::Key_0));
    AddMenuItem(view, "RotateView1", "Rotate View", "ToolButton4");
    AddMenuItem(view, "Refresh1", "Refresh", "ToolButton2", QKeySequence(Qt::Key_F5));
    view->addSeparator();
    AddMenuItem(view, "XYView1", "XY View", "ToolButton10", QKeySequence(Qt::CTRL | Qt::Key_1));
    AddMenuItem(view, "XZView1", "XZ View", "ToolButton11", QKeySequence(Qt::CTRL | Qt::Key_2));
    AddMenuItem(view, "YZView1", "YZ View", "ToolButton12", QKeySequence(Qt::CTRL | Qt::Key_3));
    view->addSeparator();
    AddMenuItem(view, "ViewOption1", "View Option", "ToolButton9");
    AddMenuItem(view, "ShowLoads1", "Show Load", "ToolButton16");

    QMenu* define = bar->addMenu("Define");
    define->setObjectName("Define1");
    AddMenuItem(define, "FrameSection1", "Frame Section", "ToolButton5");
    AddMenuItem(define, "Material1", "Material", "ToolButton6");
    define->addSeparator();
    AddMenuItem(define, "RecorderSetting1", "Recorder Setting", "ToolButton24");
    AddMenuItem(define, "AnalysisCase1", "Analysis Case", "ToolButton19");

    QMenu* script = bar->addMenu("Gen_tcl");
    script->setObjectName("Gentcl1");
    AddMenuItem(script, "OpenSEEStclFile1", "OpenSEES tcl File", "ToolButton8");
    script->addSeparator();
    AddMenuItem(script, "RunOpenSEES1", "Run OpenSEES", "ToolButton26");

    QMenu* post = bar->addMenu("Post");
    post->setObjectName("Post1");
    AddMenuItem(post, "Deform1", "Deformation", "ToolButton25");
    post->addAction("Force")->setObjectName("Force1"); // does nothing

    QMenu* help = bar->addMenu("Help");
    help->setObjectName("Help1");
    AddMenuItem(help, "Manuel1", "Mirelo Tutorial", nullptr);
    help->addSeparator();
    AddMenuItem(help, "About1", "About", nullptr);
}

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

// Repaints the canvas; what was painted before an error is still shown.
void MainWindow::Redraw()
{
    QImage& canvas = drawingArea_->PrepareCanvas();
    try {
        mirelo::Redraw(session_.model, session_.view, canvas);
    } catch (...) {
        drawingArea_->update();
        throw;
    }
    drawingArea_->update();
}

void MainWindow::ShowDialog(QDialog* dialog)
{
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void MainWindow::Apply(const ViewReaction& reaction)
{
    if (reaction.showFrameProperties)
        framePropertiesDialog_->show();
    if (reaction.redraw)
        Redraw();
    if (reaction.status)
        statusBar_->SetPanelText(ModelStatusBar::kModePanel, *reaction.status);
}

void MainWindow::OpenS2kFile()
{
    const std::optional<QString> path = fileChooser_->OpenFile(kS2kFilter);
    if (path)
        OpenS2kPath(*path);
}

void MainWindow::OpenS2kPath(const QString& path)
{
    WaitCursor busy;
    S2kImport imported = ImportS2kFile(QFile::encodeName(path).toStdString());
    // The sheet of a frame of the old model would be stale: close it, which
    // also drops the selection.
    framePropertiesDialog_->close();
    session_.S2kLines = std::move(imported.lines);
    session_.model = std::move(imported.model);
    session_.view.SelectedFrame = 0;
    if (session_.view.LoadCaseShown > session_.model.LoadCaseCount)
        session_.view.LoadCaseShown = 0;
    ShowModelCounts();
    Redraw();
    ToolButton13Click();
}

void MainWindow::ShowModelCounts()
{
    statusBar_->ShowModelCounts(session_.model);
}

void MainWindow::ToolButton2Click()
{
    session_.view.LoadCaseShown = 0;
    Redraw();
}

void MainWindow::ToolButton13Click()
{
    ZoomAll(session_.model, session_.view, Area());
    Redraw();
}

void MainWindow::ShowStandardView(StandardView which)
{
    SetStandardView(session_.model, session_.view, which, Area());
    Redraw();
}

void MainWindow::Image1MouseDown(Qt::MouseButton button, int x, int y)
{
    RunCommand([&] { Apply(MouseDown(session_.model, session_.view, button, x, y)); });
}

void MainWindow::Image1MouseMove(int x, int y)
{
    RunCommand([&] { Apply(MouseMove(session_.view, Area(), x, y)); });
}

void MainWindow::Image1MouseUp(int x, int y)
{
    RunCommand([&] { Apply(MouseUp(session_.view, Area(), x, y)); });
}

void MainWindow::FormMouseWheelDown()
{
    RunCommand([this] { Apply(WheelDown(session_.view)); });
}

void MainWindow::FormMouseWheelUp()
{
    RunCommand([this] { Apply(WheelUp(session_.view)); });
}

// The first showing paints the banner through "Refresh".
void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    RunCommand([this] { ToolButton2Click(); });
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
    if (!DroppedS2kFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = DroppedS2kFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    RunCommand([this, path] { OpenS2kPath(path); });
}

} // namespace mirelo
