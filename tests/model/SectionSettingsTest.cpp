#include "model/SectionSettings.h"

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

TEST(SectionSettings, StartValuesAndCaptionsOfTheDialog)
{
    FrameSection s;
    s.elementKind = kTruss;
    SetSectionDialogDefaults(s);
    EXPECT_EQ(s.elementKind, kElasticBeamColumn);
    EXPECT_EQ(s.sectionUse, kColumnSection);
    EXPECT_EQ(s.geomTransf, kLinear);
    EXPECT_EQ(s.divideX + s.divideY + s.barNumX + s.barNumY, 20);
    EXPECT_EQ(s.cover, 35.0);
    EXPECT_EQ(s.barAreaX + s.barAreaY, 2000.0);
    const auto fields = SectionSettingFields();
    ASSERT_EQ(fields.size(), 10u);
    EXPECT_EQ(fields[0].declaration.label, "Frame Type");
    ASSERT_EQ(fields[0].declaration.choices.size(), 6u);
    EXPECT_EQ(fields[0].declaration.choices[kBeamWithHinges - 1], "Beam with Hinge");
    EXPECT_EQ(fields[6].declaration.label, "X-Bar(Top) ");
    EXPECT_EQ(fields[9].declaration.choices[kCorotational - 1], "Corotational ");
}

// One table says what each kind is, for the import, the writer and the drawing.
TEST(ElementKinds, TheTableAnswersEveryQuestionAboutAKind)
{
    struct Row {
        std::int32_t kind;
        const char* name;
        const char* tcl;
        bool transformation, fibres, spring;
    };
    const Row rows[] = {
        {kElasticBeamColumn, "BEAM", "elasticBeamColumn", true, false, false},
        {kNonlinearBeamColumn, "NCOL", "nonlinearBeamColumn", true, true, false},
        {kDispBeamColumn, "DCOL", "dispBeamColumn", true, true, false},
        {kBeamWithHinges, "HB", "elasticBeamColumn", true, false, false},
        {kTruss, "T1", "trussSection", false, true, false},
        {kCorotTruss, "CT", "corotTrussSection", false, true, false},
        {kRotationalSpring, "RSPRING", "zeroLength", false, false, true},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ElementKindFromName(row.name), row.kind) << row.name;
        ASSERT_NE(FindElementKind(row.kind), nullptr);
        EXPECT_EQ(FindElementKind(row.kind)->tclElement, row.tcl);
        EXPECT_EQ(NeedsTransformation(row.kind), row.transformation) << row.kind;
        EXPECT_EQ(HasFiberSection(row.kind), row.fibres) << row.kind;
        EXPECT_EQ(IsSpring(row.kind), row.spring) << row.kind;
    }
    EXPECT_EQ(ElementKindFromName(""), kElasticBeamColumn);
    EXPECT_EQ(ElementKindFromName("nlower"), kElasticBeamColumn); // letters are case-sensitive
    // No section (kind 0): a transformation, nothing else.
    EXPECT_EQ(FindElementKind(0), nullptr);
    EXPECT_TRUE(NeedsTransformation(0));
    EXPECT_FALSE(HasFiberSection(0) || IsSpring(0));
    EXPECT_EQ(FindElementKind(kRotationalSpring)->name, "Rotational spring");
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
