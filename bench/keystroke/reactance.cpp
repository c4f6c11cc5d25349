// One keystroke on the rise-time and reactance tabs: the change handler, the formula, the unit
// option picked for the result, and the window painted offscreen.
#include "keystroke.h"

namespace {

using oq::bench::KeystrokeSetup;

void RiseTime(benchmark::State& state) {
    oq::bench::RunKeystrokes(
        state,
        [](KeystrokeSetup& s) {
            s.selectTab(8);
            s.type("Text_TR(0)", "12");
        },
        "Text_TR(0)", "Text_TR(1)");
}
OHMQUILL_KEYSTROKE_BENCHMARK(RiseTime);

void CapacitiveReactance(benchmark::State& state) {
    oq::bench::RunKeystrokes(
        state,
        [](KeystrokeSetup& s) {
            s.selectTab(10);
            s.click("Option_CZ(2)");
            s.type("Text_CZ(0)", "50");
            s.type("Text_CZ(1)", "47");
        },
        "Text_CZ(1)", "Text_CZ(2)");
}
OHMQUILL_KEYSTROKE_BENCHMARK(CapacitiveReactance);

void InductiveReactance(benchmark::State& state) {
    oq::bench::RunKeystrokes(
        state,
        [](KeystrokeSetup& s) {
            s.selectTab(11);
            s.click("Option_LZ(2)");
            s.type("Text_LZ(0)", "50");
            s.type("Text_LZ(1)", "47");
        },
        "Text_LZ(1)", "Text_LZ(2)");
}
OHMQUILL_KEYSTROKE_BENCHMARK(InductiveReactance);

} // namespace
