#include "common/Errors.h"
#include "results/ResultAnimation.h"

#include <gtest/gtest.h>

#include <cmath>

namespace mirelo {
namespace {

TEST(ResultAnimation, StepsRunFromFirstToLastAndRoundAgain)
{
    const struct {
        std::int64_t step, count, next;
    } cases[] = {{1, 3, 2}, {2, 3, 3}, {3, 3, 1}, {1, 1, 1}, {0, 5, 1}, {9, 5, 1}, {-4, 5, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(NextAnimationStep(c.step, c.count), c.next) << c.step << " of " << c.count;
    EXPECT_THROW(NextAnimationStep(1, 0), Error);
}

TEST(ResultAnimation, AModeSwingsThroughBothExtremesOncePerPeriod)
{
    EXPECT_EQ(ModeSwingFactor(0), 0.0);
    EXPECT_EQ(ModeSwingFactor(kFramesPerSwing / 4), 1.0);
    EXPECT_EQ(ModeSwingFactor(kFramesPerSwing / 2), 0.0);
    EXPECT_EQ(ModeSwingFactor(3 * kFramesPerSwing / 4), -1.0);
    for (std::int64_t frame = -kFramesPerSwing; frame < 3 * kFramesPerSwing; ++frame) {
        const double f = ModeSwingFactor(frame);
        EXPECT_LE(std::abs(f), 1.0);
        EXPECT_EQ(f, ModeSwingFactor(frame + kFramesPerSwing)) << frame; // periodic
        EXPECT_NEAR(f, -ModeSwingFactor(frame + kFramesPerSwing / 2), 1e-15) << frame; // the other half mirrors it
    }
    EXPECT_EQ(1000 / kAnimationFrameMilliseconds, 20); // a steady 20 frames a second
}

} // namespace
} // namespace mirelo
