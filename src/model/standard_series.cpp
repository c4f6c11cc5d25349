#include "model/standard_series.h"

#include "model/checked.h"
#include "model/shared_state.h"

#include <array>
#include <cmath>
#include <span>

namespace oq {

namespace {

// One decade of a series scaled to 100..1000: `steps` members plus 1000, the next decade's first.
struct Series {
    std::span<const double> members; // steps + 1 entries
    bool singlePrecisionLog;         // E-24 rounds log10 to single precision before the floor
};

const std::array<double, 97>& e96Members() {
    static const std::array<double, 97> members = [] {
        std::array<double, 97> m{};
        for (int i = 0; i <= 96; ++i)
            m[i] = std::nearbyint(100.0 * std::pow(10.0, i / 96.0)); // halves to even
        return m;
    }();
    return members;
}

const std::array<double, 25>& e24Members() {
    static const std::array<double, 25> members = [] {
        std::array<double, 25> m{};
        for (int i = 0; i <= 24; ++i)
            m[i] = 10.0 * std::nearbyint(10.0 * std::pow(10.0, i / 24.0));
        // The historical E-24 values differ from the rounded geometric progression here.
        for (int i = 10; i <= 16; ++i)
            m[i] += 10.0;
        m[22] -= 10.0;
        return m;
    }();
    return members;
}

// x * 10^n. Powers of ten up to 10^22 are exact, so dividing by one for negative n gives the double
// nearest to the decimal result: 470 at n = -2 becomes the same 4.7 a user types. Beyond 10^300
// the power is split so that neither half underflows or overflows (denormal inputs reach n = -326).
double scaleByPowerOfTen(double x, int n) {
    if (n > 300 || n < -300)
        return scaleByPowerOfTen(scaleByPowerOfTen(x, n / 2), n - n / 2);
    return n >= 0 ? x * std::pow(10.0, n) : x / std::pow(10.0, -n);
}

double snap(const Series& series, double value, int direction, int tab) {
    if (value == 0.0)
        return 0.0;
    // The networks show such values as "Short" or "Open" and keep them as they are; this also lets
    // a tiny negative rounding residue of a network arm through.
    if ((tab == TabPI || tab == TabT) && (value < 0.1 || value > 1e8))
        return value;

    double decades = Ln(value) / std::log(10.0); // throws for a negative value
    if (series.singlePrecisionLog)
        decades = static_cast<float>(decades);
    const int exponent = ToInt16(std::floor(decades) - 2.0);

    // Normalised into 100..1000 (a little below 100 when single precision lifted the logarithm to
    // the next integer). Rounding to 1e-9 removes the noise of the decimal-to-binary conversion and
    // the scaling, so that a typed member and an exact mid-point are recognised as such.
    double v = scaleByPowerOfTen(value, -exponent);
    v = std::nearbyint(v * 1e9) / 1e9;

    const auto& m = series.members;
    const int steps = static_cast<int>(m.size()) - 1;
    // Index -1 stands for the previous decade's last member, 97.6 or 91 in this decade's units.
    const double start = m[steps - 1] / 10.0;
    auto member = [&](int i) { return i < 0 ? start : m[i]; };

    int upper = -1;
    double prev = start;
    for (int i = 0; i <= steps; ++i) {
        if (prev <= v && v <= m[i]) {
            upper = i;
            break;
        }
        prev = m[i];
    }
    if (upper < 0)
        upper = v < start ? 0 : steps; // only rounding at the decade edges can get here

    int chosen = upper;
    if (direction < 0)
        chosen = upper - 1;
    else if (direction == 0 && member(upper) - v > v - member(upper - 1))
        chosen = upper - 1; // plain difference inside the decade; a tie goes up

    const double result = chosen < 0 ? scaleByPowerOfTen(m[steps - 1], exponent - 1)
                                     : scaleByPowerOfTen(m[chosen], exponent);
    return Checked(result);
}

} // namespace

double E96(double value, int direction, int tab) {
    return snap(Series{e96Members(), false}, value, direction, tab);
}

double E24(double value, int direction, int tab) {
    return snap(Series{e24Members(), true}, value, direction, tab);
}

} // namespace oq
