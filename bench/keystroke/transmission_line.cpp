// One keystroke on the transmission-line tab: the microstrip's impedance and losses from its
// cross-section, and the other way its width found for a wanted impedance, each written into the
// computed boxes and the window painted offscreen.
#include "app/tab_table.h"
#include "keystroke.h"

#include <algorithm>

namespace {

using oq::bench::KeystrokeSetup;

void Typed(KeystrokeSetup& s) {
    s.selectTab(oq::TabTL);
    s.type("Text_TL(0)", "4.4");
    s.type("Text_TL(1)", "1");
    s.type("Text_TL(3)", "0.035");
    s.type("Text_TL(5)", "0.02");
    s.type("Text_TL(6)", "58000000");
    s.type("Text_TL(7)", "1");
    s.type("Text_TL(8)", "100");
}

void LineAnalysis(benchmark::State& state) {
    oq::bench::RunKeystrokes(
        state,
        [](KeystrokeSetup& s) {
            Typed(s);
            s.type("Text_TL(2)", "1.8");
        },
        "Text_TL(2)", "Text_TL(13)");
}
OHMQUILL_KEYSTROKE_BENCHMARK(LineAnalysis);

void LineSynthesis(benchmark::State& state) {
    oq::bench::RunKeystrokes(
        state,
        [](KeystrokeSetup& s) {
            Typed(s);
            s.click("Option_TL_Solve(1)");
            s.type("Text_TL(9)", "5");
        },
        "Text_TL(9)", "Text_TL(2)");
}
OHMQUILL_KEYSTROKE_BENCHMARK(LineSynthesis);

} // namespace
