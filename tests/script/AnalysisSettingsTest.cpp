#include "script/AnalysisSettings.h"

#include "common/Errors.h"

#include <gtest/gtest.h>

#include <tuple>

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
    EXPECT_EQ(r.RecordReactions, 0);
}

TEST(SetSetting, SetsEveryFieldByItsName)
{
    AnalysisSettings a;
    RecorderSettings r;
    EXPECT_EQ(AnalysisSettingFields().size() + RecorderSettingFields().size(), 20u);
    const auto value = [](const SettingDeclaration& declaration) {
        return declaration.kind == SettingKind::Real ? "2.5" : declaration.kind == SettingKind::Flag ? "1" : "6";
    };
    for (const auto& field : AnalysisSettingFields())
        SetSetting(a, r, field.declaration.name, value(field.declaration));
    for (const auto& field : RecorderSettingFields())
        SetSetting(a, r, field.declaration.name, value(field.declaration));
    EXPECT_EQ(a.RebarMaterialNo, 6);
    EXPECT_EQ(a.ModeCount, 6);
    EXPECT_EQ(a.ControlNode, 6);
    EXPECT_EQ(a.AnalysisType, kGravityTimeHistory);
    EXPECT_EQ(a.LoadFactor, 2.5);
    EXPECT_EQ(a.ControlDisp, 2.5);
    EXPECT_EQ(a.UseAggregator, kFlagOn);
    EXPECT_EQ(r.RecordNodeDisp, kFlagOn);
    EXPECT_EQ(r.RecordModeShapes, kFlagOn);
    EXPECT_EQ(r.RecordCurves, kFlagOn);
    EXPECT_EQ(r.RecordReactions, kFlagOn);
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
    for (const auto& [name, value, message] : {
             std::tuple{"AnalysisType", "8", "Setting AnalysisType takes 1 to 7, not '8'"},
             {"AnalysisType", "0", "Setting AnalysisType takes 1 to 7, not '0'"},
             {"ControlDof", "7", "Setting ControlDof takes 1 to 6, not '7'"},
             {"RecordModeShapes", "2", "Setting RecordModeShapes takes 0 or 1, not '2'"}}) {
        try {
            SetSetting(a, r, name, value);
            ADD_FAILURE() << name << "=" << value;
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), message);
        }
    }
    EXPECT_EQ(a.LoadSteps, 100);
    EXPECT_EQ(a.UseAggregator, 0);
    EXPECT_EQ(a.AnalysisType, kLoadControl);
    EXPECT_EQ(a.ControlDof, 1);
    EXPECT_EQ(r.RecordModeShapes, 0);
}

// The captions are the dialogs' own; the lists give each choice its number.
TEST(SettingDeclarations, NameCaptionAndChoices)
{
    const SettingDeclaration* type = FindSettingDeclaration("AnalysisType");
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(type->label, "Analysis Type");
    ASSERT_EQ(type->choices.size(), 7u);
    EXPECT_EQ(type->choices[kModal - 1], "Modal Analysis");
    EXPECT_EQ(type->choices[kMultipleSupport - 1], "MultipleSupport Excitation");
    EXPECT_EQ(RangeText(*type), "1 to 7");
    EXPECT_EQ(FindSettingDeclaration("AnalysisSteps")->label, "Analysis Step");
    EXPECT_EQ(FindSettingDeclaration("RecordSectionStressStrain")->label, "Force/Disp Beam Column Section  Stress-Strain");
    EXPECT_EQ(RangeText(*FindSettingDeclaration("LoadSteps")), "");
    EXPECT_EQ(RangeText(*FindSettingDeclaration("UseAggregator")), "0 or 1");
    EXPECT_EQ(FindSettingDeclaration("loadSteps"), nullptr);
}

} // namespace
} // namespace mirelo
