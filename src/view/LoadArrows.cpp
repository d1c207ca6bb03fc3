#include "view/LoadArrows.h"

#include "common/NumberText.h"
#include "view/DrawLayers.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace mirelo {

namespace {

constexpr double kHeadLength = 8;
constexpr double kHeadSpread = 0.45; // radians either side of the shaft
constexpr double kShortestArrow = 6;
constexpr int kLabelPoints = 8;
// A load within about 14 degrees of the line of sight is drawn as a symbol.
constexpr double kLineOfSight = 0.97;

// Which parts of the area are taken, in square cells. Loads whose anchor falls
// in a taken cell, and labels that would overlap one drawn before, are left
// out: on a large model zoomed out the picture stays readable, and a redraw
// paints at most one load per cell.
class Occupancy {
public:
    Occupancy(ViewArea area, int cell)
        : cell_(cell), columns_((std::max(area.width, 1) + cell - 1) / cell), rows_((std::max(area.height, 1) + cell - 1) / cell),
          taken_(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), 0)
    {
    }

    // Claims the cells of the box (pixels, inclusive) when all are inside the
    // area and free.
    bool Claim(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1)
    {
        if (x0 < 0 || y0 < 0 || x1 >= std::int64_t{columns_} * cell_ || y1 >= std::int64_t{rows_} * cell_ || x1 < x0 || y1 < y0)
            return false;
        const auto c0 = static_cast<int>(x0 / cell_), c1 = static_cast<int>(x1 / cell_);
        const auto r0 = static_cast<int>(y0 / cell_), r1 = static_cast<int>(y1 / cell_);
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c)
                if (taken_[Index(c, r)])
                    return false;
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c)
                taken_[Index(c, r)] = 1;
        return true;
    }

private:
    std::size_t Index(int column, int row) const
    {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(column);
    }

    int cell_, columns_, rows_;
    std::vector<char> taken_;
};

// The load drawn in each cell of the area: the largest of those whose anchor
// pixel (joint, frame midpoint) falls in it, so that where loads cover each
// other (storeys behind one another in an elevation) the governing one shows.
class AnchorCells {
public:
    AnchorCells(ViewArea area, int cell)
        : cell_(cell), columns_((std::max(area.width, 1) + cell - 1) / cell), rows_((std::max(area.height, 1) + cell - 1) / cell),
          loads_(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), nullptr), sizes_(loads_.size())
    {
    }

    // Sizes compare by their first part, then their second (force, then moment).
    using Size = std::pair<double, double>;
    void Offer(std::int32_t x, std::int32_t y, Size size, const Load* load)
    {
        if (x < 0 || y < 0 || x >= columns_ * cell_ || y >= rows_ * cell_)
            return;
        const std::size_t k = static_cast<std::size_t>(y / cell_) * static_cast<std::size_t>(columns_) +
                              static_cast<std::size_t>(x / cell_);
        if (!loads_[k] || size > sizes_[k]) {
            loads_[k] = load;
            sizes_[k] = size;
        }
    }

    std::vector<const Load*> Winners() const
    {
        std::vector<const Load*> winners;
        for (const Load* load : loads_)
            if (load)
                winners.push_back(load);
        return winners;
    }

private:
    int cell_, columns_, rows_;
    std::vector<const Load*> loads_;
    std::vector<Size> sizes_;
};

// The cells: anchors of loads, and labels.
constexpr int kAnchorCell = 16;
constexpr int kLabelCell = 4;
// Frames shorter than this many pixels get a single arrow.
constexpr double kShortestRow = 40;

struct Vector3 {
    double x = 0, y = 0, z = 0;
};

double Length(const Vector3& v)
{
    return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}

