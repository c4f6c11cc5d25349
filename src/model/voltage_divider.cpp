#include "model/voltage_divider.h"

#include "model/checked.h"

namespace oq {

// The ratio forms keep U = U1 from giving a resistor a hair below zero.
double DividerUnknown(int unknown, const DividerValues& v) {
    const double u = v[DivU], u1 = v[DivU1], r1 = v[DivR1], r2 = v[DivR2];
    switch (unknown) {
    case DivU:
        return Div(Mul(Add(r1, r2), u1), r2);
    case DivU1:
        return Div(Mul(u, r2), Add(r1, r2));
    case DivR1:
        return Mul(r2, Sub(Div(u, u1), 1.0));
    case DivR2:
        return Div(Mul(u1, r1), Sub(u, u1));
    default:
        return Mul(Div(u1, u), v[DivSum]);
    }
}

} // namespace oq
