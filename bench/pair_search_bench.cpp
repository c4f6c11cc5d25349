#include "model/resistor_pairs.h"

#include <benchmark/benchmark.h>
#include <cmath>

namespace {

// One full search, as the Calculate button runs it, for a target in each decade from 1 ohm to
// 10 Mohm: a round one (itself a member) and one between members.
double Target(const benchmark::State& state) {
    const double mantissa = state.range(1) == 0 ? 1.0 : 1.234;
    return mantissa * std::pow(10.0, static_cast<double>(state.range(0)));
}

void PairSearch(benchmark::State& state, oq::Pairing how, oq::Series series, double tolerance) {
    const double target = Target(state);
    std::size_t lines = 0;
    for (auto _ : state) {
        const oq::PairSearch found = oq::SearchPairs(how, series, target, tolerance, 1.2f);
        lines = found.lines.size();
        benchmark::DoNotOptimize(lines);
    }
    state.counters["pairs"] = static_cast<double>(lines);
}

// E-96 at 5 %, the widest the tolerance list offers.
void SerialPairs(benchmark::State& state) {
    PairSearch(state, oq::Pairing::Serial, oq::Series::E96, 5);
}
void ParallelPairs(benchmark::State& state) {
    PairSearch(state, oq::Pairing::Parallel, oq::Series::E96, 5);
}

// The densest series at a tolerance of 20 %, far wider than the list offers: nearly every step
// of the walk keeps its pair, so the list is as long as a search can make it.
void SerialPairsE192Wide(benchmark::State& state) {
    PairSearch(state, oq::Pairing::Serial, oq::Series::E192, 20);
}
void ParallelPairsE192Wide(benchmark::State& state) {
    PairSearch(state, oq::Pairing::Parallel, oq::Series::E192, 20);
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
BENCHMARK(SerialPairsE192Wide)->Apply(Decades);
BENCHMARK(ParallelPairsE192Wide)->Apply(Decades);

BENCHMARK_MAIN();
