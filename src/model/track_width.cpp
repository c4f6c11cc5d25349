#include "model/track_width.h"

#include "model/board_units.h"
#include "model/checked.h"

#include <vector>

namespace oq {

namespace {
// The exponents of the IPC-2221 fit.
constexpr double RiseExponent = 0.44;
constexpr double AreaExponent = 0.725;
constexpr double SquareMetresPerSquareMil = MetresPerMil * MetresPerMil;

void RequireNotNegative(double x) {
    if (x < 0)
        throw CalcError("negative quantity");
}

// A figure on a bound of the chart is within it, whatever the last bit of its unit conversion
// (105 µm against 3 x 35 µm).
bool Above(double x, double bound) {
    return x > bound * (1 + 1e-12);
}
bool Below(double x, double bound) {
    return x < bound * (1 - 1e-12);
}
} // namespace

double CopperResistivity(double celsius) {
    const double rho =
        Mul(CopperResistivity20, Add(1, Mul(CopperTempCoefficient, Sub(celsius, 20))));
    if (!(rho > 0))
        throw CalcError("no resistivity at this temperature");
    return rho;
}

double IpcConstant(TrackLayer layer) {
    return layer == LayerOuter ? 0.048 : 0.024;
}

double IpcCurrent(TrackLayer layer, double area, double rise) {
    RequireNotNegative(area);
    RequireNotNegative(rise);
    const double mils = Div(area, SquareMetresPerSquareMil);
    return Mul(Mul(IpcConstant(layer), Pow(rise, RiseExponent)), Pow(mils, AreaExponent));
}

double IpcArea(TrackLayer layer, double current, double rise) {
    RequireNotNegative(current);
    RequireNotNegative(rise);
    const double perMil = Mul(IpcConstant(layer), Pow(rise, RiseExponent));
    const double mils = Pow(Div(current, perMil), 1 / AreaExponent);
    return Mul(mils, SquareMetresPerSquareMil);
}

unsigned ChartRiseBounds(double rise) {
    return (Below(rise, ChartRiseLow) ? BeyondRiseLow : 0) |
           (Above(rise, ChartRiseHigh) ? BeyondRiseHigh : 0);
}

unsigned ChartCurrentBound(double current) {
    return Above(current, ChartOuterCurrent) ? BeyondViaCurrent : 0;
}

std::string ChartWarning(unsigned bounds) {
    struct Named {
        unsigned bit;
        const char* text;
    };
    static const Named names[] = {
        {BeyondOuterCurrent, "outer current above 35 A"},
        {BeyondInnerCurrent, "inner current above 17.5 A"},
        {BeyondOuterWidth, "outer width above 400 mil"},
        {BeyondInnerWidth, "inner width above 400 mil"},
        {BeyondCopper, "copper above 3 oz"},
        {BeyondRiseLow, "rise below 10 °C"},
        {BeyondRiseHigh, "rise above 100 °C"},
        {BeyondViaCurrent, "ampacity above 35 A"},
        {AboveViaAmpacity, "current above the ampacity"},
    };
    std::string text;
    for (const Named& n : names) {
        if (!(bounds & n.bit))
            continue;
        text += text.empty() ? "Beyond the IPC-2221 chart: " : ", ";
        text += n.text;
    }
    return text;
}

TrackResult SolveTrack(const TrackInput& in) {
    RequireNotNegative(in.given);
    RequireNotNegative(in.rise);
    RequireNotNegative(in.thickness);
    RequireNotNegative(in.length);
    TrackResult out;
    for (const TrackLayer layer : {LayerOuter, LayerInner}) {
        TrackLayerResult& r = out.layers[static_cast<size_t>(layer)];
        if (in.solve == TrackSolve::Width) {
            r.current = in.given;
            r.width = Div(IpcArea(layer, in.given, in.rise), in.thickness);
        } else {
            r.width = in.given;
            r.current = IpcCurrent(layer, Mul(in.given, in.thickness), in.rise);
        }
        if (in.withLength) {
            // R = ρ(ambient + rise) L / (w t)
            const double rho = CopperResistivity(Add(in.ambient, in.rise));
            r.resistance = Div(Mul(rho, in.length), Mul(r.width, in.thickness));
            r.drop = Mul(r.current, r.resistance);
            r.power = Mul(r.current, r.drop);
        }
    }
    const TrackLayerResult& outer = out.layers[LayerOuter];
    const TrackLayerResult& inner = out.layers[LayerInner];
    out.bounds |= Above(outer.current, ChartOuterCurrent) ? BeyondOuterCurrent : 0;
    out.bounds |= Above(inner.current, ChartInnerCurrent) ? BeyondInnerCurrent : 0;
    out.bounds |= Above(outer.width, ChartWidth) ? BeyondOuterWidth : 0;
    out.bounds |= Above(inner.width, ChartWidth) ? BeyondInnerWidth : 0;
    out.bounds |= ChartRiseBounds(in.rise);
    out.bounds |= Above(in.thickness, ChartCopper) ? BeyondCopper : 0;
    return out;
}

} // namespace oq
