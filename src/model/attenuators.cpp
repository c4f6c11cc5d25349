#include "model/attenuators.h"

#include "model/checked.h"
#include "model/standard_series.h"

#include <cmath>

namespace oq {

namespace {

double Log10(double x) {
    return Div(Ln(x), std::log(10.0));
}

// a ∥ b
double Par(double a, double b) {
    return Div(Mul(a, b), Add(a, b));
}

// A typed attenuation may undercut the minimum by this much of the power ratio, so that the
// minimum shown with all its digits is accepted again.
double BelowMinimumTolerance(Network net) {
    return net == Network::Pi ? 1e-14 : 1e-13;
}

// Only the PI network's series arm and Z2-side arm become Short; its Z1-side arm keeps a small
// value as a number.
Arm PiArm(double r, bool mayShort) {
    if (r > OpenAbove)
        return {OpenValue, ArmShown::Open};
    if (mayShort && r < ShortBelow)
        return {ShortValue, ArmShown::Short};
    return {r, ArmShown::Number};
}

Arms PiArms(double z1, double z2, double k) {
    if (k <= 1.0)
        return {
            {{OpenValue, ArmShown::Open}, {0.0, ArmShown::Number}, {OpenValue, ArmShown::Open}}};
    const double km1 = k - 1.0;
    const double r2 = Mul(Mul(km1, 0.5), Sqrt(Div(Mul(z1, z2), k)));
    const double d = Sub(Mul(k + 1.0, Sqrt(z2)), Mul(2.0, Sqrt(Mul(k, z1))));
    // At the minimum the Z1-side arm's denominator vanishes: that arm is left out.
    Arm r1{OpenValue, ArmShown::Open};
    if (d > 0)
        r1 = PiArm(Div(Mul(Mul(km1, z1), Sqrt(z2)), d), false);
    const double r3 =
        Div(Mul(Mul(km1, z2), Sqrt(z1)), Sub(Mul(k + 1.0, Sqrt(z1)), Mul(2.0, Sqrt(Mul(k, z2)))));
    return {r1, PiArm(r2, true), PiArm(r3, true)};
}

// The T network keeps the computed values; only the boxes say Open or Short.
Arm TArm(double r) {
    if (r > OpenAbove)
        return {r, ArmShown::Open};
    if (r < ShortBelow)
        return {r, ArmShown::Short};
    return {r, ArmShown::Number};
}

Arms TArms(double z1, double z2, double k) {
    if (k <= 1.0)
        return {{{0.0, ArmShown::Number}, {OpenValue, ArmShown::Open}, {0.0, ArmShown::Number}}};
    const double km1 = k - 1.0;
    const double root = Mul(2.0, Sqrt(Mul(Mul(k, z1), z2)));
    const double r1 = Div(Sub(Mul(k + 1.0, z1), root), km1);
    const double r2 = Div(root, km1);
    const double r3 = Div(Sub(Mul(k + 1.0, z2), root), km1);
    return {TArm(r1), TArm(r2), TArm(r3)};
}

// The attenuation figure of voltage ratio y (output over input) seen from the Z2 port.
double ReverseDb(double y, double z1, double z2, bool power) {
    if (power)
        return Mul(10.0, Log10(Div(z1, Mul(Mul(y, y), z2))));
    return std::fabs(Mul(20.0, Log10(y)));
}

double PiReverse(double z1, double z2, const Arms& a, bool power) {
    const double p = Par(z1, a[0].value);
    const double y = p <= 0 ? 1.0 : Div(p, Add(p, a[1].value));
    return ReverseDb(y, z1, z2, power);
}

double TReverse(double z1, double z2, const Arms& a, bool power) {
    const double r1 = a[0].value, r2 = a[1].value, r3 = a[2].value;
    const double t = Div(Mul(Add(r1, z1), r2), Add(Add(r1, r2), z1));
    const double y = Div(Mul(t, z1), Mul(Add(t, r3), Add(r1, z1)));
    return ReverseDb(y, z1, z2, power);
}

// The forward figure of voltage ratio x (output over input) between impedances z1 and z2.
double ForwardDb(double x, double z1, double z2, bool power) {
    if (power)
        return std::fabs(Mul(10.0, Log10(Div(Mul(Mul(x, x), z1), z2))));
    return std::fabs(Mul(20.0, Log10(x)));
}

} // namespace

double MinPowerRatio(double z1, double z2) {
    const double q = Div(z1, z2);
    const double s = Add(Sqrt(q - 1.0), Sqrt(q));
    return Mul(s, s);
}

double AttenuationDb(double k, double z1, double z2, bool power) {
    if (power)
        return Mul(10.0, Log10(k));
    return Mul(20.0, Log10(Div(1.0, Sqrt(Div(z2, Mul(z1, k))))));
}

double PowerRatio(double db, double z1, double z2, bool power) {
    if (power)
        return Pow(10.0, db / 10.0);
    const double inverse = Div(1.0, Pow(10.0, db / 20.0));
    return Div(z2, Mul(Mul(inverse, inverse), z1));
}

AttenuatorDesign DesignAttenuator(Network net, const AttenuatorInput& in) {
    if (in.z1 < in.z2)
        throw CalcError("the source impedance must be the larger one");
    AttenuatorDesign d;
    const double kMin = MinPowerRatio(in.z1, in.z2);
    if (in.attenuation) {
        d.attenuation = *in.attenuation;
        if (d.attenuation > MaxAttenuation)
            throw CalcError("attenuation above the highest");
        d.ratio = PowerRatio(d.attenuation, in.z1, in.z2, in.power);
        if (kMin - d.ratio > BelowMinimumTolerance(net))
            throw CalcError("attenuation below the minimum");
    } else {
        d.minimum = true;
        d.ratio = kMin;
        d.attenuation = AttenuationDb(kMin, in.z1, in.z2, in.power);
    }
    if (net == Network::Pi) {
        d.arms = PiArms(in.z1, in.z2, d.ratio);
        d.reverse = PiReverse(in.z1, in.z2, d.arms, in.power);
    } else {
        d.arms = TArms(in.z1, in.z2, d.ratio);
        d.reverse = TReverse(in.z1, in.z2, d.arms, in.power);
    }
    return d;
}

double SnapArm(double arm, Series series) {
    return Snap(series, arm, 0, true);
}

StandardNetwork StandardAttenuator(Network net, const AttenuatorInput& in, const Arms& arms,
                                   Series series, double shownZ1, double shownZ2) {
    StandardNetwork n;
    for (size_t i = 0; i < arms.size(); ++i)
        n.arms[i] = SnapArm(arms[i].value, series);
    const double r1 = n.arms[0], r2 = n.arms[1], r3 = n.arms[2];
    const double z1 = in.z1, z2 = in.z2;
    if (net == Network::Pi) {
        const double out = Par(r3, z2); // what the series arm sees towards the load
        const double back = Par(r1, z1);
        n.z1 = Par(r1, Add(r2, out));
        n.z2 = Par(r3, Add(r2, back));
        n.attenuation = ForwardDb(Div(out, Add(out, r2)), z1, z2, in.power);
        n.reverse = ReverseDb(Div(back, Add(back, r2)), z1, z2, in.power);
    } else {
        const double loadSide = Add(r3, z2);
        const double t = Div(r2, Add(Div(r2, loadSide), 1.0));
        n.z1 = Add(t, r1);
        const double x = Div(Mul(t, z2), Mul(Add(t, r1), loadSide));
        n.attenuation = ForwardDb(x, shownZ1, shownZ2, in.power);
        const double sourceSide = Add(r1, z1);
        const double t2 = Div(r2, Add(Div(r2, sourceSide), 1.0));
        n.z2 = Add(t2, r3);
        const double y = Div(Mul(t2, z1), Mul(Add(t2, r3), sourceSide));
        n.reverse = ReverseDb(y, z1, z2, in.power);
    }
    return n;
}

} // namespace oq
