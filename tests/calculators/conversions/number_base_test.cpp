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
        selectTab(5);
    }
    static QString C(int i) { return QStringLiteral("Check_NC(%1)").arg(i); }
    NumberBox* nc(int i) const { return box(QStringLiteral("Text_NC(%1)").arg(i)); }
    QStringList texts() const {
        return {nc(0)->text(), nc(1)->text(), nc(2)->text(), nc(3)->text()};
    }
    QString checks() const {
        QString s;
        for (int i = 0; i < 4; ++i)
            s += button(C(i))->isChecked() ? u'1' : u'0';
        return s;
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

    click("Command_NC_Clear");
    behind(3);
    const QStringList grouped = {"1", "10", "101", "1011", "1 0110", "10 1101"};
    for (const QString& shown : grouped) {
        QTest::keyClick(nc(3), shown.back().toLatin1());
        EXPECT_EQ(nc(3)->text(), shown);
        EXPECT_EQ(nc(3)->cursorPosition(), shown.size());
    }
}

// Every parser stops at 2147483647; the last key is taken back with text and caret as they were.
TEST_F(NumberBaseTest, OverflowTakesTheLastEntryBack) {
    struct Case {
        int box;
        QString typed;
        int caret;
        char key;
    };
    const Case cases[] = {{0, "2147483647", 10, '1'}, {0, "214748364", 0, '9'},
                          {1, "8000000", 7, '0'},     {1, "10000000", 8, '0'},
                          {2, "4000000000", 10, '0'}, {3, QString(31, '1'), 38, '1'}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        restart();
        selectTab(5);
        behind(c.box);
        keys(c.box, c.typed);
        const QStringList before = texts();
        nc(c.box)->setCursorPosition(c.caret);
        QTest::keyClick(nc(c.box), c.key);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].title, "Overflow Error");
        EXPECT_EQ(platform.messages[0].text,
                  "Overflow!\n\nLast entered character will be deleted.");
        platform.messages.clear();
        EXPECT_EQ(texts(), before);
        EXPECT_EQ(nc(c.box)->cursorPosition(), c.caret);
        nc(c.box)->end(false); // and the tab goes on converting
        QTest::keyClick(nc(c.box), Qt::Key_Backspace);
        EXPECT_NE(texts()[(c.box + 1) % 4], before[(c.box + 1) % 4]);
    }
}

TEST_F(NumberBaseTest, EntryLocationIsKeptOnlyWhenTheUserChangesIt) {
    const std::string key = "NC New Entry Location";
    restart();
    EXPECT_EQ(store.values.count(key), 0u);
    selectTab(5);
    EXPECT_EQ(checks(), "0001");
    click(C(0));
    click(C(3));
    restart();
    EXPECT_EQ(store.values[key], "1000");
    store.values[key] = "0110";
    restart();
    selectTab(5);
    EXPECT_EQ(checks(), "0110");
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

TEST_F(NumberBaseTest, DoubleClickClearsAllAndThereIsNoDecimalsGesture) {
    keys(0, "42");
    QTest::keyClick(nc(0), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_TRUE(platform.modalTitles.isEmpty());
    QTest::mouseDClick(nc(2), Qt::LeftButton);
    EXPECT_EQ(texts(), QStringList({"", "", "", ""}));
    EXPECT_FALSE(button("Command_NC_Clear")->isEnabled());
}

} // namespace
} // namespace oq
