#include "gui_test.h"

#include <QDialog>
#include <QTest>

namespace oq {
namespace {

struct Twin {
    int tab;
    QString code, letter;
};
const Twin Capacitive{10, "CZ", "C"}, Inductive{11, "LZ", "L"};

class ReactanceTabTest : public MainFormTest {
  protected:
    Twin t = Capacitive;

    void open(const Twin& twin) {
        t = twin;
        restart();
        selectTab(t.tab);
    }
    QString text(int i) const {
        return box(QStringLiteral("Text_%1(%2)").arg(t.code).arg(i))->text();
    }
    void typeInto(int i, const QString& keys) {
        type(QStringLiteral("Text_%1(%2)").arg(t.code).arg(i), keys);
    }
    void eraseBox(int i) { erase(QStringLiteral("Text_%1(%2)").arg(t.code).arg(i)); }
    void unknown(int i) { click(QStringLiteral("Option_%1(%2)").arg(t.code).arg(i)); }
    // The unit options: group 0 frequency, 1 component, 2 impedance.
    QString unitName(int group, int k) const {
        const QString letters[3] = {"F", t.letter, "Z"};
        return QStringLiteral("Option_%1_%2(%3)").arg(t.code, letters[group]).arg(k);
    }
    void unit(int group, int k) { click(unitName(group, k)); }
    bool selected(int group, int k) const { return button(unitName(group, k))->isChecked(); }
    bool wrong() const {
        return label(QStringLiteral("Label_%1_WrongValue").arg(t.code))->isVisible();
    }
    bool clearEnabled() const {
        return button(QStringLiteral("Command_%1_Clear").arg(t.code))->isEnabled();
    }
};

TEST_F(ReactanceTabTest, StartsLockedInItsStartUnits) {
    for (const Twin& twin : {Capacitive, Inductive}) {
        open(twin);
        EXPECT_TRUE(box(QStringLiteral("Text_%1(1)").arg(t.code))->isLocked());
        EXPECT_TRUE(selected(0, 0) && selected(1, 2) && selected(2, 0)) << t.code.toStdString();
    }
}

// The typed number keeps its digits and counts in the newly chosen unit; the unknown's unit
// follows its value.
TEST_F(ReactanceTabTest, AUnitClickRecountsTheTypedNumber) {
    open(Capacitive);
    unknown(2);
    unit(0, 1);
    typeInto(0, "1");
    typeInto(1, "1");
    unit(1, 3); // 1 nF
    EXPECT_EQ(text(1), "1");
    EXPECT_EQ(text(2), "159.15");
    EXPECT_TRUE(selected(2, 1)); // kOhm
    // The computed box becomes a given in the unit it was shown in.
    unknown(1);
    unit(2, 2); // 159.15... MOhm
    EXPECT_EQ(text(1), "1.00");
    EXPECT_TRUE(selected(1, 4)); // pF
}

// Rounding must not carry a value into a unit the group does not have.
TEST_F(ReactanceTabTest, AValueJustBelowTheTopOfItsGroupStaysInTheTopUnit) {
    open(Inductive);
    unknown(2);
    unit(0, 3); // GHz
    typeInto(0, "1");
    unit(1, 0); // H
    typeInto(1, "0.1591549");
    EXPECT_EQ(text(2), "1000.00");
    EXPECT_TRUE(selected(2, 2)); // MOhm
    open(Capacitive);
    unknown(1);
    typeInto(0, "1");
    typeInto(2, "0.000159155");
    EXPECT_EQ(text(1), "1000.00");
    EXPECT_TRUE(selected(1, 0)); // F
}

TEST_F(ReactanceTabTest, AnOverflowShowsTheWarningAndTheNextEntryComputes) {
    const QString huge = QString(200, u'9');
    for (const Twin& twin : {Inductive, Capacitive}) {
        open(twin);
        unknown(t.tab == 11 ? 2 : 1); // Z = 2πfL, C = 1/(2πfZ): both overflow
        typeInto(0, twin.tab == 11 ? huge : "0." + QString(200, u'0') + "1");
        typeInto(t.tab == 11 ? 1 : 2, twin.tab == 11 ? huge : "0." + QString(200, u'0') + "1");
        const int u = t.tab == 11 ? 2 : 1;
        EXPECT_EQ(text(u), "") << t.code.toStdString();
        EXPECT_TRUE(wrong());
        eraseBox(0);
        EXPECT_FALSE(wrong());
        typeInto(0, "1");
        EXPECT_FALSE(text(u).isEmpty());
        EXPECT_FALSE(wrong());
    }
}

// A rewrite that leaves the computed box as it was must not eat the next unit click or key.
TEST_F(ReactanceTabTest, AnUnchangedResultDoesNotSwallowTheNextEntry) {
    struct Case {
        Twin twin;
        int frequencyUnit;
        QStringList shown; // after 1, 1. and the milli unit, 1.5
        int impedanceUnit;
    };
    const Case cases[] = {{Capacitive, 1, {"159.15", "0.16", "0.11"}, 0},
                          {Inductive, 2, {"6.28", "6.28", "9.42"}, 1}};
    for (const Case& c : cases) {
        open(c.twin);
        unknown(2);
        unit(0, c.frequencyUnit);
        typeInto(0, "1");
        typeInto(1, "1");
        EXPECT_EQ(text(2), c.shown[0]);
        typeInto(1, ".");
        unit(1, 1); // mF or mH
        EXPECT_EQ(text(2), c.shown[1]) << t.code.toStdString();
        typeInto(1, "5");
        EXPECT_EQ(text(2), c.shown[2]);
        EXPECT_TRUE(selected(2, c.impedanceUnit));
    }
}

TEST_F(ReactanceTabTest, ZeroEmptiesTheUnknownAndClearKeepsTheChoices) {
    open(Capacitive);
    unknown(0);
    typeInto(1, "10");
    unit(1, 3);
    typeInto(2, "1");
    unit(2, 1);
    EXPECT_EQ(text(0), "15.92");
    EXPECT_TRUE(selected(0, 1));
    typeInto(2, "0"); // "10"
    EXPECT_EQ(text(0), "1.59");
    eraseBox(2);
    typeInto(2, "0");
    EXPECT_EQ(text(0), "");
    EXPECT_FALSE(clearEnabled());
    typeInto(2, ".5");
    click("Command_CZ_Clear");
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(text(i), "");
    EXPECT_TRUE(button("Option_CZ(0)")->isChecked());
    EXPECT_TRUE(selected(1, 3) && selected(2, 1));
}

TEST_F(ReactanceTabTest, ANewDecimalsCodeRedisplaysTheBoxInItsUnit) {
    open(Inductive);
    unknown(1);
    unit(0, 3);
    typeInto(0, "1");
    typeInto(2, "1");
    EXPECT_EQ(text(1), "0.16");
    platform.onModal = [](QDialog* dialog) {
        dialog->findChild<QAbstractButton*>("Option_SNP(3)")->click();
        dialog->findChild<QAbstractButton*>("Command_SNP_OK")->click();
    };
    QTest::keyClick(box("Text_LZ(1)"), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(text(1), "0.159");
    EXPECT_TRUE(selected(1, 3));
}

} // namespace
} // namespace oq
