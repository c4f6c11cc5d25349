#include "model/computations.h"

#include "model/attenuators.h"
#include "model/checked.h"
#include "model/decibels.h"
#include "model/electrical_spacing.h"
#include "model/notation.h"
#include "model/number_bases.h"
#include "model/opamps.h"
#include "model/reactance.h"
#include "model/resistor_pairs.h"
#include "model/resistor_power.h"
#include "model/rise_time.h"
#include "model/standard_series.h"
#include "model/voltage_divider.h"
#include "model/wavelength.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <functional>

namespace oq {

namespace {

// The red labels of the tabs.
const char* const IncorrectValue = "Incorrect Value";
const char* const RatioRefused = "Value too high or too low";
const char* const LevelWrong = "Wrong Value";
const char* const RiseTimeIncorrect = "Incorrect value";
const char* const BelowSystem = "Incorrect value.  Must be higher than Known System Tr";
const char* const SystemFirst = "You must enter known System Risetime first";
const char* const NumberOverflow = "Overflow!";
const char* const NoPairs = "No Values Found";

// The decimals of every box as the program starts; the pair lines and the level limits are
// written with them.
constexpr float StartDecimals = 1.2f;

const ComputationInfo& Row(std::string_view code) {
    return *FindComputation(code);
}

Outcome Refused(std::string message) {
    Outcome out;
    out.status = Outcome::Status::Calculation;
    out.message = std::move(message);
    return out;
}

Outcome Usage(const ComputationInfo& info, const std::string& why) {
    Outcome out;
    out.status = Outcome::Status::Usage;
    out.message = std::string(info.code) + ": " + why + "; it takes " + info.needs;
    return out;
}

bool Listed(const std::vector<std::string>& list, const std::string& name) {
    return std::find(list.begin(), list.end(), name) != list.end();
}

// Every number and text is one the calculator knows, and every number is one.
std::optional<Outcome> CheckNames(const ComputationInfo& info, const ComputationInput& in) {
    for (const auto& [name, v] : in.values) {
        if (!Listed(info.names, name))
            return Usage(info, "unknown name \"" + name + "\"");
        if (std::isnan(v))
            return Usage(info, name + " is not a number");
    }
    for (const auto& [name, text] : in.texts)
        if (!Listed(info.choices, name))
            return Usage(info, "unknown name \"" + name + "\"");
    return std::nullopt;
}

bool Has(const ComputationInput& in, const std::string& name) {
    return in.values.count(name) != 0;
}

// A number beyond the double range reads as the largest double of its sign, as a typed one does.
double Value(const ComputationInput& in, const std::string& name) {
    const auto it = in.values.find(name);
    if (it == in.values.end())
        return 0;
    return std::isinf(it->second) ? std::copysign(DBL_MAX, it->second) : it->second;
}

// Bit i set for names[i] given.
int GivenMask(const ComputationInput& in, const std::vector<std::string>& names) {
    int mask = 0;
    for (size_t i = 0; i < names.size(); ++i)
        mask |= Has(in, names[i]) ? 1 << i : 0;
    return mask;
}

int Count(int mask) {
    return std::popcount(static_cast<unsigned>(mask));
}

// What the resistor and reactance tabs refuse before they compute: a number beyond the double
// range, or a negative one in a box that takes no minus.
bool TypedInRange(const ComputationInput& in) {
    for (const auto& [name, v] : in.values)
        if (v < 0 || std::fabs(v) >= DBL_MAX)
            return false;
    return true;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string Text(const ComputationInput& in, const std::string& name, const std::string& dflt) {
    const auto it = in.texts.find(name);
    return Lower(it == in.texts.end() ? dflt : it->second);
}

// The series asked for with texts["series"], if any.
std::optional<Outcome> ReadSeries(const ComputationInfo& info, const ComputationInput& in,
                                  std::optional<Series>& series) {
    const auto it = in.texts.find("series");
    if (it == in.texts.end())
        return std::nullopt;
    series = SeriesNamed(it->second);
    if (!series)
        return Usage(info, "unknown series \"" + it->second + "\"");
    return std::nullopt;
}

// The one place that asks the series for members. The resistor tabs snap without the networks'
// Open and Short range, so any tab but those two stands for them here.
double Snap(Series series, double value) {
    return oq::Snap(series, value, 0, false);
}

// The results in the calculator's names; a number that is not finite refuses the whole.
Outcome Finish(Outcome out, const char* refusal) {
    for (const auto& [name, v] : out.results)
        if (!std::isfinite(v))
            return Refused(refusal);
    return out;
}

template <size_t N>
void Store(Outcome& out, const std::vector<std::string>& names, const std::array<double, N>& v) {
    for (size_t i = 0; i < N && i < names.size(); ++i)
        out.results[names[i]] = v[i];
}

template <size_t N>
std::array<double, N> Read(const ComputationInput& in, const std::vector<std::string>& names) {
    std::array<double, N> v{};
    for (size_t i = 0; i < N && i < names.size(); ++i)
        v[i] = Value(in, names[i]);
    return v;
}

// ---- serial and parallel resistors ----------------------------------------------------------

// The tolerance as one of the entries of the tab's list.
std::optional<double> Tolerance(const std::string& text) {
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (text.empty() || end != text.c_str() + text.size())
        return std::nullopt;
    for (const std::string& entry : ToleranceEntries())
        if (TextValue(entry) == v)
            return v;
    return std::nullopt;
}

Outcome Pairs(Pairing how, std::string_view code, const ComputationInput& in) {
    const ComputationInfo& info = Row(code);
    if (auto bad = CheckNames(info, in))
        return *bad;
    std::optional<Series> series;
    if (auto bad = ReadSeries(info, in, series))
        return *bad;
    enum { R = 1, R1 = 2, R2 = 4 };
    const int given = GivenMask(in, info.names);
    const double r = Value(in, "r"), r1 = Value(in, "r1"), r2 = Value(in, "r2");
    Outcome out;

    if (in.texts.count("tolerance")) {
        if (given != R)
            return Usage(info, "the pair search takes r alone");
        const std::optional<double> tolerance = Tolerance(in.texts.at("tolerance"));
        if (!tolerance)
            return Usage(info, "tolerance is one of 0, 0.1 ... 1, 1.5 ... 5 (percent)");
        if (!TypedInRange(in))
            return Refused(IncorrectValue);
        const bool e96 = series.value_or(Series::E96) == Series::E96;
        try {
            const PairSearch found = SearchPairs(how, e96, r, *tolerance, StartDecimals);
            out.results["r"] = r;
            out.results["standard_target"] = found.targetIsMember ? 1 : 0;
            out.list = found.lines;
            if (found.lines.empty())
                out.message = NoPairs;
        } catch (const CalcError&) {
            return Refused(IncorrectValue);
        }
        return out;
    }

    if (given != (R1 | R2) && given != (R | R2))
        return Usage(info, Count(given) < 2 ? "too few values" : "r1 and r2, or r and r2");
    if (!TypedInRange(in))
        return Refused(IncorrectValue);
    std::array<double, 3> v{r, r1, r2};
    try {
        if (given == (R1 | R2))
            v[0] = CombinePair(how, r1, r2);
        else
            v[1] = FirstOfPair(how, r, r2);
        if (series) {
            v[2] = Snap(*series, v[2]);
            if (given == (R1 | R2)) {
                v[1] = Snap(*series, v[1]);
                v[0] = CombinePair(how, v[1], v[2]);
            } else {
                v[1] = FirstOfPair(how, r, v[2]);
            }
        }
    } catch (const CalcError&) {
        return Refused(IncorrectValue);
    }
    Store(out, info.results, v);
    return Finish(out, IncorrectValue);
}

// ---- attenuators ----------------------------------------------------------------------------

Outcome Attenuator(Network net, std::string_view code, const ComputationInput& in) {
    const ComputationInfo& info = Row(code);
    if (auto bad = CheckNames(info, in))
        return *bad;
    std::optional<Series> series;
    if (auto bad = ReadSeries(info, in, series))
        return *bad;
    if (!Has(in, "z1") || !Has(in, "z2"))
        return Usage(info, "z1 and z2 are both needed");
    const std::string power = Text(in, "power", "0");
    if (power != "0" && power != "1")
        return Usage(info, "power is 1 (a power ratio) or 0 (a voltage ratio)");
    const bool hasAttenuation = Has(in, "attenuation");
    if (series && !hasAttenuation)
        return Usage(info, "standard values need an attenuation");
    if (!TypedInRange(in))
        return Refused(IncorrectValue);

    AttenuatorInput a{Value(in, "z1"), Value(in, "z2"), std::nullopt, power == "1"};
    if (hasAttenuation)
        a.attenuation = Value(in, "attenuation");
    Outcome out;
    try {
        const AttenuatorDesign d = DesignAttenuator(net, a);
        AttenuatorInput minimum = a;
        minimum.attenuation.reset();
        out.results["z1"] = a.z1;
        out.results["z2"] = a.z2;
        out.results["attenuation"] = d.attenuation;
        out.results["reverse_attenuation"] = d.reverse;
        out.results["minimum_attenuation"] = DesignAttenuator(net, minimum).attenuation;
        for (size_t k = 0; k < 3; ++k) {
            const std::string name = "r" + std::to_string(k + 1);
            out.results[name] = d.arms[k].value;
            // Such an arm is no resistor to buy, and no series snaps it.
            if (d.arms[k].shown == ArmShown::Open)
                out.texts[name] = "Open";
            else if (d.arms[k].shown == ArmShown::Short)
                out.texts[name] = "Short";
        }
        if (series) {
            const StandardNetwork n =
                StandardAttenuator(net, a, d.arms, *series == Series::E24, a.z1, a.z2);
            out.results["z1"] = n.z1;
            out.results["z2"] = n.z2;
            out.results["attenuation"] = n.attenuation;
            out.results["reverse_attenuation"] = n.reverse;
            for (size_t k = 0; k < 3; ++k)
                out.results["r" + std::to_string(k + 1)] = n.arms[k];
        }
    } catch (const CalcError&) {
        return Refused(IncorrectValue);
    }
    return Finish(out, IncorrectValue);
}

// ---- op-amps --------------------------------------------------------------------------------

Outcome OpAmpNetwork(OpAmp kind, std::string_view code, const ComputationInput& in) {
    const ComputationInfo& info = Row(code);
    if (auto bad = CheckNames(info, in))
        return *bad;
    std::optional<Series> series;
    if (auto bad = ReadSeries(info, in, series))
        return *bad;
    // Per unknown (R1, R2, both, gain) the names it needs, bit i for names[i].
    constexpr int Inputs[4] = {1 << OpR2 | 1 << OpGain, 1 << OpR1 | 1 << OpGain,
                               1 << OpSum | 1 << OpGain, 1 << OpR1 | 1 << OpR2};
    const int given = GivenMask(in, info.names);
    const int* const found = std::find(std::begin(Inputs), std::end(Inputs), given);
    if (found == std::end(Inputs))
        return Usage(info, Count(given) < 2 ? "too few values" : "no unknown for these values");
    const int unknown = static_cast<int>(found - std::begin(Inputs));
    if (!TypedInRange(in))
        return Refused(IncorrectValue);
    Outcome out;
    try {
        OpAmpValues v = OpAmpSolve(kind, unknown, Read<4>(in, info.names));
        if (series)
            v = OpAmpStandard(kind, unknown, v, [&](double r) { return Snap(*series, r); });
        Store(out, info.results, v);
    } catch (const CalcError&) {
        return Refused(IncorrectValue);
    }
    return Finish(out, IncorrectValue);
}

// ---- reactance ------------------------------------------------------------------------------

Outcome Reactance(Reactive kind, std::string_view code, const ComputationInput& in) {
    const ComputationInfo& info = Row(code);
    if (auto bad = CheckNames(info, in))
        return *bad;
    const int given = GivenMask(in, info.names);
    if (Count(given) != 2)
        return Usage(info, Count(given) < 2 ? "too few values" : "too many values");
    // A box of 0 gives nothing on the tab; no result is as good as a refused one here.
    if (!TypedInRange(in))
        return Refused(IncorrectValue);
    for (const auto& [name, v] : in.values)
        if (v == 0)
            return Refused(IncorrectValue);
    const int unknown = std::countr_one(static_cast<unsigned>(given));
    ReactanceValues v = Read<3>(in, info.names);
    Outcome out;
    try {
        v[static_cast<size_t>(unknown)] = ReactanceUnknown(kind, unknown, v);
    } catch (const CalcError&) {
        return Refused(IncorrectValue);
    }
    Store(out, info.results, v);
    return Finish(out, IncorrectValue);
}

} // namespace

std::optional<Series> SeriesNamed(std::string_view name) {
    // "E-24", "e24" and "E24" name the same series.
    std::string key;
    for (char c : name)
        if (c != '-')
            key += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (key.size() < 2 || key[0] != 'E')
        return std::nullopt;
    const std::optional<Series> series = SeriesByName("E-" + key.substr(1));
    // The tabs offer these two.
    if (series != Series::E24 && series != Series::E96)
        return std::nullopt;
    return series;
}

// ---- resistor power -------------------------------------------------------------------------

Outcome ComputeResistorPower(const ComputationInput& in) {
    const ComputationInfo& info = Row("rp");
    if (auto bad = CheckNames(info, in))
        return *bad;
    std::optional<Series> series;
    if (auto bad = ReadSeries(info, in, series))
        return *bad;
    const int given = GivenMask(in, info.names);
    if (Count(given) != 2)
        return Usage(info, Count(given) < 2 ? "too few values" : "too many values");
    if (series && !(given & 1 << PowerR))
        return Usage(info, "standard values snap a given r");
    if (!TypedInRange(in))
        return Refused(IncorrectValue);
    PowerValues v = Read<4>(in, info.names);
    Outcome out;
    try {
        const PowerValues typed = v;
        for (int b : PowerUnknowns(given))
            v[static_cast<size_t>(b)] = PowerQuantity(given, b, typed);
        if (series) {
            // R snapped; the unknowns follow from it and the other given quantity.
            PowerValues snapped = v;
            snapped[PowerR] = Snap(*series, v[PowerR]);
            const PowerValues from = snapped;
            for (int b : PowerUnknowns(given))
                snapped[static_cast<size_t>(b)] = PowerQuantity(given, b, from);
            v = snapped;
        }
    } catch (const CalcError&) {
        return Refused(IncorrectValue);
    }
    Store(out, info.results, v);
    return Finish(out, IncorrectValue);
}

// ---- voltage divider ------------------------------------------------------------------------

Outcome ComputeVoltageDivider(const ComputationInput& in) {
    const ComputationInfo& info = Row("vd");
    if (auto bad = CheckNames(info, in))
        return *bad;
    std::optional<Series> series;
    if (auto bad = ReadSeries(info, in, series))
        return *bad;
    const int given = GivenMask(in, info.names);
    const auto found = std::find(DividerRequired.begin(), DividerRequired.end(), given);
    if (found == DividerRequired.end())
        return Usage(info, Count(given) < 3 ? "too few values" : "no unknown for these values");
    const int m = static_cast<int>(found - DividerRequired.begin());
    if (!TypedInRange(in))
        return Refused(IncorrectValue);
    DividerValues v = Read<5>(in, info.names);
    Outcome out;
    try {
        if (Has(in, "u") && Has(in, "u1") && v[DivU1] > v[DivU])
            throw CalcError("output above input");
        const double result = DividerUnknown(m, v);
        if (result < 0 || (m == DivBoth && v[DivSum] < 0))
            throw CalcError("negative resistance");
        if (m < DivBoth) {
            v[static_cast<size_t>(m)] = result;
            v[DivSum] = Add(v[DivR1], v[DivR2]);
        } else {
            v[DivR2] = result;
            v[DivR1] = Sub(v[DivSum], result);
            if (v[DivR1] < 0)
                throw CalcError("negative resistance");
        }
        if (series) {
            // The resistors that were not the unknown are snapped; the output they really give,
            // or the unknown, follows from them.
            DividerValues s = v;
            if (m != DivR1)
                s[DivR1] = Snap(*series, v[DivR1]);
            if (m != DivR2)
                s[DivR2] = Snap(*series, v[DivR2]);
            const int unknown = m == DivU || m == DivR1 || m == DivR2 ? m : DivU1;
            s[static_cast<size_t>(unknown)] = DividerUnknown(unknown, s);
            s[DivSum] = Add(s[DivR1], s[DivR2]);
            v = s;
        }
    } catch (const CalcError&) {
        return Refused(IncorrectValue);
    }
    Store(out, info.results, v);
    return Finish(out, IncorrectValue);
}

Outcome ComputeSerialResistors(const ComputationInput& in) {
    return Pairs(Pairing::Serial, "sr", in);
}

Outcome ComputeParallelResistors(const ComputationInput& in) {
    return Pairs(Pairing::Parallel, "pr", in);
}

Outcome ComputePiAttenuator(const ComputationInput& in) {
    return Attenuator(Network::Pi, "pi", in);
}

Outcome ComputeTAttenuator(const ComputationInput& in) {
    return Attenuator(Network::T, "t", in);
}

Outcome ComputeInvertingOpAmp(const ComputationInput& in) {
    return OpAmpNetwork(OpAmp::Inverting, "io", in);
}

Outcome ComputeNonInvertingOpAmp(const ComputationInput& in) {
    return OpAmpNetwork(OpAmp::NonInverting, "no", in);
}

// ---- dB, %, X -------------------------------------------------------------------------------

Outcome ComputeDbRatio(const ComputationInput& in) {
    const ComputationInfo& info = Row("db1");
    if (auto bad = CheckNames(info, in))
        return *bad;
    const int given = GivenMask(in, info.names);
    if (Count(given) != 1)
        return Usage(info, Count(given) < 1 ? "too few values" : "too many values");
    const std::string kind = Text(in, "kind", "attenuation");
    const std::string ratio = Text(in, "ratio", "voltage");
    if (kind != "attenuation" && kind != "gain")
        return Usage(info, "kind is gain or attenuation");
    if (ratio != "voltage" && ratio != "power")
        return Usage(info, "ratio is voltage or power");
    const bool power = ratio == "power";
    const int box = std::countr_zero(static_cast<unsigned>(given));
    const double value = Value(in, info.names[static_cast<size_t>(box)]);
    // The limits also refuse a negative factor or percentage and a number beyond the range.
    if (!RatioInRange(box, power, value))
        return Refused(RatioRefused);
    RatioLevels r;
    r.attenuation = kind == "attenuation";
    (box == RatioTimes ? r.times : box == RatioPercent ? r.percent : r.db) = value;
    try {
        r = ConvertRatio(box, r, power);
    } catch (const CalcError&) {
        return Refused(RatioRefused);
    }
    Outcome out;
    Store(out, info.results, std::array<double, 3>{r.times, r.percent, r.db});
    out.texts["kind"] = r.attenuation ? "attenuation" : "gain"; // a percentage decides it
    return Finish(out, RatioRefused);
}

// ---- dBm, dBU, dBV --------------------------------------------------------------------------

Outcome ComputeDbLevel(const ComputationInput& in) {
    const ComputationInfo& info = Row("db2");
    if (auto bad = CheckNames(info, in))
        return *bad;
    const int given = GivenMask(in, info.names);
    if (Count(given) != 1)
        return Usage(info, Count(given) < 1 ? "too few values" : "too many values");
    const std::string refName = Text(in, "ref", "dbm");
    const char* const refs[3] = {"dbm", "dbu", "dbv"};
    const int ref = static_cast<int>(std::find(refs, refs + 3, refName) - refs);
    if (ref == 3)
        return Usage(info, "ref is dbm, dbu or dbv");
    // Against 1 V the tab hides the power row.
    if (ref == RefDbv && Has(in, "power"))
        return Usage(info, "power has no meaning against dbv");
    const int box = std::countr_zero(static_cast<unsigned>(given));
    const double value = Value(in, info.names[static_cast<size_t>(box)]);
    // The limits refuse a negative voltage or power, and 0, as too low.
    const std::string refused = LevelLimitMessage(box, ref, value, StartDecimals);
    if (!refused.empty())
        return Refused(refused);
    LevelValues q{};
    try {
        q = ConvertLevel(box, value, ReferenceVolts(ref));
    } catch (const CalcError&) {
        return Refused(LevelWrong);
    }
    Outcome out;
    Store(out, info.results, q);
    if (ref == RefDbv)
        out.results.erase("power");
    return Finish(out, LevelWrong);
}

// ---- rise time ------------------------------------------------------------------------------

Outcome ComputeRiseTime(const ComputationInput& in) {
    const ComputationInfo& info = Row("tr");
    if (auto bad = CheckNames(info, in))
        return *bad;
    enum { Tr = 1, Bw = 2, Meas = 4, Sys = 8, Dut = 16 };
    const int given = GivenMask(in, info.names);
    const int upper = given & (Tr | Bw), lower = given & (Meas | Sys | Dut);
    if (upper && lower)
        return Usage(info, "rise time and bandwidth do not mix with measured, system and dut");
    Outcome out;
    if (upper) {
        if (upper == (Tr | Bw))
            return Usage(info, "too many values");
        const double v = Value(in, upper == Tr ? "rise_time" : "bandwidth");
        const RiseTimeResult r = upper == Tr ? BandwidthFromRiseTime(v) : RiseTimeFromBandwidth(v);
        if (!r.reason.empty())
            return Refused(RiseTimeWarning(r.reason));
        out.results["rise_time"] = upper == Tr ? v : r.value;
        out.results["bandwidth"] = upper == Tr ? r.value : v;
        return Finish(out, RiseTimeIncorrect);
    }
    if (Count(lower) != 2)
        return Usage(info, Count(lower) < 2 ? "too few values" : "too many values");
    for (const auto& [name, v] : in.values)
        if (v < 0)
            return Refused(RiseTimeIncorrect);
    double measured = Value(in, "measured"), system = Value(in, "system"), dut = Value(in, "dut");
    try {
        if (lower == (Meas | Dut)) {
            if (measured < dut)
                return Refused(RiseTimeIncorrect);
            // The same square root: the system and the DUT play the same part in it.
            system = DutRiseTime(measured, dut);
        } else if (system == 0) {
            return Refused(SystemFirst);
        } else if (lower == (Meas | Sys)) {
            if (measured < system)
                return Refused(BelowSystem);
            dut = DutRiseTime(measured, system);
        } else {
            measured = MeasuredRiseTime(dut, system);
        }
    } catch (const CalcError&) {
        return Refused(RiseTimeIncorrect);
    }
    out.results["measured"] = measured;
    out.results["system"] = system;
    out.results["dut"] = dut;
    return Finish(out, RiseTimeIncorrect);
}

Outcome ComputeCapacitiveReactance(const ComputationInput& in) {
    return Reactance(Reactive::Capacitor, "cz", in);
}

Outcome ComputeInductiveReactance(const ComputationInput& in) {
    return Reactance(Reactive::Inductor, "lz", in);
}

// ---- number bases ---------------------------------------------------------------------------

Outcome ComputeNumberBases(const ComputationInput& in) {
    const ComputationInfo& info = Row("nc");
    if (auto bad = CheckNames(info, in))
        return *bad;
    if (in.texts.size() != 1)
        return Usage(info, in.texts.empty() ? "too few values" : "too many values");
    const auto& [name, typed] = *in.texts.begin();
    const auto base = static_cast<NumberBase>(
        std::find(info.choices.begin(), info.choices.end(), name) - info.choices.begin());
    // Vetted as typed keys are: a digit the box refuses names no number.
    std::string text = typed;
    int caret = 0;
    if (!NumberBaseFilter(base, text, caret) || text.find_first_not_of(' ') == std::string::npos)
        return Usage(info, "\"" + typed + "\" is no " + name + " number");
    Outcome out;
    try {
        const int32_t value = NumberBaseValue(base, text);
        for (int b = 0; b < NumberBaseCount; ++b)
            if (b != base)
                out.texts[info.choices[static_cast<size_t>(b)]] =
                    NumberBaseText(static_cast<NumberBase>(b), value);
    } catch (const CalcError&) {
        return Refused(NumberOverflow);
    }
    return out;
}

// ---- electrical spacing ---------------------------------------------------------------------

// Results in metres; "spacing" and "per_volt" are those of the column asked for, and each column
// has its own spacing under its name ("b1" ... "a7").
Outcome ComputeElectricalSpacing(const ComputationInput& in) {
    const ComputationInfo& info = Row("es");
    if (auto bad = CheckNames(info, in))
        return *bad;
    if (!Has(in, "v"))
        return Usage(info, "too few values");
    const std::string name = Text(in, "class", "b1");
    int column = 0;
    while (column < SpacingClassCount && Lower(SpacingColumns[column].name) != name)
        ++column;
    if (column == SpacingClassCount)
        return Usage(info, "class is one of B1 B2 B3 B4 A5 A6 A7");
    // The tab's voltage box takes no minus and no number beyond the double range.
    if (!TypedInRange(in))
        return Refused(IncorrectValue);
    const double volts = Value(in, "v");
    Outcome out;
    try {
        out.results["v"] = volts;
        for (int c = 0; c < SpacingClassCount; ++c)
            out.results[Lower(SpacingColumns[c].name)] =
                MinimumSpacing(static_cast<SpacingClass>(c), volts);
        out.results["spacing"] = MinimumSpacing(static_cast<SpacingClass>(column), volts);
        out.results["per_volt"] = SpacingPerVolt(static_cast<SpacingClass>(column));
    } catch (const CalcError&) {
        return Refused(IncorrectValue);
    }
    return Finish(out, IncorrectValue);
}

// ---- wavelength -----------------------------------------------------------------------------

Outcome ComputeWavelength(const ComputationInput& in) {
    const ComputationInfo& info = Row("wl");
    if (auto bad = CheckNames(info, in))
        return *bad;
    const int given = GivenMask(in, {"f", "period", "wavelength"});
    if (Count(given) != 1)
        return Usage(info, Count(given) < 1 ? "too few values" : "too many values");
    const auto which = static_cast<WaveGiven>(std::countr_zero(static_cast<unsigned>(given)));
    const char* const names[3] = {"f", "period", "wavelength"};
    // An εr or μr not given is that of vacuum, as on the tab, whose empty boxes read 1.
    const double er = Has(in, "er") ? Value(in, "er") : 1;
    const double ur = Has(in, "ur") ? Value(in, "ur") : 1;
    // A 0 in any box gives nothing on the tab; no result is as good as a refused one here.
    if (!TypedInRange(in))
        return Refused(IncorrectValue);
    Outcome out;
    try {
        const Wave w = WaveFrom(which, Value(in, names[which]), er, ur);
        out.results = {{"f", w.frequency},
                       {"period", w.period},
                       {"wavelength", w.wavelength},
                       {"er", er},
                       {"ur", ur},
                       {"speed", w.speed},
                       {"quarter", w.quarter},
                       {"velocity_factor", w.velocityFactor}};
    } catch (const CalcError&) {
        return Refused(IncorrectValue);
    }
    return Finish(out, IncorrectValue);
}

// ---- the table ------------------------------------------------------------------------------

const std::vector<ComputationInfo>& Computations() {
    static const std::vector<ComputationInfo> rows = [] {
        const std::vector<std::string> power = {"u", "r", "i", "p"};
        const std::vector<std::string> divider = {"u", "u1", "r1", "r2", "sum"};
        const std::vector<std::string> pair = {"r", "r1", "r2"};
        // standard_target: 1 when the searched target is itself a member of the series.
        const std::vector<std::string> pairResults = {"r", "r1", "r2", "standard_target"};
        const std::vector<std::string> net = {"z1", "z2", "attenuation"};
        const std::vector<std::string> netResults = {
            "z1", "z2", "attenuation",         "r1",
            "r2", "r3", "reverse_attenuation", "minimum_attenuation"};
        const std::vector<std::string> opamp = {"r1", "r2", "sum", "gain"};
        const std::vector<std::string> ratio = {"x", "percent", "db"};
        const std::vector<std::string> level = {"db", "rms", "pp", "power"};
        const std::vector<std::string> rise = {"rise_time", "bandwidth", "measured", "system",
                                               "dut"};
        const std::vector<std::string> cz = {"f", "c", "z"};
        const std::vector<std::string> lz = {"f", "l", "z"};
        const char* const pairNeeds =
            "r1 r2 (gives r), r r2 (gives r1), or r with tolerance=0..5 "
            "(the pair search, series E-96 unless told); series=E-24|E-96";
        const char* const netNeeds =
            "z1 z2 (z1 at least z2) and attenuation in dB, or z1 z2 for "
            "the minimum; power=1 reads dB as a power ratio; series=E-24|E-96 "
            "with an attenuation";
        const char* const opNeeds = "r2 gain, r1 gain, sum gain (gives r1 and r2) or r1 r2 (gives "
                                    "gain); series=E-24|E-96";
        // A call packs its arguments: one calculator stays a few lines long.
        auto Row = [](const char* code, Computation compute, std::vector<std::string> names,
                      std::vector<std::string> results, std::vector<std::string> choices,
                      const char* needs, const char* example) {
            return ComputationInfo{
                code,  compute, std::move(names), std::move(results), std::move(choices),
                needs, example};
        };
        return std::vector<ComputationInfo>{
            Row("rp", ComputeResistorPower, power, power, {"series"},
                "two of u r i p; series=E-24|E-96 snaps a given r", "u=12 r=470"),
            Row("vd", ComputeVoltageDivider, divider, divider, {"series"},
                "u1 r1 r2, u r1 r2, u u1 r2, u u1 r1, or u u1 sum (gives r1 and r2); "
                "series=E-24|E-96",
                "u=12 u1=3.3 r2=10000"),
            Row("pr", ComputeParallelResistors, pair, pairResults, {"tolerance", "series"},
                pairNeeds, "r1=1000 r2=1000"),
            Row("pi", ComputePiAttenuator, net, netResults, {"power", "series"}, netNeeds,
                "z1=50 z2=50 attenuation=10"),
            Row("t", ComputeTAttenuator, net, netResults, {"power", "series"}, netNeeds,
                "z1=50 z2=50 attenuation=10"),
            Row("nc", ComputeNumberBases, {}, {}, {"dec", "hex", "oct", "bin"},
                "one of dec hex oct bin, as digits", "hex=FF"),
            Row("db1", ComputeDbRatio, ratio, ratio, {"kind", "ratio"},
                "one of x percent db; kind=gain|attenuation, ratio=voltage|power", "db=20"),
            Row("db2", ComputeDbLevel, level, level, {"ref"},
                "one of db rms pp power; ref=dbm|dbu|dbv (no power with dbv)", "db=0 ref=dbm"),
            Row("tr", ComputeRiseTime, rise, rise, {},
                "rise_time or bandwidth, or two of measured system dut", "rise_time=1e-9"),
            Row("sr", ComputeSerialResistors, pair, pairResults, {"tolerance", "series"}, pairNeeds,
                "r=1500 tolerance=1"),
            Row("cz", ComputeCapacitiveReactance, cz, cz, {}, "two of f c z", "f=1000 c=1e-6"),
            Row("lz", ComputeInductiveReactance, lz, lz, {}, "two of f l z", "f=1000 l=1e-3"),
            Row("no", ComputeNonInvertingOpAmp, opamp, opamp, {"series"}, opNeeds,
                "r1=1000 r2=9000"),
            Row("io", ComputeInvertingOpAmp, opamp, opamp, {"series"}, opNeeds, "r1=1000 r2=10000"),
            Row("es", ComputeElectricalSpacing, {"v"},
                {"v", "spacing", "per_volt", "b1", "b2", "b3", "b4", "a5", "a6", "a7"}, {"class"},
                "v (peak volts, DC or AC peak); class=B1|B2|B3|B4|A5|A6|A7 (B1 unless told)",
                "v=600 class=B1"),
            Row("wl", ComputeWavelength, {"f", "period", "wavelength", "er", "ur"},
                {"f", "period", "wavelength", "er", "ur", "speed", "quarter", "velocity_factor"},
                {}, "one of f period wavelength; er and ur (1 unless given)", "f=1e9 er=4"),
        };
    }();
    return rows;
}

const ComputationInfo* FindComputation(std::string_view code) {
    for (const ComputationInfo& row : Computations())
        if (code == row.code)
            return &row;
    return nullptr;
}

Computation ComputationFor(std::string_view code) {
    const ComputationInfo* row = FindComputation(code);
    return row ? row->compute : nullptr;
}

} // namespace oq
