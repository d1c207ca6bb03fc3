#include "results/ResultAnimation.h"

#include "common/Errors.h"

#include <cmath>
#include <numbers>

namespace mirelo {

std::int64_t NextAnimationStep(std::int64_t step, std::int64_t stepCount)
{
    if (stepCount < 1)
        throw Error("The result files hold no steps to play");
    return step >= 1 && step < stepCount ? step + 1 : 1;
}

double ModeSwingFactor(std::int64_t frame)
{
    const std::int64_t phase = ((frame % kFramesPerSwing) + kFramesPerSwing) % kFramesPerSwing;
    static_assert(kFramesPerSwing % 4 == 0);
    // The quarters exactly, so the swing passes through the undeformed and both extreme shapes.
    if (phase * 4 % kFramesPerSwing == 0) {
        constexpr double quarters[] = {0.0, 1.0, 0.0, -1.0};
        return quarters[phase * 4 / kFramesPerSwing];
    }
    return std::sin(2 * std::numbers::pi * static_cast<double>(phase) / kFramesPerSwing);
}

} // namespace mirelo
