#include "gui_test.h"

#include <QDialog>
#include <QTest>

namespace oq {
namespace {

QString T(int i) {
    return QStringLiteral("Text_DB1(%1)").arg(i);
}

class DbRatioTest : public MainFormTest {
  protected:
    void SetUp() override {
        MainFormTest::SetUp();
        selectTab(TabDB1);
    }
    void fresh() {
        restart();
        selectTab(TabDB1);
    }
    QStringList texts() const { return {box(T(0))->text(), box(T(1))->text(), box(T(2))->text()}; }
    bool gain() const { return button("Option_DB1(1)")->isChecked(); }
    bool overflow() const { return label("Label_DB1_Overflow")->isVisible(); }
    bool clearEnabled() const { return button("Command_DB1_Clear")->isEnabled(); }
};

TEST_F(DbRatioTest, AnyBoxGivesTheOtherTwo) {
    EXPECT_TRUE(button("Option_DB1(0)")->isChecked() && button("Option_DB1_VP(0)")->isChecked());
    EXPECT_FALSE(clearEnabled());
    struct Case {
        const char* what;
        bool power, clickGain;
        int box;
        QString typed;
        QStringList shown;
        bool gain;
    };
    const Case cases[] = {
        {"50 %", false, true, 1, "50", {"2.00", "50", "6.02"}, false},
        {"100 % is a gain", false, false, 1, "100", {"1.00", "100", "0.00"}, true},
        {"99.9 % attenuates", false, true, 1, "99.9", {"1.00", "99.9", "0.01"}, false},
        {"X 1", false, false, 0, "1", {"1", "100.00", "0.00"}, false},
        {"X 10 gain", false, true, 0, "10", {"10", "1000.00", "20.00"}, true},
        {"120 dB", false, false, 2, "120", {"1000000.00", "0.00", "120"}, false},
        {"130 dB beyond the X limit", false, false, 2, "130", {"3162277.66", "0.00", "130"}, false},
        {"20 dB power", true, false, 2, "20", {"100.00", "1.00", "20"}, false},
    };
    for (const Case& c : cases) {
        fresh();
        if (c.power)
            click("Option_DB1_VP(1)");
        if (c.clickGain)
            click("Option_DB1(1)");
        type(T(c.box), c.typed);
        EXPECT_EQ(texts(), c.shown) << c.what;
        EXPECT_EQ(gain(), c.gain) << c.what;
        EXPECT_TRUE(clearEnabled() && !overflow()) << c.what;
        EXPECT_TRUE(box(T(c.box))->hasFocus()) << c.what;
    }
}

TEST_F(DbRatioTest, ChoosingGainOrKindRecomputesAndKeepsTheFocus) {
    type(T(0), "2");
    EXPECT_EQ(texts(), QStringList({"2", "50.00", "6.02"}));
    click("Option_DB1(1)");
    EXPECT_EQ(texts(), QStringList({"2", "200.00", "6.02"}));
    EXPECT_TRUE(box(T(0))->hasFocus());

    // Voltage to power keeps the dB figure: X 10 (20 dB) becomes X 100.
    erase(T(0));
    type(T(0), "10");
    click("Option_DB1_VP(1)");
    EXPECT_EQ(texts(), QStringList({"100.00", "10000.00", "20.00"}));
    EXPECT_TRUE(box(T(0))->hasFocus());
    click("Option_DB1_VP(0)");
    EXPECT_EQ(texts(), QStringList({"10.00", "1000.00", "20.00"}));

    // A typed percentage decides gain or attenuation whatever is clicked.
    erase(T(1));
    type(T(1), "50");
    EXPECT_FALSE(gain());
    click("Option_DB1(1)");
    EXPECT_FALSE(gain());
    EXPECT_EQ(texts(), QStringList({"2.00", "50", "6.02"}));
    EXPECT_TRUE(box(T(1))->hasFocus());
    type(T(1), "0"); // the next keystroke still counts
    EXPECT_EQ(texts(), QStringList({"5.00", "500", "13.98"}));
    EXPECT_TRUE(gain());
}

TEST_F(DbRatioTest, EntriesBeyondTheLimitsEmptyTheOthers) {
    struct Case {
        bool power;
        int box;
        QString typed;
        bool refused;
    };
    const Case cases[] = {
        {false, 0, "0.5", true},          {false, 0, "1000000", false},
        {false, 0, "1000001", true},      {true, 0, "1000001", false},
        {true, 0, "1000000000001", true}, {false, 1, "0.0001", false},
        {false, 1, "0.00009", true},      {false, 1, "100000001", true},
        {true, 1, "0.0000000001", false}, {true, 1, "0", true},
        {false, 2, "140", false},         {false, 2, "140.01", true},
        {true, 2, "141", true},
    };
    for (const Case& c : cases) {
        fresh();
        if (c.power)
            click("Option_DB1_VP(1)");
        type(T(c.box), c.typed);
        const std::string at = std::to_string(c.box) + " " + c.typed.toStdString();
        EXPECT_EQ(overflow(), c.refused) << at;
        for (int b = 0; b < 3; ++b)
            if (b != c.box) {
                EXPECT_EQ(box(T(b))->text().isEmpty(), c.refused) << at << " box " << b;
            }
        EXPECT_EQ(box(T(c.box))->text(), c.typed) << at;
    }
    // Switching kinds converts nothing meanwhile; the next valid entry hides the label.
    fresh();
    type(T(0), "20");
    type(T(0), "0000000");
    EXPECT_TRUE(overflow());
    click("Option_DB1_VP(1)");
    EXPECT_TRUE(box(T(1))->text().isEmpty() && overflow());
    QTest::keyClick(box(T(0)), Qt::Key_Backspace);
    EXPECT_FALSE(overflow());
    EXPECT_EQ(texts(), QStringList({"20000000", "0.00", "73.01"}));
}

// Pasted text passes the key filter: a negative dB figure or a number beyond the double range
// must show the label, never inf or nan.
TEST_F(DbRatioTest, PastedNumbersTheArithmeticCannotHoldShowTheLabel) {
    const QString cases[][2] = {
        {T(2), "-1e300"}, {T(0), "1" + QString(400, '0')}, {T(2), "-1" + QString(400, '0')}};
    for (const auto& c : cases) {
        fresh();
        box(c[0])->setFocus();
        box(c[0])->insert(c[1]);
        EXPECT_TRUE(overflow()) << c[1].left(10).toStdString();
        for (const QString& shown : texts())
            EXPECT_FALSE(shown.contains("inf") || shown.contains("nan"));
        type(T(1), "1"); // a sound entry afterwards converts again
        EXPECT_FALSE(overflow());
    }
}

TEST_F(DbRatioTest, EmptyingOrDoubleClickingOneBoxClearsTheTab) {
    type(T(1), "25");
    erase(T(1));
    EXPECT_EQ(texts(), QStringList({"", "", ""}));
    EXPECT_FALSE(clearEnabled());
    type(T(1), "25");
    QTest::mouseDClick(box(T(0)), Qt::LeftButton);
    EXPECT_EQ(texts(), QStringList({"", "", ""}));
    type(T(2), "6");
    click("Command_DB1_Clear");
    EXPECT_EQ(texts(), QStringList({"", "", ""}));
    EXPECT_TRUE(box(T(2))->hasFocus());
    type(T(2), "6"); // nothing left over swallows the next keystroke
    EXPECT_EQ(texts(), QStringList({"2.00", "50.12", "6"}));
}

TEST_F(DbRatioTest, NewDecimalsRewriteTheBoxAndKeepTheNextKeystroke) {
    type(T(0), "2");
    platform.onModal = [](QDialog* dialog) {
        dialog->findChild<QAbstractButton*>("Option_SNP(4)")->click();
        dialog->findChild<QAbstractButton*>("Command_SNP_OK")->click();
    };
    QTest::keyClick(box(T(2)), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(box(T(2))->text(), "6.0206");
    type(T(0), "0");
    EXPECT_EQ(texts(), QStringList({"20", "5.00", "26.0206"}));
}

} // namespace
} // namespace oq
