#include "model/opamps.h"

#include "model/checked.h"

namespace oq {

double OpAmpGain(OpAmp kind, double r1, double r2) {
    const double ratio = Div(r2, r1);
    return kind == OpAmp::Inverting ? ratio : Add(ratio, 1.0);
}

OpAmpValues OpAmpSolve(OpAmp kind, int unknown, const OpAmpValues& v) {
    const bool inverting = kind == OpAmp::Inverting;
    const double g = v[OpGain];
    // The resistor ratio R2 / R1 that the gain asks for.
    auto ratio = [&] { return inverting ? g : Sub(g, 1.0); };
    OpAmpValues out = v;
    switch (unknown) {
    case OpR1:
        out[OpR1] = Div(v[OpR2], ratio());
        break;
    case OpR2:
        out[OpR2] = Mul(v[OpR1], ratio());
        break;
    case OpBoth:
        out[OpR1] = Div(v[OpSum], inverting ? Add(g, 1.0) : g);
        out[OpR2] = Sub(v[OpSum], out[OpR1]);
        break;
    default:
        out[OpGain] = OpAmpGain(kind, v[OpR1], v[OpR2]);
        break;
    }
    if (unknown != OpBoth)
        out[OpSum] = Add(out[OpR1], out[OpR2]);
    if (out[OpR1] == 0)
        throw CalcError("R1 of zero");
    if (!inverting && (out[OpR2] == 0 || out[OpGain] <= 1))
        throw CalcError("no non-inverting gain");
    return out;
}

OpAmpValues OpAmpStandard(OpAmp kind, int unknown, const OpAmpValues& v,
                          const std::function<double(double)>& snap) {
    OpAmpValues shown = v;
    if (unknown != OpR1)
        shown[OpR1] = snap(v[OpR1]);
    if (unknown != OpR2)
        shown[OpR2] = snap(v[OpR2]);
    if (unknown == OpR1 || unknown == OpR2)
        shown = OpAmpSolve(kind, unknown, shown);
    // The snapped pair sets the sum and the gain the circuit really has.
    return OpAmpSolve(kind, OpGain, shown);
}

} // namespace oq
