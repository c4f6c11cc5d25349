#include "model/checked.h"
#include "model/decibels.h"

#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>
#include <tuple>

namespace oq {
namespace {

const std::string Micro = "\xC2\xB5";
constexpr bool Att = true, Gain = false;

TEST(RatioFormulas, EachNotationGivesTheOtherTwo) {
    // Box typed in, power ratio, what it held, what all three boxes show.
    const std::tuple<int, bool, RatioLevels, RatioLevels> cases[] = {
        {RatioPercent, false, {0, 50, 0, Gain}, {2, 50, 6.02059991327962, Att}},
        {RatioPercent, false, {0, 100, 0, Att}, {1, 100, 0, Gain}},
        {RatioPercent, true, {0, 250, 0, Att}, {2.5, 250, 3.97940008672, Gain}},
        {RatioTimes, false, {1, 0, 0, Att}, {1, 100, 0, Att}},
        {RatioTimes, false, {10, 0, 0, Gain}, {10, 1000, 20, Gain}},
        {RatioDb, false, {0, 0, 120, Att}, {1e6, 1e-4, 120, Att}},
        {RatioDb, true, {0, 0, 20, Att}, {100, 1, 20, Att}}, // X 10 switched to power
    };
    for (const auto& [active, power, given, e] : cases) {
        SCOPED_TRACE(testing::Message() << active << " " << given.percent << " " << given.db);
        const RatioLevels r = ConvertRatio(active, given, power);
        EXPECT_NEAR(r.times, e.times, 1e-9 * e.times);
        EXPECT_NEAR(r.percent, e.percent, 1e-9 * e.percent);
        EXPECT_NEAR(r.db, e.db, 1e-9);
        EXPECT_EQ(r.attenuation, e.attenuation);
    }
    // A ratio too small to hold would divide by zero: an error, not an infinite percentage.
    EXPECT_THROW(ConvertRatio(RatioDb, {0, 0, -1e300, Att}, false), CalcError);
}

TEST(RatioFormulas, LimitsPerBoxAndKind) {
    // Box, power ratio, value, accepted.
    const std::tuple<int, bool, double, bool> cases[] = {
        {RatioTimes, false, 1, true},        {RatioTimes, false, 0.5, false},
        {RatioTimes, false, 1000001, false}, {RatioTimes, true, 1e12, true},
        {RatioPercent, false, 0.0001, true}, {RatioPercent, false, 0.00009, false},
        {RatioPercent, true, 1e-10, true},   {RatioPercent, true, 1.1e14, false},
        {RatioDb, true, 140, true},          {RatioDb, false, 140.01, false},
        {RatioDb, false, -500, true},        {RatioDb, false, -DBL_MAX, false},
    };
    for (const auto& [box, power, value, valid] : cases)
        EXPECT_EQ(RatioInRange(box, power, value), valid) << box << " " << value;
}

TEST(LevelFormulas, EachQuantityGivesTheOthers) {
    const double Dbm0 = std::sqrt(0.05), Dbu0 = std::sqrt(0.6), Root8 = std::sqrt(8.0);
    // Reference, box typed in, its value, all four quantities.
    const std::tuple<int, int, double, LevelValues> cases[] = {
        {RefDbm, LevelDb, 0, {0, Dbm0, Root8 * Dbm0, 0.001}},
        {RefDbu, LevelDb, 0, {0, Dbu0, Root8 * Dbu0, 0.001}},
        {RefDbv, LevelRms, 1, {0, 1, Root8, 0.001}},
        {RefDbv, LevelPeakToPeak, Root8, {0, 1, Root8, 0.001}},
        {RefDbm, LevelPower, 1, {30, Dbm0 * std::sqrt(1e3), Root8 * Dbm0 * std::sqrt(1e3), 1}},
        {RefDbv, LevelDb, -120, {-120, 1e-6, Root8 * 1e-6, 1e-15}},
    };
    for (const auto& [reference, source, value, expected] : cases) {
        const LevelValues q = ConvertLevel(source, value, ReferenceVolts(reference));
        for (int b = 0; b < 4; ++b)
            EXPECT_NEAR(q[b], expected[b], 1e-12 * std::max(1.0, std::fabs(expected[b])))
                << reference << " " << source << " box " << b;
    }
    EXPECT_THROW(ConvertLevel(LevelRms, 0, 1.0), CalcError); // never the logarithm of zero
    EXPECT_THROW(ConvertLevel(LevelPower, -1, 1.0), CalcError);
}

TEST(LevelFormulas, ValuesOutsideTheLimitsExplainThemselves) {
    // Box, reference, value, the red label's text (empty: accepted).
    const std::tuple<int, int, double, std::string> cases[] = {
        {LevelDb, RefDbm, -120, ""},
        {LevelDb, RefDbv, 120.01, "dB value is too high. Must lower than 120 dB."},
        {LevelDb, RefDbu, -121, "dB value is too low. Must higher than -120 dB."},
        {LevelRms, RefDbm, 2.236e-7, "RMS value is too low. Must be higher than 223.61 nV."},
        {LevelRms, RefDbm, 2.2361e-7, ""},
        {LevelRms, RefDbv, -5, "RMS value is too low. Must be higher than 1.00 " + Micro + "V."},
        {LevelPeakToPeak, RefDbv, 2828427.12474619, ""},
        {LevelPeakToPeak, RefDbu, 2190891, "P-P value is too high. Must be less than 2.19 MV."},
        {LevelPower, RefDbv, 1e-16, "Power value is too low. Must be higher than 0.00 pW."},
        {LevelPower, RefDbm, DBL_MAX, "Power value is too high. Must be less than 1.00 GW."},
    };
    for (const auto& [box, reference, value, message] : cases)
        EXPECT_EQ(LevelLimitMessage(box, reference, value, 1.2f), message) << value;
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
    // Box, value, text and option shown.
    const std::tuple<int, double, std::string> cases[] = {
        {LevelDb, -3.14159, "-3.14 -1"}, {LevelRms, 0.223606797749979, "223.61 1"},
        {LevelRms, 0.9999999, "1.00 2"}, // carried
        {LevelRms, 2.2e-7, "0.22 0"},    {LevelPeakToPeak, 2.5e6, "2500.00 3"},
        {LevelPower, 1e-15, "0.00 0"},   {LevelPower, 1e9, "1000.00 6"},
    };
    for (const auto& [box, value, expected] : cases) {
        const UnitText shown = LevelUnitText(box, value, 1.2f);
        EXPECT_EQ(shown.text + " " + std::to_string(shown.option), expected) << value;
    }
}

} // namespace
} // namespace oq
