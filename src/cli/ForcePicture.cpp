#include "cli/ForcePicture.h"

#include "session/ResultLoading.h"

namespace mirelo::cli {

ForceQuantity ForceQuantityNamed(const std::string& name)
{
    if (const ForceQuantityInfo* info = FindForceQuantity(name))
        return info->quantity;
    throw UsageError{"--forces takes n, vy, vz, t, my or mz, not '" + name + "'"};
}

void ShowForceDiagram(Session& session, const ResultOptions& options, ForceQuantity quantity,
                      std::optional<double> scale)
{
    ViewState& view = session.view;
    view.ShowForces = true;
    view.ForceShown = quantity;
    view.ForceScale = scale ? *scale : 0; // 0: the suggested scale on loading
    LoadElementForces(session, options.request.folder, options.request.step);
}

} // namespace mirelo::cli
