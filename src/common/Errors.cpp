#include "common/Errors.h"

#include <cmath>

namespace mirelo {

static std::string QuotedThen(std::string_view text, std::string_view rest)
{
    std::string message(1, '\'');
    message.append(text);
    message.push_back('\'');
    message.append(rest);
    return message;
}

ConversionError ConversionError::Integer(std::string_view text)
{
    return ConversionError(QuotedThen(text, " is not a valid integer value"));
}

ConversionError ConversionError::Real(std::string_view text)
{
    return ConversionError(QuotedThen(text, " is not a valid floating point value"));
}

FloatingPointError FloatingPointError::DivisionByZero()
{
    return FloatingPointError("Floating point division by zero");
}

FloatingPointError FloatingPointError::InvalidOperation()
{
    return FloatingPointError("Invalid floating point operation");
}

FloatingPointError FloatingPointError::Overflow()
{
    return FloatingPointError("Floating point overflow");
}

FileError FileError::CannotOpen(const std::string& path, const std::string& reason)
{
    return FileError("Cannot open file \"" + path + "\". " + reason);
}

template <typename Real>
static Real Quotient(Real numerator, Real denominator)
{
    if (std::isnan(numerator) || std::isnan(denominator))
        throw FloatingPointError::InvalidOperation();
    if (denominator == 0) {
        if (numerator == 0)
            throw FloatingPointError::InvalidOperation();
        throw FloatingPointError::DivisionByZero();
    }
    const Real result = numerator / denominator;
    if (std::isinf(result))
        throw FloatingPointError::Overflow();
    return result;
}

double CheckedQuotient(double numerator, double denominator)
{
    return Quotient(numerator, denominator);
}

long double CheckedQuotient(long double numerator, long double denominator)
{
    return Quotient(numerator, denominator);
}

double CheckedFinite(double value)
{
    if (std::isnan(value))
        throw FloatingPointError::InvalidOperation();
    if (std::isinf(value))
        throw FloatingPointError::Overflow();
    return value;
}

} // namespace mirelo
