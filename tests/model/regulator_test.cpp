#include "model/checked.h"
#include "model/computations.h"
#include "model/regulator.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <tuple>

namespace oq {
namespace {

using K = RegulatorKind;

// Adjustable-regulator data-sheet forms: Vout = Vref (1 + R1/R2) with R2 to ground, and
// Vout = Vref (1 + R2/R1) + Iadj R2 for the three-terminal kind; figures to 0.5 mV.
TEST(Regulator, BothKindsBothWaysOnTheReferenceFigures) {
    struct Case {
        const char* what;
        K kind;
        double vref, iadj, vout, r1, r2;
    };
    const Case cases[] = {
        {"three-terminal 240 / 720 ohm", K::ThreeTerminal, 1.25, 0, 5.000, 240, 720},
        {"the same with 50 uA from the adjust pin", K::ThreeTerminal, 1.25, 50e-6, 5.036, 240, 720},
        {"standard 10 k / 10 k", K::Standard, 1.25, 0, 2.5, 10e3, 10e3},
        {"standard 0.8 V to 3.3 V", K::Standard, 0.8, 0, 3.3, 31.25e3, 10e3},
    };
    for (const Case& c : cases) {
        const RegulatorValues v = {c.vout, c.r1, c.r2};
        EXPECT_NEAR(RegulatorUnknown(c.kind, RegVout, c.vref, c.iadj, v), c.vout, 5e-4) << c.what;
        // Back from the output: the exact output of the pair gives the pair again.
        RegulatorValues exact = v;
        exact[RegVout] = RegulatorVout(c.kind, c.vref, c.iadj, c.r1, c.r2);
        EXPECT_NEAR(RegulatorUnknown(c.kind, RegR1, c.vref, c.iadj, exact), c.r1, 1e-9 * c.r1)
            << c.what;
        EXPECT_NEAR(RegulatorUnknown(c.kind, RegR2, c.vref, c.iadj, exact), c.r2, 1e-9 * c.r2)
            << c.what;
    }
    // An output below Vref has no pair; on the three-terminal kind Iadj alone can overshoot it.
    EXPECT_THROW(RegulatorUnknown(K::Standard, RegR1, 1.25, 0, {1.0, 0, 10e3}), CalcError);
    EXPECT_THROW(RegulatorUnknown(K::ThreeTerminal, RegR2, 1.25, 0, {1.0, 240, 0}), CalcError);
    EXPECT_THROW(RegulatorUnknown(K::ThreeTerminal, RegR1, 1.25, 50e-6, {1.26, 0, 1e3}), CalcError);
    EXPECT_THROW(RegulatorUnknown(K::Standard, RegVout, 1.25, 0, {0, 10e3, 0}), CalcError);
}

// Standard kind, R1 = R2 = 10 k, Vref 1.225 / 1.25 / 1.275 V, 1 % resistors.
TEST(Regulator, WorstCaseReferenceFigures) {
    const RegulatorData data{K::Standard, {1.225, 1.25, 1.275}, {}};
    const WorstCase w = RegulatorWorstCase(data, 10e3, 10e3, 1);
    EXPECT_NEAR(w.min, 2.4257, 5e-5);
    EXPECT_NEAR(w.typ, 2.5, 1e-12);
    EXPECT_NEAR(w.max, 2.5758, 5e-5);
    // In percent of the typical output, not of the maximum.
    EXPECT_NEAR(w.below, -2.97, 5e-3);
    EXPECT_NEAR(w.above, 3.03, 5e-3);

    const RegulatorData adj{K::ThreeTerminal, {1.2, 1.25, 1.3}, {0, 50e-6, 100e-6}};
    const WorstCase t = RegulatorWorstCase(adj, 240, 720, 0);
    EXPECT_NEAR(t.typ, 5.036, 5e-4);
    EXPECT_NEAR(t.min, 4.8, 5e-4);         // 1.20 x 4, no adjust current
    EXPECT_NEAR(t.max, 5.2 + 0.072, 5e-4); // 1.30 x 4 + 100 uA x 720
}

// The bounds are reached at the corners of every input and hold everything between them.
TEST(Regulator, WorstCaseBoundsAreTheCornersOfEveryInput) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int n = 0; n < 400; ++n) {
        const K kind = n % 2 ? K::ThreeTerminal : K::Standard;
        const double vref = 0.5 + unit(random);
        const double spread = 0.05 * unit(random);
        RegulatorData d{kind, {vref * (1 - spread), vref, vref * (1 + spread)}, {}};
        if (kind == K::ThreeTerminal)
            d.iadj = {20e-6 * unit(random), 50e-6, 50e-6 + 50e-6 * unit(random)};
        const double r1 = 100 + 1e4 * unit(random), r2 = 100 + 1e4 * unit(random);
        const double tol = RegulatorTolerances[static_cast<size_t>(n) % 5];
        const WorstCase w = RegulatorWorstCase(d, r1, r2, tol);
        ASSERT_LE(w.min, w.typ);
        ASSERT_LE(w.typ, w.max);
        double lowest = INFINITY, highest = -INFINITY;
        for (int corner = 0; corner < 16; ++corner) {
            auto pick = [&](int bit, double a, double b) { return corner & (1 << bit) ? b : a; };
            const double v = RegulatorVout(kind, pick(0, d.vref.min, d.vref.max),
                                           pick(1, d.iadj.min, d.iadj.max),
                                           pick(2, r1 * (1 - tol / 100), r1 * (1 + tol / 100)),
                                           pick(3, r2 * (1 - tol / 100), r2 * (1 + tol / 100)));
            lowest = std::min(lowest, v);
            highest = std::max(highest, v);
        }
        EXPECT_NEAR(w.min, lowest, 1e-12 * highest);
        EXPECT_NEAR(w.max, highest, 1e-12 * highest);
        const double inside =
            RegulatorVout(kind, d.vref.min + (d.vref.max - d.vref.min) * unit(random),
                          d.iadj.min + (d.iadj.max - d.iadj.min) * unit(random),
                          r1 * (1 + tol / 100 * (2 * unit(random) - 1)),
                          r2 * (1 + tol / 100 * (2 * unit(random) - 1)));
        EXPECT_LE(w.min, inside);
        EXPECT_GE(w.max, inside);
        EXPECT_NEAR(w.below, (w.min - w.typ) / w.typ * 100, 1e-9);
    }
}

