#include "view/Raster.h"

#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace mirelo {

namespace {

// Sutherland-Hodgman against one edge of the frame at a time.
QPolygonF ClipPolygon(const ClipFrame& frame, QPolygonF polygon)
{
    const auto clipEdge = [&polygon](auto inside, auto cross) {
        QPolygonF out;
        for (qsizetype k = 0; k < polygon.size(); ++k) {
            const QPointF a = polygon[k];
            const QPointF b = polygon[(k + 1) % polygon.size()];
            if (inside(a)) {
                out << a;
                if (!inside(b))
                    out << cross(a, b);
            } else if (inside(b)) {
                out << cross(a, b);
            }
        }
        polygon = out;
    };
    const auto atX = [](double x) {
        return [x](QPointF a, QPointF b) { return QPointF(x, a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x())); };
    };
    const auto atY = [](double y) {
        return [y](QPointF a, QPointF b) { return QPointF(a.x() + (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y()), y); };
    };
    clipEdge([&](QPointF p) { return p.x() >= frame.left; }, atX(frame.left));
    clipEdge([&](QPointF p) { return p.x() <= frame.right; }, atX(frame.right));
    clipEdge([&](QPointF p) { return p.y() >= frame.top; }, atY(frame.top));
    clipEdge([&](QPointF p) { return p.y() <= frame.bottom; }, atY(frame.bottom));
    return polygon;
}

// Bresenham from (x1, y1) towards (x2, y2), the last pixel left out.
void Stroke(const PixelBuffer& buffer, std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
            std::uint32_t colour)
{
    const std::int64_t dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
    const std::int64_t sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    std::int64_t error = dx + dy;
    std::int64_t x = x1, y = y1;
    for (std::int64_t steps = std::max(dx, -dy); steps > 0; --steps) {
        if (x >= 0 && y >= 0 && x < buffer.width && y < buffer.height)
            buffer.bits[y * buffer.stride + x] = colour;
        const std::int64_t twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
}

} // namespace

bool ClipSegment(const ClipFrame& frame, double& x1, double& y1, double& x2, double& y2)
{
    const double dx = x2 - x1, dy = y2 - y1;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - frame.left, frame.right - x1, y1 - frame.top, frame.bottom - y1};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0) {
            if (q[k] < 0)
                return false;
            continue;
        }
        const double r = q[k] / p[k];
        if (p[k] < 0)
            t0 = std::max(t0, r);
        else
            t1 = std::min(t1, r);
        if (t0 > t1)
            return false;
    }
    const double ox = x1, oy = y1;
    x1 = ox + t0 * dx;
    y1 = oy + t0 * dy;
    x2 = ox + t1 * dx;
    y2 = oy + t1 * dy;
    return true;
}

bool FitLineToArea(int width, int height, int penWidth, std::int32_t& x1, std::int32_t& y1, std::int32_t& x2,
                   std::int32_t& y2)
{
    if (x1 == x2 && y1 == y2)
        return false;
    const std::int64_t margin = penWidth + 2;
    if (std::max(x1, x2) < -margin || std::max(y1, y2) < -margin || std::min(x1, x2) >= width + margin ||
        std::min(y1, y2) >= height + margin)
        return false;
    const auto beyond = [width, height](std::int32_t x, std::int32_t y) {
        return x < -kClipMargin || y < -kClipMargin || x > width + kClipMargin || y > height + kClipMargin;
    };
    if (!beyond(x1, y1) && !beyond(x2, y2))
        return true;
    const ClipFrame frame{-kClipMargin, -kClipMargin, width + kClipMargin, height + kClipMargin};
    double ax = x1, ay = y1, bx = x2, by = y2;
    if (!ClipSegment(frame, ax, ay, bx, by))
        return false;
    x1 = static_cast<std::int32_t>(std::lround(ax));
    y1 = static_cast<std::int32_t>(std::lround(ay));
    x2 = static_cast<std::int32_t>(std::lround(bx));
    y2 = static_cast<std::int32_t>(std::lround(by));
    return true;
}

void FillSpan(const PixelBuffer& buffer, std::int64_t y, std::int64_t x0, std::int64_t x1, const AreaFill& fill)
{
    if (fill.kind == AreaFill::Kind::None || y < 0 || y >= buffer.height)
        return;
    x0 = std::max<std::int64_t>(x0, 0);
    x1 = std::min<std::int64_t>(x1, buffer.width);
    std::uint32_t* row = buffer.bits + y * buffer.stride;
    if (fill.kind == AreaFill::Kind::Solid) {
        if (x1 > x0)
            std::fill(row + x0, row + x1, fill.colour);
        return;
    }
    // The hatch pixels of row y: x = y (mod 8) and x = -y (mod 8).
    for (const std::int64_t phase : {y & 7, (-y) & 7}) {
        for (std::int64_t x = x0 + ((phase - x0) & 7); x < x1; x += 8)
            row[x] = fill.colour;
    }
}

