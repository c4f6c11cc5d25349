#include "model/checked.h"
#include "model/number_bases.h"

#include <gtest/gtest.h>

namespace oq {
namespace {

TEST(NumberBases, EachNumberInTheFourBases) {
    struct Case {
        int32_t value;
        const char* dec;
        const char* hex;
        const char* oct;
        const char* bin;
    };
    const Case cases[] = {
        {0, "0", "0", "0", "0"},
        {5, "5", "5", "5", "101"},
        {8, "8", "8", "10", "1000"},
        {255, "255", "FF", "377", "1111 1111"},
        {365, "365", "16D", "555", "1 0110 1101"},
        {NumberBaseMax, "2147483647", "7FFFFFFF", "17777777777",
         "111 1111 1111 1111 1111 1111 1111 1111"},
    };
    for (const Case& c : cases) {
        const char* texts[] = {c.dec, c.hex, c.oct, c.bin};
        for (int b = 0; b < NumberBaseCount; ++b) {
            const auto base = static_cast<NumberBase>(b);
            EXPECT_EQ(NumberBaseText(base, c.value), texts[b]) << c.value << " base " << b;
            EXPECT_EQ(NumberBaseValue(base, texts[b]), c.value) << texts[b];
        }
    }
}

// Whatever its length, a text above the largest number is refused, never read modulo 2^32.
TEST(NumberBases, NothingWrapsAroundAtTheLimits) {
    struct Case {
        NumberBase base;
        const char* text;
        int32_t value; // -1: refused
    };
    const Case cases[] = {
        {BaseDecimal, "2147483647", NumberBaseMax},
        {BaseDecimal, "2147483648", -1},
        {BaseDecimal, "4294967296", -1},
        {BaseDecimal, "99999999999999999999999", -1},
        {BaseDecimal, "0000000000000000000000255", 255},
        {BaseHex, "7FFFFFFF", NumberBaseMax},
        {BaseHex, "80000000", -1},
        {BaseHex, "FFFFFFFF", -1},
        {BaseHex, "100000000", -1},
        {BaseHex, "1000000000000000F", -1},
        {BaseHex, "00000000000FF", 255},
        {BaseOctal, "17777777777", NumberBaseMax},
        {BaseOctal, "20000000000", -1},
        {BaseOctal, "40000000000", -1},
        {BaseBinary, "1000 0000 0000 0000 0000 0000 0000 0000", -1},
        {BaseBinary, "1 0000 0000 0000 0000 0000 0000 0000 0000", -1},
        {BaseBinary, "0000 0000 0000 0000 0000 0000 0000 0000 0000 0101", 5},
    };
    for (const Case& c : cases) {
        if (c.value < 0)
            EXPECT_THROW(NumberBaseValue(c.base, c.text), CalcError) << c.text;
        else
            EXPECT_EQ(NumberBaseValue(c.base, c.text), c.value) << c.text;
    }
    EXPECT_EQ(BinToDec("111 1111 1111 1111 1111 1111 1111 1111"), "2147483647");
    EXPECT_THROW(BinToDec("1000 0000 0000 0000 0000 0000 0000 0000"), CalcError);
}

TEST(NumberBases, BinaryDigitsAndGroups) {
    struct Bin {
        int32_t x;
        int16_t bits, usedBits;
        const char* digits;
    };
    const Bin bins[] = {{0, 1, 1, "0"}, {5, 1, 3, "101"}, {8, 1, 4, "1000"}, {5, 8, 8, "00000101"}};
    for (const Bin& b : bins) {
        int16_t bits = b.bits;
        EXPECT_EQ(DecToBin(b.x, bits), b.digits) << b.x;
        EXPECT_EQ(bits, b.usedBits) << b.x;
    }
    const char* groups[][2] = {{"", ""},
                               {"1", "1"},
                               {"0001", "0001"},
                               {"110101101", "1 1010 1101"},
                               {"11110000", "1111 0000"},
                               {"1 0110 1", "10 1101"},
                               {" 1  1 ", "11"}};
    for (const auto& g : groups)
        EXPECT_EQ(FormatBin(g[0]), g[1]) << g[0];
}

TEST(NumberBases, EachBoxTakesTheDigitsOfItsBase) {
    const char keys[] = "0179AFafg8 .-,";
    // Per box, what each key above puts in (_ for a refused key).
    const char* const taken[NumberBaseCount] = {
        "0179_____8____", // decimal
        "0179AFAF_8____", // hex
        "017___________", // octal
        "01____________", // binary
    };
    for (int b = 0; b < NumberBaseCount; ++b)
        for (int k = 0; keys[k]; ++k) {
            const char got = NumberBaseKey(static_cast<NumberBase>(b), keys[k]);
            EXPECT_EQ(got ? got : '_', taken[b][k]) << "box " << b << " key " << keys[k];
        }
}

TEST(NumberBases, PastedTextPassesTheSameFilter) {
    struct Case {
        NumberBase base;
        const char* text;
        int caret;
        const char* kept; // nullptr: refused
        int keptCaret;
    };
    const Case cases[] = {
        {BaseHex, "ff", 2, "FF", 2},
        {BaseDecimal, " 2 147 483 647\n", 14, "2147483647", 10},
        {BaseBinary, "1010 1111\t", 10, "1010 1111", 9},
        {BaseDecimal, "12x", 3, nullptr, 0},
        {BaseDecimal, "-5", 2, nullptr, 0},
        {BaseDecimal, "2.5", 3, nullptr, 0},
        {BaseOctal, "778", 3, nullptr, 0},
        {BaseBinary, "102", 3, nullptr, 0},
        {BaseHex, "0x1F", 4, nullptr, 0},
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        int caret = c.caret;
        const bool ok = NumberBaseFilter(c.base, text, caret);
        EXPECT_EQ(ok, c.kept != nullptr) << c.text;
        EXPECT_EQ(text, ok ? c.kept : c.text) << c.text;
        EXPECT_EQ(caret, ok ? c.keptCaret : c.caret) << c.text;
    }
}

TEST(NumberBases, CaretFollowsTheEntryLocation) {
    struct Case {
        const char *oldText, *typed, *shown;
        int oldCaret, caret;
        bool first;
        int expected;
    };
    const Case cases[] = {
        {"12", "123", "123", 2, 3, false, 3},                         // behind the new digit
        {"1011", "10110", "1 0110", 4, 5, false, 6},                  // regrouping adds a blank
        {"1111 1111", "1111 11111", "1 1111 1111", 9, 10, false, 11}, // and moves one
        {"", "1", "1", 0, 1, true, 0},                                // in front of the new digit
        {"1", "01", "01", 0, 1, true, 0},                             // so the next goes first
        {"12", "132", "132", 1, 2, true, 1},                          // in the middle too
        {"12", "3412", "3412", 0, 2, true, 0},                        // in front of a paste
        {"1 0110", "1 011", "1011", 6, 5, false, 4},                  // Backspace: where it was
        {"1234", "5", "5", 0, 1, true, 1},                            // typing over a selection
    };
    for (const Case& c : cases) {
        const int got =
            CaretAfterEntry({c.oldText, c.oldCaret, c.typed, c.caret, c.shown, c.first});
        EXPECT_EQ(got, c.expected) << c.oldText << " -> " << c.typed;
    }
}

TEST(NumberBases, EntryLocationSetting) {
    EXPECT_TRUE(EntryFirst("0001", 3));
    EXPECT_FALSE(EntryFirst("0001", 0));
    EXPECT_FALSE(EntryFirst("01", 3)); // a short text leaves the missing boxes unchecked
    EXPECT_FALSE(EntryFirst("ab1x", 3));
    EXPECT_EQ(WithEntryFirst("0001", 0, true), "1001");
    EXPECT_EQ(WithEntryFirst("0001", 3, false), "0000");
    EXPECT_EQ(WithEntryFirst("01", 3, true), "0101");
    EXPECT_EQ(WithEntryFirst("", 0, true), "1000");
}

} // namespace
} // namespace oq
