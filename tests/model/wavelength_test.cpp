#include "model/checked.h"
#include "model/length_units.h"
#include "model/notation.h"
#include "model/wavelength.h"

#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace oq {
namespace {

// Worked figures: 1 GHz is 299.79 mm in vacuum and 149.90 mm at εr = 4, from
// λ = c / (f sqrt(εr μr)) with c = 299 792 458 m/s exactly.
TEST(Wavelength, ReferenceFigures) {
    struct Case {
        double f, er, ur;
        const char* mm; // the wavelength in mm with two decimals
        double speed;
    };
    const Case cases[] = {
        {1e9, 1, 1, "299.79", SpeedOfLight},
        {1e9, 4, 1, "149.90", SpeedOfLight / 2},
        {1e9, 1, 4, "149.90", SpeedOfLight / 2},                   // μr counts as εr does
        {100e6, 4.4, 1, "1429.20", SpeedOfLight / std::sqrt(4.4)}, // FR-4
        {50, 1, 1, "5995849160.00", SpeedOfLight},                 // mains: about 6000 km
    };
    for (const Case& c : cases) {
        const Wave w = WaveFrom(GivenFrequency, c.f, c.er, c.ur);
        EXPECT_EQ(FormatFixedTrim(InLengthUnit(w.wavelength, LengthUnit::Millimetre), 1.2f), c.mm);
        EXPECT_DOUBLE_EQ(w.speed, c.speed);
        EXPECT_DOUBLE_EQ(w.period, 1 / c.f);
        EXPECT_DOUBLE_EQ(w.quarter, w.wavelength / 4);
        EXPECT_DOUBLE_EQ(w.velocityFactor, c.speed / SpeedOfLight);
    }
    EXPECT_EQ(FormatFixedTrim(
                  InLengthUnit(WaveFrom(GivenFrequency, 1e9, 1, 1).quarter, LengthUnit::Millimetre),
                  1.2f),
              "74.95");
}

// Whichever of the three is given, the other two lead back to it.
TEST(Wavelength, RoundTripsFromEachGiven) {
    for (const double er : {1.0, 4.4, 9.8})
        for (const double f : {1.0, 50.0, 2.45e9, 77e9}) {
            const Wave fromF = WaveFrom(GivenFrequency, f, er, 1);
            const Wave fromT = WaveFrom(GivenPeriod, fromF.period, er, 1);
            const Wave fromL = WaveFrom(GivenWavelength, fromF.wavelength, er, 1);
            EXPECT_DOUBLE_EQ(fromT.frequency, f);
            EXPECT_DOUBLE_EQ(fromT.wavelength, fromF.wavelength);
            EXPECT_DOUBLE_EQ(fromL.frequency, f);
            EXPECT_DOUBLE_EQ(fromL.period, fromF.period);
        }
}

// At the ends of the double range every result is finite and above 0, or the whole is refused.
TEST(Wavelength, FiniteAtTheLimitsOrRefused) {
    const double limits[] = {DBL_MAX, 1e300, 1e-300, DBL_MIN, 4.9e-324, 1};
    for (int given = 0; given < 3; ++given)
        for (const double v : limits)
            for (const double er : limits)
                for (const double ur : {1.0, DBL_MAX, DBL_MIN}) {
                    try {
                        const Wave w = WaveFrom(static_cast<WaveGiven>(given), v, er, ur);
                        for (const double r : {w.frequency, w.period, w.wavelength, w.speed,
                                               w.quarter, w.velocityFactor})
                            EXPECT_TRUE(std::isfinite(r) && r > 0)
                                << given << ' ' << v << ' ' << er << ' ' << ur;
                    } catch (const CalcError&) {
                    }
                }
    // Both media figures at the largest double: the product of their roots stays in range.
    EXPECT_NO_THROW(WaveFrom(GivenFrequency, 1, DBL_MAX, DBL_MAX));
    const double inf = std::numeric_limits<double>::infinity();
    for (const double bad : {0.0, -1.0, inf, std::nan("")}) {
        EXPECT_THROW(WaveFrom(GivenFrequency, bad, 1, 1), CalcError) << bad;
        EXPECT_THROW(WaveFrom(GivenWavelength, 1, bad, 1), CalcError) << bad;
        EXPECT_THROW(WaveFrom(GivenPeriod, 1, 1, bad), CalcError) << bad;
    }
    // 1 / 4.9e-324 Hz is a period beyond the double range; at the largest frequency and εr the
    // wavelength is below the smallest double.
    EXPECT_THROW(WaveFrom(GivenFrequency, 4.9e-324, 1, 1), CalcError);
    EXPECT_THROW(WaveFrom(GivenFrequency, DBL_MAX, DBL_MAX, 1), CalcError);
}

} // namespace
} // namespace oq