void DrawLine(const PixelBuffer& buffer, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, int width,
              std::uint32_t colour)
{
    width = std::max(1, width);
    // A line wholly above, below or beside the buffer paints nothing there.
    const auto outside = [width](std::int64_t a, std::int64_t b, int size) {
        return std::max(a, b) + width < 0 || std::min(a, b) - width >= size;
    };
    if (outside(y1, y2, buffer.height) || outside(x1, x2, buffer.width))
        return;
    const bool mostlyHorizontal = std::abs(std::int64_t{x2} - x1) >= std::abs(std::int64_t{y2} - y1);
    for (int offset = -(width - 1) / 2; offset <= width / 2; ++offset) {
        if (mostlyHorizontal)
            Stroke(buffer, x1, std::int64_t{y1} + offset, x2, std::int64_t{y2} + offset, colour);
        else
            Stroke(buffer, std::int64_t{x1} + offset, y1, std::int64_t{x2} + offset, y2, colour);
    }
}

namespace {

// Half-width at row centre `cy` of the ellipse inscribed in [0, w] x [0, h]
// shrunk by `inset` on every side; negative when the row misses it.
double EllipseHalfWidth(double w, double h, double inset, double cy)
{
    const double rx = w / 2 - inset, ry = h / 2 - inset;
    if (rx <= 0 || ry <= 0)
        return -1;
    const double t = (cy - h / 2) / ry;
    return t * t > 1 ? -1 : rx * std::sqrt(1 - t * t);
}

// Pixels x whose centre lies within [centre - half, centre + half].
void CentredSpan(double centre, double half, int& x0, int& x1)
{
    x0 = static_cast<int>(std::ceil(centre - half - 0.5));
    x1 = static_cast<int>(std::floor(centre + half - 0.5)) + 1;
}

} // namespace

BoxShape::BoxShape(Kind kind, int width, int height, int penWidth)
    : kind_(kind), width_(width), height_(height), penWidth_(penWidth)
{
    const int pen = std::max(0, penWidth);
    for (int dy = 0; dy < height; ++dy) {
        int outer0 = 0, outer1 = width, inner0 = 0, inner1 = 0;
        const double cy = dy + 0.5;
        if (kind == Kind::Rectangle) {
            const bool edgeRow = dy < pen || dy >= height - pen;
            inner0 = edgeRow ? 0 : std::min(pen, width);
            inner1 = edgeRow ? 0 : std::max(inner0, width - pen);
        } else {
            const double outer = EllipseHalfWidth(width, height, 0, cy);
            if (outer < 0)
                continue;
            CentredSpan(width / 2.0, outer, outer0, outer1);
            const double inner = EllipseHalfWidth(width, height, pen, cy);
            if (inner >= 0)
                CentredSpan(width / 2.0, inner, inner0, inner1);
            inner0 = std::clamp(inner0, outer0, outer1);
            inner1 = std::clamp(inner1, inner0, outer1);
        }
        if (inner1 <= inner0) {
            runs_.push_back({dy, outer0, outer1, pen > 0});
            continue;
        }
        if (inner0 > outer0)
            runs_.push_back({dy, outer0, inner0, true});
        runs_.push_back({dy, inner0, inner1, false});
        if (outer1 > inner1)
            runs_.push_back({dy, inner1, outer1, true});
    }
}

void BoxShape::Paint(const PixelBuffer& buffer, std::int64_t x, std::int64_t y, bool penVisible, std::uint32_t pen,
                     const AreaFill& fill) const
{
    const AreaFill outline{penVisible ? AreaFill::Kind::Solid : AreaFill::Kind::None, pen};
    const bool inside = x >= 0 && y >= 0 && x + width_ <= buffer.width && y + height_ <= buffer.height;
    if (inside && fill.kind != AreaFill::Kind::DiagonalCross) {
        // The common case of a small shape wholly inside: no clipping per run.
        std::uint32_t* corner = buffer.bits + y * buffer.stride + x;
        for (const Run& run : runs_) {
            const AreaFill& paint = run.outline ? outline : fill;
            if (paint.kind == AreaFill::Kind::Solid)
                std::fill(corner + run.dy * buffer.stride + run.x0, corner + run.dy * buffer.stride + run.x1, paint.colour);
        }
        return;
    }
    for (const Run& run : runs_)
        FillSpan(buffer, y + run.dy, x + run.x0, x + run.x1, run.outline ? outline : fill);
}

