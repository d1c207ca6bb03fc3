#include "sections/PreparedSections.h"

#include "common/Errors.h"
#include "model/SectionSettings.h"

#include <gtest/gtest.h>

namespace mirelo {
namespace {

// One 400 x 600 rectangle of material 1 per element kind 1..7, with the
// import's mesh (25 fibres and 20 bars for a column).
Model OneSectionPerKind()
{
    Model model;
    model.Materials.Reset(1);
    model.Materials[1].shearModulus = 12.5;
    model.FrameSections.Reset(7);
    for (std::int32_t k = 1; k <= 7; ++k) {
        FrameSection& s = model.FrameSections[k];
        SetSectionDialogDefaults(s);
        s.elementKind = k;
        s.shape = kShapeRectangle;
        s.dim[1] = 600;
        s.dim[2] = 400;
        s.material = 1;
    }
    return model;
}

TEST(PrepareSections, PropertiesForEverySectionFibresForFibreKindsOnly)
{
    const Model model = OneSectionPerKind();
    const PreparedSections prepared = PrepareSections(model, 7, 3);
    EXPECT_EQ(prepared.frameSegments, 7);
    ASSERT_EQ(prepared.sections.count, 7);
    for (std::int32_t k = 1; k <= 7; ++k) {
        const PreparedSection& p = prepared.sections[k];
        EXPECT_EQ(p.properties.area, 240000) << "kind " << k;
        EXPECT_EQ(p.properties.shearModulus, 12.5) << "kind " << k;
        EXPECT_EQ(p.fibers.count, HasFiberSection(k) ? 45 : 0) << "kind " << k;
        if (HasFiberSection(k)) {
            EXPECT_EQ(p.fibers[1].material, 1);
            EXPECT_EQ(p.fibers[45].material, 3); // a bar
        }
    }
}

TEST(PrepareSections, SectionsWithoutMaterialHaveNoShearModulus)
{
    Model model = OneSectionPerKind();
    model.FrameSections[2].material = 0;
    EXPECT_EQ(PrepareSections(model, 3, 1).sections[2].properties.shearModulus, 0);
    model.FrameSections[2].material = 2; // outside the table
    EXPECT_THROW(PrepareSections(model, 3, 1), RangeCheckError);
}

// The formulas of every section run before any fibre table is built.
TEST(PrepareSections, AZeroWallIsReportedBeforeATooLargeMesh)
{
    Model model = OneSectionPerKind();
    model.FrameSections[2].divideX = model.FrameSections[2].divideY = 10000;
    EXPECT_THROW(PrepareSections(model, 3, 1), Error);
    model.FrameSections[7].dim[1] = model.FrameSections[7].dim[2] = 0;
    EXPECT_THROW(PrepareSections(model, 3, 1), FloatingPointError);
}

TEST(PrepareSections, AnAbsentSectionTableGivesNoSections)
{
    Model model;
    model.FrameSections.Reset(-1);
    EXPECT_EQ(PrepareSections(model, 3, 1).sections.count, 0);
}

} // namespace
} // namespace mirelo
