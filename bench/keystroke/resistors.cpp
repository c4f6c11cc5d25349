// One keystroke on the resistor tabs: the filter, the change handler, the unknowns and the echo
// labels recomputed, and the window painted offscreen.
#include "keystroke.h"

namespace {

using oq::bench::KeystrokeSetup;

void ResistorPower(benchmark::State& state) {
    oq::bench::RunKeystrokes(
        state,
        [](KeystrokeSetup& s) {
            s.click("Check_RP(2)");
            s.click("Check_RP(3)");
            s.type("Text_RP(0)", "12");
            s.type("Text_RP(1)", "47");
        },
        "Text_RP(1)", "Label_RP_Frmt(3)");
}
OHMQUILL_KEYSTROKE_BENCHMARK(ResistorPower);

} // namespace
