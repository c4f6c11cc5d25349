// One keystroke on the regulator tab: the filter, the change handler, the output and its worst
// case recomputed and the window painted offscreen.
#include "app/tab_table.h"
#include "keystroke.h"

namespace {

using oq::bench::KeystrokeSetup;

void Regulator(benchmark::State& state) {
    oq::bench::RunKeystrokes(
        state,
        [](KeystrokeSetup& s) {
            s.selectTab(oq::TabREG);
            s.click("Option_REG_Kind(1)");
            s.type("Text_REG(3)", "1.2");
            s.type("Text_REG(4)", "1.25");
            s.type("Text_REG(5)", "1.3");
            s.type("Text_REG(7)", "50");
            s.type("Text_REG(1)", "240");
            s.type("Text_REG(2)", "720");
        },
        "Text_REG(2)", "Text_REG(12)");
}
OHMQUILL_KEYSTROKE_BENCHMARK(Regulator);

} // namespace
