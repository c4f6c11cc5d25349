#pragma once

#include <array>

namespace oq {

// The unloaded divider: U across R1 and R2 in series, U1 taken across R2, Sum = R1 + R2.
enum DividerBox : int { DivU = 0, DivU1 = 1, DivR1 = 2, DivR2 = 3, DivSum = 4 };
// The unknown that stands for both resistors, computed from their sum.
constexpr int DivBoth = 4;
using DividerValues = std::array<double, 5>;
// Per unknown (U, U1, R1, R2, both resistors), the values it needs given: bit i for box i.
constexpr std::array<int, 5> DividerRequired = {14, 13, 11, 7, 19};

// The unknown (U, U1, R1 or R2) from the three others. For DivBoth, R2 from U, U1 and the sum
// (R1 is then the sum less R2). Throws CalcError where the arithmetic fails.
double DividerUnknown(int unknown, const DividerValues& v);

} // namespace oq
