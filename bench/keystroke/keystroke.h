#pragma once

#include "app/main_form.h"

#include <QString>
#include <benchmark/benchmark.h>
#include <functional>

namespace oq::bench {

// What a keystroke benchmark does before it starts timing, on a real main window: select the
// tab, pick the unknowns, type the givens. Helpers below find controls by their names.
struct KeystrokeSetup {
    MainForm& form;
    QWidget* find(const QString& name) const;
    void click(const QString& name) const;
    void type(const QString& box, const QString& keys) const;
    void selectTab(int index) const;
};

// Times one keystroke in `box`: alternately a digit and Backspace, so every key recomputes,
// each followed by the relayout and offscreen paint it causes. `computed` names a label or box
// that must not be empty afterwards (it proves the calculation ran).
void RunKeystrokes(benchmark::State& state, const std::function<void(KeystrokeSetup&)>& setup,
                   const QString& box, const QString& computed);

} // namespace oq::bench

// Registers a keystroke benchmark with the same repetitions for every tab.
#define OHMQUILL_KEYSTROKE_BENCHMARK(fn)                                                           \
    BENCHMARK(fn)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true)
