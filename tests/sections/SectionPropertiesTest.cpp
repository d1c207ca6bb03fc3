#include "sections/SectionProperties.h"

#include "common/Errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace mirelo {
namespace {

FrameSection Shaped(std::int32_t shape, std::array<double, 7> dim)
{
    FrameSection s;
    s.shape = shape;
    s.dim = dim;
    return s;
}

TEST(ComputeSectionProperties, Rectangle300By500)
{
    const SectionProperties s = ComputeSectionProperties(Shaped(kShapeRectangle, {0, 500, 300, 0, 0, 0, 0}), 7.0);
    EXPECT_DOUBLE_EQ(s.area, 150000);
    EXPECT_DOUBLE_EQ(s.iz, 1.125e9);
    EXPECT_DOUBLE_EQ(s.iy, 3.125e9);
    EXPECT_DOUBLE_EQ(s.shearAreaY, 125000);
    EXPECT_DOUBLE_EQ(s.shearAreaZ, 125000);
    // a = 250, c = 150
    const double ratio = 150.0 / 250.0;
    EXPECT_NEAR(s.torsion, 250.0 * 150 * 150 * 150 * (16.0 / 3 - 3.36 * ratio * (1 - std::pow(150.0, 4) / (12 * std::pow(250.0, 4)))), 1);
    EXPECT_EQ(s.shearModulus, 7.0);
}

TEST(ComputeSectionProperties, PipeIShapeAndBox)
{
    const SectionProperties pipe = ComputeSectionProperties(Shaped(kShapePipe, {0, 200, 10, 0, 0, 0, 0}), 1);
    EXPECT_DOUBLE_EQ(pipe.area, (40000.0 - 32400.0) * std::numbers::pi / 4);
    EXPECT_EQ(pipe.shearAreaY, pipe.area);
    EXPECT_EQ(pipe.shearAreaZ, pipe.area);
    EXPECT_EQ(pipe.iy, pipe.iz);
    EXPECT_DOUBLE_EQ(pipe.torsion, (std::pow(100.0, 4) - std::pow(90.0, 4)) * std::numbers::pi / 2);

    // D 400, B 200, tf 20, tw 10
    const SectionProperties i = ComputeSectionProperties(Shaped(kShapeI, {0, 400, 200, 20, 10, 0, 0}), 1);
    EXPECT_DOUBLE_EQ(i.area, 360.0 * 10 + 2 * 20 * 200);
    EXPECT_DOUBLE_EQ(i.shearAreaY, 5.0 / 6 * 400 * 10);
    EXPECT_DOUBLE_EQ(i.shearAreaZ, 5.0 / 3 * 200 * 20);
    EXPECT_DOUBLE_EQ(i.iz, 400.0 * 1000 / 12 + 20.0 * 8e6 / 6);
    EXPECT_DOUBLE_EQ(i.iy, 2 * 190.0 * 190 * 4000 + 10 * 6.4e7 / 12);
    EXPECT_DOUBLE_EQ(i.torsion, (400.0 * 1000 + 2 * 200 * 8000) / 3);

    const SectionProperties box = ComputeSectionProperties(Shaped(kShapeBox, {0, 400, 200, 20, 10, 0, 0}), 1);
    EXPECT_DOUBLE_EQ(box.area, 2 * 360.0 * 10 + 2 * 20 * 200);
    EXPECT_DOUBLE_EQ(box.shearAreaY, 8000);
    EXPECT_DOUBLE_EQ(box.shearAreaZ, 8000);
    EXPECT_DOUBLE_EQ(box.torsion, 2 * 80000.0 * 80000 / (10 + 40));
}

TEST(ComputeSectionProperties, UnknownShapeHasNoStiffness)
{
    const SectionProperties s = ComputeSectionProperties(Shaped(kShapeNone, {0, 500, 300, 0, 0, 0, 0}), 9);
    EXPECT_EQ(s.area, 0);
    EXPECT_EQ(s.shearModulus * s.torsion, 0);
}

TEST(ComputeSectionProperties, ZeroDimensionsRaiseTheFloatingPointErrors)
{
    FrameSection box = Shaped(kShapeBox, {0, 400, 200, 0, 10, 0, 0});
    try {
        ComputeSectionProperties(box, 1);
        FAIL();
    } catch (const FloatingPointError& e) {
        EXPECT_STREQ(e.what(), "Floating point division by zero");
    }
    FrameSection rectangle = Shaped(kShapeRectangle, {0, 0, 0, 0, 0, 0, 0});
    try {
        ComputeSectionProperties(rectangle, 1);
        FAIL();
    } catch (const FloatingPointError& e) {
        EXPECT_STREQ(e.what(), "Invalid floating point operation");
    }
    // One side zero is fine.
    EXPECT_EQ(ComputeSectionProperties(Shaped(kShapeRectangle, {0, 500, 0, 0, 0, 0, 0}), 1).torsion, 0);
}

} // namespace
} // namespace mirelo
