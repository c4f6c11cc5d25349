#include "model/series_lookup.h"

#include "model/checked.h"

#include <cmath>
#include <string>

namespace oq {

SeriesNeighbours LookUpSeries(Series series, double value) {
    SeriesNeighbours n;
    n.series = series;
    n.nearest = NearestMember(series, value); // throws for 0, a negative value, nan and inf
    n.lower = LowerMember(series, value);
    n.higher = HigherMember(series, value);
    n.deviation = Checked((n.nearest - value) / value * 100.0);
    n.member = IsMember(series, value);
    return n;
}

} // namespace oq
