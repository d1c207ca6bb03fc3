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
    double low[3] = {HUGE_VAL, HUGE_VAL, HUGE_VAL}, high[3] = {-HUGE_VAL, -HUGE_VAL, -HUGE_VAL};
    for (std::int32_t k = 1; k <= model.Joints.count; ++k) {
        const Joint& j = model.Joints[k];
        const Displacement d = JointDisplacement(results, k);
        largestMove = std::max({largestMove, std::abs(d.x), std::abs(d.y), std::abs(d.z)});
        const double at[3] = {j.x, j.y, j.z};
        for (int a = 0; a < 3; ++a) {
            low[a] = std::min(low[a], at[a]);
            high[a] = std::max(high[a], at[a]);
        }
    }
    const double extent = model.Joints.count > 0 ? std::max({high[0] - low[0], high[1] - low[1], high[2] - low[2]}) : 0;
    if (!(largestMove > 0) || !(extent > 0) || !std::isfinite(largestMove))
        return 1;
    const double raw = 0.1 * extent / largestMove;
    const double unit = std::pow(10.0, std::floor(std::log10(raw)));
    return std::max(1.0, std::round(raw / unit)) * unit;
}

} // namespace mirelo
