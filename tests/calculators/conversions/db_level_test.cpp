#include "gui_test.h"

#include <QDialog>
#include <QTest>

namespace oq {
namespace {

QString T(int i) {
    return QStringLiteral("Text_DB2(%1)").arg(i);
}

class DbLevelTest : public MainFormTest {
  protected:
    void SetUp() override {
        MainFormTest::SetUp();
        selectTab(TabDB2);
    }
    QStringList texts() const {
        return {box(T(0))->text(), box(T(1))->text(), box(T(2))->text(), box(T(3))->text()};
    }
    // The selected unit options of boxes 1 to 3, e.g. "1 1 3" for mV, mV, mW.
    QString units() const {
        QStringList chosen;
        const char* const groups[] = {"RMS", "PP", "Power"};
        for (int g = 0; g < 3; ++g)
            for (int i = 0; i < (g == 2 ? 7 : 4); ++i)
                if (button(QStringLiteral("Option_DB2_%1(%2)").arg(groups[g]).arg(i))->isChecked())
                    chosen << QString::number(i);
        return chosen.join(' ');
    }
    QString message() const {
        QLabel* l = label("Label_DB2_Overflow");
        return l->isVisible() ? l->text() : QString();
    }
    bool enabled(const QString& name) const { return button(name)->isEnabled(); }
};

// The worked examples are the model's; here a click recomputes from the box the user works in.
TEST_F(DbLevelTest, ReferenceClicksRecomputeFromTheActiveBox) {
    EXPECT_EQ(units(), "2 2 4");
    type(T(0), "0");
    EXPECT_EQ(units(), "1 1 3"); // dBm: mV, mV, mW
    click("Option_DB2_Ref(1)");
    EXPECT_EQ(texts(), QStringList({"0", "774.60", "2.19", "1.00"}));
    EXPECT_EQ(units(), "1 2 3");

    erase(T(0));
    type(T(3), "1000"); // 1 W in mW, then dBV while the power box is active
    click("Option_DB2_Ref(2)");
    EXPECT_TRUE(box(T(0))->hasFocus());
    EXPECT_FALSE(box(T(3))->isVisible() || widget("Frame_DB2(3)")->isVisible());
    EXPECT_EQ(texts(), QStringList({"30.00", "31.62", "89.44", "1.00"}));
}

TEST_F(DbLevelTest, UnitClickRereadsTheDigitsInTheNewUnit) {
    click("Option_DB2_RMS(1)");
    type(T(1), "5"); // 5 mV
    EXPECT_EQ(texts(), QStringList({"-33.01", "5", "14.14", "500.00"}));
    EXPECT_EQ(units(), "1 1 1");
    click("Option_DB2_RMS(2)"); // 5 V
    EXPECT_EQ(texts(), QStringList({"26.99", "5", "14.14", "500.00"}));
    EXPECT_EQ(units(), "2 2 3");
    EXPECT_TRUE(box(T(1))->hasFocus());
    type(T(1), "0"); // 50 V
    EXPECT_EQ(box(T(0))->text(), "46.99");
}

TEST_F(DbLevelTest, MinusAndChangeSign) {
    type(T(1), "-5"); // no minus in a voltage
    EXPECT_EQ(box(T(1))->text(), "5");
    erase(T(1));
    type(T(0), "3-"); // only at the start, and once
    box(T(0))->home(false);
    QTest::keyClicks(box(T(0)), "--");
    EXPECT_EQ(texts(), QStringList({"-3", "158.30", "447.74", "501.19"}));
    click("Command_DB2_ChangeSign");
    EXPECT_EQ(texts(), QStringList({"3.00", "315.85", "893.37", "2.00"}));
    EXPECT_TRUE(box(T(0))->hasFocus());

    type(T(1), ""); // another box in front disables the button
    EXPECT_FALSE(enabled("Command_DB2_ChangeSign"));
    type(T(0), "");
    EXPECT_TRUE(enabled("Command_DB2_ChangeSign"));
    erase(T(0));
    type(T(0), "-"); // a lone minus empties the others without a message
    EXPECT_EQ(texts(), QStringList({"-", "", "", ""}));
    EXPECT_EQ(message(), "");
    EXPECT_FALSE(enabled("Command_DB2_ChangeSign") || enabled("Command_DB2_Clear"));
    erase(T(0));
    type(T(0), "0.");
    EXPECT_FALSE(enabled("Command_DB2_ChangeSign"));
    type(T(0), "5");
    EXPECT_TRUE(enabled("Command_DB2_ChangeSign"));
}

// A value beyond its box's limits tells why and empties the others; zero in a voltage box has no
// logarithm and empties them without a message; nothing left over swallows a keystroke.
TEST_F(DbLevelTest, LimitsAndZeroEmptyTheOthers) {
    type(T(0), "20"); // 100 mW: the power box now counts in mW
    erase(T(3));
    type(T(3), "2000000000000");
    EXPECT_EQ(message(), "Power value is too high. Must be less than 1.00 GW.");
    EXPECT_EQ(texts(), QStringList({"", "", "", "2000000000000"}));
    QTest::keyClick(box(T(3)), Qt::Key_Backspace); // 200 MW
    EXPECT_EQ(message(), "");
    EXPECT_EQ(texts(), QStringList({"113.01", "100.00", "282.84", "200000000000"}));

    erase(T(0));
    type(T(0), "-200");
    EXPECT_EQ(message(), "dB value is too low. Must higher than -120 dB.");
    click("Command_DB2_Clear");
    EXPECT_EQ(message(), "");
    EXPECT_FALSE(enabled("Command_DB2_ChangeSign") || enabled("Command_DB2_Clear"));
    type(T(1), "0");
    EXPECT_EQ(texts(), QStringList({"", "0", "", ""}));
    EXPECT_EQ(message(), "");
    type(T(1), "1"); // 1 mV, the unit -20 dB chose
    EXPECT_EQ(box(T(0))->text(), "-46.99");
}

TEST_F(DbLevelTest, NewDecimalsRewriteTheBoxInItsUnit) {
    type(T(0), "0");
    platform.onModal = [](QDialog* dialog) {
        dialog->findChild<QAbstractButton*>("Option_SNP(0)")->click(); // no decimals
        dialog->findChild<QAbstractButton*>("Command_SNP_OK")->click();
    };
    QTest::keyClick(box(T(1)), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(box(T(1))->text(), "224");
    type(T(1), "0"); // 2240 mV
    EXPECT_EQ(box(T(0))->text(), "20.02");
}

} // namespace
} // namespace oq
