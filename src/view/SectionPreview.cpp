#include "view/SectionPreview.h"

#include "common/Errors.h"
#include "model/SectionSettings.h"
#include "sections/FiberGenerator.h"
#include "view/Canvas.h"

#include <algorithm>
#include <cmath>

namespace mirelo {

namespace {

constexpr std::int32_t kBlack = RgbColour(0, 0, 0);
constexpr std::int32_t kWhite = RgbColour(255, 255, 255);
constexpr std::int32_t kRed = RgbColour(255, 0, 0);
constexpr std::int32_t kBlue = RgbColour(0, 0, 255);
constexpr int kCentre = 100;
constexpr double kDegreesToRadians = 3.14159265358979323846 / 180.0;

// Counts of 0 or below draw no strips and no bars.
std::int32_t Count(std::int32_t n)
{
    return std::max(n, 0);
}

// Section points to pixels. Far-off points are held a little outside the
// picture, where the canvas clips them.
class PreviewScale {
public:
    explicit PreviewScale(const FrameSection& s)
        : scale_(CheckedQuotient(160.0, std::max(s.dim[1], s.dim[2])))
    {
    }
    std::int32_t X(double y) const { return kCentre + R(y * scale_); }
    std::int32_t Y(double z) const { return kCentre - R(z * scale_); }
    // The radial lines of a pipe go down the picture for a positive sine.
    std::int32_t Down(double z) const { return kCentre + R(z * scale_); }

private:
    static std::int32_t R(double v) { return static_cast<std::int32_t>(std::nearbyint(std::clamp(v, -1e6, 1e6))); }
    double scale_;
};

class PreviewPainter {
public:
    PreviewPainter(Canvas& canvas, const FrameSection& s) : canvas_(canvas), at_(s) {}

