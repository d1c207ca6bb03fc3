#include "gui/main/DrawingArea.h"

#include "view/FullPicture.h"
#include "view/Redraw.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <future>

namespace mirelo {

// One full picture painted on a thread of its own.
struct DrawingArea::FullPicture {
    std::uint64_t id = 0;   // its finishing call finds it by this
    std::uint64_t step = 0;
    QImage image;
    Projection projection;
    std::atomic<bool> stop{false};
    bool painted = false, failed = false;
    std::promise<void> done;
    std::future<void> finished = done.get_future();
};

namespace {

// Events that change nothing the full picture reads: mouse moves (a step reads
// the model and copies the view) and repaints.
bool LeavesTheModelAlone(const QEvent& event)
{
    switch (event.type()) {
    case QEvent::MouseMove:
    case QEvent::HoverMove:
    case QEvent::Paint:
    case QEvent::UpdateRequest:
        return true;
    default:
        return false;
    }
}

} // namespace

DrawingArea::~DrawingArea()
{
    // The widget's own teardown sends events, which must not reach a half-gone filter.
    QCoreApplication::instance()->removeEventFilter(this);
    StopFullPictures();
}

DrawingArea::DrawingArea(QWidget* parent) : QWidget(parent)
{
    setObjectName("Image1");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(1, 1);
    setMouseTracking(true); // moves reach the viewer whatever buttons are held
    restTimer_.setSingleShot(true);
    restTimer_.setInterval(kRestMs);
    connect(&restTimer_, &QTimer::timeout, this, &DrawingArea::StartFullPicture);
    QCoreApplication::instance()->installEventFilter(this);
}

void DrawingArea::PrepareSteps(const Model& model, const ResultSet& results, const ViewState& view)
{
    const QImage& canvas = PrepareCanvas();
    if (!(dragPicture_ && dragPicture_->Fits(model, results, view, canvas.size())))
        dragPicture_ = std::make_shared<const DragPicture>(model, results, view, canvas.size());
}

void DrawingArea::PaintStep(const Model& model, const ResultSet& results, const ViewState& view)
{
    PrepareSteps(model, results, view);
    ++step_;
    for (const auto& job : fullPictures_)
        job->stop = true; // it ends at its next layer, without waiting for it here
    dragPicture_->Paint(view, canvas_);
    update();
    model_ = &model;
    results_ = &results;
    view_ = view;
    restTimer_.start();
}

void DrawingArea::EndSteps()
{
    dragPicture_.reset();
    restTimer_.stop();
    StopFullPictures();
    ++step_;
}

void DrawingArea::StartFullPicture()
{
    if (!model_ || !dragPicture_)
        return;
    auto job = std::make_unique<FullPicture>();
    job->id = ++lastPicture_;
    job->step = step_;
    job->image = NewCanvasImage(canvas_.size());
    FullPicture* const at = job.get();
    // The job may be gone as soon as `done` is set: the main thread waits for
    // it and then deletes it, so nothing of it is read after.
    painter_.Post([this, at, id = job->id, picture = dragPicture_, model = model_, results = results_, view = view_] {
        try {
            at->painted = PaintFullPicture(picture.get(), *model, *results, view, at->image, at->projection, at->stop);
        } catch (...) {
            at->failed = true;
        }
        at->done.set_value();
        QMetaObject::invokeMethod(this, [this, id] { FinishFullPicture(id); }, Qt::QueuedConnection);
    });
    fullPictures_.push_back(std::move(job));
}

void DrawingArea::FinishFullPicture(std::uint64_t id)
{
    const auto found = std::find_if(fullPictures_.begin(), fullPictures_.end(),
                                    [id](const auto& held) { return held->id == id; });
    if (found == fullPictures_.end())
        return; // already waited for
    std::unique_ptr<FullPicture> done = std::move(*found);
    fullPictures_.erase(found);
    if (done->step != step_)
        done->stop = true;
    done->finished.wait();
    if (done->step != step_)
        return;
    if (done->failed) {
        emit Rested();
    } else if (done->painted && done->image.size() == canvas_.size()) {
        canvas_ = std::move(done->image);
        update();
        emit FullPictureShown(done->projection);
    }
}

void DrawingArea::StopFullPictures()
{
    for (const auto& job : fullPictures_) {
        job->stop = true;
        job->finished.wait();
    }
    fullPictures_.clear();
}

bool DrawingArea::eventFilter(QObject* watched, QEvent* event)
{
    // The picture of the last step runs to its end and is shown; older ones stop.
    while (!fullPictures_.empty() && !LeavesTheModelAlone(*event))
        FinishFullPicture(fullPictures_.front()->id);
    return QWidget::eventFilter(watched, event);
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
