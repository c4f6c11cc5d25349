#pragma once

#include <optional>

// A plated through via: its barrel's resistance, voltage drop, power, ampacity and thermal
// resistance, and its capacitance, inductance, reactance and rise-time degradation as a signal
// via. Toolkit-free; SI base units (m, A, K, s, ohm, V, W, F, H), the rise in K.
namespace oq {

// What is known of the via; each result follows from the figures it needs, the others stay
// unknown.
struct ViaInput {
    std::optional<double> hole;         // finished hole diameter d
    std::optional<double> plating;      // plating thickness t
    std::optional<double> length;       // board thickness: the via's length h
    std::optional<double> pad;          // pad diameter D1
    std::optional<double> antipad;      // antipad (clearance) diameter D2
    std::optional<double> permittivity; // relative permittivity of the board
    std::optional<double> current;      // the current the via carries
    std::optional<double> rise;         // temperature rise: the ampacity's, and the copper's
                                        // temperature above 20 °C for the resistance
    std::optional<double> riseTime;     // 10-90 % rise time of the signal
    std::optional<double> impedance;    // Z0 of the line the via sits in
};

struct ViaResult {
    std::optional<double> barrel;      // barrel section π (d + t) t, m²
    std::optional<double> resistance;  // ρ(20 °C + rise) h / section
    std::optional<double> drop;        // I R
    std::optional<double> power;       // I² R
    std::optional<double> ampacity;    // IPC-2221 outer-layer fit on the barrel section
    std::optional<double> thermal;     // h / (401 W/(m K) x section), K/W
    std::optional<double> capacitance; // 1.41 εr T D1 / (D2 - D1) pF, lengths in inches
    std::optional<double> inductance;  // 5.08 h (ln(4h / d) + 1) nH, lengths in inches
    std::optional<double> reactance;   // π L / Tr: at the knee frequency 0.5 / Tr
    std::optional<double> degradation; // 10-90 % rise time 2.2 C Z0 / 2
    unsigned bounds = 0;               // Beyond... bits (track_width.h)
    bool refused = false; // a result whose figures were all given could not be computed
};

// Thermal conductivity of copper, W/(m K).
constexpr double CopperConductivity = 401;

ViaResult SolveVia(const ViaInput& in);

} // namespace oq