    // Corners in any order, as the classic canvas takes them.
    void Box(double y1, double z1, double y2, double z2)
    {
        const std::int32_t x1 = at_.X(y1), x2 = at_.X(y2), yTop = at_.Y(z1), yBottom = at_.Y(z2);
        canvas_.Rectangle(std::min(x1, x2), std::min(yTop, yBottom), std::max(x1, x2), std::max(yTop, yBottom));
    }
    void Line(double y1, double z1, double y2, double z2) { canvas_.Line(at_.X(y1), at_.Y(z1), at_.X(y2), at_.Y(z2)); }
    void Dot(double y, double z)
    {
        const std::int32_t x = at_.X(y), yPixel = at_.Y(z);
        canvas_.Ellipse(x - 4, yPixel - 4, x + 4, yPixel + 4);
    }
    void Colour(std::int32_t pen, std::int32_t brush)
    {
        canvas_.SetPenColour(pen);
        canvas_.SetBrushColour(brush);
    }
    const PreviewScale& Scale() const { return at_; }

private:
    Canvas& canvas_;
    PreviewScale at_;
};

// The bars are the fibres after the mesh, as the script writes them: the rows
// of barNumX (red) before those of barNumY (blue).
void DrawRectangle(PreviewPainter& p, const FrameSection& s, const Table<Fiber>& fibers)
{
    const double W = s.dim[2], D = s.dim[1];
    const std::int32_t NX = Count(s.divideX), NY = Count(s.divideY);
    p.Box(-W / 2, D / 2, W / 2, -D / 2);
    p.Colour(kBlue, kWhite);
    for (std::int32_t v = 1; v <= NX - 1; ++v)
        p.Line(-W / 2 + v * W / NX, D / 2, -W / 2 + v * W / NX, -D / 2);
    for (std::int32_t v = 1; v <= NY - 1; ++v)
        p.Line(-W / 2, D / 2 - v * D / NY, W / 2, D / 2 - v * D / NY);

    const std::int32_t firstBar = NX * NY + 1;
    const std::int32_t firstBlue = firstBar + (s.sectionUse == kBeamSection ? 1 : 2) * Count(s.barNumX);
    for (std::int32_t j = firstBar; j <= fibers.count; ++j) {
        if (j == firstBar)
            p.Colour(kRed, kRed);
        if (j == firstBlue)
            p.Colour(kBlue, kBlue);
        p.Dot(fibers[j].y, fibers[j].z);
    }
}

// The strips across the two flanges (or the top and bottom walls) of a
// section of width B whose flanges are tf thick.
void DrawFlangeLines(PreviewPainter& p, double B, double D, double tf, std::int32_t NX)
{
    for (std::int32_t v = 1; v <= NX - 1; ++v) {
        const double y = -B / 2 + v * B / NX;
        p.Line(y, D / 2, y, D / 2 - tf);
        p.Line(y, -D / 2, y, -(D / 2 - tf));
    }
}

void DrawIShape(PreviewPainter& p, const FrameSection& s)
{
    const double D = s.dim[1], B = s.dim[2], tf = s.dim[3], tw = s.dim[4];
    const std::int32_t NX = Count(s.divideX), NY = Count(s.divideY);
    p.Box(-B / 2, D / 2, B / 2, D / 2 - tf);
    p.Box(-B / 2, -D / 2, B / 2, -(D / 2 - tf));
    p.Box(-tw / 2, D / 2 - tf, tw / 2, -(D / 2 - tf));
    p.Colour(kBlue, kWhite);
    DrawFlangeLines(p, B, D, tf, NX);
    for (std::int32_t v = 1; v <= NY - 1; ++v) {
        const double z = D / 2 - tf - v * (D - 2 * tf) / NY;
        p.Line(-tw / 2, z, tw / 2, z);
    }
}

void DrawBox(PreviewPainter& p, const FrameSection& s)
{
    const double D = s.dim[1], W = s.dim[2], a = s.dim[3], b = s.dim[4];
    const std::int32_t NX = Count(s.divideX), NY = Count(s.divideY);
    p.Box(-W / 2, D / 2, W / 2, D / 2 - a);
    p.Box(-W / 2, -D / 2, W / 2, -(D / 2 - a));
    p.Box(-W / 2, D / 2 - a, -(W / 2 - b), -(D / 2 - a));
    p.Box(W / 2, D / 2 - a, W / 2 - b, -(D / 2 - a));
    p.Colour(kBlue, kWhite);
    DrawFlangeLines(p, W, D, a, NX);
    for (std::int32_t v = 1; v <= NY - 1; ++v) {
        const double z = D / 2 - a - v * (D - 2 * a) / NY;
        p.Line(-W / 2, z, -(W / 2 - b), z);
        p.Line(W / 2, z, W / 2 - b, z);
    }
}

void DrawPipe(Canvas& canvas, PreviewPainter& p, const FrameSection& s)
{
    const double D = s.dim[1], t = s.dim[2], inner = (D - 2 * t) / 2;
    const std::int32_t N = Count(s.divideX);
    const PreviewScale& at = p.Scale();
    canvas.Ellipse(at.X(-D / 2), at.Y(D / 2), at.X(D / 2), at.Y(-D / 2));
    canvas.Ellipse(at.X(-inner), at.Y(inner), at.X(inner), at.Y(-inner));
    for (std::int32_t k = 1; k <= N; ++k) {
        const double theta = (k - 1) * 360.0 / N * kDegreesToRadians;
        const double cosine = std::cos(theta), sine = std::sin(theta);
        canvas.Line(at.X(inner * cosine), at.Down(inner * sine), at.X(D / 2 * cosine), at.Down(D / 2 * sine));
    }
}

} // namespace

namespace {

bool HasCaption(const FrameSection& section)
{
    return section.shape == kShapeRectangle || section.shape == kShapeI || section.shape == kShapeBox;
}

QString FiberCountCaption(const Table<Fiber>& fibers)
{
    return QStringLiteral("NUM OF FIBERS = %1").arg(fibers.Size());
}

} // namespace

QString SectionPreviewCaption(const FrameSection& section)
{
    return HasCaption(section) ? FiberCountCaption(SectionFibers(section, 0)) : QString();
}

void DrawSectionPreview(const FrameSection& section, QImage& picture)
{
    Canvas canvas(picture, QStringLiteral("DejaVu Sans"));
    canvas.SetPenColour(kBlack);
    canvas.SetBrushColour(kWhite);
    canvas.Rectangle(0, 0, picture.width(), picture.height());
    canvas.Flush();
    if (section.shape < kShapeRectangle || section.shape > kShapePipe)
        return;
    const Table<Fiber> fibers = SectionFibers(section, 0); // the table the script writes; raises for too many
    PreviewPainter painter(canvas, section);
    switch (section.shape) {
    case kShapeRectangle: DrawRectangle(painter, section, fibers); break;
    case kShapeI: DrawIShape(painter, section); break;
    case kShapeBox: DrawBox(painter, section); break;
    default: DrawPipe(canvas, painter, section); break;
    }
    canvas.SetBrushColour(kWhite);
    if (HasCaption(section))
        canvas.TextOut(50, 180, FiberCountCaption(fibers));
}

} // namespace mirelo
