#pragma once

#include "model/Model.h"
#include "script/AnalysisSettings.h"
#include "script/ScriptContext.h"

namespace mirelo {

// Builds the whole OpenSees script from the model and the settings, from the
// sections prepared for it (PrepareSections: integration points, section
// properties, fibre tables), which leaves the model as it is. The blocks follow each other as the solver needs
// them: header, nodes, equalDOF ties, materials, fibre sections, plate
// fibres, transformations and frames, shells, bricks, recorders, loads and
// analysis. Raises Error when a step fails. `options` gives the ground motion
// and the linear system where they are not the start ones.
ScriptResult GenerateScript(const Model& model, const AnalysisSettings& analysis, const RecorderSettings& recorder,
                            const ScriptOptions& options = {});

// The same into a script buffer that lives on (the script window's): it is
// cleared first and keeps its memory, so a new "Generate" does not set up a
// large buffer again. On an error the buffer holds the lines written so far.
void GenerateScript(const Model& model, const AnalysisSettings& analysis, const RecorderSettings& recorder,
                    ScriptResult& script, const ScriptOptions& options = {});

} // namespace mirelo
