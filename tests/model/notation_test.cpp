#include "model/notation.h"

#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

using oq::FormatEng;
using oq::FormatFixed;
using oq::FormatFixedTrim;
using oq::NumberText;
using oq::NumberTextSingle;
using oq::TextValue;

const std::string Micro = "\xC2\xB5";

struct EngCase {
    double x;
    const char* unit;
    float code;
    std::string expected;
};

TEST(NotationFormatEng, DocumentedExamples) {
    const std::vector<EngCase> cases = {
        {1500, ";V;", 1.2f, "1.50 kV"},
        {0.000047, ";A;", 1.2f, "47.00 " + Micro + "A"},
        {15, ";V;", 1.2f, "15.00 V"},
        {0, ";W;", 1.2f, "0.00 W"},
        {0, ";V;", 1.2f, "0.00 V"},
        {-2200, ";Ohm;", 1.1f, "-2.2 kOhm"},
        {999.7, ";Ohm;", 1.2f, "1.00 kOhm"},
        {999.4, ";Ohm;", 1.2f, "999.40 Ohm"},
        {1500, "; ;", 1.2f, "1.50 k"},
        {15, "; ;", 1.2f, "15.00"},
        {1500, ";V;", 0, "1.5 kV"},
        {0.5, ";V;", -1.2f, "500.00 mV"},
        {1234.5, ";V;", 104, "1.235 kV"},
        {2.5E13, ";W;", 1.2f, "25.00 TW"},
        {1E-15, ";A;", 1.2f, "0.00 pA"},
        {4.7e-8, ";A;", 1.1f, "47.0 nA"},
        {3.3e6, ";Ohm;", 1.0f, "3 MOhm"},
        {2.2e9, ";V;", 1.2f, "2.20 GV"},
        {1234.5, ";V;", 101, "Error: IntFrac= 101  kV"},
        {15, "V", 1.2f, " 15.00 V "}, // no markers: the blanks stay
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatEng(c.x, c.unit, c.code), c.expected) << c.x << " code " << c.code;
}

struct FixedCase {
    double x;
    float code;
    std::string expected;
};

