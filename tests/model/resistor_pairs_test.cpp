#include "model/checked.h"
#include "model/resistor_pairs.h"

#include <gtest/gtest.h>

namespace oq {
namespace {

constexpr float TwoDecimals = 1.2f;
constexpr Series E24 = Series::E24, E96 = Series::E96;

// Each line of a search without its deviation: "910 + 91 = 1001.00".
std::vector<std::string> Heads(Pairing how, Series series, double target, double tolerance) {
    std::vector<std::string> heads;
    for (const std::string& line : SearchPairs(how, series, target, tolerance, TwoDecimals).lines)
        heads.push_back(line.substr(0, line.find("  (")));
    return heads;
}

// Serial walks down from the target, parallel up; 510 + 510 and 470 + 510 fall outside the
// window, and 430 + 560 or 2200 // 1800 would mirror a line already listed and end the walk.
TEST(ResistorPairs, SearchWalksFromTheTargetAndStopsAtTheMirror) {
    EXPECT_EQ(Heads(Pairing::Serial, E24, 1000, 1),
              (std::vector<std::string>{"910 + 91 = 1001.00", "820 + 180 = 1000.00",
                                        "750 + 240 = 990.00", "680 + 330 = 1010.00",
                                        "620 + 390 = 1010.00", "560 + 430 = 990.00"}));
    EXPECT_EQ(Heads(Pairing::Parallel, E24, 1000, 1),
              (std::vector<std::string>{"1100 // 11000 = 1000.00", "1200 // 6200 = 1005.41",
                                        "1300 // 4300 = 998.21", "1500 // 3000 = 1000.00",
                                        "1600 // 2700 = 1004.65", "1800 // 2200 = 990.00",
                                        "2000 // 2000 = 1000.00"}));
    EXPECT_EQ(SearchPairs(Pairing::Serial, E24, 1000, 1, TwoDecimals).lines[2],
              "750 + 240 = 990.00  (-1.000%)");
    // Tolerance 0 keeps exact pairs only; 1000 + 4.7 is 0.02 % off 1004.5.
    EXPECT_EQ(Heads(Pairing::Serial, E24, 1000, 0),
              std::vector<std::string>{"820 + 180 = 1000.00"});
    EXPECT_EQ(Heads(Pairing::Parallel, E24, 1000, 0).size(), 3u);
    EXPECT_TRUE(Heads(Pairing::Serial, E24, 1004.5, 0).empty());
    EXPECT_EQ(Heads(Pairing::Serial, E24, 1004.5, 0.1).size(), 1u);
}

TEST(ResistorPairs, MemberTargetsAreRecognisedInTheirSeries) {
    auto member = [](Series series, double target) {
        return SearchPairs(Pairing::Serial, series, target, 5, TwoDecimals).targetIsMember;
    };
    EXPECT_TRUE(member(E24, 4.7) && member(E96, 4.99) && member(E96, 1e6));
    EXPECT_FALSE(member(E96, 4.7) || member(E24, 4.99) || member(E24, 1234));
    // 4.7 is in E-12 and not in E-48; 4.99 in E-192; 5.1 in E-24 alone.
    EXPECT_TRUE(member(Series::E12, 4.7) && member(Series::E192, 4.99));
    EXPECT_FALSE(member(Series::E48, 4.7) || member(Series::E12, 5.1) || member(Series::E192, 5.1));
}

// Over many decades and in every series the tabs offer: every pair lies in the window and none
// mirrors another.
TEST(ResistorPairs, EverySearchStaysInTheWindowWithoutMirrors) {
    for (const Pairing how : {Pairing::Serial, Pairing::Parallel})
        for (const Series series : {Series::E12, E24, Series::E48, E96, Series::E192})
            for (double target = 0.5; target < 2e7; target *= 3.7) {
                const PairSearch search = SearchPairs(how, series, target, 5, TwoDecimals);
                const std::string at =
                    std::to_string(target) + " " + std::string(SeriesCode(series));
                EXPECT_FALSE(search.lines.empty()) << at;
                std::vector<Pair> pairs;
                for (const std::string& line : search.lines) {
                    const Pair pair = ReadPairLine(how, line);
                    const double value = CombinePair(how, pair.r1, pair.r2);
                    EXPECT_GE(value, 0.95 * target * (1 - 1e-9)) << at;
                    EXPECT_LE(value, 1.05 * target * (1 + 1e-9)) << at;
                    // A pair may share a resistor with one before it (121k + 120k, then
                    // 120k + 120k in E-192), but never list the same two again, swapped.
                    for (const Pair& before : pairs)
                        EXPECT_FALSE(pair.r1 == before.r2 && pair.r2 == before.r1) << at;
                    pairs.push_back(pair);
                }
            }
}

// Where no resistor makes the value the caller shows its error label: no negative or endless R1.
TEST(ResistorPairs, ValuesWithoutResistorsAreRefused) {
    EXPECT_THROW(FirstOfPair(Pairing::Serial, 1000, 1200), CalcError);
    EXPECT_THROW(FirstOfPair(Pairing::Parallel, 1000, 1000), CalcError);
    EXPECT_THROW(FirstOfPair(Pairing::Parallel, 1000, 800), CalcError);
    EXPECT_THROW(CombinePair(Pairing::Parallel, 0, 0), CalcError);
    for (const Pairing how : {Pairing::Serial, Pairing::Parallel}) {
        EXPECT_THROW(SearchPairs(how, E96, 0, 5, TwoDecimals), CalcError);
        EXPECT_THROW(SearchPairs(how, E24, -10, 5, TwoDecimals), CalcError);
    }
    // The far ends of the number range end the walk instead of looping or overflowing silently.
    EXPECT_NO_THROW(SearchPairs(Pairing::Serial, Series::E192, 1e-300, 5, TwoDecimals));
    EXPECT_THROW(SearchPairs(Pairing::Parallel, Series::E192, 1.7e308, 5, TwoDecimals), CalcError);
}

// The tab's save test reads an E24 file with two decimals back; here E96, E192 and E12 with a bare
// target.
TEST(ResistorPairs, ResultFileHeadsTheListWithCrLfLines) {
    EXPECT_TRUE(ToleranceEntries().size() == 19 && ToleranceEntries()[11] == "1.5");
    EXPECT_EQ(PairResultFile(4.7, 0, "0.5", E96, {"x", "y"}),
              "Target Value: 4.7\r\nMax Tolerance: 0.5 %\r\nResistor Values: E96 series\r\n\r\n"
              "x\r\ny\r\n");
    EXPECT_NE(PairResultFile(4.7, 0, "0.5", Series::E192, {}).find("Values: E192 series\r\n"),
              std::string::npos);
    EXPECT_NE(PairResultFile(4.7, 0, "0.5", Series::E12, {}).find("Values: E12 series\r\n"),
              std::string::npos);
}

} // namespace
} // namespace oq
