#include "gui_test.h"

#include <QDialog>
#include <QTest>

namespace oq {
namespace {

QString T(int i) {
    return QStringLiteral("Text_DB2(%1)").arg(i);
}
const char* const Groups[4] = {nullptr, "RMS", "PP", "Power"};

class DbLevelTest : public MainFormTest {
  protected:
    void SetUp() override {
        MainFormTest::SetUp();
        selectTab(TabDB2);
    }
    QStringList texts() const {
        QStringList shown;
        for (int i = 0; i < 4; ++i)
            shown << box(T(i))->text();
        return shown;
    }
    // The selected unit option of boxes 1 to 3, e.g. "1 1 3".
    QString units() const {
        QStringList chosen;
        for (int b = 1; b < 4; ++b) {
            const int count = b == 3 ? 7 : 4;
            for (int i = 0; i < count; ++i)
                if (button(QStringLiteral("Option_DB2_%1(%2)").arg(Groups[b]).arg(i))->isChecked())
                    chosen << QString::number(i);
        }
        return chosen.join(' ');
    }
    QString message() const {
        QLabel* l = label("Label_DB2_Overflow");
        return l->isVisible() ? l->text() : QString();
    }
    bool enabled(const QString& name) const { return button(name)->isEnabled(); }
};

TEST_F(DbLevelTest, LevelsFollowTheReference) {
    EXPECT_TRUE(button("Option_DB2_Ref(0)")->isChecked());
    EXPECT_EQ(units(), "2 2 4"); // V, V, W
    EXPECT_FALSE(enabled("Command_DB2_ChangeSign") || enabled("Command_DB2_Clear"));

    type(T(0), "0");
    EXPECT_EQ(texts(), QStringList({"0", "223.61", "632.46", "1.00"}));
    EXPECT_EQ(units(), "1 1 3"); // mV, mV, mW
    EXPECT_TRUE(enabled("Command_DB2_Clear") && !enabled("Command_DB2_ChangeSign"));

    click("Option_DB2_Ref(1)"); // dBU: the typed level stays, the rest follows
    EXPECT_EQ(texts(), QStringList({"0", "774.60", "2.19", "1.00"}));
    EXPECT_EQ(units(), "1 2 3");
    EXPECT_TRUE(box(T(0))->hasFocus());

    click("Option_DB2_Ref(2)"); // dBV hides the power row
    EXPECT_FALSE(box(T(3))->isVisible() || widget("Frame_DB2(3)")->isVisible() ||
                 label("Label_DB2(3)")->isVisible());
    erase(T(0));
    type(T(1), "1");
    EXPECT_EQ(texts(), QStringList({"0.00", "1", "2.83", "1.00"}));
    EXPECT_EQ(units(), "2 2 3");
}

TEST_F(DbLevelTest, EntriesBeyondTheLimitsExplainThemselves) {
    struct Case {
        int box;
        QString typed, message;
    };
    const Case cases[] = {
        {0, "120", ""},
        {0, "-120", ""},
        {0, "120.01", "dB value is too high. Must lower than 120 dB."},
        {0, "-121", "dB value is too low. Must higher than -120 dB."},
        {1, "0.0000002", "RMS value is too low. Must be higher than 223.61 nV."},
        {2, "700000", "P-P value is too high. Must be less than 632.46 kV."},
        {3, "2000000000", "Power value is too high. Must be less than 1.00 GW."},
    };
    for (const Case& c : cases) {
        restart();
        selectTab(TabDB2);
        type(T(c.box), c.typed);
        EXPECT_EQ(message(), c.message) << c.typed.toStdString();
        EXPECT_EQ(box(T(c.box))->text(), c.typed);
        for (int b = 0; b < 4; ++b)
            if (b != c.box) {
                EXPECT_EQ(box(T(b))->text().isEmpty(), !c.message.isEmpty()) << b;
            }
    }
    QTest::keyClick(box(T(3)), Qt::Key_Backspace); // 200 MW is within the limits
    EXPECT_EQ(message(), "");
    EXPECT_EQ(texts(), QStringList({"113.01", "100.00", "282.84", "200000000"}));
    EXPECT_EQ(units(), "3 3 4");
}

// The digits stay and are read in the unit chosen; the other boxes follow.
TEST_F(DbLevelTest, UnitClickRereadsTheDigits) {
    click("Option_DB2_RMS(1)"); // mV before typing
    EXPECT_TRUE(box(T(1))->hasFocus());
    type(T(1), "5");
    EXPECT_EQ(texts(), QStringList({"-33.01", "5", "14.14", "500.00"}));
    EXPECT_EQ(units(), "1 1 1");
    click("Option_DB2_RMS(2)");
    EXPECT_EQ(texts(), QStringList({"26.99", "5", "14.14", "500.00"}));
    EXPECT_EQ(units(), "2 2 3");
    EXPECT_TRUE(box(T(1))->hasFocus());
    type(T(1), "0"); // 50 V
    EXPECT_EQ(box(T(0))->text(), "46.99");
}

TEST_F(DbLevelTest, DbvWhileThePowerBoxIsActiveMovesTheFocusToTheLevel) {
    type(T(3), "1");
    EXPECT_EQ(box(T(0))->text(), "30.00");
    click("Option_DB2_Ref(2)");
    EXPECT_TRUE(box(T(0))->hasFocus());
    EXPECT_FALSE(box(T(3))->isVisible());
    EXPECT_EQ(texts(), QStringList({"30.00", "31.62", "89.44", "1.00"}));
    click("Option_DB2_Ref(0)");
    EXPECT_TRUE(box(T(3))->isVisible());
    EXPECT_EQ(texts(), QStringList({"30.00", "7.07", "20.00", "1.00"}));
}

TEST_F(DbLevelTest, SignRules) {
    type(T(1), "-5"); // no minus in a voltage
    EXPECT_EQ(box(T(1))->text(), "5");
    erase(T(1));

    type(T(0), "3");
    EXPECT_TRUE(enabled("Command_DB2_ChangeSign"));
    type(T(0), "-"); // only at the start, and once
    EXPECT_EQ(box(T(0))->text(), "3");
    box(T(0))->home(false);
    QTest::keyClicks(box(T(0)), "--");
    EXPECT_EQ(box(T(0))->text(), "-3");
    EXPECT_EQ(box(T(1))->text(), "158.30");

    click("Command_DB2_ChangeSign");
    EXPECT_EQ(texts(), QStringList({"3.00", "315.85", "893.37", "2.00"}));
    EXPECT_TRUE(box(T(0))->hasFocus());
    click("Command_DB2_ChangeSign");
    EXPECT_EQ(texts(), QStringList({"-3.00", "158.30", "447.74", "501.19"}));
    EXPECT_EQ(units(), "1 1 2");

    type(T(1), ""); // another box in front disables the button
    EXPECT_FALSE(enabled("Command_DB2_ChangeSign"));
    type(T(0), "");
    EXPECT_TRUE(enabled("Command_DB2_ChangeSign"));

    erase(T(0));
    type(T(0), "-"); // a lone minus empties the others quietly
    EXPECT_EQ(texts(), QStringList({"-", "", "", ""}));
    EXPECT_FALSE(enabled("Command_DB2_ChangeSign") || enabled("Command_DB2_Clear"));
    EXPECT_EQ(message(), "");
    erase(T(0));
    type(T(0), "0");
    EXPECT_FALSE(enabled("Command_DB2_ChangeSign"));
    type(T(0), ".");
    EXPECT_FALSE(enabled("Command_DB2_ChangeSign"));
    type(T(0), "5");
    EXPECT_TRUE(enabled("Command_DB2_ChangeSign"));
}

TEST_F(DbLevelTest, ZeroEmptiesTheOthersAndClearEmptiesAll) {
    type(T(1), "0");
    EXPECT_EQ(texts(), QStringList({"", "0", "", ""}));
    EXPECT_FALSE(enabled("Command_DB2_Clear"));
    EXPECT_EQ(message(), "");
    type(T(0), "-200");
    EXPECT_FALSE(message().isEmpty());
    click("Command_DB2_Clear");
    EXPECT_EQ(texts(), QStringList({"", "", "", ""}));
    EXPECT_EQ(message(), "");
    EXPECT_FALSE(enabled("Command_DB2_ChangeSign") || enabled("Command_DB2_Clear"));
    EXPECT_TRUE(box(T(0))->hasFocus());
    type(T(0), "0"); // nothing left over swallows the next keystroke
    EXPECT_EQ(box(T(1))->text(), "223.61");
}

TEST_F(DbLevelTest, NewDecimalsRewriteTheBoxInItsUnit) {
    type(T(0), "0");
    platform.onModal = [](QDialog* dialog) {
        dialog->findChild<QAbstractButton*>("Option_SNP(0)")->click(); // no decimals
        dialog->findChild<QAbstractButton*>("Command_SNP_OK")->click();
    };
    QTest::keyClick(box(T(1)), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(box(T(1))->text(), "224");
    EXPECT_EQ(units(), "1 1 3");
    type(T(1), "0"); // 2240 mV
    EXPECT_EQ(box(T(0))->text(), "20.02");
}

} // namespace
} // namespace oq
