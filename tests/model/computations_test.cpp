#include "model/catalogue.h"
#include "model/computations.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>

namespace oq {
namespace {

using Status = Outcome::Status;
using Numbers = std::map<std::string, double>;
using Texts = std::map<std::string, std::string>;

// Each row: what a user would notice, where the figures come from, the input and what must come
// back. `message` is the whole refusal, or the start of a usage message; `texts` and `line` are
// checked when given.
TEST(Computations, EveryCalculatorThroughOneShape) {
    struct Case {
        const char* what;
        const char* source;
        const char* code;
        Numbers values;
        Texts texts;
        Status status;
        Numbers expect;
        double tolerance = 0;
        std::string message = {};
        Texts expectTexts = {};
        std::string line = {}; // the first line of the result list
    };
    // A function call packs its arguments, so each case stays a few lines long.
    auto Row = [](const char* what, const char* source, const char* code, Numbers values,
                  Texts texts, Status status, Numbers expect, double tolerance = 0,
                  std::string message = {}, Texts expectTexts = {}, std::string line = {}) {
        return Case{what,   source,    code,    values,      texts, status,
                    expect, tolerance, message, expectTexts, line};
    };
    const Status done = Status::Done, usage = Status::Usage, calc = Status::Calculation;
    const Case cases[] = {
        Row("resistor power from U and R", "Ohm's law", "rp", {{"u", 12}, {"r", 470}}, {}, done,
            {{"i", 0.0255319}, {"p", 0.306383}}, 1e-6),
        Row("a negative resistance shows the red label", "regression: the tab's own output", "rp",
            {{"u", 12}, {"r", -470}}, {}, calc, {}, 0, "Incorrect Value"),
        Row("R of 500 snaps to E-24 510, I and P follow", "IEC 60063 E24, Ohm's law", "rp",
            {{"u", 12}, {"r", 500}}, {{"series", "E-24"}}, done,
            {{"r", 510}, {"i", 0.0235294}, {"p", 0.282353}}, 1e-6),
        Row("R of 500 snaps to E-12 470", "IEC 60063 E12, Ohm's law", "rp", {{"u", 12}, {"r", 500}},
            {{"series", "E-12"}}, done, {{"r", 470}, {"i", 0.0255319}}, 1e-6),
        Row("R of 500 snaps to E-192 499, named without its dash", "IEC 60063 E192", "rp",
            {{"u", 12}, {"r", 500}}, {{"series", "e192"}}, done, {{"r", 499}}, 1e-9),
        Row("R of 500 snaps to E-3 470", "IEC 60063 E3", "rp", {{"u", 12}, {"r", 500}},
            {{"series", "E-3"}}, done, {{"r", 470}}, 1e-9),
        Row("standard values need R given", "the tab's check box stays off", "rp",
            {{"u", 12}, {"i", 1}}, {{"series", "E-24"}}, usage, {}, 0, "rp: standard"),
        Row("three quantities leave no unknown", "the tab refuses a third", "rp",
            {{"u", 1}, {"r", 1}, {"i", 1}}, {}, usage, {}, 0, "rp: too many"),
        Row("R1 of a divider for 3.3 V out of 12 V", "R1 = R2 (U - U1) / U1", "vd",
            {{"u", 12}, {"u1", 3.3}, {"r2", 10000}}, {}, done, {{"r1", 26363.6}, {"sum", 36363.6}},
            10),
        Row("both resistors from the sum snap, U1 follows", "IEC 60063 E96 26.1k, divider formula",
            "vd", {{"u", 12}, {"u1", 3.3}, {"sum", 36363.6}}, {{"series", "E-96"}}, done,
            {{"r1", 26100}, {"r2", 10000}, {"u1", 3.32410}, {"sum", 36100}}, 1e-4),
        Row("R1 unknown: the computed R1 snaps too, U1 follows from the pair",
            "IEC 60063 E96 10.2k and 26.7k, U1 = U R2 / (R1 + R2)", "vd",
            {{"u", 12}, {"u1", 3.3}, {"r2", 10100}}, {{"series", "E-96"}}, done,
            {{"r1", 26700}, {"r2", 10200}, {"u1", 3.31707}, {"sum", 36900}}, 1e-4),
        Row("both resistors from their sum", "halving divider", "vd",
            {{"u", 10}, {"u1", 5}, {"sum", 2000}}, {}, done, {{"r1", 1000}, {"r2", 1000}}, 1e-9),
        Row("output above input is refused", "regression: the tab's own output", "vd",
            {{"u", 5}, {"u1", 6}, {"r2", 1000}}, {}, calc, {}, 0, "Incorrect Value"),
        Row("an unknown series is a usage error", "E-3 to E-192 only", "vd",
            {{"u", 12}, {"u1", 3.3}, {"r2", 10000}}, {{"series", "E-7"}}, usage, {}, 0,
            "vd: unknown series"),
        Row("R2 snaps to E-12 10k, R1 to 27k, U1 follows", "IEC 60063 E12, divider formula", "vd",
            {{"u", 12}, {"u1", 3.3}, {"r2", 10600}}, {{"series", "E-12"}}, done,
            {{"r1", 27000}, {"r2", 10000}, {"u1", 3.24324}}, 1e-4),
        Row("sum without both voltages names no unknown", "the tab's five unknowns", "vd",
            {{"u1", 5}, {"sum", 2000}, {"r1", 1}}, {}, usage, {}, 0, "vd: no unknown"),
        Row("serial pair", "R = R1 + R2", "sr", {{"r1", 1000}, {"r2", 2200}}, {}, done,
            {{"r", 3200}}, 1e-9),
        Row("both resistors of a serial pair snap to E-24", "IEC 60063 E24 1.0k and 2.2k", "sr",
            {{"r1", 1020}, {"r2", 2150}}, {{"series", "E-24"}}, done,
            {{"r", 3200}, {"r1", 1000}, {"r2", 2200}}, 1e-9),
        Row("parallel R1 that completes R", "1/R1 = 1/R - 1/R2", "pr", {{"r", 500}, {"r2", 1000}},
            {}, done, {{"r1", 1000}}, 1e-9),
        Row("a target of 0 has no pairs", "regression: the tab's own output", "sr", {{"r", 0}},
            {{"tolerance", "5"}}, calc, {}, 0, "Incorrect Value"),
        Row("pair search lists lines as the tab does", "regression: the tab's own output", "sr",
            {{"r", 1500}}, {{"tolerance", "1"}}, done, {{"standard_target", 1}}, 0, "", {},
            "1470 + 30.1 = 1500.10  ( 0.007%)"),
        Row("a tolerance not in the list", "the tab's tolerance list", "pr", {{"r", 1500}},
            {{"tolerance", "7"}}, usage, {}, 0, "pr: tolerance"),
        Row("10 dB PI pad between 50 ohm", "classic matched PI pad table", "pi",
            {{"z1", 50}, {"z2", 50}, {"attenuation", 10}}, {}, done,
            {{"r1", 96.25}, {"r2", 71.15}, {"r3", 96.25}, {"reverse_attenuation", 10}}, 0.01),
        Row("10 dB T pad between 50 ohm", "classic matched T pad table", "t",
            {{"z1", 50}, {"z2", 50}, {"attenuation", 10}}, {}, done,
            {{"r1", 25.97}, {"r2", 35.14}, {"r3", 25.97}}, 0.01),
        Row("minimum loss pad from 75 to 50 ohm", "minimum loss pad, 5.72 dB", "pi",
            {{"z1", 75}, {"z2", 50}, {"attenuation", 10}}, {{"power", "1"}}, done,
            {{"minimum_attenuation", 5.72}}, 0.01),
        Row("Z1 below Z2 is refused", "regression: the tab's own output", "t",
            {{"z1", 50}, {"z2", 75}, {"attenuation", 10}}, {}, calc, {}, 0, "Incorrect Value"),
        Row("E-96 arms of the 10 dB PI pad", "regression: the tab's own output", "pi",
            {{"z1", 50}, {"z2", 50}, {"attenuation", 10}}, {{"series", "E-96"}}, done,
            {{"r1", 95.3}, {"r2", 71.5}, {"r3", 95.3}}, 1e-9),
        Row("E-192 arms of the 10 dB PI pad", "IEC 60063 E192 96.5 and 71.5", "pi",
            {{"z1", 50}, {"z2", 50}, {"attenuation", 10}}, {{"series", "E-192"}}, done,
            {{"r1", 96.5}, {"r2", 71.5}, {"r3", 96.5}, {"z1", 50.156}, {"attenuation", 10.024}},
            1e-3),
        Row("E-48 pair search flags a member target", "IEC 60063 E48 1.21k", "pr", {{"r", 1210}},
            {{"tolerance", "1"}, {"series", "E-48"}}, done, {{"standard_target", 1}}),
        Row("5.1 k is in E-24 alone, E-96 offers 5.11 k", "IEC 60063 E24 and E96", "sv",
            {{"r", 5100}}, {}, done,
            {{"e24_member", 1},
             {"e96_member", 0},
             {"e192_member", 0},
             {"e96_nearest", 5110},
             {"e96_lower", 4990},
             {"e96_higher", 5110},
             {"e24_deviation", 0}},
            1e-9, "", {{"e24_bands", "green brown red gold"}}),
        Row("E-3 and 20 %: three bands", "IEC 60062: no tolerance band", "sv", {{"r", 4000}},
            {{"series", "E-3"}}, done, {{"e3_nearest", 4700}}, 1e-9, "",
            {{"e3_bands", "yellow violet red"}}),
        Row("no standard value for 0 ohm", "the tab's red label", "sv", {{"r", 0}}, {}, calc, {}, 0,
            "Incorrect Value"),
        Row("inverting gain of 10", "G = R2 / R1", "io", {{"r1", 1000}, {"r2", 10000}}, {}, done,
            {{"gain", 10}, {"sum", 11000}}, 1e-9),
        Row("non-inverting pair from sum and gain", "G = 1 + R2 / R1", "no",
            {{"sum", 100000}, {"gain", 10}}, {}, done, {{"r1", 10000}, {"r2", 90000}}, 1e-6),
        Row("E-24 feedback resistor changes the gain", "IEC 60063 E24 9.1k, G = 1 + R2 / R1", "no",
            {{"r1", 1000}, {"r2", 9000}}, {{"series", "E-24"}}, done,
            {{"r2", 9100}, {"gain", 10.1}}, 1e-9),
        Row("a percentage above 100 is a gain", "20 log10(2)", "db1", {{"percent", 200}}, {}, done,
            {{"x", 2}, {"db", 6.0206}}, 1e-4, "", {{"kind", "gain"}}),
        Row("10 times in power is 10 dB", "10 log10(10)", "db1", {{"x", 10}},
            {{"ratio", "power"}, {"kind", "gain"}}, done, {{"db", 10}, {"percent", 1000}}, 1e-9),
        Row("a negative factor is refused", "regression: the tab's own output", "db1", {{"x", -2}},
            {}, calc, {}, 0, "Value too high or too low"),
        Row("0 dBm", "1 mW into 50 ohm", "db2", {{"db", 0}}, {}, done,
            {{"rms", 0.223607}, {"pp", 0.632456}, {"power", 0.001}}, 1e-6),
        Row("a negative RMS voltage is too low", "regression: the tab's own output", "db2",
            {{"rms", -1}}, {}, calc, {}, 0, "RMS value is too low. Must be higher than 223.61 nV."),
        Row("no power against 1 V", "the tab hides the power row", "db2", {{"power", 1}},
            {{"ref", "dbv"}}, usage, {}, 0, "db2: power"),
        Row("1 ns rise time is 350 MHz", "Tr x BW = 0.35", "tr", {{"rise_time", 1e-9}}, {}, done,
            {{"bandwidth", 3.5e8}}, 1),
        Row("a rise time above 100 us is refused", "regression: the tab's own output", "tr",
            {{"rise_time", 1e-3}}, {}, calc, {}, 0, "Incorrect value. Must be less than 100 µs."),
        Row("DUT rise time from 5 ns measured, 3 ns system", "sqrt(M^2 - S^2)", "tr",
            {{"measured", 5e-9}, {"system", 3e-9}}, {}, done, {{"dut", 4e-9}}, 1e-15),
        Row("measured faster than the system", "regression: the tab's own output", "tr",
            {{"measured", 2e-9}, {"system", 3e-9}}, {}, calc, {}, 0,
            "Incorrect value.  Must be higher than Known System Tr"),
        Row("1 uF at 1 kHz", "Xc = 1 / (2 pi f C)", "cz", {{"c", 1e-6}, {"f", 1000}}, {}, done,
            {{"z", 159.15}}, 0.01),
        Row("1 mH at 1 kHz", "Xl = 2 pi f L", "lz", {{"f", 1000}, {"l", 1e-3}}, {}, done,
            {{"z", 6.2832}}, 1e-4),
        Row("an unknown name", "the names of cz", "cz", {{"f", 1000}, {"l", 1e-3}}, {}, usage, {},
            0, "cz: unknown name \"l\""),
        Row("164 k from two E-96 parts", "the most balanced exact pair: 105 k + 59 k", "rc",
            {{"r", 164e3}}, {{"series", "E-96"}}, done,
            {{"value2", 164e3}, {"deviation2", 0}, {"value1", 165e3}, {"best_count", 2}}, 1e-6, "",
            {}, "1: 165k = 165k  (+0.61 %)"),
        Row("14.7 k in E-12, ten per count", "an exact pair: 10 k + 4.7 k", "rc", {{"r", 14.7e3}},
            {{"series", "e12"}, {"list", "10"}}, done, {{"value2", 14.7e3}, {"best_count", 2}},
            1e-6, "", {}, "1: 15k = 15k  (+2.04 %)"),
        Row("a member alone, unless it may not be", "E-24 4.7k", "rc", {{"r", 4700}},
            {{"alone", "no"}}, done, {{"value1", 4300}, {"best_count", 2}}, 1e-9),
        Row("an excluded member", "E-24 4.7k", "rc", {{"r", 4700}, {"exclude1", 4700}}, {}, done,
            {{"value1", 4300}}, 1e-9),
        Row("E-192 is a series here", "IEC 60063", "rc", {{"r", 1234}}, {{"series", "E-192"}}, done,
            {{"deviation1", -100.0 * 4 / 1234}}, 1e-9),
        Row("a zero target", "the tab's red label", "rc", {{"r", 0}}, {}, calc, {}, 0,
            "Incorrect Value"),
        Row("a range of ten decades", "the search takes nine at most", "rc",
            {{"r", 1000}, {"low", 1}, {"high", 1e10}}, {}, calc, {}, 0, "Incorrect Value"),
        Row("no part in the range", "E-24 has none from 11.5 to 11.9", "rc",
            {{"r", 1000}, {"low", 11.5}, {"high", 11.9}}, {}, calc, {}, 0, "No Values Found"),
        Row("an unknown series", "E-3 to E-192", "rc", {{"r", 1000}}, {{"series", "E-5"}}, usage,
            {}, 0, "rc: unknown series"),
        Row("the target is needed", "the names of rc", "rc", {{"low", 10}}, {}, usage, {}, 0,
            "rc: too few"),
        Row("FF in every base", "hexadecimal FF = 255", "nc", {}, {{"hex", "ff"}}, done, {}, 0, "",
            {{"dec", "255"}, {"oct", "377"}, {"bin", "1111 1111"}}),
        Row("above the largest number", "2^31 overflows", "nc", {}, {{"dec", "2147483648"}}, calc,
            {}, 0, "Overflow!"),
        Row("50 ohm microstrip", "Pozar, microstrip design example (1 %)", "tl",
            {{"er", 2.2}, {"h", 1.27e-3}, {"w", 3.91e-3}}, {}, done, {{"z0", 50}, {"eeff", 1.87}},
            0.5, "", {{"type", "microstrip"}}),
        Row("a quarter wave of it at 2.5 GHz", "Pozar, microstrip design example (1 %)", "tl",
            {{"er", 2.2}, {"h", 1.27e-3}, {"z0", 50}, {"f", 2.5e9}, {"angle", 90}}, {}, done,
            {{"length", 21.9e-3}, {"z0", 50}, {"angle", 90}}, 0.2e-3),
        Row("50 ohm stripline", "Pozar, stripline design example (1 %)", "tl",
            {{"er", 2.2}, {"h", 3.2e-3}, {"w", 2.66e-3}}, {{"type", "Stripline"}}, done,
            {{"z0", 50}, {"eeff", 2.2}}, 0.5),
        Row("air coax", "60 ohm x ln 2.3", "tl", {{"er", 1}, {"h", 2.3e-3}, {"w", 1e-3}},
            {{"type", "coax"}}, done, {{"z0", 49.97}}, 0.05),
        Row("a coplanar line needs its gap", "the gap is its second dimension", "tl",
            {{"er", 4.4}, {"h", 1.6e-3}, {"w", 1e-3}}, {{"type", "cpw"}}, usage, {}, 0,
            "tl: gap is needed"),
        Row("an inner conductor wider than the outer", "regression: the tab's own output", "tl",
            {{"er", 1}, {"h", 1e-3}, {"w", 2e-3}}, {{"type", "coax"}}, calc, {}, 0,
            "Incorrect Value"),
        Row("an impedance no coax reaches", "d below 1e-12 D", "tl",
            {{"er", 1}, {"h", 1e-3}, {"z0", 5000}}, {{"type", "coax"}}, calc, {}, 0,
            "No width gives this impedance"),
        Row("width and impedance together leave no unknown", "analysis or synthesis", "tl",
            {{"er", 1}, {"h", 1e-3}, {"w", 1e-3}, {"z0", 50}}, {}, usage, {}, 0,
            "tl: w and z0 do not go together"),
        Row("15 A in 2 oz at 10 degC", "IPC-2221 fit: 6.29 mm outer", "tw",
            {{"i", 15}, {"rise", 10}, {"thickness", 70e-6}}, {}, done, {{"w_outer", 6.29e-3}},
            0.005e-3),
        Row("1 A in 35 um at 10 degC", "IPC-2221 fit: 0.300 mm outer, 0.781 mm inner", "tw",
            {{"i", 1}, {"rise", 10}, {"thickness", 35e-6}}, {}, done,
            {{"w_outer", 0.300e-3}, {"w_inner", 0.781e-3}, {"i_inner", 1}}, 0.0005e-3),
        Row("the current of 1 mm, with its resistance", "R = 1.72e-8 ohm m x 1 m / (1 mm x 35 um)",
            "tw", {{"w", 1e-3}, {"rise", 10}, {"thickness", 35e-6}, {"length", 1}, {"ambient", 10}},
            {}, done, {{"r_outer", 0.491429}, {"r_inner", 0.491429}, {"w_inner", 1e-3}}, 1e-6),
        Row("a width beyond the chart is a warning", "IPC-2221 chart: 35 A outer, 17.5 A inner",
            "tw", {{"i", 20}, {"rise", 10}, {"thickness", 105e-6}}, {}, done, {}, 0,
            "Beyond the IPC-2221 chart: inner current above 17.5 A, inner width above 400 mil"),
        Row("a negative ambient is a temperature", "copper at -20 degC plus 10", "tw",
            {{"w", 1e-3}, {"rise", 10}, {"thickness", 35e-6}, {"length", 1}, {"ambient", -20}}, {},
            done, {{"r_outer", 0.491429 * (1 - 0.00393 * 30)}}, 1e-6),
        Row("a negative rise is refused", "regression: the tab takes no minus there", "tw",
            {{"i", 1}, {"rise", -10}, {"thickness", 35e-6}}, {}, calc, {}, 0, "Incorrect Value"),
        Row("current and width together", "one is the unknown", "tw",
            {{"i", 1}, {"w", 1e-3}, {"rise", 10}, {"thickness", 35e-6}}, {}, usage, {}, 0,
            "tw: i or w"),
        Row("Johnson's via capacitance", "Johnson and Graham: 0.53 pF", "via",
            {{"er", 4.7}, {"h", 63 * 25.4e-6}, {"pad", 28 * 25.4e-6}, {"antipad", 50 * 25.4e-6}},
            {}, done, {{"c", 0.53e-12}}, 0.005e-12),
        Row("an antipad inside the pad", "C = 1.41 er T D1 / (D2 - D1) needs D2 > D1", "via",
            {{"er", 4.7}, {"h", 1.6e-3}, {"pad", 1e-3}, {"antipad", 0.5e-3}}, {}, calc, {}, 0,
            "Incorrect Value"),
        Row("a via carrying more than its ampacity", "IPC-2221 outer fit on the barrel", "via",
            {{"d", 0.3e-3}, {"t", 25e-6}, {"h", 1.6e-3}, {"i", 3}, {"rise", 10}}, {}, done, {}, 0,
            "Beyond the IPC-2221 chart: current above the ampacity"),
        Row("nothing to compute from", "er alone gives no result", "via", {{"er", 4.7}}, {}, usage,
            {}, 0, "via: too few"),
        Row("B1 at 600 V is 0.50 mm", "IPC-2221 Table 6-1 and its note above 500 V", "es",
            {{"v", 600}}, {{"class", "B1"}}, done,
            {{"spacing", 0.5e-3}, {"per_volt", 2.5e-6}, {"b3", 15e-3}, {"a7", 1.105e-3}}, 1e-12),
        Row("12 V on an uncoated lead", "IPC-2221 Table 6-1, 0-15 V, A6", "es", {{"v", 12}},
            {{"class", "a6"}}, done, {{"spacing", 0.13e-3}, {"b1", 0.05e-3}}, 1e-12),
        Row("a negative voltage shows the red label", "the tab's box takes no minus", "es",
            {{"v", -5}}, {}, calc, {}, 0, "Incorrect Value"),
        Row("a column the table lacks", "IPC-2221 Table 6-1 columns", "es", {{"v", 5}},
            {{"class", "C1"}}, usage, {}, 0, "es: class"),
        Row("1 GHz in vacuum", "lambda = c / f, c = 299 792 458 m/s", "wl", {{"f", 1e9}}, {}, done,
            {{"wavelength", 0.299792458}, {"quarter", 0.0749481145}, {"period", 1e-9}}, 1e-12),
        Row("1 GHz at er = 4", "v = c / sqrt(er ur)", "wl", {{"f", 1e9}, {"er", 4}}, {}, done,
            {{"wavelength", 0.149896229}, {"speed", 149896229}, {"velocity_factor", 0.5}}, 1e-9),
        Row("frequency from a wavelength", "f = c / lambda", "wl", {{"wavelength", 2}}, {}, done,
            {{"f", 149896229}}, 1e-6),
        Row("two givens leave nothing to solve", "one of f, period, wavelength", "wl",
            {{"f", 1e9}, {"period", 1e-9}}, {}, usage, {}, 0, "wl: too many"),
        Row("a zero permittivity shows the red label", "sqrt(er ur) must be above 0", "wl",
            {{"f", 1e9}, {"er", 0}}, {}, calc, {}, 0, "Incorrect Value"),
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.code) + ": " + c.what + " (" + c.source + ")");
        const Computation compute = ComputationFor(c.code);
        ASSERT_NE(compute, nullptr);
        const Outcome out = compute({c.values, c.texts});
        EXPECT_EQ(out.status, c.status) << out.message;
        if (c.status == usage) {
            EXPECT_EQ(out.message.rfind(c.message, 0), 0u) << out.message;
        } else if (!c.message.empty()) {
            EXPECT_EQ(out.message, c.message);
        }
        for (const auto& [name, want] : c.expect) {
            ASSERT_TRUE(out.results.count(name)) << name;
            EXPECT_NEAR(out.results.at(name), want, c.tolerance) << name;
        }
        for (const auto& [name, want] : c.expectTexts)
            EXPECT_EQ(out.texts.count(name) ? out.texts.at(name) : "(none)", want) << name;
        if (!c.line.empty()) {
            ASSERT_FALSE(out.list.empty());
            EXPECT_EQ(out.list.front(), c.line);
        }
        for (const auto& [name, v] : out.results)
            EXPECT_TRUE(std::isfinite(v)) << name;
    }
}

