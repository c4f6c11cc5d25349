#include "model/regulator.h"

#include "model/checked.h"
#include "model/notation.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace oq {

const char* const RegulatorOrderWrong = "Needs min <= typical <= max";
const char* const RegulatorBelowVref = "Vout too low for this Vref";
const char* const RegulatorRangeWrong = "Range out of order or out of limits";

std::optional<Spread> CompleteSpread(std::optional<double> min, std::optional<double> typ,
                                     std::optional<double> max, bool minimumZero) {
    if (!min && !typ && !max)
        return std::nullopt;
    Spread s;
    if (typ)
        s.typ = *typ;
    else if (min && max)
        s.typ = Div(Add(*min, *max), 2);
    else
        s.typ = min ? *min : *max;
    s.min = min ? *min : minimumZero ? 0.0 : s.typ;
    s.max = max ? *max : s.typ;
    return s;
}

double RegulatorVout(RegulatorKind kind, double vref, double iadj, double r1, double r2) {
    if (kind == RegulatorKind::Standard)
        return Mul(vref, Add(1, Div(r1, r2)));
    return Add(Mul(vref, Add(1, Div(r2, r1))), Mul(iadj, r2));
}

double RegulatorUnknown(RegulatorKind kind, int unknown, double vref, double iadj,
                        const RegulatorValues& v) {
    const double vout = v[RegVout], r1 = v[RegR1], r2 = v[RegR2];
    if (unknown == RegVout)
        return RegulatorVout(kind, vref, iadj, r1, r2);
    double r = 0;
    if (kind == RegulatorKind::Standard) {
        // R1/R2 = Vout/Vref - 1: the ratio alone decides.
        const double ratio = Sub(Div(vout, vref), 1);
        r = unknown == RegR1 ? Mul(r2, ratio) : Div(r1, ratio);
    } else if (unknown == RegR2) {
        // Vout - Vref = R2 x (Vref/R1 + Iadj)
        r = Div(Sub(vout, vref), Add(Div(vref, r1), iadj));
    } else {
        // Vref x R2 / R1 = Vout - Vref - Iadj x R2
        r = Div(Mul(vref, r2), Sub(Sub(vout, vref), Mul(iadj, r2)));
    }
    if (r < 0 || !std::isfinite(r))
        throw CalcError(RegulatorBelowVref);
    return r;
}

int RangedResistor(RegulatorKind kind) {
    return kind == RegulatorKind::Standard ? RegR2 : RegR1;
}

ResistorRange DefaultRange(RegulatorKind kind) {
    return kind == RegulatorKind::Standard ? ResistorRange{1e3, 1e5} : ResistorRange{120, 240};
}

namespace {

// The resistor that completes the pair with the ranged one for the wanted output; 0 or below when
// none does.
double IdealOther(RegulatorKind kind, double vref, double iadj, double wanted, double ranged) {
    if (kind == RegulatorKind::Standard)
        return ranged * (wanted / vref - 1);
    return (wanted - vref) / (vref / ranged + iadj);
}

// Up to `count` members of the series on each side of x, within the limits: the output grows with
// the other resistor on both kinds, so a ranged resistor's best partners are these.
void MembersAround(Series series, double x, size_t count, std::vector<double>& out) {
    const ResistorRange limits = ResistorLimits;
    x = std::clamp(x, limits.low, limits.high);
    double below = x, above = Snap(series, x, 1, false);
    for (size_t k = 0; k < count; ++k) {
        below = LowerMember(series, below);
        if (below < limits.low)
            break;
        out.push_back(below);
    }
    for (size_t k = 0; k < count && above <= limits.high; ++k) {
        out.push_back(above);
        above = HigherMember(series, above);
    }
}

} // namespace

