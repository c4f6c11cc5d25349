#include "model/transmission_line.h"

#include <benchmark/benchmark.h>

namespace {

// One line of each kind, 1 mm high, with a 35 um conductor and a 0.2 mm gap where it has one.
oq::LineGeometry Line(int type) {
    oq::LineGeometry g{static_cast<oq::LineType>(type), 4.4, 1e-3, 1.8e-3, 35e-6, 0.2e-3};
    if (g.type == oq::LineType::Coax)
        g.width = 0.3e-3;
    return g;
}

// The whole analysis at 1 GHz over 0.1 m: impedance, losses (the conductor loss evaluates the
// model twice more), skin depth.
void Analysis(benchmark::State& state) {
    oq::LineInput in;
    in.geometry = Line(static_cast<int>(state.range(0)));
    in.frequency = 1e9;
    in.length = 0.1;
    in.conductivity = 5.8e7;
    in.lossTangent = 0.02;
    for (auto _ : state)
        benchmark::DoNotOptimize(oq::AnalyseLine(in));
    state.SetLabel(oq::LineTypeName(in.geometry.type));
}

// The width for 50 ohm to 1e-12 of it: a scan and a bisection over the analysis model.
void Synthesis(benchmark::State& state) {
    const oq::LineGeometry g = Line(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(oq::SynthesiseWidth(g, 50, 1e9));
    state.SetLabel(oq::LineTypeName(g.type));
}

} // namespace

BENCHMARK(Analysis)->DenseRange(0, oq::LineTypeCount - 1)->Unit(benchmark::kMicrosecond);
BENCHMARK(Synthesis)->DenseRange(0, oq::LineTypeCount - 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