// The input of a row's example, "u=12 r=470": numbers for its names, texts for its choices.
ComputationInput ExampleInput(const ComputationInfo& row) {
    ComputationInput in;
    std::istringstream words(row.example);
    for (std::string word; words >> word;) {
        const size_t eq = word.find('=');
        EXPECT_NE(eq, std::string::npos) << word;
        const std::string name = word.substr(0, eq), text = word.substr(eq + 1);
        char* end = nullptr;
        const double v = std::strtod(text.c_str(), &end);
        if (*end == '\0' && std::find(row.names.begin(), row.names.end(), name) != row.names.end())
            in.values[name] = v;
        else
            in.texts[name] = text;
    }
    return in;
}

// Every text the command line offers for a choice (its flags, help and completion) is one the
// calculator takes: the example with it set is refused for no reason of that choice.
TEST(Computations, ListedChoiceTextsAreTaken) {
    for (const ComputationInfo& row : Computations())
        for (const std::string& choice : row.choices)
            for (const std::string& text : ChoiceValues(row.code, choice)) {
                SCOPED_TRACE(std::string(row.code) + " " + choice + "=" + text);
                ComputationInput in = ExampleInput(row);
                in.texts[choice] = text;
                const Outcome out = row.compute(in);
                const std::string why = out.message.substr(0, out.message.find("; it takes"));
                EXPECT_TRUE(out.status != Status::Usage || why.find(choice) == std::string::npos)
                    << out.message;
            }
}

