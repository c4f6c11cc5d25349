// Fuzz target of the number routines: reading typed text, the box and echo texts, and the
// standard series. One input is read twice: as a text a user might type or paste, and as raw
// bits (a double, a decimals code, then choices of unit, code, direction and tab).
//
// It stops on: a crash or undefined behaviour (the sanitizers); any text with "inf" or "nan"; a
// number that does not come back from its own text (to its 15 significant digits, and exactly
// once it has them); a box text that reads back further from its value than its decimals allow;
// a series result that is no member of its series where the rules ask for one; a value the
// command line reads that is not finite, or that a box would read otherwise; a resistance read
// from a text that the combinations tab's box would refuse, or one that is not finite.
#include "model/checked.h"
#include "model/notation.h"
#include "model/resistor_combinations.h"
#include "model/shared_state.h"
#include "model/si_value.h"
#include "model/standard_series.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace {

using namespace oq;

[[noreturn]] void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "number_fuzz: %s: %s\n", what, detail.c_str());
    std::abort();
}

std::string Show(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

void NoInfOrNan(const std::string& text) {
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower.find("inf") != std::string::npos || lower.find("nan") != std::string::npos)
        Fail("inf or nan in a text", text);
}

double Read(const std::string& text) {
    const double v = TextValue(text);
    if (!std::isfinite(v))
        Fail("TextValue gave no finite number", text);
    return v;
}

// The codes the program itself produces, and a few it may meet in a hand-edited settings file.
constexpr std::array<float, 18> Codes = {0.0f,  1.0f,  1.1f,  1.2f,  1.3f,   1.4f,
                                         1.5f,  1.6f,  103.f, 104.f, 105.f,  106.f,
                                         107.f, -1.2f, 5.2f,  101.f, -104.f, 2.0f};
const std::array<const char*, 5> Units = {";V;", ";A;", ";W;", ";Ohm;", "; ;"};

// How far a box text may lie from its value: half a step of its last digit (a whole step when
// the code truncates), plus the 15-digit reduction.
bool CloseEnough(double shown, double v, float code) {
    const double reduction = 1e-14 * std::fabs(v) + 1e-300;
    const float c = std::fabs(code);
    double step = 0;
    if (c > 100) {
        const int digits = static_cast<int>(std::lround(c)) % 10;
        step = std::max(std::fabs(v), 1.0) * std::pow(10.0, 1 - digits);
    } else {
        const float whole = std::trunc(c);
        step = std::pow(10.0, -std::lround((c - whole) * 10.0f));
    }
    return std::fabs(shown - v) <= step + reduction;
}

void CheckTexts(double x, float code, const char* unit, bool knownCode) {
    const std::string number = NumberText(x);
    NoInfOrNan(number);
    const std::string fixed = FormatFixed(x, code);
    NoInfOrNan(fixed);
    const std::string trim = FormatFixedTrim(x, code);
    NoInfOrNan(trim);
    NoInfOrNan(FormatEng(x, unit, code));
    if (!std::isfinite(x))
        return;

    const double back = Read(number);
    if (!(std::fabs(back - x) <= 6e-15 * std::fabs(x) + 5e-324))
        Fail("NumberText does not read back", Show(x) + " -> " + number);
    if (Read(NumberText(back)) != back)
        Fail("a 15-digit number does not read back exactly", Show(back));

    if (code == 0.0f && Read(trim) != back)
        Fail("free form and NumberText disagree", Show(x) + " -> " + trim);
    if (!knownCode)
        return;
    const bool errorText = std::fabs(code) > 100 && static_cast<int>(std::fabs(code)) % 10 == 1;
    if (!errorText && std::fabs(x) < 1e300 && !CloseEnough(Read(trim), x, code))
        Fail("a box text lies too far from its value",
             Show(x) + " code " + Show(code) + " -> " + trim);
}

// The members of one decade, as printed in the tables of the series.
constexpr std::array<int, 96> E96Table = {
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
    147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210,
    215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
    316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453,
    464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};
constexpr std::array<int, 24> E24Table = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                          33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};

