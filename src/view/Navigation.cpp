#include "view/Navigation.h"

#include "view/ForceDiagramLayer.h"
#include "view/LoadArrows.h"
#include "view/PickFrame.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>

namespace mirelo {

namespace {

double ClampScale(double scale)
{
    return std::isnan(scale) ? 1.0 : std::clamp(scale, kMinScale, kMaxScale);
}

// The pixels of the area's width or height the picture may fill: 80 %, and
// while loads or reactions are shown no closer than kLoadReach to either edge.
double FitSpan(int size, const ViewState& view)
{
    const bool loadsShown =
        (view.LoadCaseShown != 0 && view.LoadTypeShown != kShowNoLoadType) || view.ShowReactions;
    const double span = 0.8 * size;
    return loadsShown ? std::max(1.0, std::min(span, size - 2 * kLoadReach)) : span;
}

// One fitting step from the joints' pixels in `at`, which it then projects
// anew for the fitted view.
void ZoomAllPass(const Model& model, const ResultSet& results, ViewState& view, ViewArea area, Projection& at)
{
    std::int32_t minX = at.joints[1].x, maxX = minX;
    std::int32_t minY = at.joints[1].y, maxY = minY;
    const auto widen = [&](ScreenPoint p) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    };
    for (std::int32_t k = 2; k <= model.Joints.count; ++k)
        widen(at.joints[static_cast<std::size_t>(k)]);
    // A shown force diagram joins the extent, so its tall parts stay in the picture.
    for (const ScreenPoint p : ShownDiagramTips(model, results, view, area))
        widen(p);
    // Pixels are clamped to +-kPixelLimit, so the extents fit in a double exactly.
    const double extentX = static_cast<double>(maxX) - minX;
    const double extentY = static_cast<double>(maxY) - minY;
    // Centre the picture on the middle of the projected extent. (Taking half
    // the extent as the pan only centres models whose projection starts at
    // the origin; a YZ view would put most of a model outside the area.)
    const double middleX = (static_cast<double>(minX) + maxX) / 2;
    const double middleY = (static_cast<double>(minY) + maxY) / 2;
    view.PanX += (middleX - area.width / 2.0) * view.Scale;
    view.PanY += (middleY - area.height / 2.0) * view.Scale;
    const double f = std::max(extentX / FitSpan(area.width, view), extentY / FitSpan(area.height, view));
    view.Scale = f != 0 ? ClampScale(view.Scale * f) : 1.0;
    ProjectJoints(model, results, view, area, at);
}

// The mode texts stay English data; the window translates them as it shows them.
ViewReaction StatusOnly(const char* text)
{
    return {.redraw = false, .showFrameProperties = false, .status = QString::fromLatin1(text)};
}

void PanStep(ViewState& view, int x, int y)
{
    view.PanX -= (static_cast<double>(x) - view.AnchorX) * view.Scale;
    view.PanY -= (static_cast<double>(y) - view.AnchorY) * view.Scale;
}

double ResetBeyondFullTurn(double angle)
{
    return std::abs(angle) > 360 ? 0.0 : angle;
}

void RotateStep(ViewState& view, ViewArea area, int x, int y)
{
    // An empty area cannot be dragged across; skip the division by its size.
    if (area.width > 0)
        view.PlanAngle += (static_cast<double>(x) - view.AnchorX) / area.width * 180;
    if (area.height > 0)
        view.TiltAngle += (static_cast<double>(y) - view.AnchorY) / area.height * 180;
    view.PlanAngle = ResetBeyondFullTurn(view.PlanAngle);
    view.TiltAngle = ResetBeyondFullTurn(view.TiltAngle);
    // A turned view no longer looks along an axis: every plane shows again.
    if (x != view.AnchorX || y != view.AnchorY) {
        view.PlaneAxis = kNoPlaneAxis;
        view.PlaneShown = 0;
    }
}

ViewReaction RedrawOnly()
{
    return {.redraw = true, .showFrameProperties = false, .status = std::nullopt};
}

void SetAnchor(ViewState& view, int x, int y)
{
    view.AnchorX = x;
    view.AnchorY = y;
}

} // namespace

void ZoomAll(const Model& model, const ResultSet& results, ViewState& view, ViewArea area)
{
    if (model.Joints.count < 1 || area.width < 1 || area.height < 1)
        return;
    Projection at;
    ProjectJoints(model, results, view, area, at);
    ZoomAllPass(model, results, view, area, at);
    ZoomAllPass(model, results, view, area, at);
}

