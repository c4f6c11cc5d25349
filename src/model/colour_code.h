#pragma once

#include "model/standard_series.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// The colour code of leaded resistors (IEC 60062): significant digits, a multiplier, a tolerance
// band and, on six-band parts, a temperature coefficient.
namespace oq {

enum class Band {
    Black,
    Brown,
    Red,
    Orange,
    Yellow,
    Green,
    Blue,
    Violet,
    Grey,
    White,
    Gold,
    Silver,
    Pink,
    None // no band: the tolerance of a three-band part
};

inline constexpr std::array<Band, 13> kBandColours = {
    Band::Black,  Band::Brown, Band::Red,   Band::Orange, Band::Yellow, Band::Green, Band::Blue,
    Band::Violet, Band::Grey,  Band::White, Band::Gold,   Band::Silver, Band::Pink};

// "black" ... "pink", "none".
std::string_view BandName(Band band);
// What the band means in each place; nothing where it cannot stand there.
std::optional<int> BandDigit(Band band);                  // 0 black .. 9 white
std::optional<int> BandExponent(Band band);               // 10^-3 pink .. 10^9 white
std::optional<double> BandTolerance(Band band);           // percent; none is 20 %
std::optional<int> BandTemperatureCoefficient(Band band); // ppm/K

// The colours that may stand in place `position` (0 first) of a code of `count` bands (3 to 6).
std::vector<Band> BandChoices(int count, int position);

// The bands of a value with `digits` significant digits (2 or 3), then `tolerance` unless it is
// Band::None. Nothing when the value has more digits or its multiplier lies beyond pink..white.
std::optional<std::vector<Band>> ValueBands(double value, int digits, Band tolerance);

// The tolerance band of a series: none for E-3 and E-6 (20 %), silver for E-12, gold for E-24,
// red for E-48, brown for E-96; E-192 parts come in violet, blue or green (`e192`).
Band SeriesToleranceBand(Series series, Band e192 = Band::Green);
// The code of a member of the series: three bands up to E-6, four for E-12 and E-24, five from
// E-48 on.
std::optional<std::vector<Band>> SeriesBands(Series series, double member, Band e192 = Band::Green);

struct BandReading {
    double value = 0;                          // ohm
    double tolerance = 0;                      // percent
    std::optional<int> temperatureCoefficient; // ppm/K, six bands only
};
// Reads three to six bands; nothing when a band cannot stand in its place.
std::optional<BandReading> ReadBands(std::span<const Band> bands);

} // namespace oq
