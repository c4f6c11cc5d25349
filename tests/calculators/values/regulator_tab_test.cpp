#include "app/tab_table.h"
#include "core/tab_strip.h"
#include "gui_test.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace oq {
namespace {

QString T(int i) {
    return QStringLiteral("Text_REG(%1)").arg(i);
}

enum {
    Vout = 0,
    R1,
    R2,
    VrefMin,
    VrefTyp,
    VrefMax,
    IadjMin,
    IadjTyp,
    IadjMax,
    RangeLow,
    RangeHigh
};
enum { VoutMin = 11, VoutMax, Below, Above, Error };

class RegulatorTabTest : public MainFormTest {
  protected:
    void SetUp() override {
        MainFormTest::SetUp();
        open();
    }
    void open() {
        selectTab(TabREG);
        ASSERT_TRUE(box(T(0))->isVisible());
    }
    QString text(int b) const { return box(T(b))->text(); }
    QComboBox* combo(const char* name) const {
        return FindChild<QComboBox>(*form, QLatin1String(name));
    }
    QLabel* warning() const { return label(QStringLiteral("Label_REG_WrongValue")); }
    bool warned() const { return warning()->isVisible(); }
};

// The reference figures as a user types them: adjustable-regulator data-sheet forms.
TEST_F(RegulatorTabTest, ReferenceFiguresAsTyped) {
    click(QStringLiteral("Option_REG_Kind(1)"));
    type(T(VrefTyp), QStringLiteral("1.25"));
    type(T(R1), QStringLiteral("240"));
    type(T(R2), QStringLiteral("720"));
    EXPECT_EQ(text(Vout), "5.0000");
    type(T(IadjTyp), QStringLiteral("50"));
    EXPECT_EQ(text(Vout), "5.0360");

    click(QStringLiteral("Option_REG_Kind(0)"));
    EXPECT_FALSE(box(T(IadjTyp))->isEnabled()); // no adjust current on the standard kind
    erase(T(R1));
    erase(T(R2));
    type(T(R1), QStringLiteral("10000"));
    type(T(R2), QStringLiteral("10000"));
    type(T(VrefMin), QStringLiteral("1.225"));
    type(T(VrefMax), QStringLiteral("1.275"));
    EXPECT_EQ(text(Vout), "2.5000");
    EXPECT_EQ(text(VoutMin), "2.4257");
    EXPECT_EQ(text(VoutMax), "2.5758");
    EXPECT_EQ(text(Below), "-2.97");
    EXPECT_EQ(text(Above), "3.03");
    // 5 % resistors widen the worst case.
    combo("Combo_REG_Tolerance")->setCurrentIndex(4);
    EXPECT_EQ(text(VoutMin), "2.3333");
}

TEST_F(RegulatorTabTest, TheUnknownIsChosenAndRefusalsAreTold) {
    type(T(VrefTyp), QStringLiteral("1.25"));
    click(QStringLiteral("Option_REG(2)"));
    EXPECT_TRUE(box(T(R2))->isLocked());
    EXPECT_FALSE(box(T(Vout))->isLocked());
    EXPECT_TRUE(box(T(VoutMin))->isLocked());
    type(T(Vout), QStringLiteral("5"));
    type(T(R1), QStringLiteral("30000"));
    EXPECT_EQ(text(R2), "10000.00");
    EXPECT_FALSE(warned());

    erase(T(Vout));
    type(T(Vout), QStringLiteral("1"));
    EXPECT_TRUE(warned());
    EXPECT_EQ(warning()->text(), "Vout too low for this Vref");
    EXPECT_EQ(text(R2), "");
    EXPECT_EQ(text(VoutMax), "");
    EXPECT_FALSE(button(QStringLiteral("Check_REG_StdVal"))->isEnabled());

    erase(T(Vout));
    type(T(Vout), QStringLiteral("2"));
    type(T(VrefMin), QStringLiteral("1.3"));
    EXPECT_EQ(warning()->text(), "Needs min <= typical <= max");
    erase(T(VrefMin));
    EXPECT_FALSE(warned());
    EXPECT_EQ(text(R2), "50000.00");
}

TEST_F(RegulatorTabTest, StandardValuesShowTheBestPairAndTheTenBest) {
    type(T(VrefTyp), QStringLiteral("1.25"));
    click(QStringLiteral("Option_REG(1)"));
    type(T(Vout), QStringLiteral("5"));
    type(T(R2), QStringLiteral("12345"));
    EXPECT_EQ(text(R1), "37035.00");
    click(QStringLiteral("Option_REG_STD(1)")); // E-24
    click(QStringLiteral("Check_REG_StdVal"));
    // Searched over pairs with R2 kept within 1 k .. 100 k, the middle first.
    EXPECT_EQ(text(R1), "30 k");
    EXPECT_EQ(text(R2), "10 k");
    EXPECT_EQ(text(Vout), "5.0000");
    EXPECT_EQ(text(Error), "0.000");
    for (int b = 0; b <= Error; ++b)
        EXPECT_TRUE(box(T(b))->isLocked()) << b;
    EXPECT_FALSE(button(QStringLiteral("Option_REG(0)"))->isEnabled());
    QComboBox* pairs = combo("Combo_REG_Pairs");
    ASSERT_EQ(pairs->count(), 10);
    EXPECT_TRUE(pairs->isEnabled());
    EXPECT_EQ(pairs->itemText(0), "R1 30 k, R2 10 k: 5.0000 V (0.000 %)");

    // A pair picked from the list shows with its output and worst case.
    pairs->setCurrentIndex(3);
    emit pairs->activated(3);
    EXPECT_EQ(pairs->itemText(3).left(text(R1).size() + 3), "R1 " + text(R1));
    EXPECT_FALSE(text(VoutMax).isEmpty());

    click(QStringLiteral("Check_REG_StdVal"));
    EXPECT_EQ(text(R2), "12345.00");
    EXPECT_EQ(text(R1), "37035.00");
    EXPECT_EQ(text(Error), "");
    EXPECT_FALSE(pairs->isEnabled());
    EXPECT_FALSE(box(T(R2))->isLocked());

    // The three-terminal kind keeps R1 within 100 ohm .. 1 k.
    click(QStringLiteral("Option_REG_Kind(1)"));
    EXPECT_EQ(text(RangeLow), "120");
    EXPECT_EQ(text(RangeHigh), "240");
    erase(T(RangeLow));
    type(T(RangeLow), QStringLiteral("47"));
    click(QStringLiteral("Option_REG(0)"));
    erase(T(R1));
    type(T(R1), QStringLiteral("240"));
    click(QStringLiteral("Check_REG_StdVal"));
    EXPECT_TRUE(warned());
    EXPECT_EQ(warning()->text(), "Range out of order or out of limits");
    click(QStringLiteral("Check_REG_StdVal"));
    EXPECT_FALSE(warned());
}

// The list of regulators: a pick fills the figures; added and removed entries are kept.
TEST_F(RegulatorTabTest, RegulatorsArePickedAddedAndRemoved) {
    QComboBox* list = combo("Combo_REG_Regulator");
    ASSERT_EQ(list->count(), 5);
    EXPECT_EQ(list->itemText(0), "Three-terminal 1.25 V");
    list->setCurrentIndex(0);
    emit list->activated(0);
    EXPECT_TRUE(button(QStringLiteral("Option_REG_Kind(1)"))->isChecked());
    EXPECT_EQ(text(VrefMin), "1.2000");
    EXPECT_EQ(text(VrefMax), "1.3000");
    EXPECT_EQ(text(IadjTyp), "50.0");
    EXPECT_EQ(text(IadjMax), "100.0");

    erase(T(VrefTyp));
    type(T(VrefTyp), QStringLiteral("1.24"));
    list->setEditText(QStringLiteral("Mine"));
    click(QStringLiteral("Command_REG_Add"));
    ASSERT_EQ(list->count(), 6);
    restart();
    open();
    list = combo("Combo_REG_Regulator");
    ASSERT_EQ(list->count(), 6);
    list->setCurrentIndex(5);
    emit list->activated(5);
    EXPECT_EQ(text(VrefTyp), "1.2400");
    EXPECT_EQ(text(IadjMax), "100.0");

    platform.questionAnswer = false;
    click(QStringLiteral("Command_REG_Remove"));
    EXPECT_EQ(list->count(), 6);
    platform.questionAnswer = true;
    click(QStringLiteral("Command_REG_Remove"));
    EXPECT_EQ(list->count(), 5);
    EXPECT_EQ(platform.messages.back().title, "Remove Regulator");
}

} // namespace
} // namespace oq
