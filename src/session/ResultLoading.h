#pragma once

#include "results/ResultQuantities.h"
#include "results/ResultReaders.h"
#include "session/Session.h"

#include <optional>
#include <span>
#include <string>

namespace mirelo {

// The result commands on a session, which the desktop program and mirelo-cli
// share. Each reads every file it needs first and replaces its part of the
// session's result set only when all were read, so a failed load leaves the
// picture as it was. They do not redraw.

// Displacements of one load step (or the last) into every joint.
void LoadNodeDisplacements(Session& session, const std::string& folder, StepChoice step);

// The components of mode `mode` into every joint.
void LoadModeShape(Session& session, const std::string& folder, std::int32_t mode);

// One quantity at both ends of every frame, and the colour range (HingeMax,
// HingeMin) from their extremes. A model without frames keeps its range.
void LoadFrameEndQuantity(Session& session, const std::string& folder, const FrameEndQuantity& quantity,
                          StepChoice step);

// The element forces of one load step (or the last), with the span loads the
// analysis applies at that step. When the diagram scale is still 0 it is set
// so that the largest value of the shown quantity is drawn as a tenth of the
// model's size.
void LoadElementForces(Session& session, const std::string& folder, StepChoice step);

// The support reactions of one load step (or the last), with the total load
// the analysis applies at that step.
void LoadReactions(Session& session, const std::string& folder, StepChoice step);

// Which parts of a result set the view shows beyond the joints' values, so a
// command that loads one step for everything shown reads these too.
bool ViewShowsForces(const ViewState& view);
bool ViewShowsReactions(const ViewState& view);

// The step the loaded displacements show; none (the last) when no load step is loaded.
StepChoice ShownStep(const ResultSet& results);

// The diagram scale at which the largest value of the shown quantity is drawn
// as a tenth of the model's size; 1 when no forces are loaded or all are 0.
double SuggestedForceScale(const Session& session);

// Which step of a run the picture shows: a load step (none: the last), or a
// mode shape.
struct StepOrMode {
    StepChoice step;
    std::optional<std::int32_t> mode;
};

// A part of the result set that follows the step the joints show: whether
// the view shows it, and its loader for a load step of the run in a folder.
// A part joins `LoadStep` with one row in `StepParts()`.
struct StepPart {
    bool (*shown)(const ViewState& view);
    void (*load)(Session& session, const std::string& folder, StepChoice step);
};

// Every part that follows the step, in loading order.
std::span<const StepPart> StepParts();

// One step for everything the picture shows: the joints' displacements of
// the load step (or the mode's components), then every shown part at that
// same step; parts not shown are emptied, so no value of another step
// stays. All or nothing: when any file fails, the result set and the view
// are as they were.
void LoadStep(Session& session, std::string folder, const StepOrMode& shown);

// The load step shown, loaded again with every part the view now shows (after
// a switch was turned on); nothing when no load step is shown.
void ReloadShownStep(Session& session);

// The section marks' part: the view's `SectionQuantityShown` at a step; the
// colour range stays as the user set it.
void LoadShownSectionQuantity(Session& session, const std::string& folder, StepChoice step);

// What one batch command reads from a results folder: a load step (none: the
// last) or a mode, and optionally one frame-end quantity of that step.
struct ResultRequest {
    std::string folder;
    StepChoice step;
    std::optional<std::int32_t> mode;
    const FrameEndQuantity* frameEnds = nullptr;
};

// The joints' step or mode, then the frame-end quantity of the step read.
void LoadResults(Session& session, const ResultRequest& request);

// After a solver run: the last step the script in `folder` recorded, with
// every shown part (`LoadStep`). When the displacement scale is still 0 it is set so that
// the largest displacement shows as a tenth of the model's size.
void LoadLastStepResults(Session& session, const std::string& folder);

// "Clear Results": every displacement and section result becomes 0; the scale
// and the colour range stay.
void ClearResults(Session& session);

} // namespace mirelo
