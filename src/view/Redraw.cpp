#include "view/Redraw.h"

#include "Version.h"
#include "view/Canvas.h"
#include "view/AxisTriad.h"
#include "view/DrawLayers.h"
#include "view/Legend.h"
#include "view/LoadArrows.h"

#include <QFontDatabase>
#include <QPainter>

namespace mirelo {

QString BannerCreditLine1()
{
    return QStringLiteral("Mirelo %1").arg(QString::fromLatin1(kVersion));
}

QString BannerCreditLine2()
{
    return QStringLiteral("Pre- and post-processor for OpenSees");
}

QString LabelFontFamily()
{
    // Fonts do not come and go while the program runs: look once.
    static const QString family = QFontDatabase::hasFamily(QStringLiteral("Comic Sans MS"))
                                      ? QStringLiteral("Comic Sans MS")
                                      : QStringLiteral("DejaVu Sans");
    return family;
}

QImage NewCanvasImage(QSize size)
{
    return QImage(size, QImage::Format_RGB32);
}

namespace {

constexpr std::int32_t kBlack = RgbColour(0, 0, 0);
constexpr std::int32_t kWhite = RgbColour(255, 255, 255);

// The white area with its black border and the three banner lines. Leaves a
// solid 1-pixel black pen, a clear brush and a black 8-point font.
void PaintBanner(Canvas& canvas, ViewArea area)
{
    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.SetBrushColour(kWhite);
    canvas.SetPenStyle(PenStyle::Solid);
    canvas.SetPenColour(kBlack);
    canvas.SetPenWidth(1);
    canvas.Rectangle(0, 0, area.width, area.height);
    canvas.SetFontColour(kBlack);
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.SetFontSize(14);
    canvas.TextOut(8, 5, QString::fromLatin1(kBannerTitle));
    canvas.SetFontSize(8);
    canvas.TextOut(8, 32, BannerCreditLine1());
    canvas.TextOut(8, 50, BannerCreditLine2());
}

void PaintLayers(Canvas& canvas, const Model& model, const ViewState& view, const PlaneFilter& shown,
                 PaintedUse& painted)
{
    const LayerSwitches& on = view.LayerFlags;
    if (on.ShowNodes)
        PaintNodes(canvas, model, shown);
    if (on.ShowSupports)
        PaintSupports(canvas, model, shown, painted.supportKinds.emplace(kSupportKinds));
    if (on.ShowFrames)
        PaintFrames(canvas, model, shown, view.SelectedFrame, painted.frameSections.emplace(model.FrameSections.count));
    if (on.ShowNodeLabels)
        PaintNodeLabels(canvas, model, shown);
    if (on.ShowFrameLabels)
        PaintFrameLabels(canvas, model, shown);
    if (on.ShowFrameAxes)
        PaintFrameAxes(canvas, model, shown);
    if (on.ShowDiaphragms)
        PaintDiaphragms(canvas, model, shown);
    if (on.ShowHingeCircles)
        PaintSectionResultDiscs(canvas, model, shown, view);
    if (on.ShowShells)
        PaintShells(canvas, model, shown, painted.shellSections.emplace(model.ShellSections.count));
    if (on.ShowShellLabels)
        PaintShellLabels(canvas, model, shown);
    if (on.ShowReleases)
        PaintReleases(canvas, model, shown);
    if (on.ShowSolids)
        PaintSolids(canvas, model, shown);
    if (on.ShowSolidLabels)
        PaintSolidLabels(canvas, model, shown);
}

// The shown load case: the text labels, or arrows with their values.
void PaintLoads(Canvas& canvas, const Model& model, const ViewState& view, ViewArea area, const PlaneFilter& shown,
                PaintedUse& painted)
{
    if (view.LoadCaseShown == 0)
        return;
    if (view.LoadDisplay == LoadStyle::TextLabels) {
        if (view.LoadTypeShown == kShowPointForces)
            PaintPointLoadLabels(canvas, model, shown, view.LoadCaseShown);
        if (view.LoadTypeShown == kShowElementLoads)
            PaintElementLoadLabels(canvas, model, shown, view.LoadCaseShown);
        return;
    }
    const LoadUnits units = LoadUnitsOf(model.Units);
    if (view.LoadTypeShown == kShowPointForces)
        painted.pointLoads = PaintPointLoadArrows(canvas, model, view, area, shown, units);
    if (view.LoadTypeShown == kShowElementLoads)
        PaintLineLoadArrows(canvas, model, view, area, shown, units);
}

// The triad and the legend, over the model.
void PaintOrientation(Canvas& canvas, const Model& model, const ViewState& view, ViewArea area, const PlaneFilter& shown,
                      const PaintedUse& painted)
{
    if (view.ShowAxisTriad && model.Joints.count > 0) // the empty start-up picture stays bare
        PaintAxisTriad(canvas, view, area);
    if (view.ShowLegend)
        PaintLegend(canvas, LegendEntries(model, view, shown, painted), area);
}

bool PaintsDirectly(const QImage& image)
{
    const QImage::Format format = image.format();
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

// Paints into a 32-bit image. The canvas flushes what it holds when it goes,
// also when a layer throws, so the picture keeps everything painted before.
void PaintPicture(Model& model, const ViewState& view, QImage& image)
{
    const ViewArea area{image.width(), image.height()};
    Canvas canvas(image, LabelFontFamily());
    PaintBanner(canvas, area);
    ProjectJoints(model, view, area);
    ProjectFrames(model, view, area);
    const PlaneFilter shown(model, view);
    PaintedUse painted;
    PaintLayers(canvas, model, view, shown, painted);
    PaintLoads(canvas, model, view, area, shown, painted);
    PaintOrientation(canvas, model, view, area, shown, painted);
}

// Paints into a fresh 32-bit image and hands it to `deliver`, also when a layer
// throws (the error then goes on to the caller).
template <typename Deliver>
void PaintThroughImage(Model& model, const ViewState& view, ViewArea area, Deliver deliver)
{
    QImage image = NewCanvasImage(QSize(area.width, area.height));
    try {
        PaintPicture(model, view, image);
    } catch (...) {
        deliver(image);
        throw;
    }
    deliver(image);
}

void ProjectOnly(Model& model, const ViewState& view, ViewArea area)
{
    ProjectJoints(model, view, area);
    ProjectFrames(model, view, area);
}

} // namespace

void Redraw(Model& model, const ViewState& view, QPainter& painter, ViewArea area)
{
    if (!painter.isActive() || area.width < 1 || area.height < 1) {
        ProjectOnly(model, view, area); // nothing to paint on, but the pixel fields follow the view
        return;
    }
    PaintThroughImage(model, view, area, [&painter](const QImage& image) { painter.drawImage(0, 0, image); });
}

void Redraw(Model& model, const ViewState& view, QImage& canvas)
{
    const ViewArea area{canvas.width(), canvas.height()};
    if (canvas.isNull()) {
        ProjectOnly(model, view, area);
        return;
    }
    if (PaintsDirectly(canvas)) {
        PaintPicture(model, view, canvas);
        return;
    }
    const QImage::Format format = canvas.format();
    PaintThroughImage(model, view, area,
                      [&canvas, format](const QImage& image) { canvas = image.convertToFormat(format); });
}

} // namespace mirelo
