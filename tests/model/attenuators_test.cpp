#include "model/attenuators.h"
#include "model/checked.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace oq {
namespace {

constexpr ArmShown Num = ArmShown::Number, Open = ArmShown::Open, Short = ArmShown::Short;
constexpr Network Pi = Network::Pi, Tee = Network::T;

AttenuatorInput Input(double z1, double z2, std::optional<double> db, bool power = false) {
    return {z1, z2, db, power};
}

std::string Name(Network net, const AttenuatorInput& in) {
    return (net == Pi ? "PI " : "T ") + std::to_string(in.z1) + "/" + std::to_string(in.z2) + " " +
           std::to_string(in.attenuation.value_or(-1)) + (in.power ? " power" : " voltage");
}

TEST(AttenuatorFormulas, KnownDesigns) {
    struct Case {
        Network net;
        AttenuatorInput in;
        double attenuation;
        std::array<double, 3> arms; // checked only where the arm shows a number
        std::array<ArmShown, 3> shown;
        double reverse;
    };
    const Case cases[] = {
        {Pi, Input(50, 50, 10), 10, {96.25, 71.15, 96.25}, {Num, Num, Num}, 10},
        {Tee, Input(50, 50, 10), 10, {25.97, 35.14, 25.97}, {Num, Num, Num}, 10},
        // Equal impedances need no attenuation: the shunt arms drop out, the series arms vanish.
        {Pi, Input(50, 50, {}), 0, {0, 0, 0}, {Open, Num, Open}, 0},
        {Tee, Input(50, 50, {}), 0, {0, 0, 0}, {Num, Open, Num}, 0},
        // 75 to 50 ohm at the minimum: the arm on the larger side is left out (PI) or shorted (T).
        {Pi, Input(75, 50, {}), 7.48, {0, 43.30, 86.60}, {Open, Num, Num}, 3.96},
        {Pi, Input(75, 50, {}, true), 5.72, {0, 43.30, 86.60}, {Open, Num, Num}, 5.72},
        {Tee, Input(75, 50, {}), 7.48, {43.30, 86.60, 0}, {Num, Num, Short}, 3.96},
        // Above the minimum every arm is a resistor again.
        {Tee, Input(75, 50, 20), 20, {62.06, 15.23, 36.29}, {Num, Num, Num}, 16.48},
    };
    for (const Case& c : cases) {
        const AttenuatorDesign d = DesignAttenuator(c.net, c.in);
        const std::string at = Name(c.net, c.in);
        EXPECT_NEAR(d.attenuation, c.attenuation, 0.005) << at;
        EXPECT_EQ(d.minimum, !c.in.attenuation) << at;
        EXPECT_NEAR(d.reverse, c.reverse, 0.005) << at;
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(d.arms[i].shown, c.shown[i]) << at << " R" << i + 1;
            // The PI network stores Open as this value, for the properties window to list.
            if (c.shown[i] == Open && c.net == Pi) {
                EXPECT_EQ(d.arms[i].value, OpenValue) << at << " R" << i + 1;
            }
            if (c.shown[i] == Num) {
                EXPECT_NEAR(d.arms[i].value, c.arms[i], 0.005) << at << " R" << i + 1;
            }
        }
    }
}

TEST(AttenuatorFormulas, ImpossibleDesignsFail) {
    const AttenuatorInput cases[] = {
        Input(50, 75, {}),              // the source must be the larger impedance
        Input(50, 50, 100.001),         // above 100 dB
        Input(75, 50, 7.48),            // the minimum shown rounded down is below it
        Input(75, 50, 5.0, true),       // below the minimum
        Input(50, 0, {}),               // no load
        Input(0, 0, {}),                // no impedances at all
        Input(1e200, 1e200, 10),        // beyond the double range on the way
        Input(1e300, 1e-300, {}, true), // the same for the minimum
    };
    for (Network net : {Pi, Tee})
        for (const AttenuatorInput& in : cases)
            EXPECT_THROW(DesignAttenuator(net, in), CalcError) << Name(net, in);
    EXPECT_NO_THROW(DesignAttenuator(Pi, Input(50, 50, 100)));
}

