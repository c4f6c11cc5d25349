#include "gui_test.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

namespace oq {
namespace {

const char* const LocationKey = "NC New Entry Location";

class NumberBaseTest : public MainFormTest {
  protected:
    void SetUp() override {
        MainFormTest::SetUp();
        selectTab(5);
    }
    void fresh() {
        restart();
        selectTab(5);
    }
    static QString T(int i) { return QStringLiteral("Text_NC(%1)").arg(i); }
    static QString C(int i) { return QStringLiteral("Check_NC(%1)").arg(i); }
    NumberBox* nc(int i) const { return box(T(i)); }
    QStringList texts() const {
        QStringList shown;
        for (int i = 0; i < 4; ++i)
            shown << nc(i)->text();
        return shown;
    }
    QString checks() const {
        QString s;
        for (int i = 0; i < 4; ++i)
            s += button(C(i))->isChecked() ? u'1' : u'0';
        return s;
    }
    // Keys into a box where the caret is, as a user types after moving to it.
    void keys(int i, const QString& typed) {
        nc(i)->setFocus();
        QTest::keyClicks(nc(i), typed);
    }
    void setEntryFirst(int i, bool first) {
        if (button(C(i))->isChecked() != first)
            click(C(i));
    }
    // The paste tests use the process's own clipboard, which only the offscreen platform keeps
    // away from the user's.
    bool ownClipboard() const { return QGuiApplication::platformName() == "offscreen"; }
};

TEST_F(NumberBaseTest, TypingInAnyBoxShowsTheNumberInTheOthers) {
    struct Case {
        int box;
        QString typed;
        QStringList shown;
    };
    const QStringList ff = {"255", "FF", "377", "1111 1111"};
    const Case cases[] = {
        {0, "255", ff},
        {1, "ff", ff},
        {2, "377", ff},
        {3, "11111111", ff},
        {0, "2a.5 -,5", {"255", "FF", "377", "1111 1111"}}, // not digits: dropped
        {2, "3789", {"31", "1F", "37", "1 1111"}},
        {3, "1021", {"5", "5", "5", "101"}},
        {1, "0G0fF", {"255", "00FF", "377", "1111 1111"}}, // leading zeros stay where typed
        {0,
         "2147483647",
         {"2147483647", "7FFFFFFF", "17777777777", "111 1111 1111 1111 1111 1111 1111 1111"}},
    };
    for (const Case& c : cases) {
        fresh();
        setEntryFirst(c.box, false);
        keys(c.box, c.typed);
        EXPECT_EQ(texts(), c.shown) << c.typed.toStdString();
        EXPECT_TRUE(button("Command_NC_Clear")->isEnabled());
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(NumberBaseTest, CaretStaysBehindOrInFrontOfTheNewDigit) {
    // New entry first, the binary box's default: each digit goes in front of the one before.
    EXPECT_EQ(checks(), "0001");
    keys(3, "10011");
    EXPECT_EQ(nc(3)->text(), "1 1001");
    EXPECT_EQ(nc(3)->cursorPosition(), 0);
    EXPECT_EQ(nc(0)->text(), "25");
    setEntryFirst(0, true);
    EXPECT_EQ(nc(0)->cursorPosition(), 0); // the check box moves the caret to the start
    nc(0)->setCursorPosition(1);
    QTest::keyClick(nc(0), '7');
    EXPECT_EQ(nc(0)->text(), "275");
    EXPECT_EQ(nc(0)->cursorPosition(), 1);
    // Coming back to a box puts the caret where its check box says.
    QTest::keyClick(nc(0), Qt::Key_Tab); // to Check_NC(0)
    QTest::keyClick(button(C(0)), Qt::Key_Tab);
    EXPECT_TRUE(nc(1)->hasFocus());
    EXPECT_EQ(nc(1)->cursorPosition(), nc(1)->text().size());
    nc(3)->setFocus();
    EXPECT_EQ(nc(3)->cursorPosition(), 0);

    // Behind: the binary digits are regrouped after every key, the caret kept at the end.
    click("Command_NC_Clear");
    setEntryFirst(3, false);
    const QStringList grouped = {"1", "10", "101", "1011", "1 0110", "10 1101"};
    const QString digits = "101101";
    for (int k = 0; k < digits.size(); ++k) {
        QTest::keyClick(nc(3), digits[k].toLatin1());
        EXPECT_EQ(nc(3)->text(), grouped[k]);
        EXPECT_EQ(nc(3)->cursorPosition(), grouped[k].size()) << k;
    }
}

// Every parser stops at 2147483647; one more digit is taken back with text and caret as they were.
TEST_F(NumberBaseTest, OverflowTakesTheLastEntryBack) {
    struct Case {
        int box;
        QString typed;
        int caret; // where the last key goes
        char key;
    };
    const Case cases[] = {
        {0, "2147483647", 10, '1'},
        {0, "214748364", 0, '9'},
        {1, "8000000", 7, '0'},  // would read as a negative number
        {1, "FFFFFFF", 7, 'F'},  // and -1
        {1, "10000000", 8, '0'}, // would wrap around to 0
        {2, "17777777777", 11, '7'},
        {2, "4000000000", 10, '0'},
        {3, "1111111111111111111111111111111", 38, '1'},
        {3, "1000000000000000000000000000000", 3, '0'},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        fresh();
        setEntryFirst(c.box, false);
        keys(c.box, c.typed);
        const QStringList before = texts();
        nc(c.box)->setCursorPosition(c.caret);
        QTest::keyClick(nc(c.box), c.key);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].kind, "critical");
        EXPECT_EQ(platform.messages[0].title, "Overflow Error");
        EXPECT_EQ(platform.messages[0].text,
                  "Overflow!\n\nLast entered character will be deleted.");
        platform.messages.clear();
        EXPECT_EQ(texts(), before);
        EXPECT_EQ(nc(c.box)->cursorPosition(), c.caret);
        // The tab goes on converting.
        nc(c.box)->end(false);
        QTest::keyClick(nc(c.box), Qt::Key_Backspace);
        EXPECT_NE(texts()[(c.box + 1) % 4], before[(c.box + 1) % 4]);
        EXPECT_TRUE(platform.messages.empty());
    }
}

TEST_F(NumberBaseTest, EntryLocationIsKeptOnlyWhenTheUserChangesIt) {
    EXPECT_EQ(checks(), "0001");
    fresh();
    EXPECT_EQ(store.values.count(LocationKey), 0u); // nothing to save
    click(C(0));
    click(C(3));
    EXPECT_TRUE(nc(3)->hasFocus());
    fresh();
    EXPECT_EQ(store.values[LocationKey], "1000");
    EXPECT_EQ(checks(), "1000");
    store.values[LocationKey] = "0110";
    fresh();
    EXPECT_EQ(checks(), "0110");
    EXPECT_EQ(store.values[LocationKey], "0110"); // applied, not rewritten
    EXPECT_TRUE(store.writes.empty());
    // Setting the check boxes on entry leaves the tab converting.
    keys(0, "8");
    EXPECT_EQ(texts(), QStringList({"8", "8", "10", "1000"}));
}

TEST_F(NumberBaseTest, PasteGoesThroughTheFilter) {
    if (!ownClipboard())
        GTEST_SKIP() << "needs the offscreen platform's own clipboard";
    QClipboard* clipboard = QGuiApplication::clipboard();
    setEntryFirst(1, false);
    clipboard->setText("ff");
    nc(1)->setFocus();
    QTest::keyClick(nc(1), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(texts(), QStringList({"255", "FF", "377", "1111 1111"}));

    // Refused: the box keeps its text and nothing is converted.
    setEntryFirst(0, false);
    for (const char* refused : {"12x", "-5", "2.5", "0x1F"}) {
        clipboard->setText(refused);
        nc(0)->setFocus();
        nc(0)->paste(); // what the box's context menu does
        EXPECT_EQ(texts(), QStringList({"255", "FF", "377", "1111 1111"})) << refused;
    }
    // Group blanks and line breaks of a copied number are dropped, as typed blanks are.
    setEntryFirst(3, false);
    clipboard->setText("1010 1111\n");
    nc(3)->selectAll();
    QTest::keyClick(nc(3), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(texts(), QStringList({"175", "AF", "257", "1010 1111"}));

    // A paste that overflows gives back the text from before the paste.
    clipboard->setText("99999999999");
    nc(0)->setFocus();
    nc(0)->setCursorPosition(1);
    QTest::keyClick(nc(0), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(texts(), QStringList({"175", "AF", "257", "1010 1111"}));
    EXPECT_EQ(nc(0)->cursorPosition(), 1);
    clipboard->clear();
}

TEST_F(NumberBaseTest, DoubleClickClearsAllAndNoDecimalsGesture) {
    keys(0, "42");
    QTest::keyClick(nc(2), Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(nc(2), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(platform.modalTitles.isEmpty());
    QTest::mouseDClick(nc(2), Qt::LeftButton);
    EXPECT_EQ(texts(), QStringList({"", "", "", ""}));
    EXPECT_FALSE(button("Command_NC_Clear")->isEnabled());
    EXPECT_TRUE(nc(2)->hasFocus()); // back to the box last used
    keys(1, "A");
    QTest::keyClick(nc(1), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(texts(), QStringList({"", "", "", ""}));
    keys(3, "1");
    nc(3)->end(false);
    QTest::keyClick(nc(3), Qt::Key_Backspace); // emptying one box empties all
    keys(2, "7");
    EXPECT_EQ(texts(), QStringList({"7", "7", "7", "111"}));
}

} // namespace
} // namespace oq
