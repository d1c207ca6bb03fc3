#include "view/Canvas.h"

#include <QColor>

#include <algorithm>
#include <cmath>

namespace mirelo {

namespace {

// The layers draw boxes of a few pixels and the banner one of the area's size;
// anything larger than this is not a shape of the drawing.
constexpr std::int64_t kMaxBoxSide = 1 << 16;

QColor ToQColor(std::int32_t colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

// Pixel size of a font of `points` points at 96 dots per inch.
int PixelsOfPoints(int points)
{
    return std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0)));
}

} // namespace

Canvas::Canvas(QImage& image, const QString& fontFamily)
    : image_(image), area_{image.width(), image.height()}, font_(fontFamily)
{
    font_.setPixelSize(PixelsOfPoints(fontPoints_));
    metrics_.emplace(font_, &image_);
}

Canvas::~Canvas()
{
    Flush();
}

void Canvas::SetPenColour(std::int32_t colour)
{
    Change(penColour_, colour);
}

void Canvas::SetPenWidth(int width)
{
    Change(penWidth_, width);
}

void Canvas::SetPenStyle(PenStyle style)
{
    Change(penStyle_, style);
}

void Canvas::SetBrushColour(std::int32_t colour)
{
    Change(brushColour_, colour);
}

void Canvas::SetBrushStyle(BrushStyle style)
{
    Change(brushStyle_, style);
}

void Canvas::SetFontSize(int points)
{
    if (points != fontPoints_) {
        fontPoints_ = points;
        font_.setPixelSize(PixelsOfPoints(points));
        metrics_.emplace(font_, &image_);
    }
}

void Canvas::SetFontColour(std::int32_t colour)
{
    fontColour_ = colour;
}

void Canvas::Begin(Batch kind)
{
    if (batch_ != kind) {
        Flush();
        batch_ = kind;
    }
}

bool Canvas::Outside(std::int64_t minX, std::int64_t minY, std::int64_t maxX, std::int64_t maxY) const
{
    const std::int64_t margin = penWidth_ + 2;
    return maxX < -margin || maxY < -margin || minX >= area_.width + margin || minY >= area_.height + margin;
}

void Canvas::Rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    if (Outside(x1, y1, x2, y2))
        return;
    Begin(Batch::Rectangles);
    boxFilter_.Add(boxes_, {x1, y1, x2, y2});
}

void Canvas::Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    if (Outside(x1, y1, x2, y2))
        return;
    Begin(Batch::Ellipses);
    boxFilter_.Add(boxes_, {x1, y1, x2, y2});
}

void Canvas::Line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    if (penStyle_ == PenStyle::Clear || !FitLineToArea(area_.width, area_.height, penWidth_, x1, y1, x2, y2))
        return;
    Begin(Batch::Lines);
    lineFilter_.Add(lines_, {x1, y1, x2, y2});
}

void Canvas::Polygon(const std::array<QPoint, 4>& corners)
{
    std::int64_t minX = corners[0].x(), maxX = minX, minY = corners[0].y(), maxY = minY;
    for (const QPoint& p : corners) {
        minX = std::min<std::int64_t>(minX, p.x());
        maxX = std::max<std::int64_t>(maxX, p.x());
        minY = std::min<std::int64_t>(minY, p.y());
        maxY = std::max<std::int64_t>(maxY, p.y());
    }
    if (Outside(minX, minY, maxX, maxY))
        return;
    Begin(Batch::Polygons);
    quadFilter_.Add(quads_, {corners});
}

void Canvas::TextOut(std::int32_t x, std::int32_t y, const QString& text)
{
    Flush();
    if (x >= area_.width || y >= area_.height || x < -kClipMargin || y < -kClipMargin)
        return;
    const int width = metrics_->horizontalAdvance(text);
    const int height = metrics_->height();
    if (x + width < 0 || y + height < 0)
        return;
    if (!textPainter_) {
        textPainter_.emplace(&image_);
        textPainter_->setRenderHint(QPainter::TextAntialiasing, true);
    }
    if (brushStyle_ == BrushStyle::Solid)
        textPainter_->fillRect(x, y, width, height, ToQColor(brushColour_));
    textPainter_->setFont(font_);
    textPainter_->setPen(ToQColor(fontColour_));
    textPainter_->drawText(x, y + metrics_->ascent(), text);
}

PixelBuffer Canvas::Pixels()
{
    textPainter_.reset();
    return {reinterpret_cast<std::uint32_t*>(image_.bits()), image_.width(), image_.height(),
            image_.bytesPerLine() / 4};
}

AreaFill Canvas::BrushFill() const
{
    switch (brushStyle_) {
    case BrushStyle::Solid:
        return {AreaFill::Kind::Solid, PixelColour(brushColour_)};
    case BrushStyle::DiagonalCross:
        return {AreaFill::Kind::DiagonalCross, PixelColour(brushColour_)};
    case BrushStyle::Clear:
        break;
    }
    return {AreaFill::Kind::None, 0};
}

void Canvas::Flush()
{
    switch (batch_) {
    case Batch::None:
        return;
    case Batch::Lines:
        PaintLines();
        break;
    case Batch::Rectangles:
    case Batch::Ellipses:
        PaintBoxes();
        break;
    case Batch::Polygons:
        PaintPolygons();
        break;
    }
    lines_.clear();
    boxes_.clear();
    quads_.clear();
    lineFilter_.Clear();
    boxFilter_.Clear();
    quadFilter_.Clear();
    batch_ = Batch::None;
}

void Canvas::PaintLines()
{
    const PixelBuffer pixels = Pixels();
    const std::uint32_t colour = PixelColour(penColour_);
    for (std::size_t k = 0; k < lines_.size(); ++k) {
        const Segment& s = lines_[k];
        if (!lineFilter_.Superseded(k))
            DrawLine(pixels, s.x1, s.y1, s.x2, s.y2, penWidth_, colour);
    }
}

void Canvas::PaintBoxes()
{
    const PixelBuffer pixels = Pixels();
    const auto kind = batch_ == Batch::Rectangles ? BoxShape::Kind::Rectangle : BoxShape::Kind::Ellipse;
    const bool penVisible = penStyle_ == PenStyle::Solid;
    const int pen = penVisible ? std::max(1, penWidth_) : 0;
    const AreaFill fill = BrushFill();
    for (std::size_t k = 0; k < boxes_.size(); ++k) {
        if (boxFilter_.Superseded(k))
            continue;
        const Box& b = boxes_[k];
        const std::int64_t width = std::int64_t{b.x2} - b.x1, height = std::int64_t{b.y2} - b.y1;
        if (width <= 0 || height <= 0 || width > kMaxBoxSide || height > kMaxBoxSide)
            continue;
        if (!shape_ || !shape_->Matches(kind, static_cast<int>(width), static_cast<int>(height), pen))
            shape_.emplace(kind, static_cast<int>(width), static_cast<int>(height), pen);
        shape_->Paint(pixels, b.x1, b.y1, penVisible, PixelColour(penColour_), fill);
    }
}

void Canvas::PaintPolygons()
{
    const PixelBuffer pixels = Pixels();
    const AreaFill fill = BrushFill();
    const std::optional<std::uint32_t> pen =
        penStyle_ == PenStyle::Clear ? std::nullopt : std::optional(PixelColour(penColour_));
    for (std::size_t k = 0; k < quads_.size(); ++k)
        if (!quadFilter_.Superseded(k))
            PaintQuad(pixels, 0, area_.width, area_.height, quads_[k].corners, fill, penWidth_, pen);
}

} // namespace mirelo