// One series asked for gives that series' figures alone.
TEST(Computations, StandardValuesOfOneSeries) {
    const Outcome out = ComputeStandardValues({{{"r", 4990}}, {{"series", "E-192"}}});
    ASSERT_TRUE(out.done()) << out.message;
    EXPECT_EQ(out.results.size(), 6u); // r and five figures
    EXPECT_EQ(out.results.at("e192_member"), 1);
    EXPECT_EQ(out.texts.at("e192_bands"), "yellow white white brown green");
}

// Every calculator of the catalogue has a computation, under its code in lower case; its example
// computes, gives only its own result names, and names its inputs; an unknown code has none.
TEST(Computations, TableExamplesWork) {
    EXPECT_EQ(ComputationFor("zz"), nullptr);
    EXPECT_EQ(ComputationFor("RP"), nullptr);
    EXPECT_EQ(Computations().size(), Calculators.size());
    for (const CalculatorEntry& c : Calculators) {
        std::string code = c.code;
        std::transform(code.begin(), code.end(), code.begin(),
                       [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
        EXPECT_NE(ComputationFor(code), nullptr) << code;
    }
    for (const ComputationInfo& row : Computations()) {
        SCOPED_TRACE(row.code);
        EXPECT_EQ(ComputationFor(row.code), row.compute);
        const Outcome out = row.compute(ExampleInput(row));
        EXPECT_EQ(out.status, Status::Done) << out.message;
        for (const auto& [name, v] : out.results)
            EXPECT_TRUE(std::find(row.results.begin(), row.results.end(), name) !=
                        row.results.end())
                << name;
        // With nothing given, the usage message names what is needed.
        const Outcome empty = row.compute({});
        EXPECT_EQ(empty.status, Status::Usage);
        EXPECT_NE(empty.message.find(row.needs), std::string::npos) << empty.message;
    }
}

} // namespace
} // namespace oq
