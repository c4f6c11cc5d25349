#include "model/checked.h"
#include "model/resistor_combinations.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <tuple>

namespace oq {
namespace {

CombinationResult Search(Series series, double target, int length = 10, bool alone = true,
                         std::vector<double> excluded = {}) {
    CombinationParts parts;
    parts.series = series;
    parts.excluded = std::move(excluded);
    CombinationRequest request;
    request.target = target;
    request.listLength = length;
    request.targetAlone = alone;
    return FindCombinations(parts, request);
}

std::vector<std::string> Formulas(const std::vector<Combination>& list) {
    std::vector<std::string> out;
    for (const Combination& c : list)
        out.push_back(CombinationFormula(c));
    return out;
}

size_t Exact(const std::vector<Combination>& list) {
    return static_cast<size_t>(std::count_if(list.begin(), list.end(), [](const Combination& c) {
        return std::fabs(c.deviation) < 1e-12;
    }));
}

// Worked examples: 164 k in E-96 is 105 k + 59 k, the most balanced of six exact pairs.
TEST(ResistorCombinations, TheMostBalancedOfSixExactPairsMakes164k) {
    const CombinationResult r = Search(Series::E96, 164e3);
    ASSERT_FALSE(r.best[1].empty());
    EXPECT_EQ(CombinationFormula(r.best[1][0]), "105k + 59k");
    EXPECT_EQ(CombinationLine(r.best[1][0]), "105k + 59k = 164k  (0 %)");
    EXPECT_EQ(Exact(r.best[1]), 6u);
    const std::vector<std::string> formulas = Formulas(r.best[1]);
    EXPECT_EQ(std::vector<std::string>(formulas.begin(), formulas.begin() + 6),
              (std::vector<std::string>{"105k + 59k", "130k + 34k", "143k + 21k", "150k + 14k",
                                        "154k + 10k", "162k + 2k"}));
    for (size_t i = 0; i < 6; ++i)
        EXPECT_EQ(r.best[1][i].arrangement, Arrangement::Series2);
    // Balance orders the exact pairs: each spread is larger than the one before.
    for (size_t i = 1; i < 6; ++i)
        EXPECT_GT(r.best[1][i].spread(), r.best[1][i - 1].spread());
    // 164 k is no E-96 member; two parts beat one.
    EXPECT_NE(r.best[0][0].deviation, 0);
    ASSERT_NE(BestOverall(r), nullptr);
    EXPECT_EQ(BestOverall(r)->count(), 2);
}

TEST(ResistorCombinations, ReferencePairs) {
    // 241 ohm in E-96: 182 + 59 (221 + 20 and 226 + 15 are exact too, less balanced).
    const CombinationResult a = Search(Series::E96, 241);
    EXPECT_EQ(CombinationFormula(a.best[1][0]), "182 + 59");
    EXPECT_EQ(Exact(a.best[1]), 3u);
    // 14.7 k in E-12: 10 k + 4.7 k; 12 k + 2.7 k is also exact, less balanced.
    const CombinationResult b = Search(Series::E12, 14.7e3);
    EXPECT_EQ(Formulas(b.best[1]).at(0), "10k + 4.7k");
    EXPECT_EQ(Formulas(b.best[1]).at(1), "12k + 2.7k");
    EXPECT_EQ(Exact(b.best[1]), 2u);
    EXPECT_EQ(BestOverall(b)->count(), 2);
}

// A member is found with one resistor, unless it is excluded or may not stand alone; then the
// best is an exact pair.
TEST(ResistorCombinations, AMemberIsOneResistorUnlessExcluded) {
    const CombinationResult member = Search(Series::E24, 4700);
    EXPECT_EQ(CombinationFormula(member.best[0][0]), "4.7k");
    EXPECT_EQ(member.best[0][0].deviation, 0);
    EXPECT_EQ(BestOverall(member), &member.best[0][0]);
    // Fewer parts first: exact solutions with 2, 3 and 4 parts rank after the one part.
    EXPECT_EQ(Exact(member.best[1]) > 0, true);

    // 4.3 k and 5.1 k lie 400 ohm either side; the tie goes to the smaller part.
    const CombinationResult notAlone = Search(Series::E24, 4700, 10, false);
    EXPECT_EQ(Formulas(notAlone.best[0]).at(0), "4.3k");
    EXPECT_EQ(Formulas(notAlone.best[0]).at(1), "5.1k");
    EXPECT_EQ(BestOverall(notAlone)->count(), 2);
    EXPECT_EQ(CombinationFormula(*BestOverall(notAlone)), "2.7k + 2k");
    // Not alone, but still a part of larger arrangements: 4.7k // 4.7k + 4.7k // 4.7k.
    bool used = false;
    for (const Combination& c : notAlone.best[3])
        used = used || std::count(c.parts.begin(), c.parts.end(), 4700.0) > 0;
    EXPECT_TRUE(used);

    const CombinationResult excluded = Search(Series::E24, 4700, 10, true, {4700, 2700});
    EXPECT_EQ(CombinationFormula(excluded.best[0][0]), "4.3k");
    EXPECT_EQ(CombinationFormula(excluded.best[1][0]), "3.6k + 1.1k");
    for (const auto& list : excluded.best)
        for (const Combination& c : list)
            for (double p : c.parts) {
                EXPECT_NE(p, 4700);
                EXPECT_NE(p, 2700);
            }
}

TEST(ResistorCombinations, EveryArrangementHasItsFormula) {
    const std::vector<std::string> patterns = {
        "R1",
        "R1 + R2",
        "R1 // R2",
        "R1 + R2 + R3",
        "R1 // R2 // R3",
        "R1 + (R2 // R3)",
        "R1 // (R2 + R3)",
        "R1 + R2 + R3 + R4",
        "R1 // R2 // R3 // R4",
        "R1 + R2 + (R3 // R4)",
        "R1 // R2 // (R3 + R4)",
        "R1 + (R2 // R3 // R4)",
        "R1 // (R2 + R3 + R4)",
        "R1 + (R2 // (R3 + R4))",
        "R1 // (R2 + (R3 // R4))",
        "(R1 // R2) + (R3 // R4)",
        "(R1 + R2) // (R3 + R4)",
    };
    int counts[5] = {};
    for (size_t i = 0; i < patterns.size(); ++i) {
        const auto n = static_cast<Arrangement>(i);
        EXPECT_EQ(ArrangementPattern(n), patterns[i]);
        ++counts[PartCount(n)];
    }
    // The series-parallel networks of 1, 2, 3 and 4 parts.
    EXPECT_EQ(counts[1], 1);
    EXPECT_EQ(counts[2], 2);
    EXPECT_EQ(counts[3], 4);
    EXPECT_EQ(counts[4], 10);
    const std::array<double, 4> p = {1000, 2000, 3000, 6000};
    EXPECT_DOUBLE_EQ(ArrangementValue(Arrangement::SeriesOfParallel3, p),
                     1000 + 2000.0 * 3000 / 5000);
    EXPECT_DOUBLE_EQ(ArrangementValue(Arrangement::TwoSeriesInParallel, p), 3000.0 * 9000 / 12000);
    EXPECT_DOUBLE_EQ(ArrangementValue(Arrangement::ParallelOfNested4, p),
                     1000 * (2000 + 2000.0) / (1000 + 4000.0));
}

// ---- against a brute-force search ---------------------------------------------------------

struct Brute {
    double best[4] = {INFINITY, INFINITY, INFINITY, INFINITY}; // smallest |deviation| per count
    std::set<std::tuple<double, int, std::array<double, 4>, double>> solutions[4];
};

// Every arrangement with every tuple of parts. With `list`, every distinct solution, by
// arrangement, the parts as a multiset and its value.
Brute BruteForce(const std::vector<double>& parts, double target, bool list) {
    Brute b;
    const size_t n = parts.size();
    for (int net = 0; net <= static_cast<int>(Arrangement::TwoSeriesInParallel); ++net) {
        const auto arrangement = static_cast<Arrangement>(net);
        const int count = PartCount(arrangement);
        const size_t total = static_cast<size_t>(std::pow(n, count));
        for (size_t code = 0; code < total; ++code) {
            std::array<double, 4> p{};
            size_t c = code;
            for (int k = 0; k < count; ++k) {
                p[static_cast<size_t>(k)] = parts[c % n];
                c /= n;
            }
            const double value = ArrangementValue(arrangement, p);
            const double deviation = std::fabs(value / target - 1);
            double& best = b.best[count - 1];
            best = std::min(best, deviation);
            if (list) {
                std::array<double, 4> sorted = p;
                std::sort(sorted.begin(), sorted.end()); // the unused parts are 0
                const double q = std::round(deviation * 1e12);
                b.solutions[count - 1].insert({q, net, sorted, std::round(value * 1e6)});
            }
        }
    }
    return b;
}

TEST(ResistorCombinations, OptimumAgreesWithBruteForce) {
    std::mt19937 random(20240525);
    std::uniform_real_distribution<double> decade(0.0, 6.5); // 1 ohm .. 3 Mohm: some unreachable
    struct Case {
        Series series;
        double low, high;
        int targets;
    };
    for (const Case& k : {Case{Series::E3, 10, 1e6, 12}, Case{Series::E6, 10, 1e5, 6}}) {
        CombinationParts stock;
        stock.series = k.series;
        stock.low = k.low;
        stock.high = k.high;
        CombinationSearch search(stock);
        for (int t = 0; t < k.targets; ++t) {
            const double target = std::pow(10.0, decade(random));
            SCOPED_TRACE(std::string(SeriesName(k.series)) + " " + std::to_string(target));
            CombinationRequest request;
            request.target = target;
            const CombinationResult r = search.find(request);
            const Brute b = BruteForce(search.partList(), target, false);
            for (int n = 0; n < 4; ++n) {
                ASSERT_FALSE(r.best[static_cast<size_t>(n)].empty()) << n;
                const Combination& c = r.best[static_cast<size_t>(n)][0];
                EXPECT_EQ(c.count(), n + 1);
                EXPECT_NEAR(std::fabs(c.deviation), b.best[n], 1e-11 * (1 + b.best[n])) << n;
            }
        }
    }
}

// The ten best of each count are the ten best distinct solutions: the same deviations as the
// brute force's, each solution real and listed once.
TEST(ResistorCombinations, TenBestAgreeWithBruteForce) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> decade(1.0, 6.0);
    CombinationParts stock;
    stock.series = Series::E3;
    CombinationSearch search(stock);
    const std::vector<double>& parts = search.partList();
    ASSERT_EQ(parts.size(), 16u); // 10, 22, 47 ... 470 k, 1 M
    for (int t = 0; t < 4; ++t) {
        const double target = std::pow(10.0, decade(random));
        SCOPED_TRACE(target);
        CombinationRequest request;
        request.target = target;
        const CombinationResult r = search.find(request);
        const Brute b = BruteForce(parts, target, true);
        for (size_t n = 0; n < 4; ++n) {
            const auto& list = r.best[n];
            ASSERT_EQ(list.size(), 10u);
            std::vector<double> expected, found;
            for (const auto& s : b.solutions[n]) {
                if (expected.size() == 10)
                    break;
                expected.push_back(std::get<0>(s));
            }
            std::set<std::pair<int, std::array<double, 4>>> seen;
            for (const Combination& c : list) {
                found.push_back(std::round(std::fabs(c.deviation) * 1e12));
                EXPECT_DOUBLE_EQ(c.value, ArrangementValue(c.arrangement, c.parts));
                EXPECT_DOUBLE_EQ(c.deviation, c.value / target - 1);
                for (int k = 0; k < c.count(); ++k)
                    EXPECT_TRUE(std::binary_search(parts.begin(), parts.end(),
                                                   c.parts[static_cast<size_t>(k)]));
                EXPECT_TRUE(seen.insert({static_cast<int>(c.arrangement), c.parts}).second);
            }
            EXPECT_EQ(found, expected) << n;
        }
    }
}

TEST(ResistorCombinations, RankingAndLists) {
    const CombinationResult r = Search(Series::E24, 17.6, 10);
    for (const auto& list : r.best) {
        ASSERT_EQ(list.size(), 10u);
        for (size_t i = 1; i < list.size(); ++i)
            EXPECT_FALSE(RanksBefore(list[i], list[i - 1]));
    }
    const CombinationResult one = Search(Series::E24, 17.6, 1);
    for (size_t n = 0; n < 4; ++n) {
        ASSERT_EQ(one.best[n].size(), 1u);
        EXPECT_EQ(CombinationFormula(one.best[n][0]), CombinationFormula(r.best[n][0]));
    }
    CombinationParts stock;
    CombinationRequest request;
    request.target = 17.6;
    request.maxParts = 2;
    const CombinationResult two = FindCombinations(stock, request);
    EXPECT_FALSE(two.best[1].empty());
    EXPECT_TRUE(two.best[2].empty());
    EXPECT_TRUE(two.best[3].empty());
}

TEST(ResistorCombinations, RefusalsAndCancelling) {
    CombinationParts stock;
    CombinationSearch search(stock);
    for (double target : {0.0, -5.0, HUGE_VAL, std::nan(""), 1e-320, 1e300}) {
        CombinationRequest request;
        request.target = target;
        EXPECT_THROW(search.find(request), CalcError) << target;
    }
    CombinationParts wide;
    wide.low = 0.01;
    wide.high = 1e8; // ten decades
    EXPECT_THROW(CombinationPartList(wide), CalcError);
    wide.low = 0;
    EXPECT_THROW(CombinationPartList(wide), CalcError);
    wide.low = 1e9;
    wide.high = 1e13;
    EXPECT_THROW(CombinationPartList(wide), CalcError);
    CombinationParts none;
    none.low = 11.5;
    none.high = 11.9; // no E-24 member
    CombinationRequest request;
    request.target = 11;
    const CombinationResult empty = FindCombinations(none, request);
    for (const auto& list : empty.best)
        EXPECT_TRUE(list.empty());
    EXPECT_EQ(BestOverall(empty), nullptr);

    std::atomic<bool> cancel{true};
    const CombinationResult cancelled = search.find(request, &cancel);
    EXPECT_TRUE(cancelled.cancelled);
    for (const auto& list : cancelled.best)
        EXPECT_TRUE(list.empty());
}

TEST(ResistorCombinations, PartsOfARange) {
    CombinationParts e3;
    e3.series = Series::E3;
    e3.low = 10;
    e3.high = 1000;
    EXPECT_EQ(CombinationPartList(e3), (std::vector<double>{10, 22, 47, 100, 220, 470, 1000}));
    e3.excluded = {22, 470, 33};
    EXPECT_EQ(CombinationPartList(e3), (std::vector<double>{10, 47, 100, 220, 1000}));
    CombinationParts small;
    small.series = Series::E12;
    small.low = 0.1;
    small.high = 0.15;
    // The same doubles a user types.
    EXPECT_EQ(CombinationPartList(small), (std::vector<double>{0.1, 0.12, 0.15}));
    CombinationParts e192;
    e192.series = Series::E192;
    EXPECT_EQ(CombinationPartList(e192).size(), 5u * 192 + 1);
}

TEST(ResistorCombinations, Texts) {
    EXPECT_EQ(PartText(4700), "4.7k");
    EXPECT_EQ(PartText(59000), "59k");
    EXPECT_EQ(PartText(1e6), "1M");
    EXPECT_EQ(PartText(2.2e9), "2.2G");
    EXPECT_EQ(PartText(182), "182");
    EXPECT_EQ(PartText(0.47), "0.47");
    EXPECT_EQ(CombinationValueText(17.58241758), "17.5824");
    EXPECT_EQ(CombinationValueText(999999.9999), "1M");
    EXPECT_EQ(CombinationValueText(14676.2589), "14.6763k");
    EXPECT_EQ(DeviationText(0), "0 %");
    EXPECT_EQ(DeviationText(1e-15), "0 %");
    EXPECT_EQ(DeviationText(0.000312), "+0.0312 %");
    EXPECT_EQ(DeviationText(-0.0123), "-1.23 %");
    EXPECT_EQ(DeviationText(0.5), "+50 %");
    EXPECT_EQ(DeviationText(12.3456), "+1235 %");
    EXPECT_EQ(DeviationText(1e-8), "+0.000001 %");
    EXPECT_EQ(DeviationText(4e10), "+4e+12 %");
    EXPECT_EQ(PartText(2e12), "2T");
    EXPECT_TRUE(CombinationTarget(1e-6));
    EXPECT_TRUE(CombinationTarget(1e15));
    EXPECT_FALSE(CombinationTarget(1e-7));
    EXPECT_FALSE(CombinationTarget(2e15));

    const CombinationResult r = Search(Series::E12, 14.7e3, 2);
    CombinationParts stock;
    stock.series = Series::E12;
    stock.excluded = {3300};
    const std::string file = CombinationResultFile(14.7e3, stock, r, false);
    EXPECT_EQ(file.substr(0, file.find("\r\n\r\n")),
              "Target Value: 14.7k\r\nResistor Values: E-12 series, 10 to 1M\r\nExcluded: 3.3k");
    EXPECT_NE(file.find("\r\n\r\n2 resistors\r\n10k + 4.7k = 14.7k  (0 %)\r\n\r\n3 resistors"),
              std::string::npos);
    EXPECT_NE(CombinationResultFile(14.7e3, stock, r, true).find("12k + 2.7k = 14.7k  (0 %)\r\n"),
              std::string::npos);
}

} // namespace
} // namespace oq
