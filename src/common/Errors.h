#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace mirelo {

// Every failure the program reports carries one of the texts below. Callers at
// a command boundary (a menu command, a CLI verb) catch Error and show what().
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that does not convert to a number.
class ConversionError : public Error {
public:
    using Error::Error;
    static ConversionError Integer(std::string_view text);
    static ConversionError Real(std::string_view text);
};

// A negative count or an index outside a table.
class RangeCheckError : public Error {
public:
    RangeCheckError() : Error("Range check error") {}
};

// Floating-point faults are raised, never left in the results as inf or NaN.
class FloatingPointError : public Error {
public:
    using Error::Error;
    static FloatingPointError DivisionByZero();
    static FloatingPointError InvalidOperation();
    static FloatingPointError Overflow();
};

// A file that cannot be opened, read or written.
class FileError : public Error {
public:
    using Error::Error;
    static FileError CannotOpen(const std::string& path, const std::string& reason);
};

// Raises the matching FloatingPointError when a computed value is not finite;
// division by zero when the numerator was finite and non-zero.
double CheckedQuotient(double numerator, double denominator);
long double CheckedQuotient(long double numerator, long double denominator);
double CheckedFinite(double value);

} // namespace mirelo
