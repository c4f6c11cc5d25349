#include "model/wavelength.h"

#include "model/checked.h"

#include <cmath>

namespace oq {

namespace {
// Above 0 and finite, or refused.
double Positive(double x) {
    if (!(x > 0) || !std::isfinite(x))
        throw CalcError("not a positive number");
    return x;
}

// A finite result that a positive input made 0 is refused too: no box shows a wavelength of 0.
double NonZero(double x) {
    if (x == 0)
        throw CalcError("underflow");
    return x;
}
} // namespace

// The phase velocity of a plane wave in a lossless medium, v = 1 / sqrt(εμ) = c / sqrt(εr μr), and
// λ = v / f (plane waves in any electromagnetics text, e.g. Pozar, Microwave Engineering, ch. 1).
// sqrt(εr) × sqrt(μr) rather than sqrt(εr × μr): the product of two large inputs does not
// overflow.
Wave WaveFrom(WaveGiven given, double value, double er, double ur) {
    Positive(value);
    const double root = Mul(Sqrt(Positive(er)), Sqrt(Positive(ur)));
    Wave w;
    w.velocityFactor = NonZero(Div(1, root));
    w.speed = NonZero(Div(SpeedOfLight, root));
    switch (given) {
    case GivenFrequency:
        w.frequency = value;
        w.period = Div(1, value);
        w.wavelength = Div(w.speed, value);
        break;
    case GivenPeriod:
        w.period = value;
        w.frequency = Div(1, value);
        w.wavelength = Mul(w.speed, value);
        break;
    case GivenWavelength:
        w.wavelength = value;
        w.frequency = Div(w.speed, value);
        w.period = Div(value, w.speed);
        break;
    }
    NonZero(w.frequency);
    NonZero(w.period);
    w.quarter = NonZero(NonZero(w.wavelength) / 4);
    return w;
}

} // namespace oq
