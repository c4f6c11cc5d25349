#include "gui_test.h"

#include <QRegularExpression>
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
    QStringList texts() const { return {box(T(0))->text(), box(T(1))->text(), box(T(2))->text()}; }
    bool gain() const { return button("Option_DB1(1)")->isChecked(); }
    bool overflow() const { return label("Label_DB1_Overflow")->isVisible(); }
};

// The worked examples are the model's; here the switches recompute from the stored values (a
// rounded dB figure would make X 400 into 399.94) and the focus stays where the user works.
TEST_F(DbRatioTest, GainAndKindSwitchesRecomputeAndKeepTheFocus) {
    EXPECT_TRUE(button("Option_DB1(0)")->isChecked() && button("Option_DB1_VP(0)")->isChecked());
    type(T(0), "2");
    click("Option_DB1(1)");
    EXPECT_EQ(texts(), QStringList({"2", "200.00", "6.02"}));
    EXPECT_TRUE(box(T(0))->hasFocus());
    type(T(0), "0"); // X 20 is 26 dB; as a power ratio that is X 400
    click("Option_DB1_VP(1)");
    EXPECT_EQ(texts(), QStringList({"400.00", "40000.00", "26.02"}));
    EXPECT_TRUE(box(T(0))->hasFocus());

    // A typed percentage decides gain or attenuation whatever is clicked.
    erase(T(1));
    type(T(1), "100");
    EXPECT_TRUE(gain());
    QTest::keyClick(box(T(1)), Qt::Key_Backspace); // 10 %
    click("Option_DB1(1)");
    EXPECT_FALSE(gain());
    EXPECT_EQ(texts(), QStringList({"10.00", "10", "10.00"}));
    type(T(1), "0"); // focus kept, and nothing swallows the next keystroke
    EXPECT_EQ(texts(), QStringList({"1.00", "100", "0.00"}));
}

TEST_F(DbRatioTest, EntriesBeyondTheLimitsEmptyTheOthers) {
    type(T(0), "4000000"); // beyond 120 dB of voltage
    EXPECT_TRUE(overflow());
    EXPECT_EQ(texts(), QStringList({"4000000", "", ""}));
    click("Option_DB1_VP(1)"); // converts nothing meanwhile
    EXPECT_TRUE(box(T(1))->text().isEmpty() && overflow());
    QTest::keyClick(box(T(0)), Qt::Key_Backspace); // as a power ratio X is within the limits
    EXPECT_FALSE(overflow());
    EXPECT_EQ(texts(), QStringList({"400000", "0.00", "56.02"}));
    erase(T(1)); // emptying one box empties the tab
    EXPECT_EQ(texts(), QStringList({"", "", ""}));
    EXPECT_FALSE(button("Command_DB1_Clear")->isEnabled());
    type(T(2), "140.01"); // dB: 140 for both kinds
    EXPECT_TRUE(overflow());
    QTest::mouseDClick(box(T(2)), Qt::LeftButton); // as Clear does
    EXPECT_EQ(texts(), QStringList({"", "", ""}));
    EXPECT_FALSE(overflow());
}

// Pasting passes the key filter: a negative dB figure too large to convert, or a number beyond
// the double range, shows the label and never inf or nan.
TEST_F(DbRatioTest, PastedNumbersTheArithmeticCannotHoldShowTheLabel) {
    const QString cases[][2] = {{T(2), "-1e300"}, {T(0), "1" + QString(400, '0')}};
    for (const auto& c : cases) {
        restart();
        selectTab(TabDB1);
        box(c[0])->setFocus();
        box(c[0])->insert(c[1]);
        EXPECT_TRUE(overflow());
        EXPECT_FALSE(texts().join(' ').contains(QRegularExpression("inf|nan")));
        type(T(1), "1");
        EXPECT_FALSE(overflow());
    }
}

} // namespace
} // namespace oq
