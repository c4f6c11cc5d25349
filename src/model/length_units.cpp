#include "model/length_units.h"

#include <cfloat>
#include <cmath>

namespace oq {

const std::array<LengthUnitInfo, 4> LengthUnits = {{
    {LengthUnit::Metre, "m", 1},
    {LengthUnit::Millimetre, "mm", 1e-3},
    {LengthUnit::Mil, "mil", MetresPerMil},
    {LengthUnit::Inch, "inch", MetresPerInch},
}};

namespace {
double Clamped(double x) {
    return std::isinf(x) ? std::copysign(DBL_MAX, x) : x;
}
} // namespace

double MetresPer(LengthUnit unit) {
    return LengthUnits[static_cast<size_t>(unit)].metres;
}

// Millimetres multiply by 1000 (a whole number) rather than divide by 0.001, which is not exact
// in binary: 0.5 mm reads back as 0.5.
double InLengthUnit(double metres, LengthUnit unit) {
    if (unit == LengthUnit::Millimetre)
        return Clamped(metres * 1000);
    return Clamped(metres / MetresPer(unit));
}

double FromLengthUnit(double number, LengthUnit unit) {
    if (unit == LengthUnit::Millimetre)
        return number / 1000;
    return Clamped(number * MetresPer(unit));
}

} // namespace oq
