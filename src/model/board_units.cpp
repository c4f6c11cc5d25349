#include "model/board_units.h"

#include "model/notation.h"

#include <limits>

namespace oq {

namespace {
constexpr double Never = std::numeric_limits<double>::infinity();
} // namespace

// The prefix letters are not read for these groups: a value is shown in the chosen unit.
const UnitOptionGroup BoardLengthUnits{
    {{"m", 1e-3}, {"", MetresPerMil}, {"", MetresPerInch}}, 0, Never};
const UnitOptionGroup BoardCopperUnits{{{"µ", 1e-6}, {"", MetresPerOunce}}, 0, Never};
const UnitOptionGroup BoardPlatingUnits{{{"µ", 1e-6}, {"", MetresPerMil}}, 0, Never};
const UnitOptionGroup BoardCurrentUnits{{{"", 1}, {"m", 1e-3}}, 0, Never};
const UnitOptionGroup BoardResistanceUnits{{{"", 1}, {"m", 1e-3}}, 0, Never};
const UnitOptionGroup BoardVoltageUnits{{{"", 1}, {"m", 1e-3}}, 0, Never};
const UnitOptionGroup BoardPowerUnits{{{"", 1}, {"m", 1e-3}}, 0, Never};

std::string NumberInFactor(double v, double factor, float code) {
    return FormatFixedTrim(v / factor, code);
}

} // namespace oq
