#include "common/Errors.h"
#include "common/NumberText.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>

namespace mirelo {
namespace {

TEST(ParseInteger, AcceptsSignedDecimalsWithBlanksAround)
{
    EXPECT_EQ(ParseInteger("42"), 42);
    EXPECT_EQ(ParseInteger("-7"), -7);
    EXPECT_EQ(ParseInteger("+7"), 7);
    EXPECT_EQ(ParseInteger("  12 "), 12);
    EXPECT_EQ(ParseInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseInteger("-2147483648"), std::numeric_limits<std::int32_t>::min());
}

TEST(ParseInteger, RejectsEverythingElseWithTheSystemMessage)
{
    for (const char* bad : {"", " ", "1.5", "abc", "12a", "+-1", "--1", "2147483648", "1e3", "0x10", "1 2"}) {
        try {
            ParseInteger(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.what(), "'" + std::string(bad) + "' is not a valid integer value");
        }
    }
}

TEST(ParseReal, AcceptsTheDecimalForms)
{
    EXPECT_DOUBLE_EQ(ParseReal("1.5E+002"), 150.0);
    EXPECT_DOUBLE_EQ(ParseReal(".28"), 0.28);
    EXPECT_DOUBLE_EQ(ParseReal("5."), 5.0);
    EXPECT_DOUBLE_EQ(ParseReal("-2.1e5"), -210000.0);
    EXPECT_DOUBLE_EQ(ParseReal("+3"), 3.0);
    EXPECT_DOUBLE_EQ(ParseReal(" 7.3E-04 "), 7.3e-4);
    EXPECT_EQ(ParseReal("1e-400"), 0.0); // underflow is zero, not an error
    EXPECT_EQ(ParseReal("-0.0000001e-320"), 0.0);
    EXPECT_EQ(ParseReal("12345e-330"), 0.0);
}

TEST(ParseReal, ShortDecimalsMatchTheGeneralConversionBitForBit)
{
    // Plain decimals take a shortcut; it must give exactly the nearest double.
    for (const char* text : {"0.1", "0.3", "-10", "6000", "123456789012345", "0.000000000000001", "9.999999999999999",
                             "-0", "4.35", "0.7071", "1234.5678", ".5", "7."}) {
        const std::string_view s = text;
        double expected = 0;
        std::from_chars(s.data(), s.data() + s.size(), expected);
        EXPECT_EQ(ParseReal(text), expected) << text;
        EXPECT_EQ(std::signbit(ParseReal(text)), std::signbit(expected)) << text;
    }
    EXPECT_EQ(ParseReal("1234567890123456"), 1234567890123456.0); // 16 digits: the general path
}

TEST(ParseReal, RejectsNonNumbersAndOverflow)
{
    for (const char* bad : {"", "abc", "1,5", "inf", "nan", "1e", "e5", ".", "-", "0x1p3", "1e999", "1.2.3", "-123456e305", "0.001e312"}) {
        try {
            ParseReal(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.what(), "'" + std::string(bad) + "' is not a valid floating point value");
        }
    }
}

TEST(FormatScientific, FourDigitsAndThreeExponentDigits)
{
    EXPECT_EQ(FormatScientific(200000, 4), "2.000E+005");
    EXPECT_EQ(FormatScientific(0.05, 4), "5.000E-002");
    EXPECT_EQ(FormatScientific(-9.81, 4), "-9.810E+000");
    EXPECT_EQ(FormatScientific(0, 4), "0.000E+000");
    EXPECT_EQ(FormatScientific(2.5e7, 4), "2.500E+007");
    EXPECT_EQ(FormatScientific(1.0416667e7, 4), "1.042E+007");
    EXPECT_EQ(FormatScientific(2.8171875e-3, 4), "2.817E-003");
    EXPECT_EQ(FormatScientific(1e-300, 4), "1.000E-300");
    EXPECT_EQ(FormatScientific(1.5e300, 3), "1.50E+300");
    EXPECT_EQ(FormatScientific(123456, 5), "1.2346E+005");
}

TEST(FormatScientific, RoundsHalfAwayAndCarriesIntoTheExponent)
{
    EXPECT_EQ(FormatScientific(9.99951, 4), "1.000E+001");
    EXPECT_EQ(FormatScientific(9.9995, 4), "9.999E+000"); // the double lies just below the half
    EXPECT_EQ(FormatScientific(1.0625, 4), "1.063E+000"); // exact half rounds away from zero
    EXPECT_EQ(FormatScientific(-1.0625, 4), "-1.063E+000");
    EXPECT_EQ(FormatScientific(99999, 4), "1.000E+005");
}

TEST(FormatScientific, NeverPrintsNegativeZero)
{
    EXPECT_EQ(FormatScientific(-0.0, 4), "0.000E+000");
}

TEST(FormatScientificRoundTrip, KeepsTheShortFormWhereItIsExactAndGrowsWhereNot)
{
    const struct {
        double value;
        int minimumDigits;
        const char* text;
    } cases[] = {
        {3000, 4, "3.000E+003"},         {12345, 4, "1.2345E+004"},   {12350, 4, "1.235E+004"},
        {-12345.678, 5, "-1.2345678E+004"}, {-10, 5, "-1.0000E+001"}, {0.1, 4, "1.000E-001"},
        {0, 4, "0.000E+000"},            {-0.0, 5, "0.0000E+000"},    {1.0 / 3, 4, "3.333333333333333E-001"},
        {1E300, 5, "1.0000E+300"},       {5E-324, 4, "4.941E-324"},
        // The largest double: its short forms round past it and do not read.
        {1.7976931348623157E308, 4, "1.7976931348623157E+308"},
    };
    for (const auto& c : cases) {
        const std::string text = FormatScientificRoundTrip(c.value, c.minimumDigits);
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(ParseReal(text), c.value) << text;
    }
}

// The script's forms: the template's own text where it reads back as the same
// double, else the same form with the fewest further digits that do.
TEST(ScriptNumberForms, ExactValuesKeepTheirFormOthersGrow)
{
    const struct {
        double value;
        int digits;
        const char* scientific; // "%0.<digits>E"
        const char* fixed;      // "%0.<digits>F"
    } cases[] = {
        {200000, 4, "2.000E+005", "200000.0000"},
        {0.2, 2, "2.0E-001", "0.20"},
        {6.0125, 4, "6.0125E+000", "6.0125"},
        {-212.37, 4, "-2.1237E+002", "-212.3700"},
        {20.437, 4, "2.0437E+001", "20.4370"},
        {31234567, 4, "3.1234567E+007", "31234567.0000"},
        {0.125, 2, "1.25E-001", "0.125"},
        {0.21140625, 4, "2.1140625E-001", "0.21140625"},
        {123.45, 3, "1.2345E+002", "123.450"},
        {0, 4, "0.000E+000", "0.0000"},
        {-0.0, 2, "0.0E+000", "0.00"},
        {1e-7, 2, "1.0E-007", "0.0000001"},
        {-1e-20, 3, "-1.00E-020", "-0.00000000000000000001"},
        // Worst cases: 17 significant digits.
        {0.1 + 0.2, 4, "3.0000000000000004E-001", "0.30000000000000004"},
        {1.0 / 3, 2, "3.333333333333333E-001", "0.3333333333333333"},
        {-2.0 / 3, 4, "-6.666666666666666E-001", "-0.6666666666666666"},
        {5e-324, 4, "4.941E-324", nullptr},
        {1.7976931348623157E308, 4, "1.7976931348623157E+308", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.scientific);
        EXPECT_EQ(FormatScientificRoundTrip(c.value, c.digits), c.scientific);
        EXPECT_EQ(ParseReal(FormatScientificRoundTrip(c.value, c.digits)), c.value);
        if (!c.fixed)
            continue;
        EXPECT_EQ(FormatFixedRoundTrip(c.value, c.digits), c.fixed);
        EXPECT_EQ(ParseReal(FormatFixedRoundTrip(c.value, c.digits)), c.value);
    }
}

TEST(FormatFixed, DecimalsAsTheTemplatesAsk)
{
    EXPECT_EQ(FormatFixed(0.7071, 3), "0.707");
    EXPECT_EQ(FormatFixed(-1, 3), "-1.000");
    EXPECT_EQ(FormatFixed(0.25, 2), "0.25");
    EXPECT_EQ(FormatFixed(120, 2), "120.00");
    EXPECT_EQ(FormatFixed(0.0006, 3), "0.001");
    EXPECT_EQ(FormatFixed(0.0004, 3), "0.000");
    EXPECT_EQ(FormatFixed(1e-9, 3), "0.000");
    EXPECT_EQ(FormatFixed(999.9996, 3), "1000.000");
    EXPECT_EQ(FormatFixed(2.5, 0), "3");
    EXPECT_EQ(FormatFixed(0.125, 2), "0.13");
    EXPECT_EQ(FormatFixed(1e20, 1), "100000000000000000000.0");
}

TEST(FormatFixed, ATinyNegativeValueShowsAsPlainZero)
{
    EXPECT_EQ(FormatFixed(-1e-17, 3), "0.000");
    EXPECT_EQ(FormatFixed(-0.0004, 3), "0.000");
    EXPECT_EQ(FormatFixed(-0.0005, 3), "-0.001");
}

TEST(FormatGeneral, ShortestFormUpToFifteenDigits)
{
    EXPECT_EQ(FormatGeneral(0), "0");
    EXPECT_EQ(FormatGeneral(35.0), "35");
    EXPECT_EQ(FormatGeneral(90), "90");
    EXPECT_EQ(FormatGeneral(22.5), "22.5");
    EXPECT_EQ(FormatGeneral(0.1), "0.1");
    EXPECT_EQ(FormatGeneral(-0.0001), "-0.0001");
    EXPECT_EQ(FormatGeneral(0.00001), "1E-5");
    EXPECT_EQ(FormatGeneral(1e15), "1E15");
    EXPECT_EQ(FormatGeneral(123456789012345.0), "123456789012345");
    EXPECT_EQ(FormatGeneral(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(FormatGeneral(2.0 / 3.0), "0.666666666666667");
}

TEST(FormatSignificant, ShowsWhatABoxNeedsInSixDigits)
{
    const std::pair<double, const char*> cases[] = {
        {-43503.8478949751, "-43503.8"}, {31000000, "31000000"}, {0.035, "0.035"},   {400000, "400000"},
        {2.0 / 3.0, "0.666667"},         {999999.5, "1000000"},  {0.0025, "0.0025"}, {-1.23456789e-7, "-1.23457E-7"},
        {1234567, "1234570"},            {0.00012345649, "0.000123456"}, {1e20, "1E20"}, {0, "0"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(FormatSignificant(value, 6), text) << value;
    EXPECT_EQ(FormatSignificant(2.5, 1), "3"); // halves away from zero
    EXPECT_EQ(FormatSignificant(1.0 / 3.0, 40), "0.33333333333333331"); // at most 17 digits
}

TEST(RoundHalfAway, HalvesGoAwayFromZero)
{
    EXPECT_EQ(RoundHalfAway(2.5), 3);
    EXPECT_EQ(RoundHalfAway(-2.5), -3);
    EXPECT_EQ(RoundHalfAway(2.4999), 2);
}

TEST(Formatters, RaiseOnValuesThatAreNotNumbers)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_THROW(FormatScientific(inf, 4), FloatingPointError);
    EXPECT_THROW(FormatFixed(nan, 3), FloatingPointError);
    EXPECT_THROW(FormatGeneral(-inf), FloatingPointError);
    EXPECT_THROW(RoundHalfAway(nan), FloatingPointError);
    EXPECT_THROW(RoundHalfAway(1e300), FloatingPointError);
}

TEST(CheckedQuotient, RaisesTheSystemMessages)
{
    EXPECT_DOUBLE_EQ(CheckedQuotient(1.0, 4.0), 0.25);
    try {
        CheckedQuotient(1.0, 0.0);
        ADD_FAILURE();
    } catch (const FloatingPointError& e) {
        EXPECT_STREQ(e.what(), "Floating point division by zero");
    }
    try {
        CheckedQuotient(0.0, 0.0);
        ADD_FAILURE();
    } catch (const FloatingPointError& e) {
        EXPECT_STREQ(e.what(), "Invalid floating point operation");
    }
    EXPECT_THROW(CheckedQuotient(1e308, 1e-308), FloatingPointError);
}

TEST(FormatRoundTrip, SeventeenDigitsReadBackExactly)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {{0, "0"},      {0.1, "0.10000000000000001"}, {-1.5e-05, "-1.5e-05"}, {120, "120"},
                 {1e300, "1.0000000000000001e+300"}, {6.56712e-16, "6.5671200000000001e-16"}};
    for (const auto& c : cases) {
        EXPECT_EQ(FormatRoundTrip(c.value), c.text);
        EXPECT_EQ(ParseReal(FormatRoundTrip(c.value)), c.value);
    }
}

} // namespace
} // namespace mirelo
