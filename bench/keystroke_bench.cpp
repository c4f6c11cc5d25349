// One keystroke in a given box of the resistor-power tab: the filter, the change handler, both
// unknowns and all four echo labels recomputed, and the window painted offscreen.
#include "app/main_form.h"
#include "app/tab_table.h"
#include "core/number_box.h"
#include "fake_platform.h"
#include "memory_store.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

// Counts the paints of the echo label, to show that every keystroke is really painted.
class PaintCounter : public QObject {
  public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

void Keystroke(benchmark::State& state) {
    oq::FakePlatform platform;
    oq::MemoryStore store;
    oq::MainForm form(platform, store, oq::TabTable);
    form.show();
    QApplication::processEvents();
    auto find = [&](const char* name) { return form.findChild<QWidget*>(QLatin1String(name)); };
    QTest::mouseClick(find("Check_RP(2)"), Qt::LeftButton);
    QTest::mouseClick(find("Check_RP(3)"), Qt::LeftButton);
    auto* u = static_cast<oq::NumberBox*>(find("Text_RP(0)"));
    auto* r = static_cast<oq::NumberBox*>(find("Text_RP(1)"));
    QTest::mouseClick(u, Qt::LeftButton);
    QTest::keyClicks(u, QStringLiteral("12"));
    QTest::mouseClick(r, Qt::LeftButton);
    QTest::keyClicks(r, QStringLiteral("47"));
    PaintCounter counter;
    auto* echo = form.findChild<QLabel*>(QStringLiteral("Label_RP_Frmt(3)"));
    echo->installEventFilter(&counter);
    bool add = true;
    for (auto _ : state) {
        // Alternately type a digit and take it back: every keystroke recomputes.
        QTest::keyClick(r, add ? Qt::Key_0 : Qt::Key_Backspace);
        add = !add;
        QApplication::processEvents(); // relayout and paint what changed, offscreen
    }
    if (echo->text().isEmpty())
        state.SkipWithError("nothing was computed");
    state.counters["echo paints per key"] =
        benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
}
BENCHMARK(Keystroke)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
