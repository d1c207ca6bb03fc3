#pragma once

#include "model/Model.h"
#include "view/Canvas.h"
#include "view/LoadUnits.h"
#include "view/PaintedUse.h"
#include "view/PlaneFilter.h"
#include "view/Projection.h"
#include "session/ViewState.h"

namespace mirelo {

// A support's kind: the sum of its restraint flags, which picks its colour
// from the palette; 0 for a joint that is free or whose sum leaves the palette.
inline constexpr std::int32_t kSupportKinds = kPaletteSize - 1;
std::int32_t SupportKind(const Joint& joint);

// The layers of Redraw, each painted from the projection Redraw just made
// for this model (`at`). Every layer sets only the canvas attributes it names and leaves
// the rest as the previous layer left them (a release circle is filled only
// when an earlier layer left the brush solid). Records that name a joint,
// frame or section outside its table are skipped, and so is everything outside
// the plane the view shows (`shown`). The supports, frames and shells mark
// the kinds and sections they draw, for the legend.
void PaintNodes(Canvas& canvas, const Model& model, const Projection& at, const PlaneFilter& shown);
void PaintSupports(Canvas& canvas, const Model& model, const Projection& at, const PlaneFilter& shown, UsedNumbers& kinds);
void PaintFrames(Canvas& canvas, const Model& model, const Projection& at, const PlaneFilter& shown, std::int32_t selectedFrame,
                 UsedNumbers& sections);
void PaintNodeLabels(Canvas& canvas, const Model& model, const Projection& at, const PlaneFilter& shown);
void PaintFrameLabels(Canvas& canvas, const Model& model, const Projection& at, const PlaneFilter& shown);
void PaintFrameAxes(Canvas& canvas, const Model& model, const Projection& at, const PlaneFilter& shown);
void PaintDiaphragms(Canvas& canvas, const Model& model, const Projection& at, const PlaneFilter& shown);
// Raises FloatingPointError when HingeMax equals HingeMin, before painting a disc.
void PaintSectionResultDiscs(Canvas& canvas, const Model& model, const Projection& at, const PlaneFilter& shown,
                             const ResultSet& results, const ViewState& view);
void PaintShells(Canvas& canvas, const Model& model, const Projection& at, const PlaneFilter& shown, UsedNumbers& sections);
void PaintShellLabels(Canvas& canvas, const Model& model, const Projection& at, const PlaneFilter& shown);
void PaintReleases(Canvas& canvas, const Model& model, const Projection& at, const PlaneFilter& shown);
void PaintSolids(Canvas& canvas, const Model& model, const Projection& at, const PlaneFilter& shown);
void PaintSolidLabels(Canvas& canvas, const Model& model, const Projection& at, const PlaneFilter& shown);
// Label texts of the loads: "%0.0f,%0.0f,%0.0f" of the forces in kN and of
// the moments in kN m, converted from the file's units (`units`); "%D,%0.2F"
// of a frame load's direction and value in kN/m (N/mm and kN/m read as they
// stand).
QString ForceLabel(const Load& load, const LoadUnits& units);
QString MomentLabel(const Load& load, const LoadUnits& units);
QString ElementLoadLabel(const Load& load, const LoadUnits& units);

// The case's name, or nothing for a position outside the model's cases.
const std::string* ShownCaseName(const Model& model, std::int32_t loadCase);

void PaintPointLoadLabels(Canvas& canvas, const Model& model, const Projection& at, const PlaneFilter& shown, std::int32_t loadCase);
void PaintElementLoadLabels(Canvas& canvas, const Model& model, const Projection& at, const PlaneFilter& shown, std::int32_t loadCase);

} // namespace mirelo
