#include "view/PlaneStepping.h"

#include "common/NumberText.h"
#include "view/DisplayText.h"
#include "view/PlaneFilter.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace mirelo {

namespace {

const char* AxisName(std::int32_t axis)
{
    return axis == kPlaneAxisX ? "X" : axis == kPlaneAxisY ? "Y" : "Z";
}

// The standard view that looks along the axis.
const char* ViewName(std::int32_t axis)
{
    return axis == kPlaneAxisX ? "YZ" : axis == kPlaneAxisY ? "XZ" : "XY";
}

QString Coordinate(double value)
{
    return QString::fromStdString(FormatFixed(value, 3));
}

ViewReaction Step(const Model& model, ViewState& view, int by)
{
    if (view.PlaneAxis == kNoPlaneAxis)
        return {};
    const auto count = static_cast<std::int32_t>(PlaneCoordinates(model, view.PlaneAxis).size());
    if (count == 0)
        return {};
    std::int32_t next = view.PlaneShown == 0 ? (by > 0 ? 1 : count) : view.PlaneShown + by;
    next = std::clamp(next, std::int32_t{1}, count);
    view.PlaneShown = next;
    return {.redraw = true, .showFrameProperties = false, .status = std::nullopt};
}

} // namespace

ViewReaction NextPlane(const Model& model, ViewState& view)
{
    return Step(model, view, 1);
}

ViewReaction PreviousPlane(const Model& model, ViewState& view)
{
    return Step(model, view, -1);
}

ViewReaction AllPlanes(ViewState& view)
{
    view.PlaneShown = 0;
    return {.redraw = true, .showFrameProperties = false, .status = std::nullopt};
}

QString PlaneStatusText(const Model& model, const ViewState& view)
{
    if (view.PlaneAxis == kNoPlaneAxis)
        return QCoreApplication::translate("mirelo::PlaneStepping", "3-D view");
    const std::optional<double> plane = ShownPlaneCoordinate(model, view);
    if (!plane)
        return QCoreApplication::translate("mirelo::PlaneStepping", "%1 view: all planes").arg(QString::fromLatin1(ViewName(view.PlaneAxis)));
    const auto count = PlaneCoordinates(model, view.PlaneAxis).size();
    return QStringLiteral("%1 = %2 (%3 of %4)")
        .arg(QString::fromLatin1(AxisName(view.PlaneAxis)), Coordinate(*plane))
        .arg(view.PlaneShown)
        .arg(count);
}

std::optional<QString> CursorStatusText(const Model& model, const ViewState& view, ViewArea area, int x, int y)
{
    if (view.PlaneAxis == kNoPlaneAxis)
        return std::nullopt;
    // Undo the projection of the standard view: u to the right, w down.
    const double u = (x - area.width / 2.0) * view.Scale + view.PanX;
    const double w = (y - area.height / 2.0) * view.Scale + view.PanY;
    // Each coordinate with the length unit the file names.
    const QString unit = UnitText(model.Units.length);
    const auto at = [&unit](double value) { return unit.isEmpty() ? Coordinate(value) : Coordinate(value) + ' ' + unit; };
    QString text;
    switch (view.PlaneAxis) {
    case kPlaneAxisZ:
        text = QStringLiteral("X %1  Y %2").arg(at(u), at(-w));
        break;
    case kPlaneAxisY:
        text = QStringLiteral("X %1  Z %2").arg(at(u), at(-w));
        break;
    default:
        text = QStringLiteral("Y %1  Z %2").arg(at(-u), at(-w));
        break;
    }
    if (const std::optional<double> plane = ShownPlaneCoordinate(model, view))
        text += QStringLiteral("  %1 %2").arg(QString::fromLatin1(AxisName(view.PlaneAxis)), at(*plane));
    return text;
}

} // namespace mirelo
