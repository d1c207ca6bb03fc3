#pragma once

#include <cstdint>

namespace mirelo {

// A flag holds -1 when on and 0 when off; readers treat any non-zero value as on.
constexpr std::int32_t kFlagOn = -1;
constexpr std::int32_t kFlagOff = 0;

// The analysis the script runs and the numbers it needs. The start values are
// those the program starts with.
struct AnalysisSettings {
    std::int32_t RebarMaterialNo = 1;   // material of every bar fibre
    std::int32_t IntegrationPoints = 3; // of nonlinear and displacement beam-columns
    std::int32_t AnalysisType = 1;      // 1..7, see the analysis block
    std::int32_t LoadCase = 1;          // 1-based case of the load-control and gravity patterns
    std::int32_t PushoverCase = 1;      // 1-based case of the displacement-control patterns
    std::int32_t LoadSteps = 100;
    std::int32_t AnalysisSteps = 100;
    double LoadFactor = 1.0;
    double ControlDisp = 0.1;
    std::int32_t ControlDof = 1;
    std::int32_t ControlNode = 1;
    std::int32_t UseAggregator = kFlagOff; // shear and torsion springs, aggregated sections
    std::int32_t ModeCount = 12;
};

// Which results the script records.
struct RecorderSettings {
    std::int32_t RecordNodeDisp = kFlagOn;
    std::int32_t RecordElementForce = kFlagOff;
    std::int32_t RecordSectionDeformation = kFlagOff;
    std::int32_t RecordSectionStressStrain = kFlagOff; // stored and shown; records nothing
    std::int32_t RecordModeShapes = kFlagOff;
};

} // namespace mirelo
