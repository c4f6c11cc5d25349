#include "model/checked.h"
#include "model/standard_series.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <iomanip>
#include <limits>
#include <optional>
#include <random>
#include <set>
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

using SnapFn = double (*)(double, int, bool);
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

std::string nameOf(Series s) {
    return std::string(SeriesName(s));
}

TEST(StandardSeries, TablesAgreeWithThePublishedSeries) {
    // Source: IEC 60063 (members per decade; E-3..E-24 historical, E-48..E-192 10^(i/n) to three
    // digits save 920 in E-192).
    struct Case {
        Series series;
        size_t count;
        std::set<int> offFormula; // members other than the rounded 10^(i/n)
    };
    const Case cases[] = {
        {Series::E3, 3, {470}},
        {Series::E6, 6, {330, 470}},
        {Series::E12, 12, {270, 330, 390, 470, 820}},
        {Series::E24, 24, {270, 300, 330, 360, 390, 430, 470, 820}},
        {Series::E48, 48, {}},
        {Series::E96, 96, {}},
        {Series::E192, 192, {920}},
    };
    for (const Case& c : cases) {
        const auto m = SeriesMembers(c.series);
        ASSERT_EQ(m.size(), c.count) << nameOf(c.series);
        EXPECT_TRUE(std::is_sorted(m.begin(), m.end()) && m.front() == 100 && m.back() < 1000)
            << nameOf(c.series);
        const double n = static_cast<double>(c.count);
        const double digits = c.count <= 24 ? 10.0 : 100.0; // two or three significant digits
        std::set<int> off;
        for (size_t i = 0; i < m.size(); ++i) {
            const double formula = std::round(digits * std::pow(10.0, i / n)) * (100.0 / digits);
            if (m[i] != formula)
                off.insert(m[i]);
        }
        EXPECT_EQ(off, c.offFormula) << nameOf(c.series);
    }
    EXPECT_EQ(
        std::vector<int>(SeriesMembers(Series::E96).begin(), SeriesMembers(Series::E96).end()),
        kE96);
    EXPECT_EQ(
        std::vector<int>(SeriesMembers(Series::E24).begin(), SeriesMembers(Series::E24).end()),
        kE24);

    // Each finer series holds every member of the coarser one.
    const std::pair<Series, Series> chains[] = {{Series::E3, Series::E6},
                                                {Series::E6, Series::E12},
                                                {Series::E12, Series::E24},
                                                {Series::E48, Series::E96},
                                                {Series::E96, Series::E192}};
    for (const auto& [coarse, fine] : chains) {
        const auto c = SeriesMembers(coarse), f = SeriesMembers(fine);
        EXPECT_TRUE(std::includes(f.begin(), f.end(), c.begin(), c.end()))
            << nameOf(coarse) << " in " << nameOf(fine);
    }
}

TEST(StandardSeries, NamesRoundTrip) {
    for (Series s : kAllSeries)
        EXPECT_EQ(SeriesByName(SeriesName(s)), s) << nameOf(s);
    EXPECT_EQ(SeriesName(Series::E192), "E-192");
    for (const char* unknown : {"", "E-5", "E24", "e-24", "E-24 "})
        EXPECT_FALSE(SeriesByName(unknown).has_value()) << unknown;
}

