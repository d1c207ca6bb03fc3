#include "view/ContourLayer.h"

#include "model/ModelUnits.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cmath>

namespace mirelo {

namespace {

QPoint At(const Projection& projection, std::int32_t k)
{
    const ScreenPoint p = projection.joints[static_cast<std::size_t>(k)];
    return {p.x, p.y};
}

QString ValueText(double value)
{
    return QString::number(value, 'g', 4).replace(QLatin1Char('-'), QChar(0x2212));
}

} // namespace

std::optional<ContourQuantity> ContourQuantityNamed(std::string_view name)
{
    if (name == "u")
        return ContourQuantity::U;
    if (name == "ux")
        return ContourQuantity::UX;
    if (name == "uy")
        return ContourQuantity::UY;
    if (name == "uz")
        return ContourQuantity::UZ;
    return std::nullopt;
}

double ContourValue(const Displacement& d, ContourQuantity quantity)
{
    switch (quantity) {
    case ContourQuantity::UX: return d.x;
    case ContourQuantity::UY: return d.y;
    case ContourQuantity::UZ: return d.z;
    default: return std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
    }
}

QColor ContourColour(double value, double low, double high)
{
    const double t = high > low ? std::clamp((value - low) / (high - low), 0.0, 1.0) : 0.5;
    // Hue 240 (blue) at the low end to 0 (red) at the high end.
    return QColor::fromHsv(static_cast<int>(std::lround(240 * (1 - t))), 255, 230);
}

void PaintContours(QPainter& painter, const Model& model, const ResultSet& results, const ViewState& view,
                   ContourQuantity quantity, int legendTop)
{
    const QRect area = painter.viewport();
    Projection projection;
    ProjectJoints(model, results, view, {area.width(), area.height()}, projection);
    const auto valueOf = [&](std::int32_t k) { return ContourValue(JointDisplacement(results, k), quantity); };
    double low = HUGE_VAL, high = -HUGE_VAL;
    for (std::int32_t k = 1; k <= model.Joints.count; ++k) {
        const double v = valueOf(k);
        low = std::min(low, v);
        high = std::max(high, v);
    }
    if (model.Joints.count < 1)
        low = high = 0;
    const auto colourOf = [&](std::int32_t k) { return ContourColour(valueOf(k), low, high); };
    painter.save();
    painter.setPen(Qt::NoPen);
    for (std::int32_t s = 1; s <= model.Shells.count; ++s) {
        QPolygon corners;
        double sum = 0;
        for (std::size_t c = 1; c <= 4; ++c) {
            const std::int32_t k = model.Shells[s].joints[c];
            if (!model.Joints.Contains(k))
                continue;
            corners << At(projection, k);
            sum += valueOf(k);
        }
        if (corners.size() < 3)
            continue;
        QColor colour = ContourColour(sum / static_cast<double>(corners.size()), low, high);
        colour.setAlpha(150);
        painter.setBrush(colour);
        painter.drawPolygon(corners);
    }
    for (std::int32_t f = 1; f <= model.Frames.count; ++f) {
        const Frame& frame = model.Frames[f];
        if (!model.Joints.Contains(frame.jointI) || !model.Joints.Contains(frame.jointJ))
            continue;
        const QPoint i = At(projection, frame.jointI), j = At(projection, frame.jointJ);
        const QPoint middle = (i + j) / 2;
        painter.setPen(QPen(colourOf(frame.jointI), 3));
        painter.drawLine(i, middle);
        painter.setPen(QPen(colourOf(frame.jointJ), 3));
        painter.drawLine(middle, j);
    }
    painter.setPen(Qt::NoPen);
    for (std::int32_t k = 1; k <= model.Joints.count; ++k) {
        painter.setBrush(colourOf(k));
        painter.drawRect(QRect(At(projection, k) - QPoint(3, 3), QSize(7, 7)));
    }
    // The legend: the ramp in eight boxes from the smallest value to the largest.
    static constexpr const char* kNames[] = {"", "|u|", "UX", "UY", "UZ"}; // by ContourQuantity
    const std::string unit = EngineerUnit(model.Units.length);
    QFont font = painter.font();
    font.setPixelSize(13);
    painter.setFont(font);
    const int x = 8, y = legendTop, box = 18;
    painter.setPen(Qt::black);
    painter.drawText(x, y, QStringLiteral("Displacement ") + kNames[static_cast<int>(quantity)]
                               + (unit.empty() ? QString() : QStringLiteral(" (") + QString::fromStdString(unit) + ")"));
    for (int b = 0; b < 8; ++b) {
        painter.setBrush(ContourColour(b / 7.0, 0, 1));
        painter.drawRect(x + b * box, y + 6, box, box);
    }
    painter.drawText(x, y + box + 22, ValueText(low));
    const QString highText = ValueText(high);
    painter.drawText(x + 8 * box - painter.fontMetrics().horizontalAdvance(highText), y + box + 22, highText);
    painter.restore();
}

} // namespace mirelo
