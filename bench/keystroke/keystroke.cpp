#include "keystroke.h"

#include "app/tab_table.h"
#include "core/tab_strip.h"
#include "fake_platform.h"
#include "memory_store.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace oq::bench {

QWidget* KeystrokeSetup::find(const QString& name) const {
    return form.findChild<QWidget*>(name);
}

void KeystrokeSetup::click(const QString& name) const {
    QTest::mouseClick(find(name), Qt::LeftButton);
}

void KeystrokeSetup::type(const QString& box, const QString& keys) const {
    click(box);
    QTest::keyClicks(find(box), keys);
}

void KeystrokeSetup::selectTab(int index) const {
    form.showTab(index); // by the calculator's index, not its place in the strip
    QApplication::processEvents();
}

void RunKeystrokes(benchmark::State& state, const std::function<void(KeystrokeSetup&)>& setup,
                   const QString& box, const QString& computed) {
    FakePlatform platform;
    MemoryStore store;
    MainForm form(platform, store, TabTable);
    form.show();
    QApplication::processEvents();
    KeystrokeSetup steps{form};
    setup(steps);
    QWidget* target = steps.find(box);
    bool add = true;
    for (auto _ : state) {
        QTest::keyClick(target, add ? Qt::Key_1 : Qt::Key_Backspace);
        add = !add;
        QApplication::processEvents(); // relayout and paint what changed, offscreen
    }
    QWidget* result = steps.find(computed);
    const auto* asLabel = qobject_cast<QLabel*>(result);
    const auto* asBox = qobject_cast<QLineEdit*>(result);
    if ((asLabel && asLabel->text().isEmpty()) || (asBox && asBox->text().isEmpty()) ||
        (!asLabel && !asBox))
        state.SkipWithError("nothing was computed");
}

} // namespace oq::bench

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
