#include "model/standard_series.h"

#include "model/checked.h"

#include <algorithm>
#include <cmath>

namespace oq {

namespace {

// One decade of each series in the integers 100..999. Up to E-24 the members are the historical
// ones, not the rounded geometric progression (270, 300, 330, 360, 390, 430, 470, 820 in E-24), and
// E-3 to E-12 take theirs from E-24. E-48 to E-192 follow 10^(i/n) to three digits, except 920 in
// E-192 where the progression gives 919.
constexpr std::array<int, 3> kE3 = {100, 220, 470};
constexpr std::array<int, 6> kE6 = {100, 150, 220, 330, 470, 680};
constexpr std::array<int, 12> kE12 = {100, 120, 150, 180, 220, 270, 330, 390, 470, 560, 680, 820};
constexpr std::array<int, 24> kE24 = {100, 110, 120, 130, 150, 160, 180, 200, 220, 240, 270, 300,
                                      330, 360, 390, 430, 470, 510, 560, 620, 680, 750, 820, 910};
constexpr std::array<int, 48> kE48 = {100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169,
                                      178, 187, 196, 205, 215, 226, 237, 249, 261, 274, 287, 301,
                                      316, 332, 348, 365, 383, 402, 422, 442, 464, 487, 511, 536,
                                      562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953};
constexpr std::array<int, 96> kE96 = {
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
    147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210,
    215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
    316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453,
    464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};
constexpr std::array<int, 192> kE192 = {
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120, 121, 123,
    124, 126, 127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145, 147, 149, 150, 152,
    154, 156, 158, 160, 162, 164, 165, 167, 169, 172, 174, 176, 178, 180, 182, 184, 187, 189,
    191, 193, 196, 198, 200, 203, 205, 208, 210, 213, 215, 218, 221, 223, 226, 229, 232, 234,
    237, 240, 243, 246, 249, 252, 255, 258, 261, 264, 267, 271, 274, 277, 280, 284, 287, 291,
    294, 298, 301, 305, 309, 312, 316, 320, 324, 328, 332, 336, 340, 344, 348, 352, 357, 361,
    365, 370, 374, 379, 383, 388, 392, 397, 402, 407, 412, 417, 422, 427, 432, 437, 442, 448,
    453, 459, 464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530, 536, 542, 549, 556,
    562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673, 681, 690,
    698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816, 825, 835, 845, 856,
    866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988};

// x * 10^n. Powers of ten up to 10^22 are exact, so dividing by one for negative n gives the double
// nearest to the decimal result: 470 at n = -2 becomes the same 4.7 a user types. Beyond 10^300
// the power is split so that neither half underflows or overflows (denormal inputs reach n = -326).
double scaleByPowerOfTen(double x, int n) {
    if (n > 300 || n < -300)
        return scaleByPowerOfTen(scaleByPowerOfTen(x, n / 2), n - n / 2);
    return n >= 0 ? x * std::pow(10.0, n) : x / std::pow(10.0, -n);
}

// A member by its index in the decade: -1 is the previous decade's last member, size() the next
// decade's first (1000) and size() + 1 its second. `units` is it in this decade's units (97.6 for
// index -1 of E-96), `at` it as a value in the decade of `exponent`.
struct Decade {
    std::span<const int> m;

    int size() const { return static_cast<int>(m.size()); }

    double units(int i) const {
        if (i < 0)
            return m[m.size() - 1] / 10.0;
        return i < size() ? m[static_cast<size_t>(i)] : 10.0 * m[static_cast<size_t>(i - size())];
    }

