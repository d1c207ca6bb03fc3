#include "view/ForceDiagramLayer.h"

#include "model/QuantityUnits.h"

#include "common/Errors.h"
#include "model/ModelUnits.h"
#include "script/RecorderFiles.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace mirelo {

namespace {

QPointF Pixel(const Projector& projector, const Vector3d& p)
{
    const ScreenPoint s = projector.Project(p[0], p[1], p[2]);
    return {static_cast<double>(s.x), static_cast<double>(s.y)};
}

Vector3d Between(const Vector3d& a, const Vector3d& b, double t)
{
    return {a[0] + t * (b[0] - a[0]), a[1] + t * (b[1] - a[1]), a[2] + t * (b[2] - a[2])};
}

// The diagrams' stretches: each filled in its sign's colour at once, and the
// line of their tips gathered by sign and drawn over all fills in one call
// per colour (the base lies on the frame's own line). A large model has
// hundreds of thousands of stretches, and outlining each whole as it was
// filled cost three times the filling.
class Stretches {
public:
    Stretches(QPainter& painter, const Projector& projector) : painter_(painter), projector_(projector)
    {
        painter_.setPen(Qt::NoPen);
    }

    void Fill(const DiagramStation& a, const DiagramStation& b)
    {
        const bool positive = (a.value + b.value) >= 0;
        if (positive != positive_) {
            const QColor colour = positive ? kDiagramPositive : kDiagramNegative;
            painter_.setBrush(QColor(colour.red(), colour.green(), colour.blue(), 110));
            positive_ = positive;
        }
        const QPointF corners[4] = {Pixel(projector_, a.base), Pixel(projector_, a.tip), Pixel(projector_, b.tip),
                                    Pixel(projector_, b.base)};
        painter_.drawPolygon(corners, 4);
        (positive ? positiveTips_ : negativeTips_).emplace_back(corners[1], corners[2]);
    }

    // The tip lines, after every fill.
    void Outline()
    {
        painter_.setPen(QPen(kDiagramPositive, 1));
        painter_.drawLines(positiveTips_.data(), static_cast<int>(positiveTips_.size()));
        painter_.setPen(QPen(kDiagramNegative, 1));
        painter_.drawLines(negativeTips_.data(), static_cast<int>(negativeTips_.size()));
    }

private:
    QPainter& painter_;
    const Projector& projector_;
    std::optional<bool> positive_; // the brush's sign, once set
    std::vector<QLineF> positiveTips_, negativeTips_;
};

QString ValueText(double value)
{
    return QString::number(value, 'f', 3).replace(QLatin1Char('-'), QChar(0x2212));
}

// Frame k's stations, moved with its chord by the loaded displacements.
std::vector<DiagramStation> Stations(const Model& model, std::int32_t k, const ElementForces& forces,
                                     const SpanLoad& load, const ForceDiagramDrawing& drawing, double deformScale)
{
    std::vector<DiagramStation> stations =
        DiagramGeometry(model, k, EndForcesOf(forces, k), load, drawing.quantity, drawing.scale);
    if (!drawing.displaced || deformScale == 0 || stations.empty())
        return stations;
    const Displacement i = JointDisplacement(*drawing.displaced, model.Frames[k].jointI);
    const Displacement j = JointDisplacement(*drawing.displaced, model.Frames[k].jointJ);
    const double length = stations.back().x;
    for (DiagramStation& s : stations) {
        const double t = length > 0 ? s.x / length : 0;
        const Vector3d shift{deformScale * (i.x + t * (j.x - i.x)), deformScale * (i.y + t * (j.y - i.y)),
                             deformScale * (i.z + t * (j.z - i.z))};
        for (int a = 0; a < 3; ++a) {
            s.base[a] += shift[a];
            s.tip[a] += shift[a];
        }
    }
    return stations;
}

// The end values and, where it lies between them and exceeds both, the
// largest value, each beside the tip of its station.
void PaintValues(QPainter& painter, const Projector& projector, const std::vector<DiagramStation>& stations,
                 const FrameDiagram& diagram)
{
    const auto label = [&](const DiagramStation& s) {
        if (s.value == 0)
            return;
        const QPointF tip = Pixel(projector, s.tip), base = Pixel(projector, s.base);
        const QPointF away = tip == base ? QPointF(0, -4) : (tip - base) / std::hypot(tip.x() - base.x(), tip.y() - base.y()) * 4;
        painter.drawText(tip + away + QPointF(2, 4), ValueText(s.value));
    };
    label(stations.front());
    label(stations.back());
    if (std::abs(diagram.extreme) > std::max(std::abs(diagram.atI), std::abs(diagram.atJ)))
        for (const DiagramStation& s : stations)
            if (s.x == diagram.extremeAt) {
                label(s);
                break;
            }
}

} // namespace

