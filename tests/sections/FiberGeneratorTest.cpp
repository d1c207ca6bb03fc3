#include "sections/FiberGenerator.h"

#include "common/Errors.h"
#include "model/SectionSettings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace mirelo {
namespace {

// A 400 wide, 600 deep rectangle with the import's mesh defaults.
FrameSection Rectangle400By600(std::int32_t use)
{
    FrameSection s;
    s.name = "N1";
    s.elementKind = kNonlinearBeamColumn;
    s.shape = kShapeRectangle;
    s.dim[1] = 600;
    s.dim[2] = 400;
    s.material = 2;
    s.divideX = s.divideY = s.barNumX = s.barNumY = 5;
    s.cover = 35;
    s.barAreaX = s.barAreaY = 1000;
    s.sectionUse = use;
    return s;
}

TEST(SectionFibers, RectangularColumnHas25CoreFibresAnd20Bars)
{
    FrameSection s = Rectangle400By600(2);
    Table<Fiber> fibers = SectionFibers(s, 7);
    ASSERT_EQ(fibers.count, 45);
    EXPECT_EQ(fibers[1].y, -160);
    EXPECT_EQ(fibers[1].z, -240);
    EXPECT_EQ(fibers[5].y, 160);
    EXPECT_EQ(fibers[6].z, -120);
    for (int j = 1; j <= 25; ++j) {
        EXPECT_DOUBLE_EQ(fibers[j].area, 400.0 * 600 / 25);
        EXPECT_EQ(fibers[j].material, 2);
    }
    const double xBars[] = {-165, -82.5, 0, 82.5, 165};
    for (int k = 1; k <= 5; ++k) {
        const Fiber& first = fibers[25 + k];
        const Fiber& second = fibers[30 + k];
        EXPECT_DOUBLE_EQ(first.y, xBars[k - 1]);
        EXPECT_EQ(first.z, -265);
        EXPECT_DOUBLE_EQ(second.y, xBars[k - 1]);
        EXPECT_EQ(second.z, 265);
        const Fiber& left = fibers[35 + k];
        const Fiber& right = fibers[40 + k];
        EXPECT_EQ(left.y, -165);
        EXPECT_EQ(right.y, 165);
        EXPECT_DOUBLE_EQ(left.z, -265 + k * 530.0 / 6);
        EXPECT_DOUBLE_EQ(right.z, left.z);
        for (const Fiber* bar : {&first, &second, &left, &right}) {
            EXPECT_EQ(bar->area, 200);
            EXPECT_EQ(bar->material, 7);
        }
    }
}

TEST(SectionFibers, RectangularBeamHasOneRowAtEachFace)
{
    FrameSection s = Rectangle400By600(1);
    Table<Fiber> fibers = SectionFibers(s, 1);
    ASSERT_EQ(fibers.count, 35);
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(fibers[25 + k].z, 265);
        EXPECT_EQ(fibers[30 + k].z, -265);
    }
    EXPECT_EQ(fibers[26].y, -165);
    EXPECT_EQ(fibers[35].y, 165);
}

TEST(SectionFibers, ASingleBarStandsInTheMiddleOfItsRow)
{
    FrameSection s = Rectangle400By600(1);
    s.barNumX = 1;
    s.barNumY = 1;
    Table<Fiber> fibers = SectionFibers(s, 1);
    ASSERT_EQ(fibers.count, 27);
    EXPECT_EQ(fibers[26].y, 0);
    EXPECT_EQ(fibers[26].area, 1000);
    EXPECT_EQ(fibers[27].y, 0);
    s.sectionUse = kColumnSection; // the bars of barNumY between the corners
    fibers = SectionFibers(s, 1);
    ASSERT_EQ(fibers.count, 29);
    EXPECT_EQ(fibers[28].y, -165);
    EXPECT_EQ(fibers[28].z, 0);
    EXPECT_EQ(fibers[29].z, 0);
}

TEST(SectionFibers, NoFixedLimitOfEightyFibres)
{
    FrameSection s = Rectangle400By600(2);
    s.divideX = 20;
    s.divideY = 30;
    Table<Fiber> fibers = SectionFibers(s, 1);
    EXPECT_EQ(fibers.count, 620);
    s.divideX = 100000;
    s.divideY = 100000;
    EXPECT_THROW(SectionFibers(s, 1), Error);
}

TEST(SectionFibers, CountsOfZeroOrBelowGiveNothing)
{
    FrameSection s = Rectangle400By600(2);
    s.divideX = -1;
    s.barNumX = 0;
    s.barNumY = -3;
    Table<Fiber> fibers = SectionFibers(s, 1);
    EXPECT_EQ(fibers.count, 0);
    s.divideX = 0;
    s.barNumY = 2;
    fibers = SectionFibers(s, 1);
    EXPECT_EQ(fibers.count, 4);
    EXPECT_EQ(fibers[1].y, -165);
}

