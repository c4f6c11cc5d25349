#include "model/checked.h"
#include "model/prefix_units.h"
#include "model/rise_time.h"

#include <cfloat>
#include <gtest/gtest.h>

namespace oq {
namespace {

// A typed number with its unit option, shown in the other box with the option picked for it.
TEST(RiseTimeFormulas, EachSideGivesTheOtherInItsUnit) {
    struct Case {
        double typed;
        int unit; // option of the typed side
        bool riseTime;
        UnitShown shown;
    };
    const Case cases[] = {
        {1, 1, true, {1, "350.00"}},    // 1 ns: 350 MHz
        {350, 1, true, {1, "1.00"}},    // 350 ns: 1 MHz
        {3.5, 2, true, {2, "100.00"}},  // 3.5 ps: 100 GHz
        {100, 0, true, {0, "3.50"}},    // 100 µs, the upper limit: 3.5 kHz
        {2, 0, true, {0, "175.00"}},    // 2 µs: 175 kHz
        {1, 2, true, {2, "350.00"}},    // 1 ps, the lower limit
        {350, 1, false, {1, "1.00"}},   // 350 MHz: 1 ns
        {3.5, 0, false, {0, "100.00"}}, // 3.5 kHz, the lower limit: 100 µs
        {350, 2, false, {2, "1.00"}},   // 350 GHz, the upper limit: 1 ps
    };
    for (const Case& c : cases) {
        const UnitOptionGroup& in = c.riseTime ? RiseTimeUnits : BandwidthUnits;
        const UnitOptionGroup& out = c.riseTime ? BandwidthUnits : RiseTimeUnits;
        const double v = InBaseUnits(c.typed, in.units[static_cast<size_t>(c.unit)].factor);
        const RiseTimeResult r = c.riseTime ? BandwidthFromRiseTime(v) : RiseTimeFromBandwidth(v);
        ASSERT_TRUE(r.reason.empty()) << c.typed;
        EXPECT_EQ(ShowInUnits(out, r.value, 1.2f), c.shown) << c.typed;
    }
}

TEST(RiseTimeFormulas, OutOfRangeSidesAreRefusedWithTheirReason) {
    EXPECT_EQ(BandwidthFromRiseTime(101e-6).reason, "less than 100 µs.");
    EXPECT_EQ(BandwidthFromRiseTime(0.99e-12).reason, "larger than 1ps.");
    EXPECT_EQ(BandwidthFromRiseTime(0).reason, "larger than 1ps.");
    EXPECT_EQ(BandwidthFromRiseTime(DBL_MAX).reason, "less than 100 µs.");
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
