// One keystroke on the decibel tabs: the filter, the change handler, the conversions written
// into the other boxes (with their units on the level tab), and the window painted offscreen.
#include "keystroke.h"
#include "model/shared_state.h"

namespace {

using oq::bench::KeystrokeSetup;

void DbRatio(benchmark::State& state) {
    oq::bench::RunKeystrokes(
        state,
        [](KeystrokeSetup& s) {
            s.selectTab(oq::TabDB1);
            s.type("Text_DB1(0)", "2");
        },
        "Text_DB1(0)", "Text_DB1(2)");
}
OHMQUILL_KEYSTROKE_BENCHMARK(DbRatio);

void DbLevel(benchmark::State& state) {
    oq::bench::RunKeystrokes(
        state,
        [](KeystrokeSetup& s) {
            s.selectTab(oq::TabDB2);
            s.type("Text_DB2(0)", "3");
        },
        "Text_DB2(0)", "Text_DB2(3)");
}
OHMQUILL_KEYSTROKE_BENCHMARK(DbLevel);

} // namespace
