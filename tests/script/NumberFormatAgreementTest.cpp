// The script's numbers go through the quick paths of the shared formatter.
// They must give exactly what rounding the exact decimal value of the double,
// half away from zero, gives; the reference here works from all its digits.
#include "common/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

namespace mirelo {
namespace {

struct ExactDigits {
    std::string digits; // every significant digit of |value|
    int exponent = 0;   // value = 0.d1d2d3... * 10^exponent
};

ExactDigits Exact(double value)
{
    // 800 digits hold the whole expansion of every double.
    static char buffer[1000];
    std::snprintf(buffer, sizeof buffer, "%.800e", std::fabs(value));
    ExactDigits d;
    const char* e = std::strchr(buffer, 'e');
    for (const char* p = buffer; p < e; ++p)
        if (*p != '.')
            d.digits.push_back(*p);
    d.exponent = std::atoi(e + 1) + 1;
    return d;
}

// Rounds to `keep` digits half away from zero; returns the digits (keep of
// them, or one more after a carry into a new decade) and the new exponent.
ExactDigits Round(ExactDigits d, int keep)
{
    if (keep < 0)
        return {"", d.exponent};
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9')
            d.digits[static_cast<std::size_t>(i--)] = '0';
        if (i >= 0) {
            ++d.digits[static_cast<std::size_t>(i)];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        }
    }
    return d;
}

std::string ReferenceScientific(double value, int n)
{
    const auto mantissa = [n](const std::string& digits) {
        return n == 1 ? digits.substr(0, 1) : digits.substr(0, 1) + "." + digits.substr(1);
    };
    if (value == 0)
        return mantissa(std::string(static_cast<std::size_t>(n), '0')) + "E+000";
    ExactDigits d = Round(Exact(value), n);
    d.digits.resize(static_cast<std::size_t>(n));
    char exponent[16];
    std::snprintf(exponent, sizeof exponent, "E%c%03d", d.exponent - 1 < 0 ? '-' : '+', std::abs(d.exponent - 1));
    return (value < 0 ? "-" : "") + mantissa(d.digits) + exponent;
}

std::string ReferenceFixed(double value, int decimals)
{
    ExactDigits d = value == 0 ? ExactDigits{"", 1} : Round(Exact(value), Exact(value).exponent + decimals);
    std::string integer = "0", fraction;
    if (d.exponent > 0) {
        integer = d.digits.substr(0, static_cast<std::size_t>(d.exponent));
        integer.resize(static_cast<std::size_t>(d.exponent), '0');
        if (d.digits.size() > static_cast<std::size_t>(d.exponent))
            fraction = d.digits.substr(static_cast<std::size_t>(d.exponent));
    } else {
        fraction = std::string(static_cast<std::size_t>(-d.exponent), '0') + d.digits;
    }
    fraction.resize(static_cast<std::size_t>(decimals), '0');
    const bool zero = integer.find_first_not_of('0') == std::string::npos
                   && fraction.find_first_not_of('0') == std::string::npos;
    return (value < 0 && !zero ? "-" : "") + integer + (decimals > 0 ? "." + fraction : "");
}

void ExpectAgreement(double value)
{
    for (int n = 1; n <= 6; ++n)
        ASSERT_EQ(FormatScientific(value, n), ReferenceScientific(value, n)) << value << " with " << n << " digits";
    if (std::fabs(value) >= 1e30)
        return; // fixed notation of such values shows only its first 40 digits
    for (int decimals = 0; decimals <= 5; ++decimals)
        ASSERT_EQ(FormatFixed(value, decimals), ReferenceFixed(value, decimals)) << value << " with " << decimals
                                                                                 << " decimals";
}

TEST(NumberFormatAgreement, RandomValuesOfEveryMagnitude)
{
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-12, 12);
    for (int i = 0; i < 6000; ++i)
        ExpectAgreement(mantissa(random) * std::pow(10.0, exponent(random)));
}

TEST(NumberFormatAgreement, ExactHalvesAndNearHalves)
{
    std::mt19937_64 random(7);
    std::uniform_int_distribution<int> integer(1, 999999);
    for (int i = 0; i < 1000; ++i) {
        const double exact = std::ldexp(static_cast<double>(integer(random)), -(i % 24)); // exact binary fractions
        ExpectAgreement(exact);
        ExpectAgreement(-exact);
        ExpectAgreement(std::nextafter(exact, 0.0));
        ExpectAgreement(std::nextafter(exact, 1e300));
    }
    for (const double v : {0.5, 2.5, 0.125, 0.0625, 1.0625, 9.9995, 9.99951, 99999.5, 0.0005, 0.00049999, 1e-17, -1e-17,
                           5e-324, 2.5e-320, 2.2250738585072014e-308, 1.7976931348623157e308, 123456789012345.0, 0.15, 0.25, 0.35})
        ExpectAgreement(v);
}

// The exact forms read back as the value with the fewest digits (or decimals)
// that do: one fewer, down to the template's own, does not.
TEST(NumberFormatAgreement, ExactFormsAreTheShortestThatReadBack)
{
    std::mt19937_64 random(16);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-12, 12);
    std::uniform_int_distribution<int> decimals(0, 4);
    for (int i = 0; i < 4000; ++i) {
        double value = mantissa(random) * std::pow(10.0, exponent(random));
        if (i % 2 == 0) // a short decimal, as models hold them
            value = std::stod(FormatScientific(value, 1 + i % 7));
        const int minimum = 1 + decimals(random);
        const std::string scientific = FormatScientificRoundTrip(value, minimum);
        ASSERT_EQ(std::stod(scientific), value) << scientific;
        const int digits = static_cast<int>(scientific.find('E')) - (value < 0 ? 1 : 0)
                         - (scientific.find('.') == std::string::npos ? 0 : 1);
        ASSERT_EQ(scientific, ReferenceScientific(value, std::max(digits, minimum)));
        if (digits > minimum) {
            ASSERT_NE(std::stod(ReferenceScientific(value, digits - 1)), value) << scientific;
        }
        if (std::fabs(value) >= 1e8)
            continue; // fixed notation of large values is checked above
        const std::string fixed = FormatFixedRoundTrip(value, minimum);
        ASSERT_EQ(std::stod(fixed), value) << fixed;
        const int places = static_cast<int>(fixed.size() - fixed.find('.') - 1);
        ASSERT_EQ(fixed, ReferenceFixed(value, places));
        if (places > minimum) {
            ASSERT_NE(std::stod(ReferenceFixed(value, places - 1)), value) << fixed;
        }
    }
}

} // namespace
} // namespace mirelo
