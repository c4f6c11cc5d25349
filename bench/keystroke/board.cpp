// One keystroke on the electrical spacing and wavelength tabs: the change handler, the formulas,
// the table or the unit picked for the results, and the window painted offscreen.
#include "keystroke.h"
#include "model/catalogue.h"

namespace {

using oq::bench::KeystrokeSetup;

void ElectricalSpacing(benchmark::State& state) {
    oq::bench::RunKeystrokes(
        state,
        [](KeystrokeSetup& s) {
            s.form.showTab(oq::TabES); // by calculator: the strip index differs
            s.type("Text_ES(0)", "60");
        },
        "Text_ES(0)", "Text_ES(1)");
}
OHMQUILL_KEYSTROKE_BENCHMARK(ElectricalSpacing);

void Wavelength(benchmark::State& state) {
    oq::bench::RunKeystrokes(
        state,
        [](KeystrokeSetup& s) {
            s.form.showTab(oq::TabWL);
            s.type("Text_WL(3)", "4.4");
            s.type("Text_WL(0)", "10");
        },
        "Text_WL(0)", "Text_WL(2)");
}
OHMQUILL_KEYSTROKE_BENCHMARK(Wavelength);

} // namespace
