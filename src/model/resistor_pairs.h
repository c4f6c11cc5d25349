#pragma once

#include "model/standard_series.h"

#include <string>
#include <vector>

// Two resistors in series or in parallel: the third value from two, and the search for pairs of
// standard resistors that come close to a target.
namespace oq {

enum class Pairing { Serial, Parallel };

// R from R1 and R2: R1 + R2, or R1 // R2. Throws CalcError where the arithmetic fails.
double CombinePair(Pairing how, double r1, double r2);
// R1 from R and R2. Throws CalcError for a negative R1 and where the arithmetic fails (R2 equal
// to R in parallel).
double FirstOfPair(Pairing how, double r, double r2);

// The entries of the tolerance list, in percent: 0, 0.1, ..., 1, 1.5, ..., 5.
std::vector<std::string> ToleranceEntries();

struct PairSearch {
    bool targetIsMember = false;    // the target itself belongs to the series
    std::vector<std::string> lines; // "R1 + R2 = sum  (deviation%)", in the order found
};

// Walks R1 through the series (downwards from just below the target in series, upwards from
// just above it in parallel), completes each with the nearest member R2 and keeps the pairs
// within the tolerance. The walk ends at the first pair that mirrors a listed one. `sumDecimals`
// is the decimals code of the target's box. A target of 0 or below has no pairs: CalcError.
PairSearch SearchPairs(Pairing how, Series series, double target, double tolerancePercent,
                       float sumDecimals);

// One line of the result list.
std::string PairLine(Pairing how, double r1, double r2, double sum, double target,
                     float sumDecimals);

struct Pair {
    double r1 = 0;
    double r2 = 0;
};
// Reads R1 and R2 back from a line of the result list.
Pair ReadPairLine(Pairing how, const std::string& line);

// The text of a result file: target, tolerance and series ("E96 series", "E192 series"), an empty
// line, then the list; every line ends with CR LF.
std::string PairResultFile(double target, float targetDecimals, const std::string& tolerance,
                           Series series, const std::vector<std::string>& lines);

} // namespace oq
