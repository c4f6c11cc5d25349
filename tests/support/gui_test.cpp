#include "gui_test.h"

#include "core/tab_strip.h"

#include <QApplication>
#include <QTest>

namespace oq {

void MainFormTest::start() {
    form = std::make_unique<MainForm>(platform, store, TabTable);
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
}

void MainFormTest::restart() {
    form->close();
    form.reset();
    store.reads.clear();
    store.writes.clear();
    start();
}

QWidget* MainFormTest::widget(const QString& name) const {
    auto* w = form->findChild<QWidget*>(name);
    EXPECT_NE(w, nullptr) << "no control named " << name.toStdString();
    return w;
}

NumberBox* MainFormTest::box(const QString& name) const {
    return qobject_cast<NumberBox*>(widget(name));
}

QAbstractButton* MainFormTest::button(const QString& name) const {
    return qobject_cast<QAbstractButton*>(widget(name));
}

QLabel* MainFormTest::label(const QString& name) const {
    return qobject_cast<QLabel*>(widget(name));
}

void MainFormTest::selectTab(int index) {
    form->showTab(index); // by the calculator's index, not its place in the strip
}

void MainFormTest::type(const QString& boxName, const QString& keys) {
    NumberBox* b = box(boxName);
    ASSERT_NE(b, nullptr);
    if (!b->hasFocus())
        QTest::mouseClick(b, Qt::LeftButton);
    b->end(false);
    QTest::keyClicks(b, keys);
}

void MainFormTest::erase(const QString& boxName) {
    NumberBox* b = box(boxName);
    ASSERT_NE(b, nullptr);
    if (!b->hasFocus())
        QTest::mouseClick(b, Qt::LeftButton);
    b->selectAll();
    QTest::keyClick(b, Qt::Key_Backspace);
}

void MainFormTest::click(const QString& buttonName) {
    QAbstractButton* b = button(buttonName);
    ASSERT_NE(b, nullptr);
    QTest::mouseClick(b, Qt::LeftButton);
}

} // namespace oq
