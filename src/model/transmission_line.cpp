#include "model/transmission_line.h"

#include "model/checked.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>

namespace oq {

namespace {

constexpr double Pi = std::numbers::pi;
constexpr double Eta0 = FreeSpaceImpedance;
constexpr double Mu0 = FreeSpaceImpedance / LightSpeed;

// The value itself when it is a finite number, else the model refuses.
double Finite(double v) {
    if (!std::isfinite(v))
        throw CalcError("outside the model");
    return v;
}

bool Planar(LineType type) {
    return type != LineType::Coax;
}

bool Coplanar(LineType type) {
    return type == LineType::Cpw || type == LineType::GroundedCpw;
}

// The arithmetic-geometric mean of a and b (both positive).
double Agm(double a, double b) {
    for (int i = 0; i < 64 && std::fabs(a - b) > 1e-16 * a; ++i) {
        const double m = (a + b) / 2;
        b = std::sqrt(a * b);
        a = m;
    }
    return a;
}

// The two moduli of a ratio K(k)/K(k'), refused when one of them is not in (0, 1].
void RequireModuli(double k, double kp) {
    if (!(k > 0 && k <= 1 && kp > 0 && kp <= 1))
        throw CalcError("modulus out of range");
}

// ---- microstrip (Hammerstad and Jensen 1980) -----------------------------------------------

// The impedance of the strip in air, of normalised width u = W / h.
double AirMicrostrip(double u) {
    const double f = 6 + (2 * Pi - 6) * std::exp(-std::pow(30.666 / u, 0.7528));
    return Eta0 / (2 * Pi) * std::log(f / u + std::sqrt(1 + 4 / (u * u)));
}

// The effective permittivity of a strip of zero thickness.
double MicrostripEeff(double u, double er) {
    const double u4 = u * u * u * u;
    const double a = 1 + std::log((u4 + (u / 52) * (u / 52)) / (u4 + 0.432)) / 49 +
                     std::log(1 + std::pow(u / 18.1, 3)) / 18.7;
    const double b = 0.564 * std::pow((er - 0.9) / (er + 3), 0.053);
    return (er + 1) / 2 + (er - 1) / 2 * std::pow(1 + 10 / u, -a * b);
}

LineWave Microstrip(const LineGeometry& g) {
    const double u = g.width / g.height;
    double du1 = 0, dur = 0;
    if (g.thickness > 0) {
        const double t = g.thickness / g.height;
        const double th = std::tanh(std::sqrt(6.517 * u));
        du1 = t / Pi * std::log(1 + 4 * std::numbers::e * th * th / t);
        dur = 0.5 * (1 + 1 / std::cosh(std::sqrt(g.er - 1))) * du1;
    }
    const double u1 = u + du1, ur = u + dur;
    const double eeffR = MicrostripEeff(ur, g.er);
    const double z01 = AirMicrostrip(u1), z0r = AirMicrostrip(ur);
    return {z0r / std::sqrt(eeffR), eeffR * (z01 / z0r) * (z01 / z0r)};
}

// Kirschning and Jansen (1982): the effective permittivity at a frequency; fn is the frequency
// times the height in GHz mm.
double MicrostripDispersion(const LineGeometry& g, double eeff0, double frequency) {
    const double u = g.width / g.height, er = g.er;
    const double fn = frequency * g.height * 1e-6;
    const double p1 = 0.27488 + (0.6315 + 0.525 / std::pow(1 + 0.0157 * fn, 20)) * u -
                      0.065683 * std::exp(-8.7513 * u);
    const double p2 = 0.33622 * (1 - std::exp(-0.03442 * er));
    const double p3 = 0.0363 * std::exp(-4.6 * u) * (1 - std::exp(-std::pow(fn / 38.7, 4.97)));
    const double p4 = 1 + 2.751 * (1 - std::exp(-std::pow(er / 15.916, 8)));
    const double p = p1 * p2 * std::pow((0.1844 + p3 * p4) * fn, 1.5763);
    return Finite(er - (er - eeff0) / (1 + p));
}

// ---- stripline ------------------------------------------------------------------------------

// Wheeler (1978): a strip of thickness t centred between planes b apart.
double WheelerStripline(double w, double b, double t, double er) {
    double dw = 0;
    if (t > 0) {
        const double x = t / b;
        const double m = 6 * (1 - x) / (3 - x);
        dw = t / Pi *
             (1 -
              0.5 * std::log(std::pow(x / (2 - x), 2) + std::pow(0.0796 * t / (w + 1.1 * t), m)));
    }
    const double a = 4 * (b - t) / (Pi * (w + dw));
    return Eta0 / (4 * Pi * std::sqrt(er)) *
           std::log(1 + a * (2 * a + std::sqrt(4 * a * a + 6.27)));
}

LineWave Stripline(const LineGeometry& g) {
    if (g.thickness >= g.height)
        throw CalcError("strip as thick as the plane spacing");
    // Cohn: k = sech(x), k' = tanh(x), written so that neither overflows.
    const double x = Pi * g.width / (2 * g.height);
    const double e = std::exp(-x);
    const double k = 2 * e / (1 + e * e), kp = std::tanh(x);
    double z0 = Eta0 / (4 * std::sqrt(g.er)) * EllipticRatio(k, kp);
    if (g.thickness > 0)
        z0 *= WheelerStripline(g.width, g.height, g.thickness, g.er) /
              WheelerStripline(g.width, g.height, 0, g.er);
    return {z0, g.er};
}

// ---- coplanar waveguide ---------------------------------------------------------------------

// K(k)/K(k') of a centre strip a wide in a slot b wide (b > a > 0).
double SlotRatio(double a, double b) {
    return EllipticRatio(a / b, std::sqrt((b - a) * (b + a)) / b);
}

LineWave Coplanar(const LineGeometry& g) {
    const double s = g.width, w = g.gap, h = g.height;
    const double q1 = SlotRatio(s, s + 2 * w);
    // The moduli of the substrate's partial capacitance: sinh (no lower ground) or tanh (lower
    // ground) of pi a / 4h over the same of pi b / 4h, in exponentials that do not overflow.
    const double alpha = Pi * s / (4 * h), beta = Pi * (s + 2 * w) / (4 * h);
    const double k1 = std::exp(alpha - beta) * std::expm1(-2 * alpha) / std::expm1(-2 * beta);
    const double k1p =
        std::sqrt(-std::expm1(-2 * (beta - alpha)) * -std::expm1(-2 * (beta + alpha))) /
        -std::expm1(-2 * beta);
    const bool ground = g.type == LineType::GroundedCpw;
    double eeff = 0, qs = 0;
    if (ground) {
        const double c = std::exp(-alpha);
        const double k3 = std::tanh(alpha) / std::tanh(beta);
        const double k3p = k1p * 2 * c / (1 + c * c); // k1' / cosh(alpha)
        qs = EllipticRatio(k3, k3p);
    } else {
        qs = EllipticRatio(k1, k1p);
    }
    // Thickness after Gupta et al.: the strip widens and the slots narrow by Delta, and the
    // effective permittivity falls.
    double qe = q1;
    if (g.thickness > 0) {
        const double t = g.thickness;
        const double delta = 1.25 * t / Pi * (1 + std::log(4 * Pi * s / t));
        const double ae = s + delta, be = s + 2 * w - delta;
        if (!(ae > 0 && be > ae))
            throw CalcError("strip too thick for its gap");
        qe = SlotRatio(ae, be);
    }
    double z0 = 0;
    if (ground) {
        eeff = 1 + (g.er - 1) * qs / (qe + qs);
        z0 = Eta0 / 2 / (qe + qs);
    } else {
        eeff = 1 + (g.er - 1) / 2 * qs / q1;
        z0 = Eta0 / 4 / qe;
    }
    if (g.thickness > 0) {
        const double r = 0.7 * g.thickness / w;
        eeff -= (eeff - 1) * r / (q1 + r);
    }
    return {z0 / std::sqrt(eeff), eeff};
}

// ---- coax -----------------------------------------------------------------------------------

LineWave Coax(const LineGeometry& g) {
    if (g.width >= g.height)
        throw CalcError("inner conductor as wide as the outer");
    return {Eta0 / (2 * Pi * std::sqrt(g.er)) * std::log(g.height / g.width), g.er};
}

void RequireGeometry(const LineGeometry& g) {
    const auto positive = [](double v) { return std::isfinite(v) && v > 0; };
    if (!(std::isfinite(g.er) && g.er >= 1) || !positive(g.height) || !positive(g.width))
        throw CalcError("incorrect cross-section");
    if (Planar(g.type) && !(std::isfinite(g.thickness) && g.thickness >= 0))
        throw CalcError("incorrect thickness");
    if (Coplanar(g.type) && !positive(g.gap))
        throw CalcError("incorrect gap");
}

// A result the model may show: a finite positive impedance, and an effective permittivity
// between 1 and er.
LineWave Shown(const LineWave& w, double er) {
    if (!(std::isfinite(w.z0) && w.z0 > 0 && std::isfinite(w.eeff) && w.eeff >= 1 - 1e-12 &&
          w.eeff <= er * (1 + 1e-12)))
        throw CalcError("outside the model");
    return {w.z0, std::clamp(w.eeff, 1.0, er)};
}

// The cross-section with every conductor surface receded `dn` into its metal.
LineGeometry Receded(LineGeometry g, double dn) {
    g.width -= 2 * dn;
    switch (g.type) {
    case LineType::Microstrip:
    case LineType::Stripline:
    case LineType::GroundedCpw:
        g.height += 2 * dn; // the strip's face and the plane's
        break;
    case LineType::Cpw:
        break; // no conductor below the substrate
    case LineType::Coax:
        g.height += 2 * dn;
        return g;
    }
    g.thickness -= 2 * dn;
    if (Coplanar(g.type))
        g.gap += 2 * dn;
    return g;
}

// The smallest dimension the conductor loss recedes.
double SmallestDimension(const LineGeometry& g) {
    double d = std::min(g.width, g.height);
    if (Planar(g.type))
        d = std::min(d, g.thickness);
    if (Coplanar(g.type))
        d = std::min(d, g.gap);
    return d;
}

// The filling factor q = (eeff - 1) / (er - 1); for er at 1, its limit.
double FillingFactor(const LineGeometry& g, double eeff, double frequency) {
    constexpr double step = 1e-6;
    if (g.er - 1 > step)
        return std::clamp((eeff - 1) / (g.er - 1), 0.0, 1.0);
    LineGeometry near = g;
    near.er = 1 + step;
    return std::clamp((AtFrequency(near, frequency).eeff - 1) / step, 0.0, 1.0);
}

constexpr double DbPerNeper = 8.685889638065035; // 20 / ln(10)

} // namespace

double EllipticK(double k, double kp) {
    RequireModuli(k, kp);
    return Pi / (2 * Agm(1, kp));
}

double EllipticRatio(double k, double kp) {
    RequireModuli(k, kp);
    return Agm(1, k) / Agm(1, kp);
}

LineWave QuasiStatic(const LineGeometry& g) {
    RequireGeometry(g);
    LineWave w;
    switch (g.type) {
    case LineType::Microstrip:
        w = Microstrip(g);
        break;
    case LineType::Stripline:
        w = Stripline(g);
        break;
    case LineType::Cpw:
    case LineType::GroundedCpw:
        w = Coplanar(g);
        break;
    case LineType::Coax:
        w = Coax(g);
        break;
    }
    return Shown(w, g.er);
}

LineWave AtFrequency(const LineGeometry& g, double frequency) {
    const LineWave still = QuasiStatic(g);
    if (g.type != LineType::Microstrip || !(frequency > 0))
        return still;
    return Shown({still.z0, MicrostripDispersion(g, still.eeff, Finite(frequency))}, g.er);
}

double SkinDepth(double frequency, double conductivity) {
    if (!(frequency > 0 && conductivity > 0))
        throw CalcError("no skin depth");
    return Finite(1 / std::sqrt(Pi * frequency * Mu0 * conductivity));
}

double ConductorAttenuation(const LineGeometry& g, double z0, double frequency,
                            double conductivity) {
    if (Planar(g.type) && !(g.thickness > 0))
        throw CalcError("a strip of no thickness");
    const double rs = 1 / (conductivity * SkinDepth(frequency, conductivity));
    LineGeometry air = g;
    air.er = 1;
    const double dn = 1e-6 * SmallestDimension(g);
    const double z1 = QuasiStatic(air).z0;
    const double z2 = QuasiStatic(Receded(air, dn)).z0;
    return Finite(rs * ((z2 - z1) / dn) / (2 * Eta0 * z0));
}

double DielectricAttenuation(const LineGeometry& g, double eeff, double frequency,
                             double lossTangent) {
    const double q = FillingFactor(g, eeff, frequency);
    return Finite(Pi * frequency / LightSpeed * g.er / std::sqrt(eeff) * q * lossTangent);
}

LineResult AnalyseLine(const LineInput& in) {
    const auto given = [](const std::optional<double>& v) {
        if (v && !(std::isfinite(*v) && *v >= 0))
            throw CalcError("incorrect input");
    };
    given(in.lossTangent);
    given(in.conductivity);
    given(in.length);
    if (!(std::isfinite(in.frequency) && in.frequency >= 0))
        throw CalcError("incorrect frequency");
    if (in.conductivity && *in.conductivity == 0)
        throw CalcError("no conductivity");

    const LineGeometry& g = in.geometry;
    const LineWave wave = AtFrequency(g, in.frequency);
    LineResult r;
    r.z0 = wave.z0;
    r.eeff = wave.eeff;
    r.phaseVelocity = LightSpeed / std::sqrt(wave.eeff);
    const double f = in.frequency;
    if (f > 0 && in.conductivity)
        r.skinDepth = SkinDepth(f, *in.conductivity);
    if (f > 0 && in.length) {
        const double length = *in.length;
        r.electricalLength = Finite(360 * length * f / r.phaseVelocity);
        if (in.lossTangent)
            r.dielectricLoss = Finite(
                DbPerNeper * DielectricAttenuation(g, wave.eeff, f, *in.lossTangent) * length);
        if (in.conductivity && (!Planar(g.type) || g.thickness > 0))
            r.conductorLoss =
                Finite(DbPerNeper * ConductorAttenuation(g, wave.z0, f, *in.conductivity) * length);
    }
    return r;
}

std::optional<double> SynthesiseWidth(LineGeometry g, double z0, double frequency) {
    if (!(std::isfinite(z0) && z0 > 0))
        throw CalcError("incorrect impedance");
    // The model checks the other dimensions.
    g.width = g.type == LineType::Coax ? g.height / 2 : g.height;
    RequireGeometry(g);

    double lo = 0, hi = 0; // the widths searched, in ln
    switch (g.type) {
    case LineType::Microstrip:
    case LineType::Stripline:
        lo = std::log(1e-4 * g.height);
        hi = std::log(1e4 * g.height);
        break;
    case LineType::Cpw:
    case LineType::GroundedCpw:
        lo = std::log(1e-4 * std::min(g.height, g.gap));
        hi = std::log(1e4 * std::max(g.height, g.gap));
        break;
    case LineType::Coax:
        lo = std::log(1e-12 * g.height);
        hi = std::log(g.height) + std::log1p(-1e-12);
        break;
    }
    // The impedance less the wanted one, or nothing where the model refuses the width.
    const auto error = [&](double x) -> std::optional<double> {
        g.width = std::exp(x);
        try {
            return AtFrequency(g, frequency).z0 - z0;
        } catch (const CalcError&) {
            return std::nullopt;
        }
    };
    // A coarse scan finds the first change of sign; bisection closes in on it.
    constexpr int steps = 96;
    std::optional<double> before = error(lo);
    double xBefore = lo;
    for (int i = 1; i <= steps; ++i) {
        const double x = lo + (hi - lo) * i / steps;
        const std::optional<double> now = error(x);
        if (before && now && (*before <= 0) != (*now <= 0)) {
            double a = xBefore, b = x;
            const bool aBelow = *before <= 0;
            for (int k = 0; k < 200; ++k) {
                const double m = (a + b) / 2;
                const std::optional<double> e = error(m);
                if (!e)
                    return std::nullopt;
                if (std::fabs(*e) <= 1e-12 * z0 || m == a || m == b)
                    return std::exp(m);
                ((*e <= 0) == aBelow ? a : b) = m;
            }
            return std::exp((a + b) / 2);
        }
        if (before && *before == 0)
            return std::exp(xBefore);
        before = now;
        xBefore = x;
    }
    return std::nullopt;
}

double LengthForAngle(double degrees, double eeff, double frequency) {
    if (!(frequency > 0 && std::isfinite(frequency) && eeff >= 1 && std::isfinite(degrees) &&
          degrees >= 0))
        throw CalcError("incorrect angle");
    return Finite(degrees / 360 * LightSpeed / (frequency * std::sqrt(eeff)));
}

const char* LineModel(LineType type) {
    switch (type) {
    case LineType::Microstrip:
        return "Hammerstad-Jensen with thickness correction;\n"
               "\xce\xb5"
               "eff with Kirschning-Jansen dispersion";
    case LineType::Stripline:
        return "Cohn (exact at zero thickness),\n"
               "Wheeler's thickness correction";
    case LineType::Cpw:
        return "Conformal mapping (Wadell),\n"
               "thickness correction after Gupta";
    case LineType::GroundedCpw:
        return "Conformal mapping with lower ground (Ghione-Naldi,\n"
               "Wadell), thickness correction after Gupta";
    case LineType::Coax:
        return "Z0 = \xce\xb7"
               "0 / (2\xcf\x80 \xe2\x88\x9a\xce\xb5r) \xc2\xb7 ln(D / d)";
    }
    return "";
}

namespace {
constexpr std::array<const char*, LineTypeCount> TypeNames = {"microstrip", "stripline", "cpw",
                                                              "gcpw", "coax"};
} // namespace

const char* LineTypeName(LineType type) {
    return TypeNames[static_cast<size_t>(type)];
}

std::optional<LineType> LineTypeNamed(std::string_view name) {
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (int i = 0; i < LineTypeCount; ++i)
        if (lower == TypeNames[static_cast<size_t>(i)])
            return static_cast<LineType>(i);
    return std::nullopt;
}

} // namespace oq
