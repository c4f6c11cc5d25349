#include "model/checked.h"
#include "model/prefix_units.h"
#include "model/rise_time.h"

#include <cfloat>
#include <gtest/gtest.h>

namespace oq {
namespace {

// 0.35 over the other side; each side's limits, typed in their units, are inclusive.
TEST(RiseTimeFormulas, EachSideGivesTheOtherUpToItsLimits) {
    struct Case {
        bool riseTime; // the typed side
        double typed, factor, other;
    };
    const Case cases[] = {
        {true, 100, 1e-6, 3.5e3},  // 100 µs, the upper limit
        {true, 1, 1e-12, 350e9},   // 1 ps, the lower limit
        {false, 350, 1e6, 1e-9},   // 350 MHz
        {false, 3.5, 1e3, 100e-6}, // 3.5 kHz, the lower limit
        {false, 350, 1e9, 1e-12},  // 350 GHz, the upper limit
    };
    for (const Case& c : cases) {
        const double v = InBaseUnits(c.typed, c.factor);
        const RiseTimeResult r = c.riseTime ? BandwidthFromRiseTime(v) : RiseTimeFromBandwidth(v);
        EXPECT_EQ(r.reason, "") << v;
        EXPECT_NEAR(r.value / c.other, 1, 1e-12) << v;
    }
}

TEST(RiseTimeFormulas, OutOfRangeSidesAreRefusedWithTheirReason) {
    EXPECT_EQ(BandwidthFromRiseTime(101e-6).reason, "less than 100 µs.");
    EXPECT_EQ(BandwidthFromRiseTime(0.99e-12).reason, "larger than 1ps.");
    EXPECT_EQ(BandwidthFromRiseTime(0).reason, "larger than 1ps.");
    EXPECT_EQ(RiseTimeFromBandwidth(3.4e3).reason, "higher 3.5 kHz.");
    EXPECT_EQ(RiseTimeFromBandwidth(351e9).reason, "less than 350 GHz.");
    EXPECT_EQ(RiseTimeWarning("higher 3.5 kHz."), "Incorrect value. Must be higher 3.5 kHz.");
}

TEST(RiseTimeFormulas, DeviceUnderTestThroughTheSystem) {
    EXPECT_DOUBLE_EQ(DutRiseTime(5, 3), 4);
    EXPECT_DOUBLE_EQ(MeasuredRiseTime(4, 3), 5);
    EXPECT_EQ(DutRiseTime(3, 3), 0.0);
    EXPECT_THROW(DutRiseTime(DBL_MAX, 3), CalcError);
    EXPECT_THROW(MeasuredRiseTime(3, DBL_MAX), CalcError);
}

} // namespace
} // namespace oq
