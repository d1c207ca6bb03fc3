#pragma once

#include "model/Model.h"
#include "results/ResultSet.h"
#include "view/DragPicture.h"
#include "view/Projection.h"
#include "session/ViewState.h"

#include <QImage>

#include <atomic>

namespace mirelo {

// The full picture of the view once the mouse stops: Redraw's pixels, and the
// projection picking reads. A drag picture built for the view (may be none)
// that paints all of it paints it with the hatching, on both cores; otherwise
// RedrawUnlessStopped paints it on the calling thread. False when stopped.
// The model and results must stay unchanged until it returns.
bool PaintFullPicture(const DragPicture* picture, const Model& model, const ResultSet& results, const ViewState& view,
                      QImage& canvas, Projection& projection, const std::atomic<bool>& stop);

} // namespace mirelo
