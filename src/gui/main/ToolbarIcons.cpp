#include "gui/main/ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace mirelo {

namespace {

const QColor kInk(40, 40, 48);
const QColor kBlue(30, 90, 200);
const QColor kRed(210, 40, 40);
const QColor kGreen(20, 150, 60);
const QColor kGold(230, 180, 30);

QPen Pen(const QColor& colour, double width = 1.5)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour)
{
    p.setPen(Pen(colour));
    p.drawLine(from, to);
    const QLineF shaft(to, from);
    QLineF wing1 = shaft;
    wing1.setLength(4);
    wing1.setAngle(shaft.angle() + 35);
    QLineF wing2 = shaft;
    wing2.setLength(4);
    wing2.setAngle(shaft.angle() - 35);
    p.drawLine(wing1);
    p.drawLine(wing2);
}

// Two axes with their letters: the picture of a standard view.
void AxesPicture(QPainter& p, const QString& right, const QString& up)
{
    Arrow(p, {4, 16}, {17, 16}, kRed);
    Arrow(p, {4, 16}, {4, 3}, kGreen);
    QFont font = p.font();
    font.setPixelSize(8);
    font.setBold(true);
    p.setFont(font);
    p.setPen(kInk);
    p.drawText(QRectF(9, 6, 11, 9), Qt::AlignCenter, right + up);
}

void CircularArrow(QPainter& p, const QRectF& box, int startDegrees, int spanDegrees, const QColor& colour)
{
    p.setPen(Pen(colour));
    p.setBrush(Qt::NoBrush);
    p.drawArc(box, startDegrees * 16, spanDegrees * 16);
    QPainterPath arc;
    arc.arcMoveTo(box, startDegrees + spanDegrees);
    const QPointF tip = arc.currentPosition();
    arc.arcMoveTo(box, startDegrees + spanDegrees - 25);
    Arrow(p, arc.currentPosition(), tip, colour);
}