// Every pair of the series, the ranged resistor within its range and the other within the
// limits, ranked the search's way.
std::vector<RegulatorPair> BruteForce(K kind, double vref, double iadj, double wanted,
                                      Series series, ResistorRange range, size_t count) {
    std::vector<double> members;
    for (double e = 1; e <= 1e8; e *= 10)
        for (int m : SeriesMembers(series))
            if (m * e / 100 <= ResistorLimits.high)
                members.push_back(m * e / 100);
    const double middle = std::sqrt(range.low * range.high);
    std::vector<std::tuple<double, double, RegulatorPair>> all;
    for (double ranged : members) {
        if (ranged < range.low * (1 - 1e-12) || ranged > range.high * (1 + 1e-12))
            continue;
        for (double other : members) {
            RegulatorPair p;
            p.r1 = kind == K::Standard ? other : ranged;
            p.r2 = kind == K::Standard ? ranged : other;
            p.vout = RegulatorVout(kind, vref, iadj, p.r1, p.r2);
            p.error = (p.vout - wanted) / wanted * 100;
            all.emplace_back(std::round(std::fabs(p.error) * 1e8),
                             std::fabs(std::log(ranged / middle)), p);
        }
    }
    std::sort(all.begin(), all.end(), [](const auto& a, const auto& b) {
        return std::tie(std::get<0>(a), std::get<1>(a)) < std::tie(std::get<0>(b), std::get<1>(b));
    });
    std::vector<RegulatorPair> best;
    for (size_t i = 0; i < count && i < all.size(); ++i)
        best.push_back(std::get<2>(all[i]));
    return best;
}