TEST(NotationFormatFixed, KeepsFieldBlanks) {
    const std::vector<FixedCase> cases = {
        {3.14159, 1.2f, " 3.14"},           {3.14159, 5.2f, "    3.14"},
        {-3.14159, 5.2f, "   -3.14"},       {12345.678, 104, "  12346"},
        {1.0 / 3, 0, " 0.333333333333333"}, {-0.25, 0, "-0.25"},
        {7, 101, "Error: IntFrac= 101 "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFixed(c.x, c.code), c.expected) << c.x << " code " << c.code;
}

TEST(NotationFormatFixedTrim, DocumentedExamples) {
    const std::vector<FixedCase> cases = {
        {2.5, 1.2f, "2.50"},
        {2.675, 1.2f, "2.68"},
        {1234.5, 106, "1234.50"},
        {0.0123456, 104, "0.012"},
        {9.9996, 104, "10.00"},
        {0, 1.2f, "0.00"},
        {-0.001, 1.2f, "-0.00"},
        {2.5, 1.0f, "3"},
        {0.5, 1.0f, "1"},
        {-2.5, 1.0f, "-3"},
        {-3.14159, 1.2f, "-3.14"},
        {2.5, -1.0f, "2"},
        {-2.99, -1.1f, "-2.9"},
        {7, 1.3f, "7.000"},
        {7, 1.0f, "7"},
        {7, 101, "Error: IntFrac= 101"},
        {7, -101, "Error: IntFrac= 101"},
        {1.5E20, 0, "150000000000000000000"},
        {1e-7, 0, "0.0000001"},
        {1e15, 1.2f, "1000000000000000.00"},
        {1e15, 103, "1000000000000000"},
        {0.123456, 107, "0.123456"},
        {42, std::nanf(""), "42"},
        // Found by the fuzzer: the scaled value passes 2^53 and fell just below the integer.
        {1085767732417, 1.6f, "1085767732417.000000"},
        {-1085767732417, 1.6f, "-1085767732417.000000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFixedTrim(c.x, c.code), c.expected) << c.x << " code " << c.code;
}

TEST(NotationNumberText, Renderings) {
    const std::vector<std::pair<double, std::string>> cases = {
        {0.25, " .25"},
        {-0.5, "-.5"},
        {0, " 0"},
        {1e15, " 1E+15"},
        {1.5e16, " 1.5E+16"},
        {-1.5e16, "-1.5E+16"},
        {1e100, " 1E+100"},
        {999999999999999, " 999999999999999"},
        {123.456, " 123.456"},
        {1.0 / 3, " .333333333333333"},
        {1e-7, " .0000001"},
        {0.1 + 0.2, " .3"},
    };
    for (const auto& [v, expected] : cases)
        EXPECT_EQ(NumberText(v), expected) << v;
}

TEST(NotationNumberText, DecimalsCodeTexts) {
    EXPECT_EQ(NumberTextSingle(101.0f), " 101");
    EXPECT_EQ(NumberTextSingle(1.2f), " 1.2");
    EXPECT_EQ(NumberTextSingle(1.0f), " 1");
    EXPECT_EQ(NumberTextSingle(0.0f), " 0");
    EXPECT_EQ(NumberTextSingle(103.0f), " 103");
    EXPECT_EQ(NumberTextSingle(-1.2f), "-1.2");
    // Every code the program writes reads back as the same single-precision code.
    for (const float code : {1.0f, 1.1f, 1.2f, 1.3f, 1.4f, 1.5f, 1.6f, 0.0f, 103.0f, 104.0f, 105.0f,
                             106.0f, 107.0f, -1.2f})
        EXPECT_EQ(static_cast<float>(TextValue(NumberTextSingle(code))), code) << code;
}

TEST(NotationTextValue, ReadsLeadingNumber) {
    const std::vector<std::pair<std::string, double>> cases = {
        {"12abc", 12},
        {"abc", 0},
        {"", 0},
        {".5", 0.5},
        {"-.5", -0.5},
        {" 1 2.5", 12.5},
        {"\t-3\n", -3},
        {"+7", 7},
        {"1.5E3", 1500},
        {"1.5e3", 1500},
        {"2D-3", 0.002},
        {"1E", 1},
        {"1E+", 1},
        {"1.2.3", 1.2},
        {"1,5", 1},
        {"--5", 0},
        {".", 0},
        {"&HFF", 255},
        {"&hff", 255},
        {"&H7FFFFFFF", 2147483647},
        {"&H80000000", -2147483648.0},
        {"&HFFFFFFFF", -1},
        {"&H100000000", 4294967296.0},
        {"&H", 0},
        {"&O377", 255},
        {"&O17777777777", 2147483647},
        {"&O37777777777", -1},
        {"&O8", 0},
        {"1E400", DBL_MAX},
        {"-1E400", -DBL_MAX},
        {"0.0001E309", 1e305},
        {"1E-400", 0},
        {"0E999999999999", 0},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(TextValue(text), expected) << '"' << text << '"';
}

// What a user reads from a box is the value rounded to the box's decimals, nothing else.
TEST(NotationProperties, TrimmedTextReadsBackAsRoundedValue) {
    std::mt19937 gen(12345);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-4, 9);
    for (int k = 0; k < 2000; ++k) {
        const double x = (k % 2 ? -1 : 1) * mantissa(gen) * std::pow(10.0, exponent(gen));
        for (int d = 0; d <= 6; ++d) {
            const float code = 1.0f + static_cast<float>(d) / 10.0f;
            const std::string text = FormatFixedTrim(x, code);
            const double step = std::pow(10.0, -d);
            EXPECT_LE(std::fabs(TextValue(text) - x), step / 2 + std::fabs(x) * 1e-14)
                << x << " code " << code << " gave " << text;
            const auto point = text.find('.');
            EXPECT_EQ(d == 0 ? std::string::npos : text.size() - point - 1,
                      d == 0 ? point : static_cast<std::size_t>(d))
                << text;
        }
    }
}

TEST(NotationProperties, SignificantDigitCodesShowThatManyDigits) {
    for (const double x : {1.23456789, 12.3456789, 123.456789, 1234.56789, 9.87654321}) {
        for (int y = 3; y <= 7; ++y) {
            const std::string text = FormatFixedTrim(x, static_cast<float>(100 + y));
            const auto integerDigits = static_cast<int>(std::floor(std::log10(x))) + 1;
            int digits = 0;
            for (const char c : text)
                digits += c >= '0' && c <= '9';
            EXPECT_EQ(digits, std::max(y, integerDigits)) << x << " code " << 100 + y;
        }
    }
}

TEST(NotationProperties, CarryToNextPrefix) {
    const std::vector<EngCase> cases = {
        {999.4, ";V;", 1.2f, "999.40 V"},   {999.49, ";V;", 1.2f, "999.49 V"},
        {999.5, ";V;", 1.2f, "1.00 kV"},    {999.96, ";V;", 1.1f, "1.0 kV"},
        {999.5, ";V;", 0, "999.5 V"},      // free form does not carry
        {999.7, ";V;", -1.2f, "999.70 V"}, // neither does truncation
        {-999.5, ";V;", 1.2f, "-1.00 kV"},  {0.9995, ";V;", 1.2f, "1.00 V"},
        {999.6e-12, ";F;", 1.0f, "1 nF"},   {999.6e-9, ";F;", 1.0f, "1 " + Micro + "F"},
        {999.6e6, ";Ohm;", 1.0f, "1 GOhm"}, {999.6e9, ";Ohm;", 1.0f, "1 TOhm"},
        {1e12, ";W;", 1.2f, "1.00 TW"},     {999.9e12, ";W;", 1.0f, "1000 TW"},
        {5e15, ";W;", 1.1f, "5000.0 TW"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatEng(c.x, c.unit, c.code), c.expected) << c.x << " code " << c.code;
}

TEST(NotationProperties, NoExponentOrNonNumberAtAnyMagnitude) {
    const std::vector<float> codes = {1.0f,  1.1f,  1.2f, 1.3f, 1.4f,  1.5f,  1.6f,
                                      0.0f,  103,   104,  105,  106,   107,   -1.0f,
                                      -1.2f, -1.6f, -104, 5.2f, 1e30f, 1e-30f};
    for (int e = -20; e <= 300; e += 7) {
        for (const double m : {1.0, 4.99999999999999, 9.99999999999999}) {
            for (const double sign : {1.0, -1.0}) {
                const double x = sign * m * std::pow(10.0, e);
                for (const float code : codes) {
                    for (const std::string& text :
                         {FormatFixedTrim(x, code), FormatEng(x, ";Ohm;", code)}) {
                        EXPECT_EQ(text.find_first_of("eE"), std::string::npos)
                            << x << " code " << code << " gave " << text;
                        EXPECT_EQ(text.find("inf"), std::string::npos) << text;
                        EXPECT_EQ(text.find("nan"), std::string::npos) << text;
                        EXPECT_LT(text.size(), 420u) << x << " code " << code;
                    }
                }
            }
        }
    }
    EXPECT_EQ(FormatFixedTrim(DBL_MAX, 1.2f).find_first_of("eE"), std::string::npos);
}

} // namespace
