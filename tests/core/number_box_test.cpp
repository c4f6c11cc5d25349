#include "core/tab_strip.h"
#include "gui_test.h"

#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace oq {
namespace {

// The gestures every number box shares, tried on the resistor-power tab.
class NumberBoxes : public MainFormTest {
  protected:
    void SetUp() override {
        MainFormTest::SetUp();
        click(QStringLiteral("Check_RP(2)"));
        click(QStringLiteral("Check_RP(3)"));
    }
    NumberBox* rp(int b) const { return box(QStringLiteral("Text_RP(%1)").arg(b)); }
    void key(int b, Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(rp(b), k, mods);
    }
    static void pressOk(QDialog* dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Command_SNP_OK")),
                          Qt::LeftButton);
    }
};

TEST_F(NumberBoxes, FilterLetsOnlyANumberIn) {
    struct Case {
        const char* keys;
        const char* text;
    };
    const Case cases[] = {
        {".", "0."}, {"12.5", "12.5"}, {"1.2.3", "1.23"}, {"1,5", "1.5"},
        {",", "0."}, {"12a-b+", "12"}, {"3e5", "35"},     {"7 ", "7"},
    };
    for (const Case& c : cases) {
        rp(0)->clear();
        type(QStringLiteral("Text_RP(0)"), QLatin1String(c.keys));
        EXPECT_EQ(rp(0)->text(), QLatin1String(c.text)) << c.keys;
    }
    // A point typed at the start of a number without one.
    rp(0)->setText(QStringLiteral("5"));
    rp(0)->home(false);
    key(0, Qt::Key_Period);
    EXPECT_EQ(rp(0)->text(), QStringLiteral("0.5"));
    EXPECT_EQ(rp(0)->cursorPosition(), 3);
    // A point over the whole selected text starts again from "0.".
    rp(0)->selectAll();
    key(0, Qt::Key_Comma);
    EXPECT_EQ(rp(0)->text(), QStringLiteral("0."));
    // Locked boxes take nothing.
    type(QStringLiteral("Text_RP(2)"), QStringLiteral("12."));
    EXPECT_EQ(rp(2)->text(), QString());
}

TEST_F(NumberBoxes, SpaceInAnEmptyBoxMarksItsUnknown) {
    restart(); // no unknown marked
    auto* u = button(QStringLiteral("Check_RP(0)"));
    key(0, Qt::Key_Space);
    EXPECT_TRUE(u->isChecked());
    key(0, Qt::Key_Space);
    EXPECT_FALSE(u->isChecked());
    click(QStringLiteral("Check_RP(1)"));
    click(QStringLiteral("Check_RP(2)"));
    key(0, Qt::Key_Space); // two others are marked: nothing happens
    EXPECT_FALSE(u->isChecked());
    key(1, Qt::Key_Space); // but a marked one can be unmarked
    EXPECT_FALSE(button(QStringLiteral("Check_RP(1)"))->isChecked());
    // A box with text ignores Space.
    restart();
    click(QStringLiteral("Check_RP(2)"));
    click(QStringLiteral("Check_RP(3)"));
    type(QStringLiteral("Text_RP(0)"), QStringLiteral("1"));
    key(0, Qt::Key_Space);
    EXPECT_FALSE(button(QStringLiteral("Check_RP(0)"))->isChecked());
    EXPECT_EQ(rp(0)->text(), QStringLiteral("1"));
}

