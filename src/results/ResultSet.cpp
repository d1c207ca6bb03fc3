#include "results/ResultSet.h"

#include <algorithm>
#include <cmath>

namespace mirelo {

bool SectionsMatchJoints(const ResultSet& results)
{
    if (results.sections.atI.empty())
        return results.loaded.kind == LoadedResults::Kind::None;
    return results.loaded.kind == LoadedResults::Kind::LoadStep && results.sections.step == results.loaded.step;
}

double SuggestedDeformScale(const Model& model, const ResultSet& results)
{
    double largestMove = 0;
    for (std::int32_t k = 1; k <= model.Joints.count; ++k) {
        const Displacement d = JointDisplacement(results, k);
        largestMove = std::max({largestMove, std::abs(d.x), std::abs(d.y), std::abs(d.z)});
    }
    const double extent = ModelExtent(model);
    if (!(largestMove > 0) || !(extent > 0) || !std::isfinite(largestMove))
        return 1;
    const double raw = 0.1 * extent / largestMove;
    const double unit = std::pow(10.0, std::floor(std::log10(raw)));
    return std::max(1.0, std::round(raw / unit)) * unit;
}

} // namespace mirelo
