#include "session/ResultLoading.h"

#include "common/Errors.h"
#include "script/AnalysisKinds.h"
#include "results/StepLoads.h"

namespace mirelo {

namespace {

bool SectionMarksShown(const ViewState& view)
{
    return view.LayerFlags.ShowHingeCircles;
}

// One row for each part that follows the step (contours colour the joints'
// own values and need none).
constexpr StepPart kStepParts[] = {
    {SectionMarksShown, LoadShownSectionQuantity},
    {ViewShowsForces, LoadElementForces},
    {ViewShowsReactions, LoadReactions},
};

} // namespace

std::span<const StepPart> StepParts()
{
    return kStepParts;
}

void LoadNodeDisplacements(Session& session, const std::string& folder, StepChoice step)
{
    JointResults joints = ReadNodeDisplacements(folder, session.model, step, session.resultFiles);
    LoadedResults& loaded = session.results.loaded;
    loaded = {LoadedResults::Kind::LoadStep, folder, joints.step, joints.stepCount, 0, joints.time,
              CurveKindOf(session.analysis.AnalysisType) == CurveKind::TimeHistory};
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

// The folder is a copy: a caller may name the one of the result set this replaces.
void LoadStep(Session& session, std::string folder, const StepOrMode& shown)
{
    ResultSet before = std::move(session.results);
    const ViewState viewBefore = session.view;
    session.results = {};
    session.results.generation = before.generation; // the loads below count on from it
    try {
        if (shown.mode) {
            LoadModeShape(session, folder, *shown.mode);
            return; // a mode shape has no section values, forces or reactions
        }
        LoadNodeDisplacements(session, folder, shown.step);
        const auto step = static_cast<std::int32_t>(session.results.loaded.step);
        for (const StepPart& part : StepParts())
            if (part.shown(session.view))
                part.load(session, folder, step);
    } catch (...) {
        session.results = std::move(before);
        session.view = viewBefore;
        throw;
    }
}

void ReloadShownStep(Session& session)
{
    const LoadedResults& loaded = session.results.loaded;
    if (loaded.kind == LoadedResults::Kind::LoadStep)
        LoadStep(session, loaded.folder, {static_cast<std::int32_t>(loaded.step), std::nullopt});
}

void LoadShownSectionQuantity(Session& session, const std::string& folder, StepChoice step)
{
    const std::span<const FrameEndQuantity> quantities = FrameEndQuantities();
    const std::int32_t shown = session.view.SectionQuantityShown;
    if (shown < 1 || static_cast<std::size_t>(shown) > quantities.size())
        throw Error("Section quantity " + std::to_string(shown) + " is not one of the " +
                    std::to_string(quantities.size()) + " frame-end quantities");
    const FrameEndQuantity& quantity = quantities[static_cast<std::size_t>(shown - 1)];
    session.results.sections = quantity.read(folder, session.model, session.analysis, step, session.resultFiles);
    session.results.sectionQuantity = &quantity;
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
    session.results.sectionQuantity = &quantity;
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
    LoadStep(session, folder, {});
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
