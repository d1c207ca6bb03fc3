#include "common/NumberText.h"

#include "common/Errors.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace mirelo {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Checks the grammar [sign] digits [. digits] [(E|e) [sign] digits], with at
// least one digit in the mantissa. std::from_chars alone would also take
// "inf", "nan" and hexadecimal forms.
bool IsDecimalReal(std::string_view s)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t mantissaDigits = 0;
    while (i < s.size() && IsDigit(s[i])) {
        ++i;
        ++mantissaDigits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) {
            ++i;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return false;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        std::size_t exponentDigits = 0;
        while (i < s.size() && IsDigit(s[i])) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return false;
    }
    return i == s.size();
}

// Roughly log10 of a well-formed, non-zero decimal real: enough to tell a
// value too large for a double from one too small.
long long DecimalMagnitude(std::string_view s)
{
    const std::size_t e = s.find_first_of("Ee");
    const std::string_view mantissa = s.substr(0, e);
    long long exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view digits = s.substr(e + 1);
        const bool negative = !digits.empty() && digits.front() == '-';
        if (!digits.empty() && (digits.front() == '-' || digits.front() == '+'))
            digits.remove_prefix(1);
        for (const char c : digits)
            exponent = std::min(exponent * 10 + (c - '0'), 100000LL);
        if (negative)
            exponent = -exponent;
    }
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t firstDigit = mantissa.find_first_of("123456789");
    const long long shift = static_cast<long long>(point) - static_cast<long long>(firstDigit);
    return exponent + (firstDigit < point ? shift - 1 : shift);
}

// Decimal digits of |value| rounded at a given position, half away from zero.
struct Digits {
    std::string digits; // without leading zeros unless the value is zero
    int exponent = 0;   // value = 0.d1d2d3... * 10^exponent
};

// Exact-enough scientific digits of |value|: the first digit is non-zero
// unless value is zero.
Digits ExactDigits(double value)
{
    char buffer[64];
    // 40 significant digits settle every halfway case of a double at the
    // precisions used here (at most 17 significant digits).
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, 39);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t e = text.find('e');
    Digits d;
    d.digits.reserve(40);
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.')
            d.digits.push_back(text[i]);
    int exponent = 0;
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), exponent);
    d.exponent = exponent + 1;
    return d;
}

// Keeps `count` leading digits (count may be 0 or negative), rounding half
// away from zero; a carry lengthens the number and raises the exponent.
Digits RoundDigits(Digits d, int count)
{
    if (count < 0) {
        d.digits.assign(1, '0');
        d.exponent = 1;
        return d;
    }
    const auto keep = static_cast<std::size_t>(count);
    if (keep >= d.digits.size()) {
        d.digits.append(keep - d.digits.size(), '0');
        return d;
    }
    const bool roundUp = d.digits[keep] >= '5';
    d.digits.resize(keep);
    if (roundUp) {
        int i = count - 1;
        while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') {
            d.digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.digits[static_cast<std::size_t>(i)];
        } else {
            // All nines: 999 becomes 100 one decade up.
            d.digits.assign(keep == 0 ? 1 : keep, '0');
            d.digits[0] = '1';
            ++d.exponent;
        }
    }
    return d;
}

bool AllZero(std::string_view digits)
{
    return digits.find_first_not_of('0') == std::string_view::npos;
}

void CheckFormattable(double value)
{
    if (std::isnan(value))
        throw FloatingPointError::InvalidOperation();
    if (std::isinf(value))
        throw FloatingPointError::Overflow();
}

} // namespace

std::int32_t ParseInteger(std::string_view text)
{
    const std::string_view s = TrimBlanks(text);
    std::string_view digits = s;
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    std::int32_t value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || result.ec != std::errc() || result.ptr != digits.data() + digits.size()
        || (s.front() == '+' && digits.front() == '-'))
        throw ConversionError::Integer(text);
    return value;
}

