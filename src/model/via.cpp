#include "model/via.h"

#include "model/board_units.h"
#include "model/checked.h"
#include "model/track_width.h"

#include <functional>

namespace oq {

namespace {

constexpr double Pi = 3.14159265358979;

bool Known(std::initializer_list<const std::optional<double>*> figures) {
    for (const std::optional<double>* f : figures)
        if (!f->has_value())
            return false;
    return true;
}

// One result: computed when its figures are known; a CalcError or a result that is not
// positive (a capacitance from an antipad inside the pad, an inductance from a via shorter than
// its hole is wide) leaves it unknown and marks the whole as refused.
void Result(ViaResult& out, std::optional<double>& slot, bool known,
            const std::function<double()>& compute, bool mayBeZero = true) {
    if (!known)
        return;
    try {
        const double v = compute();
        if (v < 0 || (v == 0 && !mayBeZero))
            throw CalcError("no such via");
        slot = v;
    } catch (const CalcError&) {
        out.refused = true;
    }
}

} // namespace

ViaResult SolveVia(const ViaInput& in) {
    ViaResult out;
    for (const std::optional<double>* f :
         {&in.hole, &in.plating, &in.length, &in.pad, &in.antipad, &in.permittivity, &in.current,
          &in.rise, &in.riseTime, &in.impedance})
        if (f->has_value() && **f < 0)
            out.refused = true;
    if (out.refused)
        return out;

    // Barrel section π (d + t) t: the plating ring around the finished hole, at its mean
    // diameter d + t.
    Result(out, out.barrel, Known({&in.hole, &in.plating}),
           [&] { return Mul(Mul(Pi, Add(*in.hole, *in.plating)), *in.plating); });
    const bool barrel = out.barrel.has_value();
    const double rise = in.rise.value_or(0);
    // The copper at 20 °C plus the rise, with the track's resistivity and coefficient.
    Result(out, out.resistance, barrel && in.length.has_value(),
           [&] { return Div(Mul(CopperResistivity(Add(20, rise)), *in.length), *out.barrel); });
    Result(out, out.drop, out.resistance && in.current,
           [&] { return Mul(*in.current, *out.resistance); });
    Result(out, out.power, out.drop.has_value(), [&] { return Mul(*in.current, *out.drop); });
    // IPC-2221 with the outer-layer constant 0.048 on the barrel section.
    Result(out, out.ampacity, barrel && in.rise.has_value(),
           [&] { return IpcCurrent(LayerOuter, *out.barrel, *in.rise); });
    // θ = h / (k A), k = 401 W/(m K) for copper.
    Result(out, out.thermal, barrel && in.length.has_value(),
           [&] { return Div(*in.length, Mul(CopperConductivity, *out.barrel)); });

    // Johnson and Graham, High-Speed Digital Design (1993), 7.4: C = 1.41 εr T D1 / (D2 - D1)
    // pF with T, D1 and D2 in inches; the inches of T are left, so C = 1.41 pF x εr x T/inch x
    // D1 / (D2 - D1).
    Result(
        out, out.capacitance, Known({&in.permittivity, &in.length, &in.pad, &in.antipad}),
        [&] {
            const double ratio = Div(*in.pad, Sub(*in.antipad, *in.pad));
            return Mul(Mul(Mul(1.41e-12, *in.permittivity), *in.length / MetresPerInch), ratio);
        },
        false);
    // The same, 7.4: L = 5.08 h (ln(4h / d) + 1) nH with h and d in inches.
    Result(
        out, out.inductance, Known({&in.length, &in.hole}),
        [&] {
            const double h = *in.length / MetresPerInch;
            return Mul(Mul(5.08e-9, h), Add(Ln(Div(Mul(4, *in.length), *in.hole)), 1));
        },
        false);
    // X = π L / Tr (Johnson and Graham): 2π f L at the knee frequency f = 0.5 / Tr.
    Result(out, out.reactance, out.inductance && in.riseTime,
           [&] { return Div(Mul(Pi, *out.inductance), *in.riseTime); });
    // T10-90 = 2.2 C Z0 / 2: the via's capacitance loads the line from both of its halves.
    Result(out, out.degradation, out.capacitance && in.impedance,
           [&] { return Mul(Mul(2.2, *out.capacitance), *in.impedance / 2); });

    if (out.ampacity) {
        out.bounds |= ChartRiseBounds(*in.rise) | ChartCurrentBound(*out.ampacity);
        if (in.current && *in.current > *out.ampacity)
            out.bounds |= AboveViaAmpacity;
    }
    return out;
}

} // namespace oq
