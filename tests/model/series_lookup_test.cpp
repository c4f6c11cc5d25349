#include "model/checked.h"
#include "model/series_lookup.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace oq {
namespace {

// IEC 60063: nearest, next lower and next higher at decade edges, on members and at midpoints.
TEST(SeriesLookup, NeighboursAtEdgesMembersAndMidpoints) {
    struct Case {
        Series series;
        double value, nearest, lower, higher;
        bool member;
    };
    const Case cases[] = {
        {Series::E24, 5100, 5100, 4700, 5600, true},
        {Series::E96, 5100, 5110, 4990, 5110, false},
        {Series::E96, 4990, 4990, 4870, 5110, true},
        {Series::E192, 4990, 4990, 4930, 5050, true},
        {Series::E24, 4990, 5100, 4700, 5100, false},
        // At the decade edge the neighbours come from the decades around it.
        {Series::E12, 1000, 1000, 820, 1200, true},
        {Series::E3, 1, 1, 0.47, 2.2, true},
        {Series::E192, 0.999, 1, 0.988, 1, false},
        {Series::E48, 1e7, 1e7, 9.53e6, 1.05e7, true},
        // Midpoints go up: 1.05 between 1.0 and 1.1, 345 between 220 and 470.
        {Series::E24, 1.05, 1.1, 1.0, 1.1, false},
        {Series::E3, 345, 470, 220, 470, false},
        {Series::E6, 1.25, 1.5, 1.0, 1.5, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(SeriesName(c.series)) + " " + std::to_string(c.value));
        const SeriesNeighbours n = LookUpSeries(c.series, c.value);
        EXPECT_DOUBLE_EQ(n.nearest, c.nearest);
        EXPECT_DOUBLE_EQ(n.lower, c.lower);
        EXPECT_DOUBLE_EQ(n.higher, c.higher);
        EXPECT_EQ(n.member, c.member);
        EXPECT_NEAR(n.deviation, (c.nearest - c.value) / c.value * 100, 1e-9);
    }
    // 5.1 k is in E-24 alone; 4.99 k in E-96 and E-192, not in E-24.
    for (Series s : kAllSeries) {
        EXPECT_EQ(LookUpSeries(s, 5100).member, s == Series::E24) << SeriesName(s);
        EXPECT_EQ(LookUpSeries(s, 4990).member, s == Series::E96 || s == Series::E192)
            << SeriesName(s);
    }
    EXPECT_NEAR(LookUpSeries(Series::E96, 5100).deviation, 0.196, 1e-3);
}

TEST(SeriesLookup, NoValueNoNeighbours) {
    for (double v : {0.0, -1.0, std::numeric_limits<double>::infinity(), std::nan("")})
        EXPECT_THROW(LookUpSeries(Series::E24, v), CalcError) << v;
}

} // namespace
} // namespace oq
