#pragma once

#include "model/Model.h"
#include "results/ResultSet.h"
#include "session/ViewState.h"
#include "view/Projection.h"

class QPainter;

namespace mirelo {

// Whether the view shows anything of the result set over the model picture.
bool ShowsResultOverlays(const Model& model, const ResultSet& results, const ViewState& view);

// Paints what the view shows of the result set over a model picture of `area`
// painted with the same view: the displacement contours, the force diagram
// (its legend under the contours' when both show) and the reaction arrows.
// Needs a QGuiApplication for the text.
void PaintResultOverlays(QPainter& painter, const Model& model, const ResultSet& results, const ViewState& view,
                         ViewArea area);

} // namespace mirelo
