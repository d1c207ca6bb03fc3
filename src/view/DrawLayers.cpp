#include "view/DrawLayers.h"

#include "common/NumberText.h"
#include "view/SectionResultClass.h"

#include <array>

namespace mirelo {

namespace {

constexpr std::int32_t kBlack = RgbColour(0, 0, 0);
constexpr std::int32_t kYellow = RgbColour(255, 255, 0);
constexpr std::int32_t kGrey = RgbColour(128, 128, 128);
constexpr int kLabelPoints = 10;

// Joint k's pixel in the projection (which Redraw made for this model), or
// none for a number outside the joint table.
const ScreenPoint* PixelAt(const Model& model, const Projection& at, std::int32_t k)
{
    return model.Joints.Contains(k) ? &at.joints[static_cast<std::size_t>(k)] : nullptr;
}

struct FrameEnds {
    const ScreenPoint* i;
    const ScreenPoint* j;
    explicit operator bool() const { return i && j; }
};

FrameEnds EndsOf(const Model& model, const Projection& at, const Frame& frame)
{
    return {PixelAt(model, at, frame.jointI), PixelAt(model, at, frame.jointJ)};
}

// A frame's look from its section; a frame without a (known) section draws
// black as an ordinary frame.
struct SectionLook {
    std::int32_t colour = kBlack;
    std::int32_t elementKind = 0;
};

SectionLook LookOf(const Model& model, const Frame& frame)
{
    if (!model.FrameSections.Contains(frame.section))
        return {};
    const FrameSection& section = model.FrameSections[frame.section];
    return {section.colour, section.elementKind};
}

const ShellSection* ActiveShellSection(const Model& model, const Shell& shell)
{
    if (!model.ShellSections.Contains(shell.section))
        return nullptr;
    const ShellSection& section = model.ShellSections[shell.section];
    return section.shellKind == 1 ? &section : nullptr;
}

void Line(Canvas& canvas, ScreenPoint a, ScreenPoint b)
{
    canvas.Line(a.x, a.y, b.x, b.y);
}

void SetLabelStyle(Canvas& canvas, std::int32_t cellColour)
{
    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.SetBrushColour(cellColour);
    canvas.SetFontColour(kBlack);
    canvas.SetFontSize(kLabelPoints);
}

// Label at the centre of n joints: rnd(sum / n), halves to even.
template <std::size_t N>
void CentreLabel(Canvas& canvas, const std::array<const ScreenPoint*, N>& joints, std::int32_t number)
{
    double sumX = 0, sumY = 0;
    for (const ScreenPoint* joint : joints) {
        sumX += joint->x;
        sumY += joint->y;
    }
    canvas.TextOut(RoundToPixel(sumX / N), RoundToPixel(sumY / N), QString::number(number));
}

template <std::size_t N, std::size_t M>
bool GatherJoints(const Model& model, const Projection& at, const std::array<std::int32_t, M>& numbers,
                  std::array<const ScreenPoint*, N>& out)
{
    for (std::size_t k = 0; k < N; ++k) {
        out[k] = PixelAt(model, at, numbers[k + 1]);
        if (!out[k])
            return false;
    }
    return true;
}

QString ThreeWholeNumbers(double a, double b, double c)
{
    return QString::fromStdString(FormatFixed(a, 0) + "," + FormatFixed(b, 0) + "," + FormatFixed(c, 0));
}

} // namespace

std::int32_t SupportKind(const Joint& joint)
{
    std::int64_t fixed = 0;
    for (int dof = 1; dof <= 6; ++dof)
        fixed += joint.restraint[dof];
    return fixed > 0 && fixed <= kSupportKinds ? static_cast<std::int32_t>(fixed) : 0;
}

const std::string* ShownCaseName(const Model& model, std::int32_t loadCase)
{
    if (loadCase < 1 || static_cast<std::size_t>(loadCase) >= model.LoadCaseNames.size())
        return nullptr;
    return &model.LoadCaseNames[static_cast<std::size_t>(loadCase)];
}

QString ForceLabel(const Load& load, const LoadUnits& units)
{
    const auto& v = load.value;
    const double d = units.forceDivisor;
    return ThreeWholeNumbers(v[1] / d, v[2] / d, v[3] / d);
}

QString MomentLabel(const Load& load, const LoadUnits& units)
{
    const auto& v = load.value;
    const double d = units.momentDivisor;
    return ThreeWholeNumbers(v[4] / d, v[5] / d, v[6] / d);
}

QString ElementLoadLabel(const Load& load, const LoadUnits& units)
{
    return QString::number(load.direction) + ',' +
           QString::fromStdString(FormatFixed(load.value[1] / units.lineLoadDivisor, 2));
}

void PaintNodes(Canvas& canvas, const Model& model, const Projection& at, const PlaneFilter& shown)
{
    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.SetBrushColour(RgbColour(0, 0, 255));
    canvas.SetPenStyle(PenStyle::Clear);
    for (std::int32_t k = 1; k <= model.Joints.count; ++k) {
        if (!shown.Joint(k))
            continue;
        const ScreenPoint p = at.joints[static_cast<std::size_t>(k)];
        canvas.Ellipse(p.x - 4, p.y - 4, p.x + 4, p.y + 4);
    }
}

void PaintSupports(Canvas& canvas, const Model& model, const Projection& at, const PlaneFilter& shown, UsedNumbers& kinds)
{
    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.SetPenStyle(PenStyle::Clear);
    for (std::int32_t k = 1; k <= model.Joints.count; ++k) {
        const Joint& joint = model.Joints[k];
        const std::int32_t fixed = SupportKind(joint);
        if (fixed == 0 || !shown.Joint(k))
            continue;
        kinds.Mark(fixed);
        canvas.SetBrushColour(model.SectionPalette[static_cast<std::size_t>(fixed)]);
        const ScreenPoint p = at.joints[static_cast<std::size_t>(k)];
        canvas.Rectangle(p.x - 5, p.y - 5, p.x + 5, p.y + 5);
    }
}

void PaintFrames(Canvas& canvas, const Model& model, const Projection& at, const PlaneFilter& shown, std::int32_t selectedFrame,
                 UsedNumbers& sections)
{
    canvas.SetPenWidth(2);
    canvas.SetPenStyle(PenStyle::Solid);
    for (std::int32_t f = 1; f <= model.Frames.count; ++f) {
        const Frame& frame = model.Frames[f];
        if (!shown.Frame(frame))
            continue;
        if (model.FrameSections.Contains(frame.section))
            sections.Mark(frame.section);
        const SectionLook look = LookOf(model, frame);
        canvas.SetPenColour(look.colour);
        const FrameEnds ends = EndsOf(model, at, frame);
        if (!IsSpring(look.elementKind) && ends)
            Line(canvas, *ends.i, *ends.j);
    }
    if (selectedFrame == 0)
        return;
    canvas.SetPenWidth(5);
    canvas.SetPenColour(kYellow);
    canvas.SetPenStyle(PenStyle::Solid);
    if (!model.Frames.Contains(selectedFrame) || !shown.Frame(model.Frames[selectedFrame]))
        return;
    if (const FrameEnds ends = EndsOf(model, at, model.Frames[selectedFrame]))
        Line(canvas, *ends.i, *ends.j);
}

void PaintNodeLabels(Canvas& canvas, const Model& model, const Projection& at, const PlaneFilter& shown)
{
    SetLabelStyle(canvas, kYellow);
    for (std::int32_t k = 1; k <= model.Joints.count; ++k)
        if (shown.Joint(k))
            canvas.TextOut(at.joints[static_cast<std::size_t>(k)].x, at.joints[static_cast<std::size_t>(k)].y, QString::number(k));
}

void PaintFrameLabels(Canvas& canvas, const Model& model, const Projection& at, const PlaneFilter& shown)
{
    SetLabelStyle(canvas, RgbColour(0, 255, 0));
    for (std::int32_t f = 1; f <= model.Frames.count; ++f)
        if (const FrameEnds ends = EndsOf(model, at, model.Frames[f]); ends && shown.Frame(model.Frames[f]))
            CentreLabel<2>(canvas, {ends.i, ends.j}, f);
}

void PaintFrameAxes(Canvas& canvas, const Model& model, const Projection& at, const PlaneFilter& shown)
{
    canvas.SetPenWidth(1);
    canvas.SetPenStyle(PenStyle::Solid);
    canvas.SetPenColour(RgbColour(0, 128, 0));
    for (std::int32_t f = 1; f <= model.Frames.count; ++f) {
        const Frame& frame = model.Frames[f];
        const auto k = static_cast<std::size_t>(f);
        if (shown.Frame(frame))
            canvas.Line(at.frameMids[k].x, at.frameMids[k].y, at.frameAxes[k].x, at.frameAxes[k].y);
    }
}

void PaintDiaphragms(Canvas& canvas, const Model& model, const Projection& at, const PlaneFilter& shown)
{
    canvas.SetPenWidth(1);
    canvas.SetPenStyle(PenStyle::Solid);
    canvas.SetPenColour(kGrey);
    for (std::int32_t c = 1; c <= model.Constraints.count; ++c) {
        const Constraint& constraint = model.Constraints[c];
        const ScreenPoint* master = PixelAt(model, at, constraint.masterJoint);
        if (!master || !shown.Joint(constraint.masterJoint))
            continue;
        for (std::int32_t m = 1; m <= constraint.memberCount && static_cast<std::size_t>(m) < constraint.members.size(); ++m) {
            const std::int32_t k = constraint.members[static_cast<std::size_t>(m)];
            if (const ScreenPoint* member = PixelAt(model, at, k); member && shown.Joint(k))
                Line(canvas, *master, *member);
        }
    }
}

void PaintSectionResultDiscs(Canvas& canvas, const Model& model, const Projection& at, const PlaneFilter& shown, const ResultSet& results,
                             const ViewState& view)
{
    canvas.SetPenStyle(PenStyle::Solid);
    canvas.SetPenColour(kBlack);
    canvas.SetPenWidth(1);
    canvas.SetBrushStyle(BrushStyle::Solid);
    const auto disc = [&](double value, ScreenPoint p) {
        canvas.SetBrushColour(model.SectionPalette[static_cast<std::size_t>(10 + SectionResultClass(value, view))]);
        canvas.Ellipse(p.x - 5, p.y - 5, p.x + 5, p.y + 5);
    };
    for (std::int32_t f = 1; f <= model.Frames.count; ++f) {
        const Frame& frame = model.Frames[f];
        if (!shown.Frame(frame))
            continue;
        disc(SectionValueAtI(results, f), at.hingesI[static_cast<std::size_t>(f)]);
        disc(SectionValueAtJ(results, f), at.hingesJ[static_cast<std::size_t>(f)]);
    }
}

void PaintShells(Canvas& canvas, const Model& model, const Projection& at, const PlaneFilter& shown, UsedNumbers& sections)
{
    canvas.SetPenWidth(1);
    canvas.SetPenStyle(PenStyle::Solid);
    canvas.SetPenColour(kBlack);
    canvas.SetBrushStyle(BrushStyle::DiagonalCross);
    for (std::int32_t s = 1; s <= model.Shells.count; ++s) {
        const Shell& shell = model.Shells[s];
        const ShellSection* section = ActiveShellSection(model, shell);
        std::array<const ScreenPoint*, 4> corners{};
        if (!section || !shown.Joints(shell.joints) || !GatherJoints(model, at, shell.joints, corners))
            continue;
        sections.Mark(shell.section);
        canvas.SetBrushColour(section->colour);
        std::array<QPoint, 4> points;
        for (std::size_t k = 0; k < 4; ++k)
            points[k] = QPoint(corners[k]->x, corners[k]->y);
        canvas.Polygon(points);
    }
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.SetBrushStyle(BrushStyle::Solid);
}

void PaintShellLabels(Canvas& canvas, const Model& model, const Projection& at, const PlaneFilter& shown)
{
    SetLabelStyle(canvas, kGrey);
    for (std::int32_t s = 1; s <= model.Shells.count; ++s) {
        const Shell& shell = model.Shells[s];
        std::array<const ScreenPoint*, 4> corners{};
        if (ActiveShellSection(model, shell) && shown.Joints(shell.joints) && GatherJoints(model, at, shell.joints, corners))
            CentreLabel(canvas, corners, s);
    }
}

void PaintReleases(Canvas& canvas, const Model& model, const Projection& at, const PlaneFilter& shown)
{
    canvas.SetPenWidth(2);
    canvas.SetPenStyle(PenStyle::Solid);
    canvas.SetBrushColour(RgbColour(255, 0, 0));
    // The layer leaves the pen in the last frame's colour, and each spring is
    // drawn in its own; the frames are visited only when a section is a spring.
    if (!model.Frames.Contains(model.Frames.count))
        return;
    const std::int32_t lastColour = LookOf(model, model.Frames[model.Frames.count]).colour;
    canvas.SetPenColour(lastColour);
    bool anySpring = false;
    for (std::int32_t s = 1; s <= model.FrameSections.count && !anySpring; ++s)
        anySpring = IsSpring(model.FrameSections[s].elementKind);
    if (!anySpring)
        return;
    for (std::int32_t f = 1; f <= model.Frames.count; ++f) {
        const Frame& frame = model.Frames[f];
        const SectionLook look = LookOf(model, frame);
        const FrameEnds ends = EndsOf(model, at, frame);
        if (!IsSpring(look.elementKind) || !ends || !shown.Frame(frame))
            continue;
        canvas.SetPenColour(look.colour);
        // Integer halves truncated toward zero; 64-bit so the sum cannot overflow.
        const auto mx = static_cast<std::int32_t>((std::int64_t{ends.i->x} + ends.j->x) / 2);
        const auto my = static_cast<std::int32_t>((std::int64_t{ends.i->y} + ends.j->y) / 2);
        canvas.Ellipse(mx - 5, my - 5, mx + 5, my + 5);
    }
    canvas.SetPenColour(lastColour);
}

void PaintSolids(Canvas& canvas, const Model& model, const Projection& at, const PlaneFilter& shown)
{
    canvas.SetPenWidth(1);
    canvas.SetPenStyle(PenStyle::Solid);
    canvas.SetPenColour(kBlack);
    for (std::int32_t s = 1; s <= model.Solids.count; ++s) {
        std::array<const ScreenPoint*, 8> c{};
        if (!shown.Joints(model.Solids[s].joints) || !GatherJoints(model, at, model.Solids[s].joints, c))
            continue;
        for (std::size_t k = 0; k < 4; ++k) {
            const std::size_t next = (k + 1) % 4;
            Line(canvas, *c[k], *c[next]);         // face 1-2-3-4
            Line(canvas, *c[k + 4], *c[next + 4]); // face 5-6-7-8
            Line(canvas, *c[k], *c[k + 4]);        // edges 1-5 ... 4-8
        }
    }
}

void PaintSolidLabels(Canvas& canvas, const Model& model, const Projection& at, const PlaneFilter& shown)
{
    SetLabelStyle(canvas, kGrey);
    for (std::int32_t s = 1; s <= model.Solids.count; ++s) {
        std::array<const ScreenPoint*, 8> corners{};
        if (shown.Joints(model.Solids[s].joints) && GatherJoints(model, at, model.Solids[s].joints, corners))
            CentreLabel(canvas, corners, s);
    }
}

void PaintPointLoadLabels(Canvas& canvas, const Model& model, const Projection& at, const PlaneFilter& shown, std::int32_t loadCase)
{
    SetLabelStyle(canvas, RgbColour(240, 240, 240));
    const std::string* caseName = ShownCaseName(model, loadCase);
    if (!caseName)
        return;
    const LoadUnits units = LoadUnitsOf(model.Units);
    for (std::int32_t k = 1; k <= model.Loads.count; ++k) {
        const Load& load = model.Loads[k];
        const ScreenPoint* joint =
            load.loadType == kJointForce && CaseNameOf(model, load) == *caseName ? PixelAt(model, at, load.target) : nullptr;
        if (!joint || !shown.Joint(load.target))
            continue;
        canvas.TextOut(joint->x, joint->y, ForceLabel(load, units));
        canvas.TextOut(joint->x, joint->y + 15, MomentLabel(load, units));
    }
}

void PaintElementLoadLabels(Canvas& canvas, const Model& model, const Projection& at, const PlaneFilter& shown, std::int32_t loadCase)
{
    SetLabelStyle(canvas, kYellow);
    const std::string* caseName = ShownCaseName(model, loadCase);
    if (!caseName)
        return;
    const LoadUnits units = LoadUnitsOf(model.Units);
    for (std::int32_t k = 1; k <= model.Loads.count; ++k) {
        const Load& load = model.Loads[k];
        if (load.loadType != kFrameDistributed || CaseNameOf(model, load) != *caseName || !model.Frames.Contains(load.target) ||
            !shown.Frame(model.Frames[load.target]))
            continue;
        const ScreenPoint mid = at.frameMids[static_cast<std::size_t>(load.target)];
        canvas.TextOut(mid.x, mid.y, ElementLoadLabel(load, units));
    }
}

} // namespace mirelo
