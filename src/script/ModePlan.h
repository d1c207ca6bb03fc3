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
// half as many modes as the model has degrees of freedom with mass (and
// fails beyond); the dense solver finds them all but needs the whole matrix,
// so it is used only when needed. A modal analysis of a model too large for
// it asks for half as many modes as there are degrees of freedom with mass;
// the damping's two modes take it whatever the size.
struct ModePlan {
    std::int64_t massDofs = 0;     // free degrees of freedom that carry mass
    std::int64_t equations = 0;    // degrees of freedom of all nodes
    std::int32_t modalModes = 0;   // modes the modal analysis asks for
    bool modalDense = false;       // its eigen command takes -fullGenLapack
    bool dampingDense = false;     // the damping's eigen command of 2 modes does
    std::int32_t recordedModes = 0; // modes whose shapes exist when recorders first record
    std::vector<std::string> warnings;
};

// Degrees of freedom up to which the dense eigen solver is used.
constexpr std::int64_t kDenseEigenLimit = 3000;

ModePlan PlanModes(const Model& model, const AnalysisSettings& analysis, const JointDofs& dofs);

} // namespace mirelo
