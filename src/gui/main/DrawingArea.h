#pragma once

#include "common/SerialWorker.h"
#include "view/DragPicture.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

namespace mirelo {

// The viewer's raster drawing area (Image1): it keeps the last painted picture
// and shows it again when uncovered; painting happens only on a redraw. Mouse
// presses, moves and releases are passed on with pixel positions.
class DrawingArea : public QWidget {
    Q_OBJECT

public:
    explicit DrawingArea(QWidget* parent = nullptr);
    ~DrawingArea() override;

    // The canvas sized to the area (at least 1 x 1 pixel), ready to be painted.
    QImage& PrepareCanvas();
    const QImage& Canvas() const { return canvas_; }

    // A step of a drag or of the wheel: paints the drag picture (gathered when
    // the view needs a new one). Once the mouse rests kRestMs, the full picture
    // (PaintFullPicture) is painted on a thread of its own while the drag
    // picture stays shown, and shown when done (FullPictureShown); the next
    // step drops it. The model and results must outlive the steps; while a
    // full picture is painted, every event but a mouse move or a repaint first
    // waits for it, so nothing changes them under it.
    void PaintStep(const Model& model, const ResultSet& results, const ViewState& view);
    // Gathers the drag picture ahead of the first step (at the press).
    void PrepareSteps(const Model& model, const ResultSet& results, const ViewState& view);
    // Forgets the drag picture and any full picture under way: the model or
    // the view has changed otherwise.
    void EndSteps();
    static constexpr int kRestMs = 0; // as soon as no mouse event waits
    void SetRestInterval(int milliseconds) { restTimer_.setInterval(milliseconds); }

signals:
    void MousePressed(Qt::MouseButton button, int x, int y, Qt::KeyboardModifiers modifiers);
    void MouseMoved(int x, int y);
    void MouseReleased(int x, int y);
    void Resized();
    // The full picture painted after a rest is on the canvas; `projection` is
    // the one it was painted with, for picking.
    void FullPictureShown(const Projection& projection);
    // The full picture after a rest could not be painted on its own thread
    // (a layer raised an error): the window paints it, and reports the error.
    void Rested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct FullPicture;
    void StartFullPicture();
    // Waits for picture `id` (an older step's is asked to stop) and shows it
    // when it is the last step's.
    void FinishFullPicture(std::uint64_t id);
    void StopFullPictures(); // asks every one under way to stop and waits for it

    QImage canvas_;
    std::shared_ptr<const DragPicture> dragPicture_; // shared with the full picture under way
    QTimer restTimer_;
    // What the last step showed, for the full picture after the rest.
    const Model* model_ = nullptr;
    const ResultSet* results_ = nullptr;
    ViewState view_;
    std::uint64_t step_ = 0; // counts the steps; a full picture of an older one is dropped
    std::uint64_t lastPicture_ = 0;
    std::vector<std::unique_ptr<FullPicture>> fullPictures_; // under way, or stopping
    SerialWorker painter_; // last: its thread ends before what its work uses
};

} // namespace mirelo
