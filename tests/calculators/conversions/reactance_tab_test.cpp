#include "gui_test.h"

#include <QDialog>
#include <QTest>

namespace oq {
namespace {

class ReactanceTabTest : public MainFormTest {
  protected:
    QString code = "CZ", letter = "C";

    // Tab 10 is the capacitive one, tab 11 the inductive one.
    void open(bool inductive) {
        code = inductive ? "LZ" : "CZ";
        letter = inductive ? "L" : "C";
        restart();
        selectTab(inductive ? 11 : 10);
    }
    QString name(int i) const { return QStringLiteral("Text_%1(%2)").arg(code).arg(i); }
    QString text(int i) const { return box(name(i))->text(); }
    void unknown(int i) { click(QStringLiteral("Option_%1(%2)").arg(code).arg(i)); }
    // The unit options: group 0 frequency, 1 component, 2 impedance.
    QString unitName(int group, int k) const {
        const QString letters[3] = {"F", letter, "Z"};
        return QStringLiteral("Option_%1_%2(%3)").arg(code, letters[group]).arg(k);
    }
    void unit(int group, int k) { click(unitName(group, k)); }
    bool selected(int group, int k) const { return button(unitName(group, k))->isChecked(); }
    bool wrong() const { return label("Label_" + code + "_WrongValue")->isVisible(); }
};

// A clicked unit recounts the typed number, keeping its digits; the unknown's unit follows its
// value.
TEST_F(ReactanceTabTest, UnitClicksZeroAndClearAll) {
    open(false);
    EXPECT_TRUE(box(name(1))->isLocked() && selected(0, 0) && selected(1, 2) && selected(2, 0));
    unknown(2);
    unit(0, 1);
    type(name(0), "1");
    type(name(1), "1");
    unit(1, 3); // 1 nF
    EXPECT_EQ(text(1), "1");
    EXPECT_EQ(text(2), "159.15");
    EXPECT_TRUE(selected(2, 1)); // kOhm
    // The computed box becomes a given in the unit it was shown in.
    unknown(1);
    unit(2, 2); // 159.15... MOhm
    EXPECT_EQ(text(1), "1.00");
    EXPECT_TRUE(selected(1, 4)); // pF

    // A zero given empties the unknown; Clear All keeps the unknown and the units.
    erase(name(2));
    type(name(2), "0");
    EXPECT_EQ(text(1), "");
    EXPECT_FALSE(button("Command_CZ_Clear")->isEnabled());
    type(name(2), ".5");
    EXPECT_FALSE(text(1).isEmpty());
    click("Command_CZ_Clear");
    EXPECT_EQ(text(0) + text(1) + text(2), "");
    EXPECT_TRUE(button("Option_CZ(1)")->isChecked() && selected(0, 1) && selected(1, 4) &&
                selected(2, 2));
}

TEST_F(ReactanceTabTest, AnOverflowShowsTheWarningAndTheNextEntryComputes) {
    open(true);
    unknown(2); // Z = 2πfL
    type(name(0), QString(200, u'9'));
    type(name(1), QString(200, u'9'));
    EXPECT_EQ(text(2), "");
    EXPECT_TRUE(wrong());
    erase(name(0));
    EXPECT_FALSE(wrong());
    type(name(0), "1");
    EXPECT_FALSE(text(2).isEmpty() || wrong());
}

// A rewrite that leaves the computed box's text or unit as it was must not eat the next unit
// click or key.
TEST_F(ReactanceTabTest, RewritingTheResultKeepsTheNextEntryAndTheUnit) {
    struct Case {
        bool inductive;
        int frequencyUnit;
        QStringList shown; // after 1, 1. and the milli unit, 1.5
        int impedanceUnit;
    };
    const Case cases[] = {{false, 1, {"159.15", "0.16", "0.11"}, 0},
                          {true, 2, {"6.28", "6.28", "9.42"}, 1}};
    for (const Case& c : cases) {
        open(c.inductive);
        unknown(2);
        unit(0, c.frequencyUnit);
        type(name(0), "1");
        type(name(1), "1");
        EXPECT_EQ(text(2), c.shown[0]);
        type(name(1), ".");
        unit(1, 1); // mF or mH
        EXPECT_EQ(text(2), c.shown[1]) << code.toStdString();
        type(name(1), "5");
        EXPECT_EQ(text(2), c.shown[2]);
        EXPECT_TRUE(selected(2, c.impedanceUnit));
    }
    // A new decimals code rewrites the result in the unit on show.
    platform.onModal = [](QDialog* dialog) {
        dialog->findChild<QAbstractButton*>("Option_SNP(3)")->click();
        dialog->findChild<QAbstractButton*>("Command_SNP_OK")->click();
    };
    QTest::keyClick(box(name(2)), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(text(2), "9.425");
    EXPECT_TRUE(selected(2, 1));
}

} // namespace
} // namespace oq
