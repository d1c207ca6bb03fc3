#pragma once

#include "cli/ResultOptions.h"
#include "results/ElementForces.h"
#include "view/ForceDiagramLayer.h"

#include <QImage>

#include <optional>
#include <string>
#include <vector>

namespace mirelo::cli {

// What `picture --forces Q` draws over the undeformed model: the element
// forces of the chosen step, the span loads that step applies and the scale.
struct ForceLayer {
    ElementForces forces;
    std::vector<SpanLoad> loads;
    ForceDiagramDrawing drawing;
};

// The quantity named n, vy, vz, t, my or mz; UsageError for another.
ForceQuantity ForceQuantityNamed(const std::string& name);

// Reads the step's element forces; the scale is `scale` or the suggested one.
ForceLayer LoadForceLayer(const Session& session, const ResultOptions& options, ForceQuantity quantity,
                          std::optional<double> scale);

// Paints the diagrams onto a picture rendered with `view`.
void PaintForceLayer(QImage& image, const Model& model, const ViewState& view, const ForceLayer& layer);

} // namespace mirelo::cli
