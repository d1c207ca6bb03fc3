#pragma once

#include "model/Model.h"
#include "view/Navigation.h"
#include "session/ViewState.h"

#include <QString>

#include <optional>

namespace mirelo {

// Stepping through the planes of a plan or elevation view (storeys in the XY
// view, grid lines in the elevations). From all planes, "next" shows the first
// and "previous" the last; the ends do not wrap. In a view that does not look
// along an axis nothing changes.
ViewReaction NextPlane(const Model& model, ViewState& view);
ViewReaction PreviousPlane(const Model& model, ViewState& view);
ViewReaction AllPlanes(ViewState& view);

// The status-bar text of the shown view and plane: "Z = 4 (2 of 4)", "XY view:
// all planes", or "3-D view" when the view does not look along an axis.
QString PlaneStatusText(const Model& model, const ViewState& view);

// The model coordinates under pixel (x, y) in a plan or elevation view:
// "X 6.000 m  Y 2.500 m" in the length unit the file names (without one when
// it names none), with the third coordinate too while one plane is shown;
// nothing in a turned view.
std::optional<QString> CursorStatusText(const Model& model, const ViewState& view, ViewArea area, int x, int y);

} // namespace mirelo