Vector3 Cross(const Vector3& a, const Vector3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

std::int32_t Pixel(double value)
{
    return RoundToPixel(value);
}

void Head(Canvas& canvas, double tipX, double tipY, double dirX, double dirY)
{
    for (const double side : {kHeadSpread, -kHeadSpread}) {
        const double c = std::cos(side), s = std::sin(side);
        const double bx = -(dirX * c - dirY * s), by = -(dirX * s + dirY * c);
        canvas.Line(Pixel(tipX), Pixel(tipY), Pixel(tipX + bx * kHeadLength), Pixel(tipY + by * kHeadLength));
    }
}

// The end of the arrow away from the tip, where its label goes.
struct Tail {
    double x = 0, y = 0;
};

// An arrow of `length` pixels whose tip is at (tipX, tipY) and that points
// along the model vector `v`. Along the line of sight: the circle symbol.
Tail Arrow(Canvas& canvas, const Projector& projector, double tipX, double tipY, const Vector3& v, double length,
           bool doubleHead)
{
    const Projector::Shift shift = projector.ScreenShift(v.x, v.y, v.z);
    const double onScreen = std::hypot(shift.x, shift.y);
    const double size = Length(v);
    if (size == 0 || !std::isfinite(size))
        return {tipX, tipY};
    const double towardViewer = projector.TowardViewer(v.x, v.y, v.z);
    if (std::abs(towardViewer) > kLineOfSight * size || onScreen == 0) {
        const std::int32_t x = Pixel(tipX), y = Pixel(tipY);
        canvas.SetBrushStyle(BrushStyle::Clear);
        canvas.Ellipse(x - 7, y - 7, x + 8, y + 8);
        if (towardViewer > 0) {
            canvas.SetBrushStyle(BrushStyle::Solid);
            canvas.Ellipse(x - 2, y - 2, x + 3, y + 3);
        } else {
            canvas.Line(x - 5, y - 5, x + 6, y + 6);
            canvas.Line(x - 5, y + 5, x + 6, y - 6);
        }
        return {tipX + 9, tipY - 9};
    }
    const double dirX = shift.x / onScreen, dirY = shift.y / onScreen;
    const double tailX = tipX - dirX * length, tailY = tipY - dirY * length;
    canvas.Line(Pixel(tailX), Pixel(tailY), Pixel(tipX), Pixel(tipY));
    Head(canvas, tipX, tipY, dirX, dirY);
    if (doubleHead)
        Head(canvas, tipX - dirX * kHeadLength * 0.7, tipY - dirY * kHeadLength * 0.7, dirX, dirY);
    return {tailX, tailY};
}

double ArrowLength(double size, double largest, double longest)
{
    if (largest <= 0 || !std::isfinite(size))
        return 0;
    return std::max(kShortestArrow, longest * size / largest);
}

void LabelAt(Canvas& canvas, Occupancy& labels, const Tail& tail, const QString& text)
{
    const std::int64_t x = Pixel(tail.x) + 3, y = Pixel(tail.y) - kLoadLabelRise;
    if (!labels.Claim(x, y, x + canvas.TextWidth(text), y + canvas.TextHeight()))
        return;
    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.TextOut(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y), text);
}

void ArrowStyle(Canvas& canvas, std::int32_t colour)
{
    canvas.SetPenStyle(PenStyle::Solid);
    canvas.SetPenWidth(2);
    canvas.SetPenColour(colour);
    canvas.SetBrushColour(colour);
}

void LabelStyle(Canvas& canvas)
{
    canvas.SetBrushColour(RgbColour(240, 240, 240));
    canvas.SetFontColour(RgbColour(0, 0, 0));
    canvas.SetFontSize(kLabelPoints);
}

// Labels wait until every arrow of the layer is drawn: text is painted by
// another painter than the arrows, which then starts once rather than once a
// label, and no arrow crosses a label. They claim their places in the order
// they came, as if painted at once.
struct PendingLabel {
    Tail tail;
    QString text;
};
using PendingLabels = std::vector<PendingLabel>;

