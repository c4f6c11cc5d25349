#pragma once

#include "model/length_units.h"

#include <array>
#include <string>

// The width of a printed-board track for a current, or the current for a width, on an outer and
// an inner layer side by side, after IPC-2221; and the track's resistance, voltage drop and power
// loss. Toolkit-free; every quantity in SI base units (m, A, K, ohm, V, W), temperatures in °C.
namespace oq {

enum TrackLayer : int { LayerOuter = 0, LayerInner = 1 };

// Copper: resistivity at 20 °C and its temperature coefficient per K (annealed copper, as board
// designers take it).
constexpr double CopperResistivity20 = 1.72e-8; // ohm m
constexpr double CopperTempCoefficient = 0.00393;

// ρ(T) = ρ20 (1 + α (T - 20 °C)). Throws CalcError where the line gives no positive resistivity
// (below about -234 °C).
double CopperResistivity(double celsius);

// IPC-2221 (section 6.2, Figure 6-4, as curve-fitted): I = k ΔT^0.44 A^0.725 with I in A, ΔT in
// K and A in square mils; k = 0.048 for outer layers and 0.024 for inner ones.
double IpcConstant(TrackLayer layer);
// The current a conductor section `area` (m²) carries for the rise `rise` (K).
double IpcCurrent(TrackLayer layer, double area, double rise);
// The conductor section (m²) that carries `current` for the rise: A = (I / (k ΔT^0.44))^(1/0.725).
double IpcArea(TrackLayer layer, double current, double rise);

// Where the IPC-2221 charts end: up to 35 A on outer
// layers and 17.5 A on inner ones (the inner chart is the outer one derated by half), widths up
// to 400 mil, copper up to 3 oz/ft², rises of 10 to 100 K. Beyond it the fit is extrapolated:
// the tab warns, it does not refuse.
constexpr double ChartOuterCurrent = 35;   // A
constexpr double ChartInnerCurrent = 17.5; // A
constexpr double ChartWidth = 400 * MetresPerMil;
constexpr double ChartCopper = 3 * 35e-6;
constexpr double ChartRiseLow = 10;
constexpr double ChartRiseHigh = 100;

// Which bounds of the chart the figures pass, a bit each.
constexpr unsigned BeyondOuterCurrent = 1;
constexpr unsigned BeyondInnerCurrent = 2;
constexpr unsigned BeyondOuterWidth = 4;
constexpr unsigned BeyondInnerWidth = 8;
constexpr unsigned BeyondCopper = 16;
constexpr unsigned BeyondRiseLow = 32;
constexpr unsigned BeyondRiseHigh = 64;
constexpr unsigned BeyondViaCurrent = 128; // the via's ampacity above 35 A
constexpr unsigned AboveViaAmpacity = 256; // the via's current above its ampacity

// The bounds a rise passes; the via's bound for an ampacity (the outer chart's 35 A).
unsigned ChartRiseBounds(double rise);
unsigned ChartCurrentBound(double current);

// The tab's warning for a set of bounds: "" for none, else one line naming each bound passed.
std::string ChartWarning(unsigned bounds);

// What is solved: the width for a current, or the current for a width.
enum class TrackSolve { Width, Current };

struct TrackInput {
    TrackSolve solve = TrackSolve::Width;
    double given = 0;     // the current (A) when solving the width, the width (m) otherwise
    double rise = 0;      // temperature rise, K
    double thickness = 0; // copper thickness, m
    // With the track's length (m) and the ambient temperature (°C), the resistance of the track,
    // taken at ambient plus the rise, its voltage drop and its power loss follow.
    bool withLength = false;
    double length = 0;
    double ambient = 0;
};

struct TrackLayerResult {
    double width = 0;      // m
    double current = 0;    // A
    double resistance = 0; // ohm; these three with withLength only
    double drop = 0;       // V
    double power = 0;      // W
};

struct TrackResult {
    std::array<TrackLayerResult, 2> layers; // outer, inner
    unsigned bounds = 0;                    // the Beyond... bits
};

// Throws CalcError for a negative quantity, a zero divisor (no rise or no copper for a width, no
// width for a resistance) and any result beyond the double range.
TrackResult SolveTrack(const TrackInput& in);

} // namespace oq
