#include "core/tab_strip.h"
#include "gui_test.h"

#include <QDialog>
#include <QGroupBox>
#include <QTest>

namespace oq {
namespace {

QString T(int i) {
    return QStringLiteral("Text_VD(%1)").arg(i);
}
QString O(int i) {
    return QStringLiteral("Option_VD(%1)").arg(i);
}

// What a user types for each unknown into boxes 0 to 4, in that order ("": left alone).
const QStringList Typed[5] = {{"", "5", "1004", "1000"},
                              {"10", "", "1000", "1000"},
                              {"12", "5", "", "1000"},
                              {"12", "5", "1400"},
                              {"10", "2.5", "", "", "10000"}};

class VoltageDividerTest : public MainFormTest {
  protected:
    void SetUp() override {
        MainFormTest::SetUp();
        selectTab(1);
    }
    void fresh() {
        restart();
        selectTab(1);
    }
    void solve(int option, const QStringList& typed) {
        click(O(option));
        for (int i = 0; i < typed.size(); ++i)
            if (!typed[i].isEmpty())
                type(T(i), typed[i]);
    }
    QStringList texts() const {
        QStringList shown;
        for (int i = 0; i < 5; ++i)
            shown << box(T(i))->text();
        return shown;
    }
    // "1" for a box that takes typing, "0" for a locked one.
    QString editable() const {
        QString s;
        for (int i = 0; i < 5; ++i)
            s += box(T(i))->isLocked() ? u'0' : u'1';
        return s;
    }
    bool wrong() const { return label("Label_VD_WrongValue")->isVisible(); }
    bool enabled(const QString& name) const { return button(name)->isEnabled(); }
};

TEST_F(VoltageDividerTest, EachUnknownIsComputedFromTheOthers) {
    EXPECT_EQ(editable(), "00000"); // nothing to type into before an unknown is chosen
    EXPECT_EQ(button("Check_VD_StdVal")->text(), "Use Standard values");
    EXPECT_FALSE(enabled("Command_VD_Clear") || enabled("Check_VD_StdVal"));
    struct Case {
        QStringList shown;
        QString editable, caption;
        int focus; // where choosing the unknown puts the caret
    };
    const Case cases[5] = {
        {{"10.02", "5", "1004", "1000", "2004.00"}, "01110", "Use Standard Values", 2},
        {{"10", "5.00", "1000", "1000", "2000.00"}, "10110", "Use Standard Values", 0},
        {{"12", "5", "1400.00", "1000", "2400.00"}, "11010", "Use Standard Value for R2", 0},
        {{"12", "5", "1400", "1000.00", "2400.00"}, "11100", "Use Standard Value for R1", 0},
        {{"10", "2.5", "7500.00", "2500.00", "10000"}, "11001", "Use Standard Values", 0},
    };
    for (int m = 0; m < 5; ++m) {
        fresh();
        click(O(m));
        EXPECT_TRUE(box(T(cases[m].focus))->hasFocus()) << m;
        solve(m, Typed[m]);
        EXPECT_EQ(texts(), cases[m].shown) << m;
        EXPECT_EQ(editable(), cases[m].editable) << m;
        EXPECT_EQ(button("Check_VD_StdVal")->text(), cases[m].caption) << m;
        EXPECT_TRUE(enabled("Check_VD_StdVal") && enabled("Command_VD_Clear") && !wrong()) << m;
    }
    click(O(0)); // another unknown waits for the next edit
    EXPECT_EQ(texts(), cases[4].shown);
    type(T(1), "0");
    EXPECT_EQ(texts(), QStringList({"10.00", "2.50", "7500.00", "2500.00", "10000.00"}));
}

TEST_F(VoltageDividerTest, ImpossibleInputsShowIncorrectValueAndNoResult) {
    struct Case {
        int option;
        QStringList typed;
        QString thenU1; // typed on into U1 afterwards
    };
    const Case cases[] = {
        {0, {"", "5", "1000", "0"}, ""},       // R2 = 0
        {1, {"10", "", "0", "0"}, ""},         // R1 + R2 = 0
        {2, {"12", "0", "", "1000"}, ""},      // U1 = 0
        {3, {"5", "5", "1000"}, ""},           // U = U1
        {4, {"0", "0", "", "", "1000"}, ""},   // U = 0
        {2, {"5", "12"}, ""},                  // U1 above U, resistors not typed yet
        {4, {"5", "12", "", "", "1000"}, ""},  // U1 above U
        {3, {"10", "5", "1000"}, "0"},         // U1 raised above U after a result
        {4, {"10", "5", "", "", "1000"}, "0"}, // the same with both resistors unknown
    };
    for (const Case& c : cases) {
        fresh();
        solve(c.option, c.typed);
        if (!c.thenU1.isEmpty())
            type(T(1), c.thenU1);
        const std::string at = std::to_string(c.option) + ": " + c.typed.join(' ').toStdString();
        EXPECT_TRUE(wrong() && !enabled("Check_VD_StdVal")) << at;
        const QStringList shown = texts();
        for (int i = 0; i < 5; ++i)
            if (i >= c.typed.size() || c.typed[i].isEmpty()) {
                EXPECT_EQ(shown[i], "") << at << " box " << i;
            }
        erase(T(static_cast<int>(c.typed.size()) - 1)); // the next edit hides the label
        EXPECT_FALSE(wrong()) << at;
    }
}

TEST_F(VoltageDividerTest, OutputAloneOrEqualToInputIsFine) {
    solve(0, {"", "5"}); // U not known yet: nothing to compare with
    EXPECT_FALSE(wrong());
    solve(4, {"5", "", "", "", "1000"});
    EXPECT_EQ(texts(), QStringList({"5", "5", "0.00", "1000.00", "1000"}));
    EXPECT_FALSE(wrong());
}

TEST_F(VoltageDividerTest, EmptyingABoxEmptiesWhatWasComputedFromIt) {
    struct Case {
        int option, erased;
        QStringList shown;
    };
    const Case cases[] = {
        {0, 1, {"", "", "1004", "1000", "2004.00"}}, {0, 2, {"", "5", "", "1000", ""}},
        {1, 3, {"10", "", "1000", "", ""}},          {2, 0, {"", "5", "", "1000", ""}},
        {3, 1, {"12", "", "1400", "", ""}},          {4, 0, {"", "2.5", "", "", "10000"}},
        {4, 1, {"10", "", "", "", "10000"}},         {4, 4, {"10", "2.5", "", "", ""}},
    };
    for (const Case& c : cases) {
        fresh();
        solve(c.option, Typed[c.option]);
        erase(T(c.erased));
        EXPECT_EQ(texts(), c.shown) << c.option << " erased " << c.erased;
        EXPECT_TRUE(!enabled("Check_VD_StdVal") && enabled("Command_VD_Clear"));
    }
    erase(T(0));
    erase(T(1)); // nothing left to clear
    EXPECT_FALSE(enabled("Command_VD_Clear"));
}

TEST_F(VoltageDividerTest, ClearAllEmptiesEverythingAndKeepsTheUnknown) {
    solve(3, {"5", "5", "1000"});
    ASSERT_TRUE(wrong());
    click("Command_VD_Clear");
    EXPECT_EQ(texts(), QStringList({"", "", "", "", ""}));
    EXPECT_FALSE(wrong() || enabled("Command_VD_Clear"));
    EXPECT_TRUE(button(O(3))->isChecked());
    EXPECT_TRUE(box(T(2))->hasFocus());
}

TEST_F(VoltageDividerTest, StandardValuesShowTheSnappedCircuitUntilSwitchedOff) {
    struct Case {
        int option;
        bool e24;
        QStringList standard, typedBack;
    };
    const Case cases[] = {
        {2,
         true,
         {"12", "5", "1400.00", "1.0 k", "2400.00"},
         {"12.00", "5.00", "1400.00", "1000.00", "2400.00"}},
        {0,
         false,
         {"10.00", "5", "1.00 k", "1.00 k", "2000.00"},
         {"10.02", "5.00", "1004.00", "1000.00", "2004.00"}},
        {4,
         true,
         {"10", "2.42", "7.5 k", "2.4 k", "9900.00"},
         {"10.00", "2.50", "7500.00", "2500.00", "10000.00"}},
    };
    for (const Case& c : cases) {
        fresh();
        solve(c.option, Typed[c.option]);
        const QString inputs = editable();
        NumberBox* last = box(T(c.option == 4 ? 4 : 3));
        if (c.e24)
            click("Option_VD_STD(1)");
        click("Check_VD_StdVal");
        EXPECT_EQ(texts(), c.standard) << c.option;
        EXPECT_EQ(editable(), "00000");
        for (const char* name : {"Option_VD(0)", "Option_VD(4)", "Option_VD_STD(0)",
                                 "Option_VD_STD(1)", "Command_VD_Clear"})
            EXPECT_FALSE(enabled(name)) << name;
        EXPECT_TRUE(form->state().StdValSelected[TabVD] && last->hasFocus()) << c.option;

        click("Check_VD_StdVal");
        EXPECT_EQ(texts(), c.typedBack) << c.option;
        EXPECT_EQ(editable(), inputs) << c.option;
        EXPECT_TRUE(enabled(O(0)) && enabled("Option_VD_STD(1)") && enabled("Command_VD_Clear"));
        EXPECT_TRUE(!form->state().StdValSelected[TabVD] && last->hasFocus()) << c.option;
    }
}

TEST_F(VoltageDividerTest, SpaceInAnEmptyBoxMakesItTheUnknown) {
    type(T(2), " ");
    EXPECT_TRUE(button(O(2))->isChecked());
    EXPECT_EQ(texts(), QStringList({"", "", "", "", ""}));
    EXPECT_EQ(editable(), "11010");
    type(T(0), "10 "); // a box holding text ignores Space
    EXPECT_TRUE(button(O(2))->isChecked());
    EXPECT_EQ(box(T(0))->text(), "10");

    // The sum box stays editable with both resistors unknown: the blank lands and counts as 0.
    type(T(4), " ");
    EXPECT_TRUE(button(O(4))->isChecked());
    EXPECT_EQ(box(T(4))->text(), " ");
    type(T(1), "2.5");
    EXPECT_EQ(texts(), QStringList({"10", "2.5", "0.00", "0.00", " "}));
    EXPECT_FALSE(wrong());
}

TEST_F(VoltageDividerTest, ShiftEnterChangesTheDecimalsOfTheBox) {
    solve(1, Typed[1]);
    platform.onModal = [](QDialog* dialog) {
        dialog->findChild<QAbstractButton*>("Option_SNP(3)")->click();
        dialog->findChild<QAbstractButton*>("Command_SNP_OK")->click();
    };
    type(T(1), "");
    QTest::keyClick(box(T(1)), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(platform.modalTitles, QStringList({"Decimals Properties of Voltage Divider"}));
    EXPECT_EQ(box(T(1))->text(), "5.000");
    EXPECT_EQ(form->strip()->currentIndex(), 1);
}

TEST_F(VoltageDividerTest, PropertiesNameTheSnappedResistorsAsStandard) {
    const QString r1 = "Resistor 1", r2 = "Resistor 2", standard = " - Standard Value";
    const std::pair<int, QStringList> cases[] = {
        {0, {r1 + standard, r2 + standard}},
        {2, {r1, r2 + standard}},
        {3, {r1 + standard, r2}},
    };
    for (const auto& [option, rows] : cases) {
        fresh();
        solve(option, Typed[option]);
        click("Check_VD_StdVal");
        QStringList titles;
        platform.onModal = [&titles](QDialog* dialog) {
            for (int i : {2, 3})
                titles << dialog->findChild<QGroupBox*>(QStringLiteral("Frame_Value(%1)").arg(i))
                              ->title();
            dialog->findChild<QAbstractButton*>("Command_OK")->click();
        };
        QTest::keyClick(box(T(0)), Qt::Key_Return, Qt::ControlModifier);
        EXPECT_EQ(titles, rows) << option;
    }
}

} // namespace
} // namespace oq
