#pragma once

#include <QImage>
#include <QWidget>

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

signals:
    void MousePressed(Qt::MouseButton button, int x, int y, Qt::KeyboardModifiers modifiers);
    void MouseMoved(int x, int y);
    void MouseReleased(int x, int y);
    void Resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage canvas_;
};

} // namespace mirelo
