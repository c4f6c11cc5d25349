#pragma once

#include <array>

// The minimum electrical conductor spacing of IPC-2221 (Generic Standard on Printed Board
// Design, Table 6-1) for a peak voltage between conductors (DC or AC peak), in each of the
// table's seven columns. Toolkit-free.
namespace oq {

// The table's columns: where the conductors are and how they are protected.
enum SpacingClass : int {
    SpacingB1 = 0, // internal conductors
    SpacingB2,     // external, uncoated, sea level to 3050 m
    SpacingB3,     // external, uncoated, over 3050 m
    SpacingB4,     // external, with permanent polymer coating (any elevation)
    SpacingA5,     // external, with conformal coating over assembly (any elevation)
    SpacingA6,     // external component lead/termination, uncoated
    SpacingA7,     // external component lead/termination, with conformal coating (any elevation)
    SpacingClassCount
};

struct SpacingColumn {
    const char* name;        // "B1"
    const char* description; // the column's heading in the table, in words
};
extern const std::array<SpacingColumn, SpacingClassCount> SpacingColumns;

// One voltage band of the table: up to `upTo` volts (peak, inclusive; the band starts above the
// band before it), the spacing of each column in millimetres as the table gives it.
struct SpacingBand {
    double upTo;
    std::array<double, SpacingClassCount> mm;
};
constexpr int SpacingBandCount = 9; // 0-15 V ... 301-500 V; above 500 V the per-volt rule
extern const std::array<SpacingBand, SpacingBandCount> SpacingBands;
// Millimetres per volt above 500 V, added to the 301-500 V figure.
extern const std::array<double, SpacingClassCount> SpacingPerVoltMm;

// The band of a peak voltage: 0 for 0-15 V ... 8 for 301-500 V, SpacingBandCount above 500 V.
// A voltage between two bands of the table (15.5 V) takes the higher one. Throws CalcError for a
// negative voltage or one that is not a number.
int SpacingBandOf(double volts);

// The minimum spacing in metres for a peak voltage in volts. Above 500 V it is the 301-500 V
// figure plus the per-volt figure for each volt above 500. Throws CalcError as SpacingBandOf.
double MinimumSpacing(SpacingClass column, double volts);
// The increase above 500 V, in metres per volt.
double SpacingPerVolt(SpacingClass column);

} // namespace oq
