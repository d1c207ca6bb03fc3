#pragma once

#include "model/Model.h"
#include "script/AnalysisSettings.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace mirelo {

// The load patterns acting at one recorded step and their factors.
struct CaseFactor {
    std::int32_t loadCase = 0; // 1-based, as `LoadCase` and `PushoverCase`
    double factor = 0;
};

// What the script's patterns apply at line `step` of a recorder file whose
// time column holds `time`: the load-control case at the time (its load
// factor); the pushover case at the time; after the gravity steps of a
// gravity-first analysis the gravity case held at `LoadFactor`, with the
// pushover case at the time; nothing for the modal and time-history patterns,
// which carry no loads of the model.
std::vector<CaseFactor> StepLoadFactors(const AnalysisSettings& analysis, std::int64_t step, double time);

// A uniform load per length along the solver's local axes of a frame.
struct SpanLoad {
    double wx = 0, wy = 0, wz = 0;
    bool Any() const { return wx != 0 || wy != 0 || wz != 0; }
};

// The span loads of frames 1..n (frame k at k - 1) at these factors, as the
// script writes them (direction 1 along x, 2 along z, 3 against y).
std::vector<SpanLoad> FrameSpanLoads(const Model& model, std::span<const CaseFactor> factors);

// FX FY FZ MX MY MZ: forces along the global axes and moments about the
// global origin.
using ForceTotals = std::array<double, 6>;

// The total load the patterns apply at these factors: joint forces and
// moments (no moments on a node of three degrees of freedom, as the script
// leaves them out) and the span loads, each uniform load as its resultant at
// the frame's middle. The script adds no self-weight: the model's masses carry
// no gravity load.
ForceTotals AppliedLoadTotals(const Model& model, std::span<const CaseFactor> factors);

} // namespace mirelo
