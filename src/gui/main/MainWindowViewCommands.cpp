// The main window's further commands: stepping through
// planes, the isometric view, hiding loads, the triad and legend switches,
// keyboard panning and zooming, recent files and Exit.
#include "gui/main/MainWindow.h"

#include "view/PlaneStepping.h"

#include <QFileInfo>
#include <QMenu>
#include <QToolBar>

namespace mirelo {

void MainWindow::ShowNextPlane()
{
    Apply(NextPlane(session_.model, session_.view));
}

void MainWindow::ShowPreviousPlane()
{
    Apply(PreviousPlane(session_.model, session_.view));
}

void MainWindow::ShowAllPlanes()
{
    Apply(AllPlanes(session_.view));
}

void MainWindow::HideLoads()
{
    session_.view.LoadCaseShown = 0;
    Redraw();
}

void MainWindow::PanKey(PanDirection direction)
{
    Apply(PanByKey(session_.view, Area(), direction));
}

void MainWindow::ZoomIn()
{
    Apply(WheelDown(session_.view));
}

void MainWindow::ZoomOut()
{
    Apply(WheelUp(session_.view));
}

// A command of the window with its keys; listed in `menu` when one is given,
// otherwise only reachable by its keys.
void MainWindow::AddViewAction(QMenu* menu, const char* name, const QString& caption, const QList<QKeySequence>& keys,
                               std::function<void()> command)
{
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
    addAction(action);
    if (menu)
        menu->addAction(action);
}

void MainWindow::AddViewCommands(QMenu* view)
{
    view->addSeparator();
    AddViewAction(view, "IsometricView1", tr("3-D View (Isometric)"), {QKeySequence(Qt::CTRL | Qt::Key_4)},
                  [this] { ShowStandardView(StandardView::Isometric); });
    AddViewAction(view, "NextPlane1", tr("Next Plane"), {QKeySequence(Qt::Key_PageUp)}, [this] { ShowNextPlane(); });
    AddViewAction(view, "PreviousPlane1", tr("Previous Plane"), {QKeySequence(Qt::Key_PageDown)},
                  [this] { ShowPreviousPlane(); });
    AddViewAction(view, "AllPlanes1", tr("All Planes"), {QKeySequence(Qt::Key_Home)}, [this] { ShowAllPlanes(); });
    view->addSeparator();
    AddViewAction(view, "ZoomIn1", tr("Zoom In"), {QKeySequence(Qt::Key_Plus), QKeySequence(Qt::Key_Equal), QKeySequence::ZoomIn},
                  [this] { ZoomIn(); });
    AddViewAction(view, "ZoomOut1", tr("Zoom Out"), {QKeySequence(Qt::Key_Minus), QKeySequence::ZoomOut},
                  [this] { ZoomOut(); });
    AddViewAction(nullptr, "PanLeft", tr("Pan Left"), {QKeySequence(Qt::Key_Left)}, [this] { PanKey(PanDirection::Left); });
    AddViewAction(nullptr, "PanRight", tr("Pan Right"), {QKeySequence(Qt::Key_Right)}, [this] { PanKey(PanDirection::Right); });
    AddViewAction(nullptr, "PanUp", tr("Pan Up"), {QKeySequence(Qt::Key_Up)}, [this] { PanKey(PanDirection::Up); });
    AddViewAction(nullptr, "PanDown", tr("Pan Down"), {QKeySequence(Qt::Key_Down)}, [this] { PanKey(PanDirection::Down); });
    view->addSeparator();
    AddViewAction(view, "HideLoads1", tr("Hide Loads"), {QKeySequence(Qt::CTRL | Qt::Key_H)}, [this] { HideLoads(); });
    const auto toggle = [this, view](const char* name, const QString& caption, bool ViewState::*flag) {
        auto* action = view->addAction(caption);
        action->setObjectName(name);
        action->setCheckable(true);
        action->setChecked(session_.view.*flag);
        connect(action, &QAction::toggled, this, [this, flag](bool on) {
            session_.view.*flag = on;
            RunCommand([this] { Redraw(); });
        });
    };
    toggle("AxisTriad1", tr("Axis Triad"), &ViewState::ShowAxisTriad);
    toggle("Legend1", tr("Legend"), &ViewState::ShowLegend);

    // The same commands as buttons in a second toolbar.
    auto* bar = new QToolBar(tr("Planes"), this);
    bar->setObjectName("ToolBar2");
    bar->setMovable(false);
    addToolBar(Qt::TopToolBarArea, bar);
    for (const char* name : {"IsometricView1", "PreviousPlane1", "NextPlane1", "AllPlanes1", "HideLoads1"})
        bar->addAction(findChild<QAction*>(name));
    bar->widgetForAction(findChild<QAction*>("IsometricView1"))->setObjectName("IsometricButton");
    findChild<QAction*>("IsometricView1")->setIconText(tr("3-D"));
}

void MainWindow::AddFileCommands(QMenu* file)
{
    file->addSeparator();
    recentFilesMenu_ = file->addMenu(tr("Recent Files"));
    recentFilesMenu_->setObjectName("RecentFiles1");
    recentFilesMenu_->menuAction()->setObjectName("RecentFiles1");
    RebuildRecentFilesMenu();
    file->addSeparator();
    auto* exit = file->addAction(tr("Exit"));
    exit->setObjectName("Exit1");
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(exit, &QAction::triggered, this, &QWidget::close);
}

void MainWindow::RebuildRecentFilesMenu()
{
    // Later deletion: the item being triggered may be among them.
    for (QAction* old : recentFilesMenu_->actions()) {
        recentFilesMenu_->removeAction(old);
        old->deleteLater();
    }
    const QStringList paths = recentFiles_.Paths();
    recentFilesMenu_->setEnabled(!paths.isEmpty());
    for (qsizetype k = 0; k < paths.size(); ++k) {
        const QString path = paths[k];
        auto* item = recentFilesMenu_->addAction(QStringLiteral("&%1 %2").arg(k + 1).arg(QFileInfo(path).fileName()));
        item->setObjectName(QStringLiteral("RecentFile%1").arg(k + 1));
        item->setToolTip(path);
        item->setData(path);
        connect(item, &QAction::triggered, this, [this, path] { Run([this, path] { OpenPath(path); }, true); });
    }
}

} // namespace mirelo
