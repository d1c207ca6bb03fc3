#pragma once

#include "model/Model.h"
#include "view/Canvas.h"
#include "view/LoadUnits.h"
#include "view/PaintedUse.h"
#include "view/PlaneFilter.h"
#include "view/Projection.h"
#include "session/ViewState.h"

#include <QString>

#include <optional>

namespace mirelo {

// The colours of the load arrows.
inline constexpr std::int32_t kForceArrowColour = RgbColour(255, 128, 0);
inline constexpr std::int32_t kMomentArrowColour = RgbColour(160, 82, 45);
inline constexpr std::int32_t kLineLoadArrowColour = RgbColour(0, 128, 128);

// The longest arrow in pixels: the largest load of the shown case gets it, the
// others are shorter in proportion.
inline constexpr double kLongestForceArrow = 60;
inline constexpr double kLongestLineLoadArrow = 40;
// A label's top stands this many pixels above its arrow's tail.
inline constexpr int kLoadLabelRise = 16;
// How far past its joint a load's arrow and label reach, at most.
inline constexpr double kLoadReach = kLongestForceArrow + kLoadLabelRise;

// A load value for a label beside an arrow: at most three decimals, no
// trailing zeros ("12", "20.07", "0.5").
QString LoadValueText(double value);

// One load is drawn per 16-pixel cell of the area, the largest (by force, then
// by moment) of those whose joint or frame midpoint falls in it (storeys behind
// one another in an elevation show the governing load); loads outside the area
// and labels that would overlap another label are left out. A large model
// zoomed out stays readable and quick to draw.
//
// Point loads of the shown case as arrows ending at their joints, the force
// resultant with a single head and the moment resultant with a double head,
// each labelled with its size and unit. A load along the line of sight is
// drawn as a circle with a dot (towards the viewer) or a cross (away).
// Returns whether the case's joint loads hold forces and moments, for the legend.
PointLoadKinds PaintPointLoadArrows(Canvas& canvas, const Model& model, const Projection& at, const ViewState& view,
                                    ViewArea area,
                          const PlaneFilter& shown, const LoadUnits& units);

// Distributed loads of the shown case as a row of arrows along each loaded
// frame, their tails joined by a line, labelled "20.07 kN/m" at the middle;
// a frame shorter than 40 pixels gets one arrow at its middle.
// Direction 1 acts along the frame (joint i to j), 2 along its local 2 axis,
// 3 along the local 3 axis.
void PaintLineLoadArrows(Canvas& canvas, const Model& model, const Projection& at, const ViewState& view, ViewArea area,
                         const PlaneFilter& shown, const LoadUnits& units);

// The arrows of the shown case's loads of the shown type, point or
// distributed (the view shows its loads as arrows); for point loads, whether
// they hold forces and moments, for the legend. Distributed loads read the
// frames' midpoints, point loads only the joints.
std::optional<PointLoadKinds> PaintShownLoadArrows(Canvas& canvas, const Model& model, const Projection& at,
                                                   const ViewState& view, ViewArea area, const PlaneFilter& shown);

} // namespace mirelo