void PaintLabels(Canvas& canvas, Occupancy& labels, const PendingLabels& pending)
{
    if (pending.empty())
        return;
    LabelStyle(canvas);
    for (const PendingLabel& label : pending)
        LabelAt(canvas, labels, label.tail, label.text);
}

// Visits the loads of the shown case and type, in file order.
template <typename Visit>
void ForLoadsOfCase(const Model& model, const ViewState& view, LoadType type, Visit visit)
{
    const std::string* caseName = ShownCaseName(model, view.LoadCaseShown);
    if (!caseName)
        return;
    // Cases are matched by name, so two NAME lines of one name are one case;
    // the names are compared once, not once a load.
    std::vector<char> shownCase(model.LoadCaseNames.size());
    for (std::size_t c = 0; c < shownCase.size(); ++c)
        shownCase[c] = model.LoadCaseNames[c] == *caseName;
    for (std::int32_t k = 1; k <= model.Loads.count; ++k) {
        const Load& load = model.Loads[k];
        if (load.loadType == type && load.loadCase < shownCase.size() && shownCase[load.loadCase])
            visit(load);
    }
}

Vector3 ForceOf(const Load& load)
{
    return {load.value[1], load.value[2], load.value[3]};
}

Vector3 MomentOf(const Load& load)
{
    return {load.value[4], load.value[5], load.value[6]};
}

// The unit vector of a distributed load's direction, or zero when unknown.
Vector3 LineLoadDirection(const Model& model, const Frame& frame, std::int32_t direction)
{
    const Joint& i = model.Joints[frame.jointI];
    const Joint& j = model.Joints[frame.jointJ];
    Vector3 axis1{j.x - i.x, j.y - i.y, j.z - i.z};
    const double length = Length(axis1);
    if (length == 0)
        return {};
    axis1 = {axis1.x / length, axis1.y / length, axis1.z / length};
    const Vector3 axis2{frame.axis2X, frame.axis2Y, frame.axis2Z};
    switch (direction) {
    case 1:
        return axis1;
    case 2:
        return axis2;
    case 3:
        return Cross(axis1, axis2);
    default:
        return {};
    }
}

} // namespace

QString LoadValueText(double value)
{
    const double rounded = std::round(value * 1000) / 1000;
    return QString::fromStdString(FormatGeneral(rounded == 0 ? 0.0 : rounded));
}

PointLoadKinds PaintPointLoadArrows(Canvas& canvas, const Model& model, const Projection& at, const ViewState& view,
                                    ViewArea area, const PlaneFilter& shown, const LoadUnits& units)
{
    double largestForce = 0, largestMoment = 0;
    PointLoadKinds kinds;
    AnchorCells anchors(area, kAnchorCell);
    ForLoadsOfCase(model, view, kJointForce, [&](const Load& load) {
        kinds.Add(load);
        const double force = Length(ForceOf(load)), moment = Length(MomentOf(load));
        largestForce = std::max(largestForce, force);
        largestMoment = std::max(largestMoment, moment);
        if (model.Joints.Contains(load.target) && shown.Joint(load.target)) {
            const ScreenPoint p = at.joints[static_cast<std::size_t>(load.target)];
            anchors.Offer(p.x, p.y, {force, moment}, &load);
        }
    });
    const Projector projector(view, area);
    Occupancy labels(area, kLabelCell);
    PendingLabels pending;
    const auto draw = [&](const Load& load, const Vector3& v, double largest, std::int32_t colour, double divisor,
                          const QString& unit, bool doubleHead) {
        const double size = Length(v);
        if (size == 0 || !std::isfinite(size))
            return;
        const ScreenPoint p = at.joints[static_cast<std::size_t>(load.target)];
        ArrowStyle(canvas, colour);
        const Tail tail = Arrow(canvas, projector, p.x, p.y, v,
                                ArrowLength(size, largest, kLongestForceArrow), doubleHead);
        pending.push_back({tail, LoadValueText(size / divisor) + ' ' + unit});
    };
    for (const Load* load : anchors.Winners()) {
        draw(*load, ForceOf(*load), largestForce, kForceArrowColour, units.forceDivisor, units.force, false);
        draw(*load, MomentOf(*load), largestMoment, kMomentArrowColour, units.momentDivisor, units.moment, true);
    }
    PaintLabels(canvas, labels, pending);
    return kinds;
}

