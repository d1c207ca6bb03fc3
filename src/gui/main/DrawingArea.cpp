#include "gui/main/DrawingArea.h"

#include "view/Redraw.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace mirelo {

DrawingArea::DrawingArea(QWidget* parent) : QWidget(parent)
{
    setObjectName("Image1");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(1, 1);
    setMouseTracking(true); // moves reach the viewer whatever buttons are held
    restTimer_.setSingleShot(true);
    restTimer_.setInterval(kRestMs);
    connect(&restTimer_, &QTimer::timeout, this, &DrawingArea::Rested);
}

void DrawingArea::PrepareSteps(const Model& model, const ResultSet& results, const ViewState& view)
{
    const QImage& canvas = PrepareCanvas();
    if (DragPicture::Shows(view) && !(dragPicture_ && dragPicture_->Fits(results, view, canvas.size())))
        dragPicture_.emplace(model, results, view, canvas.size());
}

bool DrawingArea::PaintStep(const Model& model, const ResultSet& results, const ViewState& view)
{
    if (!DragPicture::Shows(view))
        return false;
    PrepareSteps(model, results, view);
    dragPicture_->Paint(view, canvas_);
    update();
    restTimer_.start();
    return true;
}

void DrawingArea::EndSteps()
{
    dragPicture_.reset();
    restTimer_.stop();
}

QImage& DrawingArea::PrepareCanvas()
{
    const QSize size(std::max(width(), 1), std::max(height(), 1));
    if (canvas_.size() != size)
        canvas_ = NewCanvasImage(size);
    return canvas_;
}

void DrawingArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawImage(0, 0, canvas_);
}

void DrawingArea::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    emit MousePressed(event->button(), at.x(), at.y(), event->modifiers());
}

void DrawingArea::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    emit MouseMoved(at.x(), at.y());
}

void DrawingArea::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    emit MouseReleased(at.x(), at.y());
}

void DrawingArea::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    emit Resized();
}

} // namespace mirelo
