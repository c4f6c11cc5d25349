#include "core/tab_strip.h"
#include "gui_test.h"

#include <QDialog>
#include <QTest>

namespace oq {
namespace {

class ResistorPower : public MainFormTest {
  protected:
    QString text(int b) const { return box(QStringLiteral("Text_RP(%1)").arg(b))->text(); }
    QString echo(int b) const { return label(QStringLiteral("Label_RP_Frmt(%1)").arg(b))->text(); }
    bool locked(int b) const { return box(QStringLiteral("Text_RP(%1)").arg(b))->isLocked(); }
    QAbstractButton* check(int b) const { return button(QStringLiteral("Check_RP(%1)").arg(b)); }
    bool wrongValueShown() const {
        return label(QStringLiteral("Label_RP_WrongValue"))->isVisible();
    }
    void unknowns(int a, int b) {
        click(QStringLiteral("Check_RP(%1)").arg(a));
        click(QStringLiteral("Check_RP(%1)").arg(b));
    }
    void typeInto(int b, const QString& keys) { type(QStringLiteral("Text_RP(%1)").arg(b), keys); }
    // Replaces the whole text in one keystroke, as typing over a selection does.
    void overtype(int b, char key) {
        NumberBox* nb = box(QStringLiteral("Text_RP(%1)").arg(b));
        QTest::mouseClick(nb, Qt::LeftButton);
        nb->selectAll();
        QTest::keyClick(nb, key);
    }
};

TEST_F(ResistorPower, CurrentAndPowerOfTwelveVoltsAcross470Ohms) {
    unknowns(2, 3);
    typeInto(0, QStringLiteral("12"));
    typeInto(1, QStringLiteral("470"));
    EXPECT_EQ(text(2), QStringLiteral("0.03"));
    EXPECT_EQ(text(3), QStringLiteral("0.31"));
    EXPECT_EQ(echo(0), QStringLiteral("(12.00 V)"));
    EXPECT_EQ(echo(1), QStringLiteral("(470.00 Ohm)"));
    EXPECT_EQ(echo(2), QStringLiteral("(25.53 mA)"));
    EXPECT_EQ(echo(3), QStringLiteral("(306.38 mW)"));
    EXPECT_TRUE(button(QStringLiteral("Check_RP_StdVal"))->isEnabled());
    EXPECT_TRUE(button(QStringLiteral("Command_RP_Clear"))->isEnabled());
}

// U = 10 V, R = 5 ohm, I = 2 A, P = 20 W: any two give the other two.
TEST_F(ResistorPower, EveryPairOfGivensComputesTheOtherTwo) {
    const QString given[4] = {"10", "5", "2", "20"};
    const QString shown[4] = {"10.00", "5.00", "2.00", "20.00"};
    const int pairs[6][2] = {{0, 1}, {0, 2}, {1, 2}, {0, 3}, {1, 3}, {2, 3}};
    for (const auto& pair : pairs) {
        SCOPED_TRACE(testing::Message() << "given " << pair[0] << " and " << pair[1]);
        restart();
        std::vector<int> unknown;
        for (int b = 0; b < 4; ++b)
            if (b != pair[0] && b != pair[1])
                unknown.push_back(b);
        unknowns(unknown[0], unknown[1]);
        EXPECT_FALSE(locked(pair[0]));
        EXPECT_TRUE(locked(unknown[0]));
        typeInto(pair[0], given[pair[0]]);
        typeInto(pair[1], given[pair[1]]);
        for (int b : unknown)
            EXPECT_EQ(text(b), shown[b]) << "box " << b;
        // The standard value is offered only while R is typed.
        EXPECT_EQ(button(QStringLiteral("Check_RP_StdVal"))->isEnabled(),
                  pair[0] == 1 || pair[1] == 1);
    }
}

TEST_F(ResistorPower, ZeroOhmsShowsIncorrectValueAndKeepsTheResults) {
    unknowns(2, 3);
    typeInto(0, QStringLiteral("12"));
    typeInto(1, QStringLiteral("4"));
    ASSERT_EQ(text(2), QStringLiteral("3.00"));
    overtype(1, '0');
    EXPECT_TRUE(wrongValueShown());
    EXPECT_EQ(text(2), QStringLiteral("3.00"));
    EXPECT_EQ(text(3), QStringLiteral("36.00"));
    EXPECT_FALSE(button(QStringLiteral("Check_RP_StdVal"))->isEnabled());
    overtype(1, '6');
    EXPECT_FALSE(wrongValueShown());
    EXPECT_EQ(text(2), QStringLiteral("2.00"));
}

TEST_F(ResistorPower, OverflowNeverShowsInfinity) {
    unknowns(1, 3);
    const QString huge = QStringLiteral("1") + QString(200, QLatin1Char('0'));
    typeInto(0, huge);
    typeInto(2, huge);
    EXPECT_TRUE(wrongValueShown());
    EXPECT_EQ(text(1), QStringLiteral("1.00")); // written before the power overflowed
    for (int b = 0; b < 4; ++b) {
        EXPECT_FALSE(text(b).contains(QStringLiteral("inf"))) << b;
        EXPECT_FALSE(echo(b).contains(QStringLiteral("inf"))) << b;
    }
}

TEST_F(ResistorPower, DeletingAGivenClearsTheUnknowns) {
    unknowns(2, 3);
    typeInto(0, QStringLiteral("12"));
    typeInto(1, QStringLiteral("470"));
    erase(QStringLiteral("Text_RP(1)"));
    EXPECT_EQ(text(2), QString());
    EXPECT_EQ(text(3), QString());
    EXPECT_EQ(echo(1), QString());
    EXPECT_EQ(echo(2), QString());
    EXPECT_EQ(echo(3), QString());
    EXPECT_TRUE(button(QStringLiteral("Command_RP_Clear"))->isEnabled());
    EXPECT_FALSE(button(QStringLiteral("Check_RP_StdVal"))->isEnabled());
    erase(QStringLiteral("Text_RP(0)"));
    EXPECT_FALSE(button(QStringLiteral("Command_RP_Clear"))->isEnabled());
}

TEST_F(ResistorPower, AThirdUnknownIsRefused) {
    unknowns(2, 3);
    typeInto(0, QStringLiteral("12"));
    click(QStringLiteral("Check_RP(1)"));
    EXPECT_FALSE(check(1)->isChecked());
    EXPECT_TRUE(check(2)->isChecked());
    EXPECT_TRUE(check(3)->isChecked());
    EXPECT_FALSE(locked(0));
    EXPECT_FALSE(locked(1));
    EXPECT_EQ(text(0), QStringLiteral("12"));
    // Unchecking one locks every box again and empties the unknown it leaves.
    click(QStringLiteral("Check_RP(3)"));
    for (int b = 0; b < 4; ++b)
        EXPECT_TRUE(locked(b)) << b;
}

TEST_F(ResistorPower, StandardValueSnapsResistanceAndBack) {
    unknowns(2, 3);
    typeInto(0, QStringLiteral("12"));
    typeInto(1, QStringLiteral("4600"));
    click(QStringLiteral("Option_RP_STD(1)"));
    click(QStringLiteral("Check_RP_StdVal"));
    EXPECT_EQ(text(1), QStringLiteral("4.7 k"));
    EXPECT_EQ(echo(1), QString());
    EXPECT_EQ(echo(2), QStringLiteral("(2.55 mA)"));
    EXPECT_EQ(echo(3), QStringLiteral("(30.64 mW)"));
    EXPECT_TRUE(form->state().StdValSelected[TabRP]);
    EXPECT_DOUBLE_EQ(form->state().StdValues[TabRP][1], 4700.0);
    EXPECT_DOUBLE_EQ(form->state().Values[TabRP][1], 4600.0);
    for (int b = 0; b < 4; ++b) {
        EXPECT_TRUE(locked(b)) << b;
        EXPECT_FALSE(check(b)->isEnabled()) << b;
    }
    EXPECT_FALSE(button(QStringLiteral("Option_RP_STD(0)"))->isEnabled());
    EXPECT_FALSE(button(QStringLiteral("Command_RP_Clear"))->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), box(QStringLiteral("Text_RP(1)")));

