#include "model/checked.h"

#include <cmath>
#include <limits>

namespace oq {

double Checked(double x) {
    if (std::isnan(x))
        throw CalcError("invalid operation");
    if (std::isinf(x))
        throw CalcError("overflow");
    return x;
}

double Add(double a, double b) {
    return Checked(a + b);
}
double Sub(double a, double b) {
    return Checked(a - b);
}
double Mul(double a, double b) {
    return Checked(a * b);
}

double Div(double a, double b) {
    if (b == 0.0)
        throw CalcError("division by zero");
    return Checked(a / b);
}

double Pow(double base, double e) {
    return Checked(std::pow(base, e));
}

double Sqrt(double x) {
    if (x < 0.0)
        throw CalcError("square root of a negative number");
    return Checked(std::sqrt(x));
}

double Ln(double x) {
    if (!(x > 0.0))
        throw CalcError("logarithm of zero or a negative number");
    return Checked(std::log(x));
}

namespace {
template <typename Int> Int toInt(double x) {
    const double r = std::nearbyint(Checked(x)); // default rounding mode: half to even
    if (r < static_cast<double>(std::numeric_limits<Int>::min()) ||
        r > static_cast<double>(std::numeric_limits<Int>::max()))
        throw CalcError("overflow");
    return static_cast<Int>(r);
}
} // namespace

int16_t ToInt16(double x) {
    return toInt<int16_t>(x);
}
int32_t ToInt32(double x) {
    return toInt<int32_t>(x);
}

} // namespace oq
