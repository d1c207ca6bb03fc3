// The command map of the main window: every toolbar button in its order and
// every menu item, each menu item triggering its button.
#include "gui/main/MainWindow.h"

#include "gui/main/ToolbarIcons.h"
#include "gui/results/ResultsDialog.h"
#include "gui/script/AnalysisDialog.h"
#include "gui/script/ScriptWindow.h"
#include "gui/sections/FrameSectionDialog.h"
#include "gui/sections/MaterialDialog.h"
#include "gui/view/LoadDisplayDialog.h"
#include "gui/view/ViewOptionDialog.h"

#include <QMenuBar>
#include <QToolBar>

namespace mirelo {

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

    AddToolButton(toolBar, "ToolButton1", P::Open, tr("Import Sap2000 txt file"), [this] { OpenS2kFile(); }, false);
    separator("ToolButton7");
    AddToolButton(toolBar, "ToolButton5", P::FrameSection, tr("Frame Section"), show(frameSectionDialog_), false);
    AddToolButton(toolBar, "ToolButton6", P::Material, tr("Material"), show(materialDialog_), false);
    separator("ToolButton14");
    AddToolButton(toolBar, "ToolButton10", P::XYView, tr("XY View"), [this] { ShowStandardView(StandardView::XY); });
    AddToolButton(toolBar, "ToolButton11", P::XZView, tr("XZ View"), [this] { ShowStandardView(StandardView::XZ); });
    AddToolButton(toolBar, "ToolButton12", P::YZView, tr("YZ View"), [this] { ShowStandardView(StandardView::YZ); });
    AddToolButton(toolBar, "ToolButton13", P::ZoomAll, tr("Zoom All"), [this] { ZoomAllClicked(); });
    separator("ToolButton15");
    AddToolButton(toolBar, "ToolButton4", P::Rotate, tr("Rotate View"), mode(ArmRotate), false);
    AddToolButton(toolBar, "ToolButton3", P::Pan, tr("Pan"), mode(ArmPan), false);
    AddToolButton(toolBar, "ToolButton2", P::Refresh, tr("Refresh"), [this] { RefreshClicked(); });
    separator("ToolButton18");
    AddToolButton(toolBar, "ToolButton16", P::ShowLoad, tr("Show Load"), show(loadDisplayDialog_), false);
    AddToolButton(toolBar, "ToolButton9", P::ViewOption, tr("View Option"), show(viewOptionDialog_), false);
    AddToolButton(toolBar, "ToolButton17", P::Select, tr("Select Elem"), mode(ArmSelect), false);
    AddToolButton(toolBar, "ToolButton30", P::Idle, tr("Idle (the mouse does nothing)"), mode(SetIdleMode), false);
    separator("ToolButton29");
    AddToolButton(toolBar, "ToolButton19", P::Analysis, tr("Analysis Case"), show(analysisDialog_), false);
    AddToolButton(toolBar, "ToolButton24", P::Recorder, tr("Recorder Setting"), show(recorderDialog_), false);
    AddToolButton(toolBar, "ToolButton8", P::Script, tr("OpenSEES tcl File"), show(scriptWindow_), false);
    AddToolButton(toolBar, "ToolButton26", P::RunSolver, tr("Run OpenSEES"), [this] { RunSolverClicked(); }, false);
    AddToolButton(toolBar, "ToolButton27", P::ClearResults, tr("Clear Results"), [this] { ClearResultsClicked(); });
    AddToolButton(toolBar, "ToolButton25", P::Results, tr("Deformation"), show(resultsDialog_), false);
}

