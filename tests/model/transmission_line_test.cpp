#include "model/checked.h"
#include "model/transmission_line.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace oq {
namespace {

constexpr double mm = 1e-3;
constexpr double Copper = 5.813e7; // S/m, annealed copper
const auto Microstrip = LineType::Microstrip, Stripline = LineType::Stripline, Cpw = LineType::Cpw,
           GroundedCpw = LineType::GroundedCpw, Coax = LineType::Coax;

// Each figure with its source and the tolerance the model deserves, relative.
TEST(TransmissionLine, ReferenceFigures) {
    struct Case {
        const char* what;
        const char* source;
        LineGeometry g;
        double z0;   // 0: not checked
        double eeff; // 0: not checked
        double tolerance;
    };
    const double k = std::sqrt(0.5); // K(k) = K(k'): the self-complementary slot
    const Case cases[] = {
        {"50 ohm microstrip on er 2.20",
         "Pozar, Microwave Engineering, microstrip design example",
         {Microstrip, 2.20, 1.27 * mm, 3.91 * mm, 0, 0},
         50,
         1.87,
         0.01},
        {"microstrip on er 4.4, zero thickness",
         "Hammerstad and Jensen (1980)",
         {Microstrip, 4.4, 1 * mm, 1.875 * mm, 0, 0},
         50.6,
         0,
         0.01},
        {"the same with 35 um copper",
         "Hammerstad and Jensen (1980), thickness correction",
         {Microstrip, 4.4, 1 * mm, 1.875 * mm, 0.035 * mm, 0},
         49.9,
         0,
         0.01},
        {"50 ohm stripline on er 2.20",
         "Pozar, Microwave Engineering, stripline design example",
         {Stripline, 2.20, 3.2 * mm, 2.66 * mm, 0, 0},
         50,
         2.20,
         0.01},
        {"air coax, D/d = 2.3",
         "Z0 = 60 ohm x ln(D/d) = 49.97 ohm (60 for eta0 / 2 pi = 59.96)",
         {Coax, 1, 2.3 * mm, 1 * mm, 0, 0},
         49.97,
         1,
         0.001},
        {"self-complementary CPW in air",
         "Wen (1969): Z0 = eta0 / 4 K(k')/K(k), k = 1/sqrt 2",
         {Cpw, 1, 1 * mm, k * mm, 0, (1 - k) / 2 * mm},
         94.18,
         1,
         1e-4},
        {"CPW on a thick substrate",
         "Wen (1969): eeff = (er + 1) / 2 as h grows",
         {Cpw, 9.8, 100 * mm, 0.5 * mm, 0, 0.25 * mm},
         0,
         5.4,
         0.005},
        {"CPW with lower ground on a thin substrate",
         "Ghione and Naldi (1983): eeff -> er",
         {GroundedCpw, 9.8, 0.001 * mm, 0.5 * mm, 0, 0.25 * mm},
         0,
         9.8,
         0.005},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.what) + " (" + c.source + ")");
        const LineWave w = QuasiStatic(c.g);
        if (c.z0) {
            EXPECT_NEAR(w.z0, c.z0, c.z0 * c.tolerance);
        }
        if (c.eeff) {
            EXPECT_NEAR(w.eeff, c.eeff, c.eeff * c.tolerance);
        }
    }
    // The thickness correction shows: 35 um of copper lowers the impedance by more than 0.5 ohm.
    EXPECT_GT(QuasiStatic(cases[1].g).z0 - QuasiStatic(cases[2].g).z0, 0.5);
}

// Abramowitz and Stegun, Table 17.1: K(m) at m = k^2 = 0.5 and 0.1.
TEST(TransmissionLine, EllipticIntegralsByTheMean) {
    const double k = std::sqrt(0.5), k1 = std::sqrt(0.1), k1p = std::sqrt(0.9);
    EXPECT_NEAR(EllipticK(k, k), 1.854074677301372, 1e-13);
    EXPECT_NEAR(EllipticK(k1, k1p), 1.612441348720219, 1e-13);
    EXPECT_NEAR(EllipticRatio(k1, k1p), EllipticK(k1, k1p) / EllipticK(k1p, k1), 1e-13);
    EXPECT_THROW(EllipticRatio(0, 1), CalcError);
}

