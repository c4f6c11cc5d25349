#pragma once

#include <string>

// Rise time and bandwidth (Tr × BW = 0.35), and the rise time of a device under test measured
// through a system with a rise time of its own. Toolkit-free.
namespace oq {

// The other side of Tr × BW = 0.35, or why the given side is refused: `reason` is empty when
// `value` holds the result, else the end of the warning "Incorrect value. Must be ...".
struct RiseTimeResult {
    double value = 0;
    std::string reason;
};

// Bandwidth in Hz from a rise time in seconds; accepted from 1 ps to 100 µs inclusive.
RiseTimeResult BandwidthFromRiseTime(double riseTime);
// Rise time in seconds from a bandwidth in Hz; accepted from 3.5 kHz to 350 GHz inclusive.
RiseTimeResult RiseTimeFromBandwidth(double bandwidth);
// The warning shown for a refused rise time or bandwidth.
std::string RiseTimeWarning(const std::string& reason);

// The DUT rise time sqrt(M² − S²) from measured M and system S (any one unit for all three);
// the caller refuses M < S first. Throws CalcError beyond the double range.
double DutRiseTime(double measured, double system);
// The measured rise time sqrt(D² + S²) to expect for a DUT of rise time D.
double MeasuredRiseTime(double dut, double system);

} // namespace oq
