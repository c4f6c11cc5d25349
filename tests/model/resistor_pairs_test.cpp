#include "model/checked.h"
#include "model/notation.h"
#include "model/resistor_pairs.h"
#include "model/shared_state.h"

#include <gtest/gtest.h>

namespace oq {
namespace {

constexpr float TwoDecimals = 1.2f;

struct Found {
    std::string r1, r2;
    double value;
};

// The pairs of a search, read back from its lines, and each line's value.
std::vector<Found> Listed(const PairSearch& search, Pairing how) {
    std::vector<Found> found;
    for (const std::string& line : search.lines) {
        const Pair pair = ReadPairLine(how, line);
        found.push_back({FormatFixedTrim(pair.r1, 0), FormatFixedTrim(pair.r2, 0),
                         CombinePair(how, pair.r1, pair.r2)});
    }
    return found;
}

void ExpectPairs(const PairSearch& search, Pairing how, const std::vector<Found>& expected) {
    const std::vector<Found> found = Listed(search, how);
    ASSERT_EQ(found.size(), expected.size());
    for (size_t i = 0; i < found.size(); ++i) {
        EXPECT_EQ(found[i].r1, expected[i].r1) << i;
        EXPECT_EQ(found[i].r2, expected[i].r2) << i;
        EXPECT_NEAR(found[i].value, expected[i].value, 0.01) << i;
    }
}

TEST(ResistorPairs, TheThirdValueFromTwo) {
    EXPECT_EQ(CombinePair(Pairing::Serial, 470, 1000), 1470);
    EXPECT_EQ(CombinePair(Pairing::Parallel, 2000, 2000), 1000);
    EXPECT_EQ(FirstOfPair(Pairing::Serial, 1470, 1000), 470);
    EXPECT_EQ(FirstOfPair(Pairing::Serial, 1000, 1000), 0);
    EXPECT_DOUBLE_EQ(FirstOfPair(Pairing::Parallel, 1000, 3000), 1500);
    // No resistor makes these: the caller shows its error label.
    EXPECT_THROW(FirstOfPair(Pairing::Serial, 1000, 1200), CalcError);   // R2 above R
    EXPECT_THROW(FirstOfPair(Pairing::Parallel, 1000, 1000), CalcError); // R2 equal to R
    EXPECT_THROW(FirstOfPair(Pairing::Parallel, 1000, 800), CalcError);  // R2 below R
    EXPECT_THROW(CombinePair(Pairing::Parallel, 0, 0), CalcError);
}

TEST(ResistorPairs, ToleranceListFromZeroToFivePercent) {
    const std::vector<std::string> expected = {"0",   "0.1", "0.2", "0.3", "0.4", "0.5", "0.6",
                                               "0.7", "0.8", "0.9", "1",   "1.5", "2",   "2.5",
                                               "3",   "3.5", "4",   "4.5", "5"};
    EXPECT_EQ(ToleranceEntries(), expected);
}

TEST(ResistorPairs, SerialSearchFallsFromTheTargetAndStopsAtTheMirror) {
    const PairSearch search = SearchPairs(Pairing::Serial, false, 1000, 1, TwoDecimals, TabSR);
    EXPECT_TRUE(search.targetIsMember);
    // 510 + 510 and 470 + 510 fall outside; 430 + 560 mirrors 560 + 430 and ends the search.
    ExpectPairs(search, Pairing::Serial,
                {{"910", "91", 1001},
                 {"820", "180", 1000},
                 {"750", "240", 990},
                 {"680", "330", 1010},
                 {"620", "390", 1010},
                 {"560", "430", 990}});
    ASSERT_EQ(search.lines.size(), 6u);
    EXPECT_EQ(search.lines[0], "910 + 91 = 1001.00  ( 0.100%)");
    EXPECT_EQ(search.lines[2], "750 + 240 = 990.00  (-1.000%)");
    EXPECT_EQ(search.lines[3], "680 + 330 = 1010.00  ( 1.000%)");
}

TEST(ResistorPairs, ParallelSearchRisesFromTheTargetAndStopsAtTheMirror) {
    const PairSearch search = SearchPairs(Pairing::Parallel, false, 1000, 1, TwoDecimals, TabPR);
    ExpectPairs(search, Pairing::Parallel,
                {{"1100", "11000", 1000},
                 {"1200", "6200", 1005.41},
                 {"1300", "4300", 998.21},
                 {"1500", "3000", 1000},
                 {"1600", "2700", 1004.65},
                 {"1800", "2200", 990},
                 {"2000", "2000", 1000}});
    ASSERT_EQ(search.lines.size(), 7u);
    EXPECT_EQ(search.lines[1], "1200 // 6200 = 1005.41  ( 0.541%)");
    EXPECT_EQ(search.lines[2], "1300 // 4300 = 998.21  (-0.179%)");
}

TEST(ResistorPairs, ToleranceZeroKeepsOnlyExactPairs) {
    ExpectPairs(SearchPairs(Pairing::Serial, false, 1000, 0, TwoDecimals, TabSR), Pairing::Serial,
                {{"820", "180", 1000}});
    ExpectPairs(SearchPairs(Pairing::Parallel, false, 1000, 0, TwoDecimals, TabPR),
                Pairing::Parallel,
                {{"1100", "11000", 1000}, {"1500", "3000", 1000}, {"2000", "2000", 1000}});
    // Nothing makes 1004.5 exactly; 1000 + 4.7 comes within 0.1 %.
    EXPECT_TRUE(SearchPairs(Pairing::Serial, false, 1004.5, 0, TwoDecimals, TabSR).lines.empty());
    EXPECT_EQ(SearchPairs(Pairing::Serial, false, 1004.5, 0.1, TwoDecimals, TabSR).lines.size(),
              1u);
}

TEST(ResistorPairs, MemberTargetsAreRecognisedInTheirSeries) {
    struct Case {
        bool e96;
        double target;
        bool member;
    };
    const Case cases[] = {{false, 4.7, true},   {true, 4.7, false}, {true, 4.99, true},
                          {false, 4.99, false}, {true, 1e6, true},  {false, 1234, false}};
    for (const Case& c : cases)
        EXPECT_EQ(
            SearchPairs(Pairing::Serial, c.e96, c.target, 5, TwoDecimals, TabSR).targetIsMember,
            c.member)
            << c.target << (c.e96 ? " E96" : " E24");
}

// Over many decades: every listed pair is made of members, lies in the window, and no line
// mirrors another.
TEST(ResistorPairs, EverySearchStaysInTheWindowWithoutMirrors) {
    for (const Pairing how : {Pairing::Serial, Pairing::Parallel})
        for (const bool e96 : {true, false})
            for (double target = 0.5; target < 2e7; target *= 3.7) {
                const PairSearch search = SearchPairs(how, e96, target, 5, TwoDecimals, TabSR);
                const std::vector<Found> found = Listed(search, how);
                const std::string at = std::to_string(target) + (e96 ? " E96" : " E24");
                EXPECT_FALSE(found.empty()) << at;
                for (size_t i = 0; i < found.size(); ++i) {
                    EXPECT_GE(found[i].value, 0.95 * target * (1 - 1e-9)) << at;
                    EXPECT_LE(found[i].value, 1.05 * target * (1 + 1e-9)) << at;
                    for (size_t j = 0; j < i; ++j)
                        EXPECT_NE(found[i].r1, found[j].r2) << at;
                }
            }
}

TEST(ResistorPairs, TargetsWithoutPairsAreRefused) {
    for (const Pairing how : {Pairing::Serial, Pairing::Parallel}) {
        EXPECT_THROW(SearchPairs(how, true, 0, 5, TwoDecimals, TabSR), CalcError);
        EXPECT_THROW(SearchPairs(how, false, -10, 5, TwoDecimals, TabSR), CalcError);
    }
    // The far ends of the number range end the walk instead of looping or overflowing silently.
    EXPECT_NO_THROW(SearchPairs(Pairing::Serial, true, 1e-300, 5, TwoDecimals, TabSR));
    EXPECT_THROW(SearchPairs(Pairing::Parallel, true, 1.7e308, 5, TwoDecimals, TabPR), CalcError);
}

TEST(ResistorPairs, LinesReadBackAsTheirPair) {
    struct Case {
        Pairing how;
        std::string line;
        double r1, r2;
    };
    const Case cases[] = {
        {Pairing::Serial, "910 + 91 = 1001.00  ( 0.100%)", 910, 91},
        {Pairing::Serial, ".47 + 4.3 = 4.77  ( 0.123%)", 0.47, 4.3},
        {Pairing::Parallel, "1200 // 6200 = 1005.41  ( 0.541%)", 1200, 6200},
        {Pairing::Parallel, "1E+15 // 2E+15 = 1.0  (-1.000%)", 1e15, 2e15},
    };
    for (const Case& c : cases) {
        const Pair pair = ReadPairLine(c.how, c.line);
        EXPECT_EQ(pair.r1, c.r1) << c.line;
        EXPECT_EQ(pair.r2, c.r2) << c.line;
    }
    EXPECT_EQ(PairLine(Pairing::Serial, 0.47, 910, 910.47, 910, TwoDecimals).substr(0, 10),
              ".47 + 910 ");
}

TEST(ResistorPairs, ResultFileHeadsTheListWithCrLfLines) {
    EXPECT_EQ(PairResultFile(1000, TwoDecimals, "1", false, {"910 + 91 = x", "820 + 180 = y"}),
              "Target Value: 1000.00\r\nMax Tolerance: 1 %\r\nResistor Values: E24 series\r\n"
              "\r\n910 + 91 = x\r\n820 + 180 = y\r\n");
    EXPECT_EQ(PairResultFile(4.7, 0, "0.5", true, {}),
              "Target Value: 4.7\r\nMax Tolerance: 0.5 %\r\nResistor Values: E96 series\r\n\r\n");
}

} // namespace
} // namespace oq
