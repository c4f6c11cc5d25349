#include "model/checked.h"
#include "model/number_bases.h"

#include <gtest/gtest.h>
#include <tuple>

namespace oq {
namespace {

TEST(NumberBases, EachNumberInTheFourBases) {
    const char* const cases[][4] = {
        {"0", "0", "0", "0"},
        {"8", "8", "10", "1000"},
        {"365", "16D", "555", "1 0110 1101"},
        {"2147483647", "7FFFFFFF", "17777777777", "111 1111 1111 1111 1111 1111 1111 1111"},
    };
    for (const auto& texts : cases) {
        const int32_t value = NumberBaseValue(BaseDecimal, texts[0]);
        for (int b = 0; b < NumberBaseCount; ++b) {
            EXPECT_EQ(NumberBaseText(static_cast<NumberBase>(b), value), texts[b]);
            EXPECT_EQ(NumberBaseValue(static_cast<NumberBase>(b), texts[b]), value) << texts[b];
        }
    }
    EXPECT_EQ(FormatBin("0001"), "0001"); // a typed binary text keeps its leading zeros
    EXPECT_EQ(FormatBin("1 0110 1"), "10 1101");
}

// Whatever its length, a text above the largest number is refused, never read modulo 2^32.
TEST(NumberBases, NothingWrapsAroundAtTheLimits) {
    const std::pair<NumberBase, const char*> refused[] = {
        {BaseDecimal, "2147483648"}, {BaseDecimal, "99999999999999999999999"},
        {BaseHex, "80000000"},       {BaseHex, "FFFFFFFF"},
        {BaseHex, "100000000"},      {BaseOctal, "20000000000"},
        {BaseOctal, "40000000000"},  {BaseBinary, "1000 0000 0000 0000 0000 0000 0000 0000"},
    };
    for (const auto& [base, text] : refused)
        EXPECT_THROW(NumberBaseValue(base, text), CalcError) << text;
    EXPECT_EQ(NumberBaseValue(BaseHex, "00000000000000FF"), 255);
    EXPECT_THROW(BinToDec("1 0000 0000 0000 0000 0000 0000 0000 0000"), CalcError);
}

TEST(NumberBases, TypedAndPastedTextPassTheSameFilter) {
    const char keys[] = "0179AFafg8 .-,";
    const char* const taken[NumberBaseCount] = {"0179_____8____", "0179AFAF_8____",
                                                "017___________", "01____________"};
    for (int b = 0; b < NumberBaseCount; ++b)
        for (int k = 0; keys[k]; ++k) {
            const char got = NumberBaseKey(static_cast<NumberBase>(b), keys[k]);
            EXPECT_EQ(got ? got : '_', taken[b][k]) << "box " << b << " key " << keys[k];
        }
    // Base, text, what is kept (nullptr: refused, text and caret untouched), caret, kept caret.
    const std::tuple<NumberBase, const char*, const char*, int, int> cases[] = {
        {BaseHex, "ff", "FF", 2, 2},
        {BaseDecimal, " 2 147 483 647\n", "2147483647", 14, 10},
        {BaseBinary, "1010 1111\t", "1010 1111", 10, 9},
        {BaseDecimal, "-5", nullptr, 2, 2},
        {BaseOctal, "778", nullptr, 3, 3},
        {BaseHex, "0x1F", nullptr, 4, 4},
    };
    for (const auto& [base, given, kept, givenCaret, keptCaret] : cases) {
        std::string text = given;
        int caret = givenCaret;
        EXPECT_EQ(NumberBaseFilter(base, text, caret), kept != nullptr) << given;
        EXPECT_EQ(text, kept ? kept : given);
        EXPECT_EQ(caret, keptCaret) << given;
    }
}

TEST(NumberBases, CaretFollowsTheEntryLocation) {
    // Before, after the key, shown, caret before, caret after, new entry first, caret set.
    const std::tuple<const char*, const char*, const char*, int, int, bool, int> cases[] = {
        {"1011", "10110", "1 0110", 4, 5, false, 6},                  // regrouping adds a blank
        {"1111 1111", "1111 11111", "1 1111 1111", 9, 10, false, 11}, // and moves one
        {"1", "01", "01", 0, 1, true, 0},      // in front, so the next digit goes first
        {"12", "132", "132", 1, 2, true, 1},   // in the middle too
        {"12", "3412", "3412", 0, 2, true, 0}, // in front of a paste
        {"1 0110", "1 011", "1011", 6, 5, false, 4},
        {"1234", "5", "5", 0, 1, true, 1}, // typed over a selection: the text did not grow
    };
    for (const auto& [oldText, typed, shown, oldCaret, caret, first, expected] : cases)
        EXPECT_EQ(CaretAfterEntry({oldText, oldCaret, typed, caret, shown, first}), expected)
            << oldText << " -> " << typed;
}

TEST(NumberBases, EntryLocationSetting) {
    EXPECT_TRUE(EntryFirst("0001", 3));
    EXPECT_FALSE(EntryFirst("0001", 0));
    EXPECT_FALSE(EntryFirst("01", 3)); // a short text leaves the missing boxes unchecked
    EXPECT_EQ(WithEntryFirst("0001", 0, true), "1001");
    EXPECT_EQ(WithEntryFirst("01", 3, true), "0101");
}

} // namespace
} // namespace oq
