// One keystroke on the resistor combinations tab, E-96 and E-192: what the window's thread does
// for it. The search itself runs on the tab's own thread; a keystroke only cancels the one running
// and starts the next, and shows a result when one arrives between keystrokes.
#include "keystroke.h"
#include "model/catalogue.h"

#include <QComboBox>

namespace {

using oq::bench::KeystrokeSetup;

void Combinations(benchmark::State& state, const QString& series) {
    oq::bench::RunKeystrokes(
        state,
        [&](KeystrokeSetup& s) {
            s.selectTab(oq::TabRC);
            auto* combo = qobject_cast<QComboBox*>(s.find(QStringLiteral("Combo_RC_Series")));
            combo->setCurrentIndex(combo->findText(series));
            s.type(QStringLiteral("Text_RC(0)"), QStringLiteral("1640"));
        },
        QStringLiteral("Text_RC(0)"), QStringLiteral("Label_RC_Best"));
}

void ResistorCombinationsE96(benchmark::State& state) {
    Combinations(state, QStringLiteral("E-96"));
}
OHMQUILL_KEYSTROKE_BENCHMARK(ResistorCombinationsE96);

void ResistorCombinationsE192(benchmark::State& state) {
    Combinations(state, QStringLiteral("E-192"));
}
OHMQUILL_KEYSTROKE_BENCHMARK(ResistorCombinationsE192);

} // namespace
