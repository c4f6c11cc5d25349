#include "gui_test.h"

#include <QTest>

namespace oq {
namespace {

// The two tabs are driven alike; `c` is the code of the tab under test.
class AttenuatorTest : public MainFormTest {
  protected:
    static QString T(const char* c, int i) {
        return QStringLiteral("Text_%1(%2)").arg(QLatin1String(c)).arg(i);
    }
    static QString N(const char* pattern, const char* c) {
        return QString::fromLatin1(pattern).arg(QLatin1String(c));
    }

    void design(const char* c, const QString& z1, const QString& z2, const QString& db = {}) {
        selectTab(QLatin1String(c) == QLatin1String("PI") ? 3 : 4);
        type(T(c, 0), z1);
        type(T(c, 1), z2);
        if (!db.isEmpty()) {
            erase(T(c, 2));
            type(T(c, 2), db);
        }
    }
    // Boxes 2 to 6: the attenuation, the arms and the reverse attenuation.
    QStringList results(const char* c) const {
        QStringList shown;
        for (int i = 2; i < 7; ++i)
            shown << box(T(c, i))->text();
        return shown;
    }
    QStringList impedances(const char* c) const {
        return {box(T(c, 0))->text(), box(T(c, 1))->text()};
    }
    bool wrong(const char* c) const { return label(N("Label_%1_WrongValue", c))->isVisible(); }
    bool enabled(const QString& name) const { return button(name)->isEnabled(); }
    bool ticked(const QString& name) const { return button(name)->isChecked(); }
};

// Clear All after a design or a failure leaves nothing to snap or warn about.
TEST_F(AttenuatorTest, DesignsImpossibleOnesAndClearAllOnBothTabs) {
    struct Case {
        const char* tab;
        QString z1, z2, db;
        QStringList shown;
        bool minAtt; // the way back to the minimum is offered
    };
    const QStringList none = {"", "", "", ""};
    const Case cases[] = {
        {"PI", "50", "50", "10", {"10", "96.25", "71.15", "96.25", "10.00"}, true},
        {"PI", "75", "50", "", {"7.48", "Open", "43.30", "86.60", "3.96"}, false},
        {"T", "75", "50", "", {"7.48", "43.30", "86.60", "Short", "3.96"}, false},
        {"PI", "50", "75", "", QStringList{""} + none, false}, // the source must be the larger
        {"T", "75", "50", "7.48", QStringList{"7.48"} + none, true}, // the minimum rounded down
    };
    for (const Case& c : cases) {
        restart();
        design(c.tab, c.z1, c.z2, c.db);
        const std::string at = c.tab + (" " + c.z1 + "/" + c.z2 + " " + c.db).toStdString();
        EXPECT_EQ(results(c.tab), c.shown) << at;
        const bool failed = c.shown[1].isEmpty();
        EXPECT_EQ(wrong(c.tab), failed) << at;
        EXPECT_EQ(enabled(N("Command_%1_MinAtt", c.tab)), c.minAtt) << at;
        // Only a chosen attenuation that worked can be snapped.
        EXPECT_EQ(enabled(N("Check_%1_StdVal", c.tab)), !failed && !c.db.isEmpty()) << at;
        click(N("Command_%1_Clear", c.tab));
        EXPECT_FALSE(wrong(c.tab) || enabled(N("Check_%1_StdVal", c.tab)) ||
                     enabled(N("Command_%1_MinAtt", c.tab)))
            << at;
        EXPECT_TRUE(box(T(c.tab, 2))->isLocked()) << at;
    }
}

TEST_F(AttenuatorTest, VoltageAndPowerReadTheSameFigureInTheirOwnSense) {
    design("PI", "75", "50", "20");
    EXPECT_EQ(results("PI"), QStringList({"20", "103.32", "246.25", "60.43", "16.48"}));
    click("Option_PI_VP(1)");
    // The figure stays, the design is made for a power ratio of 100.
    EXPECT_EQ(results("PI"), QStringList({"20.00", "97.05", "303.12", "58.46", "20.00"}));
    EXPECT_TRUE(box(T("PI", 2))->hasFocus());
}

TEST_F(AttenuatorTest, StandardValuesShowTheRealNetworkAndComeBack) {
    design("PI", "50", "50", "10");
    click("Option_PI_STD(1)");
    click("Check_PI_StdVal");
    EXPECT_EQ(results("PI"), QStringList({"9.66", "100", "68", "100", "9.66"}));
    EXPECT_EQ(impedances("PI"), QStringList({"50.33", "50.33"}));
    for (const char* name : {"Option_PI_VP(0)", "Command_PI_MinAtt", "Check_PI_CopyT",
                             "Command_PI_Clear", "Option_PI_STD(0)"})
        EXPECT_FALSE(enabled(name)) << name;
    EXPECT_TRUE(box(T("PI", 0))->isLocked());
    click("Check_PI_StdVal");
    EXPECT_EQ(results("PI"), QStringList({"10.00", "96.25", "71.15", "96.25", "10.00"}));
    EXPECT_FALSE(box(T("PI", 0))->isLocked());

    // An arm that showed Short is no resistor to snap, and Short comes back, not its stored 0.1.
    erase(T("PI", 2));
    type(T("PI", 2), "0.001");
    const QStringList before = results("PI");
    ASSERT_EQ(before[2], "Short");
    click("Check_PI_StdVal");
    EXPECT_EQ(results("PI")[2], "Short");
    click("Check_PI_StdVal");
    EXPECT_EQ(results("PI"), QStringList({"0.00"}) + before.mid(1));

    // Nor has it decimals to set: the user is told why.
    platform.messages.clear();
    QTest::keyClick(box(T("PI", 4)), Qt::Key_Return, Qt::ShiftModifier);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "Any value less than 0.1 ohm is converted to 0 ohm \nand shown as Short.\n\n"
              "Decimal settings can't be changed at this point.");
    EXPECT_TRUE(platform.modalTitles.isEmpty());
}

TEST_F(AttenuatorTest, CopyingRunsOnADirectSwitchAndUsesUpItsTick) {
    // Standard values on show at the target are switched off first.
    design("T", "50", "50", "10");
    click("Check_T_StdVal");
    design("PI", "75", "50", "20");
    click("Option_PI_VP(1)");
    click("Check_PI_CopyT");
    selectTab(4);
    EXPECT_FALSE(ticked("Check_T_StdVal") || box(T("T", 0))->isLocked());
    EXPECT_TRUE(enabled("Command_T_Clear"));
    EXPECT_EQ(impedances("T"), QStringList({"75.00", "50.00"}));
    EXPECT_EQ(results("T"), QStringList({"20.00", "64.14", "12.37", "38.64", "20.00"}));
    EXPECT_TRUE(ticked("Option_T_VP(1)"));
    EXPECT_FALSE(ticked("Check_PI_CopyT"));

    // Back the other way: the T-net's minimum is not copied as a chosen attenuation.
    click("Command_T_MinAtt");
    click("Check_T_CopyPI");
    selectTab(3);
    EXPECT_EQ(results("PI"), QStringList({"5.72", "Open", "43.30", "86.60", "5.72"}));
    EXPECT_FALSE(enabled("Command_PI_MinAtt"));
    EXPECT_FALSE(ticked("Check_T_CopyPI"));

    // The used-up tick does not bring the T-net's values back over the user's edits.
    erase(T("PI", 1));
    type(T("PI", 1), "60");
    selectTab(4);
    selectTab(3);
    EXPECT_EQ(impedances("PI"), QStringList({"75.00", "60"}));
    // Nor does a switch through another tab copy anything.
    click("Check_PI_CopyT");
    selectTab(0);
    selectTab(4);
    EXPECT_EQ(impedances("T"), QStringList({"75.00", "50.00"}));
}

} // namespace
} // namespace oq
