#include "sections/SectionSettingFields.h"

#include "common/Errors.h"

#include <gtest/gtest.h>

namespace mirelo {
namespace {

TEST(SetSectionSetting, SetsWhatTheSectionDialogSets)
{
    FrameSection s;
    const std::pair<const char*, const char*> edits[] = {
        {"elementKind", "3"}, {"geomTransf", "2"}, {"sectionUse", "1"}, {"divideX", "8"}, {"divideY", "9"},
        {"barNumX", "4"},     {"barNumY", "0"},    {"cover", "40.5"},   {"barAreaX", "1200"}, {"barAreaY", "800"}};
    for (const auto& [field, value] : edits)
        SetSectionSetting(s, field, value);
    EXPECT_EQ(s.elementKind, 3);
    EXPECT_EQ(s.geomTransf, 2);
    EXPECT_EQ(s.sectionUse, 1);
    EXPECT_EQ(s.divideX, 8);
    EXPECT_EQ(s.divideY, 9);
    EXPECT_EQ(s.barNumX, 4);
    EXPECT_EQ(s.barNumY, 0);
    EXPECT_EQ(s.cover, 40.5);
    EXPECT_EQ(s.barAreaX, 1200);
    EXPECT_EQ(s.barAreaY, 800);
}

TEST(SetSectionSetting, RefusesChoicesOutsideTheDialogLists)
{
    FrameSection s;
    for (const auto& [field, value] : {std::pair{"elementKind", "7"}, {"elementKind", "0"}, {"geomTransf", "4"},
                                       {"sectionUse", "3"}, {"colour", "1"}})
        EXPECT_THROW(SetSectionSetting(s, field, value), Error) << field << "=" << value;
    try {
        SetSectionSetting(s, "geomTransf", "4");
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Section field geomTransf takes 1 to 3, not '4'");
    }
    EXPECT_THROW(SetSectionSetting(s, "cover", "x"), ConversionError);
    EXPECT_EQ(s.geomTransf, 0);
}

TEST(FrameSectionNamed, TakesTheLastSectionOfThatExactName)
{
    Model model;
    model.FrameSections.Reset(3);
    model.FrameSections[1].name = "COL";
    model.FrameSections[2].name = "COL";
    model.FrameSections[3].name = "col";
    EXPECT_EQ(&FrameSectionNamed(model, "COL"), &model.FrameSections[2]);
    EXPECT_THROW(FrameSectionNamed(model, "BEAM"), Error);
}

} // namespace
} // namespace mirelo
