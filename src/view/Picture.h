#pragma once

#include "model/Model.h"
#include "results/ResultSet.h"
#include "session/ViewState.h"

#include <QImage>
#include <QSize>

namespace mirelo {

// The directions a picture is taken from: the three standard views and a
// rotated one (plan turned 30 degrees, tilted 60 degrees from the plan).
enum class PictureView { XY, XZ, YZ, ThreeD };

inline constexpr double kPicturePlanAngle = 30;
inline constexpr double kPictureTiltAngle = -60;

// The picture the drawing area shows after choosing the view and "Zoom All"
// (which fits the displaced joints), painted by Redraw into a new image of
// `size`. Writes the view's angles, pan and Scale. Raises what Redraw raises.
QImage RenderPicture(const Model& model, const ResultSet& results, ViewState& view, PictureView which, QSize size);

} // namespace mirelo
