#include "session/ResultLoading.h"

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

} // namespace mirelo
