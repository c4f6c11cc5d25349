#include "gui_test.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

namespace oq {
namespace {

class NumberBaseTest : public MainFormTest {
  protected:
    void SetUp() override {
        MainFormTest::SetUp();
        selectTab(TabNC);
    }
    static QString C(int i) { return QStringLiteral("Check_NC(%1)").arg(i); }
    NumberBox* nc(int i) const { return box(QStringLiteral("Text_NC(%1)").arg(i)); }
    QStringList texts() const {
        return {nc(0)->text(), nc(1)->text(), nc(2)->text(), nc(3)->text()};
    }
    // Keys into a box where its caret is.
    void keys(int i, const QString& typed) {
        nc(i)->setFocus();
        QTest::keyClicks(nc(i), typed);
    }
    void behind(int i) {
        if (button(C(i))->isChecked())
            click(C(i));
    }
    void paste(int i, const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        nc(i)->setFocus();
        QTest::keyClick(nc(i), Qt::Key_V, Qt::ControlModifier);
    }
};

TEST_F(NumberBaseTest, CaretStaysBehindOrInFrontOfTheNewDigit) {
    keys(3, "10011"); // the binary box puts new entries first by default
    EXPECT_EQ(texts(), QStringList({"25", "19", "31", "1 1001"}));
    EXPECT_EQ(nc(3)->cursorPosition(), 0);
    click(C(0));
    EXPECT_EQ(nc(0)->cursorPosition(), 0);
    nc(0)->setCursorPosition(1);
    QTest::keyClick(nc(0), '7');
    EXPECT_EQ(nc(0)->text(), "275");
    EXPECT_EQ(nc(0)->cursorPosition(), 1);
    QTest::keyClick(nc(0), Qt::Key_Return, Qt::ShiftModifier); // this tab has no decimals
    EXPECT_TRUE(platform.modalTitles.isEmpty());

    QTest::mouseDClick(nc(2), Qt::LeftButton); // clears the tab
    EXPECT_EQ(texts(), QStringList({"", "", "", ""}));
    EXPECT_FALSE(button("Command_NC_Clear")->isEnabled());
    behind(3);
    keys(3, "1011");
    QTest::keyClick(nc(3), '0'); // regrouped, the caret still behind the new digit
    EXPECT_EQ(nc(3)->text(), "1 0110");
    EXPECT_EQ(nc(3)->cursorPosition(), 6);
}

// Every parser stops at 2147483647; the last key is taken back with text and caret as they were.
TEST_F(NumberBaseTest, OverflowTakesTheLastEntryBack) {
    // Box, typed, caret, the key that overflows.
    const std::tuple<int, QString, int, char> cases[] = {{0, "214748364", 0, '9'},
                                                         {1, "8000000", 7, '0'},
                                                         {2, "4000000000", 10, '0'},
                                                         {3, QString(31, '1'), 38, '1'}};
    for (const auto& [b, typed, caret, key] : cases) {
        SCOPED_TRACE(typed.toStdString());
        restart();
        selectTab(TabNC);
        behind(b);
        keys(b, typed);
        const QStringList before = texts();
        nc(b)->setCursorPosition(caret);
        QTest::keyClick(nc(b), key);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text,
                  "Overflow!\n\nLast entered character will be deleted.");
        platform.messages.clear();
        EXPECT_EQ(texts(), before);
        EXPECT_EQ(nc(b)->cursorPosition(), caret);
        nc(b)->end(false); // and the tab goes on converting
        QTest::keyClick(nc(b), Qt::Key_Backspace);
        EXPECT_NE(texts()[(b + 1) % 4], before[(b + 1) % 4]);
    }

    // A key that reaches the box while the message is open is taken back too, without another
    // message: the box never goes back to a text that overflows.
    restart();
    selectTab(TabNC);
    behind(0);
    keys(0, "214748364");
    const QStringList before = texts();
    int keysWhileOpen = 1;
    platform.onMessage = [&] {
        if (keysWhileOpen-- > 0)
            QTest::keyClick(nc(0), '9');
    };
    QTest::keyClick(nc(0), '9');
    platform.onMessage = nullptr;
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(texts(), before);
}

TEST_F(NumberBaseTest, EntryLocationIsKeptOnlyWhenTheUserChangesIt) {
    const std::string key = "NC New Entry Location";
    restart();
    EXPECT_EQ(store.values.count(key), 0u);
    selectTab(TabNC);
    click(C(0)); // the binary box was checked by default
    click(C(3));
    restart();
    EXPECT_EQ(store.values[key], "1000");
    store.values[key] = "0110";
    restart();
    selectTab(TabNC);
    EXPECT_TRUE(!button(C(0))->isChecked() && button(C(1))->isChecked() &&
                button(C(2))->isChecked() && !button(C(3))->isChecked());
    keys(0, "8"); // checking them on entry leaves the tab converting
    EXPECT_EQ(texts(), QStringList({"8", "8", "10", "1000"}));
}

TEST_F(NumberBaseTest, PasteGoesThroughTheFilter) {
    if (QGuiApplication::platformName() != "offscreen")
        GTEST_SKIP() << "only the offscreen clipboard is the test's own";
    behind(1);
    paste(1, "ff");
    const QStringList ff = {"255", "FF", "377", "1111 1111"};
    EXPECT_EQ(texts(), ff);
    nc(0)->setFocus();
    for (const char* refused : {"12x", "-5", "2.5"}) {
        QGuiApplication::clipboard()->setText(refused);
        nc(0)->paste(); // what the box's context menu does
        EXPECT_EQ(texts(), ff) << refused;
    }
    nc(0)->setCursorPosition(1);
    paste(0, "99999999");
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(texts(), ff); // the text from before the paste
    EXPECT_EQ(nc(0)->cursorPosition(), 1);
    QGuiApplication::clipboard()->clear();
}

} // namespace
} // namespace oq
