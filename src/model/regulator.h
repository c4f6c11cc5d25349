#pragma once

#include "model/standard_series.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The two feedback resistors that set the output of an adjustable regulator: the output from the
// pair, the pair for an output, the best standard pairs, and the output over the spread of the
// reference, the adjust-pin current and the resistors.
namespace oq {

enum class RegulatorKind {
    // Vout = Vref x (1 + R1/R2): R1 from the output to the feedback pin, R2 from there to ground.
    Standard,
    // Vout = Vref x (1 + R2/R1) + Iadj x R2: R1 between output and adjust, R2 from adjust to
    // ground; the adjust-pin current flows through R2 too.
    ThreeTerminal
};

// A figure of the regulator's data sheet: minimum, typical and maximum.
struct Spread {
    double min = 0;
    double typ = 0;
    double max = 0;
};

// What a regulator brings to the calculation.
struct RegulatorData {
    RegulatorKind kind = RegulatorKind::Standard;
    Spread vref;
    Spread iadj; // amperes; zero on the standard kind
};

// The spread as the user gave it: a missing typical is the middle of the given limits, a missing
// limit is the typical, except a missing minimum of the adjust-pin current, which is 0. Nothing
// when no figure is given.
std::optional<Spread> CompleteSpread(std::optional<double> min, std::optional<double> typ,
                                     std::optional<double> max, bool minimumZero);

// The three quantities of the feedback, as the tab's boxes hold them.
enum RegulatorQuantity : int { RegVout = 0, RegR1 = 1, RegR2 = 2 };
using RegulatorValues = std::array<double, 3>;

// The output from the pair with the typical figures (or any others).
double RegulatorVout(RegulatorKind kind, double vref, double iadj, double r1, double r2);
// The unknown (RegVout, RegR1 or RegR2) from the other two with the typical figures. Throws
// CalcError where the arithmetic fails or no resistor gives the output (a negative result).
double RegulatorUnknown(RegulatorKind kind, int unknown, double vref, double iadj,
                        const RegulatorValues& v);

// The resistor the user keeps within a range: the one to ground (R2) on the standard kind; R1 on
// the three-terminal kind, whose current must keep the regulator loaded.
int RangedResistor(RegulatorKind kind);
struct ResistorRange {
    double low = 0;
    double high = 0;
};
// 1 k to 100 k for the standard kind, 120 to 240 ohm for the three-terminal kind.
ResistorRange DefaultRange(RegulatorKind kind);
// The three-terminal kind takes an R1 range within these limits.
constexpr ResistorRange ThreeTerminalR1Limits = {100, 1000};
// Both resistors of a pair lie within these limits, and the standard kind's range too.
constexpr ResistorRange ResistorLimits = {1, 1e8};

// One standard pair and what it gives with the typical figures.
struct RegulatorPair {
    double r1 = 0;
    double r2 = 0;
    double vout = 0;
    double error = 0; // (vout - wanted) / wanted, in percent
};

// The `count` best pairs of the series for the wanted output, best first: the ranged resistor any
// member within the range, the other any member within ResistorLimits. Pairs are judged by
// their whole output, Iadj included, never by snapping each resistor alone. Of pairs equally close,
// the one whose ranged resistor lies nearer the middle of the range (on a log scale) comes first.
// Empty when no pair exists (an output at or below Vref, a range without members).
std::vector<RegulatorPair> SearchRegulatorPairs(RegulatorKind kind, double vref, double iadj,
                                                double wanted, Series series, ResistorRange range,
                                                size_t count);

// A pair as the tab lists it: "R1 30.1 k, R2 10.0 k: 5.0125 V (+0.250 %)", the resistors with the
// series' digits (two up to E-24, three from E-48).
std::string RegulatorPairLine(const RegulatorPair& pair, Series series);

// The output over every spread: Vref and Iadj at their limits, each resistor off by the tolerance
// (percent) either way; `below` and `above` are the deviations from the typical output in percent
// of the typical (below is negative).
struct WorstCase {
    double min = 0;
    double typ = 0;
    double max = 0;
    double below = 0;
    double above = 0;
};
WorstCase RegulatorWorstCase(const RegulatorData& data, double r1, double r2,
                             double tolerancePercent);

// The resistor tolerances offered, in percent.
inline constexpr std::array<double, 5> RegulatorTolerances = {0.1, 0.5, 1, 2, 5};

// What is wrong with the figures, as the tab's red label says it; empty when nothing is.
extern const char* const RegulatorOrderWrong; // a min above the typical, a typical above the max
extern const char* const RegulatorBelowVref;  // an output no pair gives
extern const char* const RegulatorRangeWrong; // a range upside down, or R1 outside its limits
std::string RegulatorFiguresProblem(const RegulatorData& data);
std::string RegulatorRangeProblem(RegulatorKind kind, ResistorRange range);

// A regulator the user keeps: its name and figures.
struct RegulatorEntry {
    std::string name;
    RegulatorData data;
};
// The generic ones every user starts with, named by their figures.
std::vector<RegulatorEntry> RegulatorPresets();

} // namespace oq