TEST(StandardSeries, NeighboursOfAValue) {
    // Source: IEC 60063 members; nearest by plain difference inside the decade, a tie goes up.
    struct Case {
        Series series;
        double value, nearest, lower, higher;
        bool member;
    };
    const Case cases[] = {
        {Series::E192, 919, 920, 909, 920, false},
        {Series::E96, 5100, 5110, 4990, 5110, false},
        {Series::E96, 4990, 4990, 4870, 5110, true},
        {Series::E192, 4990, 4990, 4930, 5050, true},
        {Series::E24, 4990, 5100, 4700, 5100, false},
        {Series::E24, 5100, 5100, 4700, 5600, true},
        {Series::E48, 5100, 5110, 4870, 5110, false},
        {Series::E192, 5100, 5110, 5050, 5110, false},
        {Series::E24, 9.9, 10, 9.1, 10, false},         // the next decade's first member
        {Series::E24, 10, 10, 9.1, 11, true},           // decade edge
        {Series::E96, 1000, 1000, 976, 1020, true},     // decade edge
        {Series::E192, 0.988, 0.988, 0.976, 1.0, true}, // last member
        {Series::E3, 0.1, 0.1, 0.047, 0.22, true},
        {Series::E3, 4.7, 4.7, 2.2, 10, true},
        {Series::E3, 7.35, 10, 4.7, 10, false},      // mid-point 4.7..10: a tie goes up
        {Series::E24, 1.05, 1.1, 1.0, 1.1, false},   // mid-point
        {Series::E24, 1.0499, 1.0, 1.0, 1.1, false}, // just below it
        {Series::E12, 91, 100, 82, 100, false},      // mid-point across the decade edge
        {Series::E6, 5.75, 6.8, 4.7, 6.8, false},
        {Series::E192, 914.5, 920, 909, 920, false},
        {Series::E24, 0.047, 0.047, 0.043, 0.051, true}, // decimal input noise
        {Series::E12, 4.7e3, 4700, 3900, 5600, true},
        {Series::E96, 0.0499, 0.0499, 0.0487, 0.0511, true},
        {Series::E192, 9.2e-3, 9.2e-3, 9.09e-3, 9.31e-3, true},
        {Series::E48, 1e-12, 1e-12, 9.53e-13, 1.05e-12, true},
        {Series::E6, 3.3e15, 3.3e15, 2.2e15, 4.7e15, true},
    };
    for (const Case& c : cases) {
        const std::string what = nameOf(c.series) + " " + std::to_string(c.value);
        expectNear(NearestMember(c.series, c.value), c.nearest, what + " nearest");
        expectNear(LowerMember(c.series, c.value), c.lower, what + " lower");
        expectNear(HigherMember(c.series, c.value), c.higher, what + " higher");
        EXPECT_EQ(IsMember(c.series, c.value), c.member) << what;
    }

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (Series s : kAllSeries)
        for (double bad : {0.0, -4.7, nan, inf}) {
            EXPECT_THROW(NearestMember(s, bad), CalcError) << nameOf(s) << " " << bad;
            EXPECT_THROW(LowerMember(s, bad), CalcError) << nameOf(s) << " " << bad;
            EXPECT_THROW(HigherMember(s, bad), CalcError) << nameOf(s) << " " << bad;
            EXPECT_FALSE(IsMember(s, bad)) << nameOf(s) << " " << bad;
        }
}

// Every member of every series in every decade a resistor can have, typed: a member is a member
// and snaps to exactly itself (the serial tab compares for equality to say "is a standard value"),
// its neighbours are the table's, and the mid-point to the next member goes up.
TEST(StandardSeries, EveryMemberOfEveryDecade) {
    for (Series s : kAllSeries) {
        const auto m = SeriesMembers(s);
        const int n = static_cast<int>(m.size());
        for (int exponent = -3; exponent <= 6; ++exponent)
            for (int i = 0; i < n; ++i) {
                const double value = typed(m[i], exponent);
                const double below =
                    i > 0 ? typed(m[i - 1], exponent) : typed(m[n - 1], exponent - 1);
                const int next = i + 1 < n ? m[i + 1] : 1000;
                const double above = typed(next, exponent);
                const double midpoint = typed((m[i] + next) / 2.0, exponent);
                const std::string what = nameOf(s) + " " + std::to_string(value);

                EXPECT_TRUE(IsMember(s, value)) << what;
                EXPECT_FALSE(IsMember(s, midpoint)) << what;
                EXPECT_EQ(Snap(s, value, 0, false), value) << what;
                EXPECT_EQ(Snap(s, value, 1, false), value) << what;
                expectNear(LowerMember(s, value), below, what + " lower");
                expectNear(HigherMember(s, value), above, what + " higher");
                expectNear(NearestMember(s, midpoint), above, what + " mid-point");
                expectNear(LowerMember(s, midpoint), value, what + " mid-point lower");
            }
    }
}

