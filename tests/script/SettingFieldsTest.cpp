#include "script/SettingFields.h"

#include "common/Errors.h"

#include <gtest/gtest.h>

namespace mirelo {
namespace {

TEST(Settings, StartValues)
{
    const AnalysisSettings a;
    EXPECT_EQ(a.RebarMaterialNo, 1);
    EXPECT_EQ(a.IntegrationPoints, 3);
    EXPECT_EQ(a.AnalysisType, 1);
    EXPECT_EQ(a.LoadCase, 1);
    EXPECT_EQ(a.PushoverCase, 1);
    EXPECT_EQ(a.LoadSteps, 100);
    EXPECT_EQ(a.AnalysisSteps, 100);
    EXPECT_EQ(a.LoadFactor, 1.0);
    EXPECT_EQ(a.ControlDisp, 0.1);
    EXPECT_EQ(a.ControlDof, 1);
    EXPECT_EQ(a.ControlNode, 1);
    EXPECT_EQ(a.UseAggregator, 0);
    EXPECT_EQ(a.ModeCount, 12);
    const RecorderSettings r;
    EXPECT_EQ(r.RecordNodeDisp, -1);
    EXPECT_EQ(r.RecordElementForce, 0);
    EXPECT_EQ(r.RecordSectionDeformation, 0);
    EXPECT_EQ(r.RecordSectionStressStrain, 0);
    EXPECT_EQ(r.RecordModeShapes, 0);
}

TEST(SetSetting, SetsEveryFieldByItsName)
{
    AnalysisSettings a;
    RecorderSettings r;
    EXPECT_EQ(SettingFields().size(), 18u);
    for (const SettingField& field : SettingFields())
        SetSetting(a, r, field.name, field.kind == SettingKind::Real ? "2.5" : field.kind == SettingKind::Flag ? "1" : "7");
    EXPECT_EQ(a.RebarMaterialNo, 7);
    EXPECT_EQ(a.ModeCount, 7);
    EXPECT_EQ(a.ControlNode, 7);
    EXPECT_EQ(a.LoadFactor, 2.5);
    EXPECT_EQ(a.ControlDisp, 2.5);
    EXPECT_EQ(a.UseAggregator, kFlagOn);
    EXPECT_EQ(r.RecordNodeDisp, kFlagOn);
    EXPECT_EQ(r.RecordModeShapes, kFlagOn);
    SetSetting(a, r, "RecordNodeDisp", "0");
    SetSetting(a, r, "UseAggregator", "0");
    EXPECT_EQ(r.RecordNodeDisp, kFlagOff);
    EXPECT_EQ(a.UseAggregator, kFlagOff);
}

TEST(SetSetting, RefusesUnknownNamesBadNumbersAndOtherFlags)
{
    AnalysisSettings a;
    RecorderSettings r;
    try {
        SetSetting(a, r, "loadSteps", "5"); // names are case-sensitive
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Unknown setting 'loadSteps'");
    }
    try {
        SetSetting(a, r, "LoadSteps", "ten");
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'ten' is not a valid integer value");
    }
    EXPECT_THROW(SetSetting(a, r, "LoadFactor", "1,5"), ConversionError);
    try {
        SetSetting(a, r, "UseAggregator", "-1");
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Setting UseAggregator takes 0 or 1, not '-1'");
    }
    EXPECT_EQ(a.LoadSteps, 100);
    EXPECT_EQ(a.UseAggregator, 0);
}

} // namespace
} // namespace mirelo
