#pragma once

#include <cstdint>

namespace mirelo {

// The frames of the "Animate" toggle, at a steady rate: load steps are played
// one per frame, from the first to the last and round again; a mode shape
// swings through one full period every kFramesPerSwing frames.
inline constexpr int kAnimationFrameMilliseconds = 50; // 20 frames a second
inline constexpr int kFramesPerSwing = 40;             // a swing takes 2 seconds

// The step after `step` in a file of `stepCount` steps: 1 after the last (and
// after a step outside 1..stepCount). Raises Error when the file holds no steps.
std::int64_t NextAnimationStep(std::int64_t step, std::int64_t stepCount);

// The multiplier of the displacement scale at frame `frame` of a mode swing:
// sin(2 pi frame / kFramesPerSwing), exactly 0, 1, 0, -1 at the quarters.
double ModeSwingFactor(std::int64_t frame);

} // namespace mirelo
