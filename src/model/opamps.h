#pragma once

#include <array>
#include <functional>

namespace oq {

// The two-resistor gain networks: R1 from the inverting input to the signal (inverting) or to
// ground (non-inverting), R2 the feedback resistor, their sum and the gain.
enum OpAmpBox : int { OpR1 = 0, OpR2 = 1, OpSum = 2, OpGain = 3 };
// The unknowns: R1, R2, both resistors (from their sum and the gain), the gain.
constexpr int OpBoth = 2;
enum class OpAmp { Inverting, NonInverting };
using OpAmpValues = std::array<double, 4>;

// The gain of the network: R2 / R1 inverting (its magnitude), 1 + R2 / R1 non-inverting.
double OpAmpGain(OpAmp kind, double r1, double r2);

// The whole network from the givens of `unknown`: R1, R2, the sum and the gain. The sum is
// R1 + R2 except when it was given (both resistors unknown). Throws CalcError where the
// arithmetic fails and for a network that cannot be built: R1 of 0 (the gain would be
// unbounded), and on the non-inverting amplifier also R2 of 0 or a gain of 1 or less.
OpAmpValues OpAmpSolve(OpAmp kind, int unknown, const OpAmpValues& v);

// The network with standard resistors: the resistors that were given (every one but the
// unknown) are replaced by `snap` of their value; a resistor that is the unknown follows from
// the other and the gain; sum and gain then follow from the pair.
OpAmpValues OpAmpStandard(OpAmp kind, int unknown, const OpAmpValues& v,
                          const std::function<double(double)>& snap);

} // namespace oq
