#include "model/board_units.h"
#include "model/checked.h"
#include "model/track_width.h"
#include "model/via.h"

#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>

namespace oq {
namespace {

constexpr double mm = 1e-3, um = 1e-6, mil = MetresPerMil, pF = 1e-12, nH = 1e-9;

TrackInput Track(TrackSolve solve, double given, double rise, double thickness) {
    TrackInput in;
    in.solve = solve;
    in.given = given;
    in.rise = rise;
    in.thickness = thickness;
    return in;
}

// Worked by hand from the IPC-2221 fit, each within half its last digit.
TEST(TrackWidth, ReferenceFigures) {
    struct Case {
        const char* source;
        double current, thickness, rise;
        TrackLayer layer;
        double width, tolerance;
    };
    const Case cases[] = {
        {"15 A, 2 oz, 10 degC, outer", 15, 70 * um, 10, LayerOuter, 6.29 * mm, 0.005 * mm},
        {"1 A, 35 um, 10 degC, outer", 1, 35 * um, 10, LayerOuter, 0.300 * mm, 0.0005 * mm},
        {"1 A, 35 um, 10 degC, inner", 1, 35 * um, 10, LayerInner, 0.781 * mm, 0.0005 * mm},
        {"1 A, 1 oz, 10 degC, outer, in mil", 1, MetresPerOunce, 10, LayerOuter, 11.83 * mil,
         0.005 * mil},
        {"15 A, 2 oz counted in ounces", 15, 2 * MetresPerOunce, 10, LayerOuter, 6.29 * mm,
         0.005 * mm},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        const TrackResult r = SolveTrack(Track(TrackSolve::Width, c.current, c.rise, c.thickness));
        EXPECT_NEAR(r.layers[c.layer].width, c.width, c.tolerance);
        EXPECT_EQ(r.layers[c.layer].current, c.current);
        // Within the chart on its own layer (the inner track for 15 A is 16.4 mm: beyond it).
        const unsigned own = c.layer == LayerOuter ? BeyondOuterCurrent | BeyondOuterWidth
                                                   : BeyondInnerCurrent | BeyondInnerWidth;
        EXPECT_EQ(r.bounds & own, 0u);
    }
    // eetools.org: the section of that track, 16.30 square mils.
    EXPECT_NEAR(IpcArea(LayerOuter, 1, 10) / (mil * mil), 16.30, 0.005);
}

// Width -> current -> width, on both layers, over the chart and beyond it.
TEST(TrackWidth, RoundTrip) {
    for (const double width : {0.1 * mm, 0.3 * mm, 2.5 * mm, 400 * mil, 50 * mm})
        for (const double thickness : {17.5 * um, 35 * um, 105 * um})
            for (const double rise : {1.0, 10.0, 45.0, 100.0}) {
                const TrackResult currents =
                    SolveTrack(Track(TrackSolve::Current, width, rise, thickness));
                for (const TrackLayer layer : {LayerOuter, LayerInner}) {
                    const double current = currents.layers[layer].current;
                    const TrackResult widths =
                        SolveTrack(Track(TrackSolve::Width, current, rise, thickness));
                    EXPECT_NEAR(widths.layers[layer].width, width, width * 1e-12)
                        << width << " " << thickness << " " << rise << " " << layer;
                }
            }
}

// R = ρ20 (1 + α (T - 20)) L / (w t), T = ambient + rise; drop I R, loss I² R.
TEST(TrackWidth, ResistanceDropAndLoss) {
    EXPECT_DOUBLE_EQ(CopperResistivity(20), 1.72e-8);
    EXPECT_NEAR(CopperResistivity(120), 1.72e-8 * 1.393, 1e-20);
    EXPECT_NEAR(CopperResistivity(-30), 1.72e-8 * (1 - 0.1965), 1e-20);
    EXPECT_THROW(CopperResistivity(-300), CalcError);

    // 1 mm of 35 um copper, 1 m long, 10 degC ambient plus 10 degC rise: 20 degC.
    TrackInput in = Track(TrackSolve::Current, 1 * mm, 10, 35 * um);
    in.withLength = true;
    in.length = 1;
    in.ambient = 10;
    const TrackResult r = SolveTrack(in);
    for (const TrackLayer layer : {LayerOuter, LayerInner}) {
        const TrackLayerResult& l = r.layers[layer];
        EXPECT_NEAR(l.resistance, 1.72e-8 / 35e-9, 1e-12); // 0.4914 ohm
        EXPECT_DOUBLE_EQ(l.drop, l.current * l.resistance);
        EXPECT_DOUBLE_EQ(l.power, l.current * l.current * l.resistance);
    }
    // The inner layer carries half the outer one's current in the same width.
    EXPECT_NEAR(r.layers[LayerInner].current, r.layers[LayerOuter].current / 2, 1e-12);

    // 1 A in 35 um at 10 degC rise, 100 mm at 25 degC: the outer track of 0.3004 mm.
    in = Track(TrackSolve::Width, 1, 10, 35 * um);
    in.withLength = true;
    in.length = 0.1;
    in.ambient = 25;
    const TrackResult w = SolveTrack(in);
    const double outer = 1.72e-8 * (1 + 0.00393 * 15) * 0.1 / (w.layers[0].width * 35 * um);
    EXPECT_NEAR(w.layers[LayerOuter].resistance, outer, 1e-12);
    EXPECT_NEAR(w.layers[LayerOuter].resistance, 0.1733, 0.0001);
    EXPECT_NEAR(w.layers[LayerOuter].power, outer, 1e-12); // 1 A: I² R = R
}

// On the chart's edges nothing is beyond it; past each edge its warning, never a refusal.
TEST(TrackWidth, ChartRangeWarnsWithoutRefusing) {
    // The chart's corners do not meet: 400 mil of 3 oz at 100 degC carries 78 A.
    const TrackResult edge =
        SolveTrack(Track(TrackSolve::Current, 400 * mil, 100, 3 * MetresPerOunce));
    EXPECT_EQ(edge.bounds, BeyondOuterCurrent | BeyondInnerCurrent)
        << edge.layers[0].current << " " << edge.layers[1].current;
    EXPECT_EQ(SolveTrack(Track(TrackSolve::Current, 400 * mil, 10, 105 * um)).bounds, 0u);
    EXPECT_EQ(SolveTrack(Track(TrackSolve::Width, 17.5, 100, 105 * um)).bounds, 0u);
    EXPECT_EQ(SolveTrack(Track(TrackSolve::Width, 35, 100, 105 * um)).bounds, BeyondInnerCurrent);

    struct Case {
        TrackInput in;
        unsigned bounds;
        const char* text;
    };
    const Case cases[] = {
        {Track(TrackSolve::Width, 36, 100, 105 * um), BeyondOuterCurrent | BeyondInnerCurrent,
         "Beyond the IPC-2221 chart: outer current above 35 A, inner current above 17.5 A"},
        {Track(TrackSolve::Current, 401 * mil, 20, 35 * um), BeyondOuterWidth | BeyondInnerWidth,
         "Beyond the IPC-2221 chart: outer width above 400 mil, inner width above 400 mil"},
        {Track(TrackSolve::Width, 1, 9.9, 106 * um), BeyondCopper | BeyondRiseLow,
         "Beyond the IPC-2221 chart: copper above 3 oz, rise below 10 °C"},
        {Track(TrackSolve::Width, 1, 101, 35 * um), BeyondRiseHigh,
         "Beyond the IPC-2221 chart: rise above 100 °C"},
        // 6 A needs 280 mil of 0.5 oz outside at 10 degC, 728 mil inside.
        {Track(TrackSolve::Width, 6, 10, 17.5 * um), BeyondInnerWidth,
         "Beyond the IPC-2221 chart: inner width above 400 mil"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const TrackResult r = SolveTrack(c.in);
        EXPECT_EQ(r.bounds, c.bounds);
        EXPECT_EQ(ChartWarning(r.bounds), c.text);
        for (const TrackLayerResult& l : r.layers)
            EXPECT_TRUE(std::isfinite(l.width) && std::isfinite(l.current));
    }
    EXPECT_EQ(ChartWarning(0), "");
}

// At the input limits every result is finite, or the whole is refused: never inf or nan.
TEST(TrackWidth, FiniteAtTheInputLimits) {
    const double limits[] = {0, DBL_MIN, 1e-300, 1e-12, 1, 1e12, 1e300, DBL_MAX};
    int solved = 0, refused = 0;
    for (const TrackSolve solve : {TrackSolve::Width, TrackSolve::Current})
        for (const double given : limits)
            for (const double rise : limits)
                for (const double thickness : limits)
                    for (const double length : {1e-300, 0.1, DBL_MAX}) {
                        TrackInput in = Track(solve, given, rise, thickness);
                        in.withLength = true;
                        in.length = length;
                        in.ambient = 25;
                        try {
                            const TrackResult r = SolveTrack(in);
                            for (const TrackLayerResult& l : r.layers)
                                for (const double v :
                                     {l.width, l.current, l.resistance, l.drop, l.power})
                                    EXPECT_TRUE(std::isfinite(v) && v >= 0)
                                        << given << " " << rise << " " << thickness;
                            ++solved;
                        } catch (const CalcError&) {
                            ++refused;
                        }
                    }
    EXPECT_GT(solved, 0);
    EXPECT_GT(refused, 0);
    // Negative figures, and a width asked for without rise or copper, are refused.
    EXPECT_THROW(SolveTrack(Track(TrackSolve::Width, -1, 10, 35 * um)), CalcError);
    EXPECT_THROW(SolveTrack(Track(TrackSolve::Width, 1, 0, 35 * um)), CalcError);
    EXPECT_THROW(SolveTrack(Track(TrackSolve::Width, 1, 10, 0)), CalcError);
}

ViaInput SignalVia(double length, double hole, double pad, double antipad, double er) {
    ViaInput in;
    in.length = length;
    in.hole = hole;
    in.pad = pad;
    in.antipad = antipad;
    in.permittivity = er;
    return in;
}

TEST(Via, ReferenceFigures) {
    // Johnson and Graham's via capacitance (High-Speed Digital Design, 1993) on FR-4 of er 4.7,
    // T 63 mil, pad 28 mil, antipad 50 mil: 0.53 pF.
    ViaInput johnson = SignalVia(63 * mil, 13 * mil, 28 * mil, 50 * mil, 4.7);
    ViaResult r = SolveVia(johnson);
    ASSERT_TRUE(r.capacitance);
    EXPECT_NEAR(*r.capacitance, 0.53 * pF, 0.005 * pF);
    EXPECT_FALSE(r.refused);

    // The via-parasitics example (andwinpcb.com, "Analysis of parasitic characteristics of PCB
    // vias"): 50 mil board, 10 mil hole, 20 mil pad, 40 mil antipad, er 4.4: 0.31 pF, 17.05 ps on
    // 50 ohm; 1.015 nH, 3.19 ohm at 1 ns.
    ViaInput article = SignalVia(50 * mil, 10 * mil, 20 * mil, 40 * mil, 4.4);
    article.impedance = 50;
    article.riseTime = 1e-9;
    r = SolveVia(article);
    ASSERT_TRUE(r.capacitance && r.degradation && r.inductance && r.reactance);
    EXPECT_NEAR(*r.capacitance, 0.31 * pF, 0.005 * pF);
    EXPECT_NEAR(*r.degradation, 17.05e-12, 0.05e-12);
    EXPECT_NEAR(*r.inductance, 1.015 * nH, 0.0005 * nH);
    EXPECT_NEAR(*r.reactance, 3.19, 0.005);
    // Only what its figures give: no barrel without a plating.
    EXPECT_FALSE(r.barrel || r.resistance || r.ampacity || r.thermal);
}

// A 10 mil hole with 1 mil plating through 62 mil: barrel π (d + t) t = 34.56 square mils.
TEST(Via, BarrelResistanceAmpacityAndThermalResistance) {
    ViaInput in;
    in.hole = 10 * mil;
    in.plating = 1 * mil;
    in.length = 62 * mil;
    in.current = 1;
    in.rise = 10;
    const ViaResult r = SolveVia(in);
    ASSERT_TRUE(r.barrel && r.resistance && r.drop && r.power && r.ampacity && r.thermal);
    const double section = 3.14159265358979 * 11 * 1 * mil * mil;
    EXPECT_NEAR(*r.barrel / (mil * mil), 34.5575, 0.0001);
    // Copper at 20 degC plus the rise.
    EXPECT_NEAR(*r.resistance, 1.72e-8 * (1 + 0.00393 * 10) * 62 * mil / section, 1e-15);
    EXPECT_NEAR(*r.resistance, 1.262e-3, 0.001e-3);
    EXPECT_DOUBLE_EQ(*r.drop, *r.resistance);
    EXPECT_DOUBLE_EQ(*r.power, *r.resistance);
    // IPC-2221 outer: 0.048 x 10^0.44 x 34.56^0.725.
    EXPECT_NEAR(*r.ampacity, IpcCurrent(LayerOuter, section, 10), 1e-12);
    EXPECT_NEAR(*r.ampacity, 1.725, 0.001);
    // h / (401 W/(m K) x section).
    EXPECT_NEAR(*r.thermal, 62 * mil / (401 * section), 1e-9);
    EXPECT_NEAR(*r.thermal, 176.1, 0.1);
    EXPECT_EQ(r.bounds, 0u);

    in.current = 2; // above its 1.72 A
    in.rise = 5;
    EXPECT_EQ(SolveVia(in).bounds, BeyondRiseLow | AboveViaAmpacity);
    in.hole = 400 * mil;
    in.plating = 4 * mil;
    in.rise = 100;
    EXPECT_EQ(SolveVia(in).bounds, BeyondViaCurrent);
}

TEST(Via, RefusalsAndLimits) {
    // An antipad inside the pad, and a via shorter than a quarter of its width over e, give no
    // capacitance or inductance: refused, the other results stay.
    ViaInput in = SignalVia(63 * mil, 13 * mil, 28 * mil, 28 * mil, 4.7);
    in.plating = 1 * mil;
    ViaResult r = SolveVia(in);
    EXPECT_TRUE(r.refused);
    EXPECT_FALSE(r.capacitance);
    EXPECT_TRUE(r.inductance && r.resistance);
    in = SignalVia(1 * mil, 20 * mil, 28 * mil, 50 * mil, 4.7);
    r = SolveVia(in);
    EXPECT_TRUE(r.refused && r.capacitance && !r.inductance);
    in.hole = -1;
    EXPECT_TRUE(SolveVia(in).refused);

    const double limits[] = {DBL_MIN, 1e-300, 1e-9, 1, 1e9, 1e300, DBL_MAX};
    for (const double a : limits)
        for (const double b : limits) {
            ViaInput v;
            v.hole = a;
            v.plating = b;
            v.length = a;
            v.pad = b;
            v.antipad = a;
            v.permittivity = b;
            v.current = a;
            v.rise = b;
            v.riseTime = a;
            v.impedance = b;
            const ViaResult x = SolveVia(v);
            for (const std::optional<double>& f :
                 {x.barrel, x.resistance, x.drop, x.power, x.ampacity, x.thermal, x.capacitance,
                  x.inductance, x.reactance, x.degradation}) {
                if (f) {
                    EXPECT_TRUE(std::isfinite(*f) && *f >= 0) << a << " " << b;
                }
            }
        }
}

TEST(BoardUnits, ShownInTheChosenUnit) {
    EXPECT_EQ(NumberInFactor(6.2928e-3, BoardLengthUnits.units[0].factor, 1.2f), "6.29");
    EXPECT_EQ(NumberInFactor(6.2928e-3, BoardLengthUnits.units[1].factor, 1.2f), "247.75");
    EXPECT_EQ(NumberInFactor(6.2928e-3, BoardLengthUnits.units[2].factor, 1.3f), "0.248");
    EXPECT_EQ(NumberInFactor(70e-6, BoardCopperUnits.units[1].factor, 1.2f), "2.00");
    EXPECT_EQ(NumberInFactor(25.4e-6, BoardPlatingUnits.units[1].factor, 1.2f), "1.00");
    EXPECT_EQ(NumberInFactor(0.5, BoardCurrentUnits.units[1].factor, 1.2f), "500.00");
}

} // namespace
} // namespace oq
