#include "model/colour_code.h"

#include <algorithm>
#include <cmath>

namespace oq {

namespace {

// x * 10^n, dividing for a negative n so that 499 at n = -2 is the same 4.99 a user types.
double scaled(double x, int n) {
    return n >= 0 ? x * std::pow(10.0, n) : x / std::pow(10.0, -n);
}

constexpr int MinExponent = -3; // pink
constexpr int MaxExponent = 9;  // white

int digitCount(int count) {
    return count >= 5 ? 3 : 2;
}

} // namespace

std::string_view BandName(Band band) {
    static constexpr std::array<std::string_view, 14> names = {
        "black",  "brown", "red",   "orange", "yellow", "green", "blue",
        "violet", "grey",  "white", "gold",   "silver", "pink",  "none"};
    return names[static_cast<size_t>(band)];
}

std::optional<int> BandDigit(Band band) {
    if (band >= Band::Black && band <= Band::White)
        return static_cast<int>(band);
    return std::nullopt;
}

std::optional<int> BandExponent(Band band) {
    switch (band) {
    case Band::Gold:
        return -1;
    case Band::Silver:
        return -2;
    case Band::Pink:
        return -3;
    case Band::None:
        return std::nullopt;
    default:
        return static_cast<int>(band);
    }
}

std::optional<double> BandTolerance(Band band) {
    switch (band) {
    case Band::Brown:
        return 1;
    case Band::Red:
        return 2;
    case Band::Orange:
        return 0.05;
    case Band::Yellow:
        return 0.02;
    case Band::Green:
        return 0.5;
    case Band::Blue:
        return 0.25;
    case Band::Violet:
        return 0.1;
    case Band::Grey:
        return 0.01;
    case Band::Gold:
        return 5;
    case Band::Silver:
        return 10;
    case Band::None:
        return 20;
    default:
        return std::nullopt;
    }
}

std::optional<int> BandTemperatureCoefficient(Band band) {
    static constexpr std::array<int, 9> ppm = {250, 100, 50, 15, 25, 20, 10, 5, 1};
    if (band >= Band::Black && band <= Band::Grey)
        return ppm[static_cast<size_t>(band)];
    return std::nullopt;
}

std::vector<Band> BandChoices(int count, int position) {
    std::vector<Band> choices;
    const int digits = digitCount(count);
    if (count < 3 || count > 6 || position < 0 || position >= count)
        return choices;
    for (Band b : kBandColours) {
        bool fits = false;
        if (position < digits) // a code never starts with a zero
            fits = BandDigit(b).has_value() && !(position == 0 && b == Band::Black);
        else if (position == digits)
            fits = BandExponent(b).has_value();
        else if (position == digits + 1)
            fits = BandTolerance(b).has_value();
        else
            fits = BandTemperatureCoefficient(b).has_value();
        if (fits)
            choices.push_back(b);
    }
    return choices;
}

std::optional<std::vector<Band>> ValueBands(double value, int digits, Band tolerance) {
    if (!(value > 0) || !std::isfinite(value) || digits < 2 || digits > 3)
        return std::nullopt;
    const double low = std::pow(10.0, digits - 1), high = std::pow(10.0, digits);
    int exponent = static_cast<int>(std::floor(std::log10(value))) - (digits - 1);
    double n = std::nearbyint(scaled(value, -exponent));
    // The logarithm can land one decade off right at a power of ten.
    if (n >= high || n < low) {
        exponent += n >= high ? 1 : -1;
        n = std::nearbyint(scaled(value, -exponent));
    }
    if (n < low || n >= high || std::fabs(scaled(n, exponent) - value) > 1e-9 * value)
        return std::nullopt;
    if (exponent < MinExponent || exponent > MaxExponent)
        return std::nullopt;

    std::vector<Band> bands;
    int number = static_cast<int>(n);
    for (int d = digits - 1; d >= 0; --d) {
        const int divisor = d == 2 ? 100 : d == 1 ? 10 : 1;
        bands.push_back(static_cast<Band>(number / divisor));
        number %= divisor;
    }
    bands.push_back(exponent >= 0    ? static_cast<Band>(exponent)
                    : exponent == -1 ? Band::Gold
                    : exponent == -2 ? Band::Silver
                                     : Band::Pink);
    if (tolerance != Band::None)
        bands.push_back(tolerance);
    return bands;
}

Band SeriesToleranceBand(Series series, Band e192) {
    switch (series) {
    case Series::E3:
    case Series::E6:
        return Band::None;
    case Series::E12:
        return Band::Silver;
    case Series::E24:
        return Band::Gold;
    case Series::E48:
        return Band::Red;
    case Series::E96:
        return Band::Brown;
    case Series::E192:
        return e192;
    }
    return Band::None;
}

std::optional<std::vector<Band>> SeriesBands(Series series, double member, Band e192) {
    return ValueBands(member, SeriesDigits(series), SeriesToleranceBand(series, e192));
}

std::optional<BandReading> ReadBands(std::span<const Band> bands) {
    const int count = static_cast<int>(bands.size());
    if (count < 3 || count > 6)
        return std::nullopt;
    for (int i = 0; i < count; ++i) {
        const std::vector<Band> fits = BandChoices(count, i);
        if (std::find(fits.begin(), fits.end(), bands[static_cast<size_t>(i)]) == fits.end())
            return std::nullopt;
    }
    const int digits = digitCount(count);
    int number = 0;
    for (int i = 0; i < digits; ++i)
        number = number * 10 + *BandDigit(bands[static_cast<size_t>(i)]);
    BandReading reading;
    reading.value = scaled(number, *BandExponent(bands[static_cast<size_t>(digits)]));
    reading.tolerance = count == 3 ? *BandTolerance(Band::None)
                                   : *BandTolerance(bands[static_cast<size_t>(digits + 1)]);
    if (count == 6)
        reading.temperatureCoefficient = BandTemperatureCoefficient(bands[5]);
    return reading;
}

} // namespace oq
