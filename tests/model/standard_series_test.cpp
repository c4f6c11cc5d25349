#include "model/checked.h"
#include "model/shared_state.h"
#include "model/standard_series.h"

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace oq {
namespace {

// The published series, one decade scaled to 100..976 / 100..910.
const std::vector<int> kE96 = {100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137,
                               140, 143, 147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191,
                               196, 200, 205, 210, 215, 221, 226, 232, 237, 243, 249, 255, 261, 267,
                               274, 280, 287, 294, 301, 309, 316, 324, 332, 340, 348, 357, 365, 374,
                               383, 392, 402, 412, 422, 432, 442, 453, 464, 475, 487, 499, 511, 523,
                               536, 549, 562, 576, 590, 604, 619, 634, 649, 665, 681, 698, 715, 732,
                               750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};
const std::vector<int> kE24 = {100, 110, 120, 130, 150, 160, 180, 200, 220, 240, 270, 300,
                               330, 360, 390, 430, 470, 510, 560, 620, 680, 750, 820, 910};

using SnapFn = double (*)(double, int, int);
struct SeriesCase {
    const char* name;
    SnapFn snap;
    const std::vector<int>& members;
};
const SeriesCase kSeries[] = {{"E96", E96, kE96}, {"E24", E24, kE24}};

// A member as the user would type it: 470 in decade exponent -2 is "470e-2", i.e. 4.7.
double typed(double mantissa, int exponent) {
    const std::string text = std::to_string(mantissa) + "e" + std::to_string(exponent);
    return std::strtod(text.c_str(), nullptr);
}

void expectNear(double actual, double expected, const std::string& what) {
    EXPECT_NEAR(actual, expected, std::abs(expected) * 1e-9) << what;
}

TEST(StandardSeries, WalkingDownwardListsEveryPublishedMember) {
    for (const auto& s : kSeries) {
        std::vector<int> walked;
        for (double v = s.snap(1000, 0, TabVD); v >= 100; v = s.snap(v, -1, TabVD))
            walked.insert(walked.begin(), static_cast<int>(std::lround(v)));
        walked.pop_back(); // 1000 itself
        EXPECT_EQ(walked, s.members) << s.name;
    }
}

TEST(StandardSeries, DocumentedExamples) {
    struct Case {
        SnapFn snap;
        double value;
        int direction;
        int tab;
        double expected;
    };
    const Case cases[] = {
        {E24, 4.7, 0, TabVD, 4.7},       {E24, 4.7, -1, TabVD, 4.3},
        {E24, 4.7, 1, TabVD, 4.7},       {E96, 1000, 0, TabVD, 1000},
        {E96, 1000, -1, TabVD, 976},     {E96, 0.0999, 0, TabVD, 0.1},
        {E24, 2.5, 0, TabVD, 2.4},       {E24, 25, 0, TabVD, 24},
        {E24, 105, 0, TabVD, 110},       {E24, 9.9, 0, TabVD, 10},
        {E24, 490, 0, TabSR, 510},       {E24, 4600, 0, TabRP, 4700},
        {E96, 0.05, 0, TabVD, 0.0499},   {E24, 2e8, 0, TabVD, 2e8},
        {E24, 265, 0, TabVD, 270},       {E24, 8.3, 0, TabVD, 8.2},
        {E24, 4.6, 0, TabVD, 4.7},       {E24, 3.2, 1, TabVD, 3.3},
        {E24, 999.9999, 1, TabVD, 1000}, {E24, 999.9999, -1, TabVD, 910},
        {E96, 999.9999, -1, TabVD, 976}, {E96, 101, 1, TabVD, 102},
    };
    for (const auto& c : cases)
        expectNear(c.snap(c.value, c.direction, c.tab), c.expected,
                   std::to_string(c.value) + " dir " + std::to_string(c.direction));
}

TEST(StandardSeries, ZeroStaysZero) {
    for (const auto& s : kSeries)
        for (int tab : {TabRP, TabVD, TabPI, TabT})
            for (int direction : {-1, 0, 1})
                EXPECT_EQ(s.snap(0.0, direction, tab), 0.0) << s.name;
}

TEST(StandardSeries, NetworkTabsKeepValuesOutsideTheirRange) {
    struct Case {
        SnapFn snap;
        double value;
        int direction;
        double onNetworks; // PI-net and T-net
        double elsewhere;
    };
    const Case cases[] = {
        {E96, 0.05, 0, 0.05, 0.0499},    {E24, 2e8, 0, 2e8, 2e8},
        {E96, 0.0999, 0, 0.0999, 0.1},   {E24, 1.2e8, 0, 1.2e8, 1.2e8},
        {E96, 1.005e8, 0, 1.005e8, 1e8}, {E96, 0.1, -1, 0.0976, 0.0976}, // 0.1 itself is in range
        {E24, 1e8, -1, 9.1e7, 9.1e7},
    };
    for (const auto& c : cases) {
        for (int tab : {TabPI, TabT})
            expectNear(c.snap(c.value, c.direction, tab), c.onNetworks, std::to_string(c.value));
        expectNear(c.snap(c.value, c.direction, TabVD), c.elsewhere, std::to_string(c.value));
    }
    // A T-net arm can come out as a tiny negative rounding residue; it is shown as "Short".
    for (const auto& s : kSeries)
        EXPECT_EQ(s.snap(-1e-15, 0, TabT), -1e-15) << s.name;
}

TEST(StandardSeries, NegativeOrNotANumberIsAnError) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const auto& s : kSeries)
        for (int direction : {-1, 0, 1}) {
            EXPECT_THROW(s.snap(-4.7, direction, TabVD), CalcError) << s.name;
            EXPECT_THROW(s.snap(-1e-15, direction, TabRP), CalcError) << s.name;
            EXPECT_THROW(s.snap(nan, direction, TabPI), CalcError) << s.name;
            EXPECT_THROW(s.snap(std::numeric_limits<double>::infinity(), direction, TabVD),
                         CalcError)
                << s.name;
        }
}

