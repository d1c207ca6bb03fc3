#include "view/ReactionArrows.h"

#include "script/RecorderFiles.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace mirelo {

namespace {

QString ComponentText(const Model& model, std::size_t component, double value)
{
    const std::string unit = ReactionUnit(model, component);
    return QString::fromLatin1(kReactionComponents[component]) + QLatin1Char(' ')
           + QString::fromStdString(ReactionValueText(value)) + (unit.empty() ? QString() : " " + QString::fromStdString(unit));
}

void PaintArrow(QPainter& painter, QPointF head, QPointF direction)
{
    const QPointF tail = head - direction * kReactionArrowLength;
    painter.drawLine(tail, head);
    const QPointF side(-direction.y(), direction.x());
    const QPolygonF tip{head, head - direction * 9 + side * 4, head - direction * 9 - side * 4};
    painter.drawPolygon(tip);
}

} // namespace

void PaintReactionArrows(QPainter& painter, const Model& model, const ResultSet& results, const ViewState& view,
                         ViewArea area)
{
    const SupportReactions& reactions = results.reactions;
    if (reactions.values.size() != reactions.joints.size() * kReactionValuesPerJoint)
        return;
    Projection projection;
    ProjectJoints(model, results, view, area, projection);
    const Projector projector(view, area);
    double largest[2] = {0, 0}; // forces, moments
    for (std::size_t i = 0; i < reactions.values.size(); ++i)
        largest[i % kReactionValuesPerJoint / 3] =
            std::max(largest[i % kReactionValuesPerJoint / 3], std::abs(reactions.values[i]));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    QFont font = painter.font();
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setPen(QPen(kReactionColour, 2));
    painter.setBrush(kReactionColour);
    const int lineHeight = painter.fontMetrics().height();
    for (std::size_t s = 0; s < reactions.joints.size(); ++s) {
        const std::int32_t joint = reactions.joints[s];
        if (!model.Joints.Contains(joint))
            continue;
        const ScreenPoint p = projection.joints[static_cast<std::size_t>(joint)];
        const QPointF at(p.x, p.y);
        int textLine = 0; // values without an arrow stack under the joint
        for (std::size_t a = 0; a < kReactionValuesPerJoint; ++a) {
            const double value = reactions.values[s * kReactionValuesPerJoint + a];
            if (!(std::abs(value) > 1e-6 * largest[a / 3]))
                continue;
            const QString text = ComponentText(model, a, value);
            if (a < 3) {
                const double unit[3] = {a == 0 ? 1.0 : 0.0, a == 1 ? 1.0 : 0.0, a == 2 ? 1.0 : 0.0};
                const Projector::Shift shift = projector.ScreenShift(unit[0], unit[1], unit[2]);
                const double size = std::hypot(shift.x, shift.y);
                // Only a direction that shows across the screen gets an arrow.
                if (size > 0.3 / view.Scale) {
                    const QPointF direction = QPointF(shift.x, shift.y) / size * (value > 0 ? 1 : -1);
                    PaintArrow(painter, at, direction);
                    const QPointF tail = at - direction * (kReactionArrowLength + 4);
                    const int width = painter.fontMetrics().horizontalAdvance(text);
                    painter.drawText(QPointF(direction.x() > 0.5 ? tail.x() - width : tail.x() + 2,
                                             direction.y() > 0.5 ? tail.y() : tail.y() + lineHeight / 2.0),
                                     text);
                    continue;
                }
            }
            painter.drawText(at + QPointF(6, 6 + lineHeight * ++textLine), text);
        }
    }
    painter.restore();
}

} // namespace mirelo
