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
    const char* code;                 // "rp"
    Computation compute;              // nullptr never: every row computes
    std::vector<std::string> names;   // the numbers it takes, in the tab's order
    std::vector<std::string> results; // the numbers a Done outcome holds, in the tab's order
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

Outcome ComputeResistorPower(const ComputationInput& in);       // rp
Outcome ComputeVoltageDivider(const ComputationInput& in);      // vd
Outcome ComputeSerialResistors(const ComputationInput& in);     // sr
Outcome ComputeParallelResistors(const ComputationInput& in);   // pr
Outcome ComputePiAttenuator(const ComputationInput& in);        // pi
Outcome ComputeTAttenuator(const ComputationInput& in);         // t
Outcome ComputeInvertingOpAmp(const ComputationInput& in);      // io
Outcome ComputeNonInvertingOpAmp(const ComputationInput& in);   // no
Outcome ComputeDbRatio(const ComputationInput& in);             // db1
Outcome ComputeDbLevel(const ComputationInput& in);             // db2
Outcome ComputeRiseTime(const ComputationInput& in);            // tr
Outcome ComputeCapacitiveReactance(const ComputationInput& in); // cz
Outcome ComputeInductiveReactance(const ComputationInput& in);  // lz
Outcome ComputeNumberBases(const ComputationInput& in);         // nc
Outcome ComputeElectricalSpacing(const ComputationInput& in);   // es
Outcome ComputeWavelength(const ComputationInput& in);          // wl

} // namespace oq
