// One keystroke on the number tab: the filter, the conversion into the three other bases, the
// binary regrouping and the caret, and the window painted offscreen.
#include "keystroke.h"

namespace {

using oq::bench::KeystrokeSetup;

void NumberBases(benchmark::State& state) {
    oq::bench::RunKeystrokes(
        state,
        [](KeystrokeSetup& s) {
            s.selectTab(5);
            s.type("Text_NC(0)", "12345678");
        },
        "Text_NC(0)", "Text_NC(3)");
}
OHMQUILL_KEYSTROKE_BENCHMARK(NumberBases);

} // namespace
