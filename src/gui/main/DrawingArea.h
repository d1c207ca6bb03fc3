#pragma once

#include "view/DragPicture.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <optional>

namespace mirelo {

// The viewer's raster drawing area (Image1): it keeps the last painted picture
// and shows it again when uncovered; painting happens only on a redraw. Mouse
// presses, moves and releases are passed on with pixel positions.
class DrawingArea : public QWidget {
    Q_OBJECT

public:
    explicit DrawingArea(QWidget* parent = nullptr);

    // The canvas sized to the area (at least 1 x 1 pixel), ready to be painted.
    QImage& PrepareCanvas();
    const QImage& Canvas() const { return canvas_; }

    // A step of a drag or of the wheel: paints the drag picture (gathered when
    // the view needs a new one) and, once the mouse has rested kRestMs, emits
    // Rested for the full picture. False, painting nothing, when the drag
    // picture cannot show the view.
    bool PaintStep(const Model& model, const ResultSet& results, const ViewState& view);
    // Gathers the drag picture ahead of the first step (at the press).
    void PrepareSteps(const Model& model, const ResultSet& results, const ViewState& view);
    // Forgets the drag picture: the model or the view has changed otherwise.
    void EndSteps();
    static constexpr int kRestMs = 30;
    // How long the mouse must rest before Rested (kRestMs unless set).
    void SetRestInterval(int milliseconds) { restTimer_.setInterval(milliseconds); }

signals:
    void MousePressed(Qt::MouseButton button, int x, int y, Qt::KeyboardModifiers modifiers);
    void MouseMoved(int x, int y);
    void MouseReleased(int x, int y);
    void Resized();
    void Rested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage canvas_;
    std::optional<DragPicture> dragPicture_;
    QTimer restTimer_;
};

} // namespace mirelo
