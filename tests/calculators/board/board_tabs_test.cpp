#include "gui_test.h"

#include <QGroupBox>
#include <QTest>

namespace oq {
namespace {

class BoardTabsTest : public MainFormTest {
  protected:
    void open(int index) { form->showTab(index); }
    QString text(const QString& box) { return this->box(box)->text(); }
    bool checked(const QString& option) { return button(option)->isChecked(); }
    bool highlighted(int column) {
        return label(QStringLiteral("Label_ES_Spacing(%1)").arg(column))->backgroundRole() ==
               QPalette::Highlight;
    }
    bool locked(int b) { return box(QStringLiteral("Text_WL(%1)").arg(b))->isLocked(); }
};

// The spacing reads in the unit chosen, box and table alike; the column chosen is the box's and
// the highlighted row's; both choices are there again at the next start, and the voltage keeps
// the focus.
TEST_F(BoardTabsTest, SpacingUnitAndColumnAreChosenAndKept) {
    open(TabES);
    EXPECT_TRUE(checked("Option_ES_U(0)") && checked("Option_ES(0)") && highlighted(0));
    type("Text_ES(0)", "600");
    EXPECT_EQ(text("Text_ES(1)"), "0.500"); // B1 at 600 V: 0.25 mm + 100 V x 0.0025 mm/V
    EXPECT_EQ(label("Label_ES_Spacing(2)")->text(), "15.000");
    EXPECT_EQ(label("Label_ES_PerVolt(0)")->text(), "0.00250");
    EXPECT_EQ(label("Label_ES_Head(1)")->text(), "Spacing, mm");

    click("Option_ES_U(1)"); // mil
    EXPECT_EQ(text("Text_ES(1)"), "19.685");
    EXPECT_EQ(label("Label_ES_PerVolt(0)")->text(), "0.0984");
    EXPECT_EQ(label("Label_ES_Head(1)")->text(), "Spacing, mil");
    EXPECT_EQ(text("Text_ES(0)"), "600");
    EXPECT_TRUE(box("Text_ES(0)")->hasFocus());

    click("Option_ES(2)"); // B3: 12.5 mm + 100 V x 0.025 mm/V = 15 mm
    EXPECT_EQ(text("Text_ES(1)"), "590.551");
    EXPECT_TRUE(highlighted(2) && checked("Option_ES(2)"));
    EXPECT_FALSE(highlighted(0) || checked("Option_ES(0)"));
    EXPECT_TRUE(checked("Option_ES_U(1)"));
    EXPECT_TRUE(box("Text_ES(0)")->hasFocus());

    restart();
    EXPECT_EQ(store.values["ES Spacing Unit"], "1");
    EXPECT_EQ(store.values["ES Column"], "2");
    open(TabES);
    EXPECT_TRUE(checked("Option_ES_U(1)") && checked("Option_ES(2)") && highlighted(2));
    EXPECT_EQ(text("Text_ES(0)") + text("Text_ES(1)"), "");
    type("Text_ES(0)", "600");
    EXPECT_EQ(text("Text_ES(1)"), "590.551");
    click("Option_ES_U(2)"); // inch
    EXPECT_EQ(text("Text_ES(1)"), "0.591");
    // Clear All keeps both choices.
    click("Command_ES_Clear");
    EXPECT_EQ(text("Text_ES(0)") + text("Text_ES(1)") + label("Label_ES_Spacing(2)")->text(), "");
    EXPECT_TRUE(checked("Option_ES_U(2)") && checked("Option_ES(2)"));
}

// Frequency, period or wavelength is given, the other two follow; the frequency and period units
// of a result suit its value, and only a given one's unit is the user's to choose.
TEST_F(BoardTabsTest, WavelengthSolvesFromTheGivenOne) {
    open(TabWL);
    EXPECT_TRUE(checked("Option_WL(0)") && !locked(0) && locked(1) && locked(2));
    EXPECT_TRUE(checked("Option_WL_F(2)") && checked("Option_WL_L(1)")); // MHz, mm
    click("Option_WL_F(3)");                                             // GHz
    type("Text_WL(0)", "1");
    EXPECT_EQ(text("Text_WL(2)"), "299.79"); // mm, in vacuum
    EXPECT_EQ(text("Text_WL(1)"), "1.00");
    EXPECT_TRUE(checked("Option_WL_T(3)")); // ns
    EXPECT_EQ(text("Text_WL(5)"), "299792458");
    EXPECT_EQ(text("Text_WL(6)"), "74.95");
    EXPECT_EQ(label("Label_WL_VelocityFactor")->text(), "= 1.000 c");
    type("Text_WL(3)", "4");
    EXPECT_EQ(text("Text_WL(2)"), "149.90"); // at εr = 4
    EXPECT_EQ(label("Label_WL_VelocityFactor")->text(), "= 0.500 c");

    // The wavelength given: the frequency and the period follow, in the units that suit them.
    click("Option_WL(2)");
    EXPECT_TRUE(locked(0) && locked(1) && !locked(2));
    EXPECT_FALSE(widget("Frame_WL(0)")->isEnabled() || widget("Frame_WL(1)")->isEnabled());
    EXPECT_TRUE(widget("Frame_WL(2)")->isEnabled() && box("Text_WL(2)")->hasFocus());
    erase("Text_WL(2)");
    type("Text_WL(2)", "1500");
    EXPECT_EQ(text("Text_WL(0)"), "99.93"); // c / 2 / 1.5 m
    EXPECT_TRUE(checked("Option_WL_F(2)")); // MHz
    EXPECT_EQ(text("Text_WL(1)"), "10.01");
    EXPECT_TRUE(checked("Option_WL_T(3)")); // ns

    // The period given.
    click("Option_WL(1)");
    EXPECT_TRUE(locked(0) && !locked(1) && locked(2) && widget("Frame_WL(1)")->isEnabled());
    erase("Text_WL(1)");
    type("Text_WL(1)", "20");
    click("Option_WL_T(1)"); // 20 ms: mains
    EXPECT_EQ(text("Text_WL(1)"), "20");
    EXPECT_EQ(text("Text_WL(0)"), "50.00");
    EXPECT_TRUE(checked("Option_WL_F(0)")); // Hz
    EXPECT_EQ(text("Text_WL(2)"), "2997924580.00");
}

// The wavelength and its quarter read in the length unit chosen, which the next start keeps; a
// typed wavelength keeps its digits in a new unit, as typed numbers do on every tab with units.
TEST_F(BoardTabsTest, LengthUnitIsChosenAndKept) {
    open(TabWL);
    click("Option_WL_F(3)");
    type("Text_WL(0)", "1");
    click("Option_WL_L(2)"); // mil
    EXPECT_EQ(text("Text_WL(2)"), "11802.85");
    EXPECT_EQ(text("Text_WL(6)"), "2950.71");
    EXPECT_EQ(label("Label_WL_QuarterUnit")->text(), "mil");
    EXPECT_TRUE(box("Text_WL(0)")->hasFocus());
    click("Option_WL_L(3)"); // inch
    EXPECT_EQ(text("Text_WL(2)"), "11.80");
    EXPECT_EQ(text("Text_WL(0)"), "1");

    restart();
    EXPECT_EQ(store.values["WL Length Unit"], "3");
    open(TabWL);
    EXPECT_TRUE(checked("Option_WL_L(3)"));
    EXPECT_EQ(label("Label_WL_QuarterUnit")->text(), "inch");
    click("Option_WL(2)");
    type("Text_WL(2)", "100");
    EXPECT_EQ(text("Text_WL(0)"), "118.03"); // MHz: c / 2.54 m
    click("Option_WL_L(0)");                 // 100 m
    EXPECT_EQ(text("Text_WL(2)"), "100");
    EXPECT_EQ(text("Text_WL(0)"), "3.00"); // MHz
    EXPECT_EQ(text("Text_WL(6)"), "25.00");
}

} // namespace
} // namespace oq
