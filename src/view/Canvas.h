#pragma once

#include "view/Projection.h"
#include "view/Raster.h"
#include "view/RepeatFilter.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace mirelo {

enum class PenStyle { Solid, Clear };
enum class BrushStyle { Solid, Clear, DiagonalCross };

// A raster canvas with the attribute model the drawing is written in: a pen
// (colour, width, solid or clear), a brush (colour; solid, clear or diagonal
// cross-hatch) and a font (size, colour). Attributes carry over from one call
// to the next until set again. Boxes are (x1, y1, x2, y2) with the right and
// bottom edges outside, as in the classic Windows canvas.
//
// It paints into a 32-bit image (Format_RGB32 or ARGB32): shapes pixel by
// pixel without antialiasing (Raster.h), text through QPainter.
//
// Speed: shapes drawn under unchanged attributes are collected and painted in
// one batch, in order, when an attribute changes, another kind of shape is
// drawn, or on Flush. A shape repeated in a batch (stacked storeys in a plan
// view) is painted once, in the place of its last copy (RepeatFilter.h). Shapes wholly outside the image are skipped, and lines and
// polygons reaching far outside it are clipped first.
class Canvas {
public:
    Canvas(QImage& image, const QString& fontFamily);
    ~Canvas(); // flushes
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    void SetPenColour(std::int32_t colour); // 24-bit, red in the low byte
    void SetPenWidth(int width);
    void SetPenStyle(PenStyle style);
    void SetBrushColour(std::int32_t colour);
    void SetBrushStyle(BrushStyle style);
    void SetFontSize(int points);
    void SetFontColour(std::int32_t colour);

    BrushStyle CurrentBrushStyle() const { return brushStyle_; }

    void Rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
    void Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
    void Line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
    void Polygon(const std::array<QPoint, 4>& corners);
    // Text with its top-left corner at (x, y), on a cell of the brush colour
    // when the brush is solid, on a transparent cell otherwise.
    void TextOut(std::int32_t x, std::int32_t y, const QString& text);
    // The size a text takes in the current font.
    int TextWidth(const QString& text) const { return metrics_->horizontalAdvance(text); }
    int TextHeight() const { return metrics_->height(); }

    void Flush();

private:
    // Sets a pen or brush attribute; shapes batched under the old value are
    // painted first.
    template <typename Attribute>
    void Change(Attribute& attribute, Attribute value)
    {
        if (value != attribute) {
            Flush();
            attribute = value;
        }
    }

    enum class Batch { None, Lines, Rectangles, Ellipses, Polygons };
    struct Segment {
        std::int32_t x1, y1, x2, y2;
        friend bool operator==(const Segment&, const Segment&) = default;
    };
    struct Box {
        std::int32_t x1, y1, x2, y2;
        friend bool operator==(const Box&, const Box&) = default;
    };
    struct Quad {
        std::array<QPoint, 4> corners;
        friend bool operator==(const Quad&, const Quad&) = default;
    };
    struct SegmentHash {
        std::size_t operator()(const Segment& s) const { return MixCoordinates({s.x1, s.y1, s.x2, s.y2}); }
    };
    struct BoxHash {
        std::size_t operator()(const Box& b) const { return MixCoordinates({b.x1, b.y1, b.x2, b.y2}); }
    };
    struct QuadHash {
        std::size_t operator()(const Quad& q) const
        {
            const auto& c = q.corners;
            return MixCoordinates({c[0].x(), c[0].y(), c[1].x(), c[1].y(), c[2].x(), c[2].y(), c[3].x(), c[3].y()});
        }
    };

    void Begin(Batch kind);
    bool Outside(std::int64_t minX, std::int64_t minY, std::int64_t maxX, std::int64_t maxY) const;
    PixelBuffer Pixels(); // ends text painting first
    AreaFill BrushFill() const;
    void PaintLines();
    void PaintBoxes();
    void PaintPolygons();

    QImage& image_;
    ViewArea area_;
    std::optional<QPainter> textPainter_; // active only between texts

    std::int32_t penColour_ = 0;
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    std::int32_t brushColour_ = 0xFFFFFF;
    BrushStyle brushStyle_ = BrushStyle::Solid;
    int fontPoints_ = 8;
    std::int32_t fontColour_ = 0;
    QFont font_;
    std::optional<QFontMetrics> metrics_;
    std::optional<BoxShape> shape_; // the last box shape, reused while boxes keep their size

    Batch batch_ = Batch::None;
    std::vector<Segment> lines_;
    std::vector<Box> boxes_;
    std::vector<Quad> quads_;
    RepeatFilter<Segment, SegmentHash> lineFilter_;
    RepeatFilter<Box, BoxHash> boxFilter_;
    RepeatFilter<Quad, QuadHash> quadFilter_;
};

} // namespace mirelo