// Losses, electrical length and skin depth against the books' worked figures.
TEST(TransmissionLine, LossesAndLengthFromTheBooks) {
    // Pozar, stripline design example: b = 0.32 cm, er 2.20, tan d 0.001, copper 0.01 mm thick at
    // 10 GHz: alpha_d = 0.155 Np/m, alpha_c = 0.122 Np/m (Pozar's closed formula; ours is
    // Wheeler's rule on the same line: 5 %).
    LineInput strip;
    strip.geometry = {Stripline, 2.20, 3.2 * mm, 2.66 * mm, 0.01 * mm, 0};
    strip.lossTangent = 0.001;
    strip.conductivity = Copper;
    strip.frequency = 10e9;
    strip.length = 1;
    const LineResult s = AnalyseLine(strip);
    constexpr double dbPerNeper = 8.685889638;
    ASSERT_TRUE(s.dielectricLoss && s.conductorLoss);
    EXPECT_NEAR(*s.dielectricLoss / dbPerNeper, 0.155, 0.155 * 0.01);
    EXPECT_NEAR(*s.conductorLoss / dbPerNeper, 0.122, 0.122 * 0.05);

    // Pozar, microstrip design example: 90 degrees at 2.5 GHz on the 50 ohm line is 2.19 cm.
    const LineGeometry ms = {Microstrip, 2.20, 1.27 * mm, 3.91 * mm, 0, 0};
    const double length = LengthForAngle(90, AtFrequency(ms, 2.5e9).eeff, 2.5e9);
    EXPECT_NEAR(length, 21.9 * mm, 21.9 * mm * 0.01);

    // Coax: Wheeler's rule gives Pozar's closed form alpha_c = Rs / (2 eta ln(b/a)) (1/a + 1/b):
    // 7 mm / 2 mm, er 2.25, copper, 1 GHz: 0.016838 Np/m (0.1 %).
    LineInput coax;
    coax.geometry = {Coax, 2.25, 7 * mm, 2 * mm, 0, 0};
    coax.conductivity = Copper;
    coax.frequency = 1e9;
    coax.length = 1;
    const LineResult c = AnalyseLine(coax);
    ASSERT_TRUE(c.conductorLoss && c.skinDepth && c.electricalLength);
    EXPECT_NEAR(*c.conductorLoss / dbPerNeper, 0.016838, 0.016838 * 0.001);
    // The phase velocity of a TEM line: c / sqrt(er); one metre at 1 GHz is f l sqrt(er) / c.
    EXPECT_NEAR(c.phaseVelocity, LightSpeed / 1.5, 1);
    EXPECT_NEAR(*c.electricalLength, 360 * 1e9 * 1.5 / LightSpeed, 1e-9);

    // Skin depth of copper at 1 MHz: 1 / sqrt(pi f mu0 sigma) = 66.0 um.
    EXPECT_NEAR(SkinDepth(1e6, Copper), 66.0e-6, 0.1e-6);
}

// What is not given leaves its results out; a strip of no thickness has no conductor loss.
TEST(TransmissionLine, ResultsNeedTheirInputs) {
    LineInput in;
    in.geometry = {Microstrip, 4.4, 1 * mm, 1.875 * mm, 0, 0};
    LineResult r = AnalyseLine(in);
    EXPECT_FALSE(r.electricalLength || r.conductorLoss || r.dielectricLoss || r.skinDepth);
    in.frequency = 1e9;
    in.length = 0.1;
    in.conductivity = Copper;
    r = AnalyseLine(in);
    EXPECT_TRUE(r.electricalLength && r.skinDepth);
    EXPECT_FALSE(r.conductorLoss || r.dielectricLoss);
    in.geometry.thickness = 0.035 * mm;
    in.lossTangent = 0.02;
    r = AnalyseLine(in);
    EXPECT_TRUE(r.conductorLoss && r.dielectricLoss);
    EXPECT_GT(*r.conductorLoss, 0);
    EXPECT_GT(*r.dielectricLoss, 0);
}

