// One keystroke on the op-amp tabs: the filter, the change handler, the network recomputed and
// the window painted offscreen.
#include "keystroke.h"

namespace {

using oq::bench::KeystrokeSetup;

void InvertingOpAmp(benchmark::State& state) {
    oq::bench::RunKeystrokes(
        state,
        [](KeystrokeSetup& s) {
            s.selectTab(13);
            s.click("Option_IO(3)");
            s.type("Text_IO(0)", "10000");
            s.type("Text_IO(1)", "47000");
        },
        "Text_IO(1)", "Text_IO(3)");
}
OHMQUILL_KEYSTROKE_BENCHMARK(InvertingOpAmp);

void NonInvertingOpAmp(benchmark::State& state) {
    oq::bench::RunKeystrokes(
        state,
        [](KeystrokeSetup& s) {
            s.selectTab(12);
            s.click("Option_NO(3)");
            s.type("Text_NO(0)", "10000");
            s.type("Text_NO(1)", "90000");
        },
        "Text_NO(1)", "Text_NO(3)");
}
OHMQUILL_KEYSTROKE_BENCHMARK(NonInvertingOpAmp);

} // namespace
