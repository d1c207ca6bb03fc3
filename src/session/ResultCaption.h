#pragma once

#include "model/Model.h"
#include "results/ResultSet.h"
#include "session/ViewState.h"

#include <string>
#include <vector>

namespace mirelo {

// The lines of the caption the drawing carries while results are shown, so
// that a picture says what it shows:
//   "Displacement, step 200 of 200, load factor 0.5, scale 50"
//   "largest 12.5 mm at joint 14"
// ("time 3.02 s" for a time history; "Mode 2 shape, scale 100" and a largest
// component without unit for a mode), then, while the section marks show
// values of that step, "Axial Strain at frame ends, step 200 of 200" and
// "largest -0.0034 at frame 7, end j" (curvatures per length unit). Numbers
// have four significant digits, lengths the model's unit; joints and frames
// are named as windows name them ("7 (B12)"). While a force diagram shows,
// a last line names it: "Moment My, step 4 of 4, load factor 1, scale 0.05"
// (its legend gives the largest value and where). No lines when neither joint
// results nor a force diagram are shown.
std::vector<std::string> ResultCaptionLines(const Model& model, const ResultSet& results, const ViewState& view);

} // namespace mirelo
