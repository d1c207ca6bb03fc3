#pragma once

#include "model/Model.h"
#include "results/RecorderFile.h"
#include "results/ResultReaders.h"
#include "results/StepLoads.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace mirelo {

// The reactions of every support at one step.
struct SupportReactions {
    std::vector<std::int32_t> joints; // `SupportJoints`, in joint order
    std::vector<double> values;       // support s's FX FY FZ MX MY MZ at 6 s .. 6 s + 5 (s from 0)
    std::int64_t step = 0;
    std::int64_t stepCount = 0;
    double time = 0; // the step's time column: the load factor of a static analysis
};

// reactions%d.out, one line per step. Raises Error as the other readers do
// (file, line, field, joint); also when the model has no support.
SupportReactions ReadReactions(const std::string& folder, const Model& model, StepChoice step,
                               RecorderFileCache& files);

// The sums of the reactions: forces along the global axes, moments about the
// global origin (each support's moment plus its position times its force).
ForceTotals ReactionTotals(const Model& model, const SupportReactions& reactions);

// The six components in the order of a support's values.
inline constexpr std::array<const char*, 6> kReactionComponents = {"FX", "FY", "FZ", "MX", "MY", "MZ"};

// A value as the equilibrium check writes it: three decimals and a minus sign
// (U+2212), never "−0.000".
std::string ReactionValueText(double value);

// The unit of component `component` (0 .. 5) in the file's units: "kN" for
// the forces, "kN·m" for the moments; empty where the file names no unit.
std::string ReactionUnit(const Model& model, std::size_t component);

// The equilibrium check, one line per component in the file's units:
// "Σ FZ = 840.000 kN, applied −840.000 kN" (moments in kN·m).
std::vector<std::string> EquilibriumLines(const Model& model, const ForceTotals& reactions,
                                          const ForceTotals& applied);

} // namespace mirelo
