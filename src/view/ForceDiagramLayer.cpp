#include "view/ForceDiagramLayer.h"

#include "common/Errors.h"
#include "model/ModelUnits.h"
#include "script/RecorderFiles.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace mirelo {

namespace {

// Forces and loads read for another model would index outside their tables.
void CheckSizes(const Model& model, const ElementForces& forces, std::span<const SpanLoad> loads)
{
    const auto n = static_cast<std::size_t>(model.Frames.Size());
    if (forces.start.size() != n + 1 || loads.size() != n)
        throw RangeCheckError();
}

bool HasEndForces(const ElementForces& forces, std::int32_t k)
{
    return forces.Of(k).size() == static_cast<std::size_t>(kEndForceValues);
}

EndForces EndsOf(const ElementForces& forces, std::int32_t k)
{
    return EndForces(forces.Of(k).data(), kEndForceValues);
}

QPointF Pixel(const Projector& projector, const Vector3d& p)
{
    const ScreenPoint s = projector.Project(p[0], p[1], p[2]);
    return {static_cast<double>(s.x), static_cast<double>(s.y)};
}

Vector3d Between(const Vector3d& a, const Vector3d& b, double t)
{
    return {a[0] + t * (b[0] - a[0]), a[1] + t * (b[1] - a[1]), a[2] + t * (b[2] - a[2])};
}

void FillStretch(QPainter& painter, const Projector& projector, const DiagramStation& a, const DiagramStation& b)
{
    const QColor colour = (a.value + b.value) >= 0 ? kDiagramPositive : kDiagramNegative;
    painter.setBrush(QColor(colour.red(), colour.green(), colour.blue(), 110));
    painter.setPen(QPen(colour, 1));
    const QPolygonF polygon{Pixel(projector, a.base), Pixel(projector, a.tip), Pixel(projector, b.tip),
                            Pixel(projector, b.base)};
    painter.drawPolygon(polygon);
}

QString ValueText(double value)
{
    return QString::number(value, 'f', 3).replace(QLatin1Char('-'), QChar(0x2212));
}

} // namespace

double SuggestedDiagramScale(const Model& model, const ElementForces& forces, std::span<const SpanLoad> loads,
                             ForceQuantity quantity)
{
    CheckSizes(model, forces, loads);
    double largest = 0;
    for (std::int32_t k = 1; k <= model.Frames.Size(); ++k) {
        const std::optional<FrameAxes> axes = SolverFrameAxes(model, k);
        if (HasEndForces(forces, k) && axes)
            largest = std::max(largest, std::abs(DiagramOfFrame(EndsOf(forces, k), loads[static_cast<std::size_t>(k - 1)],
                                                                 quantity, axes->length)
                                                      .extreme));
    }
    double low[3] = {HUGE_VAL, HUGE_VAL, HUGE_VAL}, high[3] = {-HUGE_VAL, -HUGE_VAL, -HUGE_VAL};
    for (std::int32_t k = 1; k <= model.Joints.count; ++k) {
        const Joint& j = model.Joints[k];
        const double at[3] = {j.x, j.y, j.z};
        for (int a = 0; a < 3; ++a) {
            low[a] = std::min(low[a], at[a]);
            high[a] = std::max(high[a], at[a]);
        }
    }
    const double extent = model.Joints.count > 0 ? std::max({high[0] - low[0], high[1] - low[1], high[2] - low[2]}) : 0;
    if (!(largest > 0) || !(extent > 0) || !std::isfinite(largest))
        return 1;
    return 0.1 * extent / largest;
}

void PaintForceDiagram(QPainter& painter, const Model& model, const ViewState& view, ViewArea area,
                       const ElementForces& forces, std::span<const SpanLoad> loads,
                       const ForceDiagramDrawing& drawing)
{
    CheckSizes(model, forces, loads);
    const Projector projector(view, area);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    FrameDiagram largest;
    std::int32_t largestFrame = 0;
    for (std::int32_t k = 1; k <= model.Frames.Size(); ++k) {
        if (!HasEndForces(forces, k))
            continue;
        const SpanLoad& load = loads[static_cast<std::size_t>(k - 1)];
        const std::vector<DiagramStation> stations =
            DiagramGeometry(model, k, EndsOf(forces, k), load, drawing.quantity, drawing.scale);
        for (std::size_t s = 1; s < stations.size(); ++s) {
            const DiagramStation& a = stations[s - 1];
            const DiagramStation& b = stations[s];
            if ((a.value < 0 && b.value > 0) || (a.value > 0 && b.value < 0)) {
                // Split where the straight piece crosses 0, so each part takes its sign's colour.
                const double t = a.value / (a.value - b.value);
                DiagramStation zero;
                zero.base = Between(a.base, b.base, t);
                zero.tip = zero.base;
                FillStretch(painter, projector, a, zero);
                FillStretch(painter, projector, zero, b);
            } else {
                FillStretch(painter, projector, a, b);
            }
        }
        if (!stations.empty()) {
            const FrameDiagram d = DiagramOfFrame(EndsOf(forces, k), load, drawing.quantity, stations.back().x);
            if (std::abs(d.extreme) > std::abs(largest.extreme) || largestFrame == 0) {
                largest = d;
                largestFrame = k;
            }
        }
    }
    // The legend: quantity and unit, the two colours, the largest value.
    const ForceQuantityInfo& info = kForceQuantities[static_cast<std::size_t>(drawing.quantity)];
    const std::string force = EngineerUnit(model.Units.force), length = EngineerUnit(model.Units.length);
    const std::string unit = info.moment && !force.empty() && !length.empty() ? force + "\u00b7" + length : force;
    const QString title = QString::fromUtf8(info.caption.data(), static_cast<qsizetype>(info.caption.size()))
                          + (unit.empty() ? QString() : QStringLiteral(" (") + QString::fromStdString(unit) + ")");
    QFont font = painter.font();
    font.setPixelSize(13);
    painter.setFont(font);
    const int x = 8, y = 88, box = 14; // under the banner
    painter.setPen(Qt::black);
    painter.drawText(x, y, title);
    painter.setBrush(kDiagramPositive);
    painter.drawRect(x, y + 6, box, box);
    painter.drawText(x + box + 6, y + 6 + box - 2, QStringLiteral("positive"));
    painter.setBrush(kDiagramNegative);
    painter.drawRect(x + 90, y + 6, box, box);
    painter.drawText(x + 90 + box + 6, y + 6 + box - 2, QStringLiteral("negative"));
    if (largestFrame > 0)
        painter.drawText(x, y + 2 * box + 14,
                         QStringLiteral("largest ") + ValueText(largest.extreme) + QStringLiteral(" at frame ")
                             + QString::fromStdString(FrameCaption(model, largestFrame)) + QStringLiteral(", ")
                             + ValueText(largest.extremeAt) + QStringLiteral(" from end i"));
    painter.restore();
}

} // namespace mirelo