    double at(int i, int exponent) const {
        if (i < 0)
            return Checked(scaleByPowerOfTen(m[m.size() - 1], exponent - 1));
        if (i <= size())
            return Checked(scaleByPowerOfTen(units(i), exponent));
        return Checked(scaleByPowerOfTen(m[static_cast<size_t>(i - size())], exponent + 1));
    }
};

// Where a positive value lies: its decade, the value in that decade's units (100..1000) and the
// index of the first member at or above it.
struct Place {
    int exponent = 0;
    double v = 0;
    int upper = 0;
};

Place locate(Series series, double value) {
    const Decade d{SeriesMembers(series)};
    double decades = Ln(value) / std::log(10.0); // throws for a negative value
    // The E-24 option has always found the decade from a single-precision logarithm, which lifts a
    // value within about 1e-7 below a power of ten into the decade above. The member is the same
    // either way, but far from 1 ohm it is then scaled from the other decade and can differ in the
    // last bit; kept so that E-24 results stay exactly as they were. The other series use the
    // double.
    if (series == Series::E24)
        decades = static_cast<float>(decades);
    Place p;
    p.exponent = ToInt16(std::floor(decades) - 2.0);

    // Normalised into 100..1000 (a little below 100 when single precision lifted the logarithm to
    // the next integer). Rounding to 1e-9 removes the noise of the decimal-to-binary conversion and
    // the scaling, so that a typed member and an exact mid-point are recognised as such.
    p.v = scaleByPowerOfTen(value, -p.exponent);
    p.v = std::nearbyint(p.v * 1e9) / 1e9;

    if (p.v < d.units(-1))
        p.upper = 0; // only rounding at the decade edges can get here
    else
        p.upper = static_cast<int>(
            std::lower_bound(d.m.begin(), d.m.end(), p.v, [](int a, double b) { return a < b; }) -
            d.m.begin());
    return p;
}

double positive(double value) {
    if (!(value > 0) || !std::isfinite(value))
        throw CalcError("not a positive value");
    return value;
}

} // namespace

std::string_view SeriesName(Series series) {
    switch (series) {
    case Series::E3:
        return "E-3";
    case Series::E6:
        return "E-6";
    case Series::E12:
        return "E-12";
    case Series::E24:
        return "E-24";
    case Series::E48:
        return "E-48";
    case Series::E96:
        return "E-96";
    case Series::E192:
        return "E-192";
    }
    return {};
}

std::string_view SeriesCode(Series series) {
    // "E-96" without its dash.
    static constexpr std::array<std::string_view, 7> codes = {"E3",  "E6",  "E12", "E24",
                                                              "E48", "E96", "E192"};
    return codes[static_cast<size_t>(series)];
}

int SeriesDigits(Series series) {
    return series >= Series::E48 ? 3 : 2;
}

std::optional<Series> SeriesByName(std::string_view name) {
    for (Series s : kAllSeries)
        if (SeriesName(s) == name)
            return s;
    return std::nullopt;
}

std::span<const int> SeriesMembers(Series series) {
    switch (series) {
    case Series::E3:
        return kE3;
    case Series::E6:
        return kE6;
    case Series::E12:
        return kE12;
    case Series::E24:
        return kE24;
    case Series::E48:
        return kE48;
    case Series::E96:
        return kE96;
    case Series::E192:
        return kE192;
    }
    return {};
}

double Snap(Series series, double value, int direction, bool rangeGuard) {
    if (value == 0.0)
        return 0.0;
    // The networks show such values as "Short" or "Open" and keep them as they are; this also lets
    // a tiny negative rounding residue of a network arm through.
    if (rangeGuard && (value < 0.1 || value > 1e8))
        return value;

    const Decade d{SeriesMembers(series)};
    const Place p = locate(series, value);
    int chosen = p.upper;
    if (direction < 0)
        chosen = p.upper - 1;
    else if (direction == 0 && d.units(p.upper) - p.v > p.v - d.units(p.upper - 1))
        chosen = p.upper - 1; // plain difference inside the decade; a tie goes up
    return d.at(chosen, p.exponent);
}

double E96(double value, int direction, bool rangeGuard) {
    return Snap(Series::E96, value, direction, rangeGuard);
}

double E24(double value, int direction, bool rangeGuard) {
    return Snap(Series::E24, value, direction, rangeGuard);
}

double NearestMember(Series series, double value) {
    return Snap(series, positive(value), 0, false);
}

double LowerMember(Series series, double value) {
    return Snap(series, positive(value), -1, false);
}

double HigherMember(Series series, double value) {
    const Decade d{SeriesMembers(series)};
    const Place p = locate(series, positive(value));
    const int chosen = p.v >= d.units(p.upper) ? p.upper + 1 : p.upper;
    return d.at(chosen, p.exponent);
}

bool IsMember(Series series, double value) {
    if (!(value > 0) || !std::isfinite(value))
        return false;
    const Place p = locate(series, value);
    return p.v == Decade{SeriesMembers(series)}.units(p.upper);
}

} // namespace oq