TEST(Regulator, PairSearchAgreesWithBruteForceOnE12) {
    struct Case {
        K kind;
        double vref, iadj, wanted;
        ResistorRange range;
    };
    std::vector<Case> cases;
    for (double wanted : {1.3, 1.8, 2.5, 3.3, 5.0, 7.77, 12.0, 15.0, 24.0})
        for (double vref : {0.6, 0.8, 1.25}) {
            cases.push_back({K::Standard, vref, 0, wanted, {1e3, 1e5}});
            cases.push_back({K::Standard, vref, 0, wanted, {4.7e3, 4.7e3}});
        }
    for (double wanted : {1.5, 3.3, 5.0, 9.0, 12.0, 24.0, 33.0})
        for (double iadj : {0.0, 50e-6, 100e-6}) {
            cases.push_back({K::ThreeTerminal, 1.25, iadj, wanted, {120, 240}});
            cases.push_back({K::ThreeTerminal, 1.25, iadj, wanted, {100, 1000}});
        }
    for (const Case& c : cases) {
        const auto found =
            SearchRegulatorPairs(c.kind, c.vref, c.iadj, c.wanted, Series::E12, c.range, 10);
        const auto brute = BruteForce(c.kind, c.vref, c.iadj, c.wanted, Series::E12, c.range, 10);
        ASSERT_EQ(found.size(), brute.size()) << c.wanted;
        for (size_t i = 0; i < found.size(); ++i) {
            EXPECT_NEAR(std::fabs(found[i].error), std::fabs(brute[i].error), 1e-9)
                << c.wanted << " V, place " << i;
            EXPECT_NEAR(found[i].vout,
                        RegulatorVout(c.kind, c.vref, c.iadj, found[i].r1, found[i].r2), 1e-12);
        }
        // The best pair is the brute force's, resistor for resistor.
        ASSERT_FALSE(found.empty());
        EXPECT_NEAR(found[0].r1, brute[0].r1, 1e-9 * brute[0].r1) << c.wanted;
        EXPECT_NEAR(found[0].r2, brute[0].r2, 1e-9 * brute[0].r2) << c.wanted;
    }
}

TEST(Regulator, PairSearchJudgesTheWholeOutputAndPrefersTheMiddleOfTheRange) {
    // 5 V from 1.25 V is R1 = 3 R2: exact in E-24 at every ranged value with a partner three
    // times it; 10 k sits in the middle of 1 k .. 100 k.
    const auto five = SearchRegulatorPairs(K::Standard, 1.25, 0, 5, Series::E24, {1e3, 1e5}, 10);
    ASSERT_EQ(five.size(), 10u);
    EXPECT_DOUBLE_EQ(five[0].r1, 30e3);
    EXPECT_DOUBLE_EQ(five[0].r2, 10e3);
    EXPECT_NEAR(five[0].error, 0, 1e-12);
    for (const RegulatorPair& p : five)
        EXPECT_GE(p.r2, 1e3);

    // With 100 uA through the adjust pin, the pair the ratio alone picks (240 / 720) gives
    // 5.072 V; the search finds one closer to 5 V.
    const auto adj =
        SearchRegulatorPairs(K::ThreeTerminal, 1.25, 100e-6, 5, Series::E24, {120, 240}, 1);
    ASSERT_EQ(adj.size(), 1u);
    EXPECT_LT(std::fabs(adj[0].error), std::fabs((5.072 - 5) / 5 * 100));
    EXPECT_GE(adj[0].r1, 120);
    EXPECT_LE(adj[0].r1, 240);

    // No pair gives an output at or below Vref, nor from a range without members.
    EXPECT_TRUE(
        SearchRegulatorPairs(K::Standard, 1.25, 0, 1.25, Series::E24, {1e3, 1e5}, 10).empty());
    EXPECT_TRUE(
        SearchRegulatorPairs(K::Standard, 1.25, 0, 5, Series::E3, {2.3e3, 4.6e3}, 10).empty());
}

TEST(Regulator, MissingFiguresAndRanges) {
    auto spread = [](std::optional<double> a, std::optional<double> b, std::optional<double> c,
                     bool zero) {
        const auto s = CompleteSpread(a, b, c, zero);
        return s ? std::make_tuple(s->min, s->typ, s->max) : std::make_tuple(-1.0, -1.0, -1.0);
    };
    using T = std::tuple<double, double, double>;
    EXPECT_EQ(spread({}, 1.25, {}, false), T(1.25, 1.25, 1.25));
    EXPECT_EQ(spread(1.2, {}, 1.3, false), T(1.2, 1.25, 1.3));
    EXPECT_EQ(spread({}, 50e-6, 100e-6, true), T(0, 50e-6, 100e-6)); // Iadj min 0 unless given
    EXPECT_EQ(spread({}, {}, {}, true), T(-1, -1, -1));

    EXPECT_EQ(RegulatorFiguresProblem({K::Standard, {1.3, 1.25, 1.4}, {}}), RegulatorOrderWrong);
    EXPECT_EQ(RegulatorFiguresProblem({K::ThreeTerminal, {1.2, 1.25, 1.3}, {0, 60e-6, 50e-6}}),
              RegulatorOrderWrong);
    EXPECT_EQ(RegulatorFiguresProblem(RegulatorPresets()[0].data), "");
    EXPECT_EQ(RegulatorRangeProblem(K::ThreeTerminal, {100, 1000}), "");
    EXPECT_EQ(RegulatorRangeProblem(K::ThreeTerminal, {90, 240}), RegulatorRangeWrong);
    EXPECT_EQ(RegulatorRangeProblem(K::Standard, {1e5, 1e3}), RegulatorRangeWrong);
    EXPECT_EQ(RegulatorRangeProblem(K::Standard, {1e3, 1e5}), "");
}

} // namespace
} // namespace oq

