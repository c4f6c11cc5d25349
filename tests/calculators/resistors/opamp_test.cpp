#include "gui_test.h"

#include <QTest>

namespace oq {
namespace {

// The inverting (tab 13) and non-inverting (tab 12) amplifiers share their option table. The four
// boxes are typed and read as one text, "R1|R2|sum|gain".
class OpAmpTest : public MainFormTest {
  protected:
    QString code;
    void open(int tab) {
        restart();
        selectTab(tab);
        code = tab == 13 ? "IO" : "NO";
    }
    QString T(int i) const { return QStringLiteral("Text_%1(%2)").arg(code).arg(i); }
    QString O(int i) const { return QStringLiteral("Option_%1(%2)").arg(code).arg(i); }
    QString name(const char* kind) const { return QString(kind).arg(code); }
    // Chooses the unknown `option` and types each non-empty part of `typed` into its box.
    void solve(int option, const QString& typed) {
        click(O(option));
        const QStringList parts = typed.split(u'|');
        for (int i = 0; i < parts.size(); ++i)
            if (!parts[i].isEmpty())
                type(T(i), parts[i]);
    }
    // Types over the whole text of a box, as over a selection.
    void retype(int i, const QString& text) {
        type(T(i), "");
        box(T(i))->selectAll();
        QTest::keyClicks(box(T(i)), text);
    }
    QString texts() const {
        QStringList shown;
        for (int i = 0; i < 4; ++i)
            shown << box(T(i))->text();
        return shown.join(u'|');
    }
    // "1" for a box that takes typing, "0" for a locked one.
    QString editable() const {
        QString s;
        for (int i = 0; i < 4; ++i)
            s += box(T(i))->isLocked() ? u'0' : u'1';
        return s;
    }
    bool wrong() const { return label(name("Label_%1_WrongValue"))->isVisible(); }
    bool enabled(const char* kind) const { return button(name(kind))->isEnabled(); }
    std::string at(int option) const { return code.toStdString() + " " + std::to_string(option); }
};

// The boxes each option leaves editable.
const QString Inputs[4] = {"0101", "1001", "0011", "1100"};

TEST_F(OpAmpTest, EachOptionComputesItsUnknown) {
    struct Case {
        int tab, option;
        QString typed, shown;
    };
    // The inverting tab rewrites every box but the one typed in, the non-inverting tab only
    // what it computed.
    const Case cases[] = {
        {13, 0, "|10000||4", "2500.00|10000.00|12500.00|4"},
        {13, 2, "||110000|10", "10000.00|100000.00|110000.00|10"},
        {13, 3, "10000|47000", "10000.00|47000|57000.00|4.70"},
        {12, 1, "10000|||10", "10000|90000.00|100000.00|10"},
        {12, 2, "||100000|10", "10000.00|90000.00|100000|10"},
    };
    for (const Case& c : cases) {
        open(c.tab);
        EXPECT_EQ(editable(), "0000"); // nothing takes typing before an unknown is chosen
        click(O(c.option));
        solve(c.option, c.typed);
        EXPECT_EQ(texts(), c.shown) << at(c.option);
        EXPECT_TRUE(enabled("Check_%1_StdVal") && enabled("Command_%1_Clear") && !wrong());
    }
}

// A failure on either tab turns standard values off, a zero resistor is refused, a gain of 1
// or less writes nothing, and nothing computed from earlier inputs stays on show.
TEST_F(OpAmpTest, NetworksThatCannotBeBuiltShowIncorrectValueAndNoResult) {
    struct Case {
        int tab, option;
        QString typed;
        int retyped; // the box then typed over with `over`, -1 for none
        QString over, shown;
    };
    const Case cases[] = {
        {13, 0, "|10000||0", -1, "", "|10000||0"},        // gain 0
        {13, 1, "0|||5", -1, "", "0|||5"},                // R1 of 0
        {13, 0, "|10000||5", 3, "0", "|10000.00||0"},     // the sum shown goes
        {13, 2, "||110000|10", 2, "0", "||0|10"},         // both resistors go
        {12, 0, "|10000||1", -1, "", "|10000||1"},        // gain 1
        {12, 3, "10000|0", -1, "", "10000|0||"},          // R2 of 0
        {12, 2, "||100000|10", 3, "0.5", "||100000|0.5"}, // gain below 1
    };
    for (const Case& c : cases) {
        open(c.tab);
        solve(c.option, c.typed);
        int last = static_cast<int>(c.typed.count(u'|'));
        if (c.retyped >= 0) {
            ASSERT_TRUE(enabled("Check_%1_StdVal"));
            retype(last = c.retyped, c.over);
        }
        EXPECT_TRUE(wrong() && !enabled("Check_%1_StdVal")) << at(c.option);
        EXPECT_EQ(texts(), c.shown) << at(c.option);
        erase(T(last)); // the next edit hides the label
        EXPECT_FALSE(wrong()) << at(c.option);
    }
}

TEST_F(OpAmpTest, StandardValuesShowTheSnappedNetworkUntilSwitchedOff) {
    struct Case {
        int tab, option;
        bool e24;
        QString typed, standard, typedBack;
    };
    const Case cases[] = {
        {13, 3, true, "10100|47300", "10 k|47 k|57000.00|4.70", "10100.00|47300.00|57400.00|4.68"},
        {13, 0, false, "|46000||4", "11600.00|46.4 k|58000.00|4.00",
         "11500.00|46000.00|57500.00|4.00"},
        {12, 1, true, "10300|||5", "10 k|40000.00|50000.00|5.00",
         "10300.00|41200.00|51500.00|5.00"},
        {12, 3, true, "10300|90000", "10 k|91 k|101000.00|10.10",
         "10300.00|90000.00|100300.00|9.74"},
    };
    for (const Case& c : cases) {
        open(c.tab);
        solve(c.option, c.typed);
        if (c.e24)
            click(name("Option_%1_STD(1)"));
        click(name("Check_%1_StdVal"));
        EXPECT_EQ(texts(), c.standard) << at(c.option);
        EXPECT_FALSE(button(O(0))->isEnabled() || enabled("Option_%1_STD(0)") ||
                     enabled("Command_%1_Clear"));
        // Coming back to the tab keeps the standard values and every box locked.
        selectTab(0);
        selectTab(c.tab);
        EXPECT_EQ(texts(), c.standard) << at(c.option);
        EXPECT_EQ(editable(), "0000") << at(c.option);

        click(name("Check_%1_StdVal"));
        EXPECT_EQ(texts(), c.typedBack) << at(c.option);
        EXPECT_EQ(editable(), Inputs[c.option]) << at(c.option);
        EXPECT_TRUE(button(O(0))->isEnabled() && enabled("Command_%1_Clear"));
    }
}

TEST_F(OpAmpTest, EmptyingABoxEmptiesWhatFollowedFromIt) {
    open(13);
    solve(1, "10000|||5");
    erase(T(0));
    EXPECT_EQ(texts(), "|||5");
    open(12);
    solve(2, "||100000|10");
    erase(T(2));
    EXPECT_EQ(texts(), "|||10");
    EXPECT_FALSE(enabled("Check_%1_StdVal"));
    click(name("Command_%1_Clear"));
    EXPECT_EQ(texts(), "|||");
    EXPECT_FALSE(enabled("Command_%1_Clear"));
    EXPECT_TRUE(button(O(2))->isChecked() && box(T(2))->hasFocus());
}

// Choosing both resistors as the unknown with a sum on show: the non-inverting tab computes them
// at once, the inverting one waits for an edit.
TEST_F(OpAmpTest, BothResistorsComeAtOnceFromANonInvertingSumOnShow) {
    for (int tab : {12, 13}) {
        open(tab);
        solve(3, "10000|90000");
        click(O(2));
        EXPECT_EQ(texts(),
                  tab == 12 ? "10000.00|90000.00|100000|10.00" : "10000.00|90000|100000.00|9.00");
    }
}

// Space in an empty box chooses its option; the sum box stays editable with both resistors
// unknown, so the blank lands there and reads 0: resistors of 0.
TEST_F(OpAmpTest, SpaceInAnEmptyBoxMakesItTheUnknown) {
    for (int tab : {13, 12}) {
        open(tab);
        type(T(0), " ");
        EXPECT_TRUE(button(O(0))->isChecked());
        type(T(2), " ");
        EXPECT_TRUE(button(O(2))->isChecked());
        EXPECT_EQ(box(T(2))->text(), " ");
        type(T(3), "2");
        EXPECT_TRUE(wrong()) << tab;
    }
}

} // namespace
} // namespace oq