// Kirschning and Jansen: the effective permittivity rises with frequency towards er and is the
// quasi-static one at 1 MHz; the impedance stays quasi-static.
TEST(TransmissionLine, MicrostripDispersion) {
    const LineGeometry g = {Microstrip, 2.20, 1.27 * mm, 3.91 * mm, 0, 0};
    const LineWave still = QuasiStatic(g);
    EXPECT_NEAR(AtFrequency(g, 1e6).eeff, still.eeff, 1e-6);
    double before = still.eeff;
    for (double f : {1e9, 5e9, 10e9, 20e9, 40e9, 100e9}) {
        const LineWave w = AtFrequency(g, f);
        EXPECT_GT(w.eeff, before) << f;
        EXPECT_LT(w.eeff, g.er) << f;
        EXPECT_EQ(w.z0, still.z0) << f;
        before = w.eeff;
    }
    // The other lines have none.
    const LineGeometry strip = {Stripline, 2.20, 3.2 * mm, 2.66 * mm, 0, 0};
    EXPECT_EQ(AtFrequency(strip, 10e9).eeff, 2.20);
}

// The width found for a wanted impedance gives it back to 0.01 %, on every line, with and without
// thickness, at quasi-static and at 10 GHz.
TEST(TransmissionLine, SynthesisGivesTheWantedImpedanceBack) {
    const LineGeometry shapes[] = {
        {Microstrip, 4.4, 1.6 * mm, 0, 0, 0},
        {Microstrip, 2.20, 0.254 * mm, 0, 0.035 * mm, 0},
        {Microstrip, 1, 1 * mm, 0, 0, 0},
        {Stripline, 2.20, 3.2 * mm, 0, 0, 0},
        {Stripline, 3.66, 1 * mm, 0, 0.018 * mm, 0},
        {Cpw, 9.8, 0.635 * mm, 0, 0, 0.1 * mm},
        {Cpw, 4.4, 1.6 * mm, 0, 0.035 * mm, 0.2 * mm},
        {GroundedCpw, 4.4, 1.6 * mm, 0, 0.035 * mm, 0.2 * mm},
        {GroundedCpw, 3.66, 0.508 * mm, 0, 0, 0.15 * mm},
        {Coax, 2.25, 7 * mm, 0, 0, 0},
        {Coax, 1, 10 * mm, 0, 0, 0},
    };
    for (const LineGeometry& shape : shapes) {
        for (double z0 : {30.0, 50.0, 75.0, 100.0}) {
            for (double f : {0.0, 10e9}) {
                SCOPED_TRACE(std::string(LineTypeName(shape.type)) + " er " +
                             std::to_string(shape.er) + " z0 " + std::to_string(z0));
                const std::optional<double> w = SynthesiseWidth(shape, z0, f);
                ASSERT_TRUE(w);
                LineGeometry g = shape;
                g.width = *w;
                EXPECT_NEAR(AtFrequency(g, f).z0, z0, z0 * 1e-4);
            }
        }
    }
    // Pozar, microstrip design example: 50 ohm on 0.127 cm of er 2.20 is W/d = 3.081 (1 %).
    const std::optional<double> w = SynthesiseWidth({Microstrip, 2.20, 1.27 * mm, 0, 0, 0}, 50, 0);
    ASSERT_TRUE(w);
    EXPECT_NEAR(*w / (1.27 * mm), 3.081, 3.081 * 0.01);
    // Out of reach: a coax whose inner conductor would be thinner than 1e-12 of the outer.
    EXPECT_FALSE(SynthesiseWidth({Coax, 1, 1 * mm, 0, 0, 0}, 5000, 0));
    EXPECT_THROW(SynthesiseWidth({Coax, 1, 1 * mm, 0, 0, 0}, -50, 0), CalcError);
}