void Draw(QPainter& p, ToolbarPicture picture)
{
    switch (picture) {
    case ToolbarPicture::Open:
        p.setPen(Pen(kInk, 1));
        p.setBrush(kGold);
        p.drawPolygon(QPolygonF({{2, 5}, {7, 5}, {9, 7}, {16, 7}, {16, 16}, {2, 16}}));
        p.setBrush(QColor(250, 215, 90));
        p.drawPolygon(QPolygonF({{4, 10}, {19, 10}, {16, 16}, {2, 16}}));
        break;
    case ToolbarPicture::FrameSection: // an I shape
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawRect(QRectF(3, 2, 14, 3));
        p.drawRect(QRectF(3, 15, 14, 3));
        p.drawRect(QRectF(8.5, 5, 3, 10));
        break;
    case ToolbarPicture::Material: // a block with a hatched face
        p.setPen(Pen(kInk, 1));
        p.setBrush(QColor(180, 180, 190));
        p.drawRect(QRectF(3, 6, 11, 11));
        p.setBrush(QColor(210, 210, 220));
        p.drawPolygon(QPolygonF({{3, 6}, {7, 2}, {18, 2}, {14, 6}}));
        p.setBrush(QColor(150, 150, 160));
        p.drawPolygon(QPolygonF({{14, 6}, {18, 2}, {18, 13}, {14, 17}}));
        p.setPen(Pen(kInk, 0.8));
        for (double x = 5; x < 14; x += 3)
            p.drawLine(QPointF(x, 17), QPointF(x + 3, 13));
        break;
    case ToolbarPicture::XYView:
        AxesPicture(p, "X", "Y");
        break;
    case ToolbarPicture::XZView:
        AxesPicture(p, "X", "Z");
        break;
    case ToolbarPicture::YZView:
        AxesPicture(p, "Y", "Z");
        break;
    case ToolbarPicture::ZoomAll: // corner brackets around a frame
        p.setPen(Pen(kInk));
        for (const auto& corner : {QPointF(2, 2), QPointF(18, 2), QPointF(18, 18), QPointF(2, 18)}) {
            const double dx = corner.x() < 10 ? 4 : -4;
            const double dy = corner.y() < 10 ? 4 : -4;
            p.drawLine(corner, corner + QPointF(dx, 0));
            p.drawLine(corner, corner + QPointF(0, dy));
        }
        p.setPen(Pen(kBlue, 2));
        p.drawLine(QPointF(6, 14), QPointF(6, 7));
        p.drawLine(QPointF(14, 14), QPointF(14, 7));
        p.drawLine(QPointF(5, 7), QPointF(15, 7));
        break;
    case ToolbarPicture::Rotate:
        CircularArrow(p, QRectF(3, 3, 14, 14), 200, 270, kBlue);
        break;
    case ToolbarPicture::Pan: // arrows to the four sides
        Arrow(p, {10, 10}, {10, 2}, kInk);
        Arrow(p, {10, 10}, {10, 18}, kInk);
        Arrow(p, {10, 10}, {2, 10}, kInk);
        Arrow(p, {10, 10}, {18, 10}, kInk);
        break;
    case ToolbarPicture::Refresh:
        CircularArrow(p, QRectF(3, 3, 14, 14), 90, 150, kGreen);
        CircularArrow(p, QRectF(3, 3, 14, 14), 270, 150, kGreen);
        break;
    case ToolbarPicture::ShowLoad: // arrows pressing on a beam
        p.setPen(Pen(kInk, 2));
        p.drawLine(QPointF(2, 17), QPointF(18, 17));
        for (double x : {5.0, 10.0, 15.0})
            Arrow(p, {x, 3}, {x, 14}, kRed);
        break;
    case ToolbarPicture::ViewOption: // a list of ticked boxes
        for (int row = 0; row < 3; ++row) {
            const double y = 3 + row * 5.5;
            p.setPen(Pen(kInk, 1));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(2, y, 4, 4));
            p.drawLine(QPointF(9, y + 2), QPointF(18, y + 2));
            if (row != 1) {
                p.setPen(Pen(kGreen, 1.5));
                p.drawLine(QPointF(2.5, y + 2), QPointF(4, y + 3.5));
                p.drawLine(QPointF(4, y + 3.5), QPointF(6.5, y - 0.5));
            }
        }
        break;
    case ToolbarPicture::Select: // a pointer over a highlighted member
        p.setPen(Pen(kGold, 3));
        p.drawLine(QPointF(2, 17), QPointF(18, 11));
        p.setPen(Pen(kInk, 1));
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({{6, 2}, {6, 15}, {9, 12}, {11, 17}, {13, 16}, {11, 11}, {15, 11}}));
        break;
    case ToolbarPicture::Idle: // a pause sign
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 120, 130));
        p.drawRect(QRectF(5, 4, 3.5, 12));
        p.drawRect(QRectF(11.5, 4, 3.5, 12));
        break;
    case ToolbarPicture::Analysis: // a load-displacement curve
        p.setPen(Pen(kInk, 1));
        p.drawLine(QPointF(3, 2), QPointF(3, 17));
        p.drawLine(QPointF(3, 17), QPointF(18, 17));
        p.setPen(Pen(kBlue));
        {
            QPainterPath curve(QPointF(3, 17));
            curve.cubicTo(QPointF(6, 8), QPointF(10, 5), QPointF(18, 5));
            p.drawPath(curve);
        }
        break;
    case ToolbarPicture::Recorder: // a recording dot over a sheet
        p.setPen(Pen(kInk, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2, 3, 12, 15));
        for (double y : {7.0, 10.0, 13.0})
            p.drawLine(QPointF(4, y), QPointF(12, y));
        p.setPen(Qt::NoPen);
        p.setBrush(kRed);
        p.drawEllipse(QPointF(15, 14), 4, 4);
        break;
    case ToolbarPicture::Script: { // a page of script
        p.setPen(Pen(kInk, 1));
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({{3, 2}, {13, 2}, {17, 6}, {17, 18}, {3, 18}}));
        QFont font = p.font();
        font.setPixelSize(7);
        font.setBold(true);
        p.setFont(font);
        p.setPen(kBlue);
        p.drawText(QRectF(3, 7, 14, 9), Qt::AlignCenter, "tcl");
        break;
    }
    case ToolbarPicture::RunSolver:
        p.setPen(Qt::NoPen);
        p.setBrush(kGreen);
        p.drawPolygon(QPolygonF({{5, 3}, {17, 10}, {5, 17}}));
        break;
    case ToolbarPicture::ClearResults: // a curve struck through
        p.setPen(Pen(kBlue));
        {
            QPainterPath curve(QPointF(2, 14));
            curve.cubicTo(QPointF(7, 2), QPointF(12, 18), QPointF(18, 6));
            p.drawPath(curve);
        }
        p.setPen(Pen(kRed, 2));
        p.drawLine(QPointF(4, 4), QPointF(16, 16));
        p.drawLine(QPointF(16, 4), QPointF(4, 16));
        break;
    case ToolbarPicture::Results: // a frame and its deformed shape
        p.setPen(Pen(QColor(150, 150, 150), 1));
        p.drawPolyline(QPolygonF({{4, 18}, {4, 4}, {16, 4}, {16, 18}}));
        p.setPen(Pen(kRed));
        {
            QPainterPath shape(QPointF(4, 18));
            shape.cubicTo(QPointF(4, 10), QPointF(8, 5), QPointF(9, 4));
            shape.lineTo(QPointF(20, 4));
            shape.cubicTo(QPointF(19, 6), QPointF(16, 12), QPointF(16, 18));
            p.drawPath(shape);
        }
        break;
    }
}

QPixmap Render(ToolbarPicture picture, int scale)
{
    QPixmap pixmap(20 * scale, 20 * scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    Draw(painter, picture);
    return pixmap;
}

} // namespace

QIcon ToolbarIcon(ToolbarPicture picture)
{
    QIcon icon;
    icon.addPixmap(Render(picture, 1));
    icon.addPixmap(Render(picture, 2));
    return icon;
}

} // namespace mirelo
