#include "model/checked.h"
#include "model/prefix_units.h"
#include "model/reactance.h"

#include <cfloat>
#include <gtest/gtest.h>

namespace oq {
namespace {

// Each worked example in base units; the unknown is shown with the unit picked for it.
TEST(ReactanceFormulas, WorkedExamplesShowInTheirUnits) {
    struct Case {
        Reactive kind;
        int unknown;
        ReactanceValues v; // frequency, component, impedance
        UnitShown shown;
    };
    const auto C = Reactive::Capacitor, L = Reactive::Inductor;
    const Case cases[] = {
        {C, ReactZ, {1e3, 1e-6, 0}, {0, "159.15"}},         // 1 kHz, 1 µF: Ohm
        {C, ReactComponent, {50, 0, 3.183e3}, {2, "1.00"}}, // µF
        {C, ReactF, {0, 10e-9, 1e3}, {1, "15.92"}},         // 10 nF, 1 kOhm: kHz
        {L, ReactZ, {1e3, 1e-3, 0}, {0, "6.28"}},           // 1 kHz, 1 mH: Ohm
        {L, ReactComponent, {1e9, 0, 1}, {3, "0.16"}},      // 1 GHz, 1 Ohm: below 1 nH
        {L, ReactF, {0, 10e-6, 1e3}, {2, "15.92"}},         // 10 µH, 1 kOhm: MHz
    };
    for (const Case& c : cases) {
        const UnitOptionGroup* groups[] = {
            &FrequencyUnits, c.kind == C ? &CapacitanceUnits : &InductanceUnits, &ImpedanceUnits};
        const double r = ReactanceUnknown(c.kind, c.unknown, c.v);
        EXPECT_EQ(ShowInUnits(*groups[c.unknown], r, 1.2f), c.shown) << c.unknown;
    }
}

TEST(ReactanceFormulas, ZeroGivensAndOverflowFail) {
    EXPECT_THROW(ReactanceUnknown(Reactive::Capacitor, ReactZ, {0, 1e-6, 0}), CalcError);
    EXPECT_THROW(ReactanceUnknown(Reactive::Inductor, ReactF, {0, 0, 50}), CalcError);
    EXPECT_THROW(ReactanceUnknown(Reactive::Inductor, ReactZ, {DBL_MAX, 1e3, 0}), CalcError);
    EXPECT_THROW(ReactanceUnknown(Reactive::Capacitor, ReactZ, {1e-200, 1e-200, 0}), CalcError);
}

// The display rules of every group at their edges: the value, the option picked and its number.
TEST(UnitOptions, EdgesOfEachGroup) {
    struct Case {
        const UnitOptionGroup* group;
        double v;
        UnitShown shown;
    };
    const Case cases[] = {
        {&FrequencyUnits, 0.5, {0, "0.50"}},
        {&FrequencyUnits, 2.5e12, {3, "2500.00"}}, // above the top unit: scaled in GHz
        {&CapacitanceUnits, 0.5e-12, {4, "0.50"}}, // below 1 pF
        {&CapacitanceUnits, 0.5, {1, "500.00"}},
        // Rounding carries past the top unit: shown in that unit, not as 1.00 of the next.
        {&CapacitanceUnits, 999.999, {0, "1000.00"}},
        {&ImpedanceUnits, 999.999e6, {2, "1000.00"}},
        {&BandwidthUnits, 999999.9, {1, "1.00"}}, // a carry into a unit of the group
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShowInUnits(*c.group, c.v, 1.2f), c.shown) << c.v;
    // Other decimals codes keep their own rounding; free form never carries.
    EXPECT_EQ(ShowInUnits(ImpedanceUnits, 999.999e6, 0), (UnitShown{2, "999.999"}));
    EXPECT_EQ(ShowInUnits(CapacitanceUnits, 1e-6, 1.0f), (UnitShown{2, "1"}));
}

// The program's choice only takes over the factor; a user's click rescales the unrounded value
// and stays within the double range.
TEST(UnitOptions, PreviousUnitBookkeeping) {
    UnitFactors u;
    double v = 0;
    EXPECT_FALSE(u.select(1e-12, true, v)); // the program shows a value in ps
    v = 1.2345678e-12;
    EXPECT_TRUE(u.select(1e-9, false, v));
    EXPECT_DOUBLE_EQ(v, 1.2345678e-9); // unrounded, not the 1.23 the box showed
    v = DBL_MAX;
    EXPECT_TRUE(u.select(1, false, v)); // ×1e9 would overflow
    EXPECT_EQ(v, DBL_MAX);
    EXPECT_EQ(InBaseUnits(DBL_MAX, 1e9), DBL_MAX);
}

} // namespace
} // namespace oq
