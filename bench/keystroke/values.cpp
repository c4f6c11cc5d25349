// One keystroke on the standard values tab: seven series looked up, the table and the colour
// code of the nearest member redrawn, and the window painted offscreen.
#include "keystroke.h"

namespace {

using oq::bench::KeystrokeSetup;

void StandardValues(benchmark::State& state) {
    oq::bench::RunKeystrokes(
        state,
        [](KeystrokeSetup& s) {
            s.selectTab(14);
            s.type("Text_SV(0)", "4k7");
        },
        "Text_SV(0)", "Label_SV_Nearest(6)");
}
OHMQUILL_KEYSTROKE_BENCHMARK(StandardValues);

} // namespace
