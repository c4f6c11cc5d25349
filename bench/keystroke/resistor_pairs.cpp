// One keystroke on the serial and parallel resistor tabs: R recomputed from R1 and R2, and the
// window painted offscreen.
#include "keystroke.h"

namespace {

using oq::bench::KeystrokeSetup;

void Resistors(benchmark::State& state, int tab, const QString& code) {
    auto name = [&](const char* kind, int i) {
        return QStringLiteral("%1_%2(%3)").arg(kind, code).arg(i);
    };
    oq::bench::RunKeystrokes(
        state,
        [&](KeystrokeSetup& s) {
            s.selectTab(tab);
            s.click(name("Option", 0));
            s.type(name("Text", 1), "470");
            s.type(name("Text", 2), "1000");
        },
        name("Text", 1), name("Text", 0));
}

void SerialResistors(benchmark::State& state) {
    Resistors(state, 9, QStringLiteral("SR"));
}
OHMQUILL_KEYSTROKE_BENCHMARK(SerialResistors);

void ParallelResistors(benchmark::State& state) {
    Resistors(state, 2, QStringLiteral("PR"));
}
OHMQUILL_KEYSTROKE_BENCHMARK(ParallelResistors);

} // namespace
