#pragma once

#include "model/Model.h"
#include "script/AnalysisSettings.h"
#include "script/JointDofs.h"

#include <cstdint>
#include <string>
#include <vector>

namespace mirelo {

// Which modes the script computes, with which eigen solver, and which mode
// shapes can be recorded. The solver's default eigen solver finds at most
// half as many modes as the model has degrees of freedom with mass, fails
// beyond, and can return a wrong first mode of a small model; the dense
// solver finds them all but needs the whole matrix, so it serves models of
// up to kDenseEigenLimit degrees of freedom. A modal analysis of a larger
// model asks for at most half as many modes as it has degrees of freedom with
// mass. A model without mass gets no modes: no eigen command and no
// mode-shape recorder.
struct ModePlan {
    std::int64_t massDofs = 0;     // free degrees of freedom that carry mass
    std::int64_t equations = 0;    // degrees of freedom of all nodes
    std::int32_t modalModes = 0;   // modes the modal analysis asks for
    bool dense = false;            // the eigen commands take -fullGenLapack
    std::int32_t recordedModes = 0; // modes whose shapes exist when recorders first record
    std::vector<std::string> warnings; // about the analysis type asked for
};

// Degrees of freedom up to which the dense eigen solver is used: about 200
// joints, a few seconds of the solver's time.
constexpr std::int64_t kDenseEigenLimit = 1200;

ModePlan PlanModes(const Model& model, const AnalysisSettings& analysis, const JointDofs& dofs);

} // namespace mirelo
