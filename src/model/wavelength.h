#pragma once

// Frequency, period and wavelength of a wave in a medium of relative permittivity εr and
// relative permeability μr, with its speed and its quarter wavelength. Toolkit-free.
namespace oq {

// The speed of light in vacuum in m/s, exact: a defining constant of the SI (SI Brochure, 9th
// edition, 2019, table 1).
constexpr double SpeedOfLight = 299792458.0;

// The one of them that is given.
enum WaveGiven : int { GivenFrequency = 0, GivenPeriod = 1, GivenWavelength = 2 };

struct Wave {
    double frequency = 0;      // Hz
    double period = 0;         // s
    double wavelength = 0;     // m
    double speed = 0;          // m/s
    double quarter = 0;        // m, a quarter of the wavelength
    double velocityFactor = 0; // the speed as a fraction of c: 1 / sqrt(εr μr)
};

// All of them from the given frequency (Hz), period (s) or wavelength (m):
//   v = c / sqrt(εr μr), λ = v / f, T = 1 / f.
// Throws CalcError when the given value, εr or μr is not above 0 or is not a finite number, and
// when a result is beyond the double range or too small to tell from 0.
Wave WaveFrom(WaveGiven given, double value, double er, double ur);

} // namespace oq
