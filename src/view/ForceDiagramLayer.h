#pragma once

#include "model/Model.h"
#include "results/ElementForces.h"
#include "results/ForceDiagram.h"
#include "view/Projection.h"
#include "session/ViewState.h"

#include <QColor>
#include <span>

class QPainter;

namespace mirelo {

// The colours of a force diagram: positive values blue, negative red.
inline const QColor kDiagramPositive{0, 90, 200};
inline const QColor kDiagramNegative{210, 30, 30};

// What a diagram picture shows: one quantity of one step at a scale.
struct ForceDiagramDrawing {
    ForceQuantity quantity = ForceQuantity::My;
    double scale = 0; // model length per unit of force (or moment)
};

// A scale at which the largest value of the quantity over every frame with
// end forces is drawn as a tenth of the model's largest extent; 1 when every
// value is 0.
double SuggestedDiagramScale(const Model& model, const ElementForces& forces, std::span<const SpanLoad> loads,
                             ForceQuantity quantity);

// Paints every beam-column's and truss's diagram of the quantity over a
// picture of the undeformed model projected with `view` onto `area`: each
// stretch between two stations filled in the colour of its sign (split where
// the value crosses 0), with a legend in the upper-left corner naming the
// quantity, its unit, the colours and the largest value with its frame.
// Needs a QGuiApplication for the text. Both functions raise RangeCheckError
// for forces or loads of another number of frames than the model's.
void PaintForceDiagram(QPainter& painter, const Model& model, const ViewState& view, ViewArea area,
                       const ElementForces& forces, std::span<const SpanLoad> loads,
                       const ForceDiagramDrawing& drawing);

} // namespace mirelo
