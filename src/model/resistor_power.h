#pragma once

#include <array>

namespace oq {

// Voltage, resistance, current and power of one resistor, in the order of the tab's boxes.
enum PowerBox : int { PowerU = 0, PowerR = 1, PowerI = 2, PowerP = 3 };
using PowerValues = std::array<double, 4>;

// The two unknowns for the two given quantities (`given` has bit b set for box b), in the order
// they are computed and written; {-1, -1} unless exactly two are given.
std::array<int, 2> PowerUnknowns(int given);

// The unknown `wanted` from the two given quantities of `v`. Throws CalcError where the
// arithmetic fails.
double PowerQuantity(int given, int wanted, const PowerValues& v);

} // namespace oq