// From W/h = 0.01 to 100, in air and on a high-permittivity substrate, with and without
// thickness, every line gives finite figures; far beyond, it gives finite figures or refuses.
TEST(TransmissionLine, ExtremeShapesGiveNumbersOrRefuse) {
    for (int type = 0; type < LineTypeCount; ++type) {
        for (double u : {0.01, 0.03, 0.1, 1.0, 10.0, 100.0, 1e-9, 1e9}) {
            for (double er : {1.0, 12.9}) {
                for (double t : {0.0, 0.035 * mm}) {
                    const bool inRange = u >= 0.01 && u <= 100;
                    LineInput in;
                    in.geometry = {static_cast<LineType>(type), er, 1 * mm, u * mm, t, 0.2 * mm};
                    if (in.geometry.type == Coax) // d / D from 0.01 up
                        in.geometry.width = 1 * mm / (1 + 1 / u);
                    in.frequency = 10e9;
                    in.length = 0.1;
                    in.conductivity = Copper;
                    in.lossTangent = 0.01;
                    SCOPED_TRACE(std::string(LineTypeName(in.geometry.type)) + " W/h " +
                                 std::to_string(u) + " er " + std::to_string(er));
                    try {
                        const LineResult r = AnalyseLine(in);
                        for (double v : {r.z0, r.eeff, r.phaseVelocity, *r.electricalLength,
                                         *r.dielectricLoss, *r.skinDepth})
                            EXPECT_TRUE(std::isfinite(v) && v >= 0);
                        if (r.conductorLoss) {
                            EXPECT_TRUE(std::isfinite(*r.conductorLoss) && *r.conductorLoss > 0);
                        } else {
                            EXPECT_EQ(t, 0);
                        }
                    } catch (const CalcError& e) {
                        EXPECT_FALSE(inRange) << e.what();
                    }
                }
            }
        }
    }
}

// What no line is made of: the model refuses rather than computes.
TEST(TransmissionLine, ImpossibleShapesAreRefused) {
    const LineGeometry refused[] = {
        {Microstrip, 0.5, 1 * mm, 1 * mm, 0, 0},         // er below 1
        {Microstrip, 4.4, 0, 1 * mm, 0, 0},              // no substrate
        {Microstrip, 4.4, 1 * mm, -1 * mm, 0, 0},        // negative width
        {Microstrip, 4.4, 1 * mm, 1 * mm, -1 * mm, 0},   // negative thickness
        {Stripline, 2.2, 1 * mm, 1 * mm, 1 * mm, 0},     // strip fills the planes
        {Cpw, 4.4, 1 * mm, 1 * mm, 0, 0},                // no gap
        {Cpw, 4.4, 1 * mm, 1 * mm, 0.5 * mm, 0.01 * mm}, // strip too thick for its gap
        {Coax, 1, 1 * mm, 1 * mm, 0, 0},                 // d = D
        {Coax, 1, 1 * mm, 2 * mm, 0, 0},                 // d > D
        {Microstrip, 4.4, 1 * mm, std::nan(""), 0, 0},   // not a number
        {Microstrip, HUGE_VAL, 1 * mm, 1 * mm, 0, 0},    // infinite permittivity
    };
    for (const LineGeometry& g : refused)
        EXPECT_THROW(QuasiStatic(g), CalcError) << LineTypeName(g.type) << " " << g.width;
    LineInput in;
    in.geometry = {Microstrip, 4.4, 1 * mm, 1 * mm, 0, 0};
    in.conductivity = 0;
    EXPECT_THROW(AnalyseLine(in), CalcError);
    in.conductivity.reset();
    in.frequency = -1;
    EXPECT_THROW(AnalyseLine(in), CalcError);
}

} // namespace
} // namespace oq
