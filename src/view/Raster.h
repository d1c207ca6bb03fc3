#pragma once

#include <QPoint>
#include <QPointF>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace mirelo {

// Direct pixel painting into a 32-bit (0xAARRGGBB) image buffer. Pixel (x, y)
// covers the square [x, x+1) x [y, y+1); every routine clips to the buffer, so
// any coordinates are safe. No blending: each painted pixel takes one colour.
struct PixelBuffer {
    std::uint32_t* bits = nullptr;
    int width = 0;
    int height = 0;
    std::int64_t stride = 0; // pixels per row
};

// 0xAARRGGBB, opaque, from a 24-bit colour with red in the low byte.
constexpr std::uint32_t PixelColour(std::int32_t colour)
{
    return 0xFF000000u | (static_cast<std::uint32_t>(colour & 0xFF) << 16) |
           (static_cast<std::uint32_t>(colour) & 0xFF00u) | ((static_cast<std::uint32_t>(colour) >> 16) & 0xFFu);
}

// How an area is filled: solid, not at all, or with a diagonal cross-hatch
// (lines at 45 degrees every 8 pixels, origin at the buffer's corner, the gaps
// untouched).
struct AreaFill {
    enum class Kind { Solid, None, DiagonalCross } kind = Kind::None;
    std::uint32_t colour = 0;
};

// Lines and polygons reaching beyond this many pixels outside the area are
// clipped to that frame before they reach the rasterizer.
inline constexpr double kClipMargin = 4096;

struct ClipFrame {
    double left, top, right, bottom;
};

// Liang-Barsky: clips the segment to the frame; false when nothing remains.
bool ClipSegment(const ClipFrame& frame, double& x1, double& y1, double& x2, double& y2);

// Readies a line of `penWidth` pixels for DrawLine in an area of the given
// size: false when it draws nothing there (zero length, as a line ends before
// its last pixel, or wholly outside); ends beyond kClipMargin are clipped to
// that frame and rounded.
bool FitLineToArea(int width, int height, int penWidth, std::int32_t& x1, std::int32_t& y1, std::int32_t& x2,
                   std::int32_t& y2);

// Fills pixels x0 .. x1-1 of row y.
void FillSpan(const PixelBuffer& buffer, std::int64_t y, std::int64_t x0, std::int64_t x1, const AreaFill& fill);

// A line of `width` pixels from (x1, y1) towards (x2, y2), its last pixel left
// out: `width` one-pixel Bresenham strokes side by side across the minor axis.
void DrawLine(const PixelBuffer& buffer, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, int width,
              std::uint32_t colour);

// The shape of an ellipse or rectangle inscribed in a w x h box, as runs of
// pixels relative to the box's top-left corner: the outline of `penWidth`
// pixels inside the box, and the interior.
class BoxShape {
public:
    enum class Kind { Rectangle, Ellipse };
    BoxShape(Kind kind, int width, int height, int penWidth);

    bool Matches(Kind kind, int width, int height, int penWidth) const
    {
        return kind == kind_ && width == width_ && height == height_ && penWidth == penWidth_;
    }

    // Paints the shape with its corner at (x, y): outline with `pen` (when
    // penVisible), interior with `fill`.
    void Paint(const PixelBuffer& buffer, std::int64_t x, std::int64_t y, bool penVisible, std::uint32_t pen,
               const AreaFill& fill) const;

private:
    struct Run {
        int dy, x0, x1;
        bool outline;
    };
    Kind kind_;
    int width_, height_, penWidth_;
    std::vector<Run> runs_;
};

// Fills a polygon of at most kMaxPolygonCorners corners (even-odd rule, the
// pixels whose centres lie inside).
inline constexpr int kMaxPolygonCorners = 16;
void FillPolygon(const PixelBuffer& buffer, const QPointF* corners, int count, const AreaFill& fill);

// A quadrilateral of an area of `areaWidth` x `areaHeight` pixels: filled, then
// outlined with a pen of `penWidth` pixels (none without `pen`). Corners more
// than kClipMargin outside the area are clipped to that frame first. The
// buffer holds the area's rows from `top` on (a band of it); `top` is a
// multiple of 8, so that the cross-hatch lines up across bands.
void PaintQuad(const PixelBuffer& buffer, std::int32_t top, int areaWidth, int areaHeight,
               const std::array<QPoint, 4>& corners, const AreaFill& fill, int penWidth,
               std::optional<std::uint32_t> pen);

} // namespace mirelo
