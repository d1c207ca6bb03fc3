#include "app/ResultLoading.h"

#include <algorithm>
#include <cmath>

namespace mirelo {

namespace {

void Describe(Session& session, LoadedResults::Kind kind, const std::string& folder, std::int64_t step,
              std::int64_t stepCount, std::int32_t mode)
{
    session.loadedResults = {kind, folder, step, stepCount, mode};
}

} // namespace

void LoadNodeDisplacements(Session& session, const std::string& folder, StepChoice step)
{
    const JointResults results = ReadNodeDisplacements(folder, session.model, step, session.resultFiles);
    ApplyJointResults(session.model, results);
    Describe(session, LoadedResults::Kind::LoadStep, folder, results.step, results.stepCount, 0);
}

void LoadModeShape(Session& session, const std::string& folder, std::int32_t mode)
{
    const JointResults results = ReadModeShape(folder, session.model, mode, session.resultFiles);
    ApplyJointResults(session.model, results);
    Describe(session, LoadedResults::Kind::ModeShape, folder, 1, results.stepCount, mode);
}

void LoadSectionDeformations(Session& session, const std::string& folder, SectionQuantity quantity, StepChoice step)
{
    const SectionResults results =
        ReadSectionDeformations(folder, session.model, session.analysis, quantity, step, session.resultFiles);
    ApplySectionResults(session.model, results);
    if (results.maximum && results.minimum) {
        session.view.HingeMax = *results.maximum;
        session.view.HingeMin = *results.minimum;
    }
}

void LoadLastStepResults(Session& session, const std::string& folder)
{
    LoadNodeDisplacements(session, folder, std::nullopt);
    if (session.view.DeformScale == 0)
        session.view.DeformScale = SuggestedDeformScale(session.model);
}

void ClearResults(Session& session)
{
    ClearResults(session.model);
    session.loadedResults = {};
}

double SuggestedDeformScale(const Model& model)
{
    double largestMove = 0;
    double low[3] = {HUGE_VAL, HUGE_VAL, HUGE_VAL}, high[3] = {-HUGE_VAL, -HUGE_VAL, -HUGE_VAL};
    for (std::int32_t k = 1; k <= model.Joints.count; ++k) {
        const Joint& j = model.Joints[k];
        largestMove = std::max({largestMove, std::abs(j.dispX), std::abs(j.dispY), std::abs(j.dispZ)});
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
