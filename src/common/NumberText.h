#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace mirelo {

// Input numbers: optionally signed decimal integers, and reals with a full stop
// and an optional exponent. Blanks around the text are allowed. Anything else
// (an empty text, "inf", a comma, a value out of range) raises ConversionError
// with the conversion message.
std::int32_t ParseInteger(std::string_view text);
double ParseReal(std::string_view text);

// "%0.<n>E": `significantDigits` digits, capital E, a sign and at least three
// exponent digits: FormatScientific(200000, 4) == "2.000E+005".
std::string FormatScientific(double value, int significantDigits);

// The exact variants, which the script's numbers take: "%0.<n>E" with the
// fewest digits, at least `minimumDigits` (at most 17), that read back as
// `value`: FormatScientificRoundTrip(3000, 4) == "3.000E+003" but
// FormatScientificRoundTrip(12345, 4) == "1.2345E+004".
std::string FormatScientificRoundTrip(double value, int minimumDigits);
void AppendScientificRoundTrip(std::string& out, double value, int minimumDigits);
// "%0.<n>F" with the fewest decimals, at least `minimumDecimals`, that read
// back as `value`: FormatFixedRoundTrip(0.2, 2) == "0.20",
// FormatFixedRoundTrip(0.125, 2) == "0.125".
std::string FormatFixedRoundTrip(double value, int minimumDecimals);
void AppendFixedRoundTrip(std::string& out, double value, int minimumDecimals);

// The same text appended to `out`, for writers of large outputs.
void AppendScientific(std::string& out, double value, int significantDigits);

// "%0.<n>F": fixed notation with `decimals` decimals: FormatFixed(0.7071, 3) == "0.707".
std::string FormatFixed(double value, int decimals);
void AppendFixed(std::string& out, double value, int decimals);

// The general form of dialog boxes: up to 15 significant digits, trailing zeros
// dropped, exponent form (1E-5, 1.5E20) below 1E-4 and from 1E15 on.
std::string FormatGeneral(double value);

// The same form with up to `significantDigits` (1 to 17) significant digits:
// FormatSignificant(-43503.8478949751, 6) == "-43503.8", what a box shows.
std::string FormatSignificant(double value, int significantDigits);

// 17 significant digits in the shortest of fixed and exponent form ("%.17g"),
// enough for the text to read back as the very same double.
std::string FormatRoundTrip(double value);

// Rounds half away from zero, as the dialogs do (2.5 gives 3, -2.5 gives -3).
std::int64_t RoundHalfAway(double value);

// Halfway cases round away from zero in every formatter above, and a value that
// rounds to zero is never printed with a minus sign ("0.000", not "-0.000").

} // namespace mirelo
