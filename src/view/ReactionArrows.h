#pragma once

#include "model/Model.h"
#include "results/ResultSet.h"
#include "session/ViewState.h"
#include "view/Projection.h"

#include <QColor>

class QPainter;

namespace mirelo {

// The colour of reaction arrows and their values.
inline const QColor kReactionColour{0, 130, 60};

// The length of a reaction arrow in pixels, whatever its value.
inline constexpr int kReactionArrowLength = 40;

// Paints the loaded reactions at their supports, at the joints' drawn
// (displaced) pixels: each force component as an arrow that ends at the joint
// and points the way the support pushes, with its value and unit at the tail;
// an arrow that would point at the viewer is left out but its value stays;
// the moments as values under the joint. Components below a millionth of the
// largest of their kind are left out. Needs a QGuiApplication for the text.
void PaintReactionArrows(QPainter& painter, const Model& model, const ResultSet& results, const ViewState& view,
                         ViewArea area);

} // namespace mirelo
