#pragma once

#include "results/ResultQuantities.h"
#include "results/ResultReaders.h"
#include "session/Session.h"

#include <optional>
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

// After a solver run: the displacements of the last step the script in
// `folder` recorded. When the displacement scale is still 0 it is set so that
// the largest displacement shows as a tenth of the model's size.
void LoadLastStepResults(Session& session, const std::string& folder);

// "Clear Results": every displacement and section result becomes 0; the scale
// and the colour range stay.
void ClearResults(Session& session);

} // namespace mirelo