namespace oq {
namespace {

// The command line's computation: the tab's figures under the lower-case names, in SI units.
TEST(Regulator, ComputationUnderItsNames) {
    using Status = Outcome::Status;
    struct Case {
        const char* what;
        std::map<std::string, double> values;
        std::map<std::string, std::string> texts;
        Status status;
        std::map<std::string, double> expect;
        std::string message = {};
        std::string line = {};
    };
    const Case cases[] = {
        {"three-terminal 240 / 720 ohm with 50 uA",
         {{"vref", 1.25}, {"r1", 240}, {"r2", 720}, {"iadj", 50e-6}},
         {{"kind", "three-terminal"}},
         Status::Done,
         {{"vout", 5.036}}},
        {"standard 10 k / 10 k worst case at 1 %",
         {{"vref_min", 1.225}, {"vref", 1.25}, {"vref_max", 1.275}, {"r1", 1e4}, {"r2", 1e4}},
         {{"tolerance", "1"}},
         Status::Done,
         {{"vout", 2.5},
          {"vout_min", 2.4257},
          {"vout_max", 2.5758},
          {"deviation_below", -2.97},
          {"deviation_above", 3.03}}},
        {"R2 of a standard 0.8 V regulator for 3.3 V",
         {{"vref", 0.8}, {"vout", 3.3}, {"r1", 31250}},
         {},
         Status::Done,
         {{"r2", 1e4}}},
        {"the best E-24 pair for 5 V and the ten best",
         {{"vref", 1.25}, {"vout", 5}, {"r2", 12345}},
         {{"series", "E-24"}, {"list", "1"}},
         Status::Done,
         {{"r1", 3e4}, {"r2", 1e4}, {"error", 0}, {"wanted", 5}},
         "",
         "R1 30 k, R2 10 k: 5.0000 V (0.000 %)"},
        {"an output below Vref",
         {{"vref", 1.25}, {"vout", 1}, {"r2", 1e4}},
         {},
         Status::Calculation,
         {},
         RegulatorBelowVref},
        {"Vref limits out of order",
         {{"vref_min", 1.3}, {"vref", 1.25}, {"r1", 1e4}, {"r2", 1e4}},
         {},
         Status::Calculation,
         {},
         RegulatorOrderWrong},
        {"an R1 range below 100 ohm",
         {{"vref", 1.25}, {"vout", 5}, {"r1", 240}, {"range_low", 90}},
         {{"kind", "three-terminal"}, {"series", "E-24"}},
         Status::Calculation,
         {},
         RegulatorRangeWrong},
        {"Iadj on the standard kind",
         {{"vref", 1.25}, {"r1", 1e4}, {"r2", 1e4}, {"iadj", 50e-6}},
         {},
         Status::Usage,
         {},
         "reg: iadj only"},
        {"no Vref", {{"r1", 1e4}, {"r2", 1e4}}, {}, Status::Usage, {}, "reg: vref is needed"},
        {"a series no one makes",
         {{"vref", 1.25}, {"r1", 1e4}, {"r2", 1e4}},
         {{"series", "E-7"}},
         Status::Usage,
         {},
         "reg: unknown series"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Outcome out = ComputeRegulator({c.values, c.texts});
        ASSERT_EQ(out.status, c.status) << out.message;
        EXPECT_EQ(out.message.rfind(c.message, 0), 0u) << out.message;
        for (const auto& [name, want] : c.expect) {
            ASSERT_TRUE(out.results.count(name)) << name;
            EXPECT_NEAR(out.results.at(name), want, 5e-4 * std::max(1.0, std::fabs(want))) << name;
        }
        if (!c.line.empty()) {
            ASSERT_EQ(out.list.size(), 10u);
            EXPECT_EQ(out.list.front(), c.line);
        }
    }
}

} // namespace
} // namespace oq