// A command without an implementation yet stands in the toolbar disabled.
void MainWindow::AddToolButton(QToolBar* toolBar, const char* name, ToolbarPicture picture, const QString& tip,
                               std::function<void()> command, bool longRunning)
{
    auto* action = new QAction(ToolbarIcon(picture), tip, this);
    action->setToolTip(command ? tip : tr("%1 (not available yet)").arg(tip));
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

// A menu item of its own, without a tool button.
void MainWindow::AddMenuCommand(QMenu* menu, const char* name, const QString& caption, std::function<void()> command)
{
    auto* item = menu->addAction(caption);
    item->setObjectName(name);
    connect(item, &QAction::triggered, this, [this, command] { RunCommand(command); });
}

void MainWindow::BuildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu1");

    QMenu* file = bar->addMenu(tr("File"));
    file->setObjectName("File1");
    AddProjectCommands(file);
    AddMenuItem(file, "ImportSap2000txtfile1", tr("Import Sap2000 txt file"), "ToolButton1", QKeySequence::Open);
    AddMenuCommand(file, "ExportPicture1", tr("Export Picture..."), [this] { ExportPicture(); });
    file->addSeparator();
    QAction* converter = file->addAction(tr("Sap2000V14 to Sap2000 v6 (s2k)"));
    converter->setObjectName("Sap2000V14toSap2000v6s2k1");
    connect(converter, &QAction::triggered, this, [this] { V14ConverterClicked(); });
    AddFileCommands(file);
    AddEditMenu();

    QMenu* view = bar->addMenu(tr("View"));
    view->setObjectName("View1");
    AddMenuItem(view, "Pan1", tr("Pan"), "ToolButton3");
    AddMenuItem(view, "ZoomAll1", tr("Zoom All"), "ToolButton13", QKeySequence(Qt::CTRL | Qt::Key_0));
    AddMenuItem(view, "RotateView1", tr("Rotate View"), "ToolButton4");
    AddMenuItem(view, "Refresh1", tr("Refresh"), "ToolButton2", QKeySequence(Qt::Key_F5));
    view->addSeparator();
    AddMenuItem(view, "XYView1", tr("XY View"), "ToolButton10", QKeySequence(Qt::CTRL | Qt::Key_1));
    AddMenuItem(view, "XZView1", tr("XZ View"), "ToolButton11", QKeySequence(Qt::CTRL | Qt::Key_2));
    AddMenuItem(view, "YZView1", tr("YZ View"), "ToolButton12", QKeySequence(Qt::CTRL | Qt::Key_3));
    view->addSeparator();
    AddMenuItem(view, "ViewOption1", tr("View Option"), "ToolButton9");
    AddMenuItem(view, "ShowLoads1", tr("Show Load"), "ToolButton16");
    AddViewCommands(view);

    QMenu* define = bar->addMenu(tr("Define"));
    define->setObjectName("Define1");
    AddMenuItem(define, "FrameSection1", tr("Frame Section"), "ToolButton5");
    AddMenuItem(define, "Material1", tr("Material"), "ToolButton6");
    define->addSeparator();
    AddMenuItem(define, "RecorderSetting1", tr("Recorder Setting"), "ToolButton24");
    AddMenuItem(define, "AnalysisCase1", tr("Analysis Case"), "ToolButton19");

    QMenu* script = bar->addMenu(tr("Gen_tcl"));
    script->setObjectName("Gentcl1");
    AddMenuItem(script, "OpenSEEStclFile1", tr("OpenSEES tcl File"), "ToolButton8");
    script->addSeparator();
    AddMenuItem(script, "RunOpenSEES1", tr("Run OpenSEES"), "ToolButton26");
    AddMenuCommand(script, "RunSuite1", tr("Run Suite"), [this] { ShowSuite(); });
    AddMenuCommand(script, "SolverSetting1", tr("Solver Setting"), [this] { ShowSolverSetting(); });

    QMenu* post = bar->addMenu(tr("Post"));
    post->setObjectName("Post1");
    AddMenuItem(post, "Deform1", tr("Deformation"), "ToolButton25");
    AddMenuCommand(post, "Force1", tr("Force"), [this] { ShowForceDiagram(); });
    AddMenuCommand(post, "Reactions1", tr("Reactions"), [this] { ShowReactions(); });
    QAction* curves = post->addAction(tr("Curves"));
    curves->setObjectName("Curves1");
    connect(curves, &QAction::triggered, this, [this] { ShowCurves(); });

    QMenu* help = bar->addMenu(tr("Help"));
    help->setObjectName("Help1");
    AddMenuCommand(help, "Manuel1", tr("Mirelo Tutorial"), [this] { TutorialClicked(); });
    help->addSeparator();
    AddMenuCommand(help, "About1", tr("About"), [this] { AboutClicked(); });
}

} // namespace mirelo
