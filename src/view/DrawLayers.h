#pragma once

#include "model/Model.h"
#include "view/Canvas.h"
#include "view/ViewState.h"

namespace mirelo {

// The layers of Redraw, each painted from the pixel fields of the last
// projection. Every layer sets only the canvas attributes it names and leaves
// the rest as the previous layer left them (a release circle is filled only
// when an earlier layer left the brush solid). Records that name a joint,
// frame or section outside its table are skipped.
void PaintNodes(Canvas& canvas, const Model& model);
void PaintSupports(Canvas& canvas, const Model& model);
void PaintFrames(Canvas& canvas, const Model& model, std::int32_t selectedFrame);
void PaintNodeLabels(Canvas& canvas, const Model& model);
void PaintFrameLabels(Canvas& canvas, const Model& model);
void PaintFrameAxes(Canvas& canvas, const Model& model);
void PaintDiaphragms(Canvas& canvas, const Model& model);
// Raises FloatingPointError when HingeMax equals HingeMin, before painting a disc.
void PaintSectionResultDiscs(Canvas& canvas, const Model& model, const ViewState& view);
void PaintShells(Canvas& canvas, const Model& model);
void PaintShellLabels(Canvas& canvas, const Model& model);
void PaintReleases(Canvas& canvas, const Model& model);
void PaintSolids(Canvas& canvas, const Model& model);
void PaintSolidLabels(Canvas& canvas, const Model& model);
// Label texts of the loads: "%0.0f,%0.0f,%0.0f" of the forces / 1000 (N to
// kN) and of the moments / 1000000 (N mm to kN m); "%D,%0.2F" of a frame
// load's direction and value.
QString ForceLabel(const Load& load);
QString MomentLabel(const Load& load);
QString ElementLoadLabel(const Load& load);

void PaintPointLoadLabels(Canvas& canvas, const Model& model, std::int32_t loadCase);
void PaintElementLoadLabels(Canvas& canvas, const Model& model, std::int32_t loadCase);

} // namespace mirelo
