#include "results/ResultSet.h"

#include <gtest/gtest.h>

namespace mirelo {
namespace {

// Joints at x = 0 and x = 1000 (the model's extent), two frames.
Model TwoJoints()
{
    Model model;
    model.Joints.Reset(2);
    model.Joints[2].x = 1000;
    model.Frames.Reset(2);
    return model;
}

TEST(ResultSet, ReadsWhatIsLoadedAndZeroElsewhere)
{
    ResultSet results;
    EXPECT_EQ(JointDisplacement(results, 1).x, 0); // nothing loaded
    EXPECT_EQ(SectionValueAtJ(results, 1), 0);
    results.joints.values = {1, 2, 3, 4, 5, 6};
    results.sections.atI = {0.5, 0.25};
    results.sections.atJ = {-1, 2};
    EXPECT_EQ(JointDisplacement(results, 2).x, 4);
    EXPECT_EQ(JointDisplacement(results, 2).z, 6);
    EXPECT_EQ(SectionValueAtI(results, 1), 0.5);
    EXPECT_EQ(SectionValueAtJ(results, 2), 2);
    for (const std::int32_t outside : {-1, 0, 3}) {
        EXPECT_EQ(JointDisplacement(results, outside).y, 0) << outside;
        EXPECT_EQ(SectionValueAtI(results, outside), 0) << outside;
        EXPECT_EQ(SectionValueAtJ(results, outside), 0) << outside;
    }
}

TEST(ResultSet, SuggestedScaleShowsTheLargestMoveAsATenthOfTheExtent)
{
    const Model model = TwoJoints();
    ResultSet results;
    EXPECT_EQ(SuggestedDeformScale(model, results), 1); // nothing moved
    EXPECT_EQ(SuggestedDeformScale(Model(), results), 1);
    results.joints.values = {0, 0, 0, 0, -3, 0};
    EXPECT_EQ(SuggestedDeformScale(model, results), 30); // 100 / 3 to one digit
    results.joints.values = {0, 0, 0, 0, 0, 0.07};
    EXPECT_EQ(SuggestedDeformScale(model, results), 1000); // 1428.6
    results.joints.values = {0, 0, 0, 0, 0, 5000};
    EXPECT_DOUBLE_EQ(SuggestedDeformScale(model, results), 0.02); // a move larger than the model shrinks
}

} // namespace
} // namespace mirelo
