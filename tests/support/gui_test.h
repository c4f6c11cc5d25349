#pragma once

#include "app/main_form.h"
#include "app/tab_table.h"
#include "core/number_box.h"
#include "fake_platform.h"
#include "memory_store.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

// Readable texts in test failures.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace oq {

// The child control of a window by its name; the test fails when it is missing.
template <typename T = QPushButton> T* FindChild(QWidget& window, const QString& name) {
    T* widget = window.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
}

// The real main window over a fake desktop and an in-memory settings store, shown offscreen and
// active, so tests type and click as a user would and read what a user reads.
class MainFormTest : public ::testing::Test {
  protected:
    FakePlatform platform;
    MemoryStore store;
    std::unique_ptr<MainForm> form;

    void SetUp() override { start(); }
    void TearDown() override { form.reset(); }

    // Builds and shows a new main window over the current store.
    void start();
    // Closes the window as the user would (saving the settings) and starts a new one.
    void restart();

    QWidget* widget(const QString& name) const;
    NumberBox* box(const QString& name) const;
    QAbstractButton* button(const QString& name) const;
    QLabel* label(const QString& name) const;

    void selectTab(int index);
    // Clicks into the box (giving it the focus) and types the keys.
    void type(const QString& boxName, const QString& keys);
    // Empties the box by keyboard (select all, Backspace).
    void erase(const QString& boxName);
    void click(const QString& buttonName);
};

} // namespace oq