template <size_t N> bool IsMember(double r, const std::array<int, N>& table, int digits) {
    if (!(r > 0))
        return false;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", digits - 1, r);
    if (std::fabs(std::strtod(buf, nullptr) - r) > 1e-12 * r)
        return false;
    int mantissa = 0;
    for (const char* p = buf; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            mantissa = mantissa * 10 + (*p - '0');
    return std::find(table.begin(), table.end(), mantissa) != table.end();
}

void CheckSeries(double v, int direction, bool rangeGuard) {
    const bool guarded = rangeGuard && (v < 0.1 || v > 1e8);
    for (const bool e96 : {true, false}) {
        double r = 0;
        try {
            r = e96 ? E96(v, direction, rangeGuard) : E24(v, direction, rangeGuard);
        } catch (const CalcError&) {
            // Refused: a negative value, or one whose member lies beyond the double range.
            if (std::isfinite(v) && !guarded && v > 0 && v < 1e307)
                Fail("the series refused a positive value", Show(v));
            continue;
        }
        if (!std::isfinite(v))
            continue; // never a box value; the network tabs hand it back unchanged
        if (!std::isfinite(r))
            Fail("the series gave no finite number", Show(v));
        if (v == 0 || guarded) {
            if (r != v)
                Fail("the series changed a value it must keep", Show(v) + " -> " + Show(r));
            continue;
        }
        if (v < 0)
            Fail("the series took a negative value", Show(v));
        if (v < 1e-290 || v > 1e290)
            continue; // too few bits below, no decade above
        const bool member = e96 ? IsMember(r, E96Table, 3) : IsMember(r, E24Table, 2);
        const double stepUp = e96 ? 1.031 : 1.16; // the widest gaps: 133 to 137, 13 to 15
        const bool ordered = direction < 0   ? r < v && r * stepUp * stepUp > v
                             : direction > 0 ? r >= v * (1 - 1e-9) && r < v * stepUp
                                             : r < v * stepUp && r * stepUp > v;
        if (!member || !ordered)
            Fail(member ? "the series went the wrong way" : "the series gave no member",
                 Show(v) + " direction " + std::to_string(direction) +
                     (e96 ? " E96 -> " : " E24 -> ") + Show(r));
    }
}

} // namespace

// The command line's reader: a text it takes whole is a finite number, the one a box reads when
// the text is plain; and every number the program writes reads back through it.
void CheckSiValue(const std::string& text, double x) {
    if (const std::optional<double> v = ReadSiValue(text)) {
        if (!std::isfinite(*v))
            Fail("ReadSiValue gave no finite number", text);
        if (text.find_first_not_of("0123456789.+-eE") == std::string::npos && *v != Read(text))
            Fail("ReadSiValue and TextValue differ", text);
    }
    if (!std::isfinite(x))
        return;
    std::string written = NumberText(x);
    written.erase(0, written.find_first_not_of(' '));
    const std::optional<double> back = ReadSiValue(written);
    if (!back || *back != Read(written))
        Fail("a written number does not read back", written);
}

// The resistance boxes' reader.
void CheckResistance(const std::string& text) {
    const std::optional<double> r = ReadTypedResistance(text);
    if (r && (!std::isfinite(*r) || *r < 0))
        Fail("ReadTypedResistance gave no resistance", text);
    if (r && !IsTypedResistancePrefix(text))
        Fail("ReadTypedResistance read a text the box refuses", text);
}

void CheckCombinationTexts(double x) {
    if (!std::isfinite(x))
        return;
    NoInfOrNan(PartText(x));
    NoInfOrNan(CombinationValueText(x));
    NoInfOrNan(DeviationText(x));
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double typed = Read(text);
    CheckResistance(text);

    double bits = 0;
    float rawCode = 0;
    std::uint8_t choice[4] = {0, 0, 0, 0};
    if (size >= 8)
        std::memcpy(&bits, data, 8);
    if (size >= 12)
        std::memcpy(&rawCode, data + 8, 4);
    for (std::size_t i = 0; i < 4 && 12 + i < size; ++i)
        choice[i] = data[12 + i];

    const char* unit = Units[choice[0] % Units.size()];
    const bool knownCode = choice[1] % 4 != 0;
    const float code = knownCode ? Codes[choice[2] % Codes.size()] : rawCode;
    const int direction = choice[3] % 3 - 1;
    const int tab = choice[2] % TabCount; // the networks guard the range
    const bool rangeGuard = tab == TabPI || tab == TabT;

    for (const double x : {typed, bits}) {
        CheckTexts(x, code, unit, knownCode);
        CheckSeries(x, direction, rangeGuard);
        CheckSiValue(text, x);
        CheckCombinationTexts(x);
    }
    return 0;
}
