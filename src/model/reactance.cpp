#include "model/reactance.h"

#include "model/checked.h"

namespace oq {

namespace {
constexpr double TwoPi = 6.28318530717958; // 2π to 15 significant digits
} // namespace

double ReactanceUnknown(Reactive kind, int unknown, const ReactanceValues& v) {
    const double f = v[ReactF], x = v[ReactComponent], z = v[ReactZ];
    if (kind == Reactive::Capacitor) {
        switch (unknown) {
        case ReactF:
            return Div(1, Mul(Mul(x, TwoPi), z));
        case ReactComponent:
            return Div(1, Mul(Mul(f, TwoPi), z));
        default:
            return Div(1, Mul(Mul(f, TwoPi), x));
        }
    }
    switch (unknown) {
    case ReactF:
        return Div(z, Mul(x, TwoPi));
    case ReactComponent:
        return Div(z, Mul(f, TwoPi));
    default:
        return Mul(Mul(f, TwoPi), x);
    }
}

} // namespace oq
