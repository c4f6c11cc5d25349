#pragma once

#include <cstdint>
#include <stdexcept>

namespace oq {

// Raised by the checked operations below; every calculation handler catches it and shows its
// tab's error label instead of a result.
class CalcError : public std::runtime_error {
  public:
    explicit CalcError(const char* what)
        : std::runtime_error(what) {}
};

// Arithmetic that stops instead of producing inf or nan.
double Checked(double x);          // x itself when finite
double Add(double a, double b);    // overflow
double Sub(double a, double b);    // overflow
double Mul(double a, double b);    // overflow
double Div(double a, double b);    // zero divisor (also 0/0), overflow
double Pow(double base, double e); // overflow, negative base with a fractional exponent
double Sqrt(double x);             // negative argument
double Ln(double x);               // zero or negative argument
int16_t ToInt16(double x);         // rounds half to even; out of range
int32_t ToInt32(double x);         // rounds half to even; out of range

} // namespace oq