std::vector<RegulatorPair> SearchRegulatorPairs(RegulatorKind kind, double vref, double iadj,
                                                double wanted, Series series, ResistorRange range,
                                                size_t count) {
    std::vector<RegulatorPair> pairs;
    if (count == 0 || !(vref > 0) || !(wanted > vref) || !(iadj >= 0) || !(range.low > 0) ||
        !(range.high >= range.low) || !std::isfinite(wanted) || !std::isfinite(range.high))
        return pairs;
    const bool standard = kind == RegulatorKind::Standard;
    const double low = std::max(range.low, ResistorLimits.low);
    const double high = std::min(range.high, ResistorLimits.high);
    const double middle = std::sqrt(low) * std::sqrt(high);
    // Equally close pairs differ in the last bits of their outputs; they count as equal.
    auto closeness = [](double error) { return std::round(std::fabs(error) * 1e8); };
    struct Ranked {
        RegulatorPair pair;
        double closeness;
        double offCentre;
    };
    std::vector<Ranked> found;
    std::vector<double> others;
    for (double ranged = Snap(series, low, 1, false); ranged <= high;
         ranged = HigherMember(series, ranged)) {
        const double ideal = IdealOther(kind, vref, iadj, wanted, ranged);
        if (!(ideal > 0) || !std::isfinite(ideal))
            continue;
        others.clear();
        MembersAround(series, ideal, count, others);
        for (double other : others) {
            RegulatorPair p;
            p.r1 = standard ? other : ranged;
            p.r2 = standard ? ranged : other;
            try {
                p.vout = RegulatorVout(kind, vref, iadj, p.r1, p.r2);
                p.error = Mul(Div(Sub(p.vout, wanted), wanted), 100);
            } catch (const CalcError&) {
                continue;
            }
            found.push_back({p, closeness(p.error), std::fabs(std::log(ranged / middle))});
        }
    }
    const size_t n = std::min(count, found.size());
    std::partial_sort(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(n), found.end(),
                      [](const Ranked& a, const Ranked& b) {
                          return std::tie(a.closeness, a.offCentre, a.pair.r1, a.pair.r2) <
                                 std::tie(b.closeness, b.offCentre, b.pair.r1, b.pair.r2);
                      });
    for (size_t i = 0; i < n; ++i)
        pairs.push_back(found[i].pair);
    return pairs;
}

std::string RegulatorPairLine(const RegulatorPair& pair, Series series) {
    const float digits = series <= Series::E24 ? 102.0f : 103.0f;
    // An error that rounds to nothing has no sign.
    const double error = std::fabs(pair.error) < 5e-4 ? 0.0 : pair.error;
    return "R1 " + FormatEng(pair.r1, "; ;", digits) + ", R2 " + FormatEng(pair.r2, "; ;", digits) +
           ": " + FormatFixedTrim(pair.vout, 1.4f) + " V (" + (error > 0 ? "+" : "") +
           FormatFixedTrim(error, 1.3f) + " %)";
}

WorstCase RegulatorWorstCase(const RegulatorData& data, double r1, double r2,
                             double tolerancePercent) {
    const double t = Div(tolerancePercent, 100);
    const double r1Low = Mul(r1, Sub(1, t)), r1High = Mul(r1, Add(1, t));
    const double r2Low = Mul(r2, Sub(1, t)), r2High = Mul(r2, Add(1, t));
    // The output grows with Vref and Iadj; with R1 on the standard kind and with R2 on the
    // three-terminal kind, and falls with the other resistor.
    const bool standard = data.kind == RegulatorKind::Standard;
    WorstCase w;
    w.typ = RegulatorVout(data.kind, data.vref.typ, data.iadj.typ, r1, r2);
    w.min = RegulatorVout(data.kind, data.vref.min, data.iadj.min, standard ? r1Low : r1High,
                          standard ? r2High : r2Low);
    w.max = RegulatorVout(data.kind, data.vref.max, data.iadj.max, standard ? r1High : r1Low,
                          standard ? r2Low : r2High);
    w.below = Mul(Div(Sub(w.min, w.typ), w.typ), 100);
    w.above = Mul(Div(Sub(w.max, w.typ), w.typ), 100);
    return w;
}

std::string RegulatorFiguresProblem(const RegulatorData& data) {
    auto ordered = [](const Spread& s) { return s.min >= 0 && s.min <= s.typ && s.typ <= s.max; };
    if (!ordered(data.vref) || !ordered(data.iadj))
        return RegulatorOrderWrong;
    return {};
}

std::string RegulatorRangeProblem(RegulatorKind kind, ResistorRange range) {
    if (!(range.low > 0) || !(range.low <= range.high))
        return RegulatorRangeWrong;
    const ResistorRange limits =
        kind == RegulatorKind::ThreeTerminal ? ThreeTerminalR1Limits : ResistorLimits;
    if (range.low < limits.low || range.high > limits.high)
        return RegulatorRangeWrong;
    return {};
}

std::vector<RegulatorEntry> RegulatorPresets() {
    using K = RegulatorKind;
    return {
        {"Three-terminal 1.25 V", {K::ThreeTerminal, {1.20, 1.25, 1.30}, {0, 50e-6, 100e-6}}},
        {"Standard 1.25 V", {K::Standard, {1.225, 1.25, 1.275}, {}}},
        {"Standard 0.8 V", {K::Standard, {0.788, 0.8, 0.812}, {}}},
        {"Standard 0.6 V", {K::Standard, {0.591, 0.6, 0.609}, {}}},
        {"Standard 1.22 V", {K::Standard, {1.198, 1.22, 1.242}, {}}},
    };
}

} // namespace oq