void FillPolygon(const PixelBuffer& buffer, const QPointF* corners, int count, const AreaFill& fill)
{
    if (fill.kind == AreaFill::Kind::None || count < 3 || count > kMaxPolygonCorners)
        return;
    // Each non-horizontal edge as: rows whose centre lies in [top, bottom), and
    // its x at a row centre as x0 + slope * (cy - y0).
    struct Edge {
        double top, bottom, x0, y0, slope;
    };
    Edge edges[kMaxPolygonCorners];
    int edgeCount = 0;
    double top = corners[0].y(), bottom = top;
    for (int k = 0; k < count; ++k) {
        const QPointF a = corners[k], b = corners[(k + 1) % count];
        top = std::min(top, a.y());
        bottom = std::max(bottom, a.y());
        if (a.y() == b.y())
            continue;
        edges[edgeCount++] = {std::min(a.y(), b.y()), std::max(a.y(), b.y()), a.x(), a.y(),
                              (b.x() - a.x()) / (b.y() - a.y())};
    }
    const auto firstRow = static_cast<std::int64_t>(std::max(std::floor(top), 0.0));
    const auto endRow = static_cast<std::int64_t>(std::min(std::ceil(bottom), static_cast<double>(buffer.height)));
    for (std::int64_t y = firstRow; y < endRow; ++y) {
        const double cy = static_cast<double>(y) + 0.5;
        double crossings[kMaxPolygonCorners];
        int found = 0;
        for (int k = 0; k < edgeCount; ++k) {
            const Edge& e = edges[k];
            if (cy >= e.top && cy < e.bottom)
                crossings[found++] = e.x0 + e.slope * (cy - e.y0);
        }
        std::sort(crossings, crossings + found);
        for (int k = 0; k + 1 < found; k += 2) {
            int x0 = 0, x1 = 0;
            CentredSpan((crossings[k] + crossings[k + 1]) / 2, (crossings[k + 1] - crossings[k]) / 2, x0, x1);
            FillSpan(buffer, y, x0, x1, fill);
        }
    }
}

void PaintQuad(const PixelBuffer& buffer, std::int32_t top, int areaWidth, int areaHeight,
               const std::array<QPoint, 4>& corners, const AreaFill& fill, int penWidth,
               std::optional<std::uint32_t> pen)
{
    // The band's corners are the area's moved by whole rows, which keeps every
    // span of the fill the same.
    const auto beyond = [&](QPoint p) {
        return p.x() < -kClipMargin || p.y() < -kClipMargin || p.x() > areaWidth + kClipMargin ||
               p.y() > areaHeight + kClipMargin;
    };
    if (!std::any_of(corners.begin(), corners.end(), beyond)) { // whole pixels: nothing to round
        if (fill.kind != AreaFill::Kind::None) {
            QPointF fillCorners[4];
            for (std::size_t k = 0; k < 4; ++k)
                fillCorners[k] = QPointF(corners[k].x(), corners[k].y() - top);
            FillPolygon(buffer, fillCorners, 4, fill);
        }
        for (std::size_t k = 0; pen && k < 4; ++k) {
            const QPoint a = corners[k], b = corners[(k + 1) % 4];
            DrawLine(buffer, a.x(), a.y() - top, b.x(), b.y() - top, penWidth, *pen);
        }
        return;
    }
    // A corner far outside: clipped to the frame first, the outline's ends
    // rounded in the area's own pixels, then moved.
    QPolygonF polygon;
    for (const QPoint& p : corners)
        polygon << QPointF(p);
    polygon = ClipPolygon({-kClipMargin, -kClipMargin, areaWidth + kClipMargin, areaHeight + kClipMargin}, polygon);
    const auto count = static_cast<int>(polygon.size());
    if (count < 3 || count > kMaxPolygonCorners)
        return;
    QPointF fillCorners[kMaxPolygonCorners];
    QPoint ends[kMaxPolygonCorners];
    for (int k = 0; k < count; ++k) {
        fillCorners[k] = QPointF(polygon[k].x(), polygon[k].y() - top);
        ends[k] = polygon[k].toPoint() - QPoint(0, top);
    }
    if (fill.kind != AreaFill::Kind::None)
        FillPolygon(buffer, fillCorners, count, fill);
    if (!pen)
        return;
    for (int k = 0; k < count; ++k) {
        const QPoint a = ends[k], b = ends[(k + 1) % count];
        DrawLine(buffer, a.x(), a.y(), b.x(), b.y(), penWidth, *pen);
    }
}

} // namespace mirelo