// A typed minimum may miss the computed one in the last digits; the PI network forgives 1e-14
// of the power ratio, the T network 1e-13.
TEST(AttenuatorFormulas, MinimumToleranceOnThePowerRatio) {
    const auto below = [](double by) { return Input(50, 50, 10 * std::log10(1 - by), true); };
    EXPECT_NO_THROW(DesignAttenuator(Pi, below(5e-15)));
    EXPECT_THROW(DesignAttenuator(Pi, below(5e-14)), CalcError);
    EXPECT_NO_THROW(DesignAttenuator(Tee, below(5e-14)));
    EXPECT_THROW(DesignAttenuator(Tee, below(5e-13)), CalcError);
}

// Whatever is typed, a design either fails or gives finite figures and no resistor shown as a
// negative number; so does the snapped network.
void ExpectFiniteOrFailure(Network net, const AttenuatorInput& in) {
    const std::string at = Name(net, in);
    try {
        const AttenuatorDesign d = DesignAttenuator(net, in);
        EXPECT_TRUE(std::isfinite(d.attenuation) && d.reverse >= 0 && std::isfinite(d.reverse))
            << at;
        for (const Arm& arm : d.arms)
            EXPECT_TRUE(std::isfinite(arm.value) && (arm.shown != Num || arm.value >= 0)) << at;
        const StandardNetwork s =
            StandardAttenuator(net, in, d.arms, in.power ? Series::E24 : Series::E96, in.z1, in.z2);
        EXPECT_TRUE(std::isfinite(s.z1 + s.z2 + s.attenuation + s.reverse)) << at;
    } catch (const CalcError&) {
    }
}

TEST(AttenuatorFormulas, NoInfinityNanOrNegativeArmOnShow) {
    const double impedances[] = {1e-300, 1e-9, 0.1, 1, 50, 75, 1e8, 1e150, 1e300};
    const std::optional<double> attenuations[] = {std::nullopt, 0, 0.5, 10, 60, 100};
    for (Network net : {Pi, Tee})
        for (double z1 : impedances)
            for (double z2 : impedances)
                for (const auto& db : attenuations)
                    for (bool power : {false, true})
                        ExpectFiniteOrFailure(net, Input(z1, z2, db, power));
}

TEST(AttenuatorStandardValues, SnappedNetworkShowsWhatItDoes) {
    struct Case {
        Network net;
        AttenuatorInput in;
        Series series;
        std::array<double, 7> shown; // the arms, z1, z2, attenuation, reverse
    };
    const Case cases[] = {
        {Pi, Input(50, 50, 10), Series::E24, {100, 68, 100, 50.33, 50.33, 9.66, 9.66}},
        {Tee, Input(50, 50, 10), Series::E24, {27, 36, 27, 51.53, 51.53, 10.20, 10.20}},
        {Tee, Input(50, 50, 10, true), Series::E96, {26.1, 34.8, 26.1, 49.98, 49.98, 10.06, 10.06}},
        // Arms outside 0.1 ohm .. 1e8 ohm are not snapped.
        {Pi, Input(50, 50, 0), Series::E192, {OpenValue, 0, OpenValue, 50, 50, 0, 0}},
    };
    for (const Case& c : cases) {
        const AttenuatorDesign d = DesignAttenuator(c.net, c.in);
        const StandardNetwork s =
            StandardAttenuator(c.net, c.in, d.arms, c.series, c.in.z1, c.in.z2);
        const double got[] = {s.arms[0], s.arms[1],     s.arms[2], s.z1,
                              s.z2,      s.attenuation, s.reverse};
        for (int i = 0; i < 7; ++i)
            EXPECT_NEAR(got[i], c.shown[i], 0.005) << Name(c.net, c.in) << " figure " << i;
    }
    for (double arm : {0.05, 2e8, OpenValue, -1e-15, 0.0})
        for (Series series : kAllSeries)
            EXPECT_EQ(SnapArm(arm, series), arm) << arm;
}

} // namespace
} // namespace oq