namespace {

// The common case of s2k files, a plain decimal of at most 15 digits without
// exponent ("-10", "6000", "0.25"): the digits and the power of ten are both
// exact doubles, so one division gives the correctly rounded value, as the
// general conversion would, at a fraction of its cost.
bool ParseShortDecimal(std::string_view s, double& value)
{
    static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    std::size_t i = 0;
    const bool negative = !s.empty() && s[0] == '-';
    if (!s.empty() && (s[0] == '-' || s[0] == '+'))
        ++i;
    std::uint64_t mantissa = 0;
    int digits = 0;
    int decimals = 0;
    bool point = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (IsDigit(c)) {
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
            ++digits;
            decimals += point ? 1 : 0;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    if (digits == 0 || digits > 15)
        return false;
    value = static_cast<double>(mantissa) / kPowersOfTen[decimals];
    if (negative)
        value = -value;
    return true;
}

} // namespace

double ParseReal(std::string_view text)
{
    std::string_view s = TrimBlanks(text);
    double quick = 0;
    if (ParseShortDecimal(s, quick))
        return quick;
    if (!IsDecimalReal(s))
        throw ConversionError::Real(text);
    if (s.front() == '+')
        s.remove_prefix(1);
    double value = 0;
    const auto result = std::from_chars(s.data(), s.data() + s.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Underflow to zero is harmless; overflow is not a usable number.
        if (DecimalMagnitude(s) < 0)
            return 0.0;
        throw ConversionError::Real(text);
    }
    if (result.ec != std::errc() || !std::isfinite(value))
        throw ConversionError::Real(text);
    return value;
}

namespace {

// The exact paths: from 40 digits of the value, for every case the quick
// paths below leave to them.
std::string ExactScientific(double value, int significantDigits)
{
    Digits d = value == 0 ? Digits{"0", 1} : RoundDigits(ExactDigits(value), significantDigits);
    if (d.digits.size() < static_cast<std::size_t>(significantDigits))
        d.digits.append(static_cast<std::size_t>(significantDigits) - d.digits.size(), '0');
    const bool zero = AllZero(d.digits);
    const int exponent = zero ? 0 : d.exponent - 1;
    std::string out;
    if (value < 0 && !zero)
        out.push_back('-');
    out.push_back(d.digits[0]);
    if (significantDigits > 1) {
        out.push_back('.');
        out.append(d.digits, 1, static_cast<std::size_t>(significantDigits - 1));
    }
    out.push_back('E');
    out.push_back(exponent < 0 ? '-' : '+');
    std::string exponentText = std::to_string(exponent < 0 ? -exponent : exponent);
    if (exponentText.size() < 3)
        exponentText.insert(0, 3 - exponentText.size(), '0');
    out += exponentText;
    return out;
}

std::string ExactFixed(double value, int decimals)
{
    Digits d = value == 0 ? Digits{"0", 1} : ExactDigits(value);
    d = RoundDigits(d, d.exponent + decimals);
    // Integer part: digits before the point, "0" when there are none.
    std::string integerPart;
    std::string fraction;
    if (d.exponent > 0) {
        std::string all = d.digits;
        if (all.size() < static_cast<std::size_t>(d.exponent))
            all.append(static_cast<std::size_t>(d.exponent) - all.size(), '0');
        integerPart = all.substr(0, static_cast<std::size_t>(d.exponent));
        fraction = all.substr(static_cast<std::size_t>(d.exponent));
    } else {
        integerPart = "0";
        fraction = std::string(static_cast<std::size_t>(-d.exponent), '0') + d.digits;
    }
    fraction.resize(static_cast<std::size_t>(decimals), '0');
    const bool zero = AllZero(integerPart) && AllZero(fraction);
    std::string out;
    if (value < 0 && !zero)
        out.push_back('-');
    out += integerPart;
    if (decimals > 0)
        out.append(".").append(fraction);
    return out;
}

// The quick paths. The shortest text that reads back as a double (at most 17
// digits) rounds to the same leading digits as the exact value whenever at
// most 14 digits are kept, except when the shortest text ends in a 5 just past
// them: only then can the value be exactly half way, and the exact path
// decides. Subnormal values carry fewer digits and always take the exact
// path. (A decimal of 15 digits or fewer that equals the value exactly is
// its shortest text; a decimal half way between the value and its shortest
// text would be a shorter or closer text itself.)
struct ShortDigits {
    char digits[24];
    int count = 0;    // digits[0..count)
    int exponent = 0; // value = 0.d1d2d3... * 10^exponent
};

ShortDigits Shortest(double magnitude)
{
    char buffer[32];
    const char* const end = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific).ptr;
    ShortDigits s;
    const char* p = buffer;
    for (; p < end && *p != 'e'; ++p)
        if (*p != '.')
            s.digits[s.count++] = *p;
    const bool negative = p + 1 < end && p[1] == '-';
    int exponent = 0;
    for (p += 2; p < end; ++p)
        exponent = exponent * 10 + (*p - '0');
    s.exponent = (negative ? -exponent : exponent) + 1;
    return s;
}

constexpr int kQuickDigits = 14;

// Keeps `keep` leading digits, half away from zero; false when the exact path
// must decide. A keep below 0 leaves no digit (the value rounds to zero).
bool RoundShortest(ShortDigits& s, int keep)
{
    if (keep > kQuickDigits)
        return false;
    if (keep < 0) {
        s.count = 0;
        return true;
    }
    if (s.count <= keep) {
        while (s.count < keep)
            s.digits[s.count++] = '0';
        return true;
    }
    if (s.count == keep + 1 && s.digits[keep] == '5')
        return false;
    const bool up = s.digits[keep] >= '5';
    s.count = keep;
    if (!up)
        return true;
    int i = keep - 1;
    while (i >= 0 && s.digits[i] == '9')
        s.digits[i--] = '0';
    if (i >= 0) {
        ++s.digits[i];
    } else {
        s.digits[0] = '1'; // 999 becomes 100 one decade up
        s.count = keep == 0 ? 1 : keep;
        ++s.exponent;
    }
    return true;
}

// "d.ddd" then "E", the sign and at least three exponent digits.
void AppendScientificDigits(std::string& out, bool negative, const char* digits, int count, int exponent)
{
    char text[48];
    int n = 0;
    if (negative)
        text[n++] = '-';
    text[n++] = digits[0];
    if (count > 1) {
        text[n++] = '.';
        for (int i = 1; i < count; ++i)
            text[n++] = digits[i];
    }
    text[n++] = 'E';
    text[n++] = exponent < 0 ? '-' : '+';
    const int magnitude = exponent < 0 ? -exponent : exponent; // at most 324 for a double
    text[n++] = static_cast<char>('0' + magnitude / 100 % 10);
    text[n++] = static_cast<char>('0' + magnitude / 10 % 10);
    text[n++] = static_cast<char>('0' + magnitude % 10);
    out.append(text, static_cast<std::size_t>(n));
}

bool QuickScientific(std::string& out, double value, int significantDigits)
{
    if (significantDigits < 1 || significantDigits > kQuickDigits)
        return false;
    if (value == 0) {
        static constexpr char kZeros[kQuickDigits] = {'0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0'};
        AppendScientificDigits(out, false, kZeros, significantDigits, 0);
        return true;
    }
    if (std::fabs(value) < std::numeric_limits<double>::min())
        return false;
    ShortDigits s = Shortest(std::fabs(value));
    if (!RoundShortest(s, significantDigits))
        return false;
    AppendScientificDigits(out, value < 0, s.digits, s.count, s.exponent - 1);
    return true;
}

bool QuickFixed(std::string& out, double value, int decimals)
{
    if (decimals < 0 || decimals > kQuickDigits)
        return false;
    ShortDigits s;
    s.exponent = 1;
    if (value != 0) {
        if (std::fabs(value) < std::numeric_limits<double>::min())
            return false;
        s = Shortest(std::fabs(value));
        if (!RoundShortest(s, s.exponent + decimals))
            return false;
    }
    bool zero = true;
    for (int i = 0; i < s.count; ++i)
        zero = zero && s.digits[i] == '0';
    char text[48];
    int n = 0;
    if (value < 0 && !zero)
        text[n++] = '-';
    // At most 14 digits are kept, so the integer part has at most 15.
    if (s.exponent > 0)
        for (int i = 0; i < s.exponent; ++i)
            text[n++] = i < s.count ? s.digits[i] : '0';
    else
        text[n++] = '0';
    if (decimals > 0) {
        text[n++] = '.';
        for (int j = 0; j < decimals; ++j) {
            const int i = s.exponent + j;
            text[n++] = i >= 0 && i < s.count ? s.digits[i] : '0';
        }
    }
    out.append(text, static_cast<std::size_t>(n));
    return true;
}

} // namespace

