#pragma once

// The E-96 and E-24 preferred-number series.
namespace oq {

// Direction: -1 next lower member, 0 nearest member (a tie goes up), 1 next higher member or the
// value itself when it is a member. `tab` is the current tab index: on the PI-net and T-net tabs
// values below 0.1 or above 1e8 are returned unchanged. A negative value throws CalcError.
double E96(double value, int direction, int tab);
double E24(double value, int direction, int tab);

} // namespace oq
