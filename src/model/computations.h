#pragma once

#include "model/computation.h"
#include "model/standard_series.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Every calculator's computation behind the one shape of computation.h, found by the tab's code
// in lower case ("rp", "vd", ... "io"). Whatever number is not given is the unknown, as on the
// tab; the tab's own messages come back on a refusal.
namespace oq {

struct ComputationInfo {
    const char* code;    // "rp"
    Computation compute; // nullptr never: every row computes
    // The numbers it takes, and those a Done outcome holds, in the tab's order: the i-th result
    // is the catalogue's box i, whose decimals and unit the command line writes it with.
    std::vector<std::string> names;
    std::vector<std::string> results;
    std::vector<std::string> choices; // the texts it takes ("series", "tolerance", "ref" ...)
    const char* needs;                // which names make a computation, for a usage message
    const char* example;              // one working input: "u=12 r=470"
};

// One row per calculator, in the order of the tab strip.
const std::vector<ComputationInfo>& Computations();
// The row of `code` (lower case); nullptr for an unknown code.
const ComputationInfo* FindComputation(std::string_view code);
Computation ComputationFor(std::string_view code);

// The series a "series" text names; none for a name no calculator knows.
std::optional<Series> SeriesNamed(std::string_view name);

// The texts a choice takes when they form a short list ("kind": attenuation, gain), for the
// command line's flags, help and completion; empty for a choice whose text is free (digits).
std::vector<std::string> ChoiceValues(std::string_view code, std::string_view choice);

Outcome ComputeResistorPower(const ComputationInput& in);        // rp
Outcome ComputeVoltageDivider(const ComputationInput& in);       // vd
Outcome ComputeSerialResistors(const ComputationInput& in);      // sr
Outcome ComputeParallelResistors(const ComputationInput& in);    // pr
Outcome ComputePiAttenuator(const ComputationInput& in);         // pi
Outcome ComputeTAttenuator(const ComputationInput& in);          // t
Outcome ComputeInvertingOpAmp(const ComputationInput& in);       // io
Outcome ComputeNonInvertingOpAmp(const ComputationInput& in);    // no
Outcome ComputeDbRatio(const ComputationInput& in);              // db1
Outcome ComputeDbLevel(const ComputationInput& in);              // db2
Outcome ComputeRiseTime(const ComputationInput& in);             // tr
Outcome ComputeCapacitiveReactance(const ComputationInput& in);  // cz
Outcome ComputeInductiveReactance(const ComputationInput& in);   // lz
Outcome ComputeNumberBases(const ComputationInput& in);          // nc
Outcome ComputeStandardValues(const ComputationInput& in);       // sv
Outcome ComputeResistorCombinations(const ComputationInput& in); // rc
Outcome ComputeRegulator(const ComputationInput& in);            // reg
Outcome ComputeTrackWidth(const ComputationInput& in);           // tw
Outcome ComputeVia(const ComputationInput& in);                  // via
Outcome ComputeElectricalSpacing(const ComputationInput& in);    // es
Outcome ComputeWavelength(const ComputationInput& in);           // wl
Outcome ComputeTransmissionLine(const ComputationInput& in);     // tl

// The transmission line's red labels: an input no line is made of, and a wanted impedance that
// no width gives.
extern const char* const LineIncorrect;
extern const char* const LineOutOfReach;

} // namespace oq