void PaintForceDiagram(QPainter& painter, const Model& model, const ViewState& view, ViewArea area,
                       const ElementForces& forces, std::span<const SpanLoad> loads,
                       const ForceDiagramDrawing& drawing, int legendTop)
{
    CheckForceSizes(model, forces, loads);
    const Projector projector(view, area);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    FrameDiagram largest;
    std::int32_t largestFrame = 0;
    Stretches stretches(painter, projector);
    for (std::int32_t k = 1; k <= model.Frames.Size(); ++k) {
        if (!HasEndForces(forces, k))
            continue;
        const SpanLoad& load = loads[static_cast<std::size_t>(k - 1)];
        const std::vector<DiagramStation> stations = Stations(model, k, forces, load, drawing, view.DeformScale);
        for (std::size_t s = 1; s < stations.size(); ++s) {
            const DiagramStation& a = stations[s - 1];
            const DiagramStation& b = stations[s];
            if ((a.value < 0 && b.value > 0) || (a.value > 0 && b.value < 0)) {
                // Split where the straight piece crosses 0, so each part takes its sign's colour.
                const double t = a.value / (a.value - b.value);
                DiagramStation zero;
                zero.base = Between(a.base, b.base, t);
                zero.tip = zero.base;
                stretches.Fill(a, zero);
                stretches.Fill(zero, b);
            } else {
                stretches.Fill(a, b);
            }
        }
        if (!stations.empty()) {
            const FrameDiagram d = DiagramOfFrame(EndForcesOf(forces, k), load, drawing.quantity, stations.back().x);
            if (std::abs(d.extreme) > std::abs(largest.extreme) || largestFrame == 0) {
                largest = d;
                largestFrame = k;
            }
        }
    }
    stretches.Outline();
    if (drawing.showValues) {
        QFont valueFont = painter.font();
        valueFont.setPixelSize(11);
        painter.setFont(valueFont);
        painter.setPen(Qt::black);
        for (std::int32_t k = 1; k <= model.Frames.Size(); ++k) {
            if (!HasEndForces(forces, k))
                continue;
            const SpanLoad& load = loads[static_cast<std::size_t>(k - 1)];
            const std::vector<DiagramStation> stations = Stations(model, k, forces, load, drawing, view.DeformScale);
            if (!stations.empty())
                PaintValues(painter, projector, stations,
                            DiagramOfFrame(EndForcesOf(forces, k), load, drawing.quantity, stations.back().x));
        }
    }
    // The legend: quantity and unit, the two colours, the largest value.
    const ForceQuantityInfo& info = kForceQuantities[static_cast<std::size_t>(drawing.quantity)];
    const std::string unit = QuantityUnit(info.moment ? Quantity::Moment : Quantity::Force, model.Units);
    const QString title = QString::fromUtf8(info.caption.data(), static_cast<qsizetype>(info.caption.size()))
                          + (unit.empty() ? QString() : QStringLiteral(" (") + QString::fromStdString(unit) + ")");
    QFont font = painter.font();
    font.setPixelSize(13);
    painter.setFont(font);
    const int x = 8, y = legendTop, box = 14;
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

bool DiagramShown(const Model& model, const ResultSet& results, const ViewState& view)
{
    const auto n = static_cast<std::size_t>(model.Frames.Size());
    return view.ShowForces && results.HasForces() && results.forces.start.size() == n + 1
           && results.spanLoads.size() == n && std::isfinite(view.ForceScale) && view.ForceScale != 0;
}

ForceDiagramDrawing ShownDiagram(const ResultSet& results, const ViewState& view)
{
    return {view.ForceShown, view.ForceScale, view.ShowForceValues, &results};
}

std::vector<ScreenPoint> ShownDiagramTips(const Model& model, const ResultSet& results, const ViewState& view,
                                          ViewArea area)
{
    std::vector<ScreenPoint> tips;
    if (!DiagramShown(model, results, view))
        return tips;
    const Projector projector(view, area);
    const ForceDiagramDrawing drawing = ShownDiagram(results, view);
    for (std::int32_t k = 1; k <= model.Frames.Size(); ++k)
        if (HasEndForces(results.forces, k))
            for (const DiagramStation& s : Stations(model, k, results.forces, results.spanLoads[static_cast<std::size_t>(k - 1)],
                                                    drawing, view.DeformScale))
                tips.push_back(projector.Project(s.tip[0], s.tip[1], s.tip[2]));
    return tips;
}

} // namespace mirelo
