#include "model/checked.h"
#include "model/decibels.h"
#include "model/notation.h"

#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>

namespace oq {
namespace {

const std::string Micro = "\xC2\xB5";
constexpr bool Att = true, Gain = false;

TEST(RatioFormulas, EachNotationGivesTheOtherTwo) {
    struct Case {
        int active;
        bool power;
        RatioLevels given, expected;
    };
    const Case cases[] = {
        {RatioPercent, false, {0, 50, 0, Gain}, {2, 50, 6.02059991327962, Att}},
        {RatioPercent, false, {0, 100, 0, Att}, {1, 100, 0, Gain}},
        {RatioPercent, false, {0, 99.9, 0, Gain}, {100 / 99.9, 99.9, 0.00869023548, Att}},
        {RatioPercent, true, {0, 250, 0, Att}, {2.5, 250, 3.97940008672, Gain}},
        {RatioTimes, false, {1, 0, 0, Att}, {1, 100, 0, Att}},
        {RatioTimes, false, {10, 0, 0, Gain}, {10, 1000, 20, Gain}},
        {RatioDb, false, {0, 0, 120, Att}, {1e6, 1e-4, 120, Att}},
        {RatioDb, false, {0, 0, 130, Att}, {3162277.6601683795, 3.16227766016838e-5, 130, Att}},
        {RatioDb, true, {0, 0, 20, Att}, {100, 1, 20, Att}}, // X 10 switched to power
    };
    for (const Case& c : cases) {
        const RatioLevels r = ConvertRatio(c.active, c.given, c.power);
        const RatioLevels& e = c.expected;
        EXPECT_NEAR(r.times, e.times, 1e-9 * e.times) << c.active << " " << c.given.percent;
        EXPECT_NEAR(r.percent, e.percent, 1e-9 * e.percent) << c.active;
        EXPECT_NEAR(r.db, e.db, 1e-9) << c.active << " " << c.given.percent;
        EXPECT_EQ(r.attenuation, e.attenuation) << c.active << " " << c.given.percent;
    }
    // What the properties window lists for X = 2: 15 significant digits.
    EXPECT_EQ(NumberText(ConvertRatio(RatioTimes, {2, 0, 0, Att}, false).db), " 6.02059991327962");
    // A ratio too small to hold would divide by zero: an error, not an infinite percentage.
    EXPECT_THROW(ConvertRatio(RatioDb, {0, 0, -1e300, Att}, false), CalcError);
}

TEST(RatioFormulas, LimitsPerBoxAndKind) {
    struct Case {
        int box;
        bool power;
        double value;
        bool valid;
    };
    const Case cases[] = {
        {RatioTimes, false, 1, true},        {RatioTimes, false, 0.5, false},
        {RatioTimes, false, 1000001, false}, {RatioTimes, true, 1e12, true},
        {RatioPercent, false, 0.0001, true}, {RatioPercent, false, 0.00009, false},
        {RatioPercent, true, 1e-10, true},   {RatioPercent, true, 1.1e14, false},
        {RatioDb, true, 140, true},          {RatioDb, false, 140.01, false},
        {RatioDb, false, -500, true},        {RatioDb, false, -DBL_MAX, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RatioInRange(c.box, c.power, c.value), c.valid) << c.box << " " << c.value;
}

TEST(LevelFormulas, EachQuantityGivesTheOthers) {
    const double Dbm0 = std::sqrt(0.05), Dbu0 = std::sqrt(0.6), Root8 = std::sqrt(8.0);
    struct Case {
        int reference, source;
        double value;
        LevelValues expected;
    };
    const Case cases[] = {
        {RefDbm, LevelDb, 0, {0, Dbm0, Root8 * Dbm0, 0.001}},
        {RefDbu, LevelDb, 0, {0, Dbu0, Root8 * Dbu0, 0.001}},
        {RefDbv, LevelRms, 1, {0, 1, Root8, 0.001}},
        {RefDbv, LevelPeakToPeak, Root8, {0, 1, Root8, 0.001}},
        {RefDbm, LevelPower, 1, {30, Dbm0 * std::sqrt(1e3), Root8 * Dbm0 * std::sqrt(1e3), 1}},
        {RefDbv, LevelDb, -120, {-120, 1e-6, Root8 * 1e-6, 1e-15}},
    };
    for (const Case& c : cases) {
        const LevelValues q = ConvertLevel(c.source, c.value, ReferenceVolts(c.reference));
        for (int b = 0; b < 4; ++b)
            EXPECT_NEAR(q[b], c.expected[b], 1e-12 * std::max(1.0, std::fabs(c.expected[b])))
                << c.reference << " " << c.source << " box " << b;
    }
    EXPECT_THROW(ConvertLevel(LevelRms, 0, 1.0), CalcError); // never the logarithm of zero
    EXPECT_THROW(ConvertLevel(LevelPower, -1, 1.0), CalcError);
}

TEST(LevelFormulas, ValuesOutsideTheLimitsExplainThemselves) {
    struct Case {
        int box, reference;
        double value;
        std::string message; // empty: accepted
    };
    const Case cases[] = {
        {LevelDb, RefDbm, 120, ""},
        {LevelDb, RefDbm, -120, ""},
        {LevelDb, RefDbv, 120.01, "dB value is too high. Must lower than 120 dB."},
        {LevelDb, RefDbu, -121, "dB value is too low. Must higher than -120 dB."},
        {LevelRms, RefDbm, 2.236e-7, "RMS value is too low. Must be higher than 223.61 nV."},
        {LevelRms, RefDbm, 2.2361e-7, ""},
        {LevelRms, RefDbv, -5, "RMS value is too low. Must be higher than 1.00 " + Micro + "V."},
        {LevelPeakToPeak, RefDbv, 2828427.12474619, ""},
        {LevelPeakToPeak, RefDbu, 2190891, "P-P value is too high. Must be less than 2.19 MV."},
        {LevelPower, RefDbm, 2e9, "Power value is too high. Must be less than 1.00 GW."},
        {LevelPower, RefDbv, 1e-16, "Power value is too low. Must be higher than 0.00 pW."},
        {LevelPower, RefDbm, DBL_MAX, "Power value is too high. Must be less than 1.00 GW."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LevelLimitMessage(c.box, c.reference, c.value, 1.2f), c.message) << c.value;
}

TEST(LevelFormulas, UnitFollowsThePrefix) {
    // Five of any unit is written as 5 with that unit chosen.
    for (int box : {LevelRms, LevelPeakToPeak, LevelPower})
        for (int option = 0; option < (box == LevelPower ? 7 : 4); ++option) {
            const UnitText shown = LevelUnitText(box, 5 * LevelUnitFactor(box, option), 1.2f);
            EXPECT_EQ(shown.text + " " + std::to_string(shown.option),
                      "5.00 " + std::to_string(option))
                << box;
        }
    struct Case {
        int box;
        double value;
        std::string shown; // text and option
    };
    const Case cases[] = {
        {LevelDb, -3.14159, "-3.14 -1"},
        {LevelRms, 0.223606797749979, "223.61 1"},
        {LevelRms, 0.774596669241483, "774.60 1"},
        {LevelRms, 0.9999999, "1.00 2"}, // carried
        {LevelRms, 2.2e-7, "0.22 0"},
        {LevelPeakToPeak, 2.5e6, "2500.00 3"},
        {LevelPower, 1e-15, "0.00 0"},
        {LevelPower, 1e9, "1000.00 6"},
    };
    for (const Case& c : cases) {
        const UnitText shown = LevelUnitText(c.box, c.value, 1.2f);
        EXPECT_EQ(shown.text + " " + std::to_string(shown.option), c.shown) << c.value;
    }
}

} // namespace
} // namespace oq
