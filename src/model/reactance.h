#pragma once

#include <array>

// Reactance of a capacitor, Xc = 1 / (2π·f·C), and of an inductor, Xl = 2π·f·L: any one of
// frequency, component value and impedance from the other two. Toolkit-free.
namespace oq {

enum ReactanceBox : int { ReactF = 0, ReactComponent = 1, ReactZ = 2 };
enum class Reactive { Capacitor, Inductor };
// Frequency in Hz, capacitance in F or inductance in H, impedance in ohm.
using ReactanceValues = std::array<double, 3>;

// The unknown box's value from the two others. The products are formed left to right as the
// formulas are written. Throws CalcError for a zero divisor or a result beyond the double range.
double ReactanceUnknown(Reactive kind, int unknown, const ReactanceValues& v);

} // namespace oq
