#include "model/regulator.h"

#include <benchmark/benchmark.h>

namespace {

// The ten best pairs as the tab lists them when standard values go on: every series, both kinds
// over their default ranges, for 3.3 V from 0.8 V and from 1.25 V with 50 uA from the adjust pin.
void TenBestPairs(benchmark::State& state) {
    const auto series = oq::kAllSeries[static_cast<size_t>(state.range(0))];
    const bool three = state.range(1) == 1;
    const auto kind = three ? oq::RegulatorKind::ThreeTerminal : oq::RegulatorKind::Standard;
    const double vref = three ? 1.25 : 0.8, iadj = three ? 50e-6 : 0;
    std::size_t found = 0;
    for (auto _ : state) {
        const auto pairs =
            oq::SearchRegulatorPairs(kind, vref, iadj, 3.3, series, oq::DefaultRange(kind), 10);
        found = pairs.size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["pairs"] = static_cast<double>(found);
}

void Cases(benchmark::internal::Benchmark* b) {
    b->ArgNames({"series", "three_terminal"});
    for (int kind = 0; kind < 2; ++kind)
        for (int s = 0; s < static_cast<int>(oq::kAllSeries.size()); ++s)
            b->Args({s, kind});
    b->Unit(benchmark::kMicrosecond);
}

} // namespace

BENCHMARK(TenBestPairs)->Apply(Cases);

BENCHMARK_MAIN();
