#pragma once

#include <array>

// The length units of board work, which are no SI prefixes of one another: metre, millimetre,
// mil (a thousandth of an inch) and inch. A tab offers the ones that suit it and remembers the
// user's choice. Toolkit-free.
namespace oq {

// The international inch is 25.4 mm exactly; a mil is a thousandth of it.
constexpr double MetresPerInch = 25.4e-3;
constexpr double MetresPerMil = 25.4e-6;

enum class LengthUnit : int { Metre, Millimetre, Mil, Inch };

struct LengthUnitInfo {
    LengthUnit unit;
    const char* caption; // "mm"
    double metres;       // metres per unit; the inch is 25.4 mm exactly (1959 agreement)
};
extern const std::array<LengthUnitInfo, 4> LengthUnits;

// Metres per unit.
double MetresPer(LengthUnit unit);
// A length in metres counted in the unit, and back. A result beyond the double range stops at
// the largest double of its sign, as a typed number does.
double InLengthUnit(double metres, LengthUnit unit);
double FromLengthUnit(double number, LengthUnit unit);

} // namespace oq
