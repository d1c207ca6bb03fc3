#include "sections/SectionCheck.h"

#include "model/SectionSettings.h"
#include "sections/FiberGenerator.h"

#include <gtest/gtest.h>

namespace mirelo {
namespace {

// A nonlinear section of each shape with the import's mesh: 400 wide and 600
// deep where it has a width and a depth; a pipe of 300 by 10.
FrameSection Section(std::int32_t shape, std::int32_t use = kColumnSection)
{
    FrameSection s;
    s.name = "C1";
    s.elementKind = kNonlinearBeamColumn;
    s.shape = shape;
    s.dim = {0, 600, 400, 20, 12, 0, 0};
    if (shape == kShapePipe)
        s.dim = {0, 300, 10, 0, 0, 0, 0};
    SetSectionDialogDefaults(s);
    s.elementKind = kNonlinearBeamColumn;
    s.sectionUse = use;
    return s;
}

struct Edit {
    std::int32_t shape;
    std::int32_t use;
    const char* field;
    const char* value;
};

void Apply(FrameSection& s, const Edit& edit)
{
    SetSectionSetting(s, edit.field, edit.value);
}

TEST(CheckFrameSection, RefusesEachFieldThatLeavesTheFibresUnsound)
{
    struct Row {
        Edit edit;
        const char* message;
    };
    const Row rows[] = {
        {{kShapeRectangle, kColumnSection, "divideX", "0"}, "Divide FX (divideX) must be at least 1, not 0"},
        {{kShapeRectangle, kColumnSection, "divideY", "-2"}, "Divide FY (divideY) must be at least 1, not -2"},
        {{kShapeI, kColumnSection, "divideX", "0"}, "Divide FX (divideX) must be at least 1, not 0"},
        {{kShapeI, kColumnSection, "divideY", "-1"}, "Divide FY (divideY) must be at least 1, not -1"},
        {{kShapeBox, kColumnSection, "divideX", "-3"}, "Divide FX (divideX) must be at least 1, not -3"},
        {{kShapeBox, kColumnSection, "divideY", "0"}, "Divide FY (divideY) must be at least 1, not 0"},
        {{kShapePipe, kColumnSection, "divideX", "0"}, "Divide FX (divideX) must be at least 1, not 0"},
        {{kShapeRectangle, kColumnSection, "barNumX", "1"},
         "Bar Num NX (barNumX) must be at least 2 to give the corner bars of the 5 Y bars, not 1"},
        {{kShapeRectangle, kColumnSection, "barNumX", "0"},
         "Bar Num NX (barNumX) must be at least 2 to give the corner bars of the 5 Y bars, not 0"},
        {{kShapeRectangle, kBeamSection, "barNumX", "1"},
         "Bar Num NX (barNumX) must be 0 or at least 2 (the row's end bars stand at the corners), not 1"},
        {{kShapeRectangle, kBeamSection, "barNumY", "-1"},
         "Bar Num NY (barNumY) must be 0 or at least 2 (the row's end bars stand at the corners), not -1"},
        {{kShapeRectangle, kColumnSection, "barAreaX", "-100"}, "X-Bar(Top) (barAreaX) must be 0 or more, not -100"},
        {{kShapeRectangle, kBeamSection, "barAreaY", "-0.5"}, "Y-Bar(Bot) (barAreaY) must be 0 or more, not -0.5"},
        {{kShapeRectangle, kColumnSection, "cover", "-1"},
         "Cover (cover) must be at least 0 and less than 200 (half the smaller of width 400 and depth 600), not -1"},
        {{kShapeRectangle, kBeamSection, "cover", "200"},
         "Cover (cover) must be at least 0 and less than 200 (half the smaller of width 400 and depth 600), not 200"},
    };
    for (const Row& row : rows) {
        FrameSection s = Section(row.edit.shape, row.edit.use);
        EXPECT_NO_THROW(CheckFrameSection(s)) << row.message;
        Apply(s, row.edit);
        try {
            CheckFrameSection(s);
            ADD_FAILURE() << "taken: " << row.edit.field << "=" << row.edit.value;
        } catch (const SectionSettingError& error) {
            EXPECT_EQ(error.what(), "Section C1: " + std::string(row.message));
            EXPECT_EQ(error.field, row.edit.field);
        }
    }
}

// Every section the check takes has fibres; the fields a shape or kind does
// not use are not checked.
TEST(CheckFrameSection, TakesWhatMakesFibresAndIgnoresWhatPlaysNoPart)
{
    const std::vector<Edit> taken[] = {
        {{kShapeRectangle, kColumnSection, "barNumX", "2"}, {kShapeRectangle, kColumnSection, "barNumY", "0"}},
        {{kShapeRectangle, kColumnSection, "barNumY", "0"}, {kShapeRectangle, kColumnSection, "barNumX", "0"},
         {kShapeRectangle, kColumnSection, "cover", "900"}, {kShapeRectangle, kColumnSection, "barAreaX", "-1"}},
        {{kShapeRectangle, kBeamSection, "barNumX", "0"}, {kShapeRectangle, kBeamSection, "barAreaX", "-5"},
         {kShapeRectangle, kBeamSection, "barNumY", "2"}},
        {{kShapeRectangle, kColumnSection, "cover", "0"}, {kShapeRectangle, kColumnSection, "barAreaY", "0"},
         {kShapeRectangle, kColumnSection, "divideX", "1"}},
        {{kShapeRectangle, kColumnSection, "cover", "199.9"}},
        {{kShapePipe, kColumnSection, "divideY", "-2"}, {kShapePipe, kColumnSection, "barNumX", "1"},
         {kShapePipe, kColumnSection, "cover", "-4"}},
        {{kShapeI, kColumnSection, "barNumY", "-1"}, {kShapeI, kColumnSection, "cover", "1000"}},
        {{kShapeBox, kBeamSection, "barNumX", "1"}, {kShapeBox, kBeamSection, "barAreaY", "-1"}},
    };
    for (const std::vector<Edit>& edits : taken) {
        FrameSection s = Section(edits.front().shape, edits.front().use);
        for (const Edit& edit : edits)
            Apply(s, edit);
        EXPECT_NO_THROW(CheckFrameSection(s)) << edits.front().field << "=" << edits.front().value;
        EXPECT_GT(SectionFibers(s, 1).count, 0);
    }

    // Kinds without fibres: their mesh plays no part, so nothing is checked
    // until the kind becomes one with fibres.
    FrameSection s = Section(kShapeRectangle);
    Apply(s, {0, 0, "divideY", "-2"});
    for (const char* kind : {"1", "4"}) {
        Apply(s, {0, 0, "elementKind", kind});
        EXPECT_NO_THROW(CheckFrameSection(s)) << kind;
    }
    for (const char* kind : {"2", "3", "5", "6"}) {
        Apply(s, {0, 0, "elementKind", kind});
        EXPECT_THROW(CheckFrameSection(s), SectionSettingError) << kind;
    }
    s.elementKind = kRotationalSpring;
    EXPECT_NO_THROW(CheckFrameSection(s));
}

TEST(CheckFrameSection, AFibreKindNeedsAShapeWithFibres)
{
    FrameSection s = Section(kShapeNone);
    s.elementKind = kTruss;
    try {
        CheckFrameSection(s);
        ADD_FAILURE() << "a shapeless truss section taken";
    } catch (const SectionSettingError& error) {
        EXPECT_STREQ(error.what(),
                     "Section C1: Frame Type (elementKind) must be a kind without fibres for a section without a "
                     "shape, not Truss");
        EXPECT_EQ(error.field, "elementKind");
    }
    s.elementKind = kElasticBeamColumn;
    EXPECT_NO_THROW(CheckFrameSection(s));
}

} // namespace
} // namespace mirelo
