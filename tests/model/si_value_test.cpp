#include "model/si_value.h"

#include <cfloat>
#include <gtest/gtest.h>
#include <string>

namespace oq {
namespace {

// What a value written on a schematic, a parts list or a command line reads as. The figures are
// the prefixes' own (SI brochure; IEC 60062 for the letter in place of the decimal point), and
// each must come out as the double the plain decimal text gives: one rounding, not two.
TEST(SiValue, ReadsWhatEngineersWrite) {
    struct Case {
        const char* text;
        double want;
    };
    const Case cases[] = {
        {"470", 470},          {"-470", -470},     {"+12", 12},
        {"0.5", 0.5},          {".25", 0.25},      {"4.", 4},
        {"1e-9", 1e-9},        {"2.2E+3", 2200},   {"100n", 100e-9},
        {"4.7k", 4700},        {"2M", 2e6},        {"3MEG", 3e6},
        {"10m", 0.01},         {"22p", 22e-12},    {"1G", 1e9},
        {"1T", 1e12},          {"10u", 10e-6},     {"10\xC2\xB5", 10e-6},
        {"10\xCE\xBC", 10e-6}, {"4k7", 4700},      {"2M2", 2.2e6},
        {"2u2", 2.2e-6},       {"4R7", 4.7},       {"470R", 470},
        {"R47", 0.47},         {"1MEG5", 1.5e6},   {"-4k7", -4700},
        {"0.1u", 1e-7},        {"1e400", DBL_MAX}, {"-1e400", -DBL_MAX},
        {"1e-400", 0},         {"0e99999", 0},     {"9n999", 9.999e-9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<double> v = ReadSiValue(c.text);
        ASSERT_TRUE(v.has_value());
        EXPECT_EQ(*v, c.want);
    }
}

// Anything else is no number at all, so that a typing error is named rather than half read.
TEST(SiValue, RefusesAnythingElse) {
    const char* const refused[] = {"",      "-",   ".",    "k",    "R",     "4k7k", "4.7k7", "1e3k",
                                   "4k7e3", "1e",  "1e+",  "4K7",  "4 k7",  " 4",   "4 ",    "10V",
                                   "1,5",   "inf", "nan",  "0x10", "1meg",  "4ME",  "--4",   "4..7",
                                   "1e3.5", "4RR", "4R7R", "u",    "1.2.3", "µ"};
    for (const char* text : refused)
        EXPECT_FALSE(ReadSiValue(text).has_value()) << '"' << text << '"';
}

// A resistance as the boxes take it; a typed 4k7 is the very double 4700.
TEST(SiValue, TypedResistances) {
    struct Case {
        const char* text;
        double value;
    };
    const Case read[] = {{"4700", 4700},
                         {"4k7", 4700},
                         {"4.7k", 4700},
                         {"4K7", 4700},
                         {"2M2", 2.2e6},
                         {"4R7", 4.7},
                         {"R47", 0.47},
                         {"470R", 470},
                         {"4,7k", 4700},
                         {"1G", 1e9},
                         {"4m7", 4.7e-3},
                         {"4\xC2\xB5"
                          "7",
                          4.7e-6},
                         {"4.", 4},
                         {" 10k ", 1e4},
                         {".5", 0.5},
                         {"0,47", 0.47},
                         {"100m", 0.1},
                         {"k7", 700}};
    for (const Case& c : read) {
        const auto v = ReadTypedResistance(c.text);
        ASSERT_TRUE(v.has_value()) << c.text;
        EXPECT_EQ(*v, c.value) << c.text;
        EXPECT_TRUE(IsTypedResistancePrefix(c.text)) << c.text;
    }
    for (const char* bad :
         {"4k7k", "4.7k7", "4k7.1", "4..7", "4x", "k7M", "1e3", "-4k7", "4 7", "4 k"})
        EXPECT_FALSE(ReadTypedResistance(bad).has_value()) << bad;
    // What typing passes through on its way to a value.
    for (const char* partial : {"", ".", "k", "4k"})
        EXPECT_TRUE(IsTypedResistancePrefix(partial)) << partial;
    EXPECT_FALSE(ReadTypedResistance("").has_value() || ReadTypedResistance(".").has_value() ||
                 ReadTypedResistance("k").has_value());
}

} // namespace
} // namespace oq