TEST_F(NumberBoxes, DoubleClickAndCtrlDeleteClearAnEditableBoxOnly) {
    type(QStringLiteral("Text_RP(0)"), QStringLiteral("12"));
    type(QStringLiteral("Text_RP(1)"), QStringLiteral("4"));
    key(2, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(rp(2)->text(), QStringLiteral("3.00"));
    QTest::mouseDClick(rp(2), Qt::LeftButton);
    EXPECT_EQ(rp(2)->text(), QStringLiteral("3.00"));
    key(1, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(rp(1)->text(), QString());
    EXPECT_EQ(rp(2)->text(), QString()); // the unknowns follow
    QTest::mouseDClick(rp(0), Qt::LeftButton);
    EXPECT_EQ(rp(0)->text(), QString());
}

TEST_F(NumberBoxes, PlainRightClickAndEnterOpenNothing) {
    QTest::mouseClick(rp(0), Qt::RightButton);
    key(0, Qt::Key_Return);
    EXPECT_TRUE(platform.modalTitles.isEmpty());
}

TEST_F(NumberBoxes, F1OpensHelp) {
    key(0, Qt::Key_F1);
    EXPECT_EQ(platform.modalTitles, QStringList{"Key Strokes and Mouse Clicks"});
}

TEST_F(NumberBoxes, ShiftGestureChangesTheDecimalsOfTheBox) {
    type(QStringLiteral("Text_RP(0)"), QStringLiteral("12"));
    type(QStringLiteral("Text_RP(1)"), QStringLiteral("470"));
    platform.onModal = [](QDialog* dialog) {
        dialog->findChild<QRadioButton*>(QStringLiteral("Option_SNP(3)"))->click();
        pressOk(dialog);
    };
    QTest::mouseClick(rp(2), Qt::RightButton, Qt::ShiftModifier);
    ASSERT_EQ(platform.modalTitles, QStringList{"Decimals Properties of Resistor Power"});
    EXPECT_EQ(rp(2)->text(), QStringLiteral("0.026"));
    EXPECT_EQ(label(QStringLiteral("Label_RP_Frmt(2)"))->text(), QStringLiteral("(25.532 mA)"));
    EXPECT_EQ(form->strip()->currentIndex(), TabRP);
    EXPECT_EQ(QApplication::focusWidget(), rp(2));
    EXPECT_FALSE(form->state().SkipChange);
    // Typing goes on normally afterwards.
    type(QStringLiteral("Text_RP(1)"), QStringLiteral("0"));
    EXPECT_EQ(rp(2)->text(), QStringLiteral("0.003"));

    // Shift+Enter does the same; Cancel leaves the box as it was.
    platform.onModal = [](QDialog* dialog) {
        dialog->findChild<QRadioButton*>(QStringLiteral("Option_SNP(0)"))->click();
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Command_SNP_Cancel")),
                          Qt::LeftButton);
    };
    key(2, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(rp(2)->text(), QStringLiteral("0.003"));
    EXPECT_FALSE(form->state().DecimalsCancelled);
    EXPECT_FLOAT_EQ(form->state().Decimals[TabRP][2], 1.3f);
}

TEST_F(NumberBoxes, ChangedDecimalsSurviveARestart) {
    platform.onModal = [](QDialog* dialog) {
        dialog->findChild<QRadioButton*>(QStringLiteral("Option_SNP(9)"))->click();
        pressOk(dialog);
    };
    key(3, Qt::Key_Enter, Qt::ShiftModifier | Qt::KeypadModifier);
    restart();
    EXPECT_EQ(store.values["RP Power Decimals"], " 104");
    EXPECT_FLOAT_EQ(form->state().Decimals[TabRP][3], 104.0f);
    // Setting it back to the start-up code writes nothing.
    platform.onModal = [](QDialog* dialog) {
        dialog->findChild<QRadioButton*>(QStringLiteral("Option_SNP(2)"))->click();
        pressOk(dialog);
    };
    key(3, Qt::Key_Return, Qt::ShiftModifier);
    platform.onModal = [](QDialog* dialog) {
        dialog->findChild<QRadioButton*>(QStringLiteral("Option_SNP(9)"))->click();
        pressOk(dialog);
    };
    key(3, Qt::Key_Return, Qt::ShiftModifier);
    restart();
    EXPECT_TRUE(store.writes.empty());
}

TEST_F(NumberBoxes, DecimalsAreRefusedWhileStandardValuesShow) {
    type(QStringLiteral("Text_RP(0)"), QStringLiteral("12"));
    type(QStringLiteral("Text_RP(1)"), QStringLiteral("4600"));
    click(QStringLiteral("Check_RP_StdVal"));
    key(1, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_TRUE(platform.modalTitles.isEmpty());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].kind, QStringLiteral("information"));
    EXPECT_EQ(platform.messages[0].title, QStringLiteral("Set Decimals"));
    EXPECT_EQ(
        platform.messages[0].text,
        QStringLiteral("Number of decimals can't be changed while\nStandard Values are selected."));
    EXPECT_FLOAT_EQ(form->state().Decimals[TabRP][1], 1.2f);
    // The properties window is still open to Ctrl.
    key(1, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(platform.modalTitles, QStringList{" Properties of Resistor Power"});
}

TEST_F(NumberBoxes, CtrlAndAltGesturesListTheTab) {
    type(QStringLiteral("Text_RP(0)"), QStringLiteral("12"));
    type(QStringLiteral("Text_RP(1)"), QStringLiteral("470"));
    QString current;
    platform.onModal = [&](QDialog* dialog) {
        current = dialog->findChild<QLabel*>(QStringLiteral("Label_CurrentValue(2)"))->text();
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Command_CopyAllVal")),
                          Qt::LeftButton);
    };
    QTest::mouseClick(rp(0), Qt::RightButton, Qt::ControlModifier);
    EXPECT_EQ(current, QStringLiteral("0.025531914893617"));
    EXPECT_EQ(platform.clipboard,
              QStringLiteral("Resistor Power:\r\n Voltage: 12\r\n Resistor: 470\r\n"
                             " Current: 0.025531914893617\r\n"
                             " Power: 0.306382978723404\r\n"));
    QTest::mouseClick(rp(0), Qt::RightButton, Qt::AltModifier);
    EXPECT_EQ(platform.modalTitles.size(), 2);
    EXPECT_EQ(form->strip()->currentIndex(), TabRP);
}

} // namespace
} // namespace oq
