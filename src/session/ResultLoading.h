#pragma once

#include "session/Session.h"
#include "results/ResultReaders.h"

#include <string>

namespace mirelo {

// The result commands on a session. Each reads every file it needs into a new
// result set first and writes the model's result fields only when all were
// read, so a failed load leaves the picture as it was. They do not redraw.

// Displacements of one load step (or the last) into every joint.
void LoadNodeDisplacements(Session& session, const std::string& folder, StepChoice step);

// The components of mode `mode` into every joint.
void LoadModeShape(Session& session, const std::string& folder, std::int32_t mode);

// One section quantity at both ends of every frame, and the colour range
// (HingeMax, HingeMin) from their extremes. A model without frames keeps its range.
void LoadSectionDeformations(Session& session, const std::string& folder, SectionQuantity quantity, StepChoice step);

// After a solver run: the displacements of the last step the script in
// `folder` recorded. When the displacement scale is still 0 it is set so that
// the largest displacement shows as a tenth of the model's size.
void LoadLastStepResults(Session& session, const std::string& folder);

// "Clear Results": every displacement and section result becomes 0; the scale
// and the colour range stay.
void ClearResults(Session& session);

} // namespace mirelo
