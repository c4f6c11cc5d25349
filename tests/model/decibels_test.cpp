#include "model/checked.h"
#include "model/decibels.h"
#include "model/notation.h"

#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>

namespace oq {
namespace {

const std::string Micro = "\xC2\xB5";

// ---- dB, %, X

TEST(RatioFormulas, EachNotationGivesTheOtherTwo) {
    struct Case {
        const char* what;
        int active;
        bool power;
        RatioLevels given, expected;
    };
    constexpr bool Att = true, Gain = false;
    const Case cases[] = {
        {"50 % is an attenuation of 2",
         RatioPercent,
         false,
         {0, 50, 0, Gain},
         {2, 50, 6.0205999132796, Att}},
        {"100 % is a gain of 1", RatioPercent, false, {0, 100, 0, Att}, {1, 100, 0, Gain}},
        {"99.9 % attenuates",
         RatioPercent,
         false,
         {0, 99.9, 0, Gain},
         {100 / 99.9, 99.9, 0.00869023548, Att}},
        {"250 % power gain", RatioPercent, true, {0, 250, 0, Att}, {2.5, 250, 3.97940009, Gain}},
        {"X 1 attenuating", RatioTimes, false, {1, 0, 0, Att}, {1, 100, 0, Att}},
        {"X 2 attenuating", RatioTimes, false, {2, 0, 0, Att}, {2, 50, 6.02059991327962, Att}},
        {"X 10 amplifying", RatioTimes, false, {10, 0, 0, Gain}, {10, 1000, 20, Gain}},
        {"120 dB voltage", RatioDb, false, {0, 0, 120, Att}, {1e6, 1e-4, 120, Att}},
        {"130 dB voltage",
         RatioDb,
         false,
         {0, 0, 130, Att},
         {3162277.6601683795, 100 / 3162277.6601683795, 130, Att}},
        {"20 dB power", RatioDb, true, {0, 0, 20, Att}, {100, 1, 20, Att}},
        {"20 dB power gain", RatioDb, true, {0, 0, 20, Gain}, {100, 10000, 20, Gain}},
    };
    for (const Case& c : cases) {
        const RatioLevels r = ConvertRatio(c.active, c.given, c.power);
        EXPECT_NEAR(r.times, c.expected.times, 1e-9 * c.expected.times) << c.what;
        EXPECT_NEAR(r.percent, c.expected.percent, 1e-9 * c.expected.percent) << c.what;
        EXPECT_NEAR(r.db, c.expected.db, 1e-7) << c.what;
        EXPECT_EQ(r.attenuation, c.expected.attenuation) << c.what;
    }
    // The figure the properties window lists for X = 2, to 15 digits.
    EXPECT_EQ(NumberText(ConvertRatio(RatioTimes, {2, 0, 0, Att}, false).db), " 6.02059991327962");
    // Switching voltage to power keeps 20 dB: X 10 becomes 100.
    const RatioLevels voltage = ConvertRatio(RatioTimes, {10, 0, 0, Att}, false);
    EXPECT_NEAR(ConvertRatio(RatioDb, voltage, true).times, 100, 1e-12);
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
        {RatioTimes, false, 1e6, true},      {RatioTimes, false, 1000001, false},
        {RatioTimes, true, 1e12, true},      {RatioTimes, true, 1.1e12, false},
        {RatioPercent, false, 0.0001, true}, {RatioPercent, false, 0.00009, false},
        {RatioPercent, false, 1e8, true},    {RatioPercent, false, 1.1e8, false},
        {RatioPercent, true, 1e-10, true},   {RatioPercent, true, 1e14, true},
        {RatioPercent, true, 0, false},      {RatioPercent, true, 1.1e14, false},
        {RatioDb, false, 140, true},         {RatioDb, true, 140.01, false},
        {RatioDb, false, -500, true},        {RatioTimes, true, DBL_MAX, false},
        {RatioDb, false, -DBL_MAX, false},   {RatioPercent, false, -50, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RatioInRange(c.box, c.power, c.value), c.valid)
            << c.box << (c.power ? " power " : " voltage ") << c.value;
}

TEST(RatioFormulas, VanishingRatioFailsInsteadOfInfinity) {
    EXPECT_THROW(ConvertRatio(RatioDb, {0, 0, -1e300, true}, false), CalcError);
    EXPECT_THROW(ConvertRatio(RatioPercent, {0, 0, 0, true}, false), CalcError);
}

// ---- dBm, dBU, dBV

TEST(LevelFormulas, WorkedExamples) {
    struct Case {
        const char* what;
        int reference, source;
        double value;
        LevelValues expected;
    };
    const double Dbm0 = std::sqrt(0.05), Dbu0 = std::sqrt(0.6), Root8 = std::sqrt(8.0);
    const Case cases[] = {
        {"0 dBm", RefDbm, LevelDb, 0, {0, Dbm0, Root8 * Dbm0, 0.001}},
        {"0 dBU", RefDbu, LevelDb, 0, {0, Dbu0, Root8 * Dbu0, 0.001}},
        {"1 V RMS in dBV", RefDbv, LevelRms, 1, {0, 1, Root8, 0.001}},
        {"P-P in dBV", RefDbv, LevelPeakToPeak, Root8, {0, 1, Root8, 0.001}},
        {"1 W",
         RefDbm,
         LevelPower,
         1,
         {30, Dbm0 * std::sqrt(1000.0), Root8 * Dbm0 * std::sqrt(1000.0), 1}},
        {"-120 dBV", RefDbv, LevelDb, -120, {-120, 1e-6, Root8 * 1e-6, 1e-15}},
        {"3 dBm",
         RefDbm,
         LevelDb,
         3,
         {3, Dbm0 * std::pow(10, 0.15), Root8 * Dbm0 * std::pow(10, 0.15),
          0.001 * std::pow(10, 0.3)}},
    };
    for (const Case& c : cases) {
        const LevelValues q = ConvertLevel(c.source, c.value, ReferenceVolts(c.reference));
        for (int b = 0; b < 4; ++b)
            EXPECT_NEAR(q[b], c.expected[b], 1e-12 * std::max(1.0, std::fabs(c.expected[b])))
                << c.what << " box " << b;
    }
    EXPECT_THROW(ConvertLevel(LevelRms, 0, 1.0), CalcError); // never log of zero
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
        {LevelRms, RefDbu, 774597, "RMS value is too high. Must be less than 774.60 kV."},
        {LevelRms, RefDbv, -5, "RMS value is too low. Must be higher than 1.00 " + Micro + "V."},
        {LevelPeakToPeak, RefDbv, 2828427.12474619, ""},
        {LevelPeakToPeak, RefDbv, 2828428, "P-P value is too high. Must be less than 2.83 MV."},
        {LevelPeakToPeak, RefDbu, 2e-6,
         "P-P value is too low. Must be higher than 2.19 " + Micro + "V."},
        {LevelPower, RefDbm, 2e9, "Power value is too high. Must be less than 1.00 GW."},
        {LevelPower, RefDbv, 1e-16, "Power value is too low. Must be higher than 0.00 pW."},
        {LevelPower, RefDbm, DBL_MAX, "Power value is too high. Must be less than 1.00 GW."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LevelLimitMessage(c.box, c.reference, c.value, 1.2f), c.message)
            << c.box << " " << c.value;
    EXPECT_EQ(LevelLimitMessage(LevelRms, RefDbm, 1e-9, 0),
              "RMS value is too low. Must be higher than 223.606797749979 nV.");
}

TEST(LevelFormulas, UnitFollowsThePrefix) {
    struct Case {
        int box;
        double value;
        std::string text;
        int option;
    };
    const Case cases[] = {
        {LevelDb, -3.14159, "-3.14", -1},
        {LevelRms, 0.223606797749979, "223.61", 1},
        {LevelPeakToPeak, 0.632455532033676, "632.46", 1},
        {LevelRms, 0.774596669241483, "774.60", 1},
        {LevelPeakToPeak, 2.82842712474619, "2.83", 2},
        {LevelRms, 2.2e-7, "0.22", 0},          // nV shown in µV
        {LevelRms, 4.7e-5, "47.00", 0},         // µV
        {LevelRms, 1500, "1.50", 3},            // kV
        {LevelPeakToPeak, 2.5e6, "2500.00", 3}, // MV shown in kV
        {LevelRms, 0.9999999, "1.00", 2},       // carried to the next prefix
        {LevelPower, 0.001, "1.00", 3},
        {LevelPower, 1e-15, "0.00", 0},
        {LevelPower, 5e-9, "5.00", 1},
        {LevelPower, 5e-6, "5.00", 2},
        {LevelPower, 5, "5.00", 4},
        {LevelPower, 5e3, "5.00", 5},
        {LevelPower, 5e6, "5.00", 6},
        {LevelPower, 1e9, "1000.00", 6}, // GW shown in MW
    };
    for (const Case& c : cases) {
        const UnitText shown = LevelUnitText(c.box, c.value, 1.2f);
        EXPECT_EQ(shown.text, c.text) << c.box << " " << c.value;
        EXPECT_EQ(shown.option, c.option) << c.box << " " << c.value;
    }
    EXPECT_EQ(LevelUnitFactor(LevelRms, 0), 1e-6);
    EXPECT_EQ(LevelUnitFactor(LevelPeakToPeak, 3), 1e3);
    EXPECT_EQ(LevelUnitFactor(LevelPower, 0), 1e-12);
    EXPECT_EQ(LevelUnitFactor(LevelPower, 6), 1e6);
    EXPECT_EQ(LevelUnitFactor(LevelDb, 2), 1.0);
}

} // namespace
} // namespace oq
