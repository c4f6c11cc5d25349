#include "model/rise_time.h"

#include "model/checked.h"

namespace oq {

namespace {
constexpr double Product = 0.35; // rise time × bandwidth of a first-order response
} // namespace

RiseTimeResult BandwidthFromRiseTime(double riseTime) {
    if (riseTime >= 1e-12 && riseTime <= 0.0001)
        return {Div(Product, riseTime), {}};
    return {0, riseTime <= 0.0001 ? "larger than 1ps." : "less than 100 µs."};
}

RiseTimeResult RiseTimeFromBandwidth(double bandwidth) {
    if (bandwidth >= 3500 && bandwidth <= 350e9)
        return {Div(Product, bandwidth), {}};
    return {0, bandwidth < 3500 ? "higher 3.5 kHz." : "less than 350 GHz."};
}

std::string RiseTimeWarning(const std::string& reason) {
    return "Incorrect value. Must be " + reason;
}

double DutRiseTime(double measured, double system) {
    return Sqrt(Sub(Mul(measured, measured), Mul(system, system)));
}

double MeasuredRiseTime(double dut, double system) {
    return Sqrt(Add(Mul(dut, dut), Mul(system, system)));
}

} // namespace oq
