#pragma once

#include "cli/ResultOptions.h"
#include "results/ForceDiagram.h"

#include <optional>
#include <string>

namespace mirelo::cli {

// The quantity named n, vy, vz, t, my or mz; UsageError for another.
ForceQuantity ForceQuantityNamed(const std::string& name);

// What `picture --forces Q` sets: the chosen step's element forces in the
// session's result set, and the view showing their diagram of `quantity` at
// `scale` or the suggested one, over the undeformed model.
void ShowForceDiagram(Session& session, const ResultOptions& options, ForceQuantity quantity,
                      std::optional<double> scale);

} // namespace mirelo::cli
