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

} // namespace oq
