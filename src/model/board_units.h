#pragma once

#include "model/length_units.h"
#include "model/prefix_units.h"

#include <string>

// The unit options of the board calculators (track width, via): units a board designer counts
// in side by side, mm beside mil, µm beside oz/ft². Unlike the prefix units, a computed value
// stays in the unit the user chose. Toolkit-free.
namespace oq {

// Conversions of the board units into SI base units.
constexpr double MetresPerOunce = 35e-6; // 1 oz/ft² copper taken as 35 µm, the usual convention

extern const UnitOptionGroup BoardLengthUnits;     // mm, mil, inch
extern const UnitOptionGroup BoardCopperUnits;     // µm, oz (copper foil, 1 oz/ft² = 35 µm)
extern const UnitOptionGroup BoardPlatingUnits;    // µm, mil (via barrel plating)
extern const UnitOptionGroup BoardCurrentUnits;    // A, mA
extern const UnitOptionGroup BoardResistanceUnits; // Ohm, mOhm
extern const UnitOptionGroup BoardVoltageUnits;    // V, mV
extern const UnitOptionGroup BoardPowerUnits;      // W, mW

// The number a box shows for `v` (base units) counted in a unit of `factor` base units, with the
// box's decimals code: v / factor, so that 1 mil and 1 oz come out whole.
std::string NumberInFactor(double v, double factor, float code);

} // namespace oq
