#include "model/prefix_units.h"

#include "model/notation.h"

#include <cfloat>
#include <cmath>
#include <limits>

namespace oq {

namespace {
constexpr double Never = std::numeric_limits<double>::infinity();

// Within the double range; an overflow reads as the largest double of its sign.
double Clamped(double x) {
    if (std::isnan(x))
        return 0;
    if (std::isinf(x))
        return std::copysign(DBL_MAX, x);
    return x;
}
} // namespace

const UnitOptionGroup RiseTimeUnits{{{"µ", 1e-6}, {"n", 1e-9}, {"p", 1e-12}}, 0, Never};
const UnitOptionGroup BandwidthUnits{{{"k", 1e3}, {"M", 1e6}, {"G", 1e9}}, 0, Never};
const UnitOptionGroup FrequencyUnits{{{"", 1}, {"k", 1e3}, {"M", 1e6}, {"G", 1e9}}, 1, 1e9};
const UnitOptionGroup CapacitanceUnits{
    {{"", 1}, {"m", 1e-3}, {"µ", 1e-6}, {"n", 1e-9}, {"p", 1e-12}}, 1e-12, 1000};
const UnitOptionGroup InductanceUnits{{{"", 1}, {"m", 1e-3}, {"µ", 1e-6}, {"n", 1e-9}}, 1e-9, 1000};
const UnitOptionGroup ImpedanceUnits{{{"", 1}, {"k", 1e3}, {"M", 1e6}}, 1, 1e9};
const UnitOptionGroup PeriodUnits{
    {{"", 1}, {"m", 1e-3}, {"µ", 1e-6}, {"n", 1e-9}, {"p", 1e-12}}, 1e-12, 1000};

int UnitOptionGroup::smallest() const {
    int best = 0;
    for (int i = 1; i < static_cast<int>(units.size()); ++i)
        if (units[i].factor < units[best].factor)
            best = i;
    return best;
}

int UnitOptionGroup::largest() const {
    int best = 0;
    for (int i = 1; i < static_cast<int>(units.size()); ++i)
        if (units[i].factor > units[best].factor)
            best = i;
    return best;
}

std::string NumberInUnit(const UnitOptionGroup& group, int option, double v, float code) {
    const double factor = group.units[static_cast<size_t>(option)].factor;
    // Small units multiply by their whole-number inverse (v × 1e12 for "pF"), large ones divide.
    const double scaled = factor >= 1 ? v / factor : v * std::nearbyint(1 / factor);
    return FormatFixedTrim(scaled, code);
}

UnitShown ShowInUnits(const UnitOptionGroup& group, double v, float code) {
    if (v < group.low)
        return {group.smallest(), NumberInUnit(group, group.smallest(), v, code)};
    if (v >= group.high)
        return {group.largest(), NumberInUnit(group, group.largest(), v, code)};
    const std::string s = FormatEng(v, "; ;", code);
    const size_t firstBlank = s.find(' ');
    std::string prefix, number = s;
    if (firstBlank != std::string::npos) {
        prefix = s.substr(s.rfind(' ') + 1);
        number = s.substr(0, firstBlank);
    }
    for (int i = 0; i < static_cast<int>(group.units.size()); ++i)
        if (prefix == group.units[static_cast<size_t>(i)].prefix)
            return {i, number};
    // Only a rounding carried past the end of the group gets here: count the value in the
    // unit at that end.
    const int end = v >= group.units[static_cast<size_t>(group.largest())].factor
                        ? group.largest()
                        : group.smallest();
    return {end, NumberInUnit(group, end, v, code)};
}

bool UnitFactors::select(double newFactor, bool takeOverOnly, double& value) {
    factor = newFactor;
    if (takeOverOnly) {
        previous = newFactor;
        return false;
    }
    value = Clamped(Clamped(value * factor) / previous);
    previous = factor;
    return true;
}

double InBaseUnits(double typed, double factor) {
    return Clamped(typed * factor);
}

} // namespace oq
