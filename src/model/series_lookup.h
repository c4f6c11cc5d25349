#pragma once

#include "model/standard_series.h"

#include <optional>
#include <string_view>

// The standard values tab: where a typed resistance stands in each series.
namespace oq {

struct SeriesNeighbours {
    Series series = Series::E96;
    double nearest = 0;
    double lower = 0;     // the next member strictly below the value
    double higher = 0;    // the next member strictly above it
    double deviation = 0; // of the nearest from the value, (nearest - value) / value, in percent
    bool member = false;  // the value itself belongs to the series
};

// Throws CalcError for a value of 0 or below, one that is not finite, and where a neighbour lies
// beyond the double range.
SeriesNeighbours LookUpSeries(Series series, double value);

// A resistance as the value box takes it: "4700", "4.7k", "4k7", "2M2", "4R7", "R47", "470R",
// with one of the letters p n u (or µ) m k K M G T R, a comma for the point. Nothing for a text
// that is no such value. Stands in for the command line's SI reader until the tab can share it.
std::optional<double> ReadTypedResistance(std::string_view text);
// Whether a text can still grow into one while it is typed ("", ".", "4k").
bool IsTypedResistancePrefix(std::string_view text);

} // namespace oq
