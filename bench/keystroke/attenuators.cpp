// One keystroke on the attenuator tabs: the source impedance changes, so the minimum, the three
// arms and the reverse attenuation are recomputed and the window painted offscreen.
#include "keystroke.h"

namespace {

using oq::bench::KeystrokeSetup;

void Attenuator(benchmark::State& state, int tab, const QString& code) {
    auto box = [&](int i) { return QStringLiteral("Text_%1(%2)").arg(code).arg(i); };
    oq::bench::RunKeystrokes(
        state,
        [&](KeystrokeSetup& s) {
            s.selectTab(tab);
            s.type(box(0), QStringLiteral("75"));
            s.type(box(1), QStringLiteral("50"));
        },
        box(0), box(4));
}

void PiNet(benchmark::State& state) {
    Attenuator(state, 3, QStringLiteral("PI"));
}
OHMQUILL_KEYSTROKE_BENCHMARK(PiNet);

void TNet(benchmark::State& state) {
    Attenuator(state, 4, QStringLiteral("T"));
}
OHMQUILL_KEYSTROKE_BENCHMARK(TNet);

} // namespace
