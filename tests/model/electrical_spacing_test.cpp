#include "model/checked.h"
#include "model/electrical_spacing.h"
#include "model/length_units.h"
#include "model/notation.h"

#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace oq {
namespace {

// IPC-2221 Table 6-1, "Electrical Conductor Spacing":
// B1, B2, B3, B4, A5, A6, A7 in mm, written out here again rather than read from the model.
struct Band {
    double from, to; // the band's first and last whole volt
    double mm[7];
};
constexpr Band Table[] = {
    {0, 15, {0.05, 0.1, 0.1, 0.05, 0.13, 0.13, 0.13}},
    {16, 30, {0.05, 0.1, 0.1, 0.05, 0.13, 0.25, 0.13}},
    {31, 50, {0.1, 0.6, 0.6, 0.13, 0.13, 0.4, 0.13}},
    {51, 100, {0.1, 0.6, 1.5, 0.13, 0.13, 0.5, 0.13}},
    {101, 150, {0.2, 0.6, 3.2, 0.4, 0.4, 0.8, 0.4}},
    {151, 170, {0.2, 1.25, 3.2, 0.4, 0.4, 0.8, 0.4}},
    {171, 250, {0.2, 1.25, 6.4, 0.4, 0.4, 0.8, 0.4}},
    {251, 300, {0.2, 1.25, 12.5, 0.4, 0.4, 0.8, 0.8}},
    {301, 500, {0.25, 2.5, 12.5, 0.8, 0.8, 1.5, 0.8}},
};
constexpr double PerVoltMm[7] = {0.0025, 0.005, 0.025, 0.00305, 0.00305, 0.00305, 0.00305};

double Mm(SpacingClass c, double volts) {
    return InLengthUnit(MinimumSpacing(c, volts), LengthUnit::Millimetre);
}

// Both ends of every band give the band's figures in every column, and a voltage just above a
// band's last volt already takes the next band's.
TEST(ElectricalSpacing, EveryBandAtBothEnds) {
    for (int b = 0; b < 9; ++b) {
        const Band& band = Table[b];
        for (const double volts : {band.from, band.to, band.to - 0.5}) {
            SCOPED_TRACE(volts);
            EXPECT_EQ(SpacingBandOf(volts), b);
            for (int c = 0; c < SpacingClassCount; ++c)
                EXPECT_DOUBLE_EQ(Mm(static_cast<SpacingClass>(c), volts), band.mm[c])
                    << SpacingColumns[static_cast<size_t>(c)].name;
        }
        EXPECT_EQ(SpacingBandOf(std::nextafter(band.to, 1e9)), b + 1) << band.to;
    }
    // Between two bands of the table: the higher band.
    EXPECT_EQ(SpacingBandOf(15.5), 1);
    EXPECT_DOUBLE_EQ(Mm(SpacingA6, 15.5), 0.25);
}

// Above 500 V the per-volt figure is added to the 500 V figure for each volt above 500.
TEST(ElectricalSpacing, AboveFiveHundredVolts) {
    EXPECT_DOUBLE_EQ(Mm(SpacingB1, 600), 0.50); // the standard's own example
    EXPECT_EQ(FormatFixedTrim(Mm(SpacingB1, 600), 1.2f), "0.50");
    EXPECT_DOUBLE_EQ(Mm(SpacingB2, 600), 3.0);    // 2.5 + 100 x 0.005
    EXPECT_DOUBLE_EQ(Mm(SpacingB3, 1000), 25);    // 12.5 + 500 x 0.025
    EXPECT_DOUBLE_EQ(Mm(SpacingA7, 1000), 2.325); // 0.8 + 500 x 0.00305
    // No step at 500 V: just above it the figure grows from the 301-500 V one.
    EXPECT_EQ(SpacingBandOf(500.5), SpacingBandCount);
    for (int c = 0; c < SpacingClassCount; ++c) {
        const auto column = static_cast<SpacingClass>(c);
        EXPECT_DOUBLE_EQ(InLengthUnit(SpacingPerVolt(column), LengthUnit::Millimetre),
                         PerVoltMm[c]);
        EXPECT_NEAR(Mm(column, 500.5), Table[8].mm[c] + 0.5 * PerVoltMm[c], 1e-12);
    }
}

// Every voltage a box can hold gives a finite spacing in every unit; what is no voltage is
// refused.
TEST(ElectricalSpacing, FiniteAtTheLimitsAndRefusals) {
    for (const double volts : {0.0, DBL_MIN, 1e-300, 1e300, DBL_MAX})
        for (int c = 0; c < SpacingClassCount; ++c) {
            const double m = MinimumSpacing(static_cast<SpacingClass>(c), volts);
            EXPECT_TRUE(std::isfinite(m) && m > 0) << volts;
            for (const LengthUnitInfo& u : LengthUnits)
                EXPECT_TRUE(std::isfinite(InLengthUnit(m, u.unit)) &&
                            InLengthUnit(m, u.unit) < DBL_MAX)
                    << volts << ' ' << u.caption;
        }
    const double inf = std::numeric_limits<double>::infinity();
    for (const double volts : {-1.0, -DBL_MIN, inf, -inf, std::nan("")})
        EXPECT_THROW(MinimumSpacing(SpacingB3, volts), CalcError) << volts;
}

// The units of the tab: mm, mil and inch, by the inch of 25.4 mm.
TEST(LengthUnits, ExactConversions) {
    EXPECT_DOUBLE_EQ(InLengthUnit(0.5e-3, LengthUnit::Millimetre), 0.5);
    EXPECT_DOUBLE_EQ(InLengthUnit(0.0254, LengthUnit::Inch), 1);
    EXPECT_DOUBLE_EQ(InLengthUnit(0.0254, LengthUnit::Mil), 1000);
    EXPECT_DOUBLE_EQ(InLengthUnit(0.5e-3, LengthUnit::Mil), 19.685039370078741);
    EXPECT_DOUBLE_EQ(FromLengthUnit(10, LengthUnit::Mil), 254e-6);
    EXPECT_DOUBLE_EQ(FromLengthUnit(299.792458, LengthUnit::Millimetre), 0.299792458);
    EXPECT_EQ(InLengthUnit(DBL_MAX, LengthUnit::Millimetre), DBL_MAX); // stops at the range
}

} // namespace
} // namespace oq
