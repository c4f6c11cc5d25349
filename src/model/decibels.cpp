#include "model/decibels.h"

#include "model/checked.h"
#include "model/notation.h"

#include <cfloat>
#include <cmath>

namespace oq {

namespace {

double Log10(double x) {
    return Div(Ln(x), Ln(10.0));
}

bool Within(double value, double low, double high) {
    return std::fabs(value) < DBL_MAX && value >= low && value <= high;
}

} // namespace

// ---- dB, %, X -------------------------------------------------------------------------------

bool RatioInRange(int box, bool power, double value) {
    switch (box) {
    case RatioTimes:
        return Within(value, 1.0, power ? 1e12 : 1e6);
    case RatioPercent:
        return power ? Within(value, 1e-10, 1e14) : Within(value, 0.0001, 1e8);
    case RatioDb:
        // 140 dB for both kinds of ratio, and no lower bound.
        return Within(value, -DBL_MAX, 140.0);
    default:
        return false;
    }
}

RatioLevels ConvertRatio(int active, const RatioLevels& given, bool power) {
    const double k = power ? 10.0 : 20.0; // dB per decade
    RatioLevels r = given;
    auto percentStep = [&] {
        r.percent = r.attenuation ? Div(100.0, r.times) : Mul(r.times, 100.0);
    };
    auto dbStep = [&] {
        const double y = r.attenuation ? Div(1.0, r.times) : r.times;
        r.db = std::fabs(Mul(k, Log10(y)));
    };
    switch (active) {
    case RatioTimes:
        percentStep();
        dbStep();
        break;
    case RatioPercent:
        r.attenuation = r.percent < 100.0;
        r.times = r.attenuation ? Div(100.0, r.percent) : Div(r.percent, 100.0);
        dbStep();
        break;
    case RatioDb:
        r.times = Pow(10.0, r.db / k);
        percentStep();
        break;
    default:
        break;
    }
    return r;
}

// ---- dBm, dBU, dBV --------------------------------------------------------------------------

double ReferenceVolts(int reference) {
    switch (reference) {
    case RefDbu:
        return std::sqrt(0.6);
    case RefDbv:
        return 1.0;
    default:
        return std::sqrt(0.05);
    }
}

LevelLimits LevelBoxLimits(int box, int reference) {
    // A millionth to a million times the reference voltage, as fixed constants.
    static constexpr LevelLimits Rms[3] = {{2.23606797749979e-07, 223606.797749979},
                                           {7.74596669241483e-07, 774596.669241483},
                                           {1e-6, 1e6}};
    static constexpr LevelLimits PeakToPeak[3] = {{6.32455532033676e-07, 632455.532033676},
                                                  {2.19089023002066e-06, 2190890.23002066},
                                                  {2.82842712474619e-06, 2828427.12474619}};
    const int ref = reference >= RefDbm && reference <= RefDbv ? reference : RefDbm;
    switch (box) {
    case LevelRms:
        return Rms[ref];
    case LevelPeakToPeak:
        return PeakToPeak[ref];
    case LevelPower:
        return {1e-15, 1e9};
    default:
        return {-120.0, 120.0};
    }
}

std::string LevelLimitMessage(int box, int reference, double value, float decimals) {
    const LevelLimits limits = LevelBoxLimits(box, reference);
    if (Within(value, limits.low, limits.high))
        return {};
    if (box == LevelDb)
        return value < 0 ? "dB value is too low. Must higher than -120 dB."
                         : "dB value is too high. Must lower than 120 dB.";
    static const char* const Prefix[4] = {"", "RMS value is ", "P-P value is ", "Power value is "};
    const std::string unit = box == LevelPower ? ";W;" : ";V;";
    if (value < 1.0)
        return Prefix[box] +
               ("too low. Must be higher than " + FormatEng(limits.low, unit, decimals) + ".");
    return Prefix[box] +
           ("too high. Must be less than " + FormatEng(limits.high, unit, decimals) + ".");
}

LevelValues ConvertLevel(int source, double value, double referenceVolts) {
    const double r = referenceVolts;
    const double root2 = std::sqrt(2.0);
    auto vFromL = [&](double l) { return Mul(Pow(10.0, l / 20.0), r); };
    auto uFromV = [&](double v) { return Mul(Add(v, v), root2); };
    auto pFromL = [&](double l) { return Mul(Pow(10.0, l / 10.0), 0.001); };
    auto lFromV = [&](double v) { return Mul(20.0, Log10(Div(v, r))); };

    LevelValues q{};
    q[source >= LevelDb && source <= LevelPower ? source : LevelDb] = value;
    switch (source) {
    case LevelRms:
        q[LevelDb] = lFromV(value);
        q[LevelPeakToPeak] = uFromV(value);
        q[LevelPower] = pFromL(q[LevelDb]);
        break;
    case LevelPeakToPeak:
        q[LevelDb] = lFromV(Div(value, Mul(2.0, root2)));
        q[LevelRms] = vFromL(q[LevelDb]);
        q[LevelPower] = pFromL(q[LevelDb]);
        break;
    case LevelPower:
        q[LevelDb] = Mul(10.0, Log10(Div(value, 0.001)));
        q[LevelRms] = vFromL(q[LevelDb]);
        q[LevelPeakToPeak] = uFromV(q[LevelRms]);
        break;
    default:
        q[LevelRms] = vFromL(value);
        q[LevelPeakToPeak] = uFromV(q[LevelRms]);
        q[LevelPower] = pFromL(value);
        break;
    }
    return q;
}

double LevelUnitFactor(int box, int option) {
    static constexpr double Volts[4] = {1e-6, 1e-3, 1.0, 1e3};
    static constexpr double Watts[7] = {1e-12, 1e-9, 1e-6, 1e-3, 1.0, 1e3, 1e6};
    if ((box == LevelRms || box == LevelPeakToPeak) && option >= 0 && option < 4)
        return Volts[option];
    if (box == LevelPower && option >= 0 && option < 7)
        return Watts[option];
    return 1.0;
}

UnitText LevelUnitText(int box, double value, float decimals) {
    if (box != LevelRms && box != LevelPeakToPeak && box != LevelPower)
        return {FormatFixedTrim(value, decimals), -1};

    // The number with its prefix only: "223.61 m", or "1.00" without a prefix.
    const std::string t = FormatEng(value, "; ;", decimals);
    const size_t blank = t.find(' ');
    const std::string number = blank == std::string::npos ? t : t.substr(0, blank);
    const std::string prefix =
        blank == std::string::npos ? std::string() : t.substr(t.rfind(' ') + 1);

    if (box == LevelPower) {
        static const char* const Prefixes[7] = {"p", "n", "\xC2\xB5", "m", "", "k", "M"};
        if (prefix == "G") // beyond the largest unit: shown in MW
            return {FormatFixedTrim(value / 1e6, decimals), 6};
        for (int option = 0; option < 7; ++option)
            if (option != 4 && prefix == Prefixes[option])
                return {number, option};
        return {number, 4};
    }
    if (prefix == "n") // below the smallest unit: shown in µV
        return {FormatFixedTrim(value * 1e6, decimals), 0};
    if (prefix == "M") // beyond the largest: shown in kV
        return {FormatFixedTrim(value / 1000, decimals), 3};
    if (prefix == "\xC2\xB5")
        return {number, 0};
    if (prefix == "m")
        return {number, 1};
    if (prefix == "k")
        return {number, 3};
    return {number, 2};
}

} // namespace oq
