#pragma once

#include "model/Model.h"
#include "results/ElementForces.h"
#include "results/ForceDiagram.h"
#include "results/ResultSet.h"
#include "view/Projection.h"
#include "view/ResultLegend.h"
#include "session/ViewState.h"

#include <QColor>
#include <span>
#include <vector>

class QPainter;

namespace mirelo {

// The colours of a force diagram: positive values blue, negative red.
inline const QColor kDiagramPositive{0, 90, 200};
inline const QColor kDiagramNegative{210, 30, 30};

// What a diagram picture shows: one quantity of one step at a scale.
struct ForceDiagramDrawing {
    ForceQuantity quantity = ForceQuantity::My;
    double scale = 0;        // model length per unit of force (or moment)
    bool showValues = false; // each frame's end values and its largest value along it
    // The joints' loaded displacements, which carry each diagram along its
    // frame's displaced chord (times DeformScale); none: the undeformed frames.
    const ResultSet* displaced = nullptr;
};

// Paints every beam-column's and truss's diagram of the quantity over a
// picture of the model projected with `view` onto `area`: each stretch between
// two stations filled in the colour of its sign (split where the value crosses
// 0), with a legend in the upper-left corner naming the quantity, its unit,
// the colours and the largest value with its frame, with its top at
// `legendTop`. Needs a QGuiApplication for the text. Raises RangeCheckError for forces or loads of another number
// of frames than the model's.
void PaintForceDiagram(QPainter& painter, const Model& model, const ViewState& view, ViewArea area,
                       const ElementForces& forces, std::span<const SpanLoad> loads,
                       const ForceDiagramDrawing& drawing, int legendTop = kResultLegendTop);

// Whether the view shows a diagram of the result set's forces: switched on,
// forces of this model's frames loaded and a finite scale other than 0.
bool DiagramShown(const Model& model, const ResultSet& results, const ViewState& view);

// The diagram the view shows of the result set, over the displaced frames.
ForceDiagramDrawing ShownDiagram(const ResultSet& results, const ViewState& view);

// The pixels of the shown diagram's tips, so Zoom All leaves room for them;
// none when no diagram is shown.
std::vector<ScreenPoint> ShownDiagramTips(const Model& model, const ResultSet& results, const ViewState& view,
                                          ViewArea area);

} // namespace mirelo
