#include "view/DragPicture.h"

#include "common/SerialWorker.h"
#include "common/Errors.h"
#include "model/ElementKinds.h"
#include "view/AxisTriad.h"
#include "view/Canvas.h"
#include "view/DrawLayers.h"
#include "view/LoadArrows.h"
#include "view/PlaneFilter.h"
#include "view/Raster.h"
#include "view/Redraw.h"
#include "view/ResultOverlays.h"
#include "view/ResultCaptionLayer.h"
#include "view/SectionResultClass.h"
#include "view/UndeformedOutline.h"
#include "session/ResultCaption.h"

#include <algorithm>
#include <array>
#include <exception>
#include <future>
#include <optional>
#include <stdexcept>
#include <utility>

namespace mirelo {

namespace {

constexpr std::uint32_t kBlackPixel = PixelColour(RgbColour(0, 0, 0));
constexpr std::uint32_t kYellowPixel = PixelColour(RgbColour(255, 255, 0));
constexpr std::uint32_t kBluePixel = PixelColour(RgbColour(0, 0, 255));
constexpr std::uint32_t kRedPixel = PixelColour(RgbColour(255, 0, 0));
constexpr std::uint32_t kGreyPixel = PixelColour(RgbColour(128, 128, 128));
constexpr std::uint32_t kAxisPixel = PixelColour(RgbColour(0, 128, 0));

// The pen widths and box sizes the layers paint with (DrawLayers.cpp).
constexpr int kFrameWidth = 2, kSelectedWidth = 5, kEdgeWidth = 1, kSpringPen = 2;
constexpr int kNodeHalf = 4, kSupportHalf = 5, kSpringHalf = 5, kDiscHalf = 5;

bool Valid(const Model& model, std::int32_t joint)
{
    return model.Joints.Contains(joint);
}

std::array<std::int32_t, 4> TableCounts(const Model& model)
{
    return {model.Joints.count, model.Frames.count, model.Loads.count, model.Constraints.count};
}

bool ShowsLoadArrows(const ViewState& view)
{
    return view.LoadCaseShown != 0 && view.LoadDisplay == LoadStyle::Arrows;
}

// The banner alone: the picture of an empty model.
QImage BannerPicture(QSize size)
{
    Model empty;
    ViewState bare;
    bare.ShowLegend = false;
    QImage banner = NewCanvasImage(size);
    Projection nowhere;
    Redraw(empty, ResultSet(), bare, banner, nowhere);
    return banner;
}

} // namespace

// Rows [top, bottom) of the canvas, painted by one thread.
struct DragPicture::Band {
    PixelBuffer pixels; // the band's rows, row 0 at `top`
    std::int32_t top = 0, bottom = 0;
    int areaWidth = 0, areaHeight = 0;
    bool springFilled = false;
    std::uint32_t* canvasRows = nullptr;
    const std::uint32_t* bannerRows = nullptr;
    std::int64_t bannerStride = 0;
    bool hatched = false;
};

struct DragPicture::Screen {
    Projection at;                      // the joints, and the midpoints load arrows need
    std::vector<ScreenPoint> undeformed; // by joint number
    std::vector<std::pair<ScreenPoint, ScreenPoint>> ticks; // as ticks_
};

bool DragPicture::PaintsAll(const Model& model, const ResultSet& results, const ViewState& view, QSize size) const
{
    const LayerSwitches& on = view.LayerFlags;
    return Fits(model, results, view, size) && !discsFailed_ && !on.ShowNodeLabels && !on.ShowFrameLabels &&
           !on.ShowShellLabels && !on.ShowSolidLabels && (view.LoadCaseShown == 0 || ShowsLoadArrows(view)) &&
           !ShowsResultOverlays(model, results, view);
}

DragPicture::DragPicture(const Model& model, const ResultSet& results, const ViewState& view, QSize size)
    : builtOf_(&model), builtCounts_(TableCounts(model)), builtFor_(view), resultGeneration_(results.generation)
{
    const LayerSwitches& on = view.LayerFlags;
    const PlaneFilter shown(model, view);
    const std::size_t joints = static_cast<std::size_t>(std::max(model.Joints.count, 0)) + 1;
    x_.assign(joints, 0);
    y_.assign(joints, 0);
    z_.assign(joints, 0);
    const double f = view.DeformScale;
    const bool outline = ShowsUndeformedOutline(model, results, view);
    if (outline)
        undeformed_.assign(joints, {});
    for (std::int32_t k = 1; k <= model.Joints.count; ++k) {
        const Joint& joint = model.Joints[k];
        if (outline)
            undeformed_[static_cast<std::size_t>(k)] = {joint.x, joint.y, joint.z};
        const Displacement d = JointDisplacement(results, k);
        const auto at = static_cast<std::size_t>(k);
        // The sums ProjectJoints takes, so that both project alike.
        x_[at] = joint.x + d.x * f;
        y_[at] = joint.y + d.y * f;
        z_[at] = joint.z + d.z * f;
        if (on.ShowNodes && shown.Joint(k))
            nodes_.push_back(k);
        const std::int32_t fixed = SupportKind(joint);
        if (on.ShowSupports && fixed != 0 && shown.Joint(k))
            supports_.push_back({k, PixelColour(model.SectionPalette[static_cast<std::size_t>(fixed)])});
    }
    anyJoint_ = model.Joints.count > 0;
    if (outline) {
        constexpr std::uint32_t grey = PixelColour(kUndeformedColour);
        for (const OutlineEdge& edge : UndeformedOutlineEdges(model, shown))
            outline_.push_back({edge.i, edge.j, grey});
    }

    const auto frameColour = [&model](const Frame& frame) {
        return model.FrameSections.Contains(frame.section) ? model.FrameSections[frame.section].colour : 0;
    };
    const auto isSpring = [&model](const Frame& frame) {
        return model.FrameSections.Contains(frame.section) && IsSpring(model.FrameSections[frame.section].elementKind);
    };
    for (std::int32_t k = 1; k <= model.Frames.count; ++k) {
        const Frame& frame = model.Frames[k];
        if (!Valid(model, frame.jointI) || !Valid(model, frame.jointJ) || !shown.Frame(frame))
            continue;
        const Line line{frame.jointI, frame.jointJ, PixelColour(frameColour(frame))};
        if (on.ShowFrames && !isSpring(frame))
            frames_.push_back(line);
        if (on.ShowReleases && isSpring(frame))
            springs_.push_back(line);
    }
    if (on.ShowFrames && model.Frames.Contains(view.SelectedFrame)) {
        const Frame& frame = model.Frames[view.SelectedFrame];
        if (Valid(model, frame.jointI) && Valid(model, frame.jointJ) && shown.Frame(frame)) {
            frames_.push_back({frame.jointI, frame.jointJ, kYellowPixel});
            selected_ = true;
        }
    }

    for (std::int32_t k = 1; on.ShowFrameAxes && k <= model.Frames.count; ++k) {
        const Frame& frame = model.Frames[k];
        if (shown.Frame(frame) && Valid(model, frame.jointI) && Valid(model, frame.jointJ))
            ticks_.push_back({FrameMidpoint(model, frame), Axis2Of(frame)});
    }
    for (std::int32_t c = 1; on.ShowDiaphragms && c <= model.Constraints.count; ++c) {
        const Constraint& constraint = model.Constraints[c];
        if (!Valid(model, constraint.masterJoint) || !shown.Joint(constraint.masterJoint))
            continue;
        for (std::int32_t m = 1; m <= constraint.memberCount && static_cast<std::size_t>(m) < constraint.members.size(); ++m)
            if (const std::int32_t k = constraint.members[static_cast<std::size_t>(m)]; Valid(model, k) && shown.Joint(k))
                diaphragms_.push_back({constraint.masterJoint, k, kGreyPixel});
    }
    if (on.ShowHingeCircles && SectionsMatchJoints(results)) {
        discsShown_ = true;
        const auto colour = [&](double value) {
            return PixelColour(model.SectionPalette[static_cast<std::size_t>(10 + SectionResultClass(value, view))]);
        };
        try {
            for (std::int32_t k = 1; k <= model.Frames.count; ++k) {
                const Frame& frame = model.Frames[k];
                if (shown.Frame(frame))
                    discs_.push_back({frame.jointI, frame.jointJ, Valid(model, frame.jointI) && Valid(model, frame.jointJ),
                                      colour(SectionValueAtI(results, k)), colour(SectionValueAtJ(results, k))});
            }
        } catch (const Error&) {
            discs_.clear(); // shown without marks while dragging
            discsFailed_ = true;
        }
    }

    // The shells the shells layer paints, and their sections for the legend.
    PaintedUse painted;
    if (on.ShowShells)
        painted.shellSections.emplace(model.ShellSections.count);
    for (std::int32_t s = 1; on.ShowShells && s <= model.Shells.count; ++s) {
        const Shell& shell = model.Shells[s];
        const bool active = model.ShellSections.Contains(shell.section) &&
                            model.ShellSections[shell.section].shellKind == 1;
        const auto& c = shell.joints;
        if (!active || !shown.Joints(c) || !Valid(model, c[1]) || !Valid(model, c[2]) || !Valid(model, c[3]) ||
            !Valid(model, c[4]))
            continue;
        painted.shellSections->Mark(shell.section);
        shells_.push_back({{c[1], c[2], c[3], c[4]}, PixelColour(model.ShellSections[shell.section].colour)});
    }
    for (std::int32_t s = 1; on.ShowSolids && s <= model.Solids.count; ++s) {
        const auto& c = model.Solids[s].joints;
        if (!shown.Joints(c) || !std::all_of(c.begin() + 1, c.end(), [&](std::int32_t k) { return Valid(model, k); }))
            continue;
        for (std::size_t k = 1; k <= 4; ++k) {
            const std::size_t next = k % 4 + 1;
            solidEdges_.push_back({c[k], c[next], kBlackPixel});         // face 1-2-3-4
            solidEdges_.push_back({c[k + 4], c[next + 4], kBlackPixel}); // face 5-6-7-8
            solidEdges_.push_back({c[k], c[k + 4], kBlackPixel});        // edges 1-5 ... 4-8
        }
    }

    if (ShowsLoadArrows(view)) {
        arrowModel_ = &model;
        arrowPlane_ = shown;
        std::vector<char> loaded(static_cast<std::size_t>(std::max(model.Frames.count, 0)) + 1, 0);
        for (std::int32_t k = 1; view.LoadTypeShown == kShowElementLoads && k <= model.Loads.count; ++k) {
            const Load& load = model.Loads[k];
            if (load.loadType == kFrameDistributed && model.Frames.Contains(load.target) &&
                Valid(model, model.Frames[load.target].jointI) && Valid(model, model.Frames[load.target].jointJ))
                loaded[static_cast<std::size_t>(load.target)] = 1;
        }
        for (std::size_t frame = 1; frame < loaded.size(); ++frame)
            if (loaded[frame])
                loadedFrames_.push_back(static_cast<std::int32_t>(frame));
    }

    showTriad_ = view.ShowAxisTriad;
    showLegend_ = view.ShowLegend;
    if (showLegend_)
        legend_ = LegendEntries(model, view, shown, painted);
    if (view.ShowResultCaption)
        caption_ = ResultCaptionLines(model, results, view);
    banner_ = BannerPicture(size);
}

bool DragPicture::Fits(const Model& model, const ResultSet& results, const ViewState& view, QSize size) const
{
    const ViewState& b = builtFor_;
    return &model == builtOf_ && TableCounts(model) == builtCounts_ && results.generation == resultGeneration_ &&
           size == banner_.size() && view.LayerFlags == b.LayerFlags && view.SelectedFrame == b.SelectedFrame &&
           view.PlaneShown == b.PlaneShown && (view.PlaneShown == 0 || view.PlaneAxis == b.PlaneAxis) &&
           view.ShowAxisTriad == b.ShowAxisTriad && view.ShowLegend == b.ShowLegend &&
           view.DeformScale == b.DeformScale && view.ShowResultCaption == b.ShowResultCaption &&
           view.ShowUndeformed == b.ShowUndeformed && view.LoadCaseShown == b.LoadCaseShown &&
           view.LoadTypeShown == b.LoadTypeShown && view.LoadDisplay == b.LoadDisplay &&
           view.HingeMin == b.HingeMin && view.HingeMax == b.HingeMax;
}

void DragPicture::Paint(const ViewState& view, QImage& canvas, Hatching hatching) const
{
    if (canvas.format() != NewCanvasImage(QSize(1, 1)).format())
        throw std::invalid_argument("the drag picture paints only into a canvas image");
    std::optional<QImage> otherSize;
    const QImage& banner = canvas.size() == banner_.size() ? banner_ : otherSize.emplace(BannerPicture(canvas.size()));
    const ViewArea area{canvas.width(), canvas.height()};
    const Projector projector(view, area);
    // Kept per painting thread, so that a step allocates nothing; the helper
    // below paints with this thread's, through the reference.
    static thread_local Screen kept;
    Screen& screen = kept;
    std::vector<ScreenPoint>& joints = screen.at.joints;
    joints.resize(x_.size());
    for (std::size_t k = 1; k < x_.size(); ++k)
        joints[k] = projector.Project(x_[k], y_[k], z_[k]);
    const double tick = AxisTickLength(view);
    screen.ticks.resize(ticks_.size());
    for (std::size_t k = 0; k < ticks_.size(); ++k)
        screen.ticks[k] = {projector.Project(ticks_[k].mid), projector.Project(Along(ticks_[k].mid, ticks_[k].axis, tick))};
    screen.undeformed.resize(undeformed_.size());
    for (std::size_t k = 1; k < undeformed_.size(); ++k)
        screen.undeformed[k] = projector.Project(undeformed_[k].x, undeformed_[k].y, undeformed_[k].z);

    const LayerSwitches& on = view.LayerFlags;
    const auto stride = static_cast<std::int64_t>(canvas.bytesPerLine() / 4);
    auto* rows = reinterpret_cast<std::uint32_t*>(canvas.bits());
    const auto* bannerRows = reinterpret_cast<const std::uint32_t*>(banner.constBits());
    std::array<Band, 2> bands;
    // On a multiple of 8 rows, where the hatch's lattice starts over.
    const std::int32_t middle = area.height / 2 / 8 * 8;
    for (std::size_t b = 0; b < bands.size(); ++b) {
        Band& band = bands[b];
        band.top = b == 0 ? 0 : middle;
        band.bottom = b == 0 ? middle : area.height;
        band.pixels = {rows + band.top * stride, area.width, band.bottom - band.top, stride};
        band.areaWidth = area.width;
        band.areaHeight = area.height;
        // The layers before the springs that leave a solid brush behind them.
        band.springFilled = on.ShowNodes || on.ShowSupports || discsShown_ || on.ShowShells || on.ShowNodeLabels ||
                            on.ShowFrameLabels || on.ShowShellLabels;
        band.canvasRows = rows + band.top * stride;
        band.bannerStride = banner.bytesPerLine() / 4;
        band.bannerRows = bannerRows + band.top * band.bannerStride;
        band.hatched = hatching == Hatching::On;
    }
    // The lower band on a helper kept for the painting thread's life: a thread
    // made anew for each picture, from a thread other than the program's
    // first, was often started milliseconds late.
    static thread_local SerialWorker helper;
    std::packaged_task<void()> lower([this, &bands, &screen] { PaintBand(bands[1], screen); });
    std::future<void> lowerDone = lower.get_future();
    helper.Post([&lower] { lower(); });
    std::exception_ptr upperFailed;
    try {
        PaintBand(bands[0], screen);
    } catch (...) {
        upperFailed = std::current_exception();
    }
    lowerDone.get(); // waits, as the helper reads the bands; an error of it goes on
    if (upperFailed)
        std::rethrow_exception(upperFailed);

    Canvas overlay(canvas, LabelFontFamily());
    if (arrowModel_)
        PaintLoadArrows(overlay, projector, area, screen.at, view);
    if (showTriad_ && anyJoint_)
        PaintAxisTriad(overlay, view, area);
    if (showLegend_)
        PaintLegend(overlay, legend_, area);
    PaintResultCaption(overlay, caption_, area);
}

void DragPicture::PaintLoadArrows(Canvas& canvas, const Projector& projector, ViewArea area, Projection& at,
                                  const ViewState& view) const
{
    const Model& model = *arrowModel_;
    at.frameMids.resize(static_cast<std::size_t>(model.Frames.Size()) + 1);
    for (const std::int32_t f : loadedFrames_)
        at.frameMids[static_cast<std::size_t>(f)] = projector.Project(FrameMidpoint(model, model.Frames[f]));
    PaintShownLoadArrows(canvas, model, at, view, area, *arrowPlane_);
}

void DragPicture::PaintBand(const Band& band, const Screen& screen) const
{
    const std::vector<ScreenPoint>& joints = screen.at.joints;
    for (std::int32_t y = band.top; y < band.bottom; ++y)
        std::copy_n(band.bannerRows + (y - band.top) * band.bannerStride, band.areaWidth,
                    band.canvasRows + (y - band.top) * band.pixels.stride);

    // A box of side 2 x half centred on the pixel, when it reaches the band.
    const auto paintBox = [&](const BoxShape& shape, ScreenPoint p, int half, bool pen, std::uint32_t penColour,
                              const AreaFill& fill) {
        if (p.y + half <= band.top || p.y - half >= band.bottom || p.x + half <= 0 || p.x - half >= band.areaWidth)
            return;
        shape.Paint(band.pixels, std::int64_t{p.x} - half, std::int64_t{p.y} - half - band.top, pen, penColour, fill);
    };
    const auto paintSegment = [&](ScreenPoint a, ScreenPoint b, std::uint32_t colour, int width) {
        if (std::max(a.y, b.y) + width < band.top || std::min(a.y, b.y) - width >= band.bottom)
            return;
        if (!FitLineToArea(band.areaWidth, band.areaHeight, width, a.x, a.y, b.x, b.y))
            return;
        DrawLine(band.pixels, a.x, a.y - band.top, b.x, b.y - band.top, width, colour);
    };
    const auto paintLineAt = [&](const std::vector<ScreenPoint>& at, const Line& line, int width) {
        paintSegment(at[static_cast<std::size_t>(line.i)], at[static_cast<std::size_t>(line.j)], line.colour, width);
    };
    const auto paintLine = [&](const Line& line, int width) { paintLineAt(joints, line, width); };

    for (const Line& edge : outline_)
        paintLineAt(screen.undeformed, edge, kEdgeWidth);

    const BoxShape node(BoxShape::Kind::Ellipse, 2 * kNodeHalf, 2 * kNodeHalf, 0);
    for (const std::int32_t joint : nodes_)
        paintBox(node, joints[static_cast<std::size_t>(joint)], kNodeHalf, false, 0, {AreaFill::Kind::Solid, kBluePixel});
    const BoxShape support(BoxShape::Kind::Rectangle, 2 * kSupportHalf, 2 * kSupportHalf, 0);
    for (const Spot& spot : supports_)
        paintBox(support, joints[static_cast<std::size_t>(spot.joint)], kSupportHalf, false, 0,
                 {AreaFill::Kind::Solid, spot.colour});
    const std::size_t plainFrames = frames_.size() - (selected_ ? 1 : 0);
    for (std::size_t k = 0; k < plainFrames; ++k)
        paintLine(frames_[k], kFrameWidth);
    if (selected_)
        paintLine(frames_.back(), kSelectedWidth);
    for (const auto& [mid, end] : screen.ticks)
        paintSegment(mid, end, kAxisPixel, kEdgeWidth);
    for (const Line& line : diaphragms_)
        paintLine(line, kEdgeWidth);
    const BoxShape disc(BoxShape::Kind::Ellipse, 2 * kDiscHalf, 2 * kDiscHalf, kEdgeWidth);
    for (const Disc& d : discs_) {
        const ScreenPoint i = d.joined ? joints[static_cast<std::size_t>(d.i)] : ScreenPoint{};
        const ScreenPoint j = d.joined ? joints[static_cast<std::size_t>(d.j)] : ScreenPoint{};
        for (const auto& [fraction, colour] : {std::pair{0.2, d.atI}, std::pair{0.8, d.atJ}})
            paintBox(disc, d.joined ? PixelBetween(i, j, fraction) : ScreenPoint{}, kDiscHalf, true, kBlackPixel,
                     {AreaFill::Kind::Solid, colour});
    }
    for (const Quad& shell : shells_) {
        std::array<QPoint, 4> corners;
        std::int32_t left = kPixelLimit, right = -kPixelLimit, top = kPixelLimit, bottom = -kPixelLimit;
        for (std::size_t k = 0; k < 4; ++k) {
            const ScreenPoint p = joints[static_cast<std::size_t>(shell.joints[k])];
            corners[k] = QPoint(p.x, p.y);
            left = std::min(left, p.x);
            right = std::max(right, p.x);
            top = std::min(top, p.y);
            bottom = std::max(bottom, p.y);
        }
        if (bottom + kEdgeWidth < band.top || top - kEdgeWidth >= band.bottom || right + kEdgeWidth < 0 ||
            left - kEdgeWidth >= band.areaWidth)
            continue;
        const AreaFill fill{band.hatched ? AreaFill::Kind::DiagonalCross : AreaFill::Kind::None, shell.hatch};
        PaintQuad(band.pixels, band.top, band.areaWidth, band.areaHeight, corners, fill, kEdgeWidth, kBlackPixel);
    }
    const BoxShape spring(BoxShape::Kind::Ellipse, 2 * kSpringHalf, 2 * kSpringHalf, kSpringPen);
    const AreaFill springFill{band.springFilled ? AreaFill::Kind::Solid : AreaFill::Kind::None, kRedPixel};
    for (const Line& line : springs_) {
        const ScreenPoint a = joints[static_cast<std::size_t>(line.i)];
        const ScreenPoint b = joints[static_cast<std::size_t>(line.j)];
        // Integer halves truncated toward zero, as the releases layer takes them.
        const auto mx = static_cast<std::int32_t>((std::int64_t{a.x} + b.x) / 2);
        const auto my = static_cast<std::int32_t>((std::int64_t{a.y} + b.y) / 2);
        if (my + kSpringHalf <= band.top || my - kSpringHalf >= band.bottom)
            continue;
        spring.Paint(band.pixels, std::int64_t{mx} - kSpringHalf, std::int64_t{my} - kSpringHalf - band.top, true,
                     line.colour, springFill);
    }
    for (const Line& edge : solidEdges_)
        paintLine(edge, kEdgeWidth);
}

} // namespace mirelo
