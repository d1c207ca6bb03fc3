#include "view/Redraw.h"

#include "Version.h"
#include "view/Canvas.h"
#include "view/AxisTriad.h"
#include "view/DrawLayers.h"
#include "view/Legend.h"
#include "view/LoadArrows.h"
#include "view/ResultCaptionLayer.h"
#include "view/UndeformedOutline.h"
#include "session/ResultCaption.h"
#include "view/ResultOverlays.h"

#include <QFontDatabase>
#include <QPainter>

#include <stdexcept>

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

// Thrown between layers when the painter is asked to stop.
struct PictureStopped {};

// Where a picture painted on a thread of its own may give up: between layers.
class StopCheck {
public:
    explicit StopCheck(const std::atomic<bool>* stop = nullptr) : stop_(stop) {}
    void operator()() const
    {
        if (stop_ && stop_->load(std::memory_order_relaxed))
            throw PictureStopped{};
    }

private:
    const std::atomic<bool>* stop_;
};

void PaintLayers(Canvas& canvas, const Model& model, const Projection& at, const ResultSet& results,
                 const ViewState& view, const PlaneFilter& shown, PaintedUse& painted, const StopCheck& check)
{
    const LayerSwitches& on = view.LayerFlags;
    if (on.ShowNodes)
        PaintNodes(canvas, model, at, shown);
    if (on.ShowSupports)
        PaintSupports(canvas, model, at, shown, painted.supportKinds.emplace(kSupportKinds));
    if (on.ShowFrames)
        PaintFrames(canvas, model, at, shown, view.SelectedFrame, painted.frameSections.emplace(model.FrameSections.count));
    check();
    if (on.ShowNodeLabels)
        PaintNodeLabels(canvas, model, at, shown);
    if (on.ShowFrameLabels)
        PaintFrameLabels(canvas, model, at, shown);
    if (on.ShowFrameAxes)
        PaintFrameAxes(canvas, model, at, shown);
    if (on.ShowDiaphragms)
        PaintDiaphragms(canvas, model, at, shown);
    if (on.ShowHingeCircles && SectionsMatchJoints(results))
        PaintSectionResultDiscs(canvas, model, at, shown, results, view);
    if (on.ShowShells)
        PaintShells(canvas, model, at, shown, painted.shellSections.emplace(model.ShellSections.count));
    check();
    if (on.ShowShellLabels)
        PaintShellLabels(canvas, model, at, shown);
    if (on.ShowReleases)
        PaintReleases(canvas, model, at, shown);
    if (on.ShowSolids)
        PaintSolids(canvas, model, at, shown);
    if (on.ShowSolidLabels)
        PaintSolidLabels(canvas, model, at, shown);
}

// The shown load case: the text labels, or arrows with their values.
void PaintLoads(Canvas& canvas, const Model& model, const Projection& at, const ViewState& view, ViewArea area,
                const PlaneFilter& shown, PaintedUse& painted)
{
    if (view.LoadCaseShown == 0)
        return;
    if (view.LoadDisplay == LoadStyle::TextLabels) {
        if (view.LoadTypeShown == kShowPointForces)
            PaintPointLoadLabels(canvas, model, at, shown, view.LoadCaseShown);
        if (view.LoadTypeShown == kShowElementLoads)
            PaintElementLoadLabels(canvas, model, at, shown, view.LoadCaseShown);
        return;
    }
    painted.pointLoads = PaintShownLoadArrows(canvas, model, at, view, area, shown);
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

// The result caption, over everything else.
void PaintCaption(const Model& model, const ResultSet& results, const ViewState& view, QImage& image)
{
    if (!view.ShowResultCaption)
        return;
    const std::vector<std::string> lines = ResultCaptionLines(model, results, view);
    if (lines.empty())
        return;
    Canvas canvas(image, LabelFontFamily());
    PaintResultCaption(canvas, lines, {image.width(), image.height()});
}

bool PaintsDirectly(const QImage& image)
{
    const QImage::Format format = image.format();
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

// Paints into a 32-bit image: the model's layers, then what the view shows of
// the results over them. The canvas flushes what it holds when it goes, also
// when a layer throws, so the picture keeps everything painted before.
void PaintPicture(const Model& model, const ResultSet& results, const ViewState& view, QImage& image, Projection& at,
                  const StopCheck& check = StopCheck())
{
    check();
    const ViewArea area{image.width(), image.height()};
    {
        Canvas canvas(image, LabelFontFamily());
        PaintBanner(canvas, area);
        ProjectJoints(model, results, view, area, at);
        ProjectFrames(model, view, area, at);
        const PlaneFilter shown(model, view);
        check();
        PaintedUse painted;
        if (ShowsUndeformedOutline(model, results, view))
            PaintUndeformedOutline(canvas, model, view, area, shown);
        PaintLayers(canvas, model, at, results, view, shown, painted, check);
        check();
        PaintLoads(canvas, model, at, view, area, shown, painted);
        PaintOrientation(canvas, model, view, area, shown, painted);
    }
    check();
    if (ShowsResultOverlays(model, results, view)) {
        QPainter painter(&image);
        PaintResultOverlays(painter, model, results, view, area);
    }
    PaintCaption(model, results, view, image);
}

// Paints into a fresh 32-bit image and hands it to `deliver`, also when a layer
// throws (the error then goes on to the caller).
template <typename Deliver>
void PaintThroughImage(const Model& model, const ResultSet& results, const ViewState& view, ViewArea area, Projection& at,
                       Deliver deliver)
{
    QImage image = NewCanvasImage(QSize(area.width, area.height));
    try {
        PaintPicture(model, results, view, image, at);
    } catch (...) {
        deliver(image);
        throw;
    }
    deliver(image);
}

void ProjectOnly(const Model& model, const ResultSet& results, const ViewState& view, ViewArea area, Projection& at)
{
    ProjectJoints(model, results, view, area, at);
    ProjectFrames(model, view, area, at);
}

} // namespace

void Redraw(const Model& model, const ResultSet& results, const ViewState& view, QPainter& painter, ViewArea area,
            Projection& projection)
{
    if (!painter.isActive() || area.width < 1 || area.height < 1) {
        ProjectOnly(model, results, view, area, projection); // nothing to paint on, but picking follows the view
        return;
    }
    PaintThroughImage(model, results, view, area, projection,
                      [&painter](const QImage& image) { painter.drawImage(0, 0, image); });
}

void Redraw(const Model& model, const ResultSet& results, const ViewState& view, QImage& canvas, Projection& projection)
{
    const ViewArea area{canvas.width(), canvas.height()};
    if (canvas.isNull()) {
        ProjectOnly(model, results, view, area, projection);
        return;
    }
    if (PaintsDirectly(canvas)) {
        PaintPicture(model, results, view, canvas, projection);
        return;
    }
    const QImage::Format format = canvas.format();
    PaintThroughImage(model, results, view, area, projection,
                      [&canvas, format](const QImage& image) { canvas = image.convertToFormat(format); });
}

bool RedrawUnlessStopped(const Model& model, const ResultSet& results, const ViewState& view, QImage& canvas,
                         Projection& projection, const std::atomic<bool>& stop)
{
    if (!PaintsDirectly(canvas))
        throw std::invalid_argument("RedrawUnlessStopped paints only into a canvas image");
    try {
        PaintPicture(model, results, view, canvas, projection, StopCheck(&stop));
    } catch (const PictureStopped&) {
        return false;
    }
    return true;
}

} // namespace mirelo