TEST(SectionFibers, IShapeFlangesThenWeb)
{
    FrameSection s;
    s.shape = kShapeI;
    s.dim = {0, 400, 200, 20, 10, 0, 0};
    s.divideX = 4;
    s.divideY = 6;
    s.material = 3;
    Table<Fiber> fibers = SectionFibers(s, 1);
    ASSERT_EQ(fibers.count, 14);
    EXPECT_EQ(fibers[1].y, -75);
    EXPECT_EQ(fibers[1].z, -190);
    EXPECT_EQ(fibers[1].area, 1000);
    EXPECT_EQ(fibers[5].z, 190);
    double webHeight = 0;
    for (int k = 9; k <= 14; ++k) {
        EXPECT_EQ(fibers[k].y, 0);
        EXPECT_EQ(fibers[k].material, 3);
        webHeight += fibers[k].area / 10;
    }
    EXPECT_DOUBLE_EQ(webHeight, 360);
    EXPECT_DOUBLE_EQ(fibers[9].z, -180 + 30);
}

TEST(SectionFibers, PipeFibresEveryEighteenDegrees)
{
    FrameSection s;
    s.shape = kShapePipe;
    s.dim = {0, 200, 10, 0, 0, 0, 0};
    s.divideX = 20;
    Table<Fiber> fibers = SectionFibers(s, 1);
    ASSERT_EQ(fibers.count, 20);
    EXPECT_EQ(fibers[1].y, 95);
    EXPECT_EQ(fibers[1].z, 0);
    EXPECT_NEAR(fibers[6].y, 0, 1e-12);
    EXPECT_NEAR(fibers[6].z, 95, 1e-12);
    EXPECT_NEAR(fibers[2].y, 95 * std::cos(std::numbers::pi / 10), 1e-12);
    EXPECT_DOUBLE_EQ(fibers[1].area, (40000.0 - 32400.0) * std::numbers::pi / 4 / 20);
}

TEST(SectionFibers, BoxWallsAcrossThenDown)
{
    FrameSection s;
    s.shape = kShapeBox;
    s.dim = {0, 400, 200, 20, 10, 0, 0};
    s.divideX = 2;
    s.divideY = 3;
    Table<Fiber> fibers = SectionFibers(s, 1);
    ASSERT_EQ(fibers.count, 10);
    EXPECT_EQ(fibers[1].y, -50);
    EXPECT_EQ(fibers[1].z, -190);
    EXPECT_EQ(fibers[1].area, 2000);
    EXPECT_EQ(fibers[3].z, 190);
    EXPECT_EQ(fibers[5].y, -95);
    EXPECT_EQ(fibers[5].z, -120);
    EXPECT_EQ(fibers[5].area, 1200);
    EXPECT_EQ(fibers[10].y, 95);
    EXPECT_EQ(fibers[10].z, 120);
}

} // namespace
} // namespace mirelo

namespace mirelo {
namespace {

// The count the preview announces is the count the generator writes.
TEST(MeshFiberCount, EqualsTheFibresGenerated)
{
    struct Row {
        std::int32_t shape, use, divideX, divideY, barNumX, barNumY;
        std::int64_t count;
    };
    const Row rows[] = {
        {kShapeRectangle, kColumnSection, 5, 5, 5, 5, 45}, {kShapeRectangle, kBeamSection, 5, 5, 5, 5, 35},
        {kShapeRectangle, kColumnSection, 4, -3, 1, 0, 2},  {kShapeI, kColumnSection, 4, 6, 9, 9, 14},
        {kShapeBox, kColumnSection, 3, 2, 5, 5, 10},        {kShapePipe, kColumnSection, 20, 5, 5, 5, 20},
        {kShapeNone, kColumnSection, 5, 5, 5, 5, 0},
    };
    for (const Row& row : rows) {
        FrameSection s = Rectangle400By600(row.use);
        s.shape = row.shape;
        s.dim[3] = 20;
        s.dim[4] = 15;
        s.divideX = row.divideX;
        s.divideY = row.divideY;
        s.barNumX = row.barNumX;
        s.barNumY = row.barNumY;
        EXPECT_EQ(MeshFiberCount(s), row.count) << "shape " << row.shape;
        const Table<Fiber> fibers = SectionFibers(s, 1);
        EXPECT_EQ(fibers.count, row.count) << "shape " << row.shape;
    }
}

} // namespace
} // namespace mirelo