void PaintLineLoadArrows(Canvas& canvas, const Model& model, const Projection& at, const ViewState& view, ViewArea area,
                         const PlaneFilter& shown, const LoadUnits& units)
{
    const auto drawn = [&](const Load& load) {
        return model.Frames.Contains(load.target) && model.Joints.Contains(model.Frames[load.target].jointI) &&
               model.Joints.Contains(model.Frames[load.target].jointJ) && shown.Frame(model.Frames[load.target]);
    };
    double largest = 0;
    AnchorCells anchors(area, kAnchorCell);
    ForLoadsOfCase(model, view, kFrameDistributed, [&](const Load& load) {
        if (!std::isfinite(load.value[1]))
            return;
        largest = std::max(largest, std::abs(load.value[1]));
        if (drawn(load) && load.value[1] != 0) {
            const ScreenPoint mid = at.frameMids[static_cast<std::size_t>(load.target)];
            anchors.Offer(mid.x, mid.y, {std::abs(load.value[1]), 0}, &load);
        }
    });
    const Projector projector(view, area);
    Occupancy labels(area, kLabelCell);
    PendingLabels pending;
    for (const Load* each : anchors.Winners()) {
        const Load& load = *each;
        const Frame& frame = model.Frames[load.target];
        const Vector3 unit = LineLoadDirection(model, frame, load.direction);
        const Vector3 v{unit.x * load.value[1], unit.y * load.value[1], unit.z * load.value[1]};
        if (Length(v) == 0)
            continue;
        const ScreenPoint i = at.joints[static_cast<std::size_t>(frame.jointI)];
        const ScreenPoint j = at.joints[static_cast<std::size_t>(frame.jointJ)];
        const double length = ArrowLength(std::abs(load.value[1]), largest, kLongestLineLoadArrow);
        const double span = std::hypot(static_cast<double>(j.x) - i.x, static_cast<double>(j.y) - i.y);
        ArrowStyle(canvas, kLineLoadArrowColour);
        // A frame too short for a row shows one arrow at its middle.
        const int gaps = span < kShortestRow ? 0 : static_cast<int>(std::clamp(span / 30, 2.0, 12.0));
        Tail first, last, middle;
        for (int k = 0; k <= gaps; ++k) {
            const double t = gaps == 0 ? 0.5 : static_cast<double>(k) / gaps;
            const Tail tail =
                Arrow(canvas, projector, i.x + t * (j.x - i.x), i.y + t * (j.y - i.y), v, length, false);
            (k == 0 ? first : last) = tail;
            if (k == gaps / 2)
                middle = tail;
        }
        canvas.SetPenWidth(1);
        if (gaps > 0)
            canvas.Line(Pixel(first.x), Pixel(first.y), Pixel(last.x), Pixel(last.y));
        pending.push_back({middle, LoadValueText(std::abs(load.value[1]) / units.lineLoadDivisor) + ' ' + units.lineLoad});
    }
    PaintLabels(canvas, labels, pending);
}

std::optional<PointLoadKinds> PaintShownLoadArrows(Canvas& canvas, const Model& model, const Projection& at,
                                                   const ViewState& view, ViewArea area, const PlaneFilter& shown)
{
    const LoadUnits units = LoadUnitsOf(model.Units);
    if (view.LoadTypeShown == kShowPointForces)
        return PaintPointLoadArrows(canvas, model, at, view, area, shown, units);
    if (view.LoadTypeShown == kShowElementLoads)
        PaintLineLoadArrows(canvas, model, at, view, area, shown, units);
    return std::nullopt;
}

} // namespace mirelo