void SetStandardView(const Model& model, const ResultSet& results, ViewState& view, StandardView which, ViewArea area)
{
    std::int32_t axis = kNoPlaneAxis;
    switch (which) {
    case StandardView::XY:
        view.PlanAngle = 0;
        view.TiltAngle = 0;
        axis = kPlaneAxisZ;
        break;
    case StandardView::XZ:
        view.PlanAngle = 0;
        view.TiltAngle = -90;
        axis = kPlaneAxisY;
        break;
    case StandardView::YZ:
        view.PlanAngle = 90;
        view.TiltAngle = -90;
        axis = kPlaneAxisX;
        break;
    case StandardView::Isometric:
        view.PlanAngle = kIsometricPlanAngle;
        view.TiltAngle = kIsometricTiltAngle;
        break;
    }
    if (axis != view.PlaneAxis || axis == kNoPlaneAxis) {
        view.PlaneAxis = axis;
        view.PlaneShown = 0;
    }
    ZoomAll(model, results, view, area);
}

ViewReaction ArmPan(ViewState& view)
{
    view.MouseMode = kPanArmed;
    return StatusOnly(QT_TRANSLATE_NOOP("mirelo::Navigation", "Pan"));
}

ViewReaction ArmRotate(ViewState& view)
{
    view.MouseMode = kRotateArmed;
    return StatusOnly(QT_TRANSLATE_NOOP("mirelo::Navigation", "Rotate View"));
}

ViewReaction ArmSelect(ViewState& view)
{
    view.MouseMode = kSelectElement;
    return StatusOnly(QT_TRANSLATE_NOOP("mirelo::Navigation", "Select Elem"));
}

ViewReaction SetIdleMode(ViewState& view)
{
    view.MouseMode = kMouseIdle;
    return {};
}

ViewReaction MouseDown(const Model& model, const Projection& at, ViewState& view, Qt::MouseButton button, int x, int y,
                       Qt::KeyboardModifiers modifiers)
{
    const bool middle = button == Qt::MiddleButton;
    if (middle || (button == Qt::LeftButton && modifiers.testFlag(Qt::ControlModifier))) {
        view.Gesture = middle && !modifiers.testFlag(Qt::ShiftModifier) ? DragGesture::Pan : DragGesture::Rotate;
        SetAnchor(view, x, y);
        return {};
    }
    ViewReaction reaction;
    if (view.MouseMode == kSelectElement && PickFrame(model, at, view, x, y) != 0) {
        reaction.redraw = true;
        reaction.showFrameProperties = true;
    }
    if (view.MouseMode == kPanArmed) {
        SetAnchor(view, x, y);
        view.MouseMode = kPanning;
    }
    if (view.MouseMode == kRotateArmed) {
        SetAnchor(view, x, y);
        view.MouseMode = kRotating;
    }
    if (button == Qt::RightButton && view.MouseMode == kMouseNone && view.Gesture == DragGesture::None) {
        reaction.showContextMenu = true;
        return reaction;
    }
    if (button == Qt::RightButton) {
        view.MouseMode = kMouseNone;
        reaction.status = QStringLiteral("None");
    }
    return reaction;
}

ViewReaction MouseMove(ViewState& view, ViewArea area, int x, int y)
{
    if (view.Gesture == DragGesture::Pan)
        PanStep(view, x, y);
    else if (view.Gesture == DragGesture::Rotate)
        RotateStep(view, area, x, y);
    else if (view.MouseMode == kPanning)
        PanStep(view, x, y);
    else if (view.MouseMode == kRotating)
        RotateStep(view, area, x, y);
    else
        return {};
    SetAnchor(view, x, y);
    return {.redraw = true, .showFrameProperties = false, .status = std::nullopt};
}

ViewReaction MouseUp(ViewState& view, ViewArea area, int x, int y)
{
    if (view.Gesture != DragGesture::None) {
        MouseMove(view, area, x, y);
        view.Gesture = DragGesture::None;
        return RedrawOnly();
    }
    if (view.MouseMode == kPanning) {
        PanStep(view, x, y);
        view.MouseMode = kPanArmed;
        return {.redraw = true, .showFrameProperties = false, .status = QStringLiteral("Pan")};
    }
    if (view.MouseMode == kRotating) {
        RotateStep(view, area, x, y);
        view.MouseMode = kRotateArmed;
        return {.redraw = true, .showFrameProperties = false, .status = QStringLiteral("Rotate View")};
    }
    return {};
}

ViewReaction WheelDown(ViewState& view)
{
    view.Scale = ClampScale(view.Scale * 0.9);
    return {.redraw = true, .showFrameProperties = false, .status = std::nullopt};
}

ViewReaction WheelUp(ViewState& view)
{
    view.Scale = ClampScale(view.Scale / 0.9);
    return {.redraw = true, .showFrameProperties = false, .status = std::nullopt};
}

ViewReaction PanByKey(ViewState& view, ViewArea area, PanDirection direction)
{
    const double stepX = area.width / 10.0 * view.Scale, stepY = area.height / 10.0 * view.Scale;
    switch (direction) {
    case PanDirection::Left:
        view.PanX += stepX;
        break;
    case PanDirection::Right:
        view.PanX -= stepX;
        break;
    case PanDirection::Up:
        view.PanY += stepY;
        break;
    case PanDirection::Down:
        view.PanY -= stepY;
        break;
    }
    return RedrawOnly();
}

} // namespace mirelo
