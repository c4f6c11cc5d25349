#pragma once

#include <string>
#include <vector>

// The unit option groups of the tabs that show a computed value as a number beside a chosen
// unit (rise time, bandwidth, frequency, capacitance, inductance, impedance, period).
// Toolkit-free.
namespace oq {

struct PrefixUnit {
    const char* prefix; // SI prefix letter as FormatEng writes it; "" for the plain unit
    double factor;      // base units per unit: 1e3 for "kHz", 1e-12 for "pF"
};

// One group of unit options, in the order of its option buttons.
struct UnitOptionGroup {
    std::vector<PrefixUnit> units;
    // A value below `low` is shown in the smallest unit, one at or above `high` in the largest,
    // whatever its prefix (0 and infinity: no such rule).
    double low;
    double high;

    int smallest() const;
    int largest() const;
};

extern const UnitOptionGroup RiseTimeUnits;    // µs, ns, ps
extern const UnitOptionGroup BandwidthUnits;   // kHz, MHz, GHz
extern const UnitOptionGroup FrequencyUnits;   // Hz, kHz, MHz, GHz
extern const UnitOptionGroup CapacitanceUnits; // F, mF, µF, nF, pF
extern const UnitOptionGroup InductanceUnits;  // H, mH, µH, nH
extern const UnitOptionGroup ImpedanceUnits;   // Ohm, kOhm, MOhm
extern const UnitOptionGroup PeriodUnits;      // s, ms, µs, ns, ps

// What a computed box shows: the option to select and the number written beside it.
struct UnitShown {
    int option;
    std::string number;
    bool operator==(const UnitShown&) const = default;
};

// The unit option and number for value `v` (base units) with the box's decimals code: the unit
// follows the SI prefix of FormatEng. A value whose rounding carries it past the largest unit
// (999.999 F with two decimals) stays in the largest unit as 1000.00 instead of reading 1.00
// in the unit below.
UnitShown ShowInUnits(const UnitOptionGroup& group, double v, float code);

// The number of a value counted in one unit of the group, as the box shows it.
std::string NumberInUnit(const UnitOptionGroup& group, int option, double v, float code);

// The selected unit of a box and the one in force before the last click of its options.
struct UnitFactors {
    double factor = 1;
    double previous = 1;

    // A unit option becomes selected. When the program chose it (to show a computed value) or
    // the box is empty, the factor is only taken over. Otherwise the number in the box now
    // counts in the new unit: `value` (base units, unrounded) is rescaled and true is returned,
    // so the caller recomputes. A rescale beyond the double range stops at the largest double.
    bool select(double newFactor, bool takeOverOnly, double& value);
};

// A typed number in base units: the number times its unit's factor, kept within the double
// range (a number beyond it reads as the largest double of its sign, as typed text does).
double InBaseUnits(double typed, double factor);

} // namespace oq
