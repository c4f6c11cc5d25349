#include "model/computations.h"

#include "model/attenuators.h"
#include "model/checked.h"
#include "model/colour_code.h"
#include "model/decibels.h"
#include "model/electrical_spacing.h"
#include "model/notation.h"
#include "model/number_bases.h"
#include "model/opamps.h"
#include "model/reactance.h"
#include "model/regulator.h"
#include "model/resistor_combinations.h"
#include "model/resistor_pairs.h"
#include "model/resistor_power.h"
#include "model/rise_time.h"
#include "model/series_lookup.h"
#include "model/standard_series.h"
#include "model/track_width.h"
#include "model/transmission_line.h"
#include "model/via.h"
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
        try {
            const PairSearch found =
                SearchPairs(how, series.value_or(Series::E96), r, *tolerance, StartDecimals);
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
            const StandardNetwork n = StandardAttenuator(net, a, d.arms, *series, a.z1, a.z2);
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
    // Every series, E-3 to E-192: the tabs offer E-12 to E-192, the command line all of them.
    return SeriesByName("E-" + key.substr(1));
}

std::vector<std::string> ChoiceValues(std::string_view code, std::string_view choice) {
    // The choices some calculators name alike but fill otherwise.
    if (code == "reg" && choice == "kind")
        return {"standard", "three-terminal"};
    if (code == "reg" && choice == "tolerance")
        return {"0.1", "0.5", "1", "2", "5"};
    if (code == "reg" && choice == "list")
        return {"0", "1"};
    if (code == "rc" && choice == "list")
        return {"1", "10"};
    if (code == "rc" && choice == "alone")
        return {"yes", "no"};
    if (code == "tl" && choice == "type")
        return {"microstrip", "stripline", "cpw", "gcpw", "coax"};
    if (code == "es" && choice == "class") {
        std::vector<std::string> names;
        for (const SpacingColumn& c : SpacingColumns)
            names.emplace_back(c.name);
        return names;
    }
    if (choice == "series")
        return {"E-3", "E-6", "E-12", "E-24", "E-48", "E-96", "E-192"};
    if (choice == "tolerance")
        return ToleranceEntries();
    if (choice == "power")
        return {"0", "1"};
    if (choice == "kind")
        return {"attenuation", "gain"};
    if (choice == "ratio")
        return {"voltage", "power"};
    if (choice == "ref")
        return {"dbm", "dbu", "dbv"};
    return {};
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
            // Both resistors are snapped, a computed one too: the pair to buy. The output they
            // really give follows from them (the input, when that was the unknown).
            DividerValues s = v;
            s[DivR1] = Snap(*series, v[DivR1]);
            s[DivR2] = Snap(*series, v[DivR2]);
            const int unknown = m == DivU ? DivU : DivU1;
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

// ---- standard values ----------------------------------------------------------------------

namespace {

// "e24_nearest": the series' short name in lower case, then what it names.
std::string SeriesKey(Series series, const char* what) {
    std::string key(SeriesCode(series));
    key[0] = 'e';
    return key + "_" + what;
}

const char* const SeriesFigures[] = {"nearest", "lower", "higher", "deviation", "member"};

std::vector<std::string> SeriesResults() {
    std::vector<std::string> names = {"r"};
    for (Series s : kAllSeries)
        for (const char* what : SeriesFigures)
            names.push_back(SeriesKey(s, what));
    return names;
}

} // namespace

Outcome ComputeStandardValues(const ComputationInput& in) {
    const ComputationInfo& info = Row("sv");
    if (auto bad = CheckNames(info, in))
        return *bad;
    std::optional<Series> series;
    if (auto bad = ReadSeries(info, in, series))
        return *bad;
    if (!Has(in, "r"))
        return Usage(info, "too few values");
    const double r = Value(in, "r");
    Outcome out;
    out.results["r"] = r;
    try {
        for (Series s : kAllSeries) {
            if (series && s != *series)
                continue;
            const SeriesNeighbours n = LookUpSeries(s, r);
            out.results[SeriesKey(s, "nearest")] = n.nearest;
            out.results[SeriesKey(s, "lower")] = n.lower;
            out.results[SeriesKey(s, "higher")] = n.higher;
            out.results[SeriesKey(s, "deviation")] = n.deviation;
            out.results[SeriesKey(s, "member")] = n.member ? 1 : 0;
            // The colour code of the nearest member, where it has one (E-192 at 0.5 %).
            if (const auto bands = SeriesBands(s, n.nearest)) {
                std::string names;
                for (Band b : *bands) {
                    // Appended piece by piece: GCC 12 warns falsely on "" + string at -O3.
                    if (!names.empty())
                        names += ' ';
                    names += BandName(b);
                }
                out.texts[SeriesKey(s, "bands")] = names;
            }
        }
    } catch (const CalcError&) {
        return Refused(IncorrectValue);
    }
    return Finish(out, IncorrectValue);
}

// ---- resistor combinations ------------------------------------------------------------------

Outcome ComputeResistorCombinations(const ComputationInput& in) {
    const ComputationInfo& info = Row("rc");
    if (auto bad = CheckNames(info, in))
        return *bad;
    if (!Has(in, "r"))
        return Usage(info, "too few values");
    CombinationParts parts;
    std::optional<Series> series;
    if (auto bad = ReadSeries(info, in, series))
        return *bad;
    if (series)
        parts.series = *series;
    const std::string alone = Text(in, "alone", "yes");
    if (alone != "yes" && alone != "no")
        return Usage(info, "alone is yes or no");
    const std::string list = Text(in, "list", "1");
    if (list != "1" && list != "10")
        return Usage(info, "list is 1 or 10 (solutions per count)");
    if (!TypedInRange(in))
        return Refused(IncorrectValue);
    for (const char* name : {"exclude1", "exclude2", "exclude3"})
        if (Has(in, name))
            parts.excluded.push_back(Value(in, name));
    if (Has(in, "low"))
        parts.low = Value(in, "low");
    if (Has(in, "high"))
        parts.high = Value(in, "high");
    CombinationRequest request;
    request.target = Value(in, "r");
    request.targetAlone = alone == "yes";
    request.listLength = list == "10" ? 10 : 1;
    Outcome out;
    try {
        const CombinationResult found = FindCombinations(parts, request);
        out.results["r"] = request.target;
        for (size_t n = 0; n < found.best.size(); ++n) {
            const std::string count = std::to_string(n + 1);
            for (const Combination& c : found.best[n])
                out.list.push_back(count + ": " + CombinationLine(c));
            if (found.best[n].empty())
                continue;
            out.results["value" + count] = found.best[n][0].value;
            out.results["deviation" + count] = found.best[n][0].deviation * 100;
        }
        const Combination* best = BestOverall(found);
        if (!best)
            return Refused(NoPairs);
        out.results["best_count"] = best->count();
    } catch (const CalcError&) {
        return Refused(IncorrectValue);
    }
    return Finish(out, IncorrectValue);
}

// ---- regulator feedback ---------------------------------------------------------------------

Outcome ComputeRegulator(const ComputationInput& in) {
    const ComputationInfo& info = Row("reg");
    if (auto bad = CheckNames(info, in))
        return *bad;
    const std::string kindName = Text(in, "kind", "standard");
    if (kindName != "standard" && kindName != "three-terminal")
        return Usage(info, "kind is standard or three-terminal");
    const RegulatorKind kind =
        kindName == "standard" ? RegulatorKind::Standard : RegulatorKind::ThreeTerminal;
    std::optional<Series> series;
    if (auto bad = ReadSeries(info, in, series))
        return *bad;
    const std::string tolText = Text(in, "tolerance", "1");
    std::optional<double> tolerance;
    for (double t : RegulatorTolerances)
        if (tolText == FormatFixedTrim(t, 0))
            tolerance = t;
    if (!tolerance)
        return Usage(info, "tolerance is 0.1, 0.5, 1, 2 or 5 (percent)");
    const std::string list = Text(in, "list", "0");
    if (list != "0" && list != "1")
        return Usage(info, "list is 1 (the ten best pairs) or 0");
    if (list == "1" && !series)
        return Usage(info, "the ten best pairs need a series");

    auto given = [&](const char* name) {
        return Has(in, name) ? std::optional<double>(Value(in, name)) : std::nullopt;
    };
    const bool anyIadj = Has(in, "iadj_min") || Has(in, "iadj") || Has(in, "iadj_max");
    if (kind == RegulatorKind::Standard && anyIadj)
        return Usage(info, "iadj only with kind=three-terminal");
    const int quantities = GivenMask(in, {"vout", "r1", "r2"});
    if (Count(quantities) != 2)
        return Usage(info, Count(quantities) < 2 ? "too few values" : "too many values");
    if (!TypedInRange(in))
        return Refused(IncorrectValue);
    const int unknown = std::countr_one(static_cast<unsigned>(quantities));

    Outcome out;
    try {
        RegulatorData data;
        data.kind = kind;
        const std::optional<Spread> vref =
            CompleteSpread(given("vref_min"), given("vref"), given("vref_max"), false);
        if (!vref)
            return Usage(info, "vref is needed");
        data.vref = *vref;
        data.iadj = CompleteSpread(given("iadj_min"), given("iadj"), given("iadj_max"), true)
                        .value_or(Spread{});
        if (const std::string problem = RegulatorFiguresProblem(data); !problem.empty())
            return Refused(problem);
        // The range bounds the search alone.
        ResistorRange range = DefaultRange(kind);
        range.low = given("range_low").value_or(range.low);
        range.high = given("range_high").value_or(range.high);
        if (const std::string problem = RegulatorRangeProblem(kind, range);
            series && !problem.empty())
            return Refused(problem);

        RegulatorValues v = {Value(in, "vout"), Value(in, "r1"), Value(in, "r2")};
        v[static_cast<size_t>(unknown)] =
            RegulatorUnknown(kind, unknown, data.vref.typ, data.iadj.typ, v);
        if (series) {
            const double wanted = v[RegVout];
            const std::vector<RegulatorPair> pairs = SearchRegulatorPairs(
                kind, data.vref.typ, data.iadj.typ, wanted, *series, range, list == "1" ? 10 : 1);
            if (pairs.empty())
                return Refused(NoPairs);
            v = {pairs[0].vout, pairs[0].r1, pairs[0].r2};
            out.results["wanted"] = wanted;
            out.results["error"] = pairs[0].error;
            if (list == "1")
                for (const RegulatorPair& p : pairs)
                    out.list.push_back(RegulatorPairLine(p, *series));
        }
        const WorstCase w = RegulatorWorstCase(data, v[RegR1], v[RegR2], *tolerance);
        out.results["vout"] = v[RegVout];
        out.results["r1"] = v[RegR1];
        out.results["r2"] = v[RegR2];
        out.results["vout_min"] = w.min;
        out.results["vout_max"] = w.max;
        out.results["deviation_below"] = w.below;
        out.results["deviation_above"] = w.above;
    } catch (const CalcError& e) {
        return Refused(std::string(e.what()) == RegulatorBelowVref ? RegulatorBelowVref
                                                                   : IncorrectValue);
    }
    return Finish(out, IncorrectValue);
}

// ---- track width and via -------------------------------------------------------------------

namespace {
// The board tabs refuse what their boxes cannot hold: a number beyond the double range, or a
// negative one anywhere but in `signedName` (the ambient temperature).
bool BoardInRange(const ComputationInput& in, const char* signedName = "") {
    for (const auto& [name, v] : in.values)
        if (std::fabs(v) >= DBL_MAX || (v < 0 && name != signedName))
            return false;
    return true;
}
} // namespace

// The width for a current or the current for a width, outer and inner; with the length and the
// ambient temperature the resistance, drop and loss. A result beyond the IPC-2221 chart comes
// with the tab's warning as its message; it is not refused.
Outcome ComputeTrackWidth(const ComputationInput& in) {
    const ComputationInfo& info = Row("tw");
    if (auto bad = CheckNames(info, in))
        return *bad;
    const bool current = Has(in, "i"), width = Has(in, "w");
    if (current == width)
        return Usage(info, current ? "i or w, not both" : "too few values");
    if (!Has(in, "rise") || !Has(in, "thickness"))
        return Usage(info, "too few values");
    if (Has(in, "length") != Has(in, "ambient"))
        return Usage(info, "length and ambient go together");
    if (!BoardInRange(in, "ambient"))
        return Refused(IncorrectValue);
    TrackInput t;
    t.solve = current ? TrackSolve::Width : TrackSolve::Current;
    t.given = Value(in, current ? "i" : "w");
    t.rise = Value(in, "rise");
    t.thickness = Value(in, "thickness");
    t.withLength = Has(in, "length");
    t.length = Value(in, "length");
    t.ambient = Value(in, "ambient");
    Outcome out;
    try {
        const TrackResult r = SolveTrack(t);
        const char* const layers[2] = {"_outer", "_inner"};
        for (size_t k = 0; k < 2; ++k) {
            const TrackLayerResult& l = r.layers[k];
            const std::string layer = layers[k];
            out.results["w" + layer] = l.width;
            out.results["i" + layer] = l.current;
            if (t.withLength) {
                out.results["r" + layer] = l.resistance;
                out.results["u" + layer] = l.drop;
                out.results["p" + layer] = l.power;
            }
        }
        out.message = ChartWarning(r.bounds);
    } catch (const CalcError&) {
        return Refused(IncorrectValue);
    }
    return Finish(out, IncorrectValue);
}

// Each of the via's results from the figures it needs. A figure of 0 counts as not given, as on
// the tab, whose empty boxes read as 0.
Outcome ComputeVia(const ComputationInput& in) {
    const ComputationInfo& info = Row("via");
    if (auto bad = CheckNames(info, in))
        return *bad;
    if (in.values.empty())
        return Usage(info, "too few values");
    if (!BoardInRange(in))
        return Refused(IncorrectValue);
    const auto figure = [&](const char* name) -> std::optional<double> {
        const double v = Value(in, name);
        return v > 0 ? std::optional<double>(v) : std::nullopt;
    };
    ViaInput v;
    v.hole = figure("d");
    v.plating = figure("t");
    v.length = figure("h");
    v.pad = figure("pad");
    v.antipad = figure("antipad");
    v.permittivity = figure("er");
    v.current = figure("i");
    v.rise = figure("rise");
    v.riseTime = figure("tr");
    v.impedance = figure("z0");
    const ViaResult r = SolveVia(v);
    if (r.refused)
        return Refused(IncorrectValue);
    Outcome out;
    const std::pair<const char*, const std::optional<double>*> results[] = {
        {"r", &r.resistance},      {"u", &r.drop},        {"p", &r.power},
        {"ampacity", &r.ampacity}, {"theta", &r.thermal}, {"c", &r.capacitance},
        {"l", &r.inductance},      {"xl", &r.reactance},  {"t10_90", &r.degradation}};
    for (const auto& [name, value] : results)
        if (*value)
            out.results[name] = **value;
    if (out.results.empty())
        return Usage(info, "too few values for any result");
    out.message = ChartWarning(r.bounds);
    return Finish(out, IncorrectValue);
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

// ---- transmission line ---------------------------------------------------------------------

const char* const LineIncorrect = IncorrectValue;
const char* const LineOutOfReach = "No width gives this impedance";

Outcome ComputeTransmissionLine(const ComputationInput& in) {
    const ComputationInfo& info = Row("tl");
    if (auto bad = CheckNames(info, in))
        return *bad;
    const std::optional<LineType> type = LineTypeNamed(Text(in, "type", "microstrip"));
    if (!type)
        return Usage(info, "type is microstrip, stripline, cpw, gcpw or coax");
    if (!Has(in, "er") || !Has(in, "h"))
        return Usage(info, "er and h are both needed");
    const bool analysis = Has(in, "w");
    if (analysis == Has(in, "z0"))
        return Usage(info, analysis ? "w and z0 do not go together" : "w or z0 is needed");
    const bool coplanar = *type == LineType::Cpw || *type == LineType::GroundedCpw;
    if (coplanar != Has(in, "gap"))
        return Usage(info, coplanar ? "gap is needed" : "gap is only for cpw and gcpw");
    if (Has(in, "angle") && (analysis || Has(in, "length") || !Has(in, "f")))
        return Usage(info, "angle, with f, gives the length of a synthesis");
    if (!TypedInRange(in))
        return Refused(LineIncorrect);

    LineInput line;
    LineGeometry& g = line.geometry;
    g = {*type, Value(in, "er"), Value(in, "h"), Value(in, "w"), Value(in, "t"), Value(in, "gap")};
    line.frequency = Value(in, "f");
    const auto optional = [&](const char* name) {
        return Has(in, name) ? std::optional<double>(Value(in, name)) : std::nullopt;
    };
    line.lossTangent = optional("tand");
    line.conductivity = optional("sigma");
    line.length = optional("length");
    Outcome out;
    try {
        if (!analysis) {
            const std::optional<double> w = SynthesiseWidth(g, Value(in, "z0"), line.frequency);
            if (!w)
                return Refused(LineOutOfReach);
            g.width = out.results["w"] = *w;
            if (Has(in, "angle"))
                line.length = out.results["length"] = LengthForAngle(
                    Value(in, "angle"), AtFrequency(g, line.frequency).eeff, line.frequency);
        }
        const LineResult r = AnalyseLine(line);
        out.results["z0"] = r.z0;
        out.results["eeff"] = r.eeff;
        out.results["vp"] = r.phaseVelocity;
        const std::pair<const char*, const std::optional<double>&> optionalResults[] = {
            {"angle", r.electricalLength},
            {"conductor_loss", r.conductorLoss},
            {"dielectric_loss", r.dielectricLoss},
            {"skin_depth", r.skinDepth}};
        for (const auto& [name, v] : optionalResults)
            if (v)
                out.results[name] = *v;
    } catch (const CalcError&) {
        return Refused(LineIncorrect);
    }
    out.texts["type"] = LineTypeName(*type);
    out.texts["model"] = LineModel(*type);
    return Finish(out, LineIncorrect);
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
        const std::vector<std::string> tw = {"i", "w", "rise", "thickness", "length", "ambient"};
        const std::vector<std::string> twResults = {"w_outer", "w_inner", "i_outer", "i_inner",
                                                    "r_outer", "r_inner", "u_outer", "u_inner",
                                                    "p_outer", "p_inner"};
        const std::vector<std::string> via = {"d",  "t", "h",    "pad", "antipad",
                                              "er", "i", "rise", "tr",  "z0"};
        const std::vector<std::string> viaResults = {"r", "u", "p",  "ampacity", "theta",
                                                     "c", "l", "xl", "t10_90"};
        const char* const pairNeeds =
            "r1 r2 (gives r), r r2 (gives r1), or r with tolerance=0..5 "
            "(the pair search, series E-96 unless told); series=E-3|E-6|E-12|E-24|E-48|E-96|E-192";
        const char* const netNeeds = "z1 z2 (z1 at least z2) and attenuation in dB, or z1 z2 for "
                                     "the minimum; power=1 reads dB as a power ratio; "
                                     "series=E-3|E-6|E-12|E-24|E-48|E-96|E-192 "
                                     "with an attenuation";
        const std::vector<std::string> rcResults = {
            "r",      "value1",     "deviation1", "value2",     "deviation2",
            "value3", "deviation3", "value4",     "deviation4", "best_count"};
        const char* const rcNeeds =
            "r (the target); series=E-3..E-192 (E-24 unless told), exclude1..exclude3 (values "
            "not to use), low and high (the parts' range, 10 to 1e6 unless told), alone=no (the "
            "target may not stand alone), list=10 (ten solutions per count)";
        const char* const opNeeds = "r2 gain, r1 gain, sum gain (gives r1 and r2) or r1 r2 (gives "
                                    "gain); series=E-3|E-6|E-12|E-24|E-48|E-96|E-192";
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
                "two of u r i p; series=E-3|E-6|E-12|E-24|E-48|E-96|E-192 snaps a given r",
                "u=12 r=470"),
            Row("vd", ComputeVoltageDivider, divider, divider, {"series"},
                "u1 r1 r2, u r1 r2, u u1 r2, u u1 r1, or u u1 sum (gives r1 and r2); "
                "series=E-3|E-6|E-12|E-24|E-48|E-96|E-192",
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
            Row("sv", ComputeStandardValues, {"r"}, SeriesResults(), {"series"},
                "r in ohm; series=E-3|E-6|E-12|E-24|E-48|E-96|E-192 for one series (all unless "
                "told); gives each series' nearest, lower and higher member, the nearest's "
                "deviation in percent, member (1 or 0) and the nearest's colour bands",
                "r=4990"),
            Row("rc", ComputeResistorCombinations,
                {"r", "exclude1", "exclude2", "exclude3", "low", "high"}, rcResults,
                {"series", "alone", "list"}, rcNeeds, "r=164000 series=E-96"),
            Row("reg", ComputeRegulator,
                {"vout", "r1", "r2", "vref_min", "vref", "vref_max", "iadj_min", "iadj", "iadj_max",
                 "range_low", "range_high"},
                {"vout", "r1", "r2", "vout_min", "vout_max", "deviation_below", "deviation_above",
                 "wanted", "error"},
                {"kind", "tolerance", "series", "list"},
                "two of vout r1 r2 with vref (vref_min vref_max for the worst case); "
                "kind=standard|three-terminal (iadj_min iadj iadj_max, amperes); tolerance=0.1|0.5|"
                "1|2|5 (percent, 1 unless told); series=E-3..E-192 gives the best pair for vout, "
                "its "
                "ranged resistor within range_low..range_high (R2 1k..100k, or R1 120..240 on "
                "three-terminal); list=1 the ten best",
                "vref=1.25 r1=10000 r2=10000"),
            Row("tw", ComputeTrackWidth, tw, twResults, {},
                "i (gives the widths) or w (gives the currents), rise (K) and thickness (m); "
                "length (m) and ambient (degC) add r, u and p",
                "i=1 rise=10 thickness=35e-6"),
            Row("via", ComputeVia, via, viaResults, {},
                "some of d t h pad antipad (m), er, i, rise (K), tr (s), z0: r u p from d t h "
                "(and i), ampacity from d t rise, theta from d t h, c from er h pad antipad, l "
                "from h d, xl with tr, t10_90 with z0",
                "h=0.0016 pad=0.00071 antipad=0.00127 er=4.7"),
            Row("es", ComputeElectricalSpacing, {"v"},
                {"v", "spacing", "per_volt", "b1", "b2", "b3", "b4", "a5", "a6", "a7"}, {"class"},
                "v (peak volts, DC or AC peak); class=B1|B2|B3|B4|A5|A6|A7 (B1 unless told)",
                "v=600 class=B1"),
            Row("wl", ComputeWavelength, {"f", "period", "wavelength", "er", "ur"},
                {"f", "period", "wavelength", "er", "ur", "speed", "quarter", "velocity_factor"},
                {}, "one of f period wavelength; er and ur (1 unless given)", "f=1e9 er=4"),
            Row("tl", ComputeTransmissionLine,
                {"er", "h", "w", "t", "gap", "tand", "sigma", "f", "length", "z0", "angle"},
                {"w", "length", "z0", "eeff", "vp", "angle", "conductor_loss", "dielectric_loss",
                 "skin_depth"},
                {"type"},
                "type=microstrip|stripline|cpw|gcpw|coax, er and h (stripline: the plane spacing "
                "b; coax: the outer diameter D), then w (coax: the inner diameter d) for Z0, or z0 "
                "for the width; gap on cpw and gcpw; t, tand, sigma (S/m), f, and length (or, "
                "with z0, angle in degrees) as wanted; lengths in metres",
                "type=microstrip er=4.4 h=1e-3 w=1.875e-3 t=35e-6 f=1e9 length=0.1"),
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
