#include "session/ResultLoading.h"

#include "results/StepLoads.h"

namespace mirelo {

void LoadNodeDisplacements(Session& session, const std::string& folder, StepChoice step)
{
    JointResults joints = ReadNodeDisplacements(folder, session.model, step, session.resultFiles);
    session.results.loaded = {LoadedResults::Kind::LoadStep, folder, joints.step, joints.stepCount, 0};
    session.results.joints = std::move(joints);
    ++session.results.generation;
}

void LoadModeShape(Session& session, const std::string& folder, std::int32_t mode)
{
    JointResults joints = ReadModeShape(folder, session.model, mode, session.resultFiles);
    session.results.loaded = {LoadedResults::Kind::ModeShape, folder, 1, joints.stepCount, mode};
    session.results.joints = std::move(joints);
    ++session.results.generation;
}

void LoadFrameEndQuantity(Session& session, const std::string& folder, const FrameEndQuantity& quantity,
                          StepChoice step)
{
    SectionResults sections = quantity.read(folder, session.model, session.analysis, step, session.resultFiles);
    if (sections.maximum && sections.minimum) {
        session.view.HingeMax = *sections.maximum;
        session.view.HingeMin = *sections.minimum;
    }
    session.results.sections = std::move(sections);
    ++session.results.generation;
}

void LoadElementForces(Session& session, const std::string& folder, StepChoice step)
{
    ElementForces forces = ReadElementForces(folder, session.model, step, session.resultFiles);
    std::vector<SpanLoad> loads =
        FrameSpanLoads(session.model, StepLoadFactors(session.analysis, forces.step, forces.time));
    session.results.forces = std::move(forces);
    session.results.spanLoads = std::move(loads);
    ++session.results.generation;
    if (session.view.ForceScale == 0)
        session.view.ForceScale = SuggestedForceScale(session);
}

void LoadReactions(Session& session, const std::string& folder, StepChoice step)
{
    SupportReactions reactions = ReadReactions(folder, session.model, step, session.resultFiles);
    session.results.applied =
        AppliedLoadTotals(session.model, StepLoadFactors(session.analysis, reactions.step, reactions.time));
    session.results.reactions = std::move(reactions);
    ++session.results.generation;
}

bool ViewShowsForces(const ViewState& view)
{
    return view.ShowForces;
}

bool ViewShowsReactions(const ViewState& view)
{
    return view.ShowReactions;
}

StepChoice ShownStep(const ResultSet& results)
{
    if (results.loaded.kind == LoadedResults::Kind::LoadStep && results.loaded.step > 0)
        return results.loaded.step;
    return std::nullopt;
}

double SuggestedForceScale(const Session& session)
{
    const ResultSet& results = session.results;
    if (!results.HasForces())
        return 1;
    return SuggestedDiagramScale(session.model, results.forces, results.spanLoads, session.view.ForceShown);
}

void LoadResults(Session& session, const ResultRequest& request)
{
    if (request.mode)
        LoadModeShape(session, request.folder, *request.mode);
    else
        LoadNodeDisplacements(session, request.folder, request.step);
    if (request.frameEnds)
        LoadFrameEndQuantity(session, request.folder, *request.frameEnds,
                                static_cast<std::int32_t>(session.results.loaded.step));
}

void LoadLastStepResults(Session& session, const std::string& folder)
{
    LoadNodeDisplacements(session, folder, std::nullopt);
    if (session.view.DeformScale == 0)
        session.view.DeformScale = SuggestedDeformScale(session.model, session.results);
}

void ClearResults(Session& session)
{
    const std::uint64_t next = session.results.generation + 1;
    session.results = {};
    session.results.generation = next;
}

} // namespace mirelo