TEST(StandardSeries, ExtremeMagnitudesGiveFiniteNeighbours) {
    const double values[] = {1e-300, DBL_MIN, 1e-310, 1e-320, 5e-324, 1e300, 1e308};
    for (const auto& s : kSeries)
        for (double v : values)
            for (int direction : {-1, 0, 1}) {
                const double r = s.snap(v, direction, TabVD);
                EXPECT_TRUE(std::isfinite(r) && r > 0) << s.name << " " << v;
                EXPECT_GT(r / v, 0.85) << s.name << " " << v; // denormals keep few digits
                EXPECT_LT(r / v, 1.15) << s.name << " " << v;
            }
    for (const auto& s : kSeries) {
        EXPECT_THROW(s.snap(DBL_MAX, 1, TabVD), CalcError) << s.name; // 1.8e308 overflows
        EXPECT_TRUE(std::isfinite(s.snap(DBL_MAX, -1, TabVD))) << s.name;
    }
}

// Every member of every decade a resistor can have: a typed member snaps to exactly itself (the
// serial tab compares for equality to say "is a standard value"), steps down to its predecessor,
// and the mid-point to the next member goes up.
TEST(StandardSeries, EveryMemberOfEveryDecadeSnapsConsistently) {
    for (const auto& s : kSeries) {
        const int n = static_cast<int>(s.members.size());
        for (int decade = -1; decade <= 8; ++decade) {
            const int exponent = decade - 2;
            for (int i = 0; i < n; ++i) {
                const double value = typed(s.members[i], exponent);
                const double below = i > 0 ? typed(s.members[i - 1], exponent)
                                           : typed(s.members[n - 1], exponent - 1);
                const int next = i + 1 < n ? s.members[i + 1] : 1000;
                const double above = typed(next, exponent);
                const double midpoint = typed((s.members[i] + next) / 2.0, exponent);
                const std::string what = std::string(s.name) + " " + std::to_string(value);

                EXPECT_EQ(s.snap(value, 0, TabVD), value) << what;
                EXPECT_EQ(s.snap(value, 1, TabVD), value) << what;
                expectNear(s.snap(value, -1, TabVD), below, what + " down");
                expectNear(s.snap(midpoint, 0, TabVD), above, what + " mid-point");
                expectNear(s.snap(midpoint, -1, TabVD), value, what + " mid-point down");
            }
        }
    }
}

} // namespace
} // namespace oq
