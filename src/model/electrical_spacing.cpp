#include "model/electrical_spacing.h"

#include "model/checked.h"

#include <cmath>

namespace oq {

// IPC-2221 (A and B revisions) Table 6-1, "Electrical Conductor Spacing", with the standard's own
// note: above 500 V the per-volt figure is added to the 500 V figure, so B1 at 600 V is
// 0.25 mm + 100 V x 0.0025 mm/V = 0.50 mm. The bands, columns and per-volt figures are those of
// its predecessor IPC-D-275, with the low-voltage rows tightened. The column headings are the
// standard's, a little shortened.
const std::array<SpacingColumn, SpacingClassCount> SpacingColumns = {{
    {"B1", "Internal conductors"},
    {"B2", "External conductors, uncoated, sea level to 3050 m"},
    {"B3", "External conductors, uncoated, over 3050 m"},
    {"B4", "External conductors, permanent polymer coating, any elevation"},
    {"A5", "External conductors, conformal coating over assembly, any elevation"},
    {"A6", "External component lead/termination, uncoated"},
    {"A7", "External component lead/termination, conformal coating, any elevation"},
}};

// Peak volts up to; B1, B2, B3, B4, A5, A6, A7 in mm.
const std::array<SpacingBand, SpacingBandCount> SpacingBands = {{
    {15, {0.05, 0.1, 0.1, 0.05, 0.13, 0.13, 0.13}},
    {30, {0.05, 0.1, 0.1, 0.05, 0.13, 0.25, 0.13}},
    {50, {0.1, 0.6, 0.6, 0.13, 0.13, 0.4, 0.13}},
    {100, {0.1, 0.6, 1.5, 0.13, 0.13, 0.5, 0.13}},
    {150, {0.2, 0.6, 3.2, 0.4, 0.4, 0.8, 0.4}},
    {170, {0.2, 1.25, 3.2, 0.4, 0.4, 0.8, 0.4}},
    {250, {0.2, 1.25, 6.4, 0.4, 0.4, 0.8, 0.4}},
    {300, {0.2, 1.25, 12.5, 0.4, 0.4, 0.8, 0.8}},
    {500, {0.25, 2.5, 12.5, 0.8, 0.8, 1.5, 0.8}},
}};

const std::array<double, SpacingClassCount> SpacingPerVoltMm = {0.0025,  0.005,   0.025,  0.00305,
                                                                0.00305, 0.00305, 0.00305};

namespace {
constexpr double MetresPerMm = 1e-3;
constexpr double TopVolts = 500; // the last band's end, where the per-volt rule starts
} // namespace

int SpacingBandOf(double volts) {
    if (!(volts >= 0)) // a negative voltage, or not a number
        throw CalcError("no spacing for a negative voltage");
    for (int band = 0; band < SpacingBandCount; ++band)
        if (volts <= SpacingBands[static_cast<size_t>(band)].upTo)
            return band;
    return SpacingBandCount;
}

double MinimumSpacing(SpacingClass column, double volts) {
    const auto c = static_cast<size_t>(column);
    const int band = SpacingBandOf(volts);
    if (band < SpacingBandCount)
        return SpacingBands[static_cast<size_t>(band)].mm[c] * MetresPerMm;
    // (volts - 500) x the per-volt figure stays below the largest double for any finite voltage,
    // since the figure is below 1 m/V; infinity is refused.
    const double above = Mul(Sub(volts, TopVolts), SpacingPerVolt(column));
    return Add(SpacingBands.back().mm[c] * MetresPerMm, above);
}

double SpacingPerVolt(SpacingClass column) {
    return SpacingPerVoltMm[static_cast<size_t>(column)] * MetresPerMm;
}

} // namespace oq