    click(QStringLiteral("Check_RP_StdVal"));
    EXPECT_EQ(text(1), QStringLiteral("4600.00"));
    EXPECT_EQ(echo(2), QStringLiteral("(2.61 mA)"));
    EXPECT_FALSE(form->state().StdValSelected[TabRP]);
    EXPECT_FALSE(locked(0));
    EXPECT_FALSE(locked(1));
    EXPECT_TRUE(locked(2));
    EXPECT_TRUE(button(QStringLiteral("Command_RP_Clear"))->isEnabled());
    // Typing goes on as before.
    erase(QStringLiteral("Text_RP(1)"));
    typeInto(1, QStringLiteral("4700"));
    EXPECT_EQ(echo(2), QStringLiteral("(2.55 mA)"));
}

TEST_F(ResistorPower, E96SnapsToThreeDigits) {
    unknowns(0, 3);
    typeInto(1, QStringLiteral("4740"));
    typeInto(2, QStringLiteral("0.001"));
    click(QStringLiteral("Check_RP_StdVal"));
    EXPECT_EQ(text(1), QStringLiteral("4.75 k"));
    EXPECT_EQ(text(0), QStringLiteral("4.75"));
}

TEST_F(ResistorPower, ClearAllEmptiesTheTabButKeepsTheUnknowns) {
    unknowns(2, 3);
    typeInto(0, QStringLiteral("12"));
    typeInto(1, QStringLiteral("0"));
    ASSERT_TRUE(wrongValueShown());
    click(QStringLiteral("Command_RP_Clear"));
    for (int b = 0; b < 4; ++b) {
        EXPECT_EQ(text(b), QString());
        EXPECT_EQ(echo(b), QString());
    }
    EXPECT_FALSE(wrongValueShown());
    EXPECT_FALSE(button(QStringLiteral("Command_RP_Clear"))->isEnabled());
    EXPECT_TRUE(check(2)->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), box(QStringLiteral("Text_RP(1)")));
    typeInto(1, QStringLiteral("5"));
    typeInto(0, QStringLiteral("10"));
    EXPECT_EQ(text(2), QStringLiteral("2.00"));
}