TEST(StandardSeries, WalkingDownwardListsEveryPublishedMember) {
    for (const auto& s : kSeries) {
        std::vector<int> walked;
        for (double v = s.snap(1000, 0, false); v >= 100; v = s.snap(v, -1, false))
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
        double expected;
    };
    const Case cases[] = {
        {E24, 4.7, 0, 4.7},       {E24, 4.7, -1, 4.3},      {E24, 4.7, 1, 4.7},
        {E96, 1000, 0, 1000},     {E96, 1000, -1, 976},     {E96, 0.0999, 0, 0.1},
        {E24, 2.5, 0, 2.4},       {E24, 25, 0, 24},         {E24, 105, 0, 110},
        {E24, 9.9, 0, 10},        {E24, 490, 0, 510},       {E24, 4600, 0, 4700},
        {E96, 0.05, 0, 0.0499},   {E24, 2e8, 0, 2e8},       {E24, 265, 0, 270},
        {E24, 8.3, 0, 8.2},       {E24, 4.6, 0, 4.7},       {E24, 3.2, 1, 3.3},
        {E24, 999.9999, 1, 1000}, {E24, 999.9999, -1, 910}, {E96, 999.9999, -1, 976},
        {E96, 101, 1, 102},
    };
    for (const auto& c : cases)
        expectNear(c.snap(c.value, c.direction, false), c.expected,
                   std::to_string(c.value) + " dir " + std::to_string(c.direction));
}

TEST(StandardSeries, RangeGuardKeepsValuesOutsideTheNetworksRange) {
    struct Case {
        SnapFn snap;
        double value;
        int direction;
        double guarded;
        double unguarded;
    };
    const Case cases[] = {
        {E96, 0.05, 0, 0.05, 0.0499},    {E24, 2e8, 0, 2e8, 2e8},
        {E96, 0.0999, 0, 0.0999, 0.1},   {E24, 1.2e8, 0, 1.2e8, 1.2e8},
        {E96, 1.005e8, 0, 1.005e8, 1e8}, {E96, 0.1, -1, 0.0976, 0.0976}, // 0.1 itself is in range
        {E24, 1e8, -1, 9.1e7, 9.1e7},
    };
    for (const auto& c : cases) {
        expectNear(c.snap(c.value, c.direction, true), c.guarded, std::to_string(c.value));
        expectNear(c.snap(c.value, c.direction, false), c.unguarded, std::to_string(c.value));
    }
    // A T-net arm can come out as a tiny negative rounding residue; it is shown as "Short".
    for (const auto& s : kSeries) {
        EXPECT_EQ(s.snap(-1e-15, 0, true), -1e-15) << s.name;
        for (bool guard : {false, true})
            for (int direction : {-1, 0, 1})
                EXPECT_EQ(s.snap(0.0, direction, guard), 0.0) << s.name;
    }
}

TEST(StandardSeries, NegativeOrNotANumberIsAnError) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const auto& s : kSeries)
        for (int direction : {-1, 0, 1}) {
            EXPECT_THROW(s.snap(-4.7, direction, false), CalcError) << s.name;
            EXPECT_THROW(s.snap(-1e-15, direction, false), CalcError) << s.name;
            EXPECT_THROW(s.snap(nan, direction, true), CalcError) << s.name;
            EXPECT_THROW(s.snap(std::numeric_limits<double>::infinity(), direction, false),
                         CalcError)
                << s.name;
        }
}

TEST(StandardSeries, ExtremeMagnitudesGiveFiniteNeighbours) {
    const double values[] = {1e-300, DBL_MIN, 1e-310, 1e-320, 5e-324, 1e300, 1e308};
    for (const auto& s : kSeries)
        for (double v : values)
            for (int direction : {-1, 0, 1}) {
                const double r = s.snap(v, direction, false);
                EXPECT_TRUE(std::isfinite(r) && r > 0) << s.name << " " << v;
                EXPECT_GT(r / v, 0.85) << s.name << " " << v; // denormals keep few digits
                EXPECT_LT(r / v, 1.15) << s.name << " " << v;
            }
    for (const auto& s : kSeries) {
        EXPECT_THROW(s.snap(DBL_MAX, 1, false), CalcError) << s.name; // 1.8e308 overflows
        EXPECT_TRUE(std::isfinite(s.snap(DBL_MAX, -1, false))) << s.name;
    }
}

