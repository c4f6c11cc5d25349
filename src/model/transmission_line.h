#pragma once

#include <optional>
#include <string_view>

// Transmission lines: the impedance, effective permittivity and losses of microstrip, symmetric
// stripline, coplanar waveguide with and without a lower ground plane, and coaxial line, from
// their cross-section (analysis), and the width that gives a wanted impedance (synthesis).
// Lengths in metres, frequency in Hz, conductivity in S/m. Toolkit-free.
//
// Models:
//  - microstrip: Hammerstad and Jensen (1980) with their thickness correction; the effective
//    permittivity's dispersion after Kirschning and Jansen (1982). The impedance stays
//    quasi-static: Jansen and Kirschning's (1983) formula for its dispersion is a ratio of two
//    differences that vanish near er = 1.03, where it has a pole, and it swings by several per
//    cent on substrates below er = 1.3;
//  - stripline: Cohn's exact conformal mapping for a strip of zero thickness, Z0 = eta0 / (4
//    sqrt(er)) K(k)/K(k') with k = sech(pi W / 2b), scaled by the ratio that Wheeler's (1978)
//    finite-thickness formula gives between thickness t and zero thickness;
//  - coplanar waveguide: conformal mapping (Wadell, 3.4.1; with lower ground Ghione and Naldi,
//    Wadell 3.4.3), the thickness correction after Gupta et al.;
//  - coax: Z0 = eta0 / (2 pi sqrt(er)) ln(D / d);
//  - conductor loss: Wheeler's incremental inductance rule on each line's own air-filled model,
//    every conductor surface receding into the metal; it assumes conductors several skin depths
//    thick;
//  - dielectric loss: alpha_d = pi f / c * er / sqrt(eeff) * q * tan(delta), q the filling factor
//    (eeff - 1) / (er - 1) (Pozar, Microwave Engineering, 3.198; for TEM lines q = 1).
// K(k)/K(k') is computed exactly by the arithmetic-geometric mean.
namespace oq {

enum class LineType : int { Microstrip = 0, Stripline = 1, Cpw = 2, GroundedCpw = 3, Coax = 4 };
constexpr int LineTypeCount = 5;

// The cross-section of a line.
struct LineGeometry {
    LineType type = LineType::Microstrip;
    double er = 1;        // relative permittivity of the dielectric, at least 1
    double height = 0;    // substrate height h; stripline: ground-plane spacing b; coax: outer D
    double width = 0;     // strip width W; coplanar: centre strip S; coax: inner conductor d
    double thickness = 0; // conductor thickness t, 0 for none; coax: not used
    double gap = 0;       // coplanar: slot between strip and side grounds; others: not used
};

// Impedance and effective permittivity.
struct LineWave {
    double z0 = 0;
    double eeff = 1;
};

// Everything an analysis takes besides the cross-section. A quantity that is not given leaves the
// results that need it out.
struct LineInput {
    LineGeometry geometry;
    std::optional<double> lossTangent;
    std::optional<double> conductivity; // S/m
    double frequency = 0;               // Hz; 0 for quasi-static
    std::optional<double> length;       // physical length of the line
};

struct LineResult {
    double z0 = 0;
    double eeff = 1;
    double phaseVelocity = 0;               // m/s
    std::optional<double> electricalLength; // degrees: needs a frequency and a length
    std::optional<double> conductorLoss;    // dB over the length: needs the conductivity too,
                                            // and a thickness on the planar lines
    std::optional<double> dielectricLoss;   // dB over the length: needs the loss tangent
    std::optional<double> skinDepth;        // needs a frequency and the conductivity
};

// The speed of light and the impedance of free space (mu0 c) the models use.
constexpr double LightSpeed = 299792458.0;
constexpr double FreeSpaceImpedance = 376.730313668;

// Z0 and eeff without dispersion. Throws CalcError for a cross-section the model does not take:
// er below 1, a dimension that is not positive (the thickness may be 0), d at least D, a strip
// as thick as the stripline's plane spacing, a strip too thick for its coplanar gap.
LineWave QuasiStatic(const LineGeometry& g);
// The same at a frequency: the microstrip's effective permittivity with its dispersion; every
// other figure as quasi-static.
LineWave AtFrequency(const LineGeometry& g, double frequency);

// The whole analysis. Throws CalcError as QuasiStatic does, and for a negative or non-finite
// input.
LineResult AnalyseLine(const LineInput& in);

// The width (coax: inner diameter) that gives `z0` at `frequency`, to 1e-9 of z0, with the other
// dimensions of `g`; none when no width the model takes gives it. Throws CalcError as
// QuasiStatic does for the other dimensions.
std::optional<double> SynthesiseWidth(LineGeometry g, double z0, double frequency);

// The physical length that makes `degrees` at `frequency` on a line of effective permittivity
// `eeff`.
double LengthForAngle(double degrees, double eeff, double frequency);

// Attenuation per metre, in nepers.
double ConductorAttenuation(const LineGeometry& g, double z0, double frequency,
                            double conductivity);
double DielectricAttenuation(const LineGeometry& g, double eeff, double frequency,
                             double lossTangent);
double SkinDepth(double frequency, double conductivity);

// K(k) and the ratio K(k)/K(k') of complete elliptic integrals of the first kind, k' the
// complementary modulus sqrt(1 - k^2), given separately so that neither loses digits near 1.
double EllipticK(double k, double kp);
double EllipticRatio(double k, double kp);

// The models' names as the tab shows them, one per line.
const char* LineModel(LineType type);
// The command line's name of a line type ("microstrip", "stripline", "cpw", "gcpw", "coax").
const char* LineTypeName(LineType type);
std::optional<LineType> LineTypeNamed(std::string_view name);

} // namespace oq
