#pragma once

#include "model/Model.h"
#include "results/ResultSet.h"
#include "session/ViewState.h"
#include "view/Projection.h"
#include "view/ResultLegend.h"

#include <QColor>
#include <optional>
#include <string_view>

class QPainter;

namespace mirelo {

// The quantity named u, ux, uy or uz; none for another name (ContourQuantity
// is declared with the view state that shows it).
std::optional<ContourQuantity> ContourQuantityNamed(std::string_view name);

double ContourValue(const Displacement& displacement, ContourQuantity quantity);

// The colour of `value` on a ramp from blue (low) through cyan, green and
// yellow to red (high); the middle, green, when low equals high.
QColor ContourColour(double value, double low, double high);

// Colours the joints, the frames (each half by its joint) and the shells (by
// the mean of their joints) of a picture painted with `view` (the joints at
// the same pixels, displaced by `results`), with a legend of the ramp from the
// smallest to the largest value, its title's baseline at `legendTop`. Needs a
// QGuiApplication for the text.
void PaintContours(QPainter& painter, const Model& model, const ResultSet& results, const ViewState& view,
                   ContourQuantity quantity, int legendTop = kResultLegendTop);

// The height the contour legend takes.
inline constexpr int kContourLegendHeight = 56;

} // namespace mirelo
