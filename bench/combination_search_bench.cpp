#include "model/resistor_combinations.h"

#include <benchmark/benchmark.h>
#include <cmath>

// The resistor-combination search over parts from 10 ohm to 1 Mohm, as the tab runs it, for
// targets across the range. The targets: four parts in E-96 under 50 ms, three parts in
// E-192 under 50 ms, two parts in any series under 1 ms.
namespace {

constexpr double Targets[] = {17.6, 241, 14.7e3, 164e3, 12345.6, 876543};

oq::Series SeriesOf(int64_t i) {
    return oq::kAllSeries[static_cast<size_t>(i)];
}

void Label(benchmark::State& state, oq::Series series, double target) {
    state.SetLabel(std::string(oq::SeriesName(series)) + " target " + oq::PartText(target));
}

// Cold: the parts and, for four parts, the two-resistor tables built anew each time.
void Search(benchmark::State& state, int maxParts) {
    const oq::Series series = SeriesOf(state.range(0));
    const double target = Targets[state.range(1)];
    oq::CombinationParts parts;
    parts.series = series;
    oq::CombinationRequest request;
    request.target = target;
    request.maxParts = maxParts;
    for (auto _ : state)
        benchmark::DoNotOptimize(oq::FindCombinations(parts, request));
    Label(state, series, target);
}

// Warm: the tables kept from the search before, as on the tab while the series stays.
void SearchWarm(benchmark::State& state, int maxParts) {
    const oq::Series series = SeriesOf(state.range(0));
    const double target = Targets[state.range(1)];
    oq::CombinationParts parts;
    parts.series = series;
    oq::CombinationSearch search(parts);
    oq::CombinationRequest request;
    request.target = target;
    request.maxParts = maxParts;
    search.find(request);
    for (auto _ : state)
        benchmark::DoNotOptimize(search.find(request));
    Label(state, series, target);
}

void TwoParts(benchmark::State& state) {
    Search(state, 2);
}
void ThreeParts(benchmark::State& state) {
    Search(state, 3);
}
void FourParts(benchmark::State& state) {
    Search(state, 4);
}
void FourPartsWarm(benchmark::State& state) {
    SearchWarm(state, 4);
}

// The brute force the tables replace: every pair, in series and in parallel.
void TwoPartsBruteForce(benchmark::State& state) {
    const oq::Series series = SeriesOf(state.range(0));
    const double target = Targets[state.range(1)];
    oq::CombinationParts stock;
    stock.series = series;
    const std::vector<double> parts = oq::CombinationPartList(stock);
    for (auto _ : state) {
        double best = INFINITY;
        for (double a : parts)
            for (double b : parts) {
                best = std::min(best, std::fabs(a + b - target));
                best = std::min(best, std::fabs(a * b / (a + b) - target));
            }
        benchmark::DoNotOptimize(best);
    }
    Label(state, series, target);
}

void EverySeries(benchmark::internal::Benchmark* b) {
    b->ArgNames({"series", "target"});
    for (int s = 0; s < 7; ++s)
        for (int t : {1, 3})
            b->Args({s, t});
    b->Unit(benchmark::kMicrosecond);
}

void Series(benchmark::internal::Benchmark* b, int series) {
    b->ArgNames({"series", "target"});
    for (int t = 0; t < static_cast<int>(std::size(Targets)); ++t)
        b->Args({series, t});
    b->Unit(benchmark::kMillisecond);
}
void E96(benchmark::internal::Benchmark* b) {
    Series(b, 5);
}
void E192(benchmark::internal::Benchmark* b) {
    Series(b, 6);
}

} // namespace

BENCHMARK(TwoParts)->Apply(EverySeries);
BENCHMARK(TwoPartsBruteForce)->Args({6, 3})->Unit(benchmark::kMicrosecond);
BENCHMARK(ThreeParts)->Apply(E192);
BENCHMARK(FourParts)->Apply(E96);
BENCHMARK(FourPartsWarm)->Apply(E96);
BENCHMARK(FourParts)->Args({6, 4})->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
