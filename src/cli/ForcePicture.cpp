#include "cli/ForcePicture.h"

#include <QPainter>

namespace mirelo::cli {

ForceQuantity ForceQuantityNamed(const std::string& name)
{
    if (const ForceQuantityInfo* info = FindForceQuantity(name))
        return info->quantity;
    throw UsageError{"--forces takes n, vy, vz, t, my or mz, not '" + name + "'"};
}

ForceLayer LoadForceLayer(const Session& session, const ResultOptions& options, ForceQuantity quantity,
                          std::optional<double> scale)
{
    const Model& model = session.model;
    RecorderFileCache files;
    ForceLayer layer;
    layer.forces = ReadElementForces(options.request.folder, model, options.request.step, files);
    layer.loads = FrameSpanLoads(model, StepLoadFactors(session.analysis, layer.forces.step, layer.forces.time));
    layer.drawing.quantity = quantity;
    layer.drawing.scale = scale ? *scale : SuggestedDiagramScale(model, layer.forces, layer.loads, quantity);
    return layer;
}

void PaintForceLayer(QImage& image, const Model& model, const ViewState& view, const ForceLayer& layer)
{
    QPainter painter(&image);
    PaintForceDiagram(painter, model, view, {image.width(), image.height()}, layer.forces, layer.loads, layer.drawing);
}

} // namespace mirelo::cli