// The program's own write of an unchanged text raises no change event; the next keystroke
// must still compute.
TEST_F(ResistorPower, SameDecimalsAgainOnAComputedBoxThenTypingStillComputes) {
    unknowns(2, 3);
    typeInto(0, QStringLiteral("12"));
    typeInto(1, QStringLiteral("470"));
    platform.onModal = [](QDialog* dialog) {
        dialog->findChild<QAbstractButton*>("Option_SNP(2)")->click(); // 1.2, as it was
        dialog->findChild<QAbstractButton*>("Command_SNP_OK")->click();
    };
    QTest::keyClick(box(QStringLiteral("Text_RP(2)")), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(text(2), QStringLiteral("0.03"));
    typeInto(0, QStringLiteral("0")); // 120 V
    EXPECT_EQ(text(2), QStringLiteral("0.26"));
    EXPECT_EQ(text(3), QStringLiteral("30.64"));
}

TEST_F(ResistorPower, AThirdUnknownLeavesEveryBoxAsItWasWhicheverWasTypedLast) {
    for (int last : {0, 1}) {
        SCOPED_TRACE(last);
        restart();
        unknowns(2, 3);
        typeInto(1 - last, last == 0 ? QStringLiteral("470") : QStringLiteral("12"));
        typeInto(last, last == 0 ? QStringLiteral("12") : QStringLiteral("470"));
        QStringList before;
        for (int b = 0; b < 4; ++b)
            before << text(b);
        for (int third : {0, 1}) {
            click(QStringLiteral("Check_RP(%1)").arg(third));
            for (int b = 0; b < 4; ++b)
                EXPECT_EQ(text(b), before[b]) << "third " << third << ", box " << b;
        }
        typeInto(0, QStringLiteral("0")); // still computing: 120 V
        EXPECT_EQ(text(2), QStringLiteral("0.26"));
    }
}

} // namespace
} // namespace oq
