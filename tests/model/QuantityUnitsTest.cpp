// The units the boxes show: from the file's units, in one spelling.
#include "model/MaterialLaws.h"
#include "model/QuantityUnits.h"
#include "model/SectionSettings.h"

#include <gtest/gtest.h>

namespace mirelo {
namespace {

TEST(QuantityUnit, SpellsEachQuantityFromTheFilesUnits)
{
    const struct {
        ModelUnits units;
        Quantity quantity;
        const char* unit;
    } cases[] = {
        {{"M", "KN"}, Quantity::Stress, "kN/m\u00b2"},  {{"M", "KN"}, Quantity::Area, "m\u00b2"},
        {{"M", "KN"}, Quantity::Length, "m"},           {{"M", "KN"}, Quantity::Number, ""},
        {{"mm", "N"}, Quantity::Stress, "N/mm\u00b2"},  {{"IN", "KIP"}, Quantity::Length, "in"},
        {{"", "KN"}, Quantity::Stress, ""},             {{"M", ""}, Quantity::Stress, ""},
        {{"M", ""}, Quantity::Length, "m"},             {{"", ""}, Quantity::Area, ""},
        {{"M", "KN"}, Quantity::Force, "kN"},           {{"M", "KN"}, Quantity::Moment, "kN\u00b7m"},
        {{"mm", "N"}, Quantity::Moment, "N\u00b7mm"},   {{"", "KN"}, Quantity::Moment, ""},
        {{"", "KN"}, Quantity::Force, "kN"},            {{"M", ""}, Quantity::Moment, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QuantityUnit(c.quantity, c.units), c.unit) << c.units.length << " " << c.units.force;
}

TEST(SettingQuantity, EveryMaterialLawParameterIsAStressOrANumber)
{
    EXPECT_EQ(SettingQuantity("cover"), Quantity::Length);
    EXPECT_EQ(SettingQuantity("barAreaY"), Quantity::Area);
    EXPECT_EQ(SettingQuantity("divideX"), Quantity::Number);
    EXPECT_EQ(SettingQuantity("E"), Quantity::Stress);
    EXPECT_EQ(SettingQuantity("U"), Quantity::Number);
    // The strains and ratios of the laws are numbers; their stresses and stiffnesses are not.
    for (const LawField& field : MaterialLawFields()) {
        const std::string_view name = field.declaration.name;
        const bool ratio = name.starts_with("eps") || name == "b" || name == "R0" || name == "cR1" || name == "cR2"
                           || name == "lambda";
        EXPECT_EQ(SettingQuantity(name), ratio ? Quantity::Number : Quantity::Stress) << name;
    }
}

} // namespace
} // namespace mirelo