void AppendScientific(std::string& out, double value, int significantDigits)
{
    CheckFormattable(value);
    if (!QuickScientific(out, value, significantDigits))
        out += ExactScientific(value, significantDigits);
}

std::string FormatScientific(double value, int significantDigits)
{
    std::string out;
    AppendScientific(out, value, significantDigits);
    return out;
}

namespace {

bool ReadsBack(std::string_view text, double value)
{
    try {
        return ParseReal(text) == value;
    } catch (const ConversionError&) {
        return false; // near the largest double a short text rounds past it
    }
}

// Appends `value` in the form `append` writes with n digits or decimals, for
// the fewest n from `minimum` on whose text reads back as `value`: never fewer
// than the value's shortest text needs (`shortestNeeds`). `significantAt(n)`
// is how many significant digits n gives; 17 always read back.
template <typename Append, typename Significant>
void AppendFewestThatReadBack(std::string& out, double value, int minimum, int shortestNeeds, Append append,
                              Significant significantAt)
{
    // The shortest text of a normal double is the one decimal of its length,
    // or of any length up to 15 digits, within half a unit in the last place
    // of the value (such decimals lie further apart than that unit), so at up
    // to 15 digits the rounding writes it, padded with zeros, and it reads
    // back without a test.
    const bool normal = value == 0 || std::fabs(value) >= std::numeric_limits<double>::min();
    const std::size_t start = out.size();
    for (int n = std::max(minimum, shortestNeeds);; ++n) {
        append(out, value, n);
        const int significant = significantAt(n);
        if (value == 0 || (normal && significant <= 15) || significant >= 17
            || ReadsBack(std::string_view(out).substr(start), value))
            return;
        out.resize(start);
    }
}

} // namespace

