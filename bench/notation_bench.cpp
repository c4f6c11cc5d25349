#include "model/notation.h"

#include <array>
#include <benchmark/benchmark.h>

namespace {

// One typical value per prefix row, from pico to tera.
constexpr std::array<double, 9> RowValues = {4.7e-11, 3.3e-8, 4.7e-5, 0.022, 15.0,
                                             1500.0,  2.2e6,  3.3e9,  4.7e12};
constexpr std::array<float, 4> Codes = {1.2f, 0.0f, 104.0f, -1.1f};

void FormatEngRow(benchmark::State& state) {
    const double x = RowValues[static_cast<std::size_t>(state.range(0))];
    const float code = Codes[static_cast<std::size_t>(state.range(1))];
    for (auto _ : state)
        benchmark::DoNotOptimize(oq::FormatEng(x, ";Ohm;", code));
}

void FormatFixedTrimRow(benchmark::State& state) {
    const double x = RowValues[static_cast<std::size_t>(state.range(0))];
    const float code = Codes[static_cast<std::size_t>(state.range(1))];
    for (auto _ : state)
        benchmark::DoNotOptimize(oq::FormatFixedTrim(x, code));
}

void RowsAndCodes(benchmark::internal::Benchmark* b) {
    b->ArgNames({"row", "code"});
    for (int code = 0; code < static_cast<int>(Codes.size()); ++code)
        for (int row = 0; row < static_cast<int>(RowValues.size()); ++row)
            b->Args({row, code});
}

// A whole tab's worth of echo labels: every row once, the default code.
void FormatEngAllRows(benchmark::State& state) {
    for (auto _ : state)
        for (const double x : RowValues)
            benchmark::DoNotOptimize(oq::FormatEng(x, ";V;", 1.2f));
    state.SetItemsProcessed(state.iterations() * static_cast<long>(RowValues.size()));
}

void TextValueTyped(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(oq::TextValue("4701.25"));
}

} // namespace

BENCHMARK(FormatEngRow)->Apply(RowsAndCodes);
BENCHMARK(FormatFixedTrimRow)->Apply(RowsAndCodes);
BENCHMARK(FormatEngAllRows);
BENCHMARK(TextValueTyped);

BENCHMARK_MAIN();
