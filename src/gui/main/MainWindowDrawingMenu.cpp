// The drawing's context menu: the mouse modes, Zoom All, the views and the
// properties of the frame under the pointer, each running the main window's
// own command.
#include "gui/main/MainWindow.h"

#include "gui/main/DrawingArea.h"
#include "view/PickFrame.h"

#include <QMenu>

namespace mirelo {

void MainWindow::BuildDrawingMenu()
{
    drawingMenu_ = new QMenu(this);
    drawingMenu_->setObjectName("DrawingMenu");
    const auto item = [this](const char* name, const char* button) {
        QAction* target = buttonActions_.at(button);
        AddMenuItem(drawingMenu_, name, target->text(), button);
    };
    item("DrawingPan", "ToolButton3");
    item("DrawingRotate", "ToolButton4");
    item("DrawingSelect", "ToolButton17");
    item("DrawingIdle", "ToolButton30");
    drawingMenu_->addSeparator();
    item("DrawingZoomAll", "ToolButton13");
    drawingMenu_->addSeparator();
    item("DrawingXYView", "ToolButton10");
    item("DrawingXZView", "ToolButton11");
    item("DrawingYZView", "ToolButton12");
    QAction* isometric = findChild<QAction*>("IsometricView1");
    QAction* threeD = drawingMenu_->addAction(isometric->text());
    threeD->setObjectName("DrawingIsometricView");
    connect(threeD, &QAction::triggered, isometric, &QAction::trigger);
    drawingMenu_->addSeparator();
    framePropertiesItem_ = drawingMenu_->addAction(tr("Frame Properties"));
    framePropertiesItem_->setObjectName("DrawingFrameProperties");
    connect(framePropertiesItem_, &QAction::triggered, this,
            [this] { RunCommand([this] { ShowFrameProperties(menuFrame_); }); });
}

void MainWindow::ShowDrawingMenu(int x, int y)
{
    menuFrame_ = FrameAt(session_.model, projection_, session_.view, x, y);
    framePropertiesItem_->setEnabled(menuFrame_ != 0);
    drawingMenu_->popup(drawingArea_->mapToGlobal(QPoint(x, y)));
}

void MainWindow::ShowFrameProperties(std::int32_t frame)
{
    if (!session_.model.Frames.Contains(frame))
        return;
    session_.view.SelectedFrame = frame;
    Apply({.redraw = true, .showFrameProperties = true, .showContextMenu = false, .status = std::nullopt});
}

} // namespace mirelo