void AppendScientificRoundTrip(std::string& out, double value, int minimumDigits)
{
    CheckFormattable(value);
    const int shortest = value == 0 ? 1 : Shortest(std::fabs(value)).count;
    AppendFewestThatReadBack(out, value, minimumDigits, shortest, AppendScientific, [](int n) { return n; });
}

std::string FormatScientificRoundTrip(double value, int minimumDigits)
{
    std::string out;
    AppendScientificRoundTrip(out, value, minimumDigits);
    return out;
}

void AppendFixedRoundTrip(std::string& out, double value, int minimumDecimals)
{
    CheckFormattable(value);
    ShortDigits s;
    s.exponent = 1;
    if (value != 0)
        s = Shortest(std::fabs(value));
    // value = 0.d1d2...ds * 10^e: its shortest text has s - e decimals.
    AppendFewestThatReadBack(out, value, minimumDecimals, s.count - s.exponent, AppendFixed,
                             [&s](int decimals) { return s.exponent + decimals; });
}

std::string FormatFixedRoundTrip(double value, int minimumDecimals)
{
    std::string out;
    AppendFixedRoundTrip(out, value, minimumDecimals);
    return out;
}

void AppendFixed(std::string& out, double value, int decimals)
{
    CheckFormattable(value);
    if (!QuickFixed(out, value, decimals))
        out += ExactFixed(value, decimals);
}

std::string FormatFixed(double value, int decimals)
{
    std::string out;
    AppendFixed(out, value, decimals);
    return out;
}

std::string FormatGeneral(double value)
{
    return FormatSignificant(value, 15);
}

std::string FormatSignificant(double value, int significantDigits)
{
    CheckFormattable(value);
    if (value == 0)
        return "0";
    Digits d = RoundDigits(ExactDigits(value), std::clamp(significantDigits, 1, 17));
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    const int exponent = d.exponent - 1;
    std::string out = value < 0 ? "-" : "";
    if (exponent < -4 || exponent >= 15) {
        out.push_back(d.digits[0]);
        if (d.digits.size() > 1)
            out.append(".").append(d.digits, 1);
        return out.append("E").append(std::to_string(exponent));
    }
    if (exponent < 0)
        return out.append("0.").append(static_cast<std::size_t>(-exponent - 1), '0').append(d.digits);
    const auto integerDigits = static_cast<std::size_t>(exponent + 1);
    if (d.digits.size() <= integerDigits)
        return out.append(d.digits).append(integerDigits - d.digits.size(), '0');
    return out.append(d.digits, 0, integerDigits).append(".").append(d.digits, integerDigits);
}

std::int64_t RoundHalfAway(double value)
{
    CheckFormattable(value);
    const double rounded = std::round(value);
    if (std::fabs(rounded) >= 9.2e18)
        throw FloatingPointError::Overflow();
    return static_cast<std::int64_t>(rounded);
}

std::string FormatRoundTrip(double value)
{
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 17);
    return std::string(text, result.ptr);
}

} // namespace mirelo
