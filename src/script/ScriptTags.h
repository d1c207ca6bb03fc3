#pragma once

#include <cstdint>

namespace mirelo {

// The tags the script gives to what the model has no number of its own for:
// an offset added to the number of the section, shell section or load case
// it belongs to. Materials, fibre sections, frames and patterns otherwise
// take the model's numbers, so an offset keeps them apart only while the
// model's numbers stay below it.

// The aggregator's elastic springs of frame section k (uniaxialMaterial):
// shear along y and z, and torsion.
inline constexpr std::int32_t kShearYSpringTagOffset = 200;
inline constexpr std::int32_t kShearZSpringTagOffset = 300;
inline constexpr std::int32_t kTorsionSpringTagOffset = 400;
// The aggregated section of frame section k, which its beam-columns name.
inline constexpr std::int32_t kAggregatedSectionTagOffset = 1000;

// The PlateFiber nD material and section of shell section s.
inline constexpr std::int32_t kPlateFiberMaterialTagOffset = 600;
inline constexpr std::int32_t kPlateFiberSectionTagOffset = 700;

// A pushover's pattern after a gravity pattern of the same load case: the
// solver holds one pattern per tag.
inline constexpr std::int32_t kSharedCasePushoverTagOffset = 100;

// The uniform excitation's time series and pattern take this tag plus one
// (the script increments it before use).
inline constexpr std::int32_t kGroundMotionTagStart = 1001;

} // namespace mirelo
