#include "model/resistor_pairs.h"

#include <benchmark/benchmark.h>
#include <cmath>

namespace {

// One full E-96 search at 5 % tolerance, as the Calculate button runs it, for a target in each
// decade from 1 ohm to 10 Mohm: a round one (itself a member) and one between members.
void PairSearch(benchmark::State& state, oq::Pairing how) {
    const double mantissa = state.range(1) == 0 ? 1.0 : 1.234;
    const double target = mantissa * std::pow(10.0, static_cast<double>(state.range(0)));
    std::size_t lines = 0;
    for (auto _ : state) {
        const oq::PairSearch found = oq::SearchPairs(how, true, target, 5, 1.2f);
        lines = found.lines.size();
        benchmark::DoNotOptimize(lines);
    }
    state.counters["pairs"] = static_cast<double>(lines);
}

void SerialPairs(benchmark::State& state) {
    PairSearch(state, oq::Pairing::Serial);
}
void ParallelPairs(benchmark::State& state) {
    PairSearch(state, oq::Pairing::Parallel);
}

void Decades(benchmark::internal::Benchmark* b) {
    b->ArgNames({"decade", "between"});
    for (int between = 0; between < 2; ++between)
        for (int decade = 0; decade <= 7; ++decade)
            b->Args({decade, between});
    b->Unit(benchmark::kMicrosecond);
}

} // namespace

BENCHMARK(SerialPairs)->Apply(Decades);
BENCHMARK(ParallelPairs)->Apply(Decades);

BENCHMARK_MAIN();
