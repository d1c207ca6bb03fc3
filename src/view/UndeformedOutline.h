#pragma once

#include "model/Model.h"
#include "results/ResultSet.h"
#include "session/ViewState.h"
#include "view/Canvas.h"
#include "view/PlaneFilter.h"
#include "view/Projection.h"

namespace mirelo {

// The undeformed model's light grey, under the deformed shape.
inline constexpr std::int32_t kUndeformedColour = RgbColour(200, 200, 200);

// Whether a picture shows the undeformed outline: switched on, and joint
// results moving the joints (loaded for this model, at a scale other than 0).
bool ShowsUndeformedOutline(const Model& model, const ResultSet& results, const ViewState& view);

// The edges of the outline, as pairs of joint numbers: the frames drawn as
// lines (springs are not), four edges per active shell and twelve per solid,
// in the plane the view shows; those naming a joint outside the table are left out.
struct OutlineEdge {
    std::int32_t i, j;
};
std::vector<OutlineEdge> UndeformedOutlineEdges(const Model& model, const PlaneFilter& shown);

// Paints the outline at the joints' own coordinates, 1 pixel wide; leaves a
// solid 1-pixel pen of that colour.
void PaintUndeformedOutline(Canvas& canvas, const Model& model, const ViewState& view, ViewArea area,
                            const PlaneFilter& shown);

} // namespace mirelo