// Reference, not the program: E-96 and E-24 as they were computed before the series became
// tables, each decade from the rounded geometric progression (E-24 corrected to its historical
// members). The tables must give the same result, bit for bit, everywhere.
namespace formula {

double scale(double x, int n) {
    if (n > 300 || n < -300)
        return scale(scale(x, n / 2), n - n / 2);
    return n >= 0 ? x * std::pow(10.0, n) : x / std::pow(10.0, -n);
}

std::vector<double> decade(bool e24) {
    std::vector<double> m;
    for (int i = 0; i <= (e24 ? 24 : 96); ++i)
        m.push_back(e24 ? 10.0 * std::nearbyint(10.0 * std::pow(10.0, i / 24.0))
                        : std::nearbyint(100.0 * std::pow(10.0, i / 96.0)));
    if (e24) {
        for (int i = 10; i <= 16; ++i)
            m[i] += 10.0;
        m[22] -= 10.0;
    }
    return m;
}

double snap(bool e24, double value, int direction, bool guard) {
    static const std::vector<double> m96 = decade(false), m24 = decade(true);
    const std::vector<double>& m = e24 ? m24 : m96;
    const int steps = static_cast<int>(m.size()) - 1;
    if (value == 0.0)
        return 0.0;
    if (guard && (value < 0.1 || value > 1e8))
        return value;
    double decades = Ln(value) / std::log(10.0);
    if (e24)
        decades = static_cast<float>(decades);
    const int exponent = ToInt16(std::floor(decades) - 2.0);
    double v = std::nearbyint(scale(value, -exponent) * 1e9) / 1e9;
    const double start = m[steps - 1] / 10.0;
    int upper = -1;
    double prev = start;
    for (int i = 0; i <= steps && upper < 0; prev = m[i], ++i)
        if (prev <= v && v <= m[i])
            upper = i;
    if (upper < 0)
        upper = v < start ? 0 : steps;
    auto member = [&](int i) { return i < 0 ? start : m[i]; };
    int chosen = upper;
    if (direction < 0)
        chosen = upper - 1;
    else if (direction == 0 && member(upper) - v > v - member(upper - 1))
        chosen = upper - 1;
    return Checked(chosen < 0 ? scale(m[steps - 1], exponent - 1) : scale(m[chosen], exponent));
}

} // namespace formula

TEST(StandardSeries, TablesGiveTheFormulaResultsEverywhere) {
    std::vector<double> values;
    std::mt19937_64 random(60063);
    std::uniform_real_distribution<double> decades(-3.0, 9.0);
    for (int i = 0; i < 200000; ++i)
        values.push_back(std::pow(10.0, decades(random)));
    // Every member and mid-point, typed and computed, in a few decades.
    for (const auto& s : kSeries)
        for (int exponent = -4; exponent <= 7; ++exponent)
            for (size_t i = 0; i < s.members.size(); ++i) {
                const double next = i + 1 < s.members.size() ? s.members[i + 1] : 1000;
                for (double mantissa : {double(s.members[i]), (s.members[i] + next) / 2.0}) {
                    values.push_back(typed(mantissa, exponent));
                    values.push_back(mantissa * std::pow(10.0, exponent));
                }
            }
    // Just around every power of ten, where the single-precision E-24 logarithm lifts the decade,
    // and the guard's edges and the ends of the double range.
    for (int k = -320; k <= 308; ++k)
        for (double f : {1 - 1e-6, 1 - 1e-8, 1 - 1e-12, 1 - 1e-15, 1.0, 1 + 1e-15, 1 + 1e-8})
            values.push_back(std::pow(10.0, k) * f);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double v : {0.0, -0.0, -1e-15, -4.7, nan, std::numeric_limits<double>::infinity(), DBL_MAX,
                     DBL_MIN, 5e-324, 0.1, std::nextafter(0.1, 0.0), 1e8, std::nextafter(1e8, 1e9)})
        values.push_back(v);

    auto outcome = [](auto&& f) -> std::optional<double> {
        try {
            return f();
        } catch (const CalcError&) {
            return std::nullopt;
        }
    };
    int mismatches = 0;
    for (double v : values)
        for (bool e24 : {false, true})
            for (bool guard : {false, true})
                for (int direction : {-1, 0, 1}) {
                    const auto expected =
                        outcome([&] { return formula::snap(e24, v, direction, guard); });
                    const auto got = outcome(
                        [&] { return e24 ? E24(v, direction, guard) : E96(v, direction, guard); });
                    if (got != expected && ++mismatches <= 10)
                        ADD_FAILURE() << std::setprecision(17) << (e24 ? "E24 " : "E96 ") << v
                                      << " direction " << direction << " guard " << guard << ": "
                                      << got.value_or(nan) << " instead of "
                                      << expected.value_or(nan) << " (nan: an error)";
                }
    EXPECT_EQ(mismatches, 0);
}

} // namespace
} // namespace oq
