#include "gui_test.h"
#include "model/catalogue.h"

#include <QTest>

namespace oq {
namespace {

class TrackAndViaTabTest : public MainFormTest {
  protected:
    QString code;

    void open(int tab, const char* tabCode) {
        code = QLatin1String(tabCode);
        form->showTab(tab);
        ASSERT_EQ(form->currentTab(), tab);
    }
    QString name(int i) const { return QStringLiteral("Text_%1(%2)").arg(code).arg(i); }
    QString text(int i) const { return box(name(i))->text(); }
    void set(int i, const QString& keys) {
        erase(name(i));
        type(name(i), keys);
    }
    // Option k of the unit row `letter`: Option_TW_W(1) is mil for the widths.
    QString unitName(const char* letter, int k) const {
        return QStringLiteral("Option_%1_%2(%3)").arg(code, QLatin1String(letter)).arg(k);
    }
    void unit(const char* letter, int k) { click(unitName(letter, k)); }
    bool selected(const char* letter, int k) const {
        return button(unitName(letter, k))->isChecked();
    }
    bool shows(const QString& labelName) const { return label(labelName)->isVisible(); }
};

// Boxes of the track width tab.
enum { OuterW = 0, InnerW, OuterI, InnerI, Rise, Ambient, Copper, Length, OuterR, InnerR };

// The width for a current, then the current for that width: the direction follows the unknown's
// option, and the computed value becomes the given one.
TEST_F(TrackAndViaTabTest, TrackWidthSolvesEitherWay) {
    open(TabTW, "TW");
    EXPECT_TRUE(button("Option_TW(0)")->isChecked());
    EXPECT_FALSE(box(name(OuterI))->isLocked());
    EXPECT_TRUE(box(name(OuterW))->isLocked() && box(name(InnerW))->isLocked() &&
                box(name(InnerI))->isLocked());

    // IPC-2221: 15 A, 2 oz (70 um), 10 degC, outer: 6.29 mm.
    type(name(OuterI), "15");
    type(name(Rise), "10");
    EXPECT_EQ(text(OuterW), "");
    type(name(Copper), "70");
    EXPECT_EQ(text(OuterW), "6.293");
    EXPECT_EQ(text(InnerI), "15.000"); // the same current on the inner layer
    EXPECT_EQ(text(InnerW), "16.370");
    // 16.4 mm is beyond the chart's 400 mil: a warning beside the result.
    EXPECT_EQ(label("Label_TW_Chart")->text(),
              "Beyond the IPC-2221 chart: inner width above 400 mil");
    EXPECT_TRUE(shows("Label_TW_Chart"));
    EXPECT_EQ(text(OuterR), ""); // no length and ambient yet
    type(name(Ambient), "25");
    type(name(Length), "100");
    EXPECT_EQ(text(OuterR), "4.13"); // mOhm, copper at 35 degC
    EXPECT_EQ(text(InnerR), "1.59");

    // The current for the width: the computed 6.293 mm becomes the given width.
    click("Option_TW(1)");
    EXPECT_TRUE(box(name(OuterI))->isLocked());
    EXPECT_FALSE(box(name(OuterW))->isLocked());
    EXPECT_TRUE(box(name(OuterW))->hasFocus());
    EXPECT_EQ(text(OuterI), "15.000");
    EXPECT_EQ(text(InnerW), text(OuterW)); // the same track on the inner layer
    EXPECT_EQ(text(InnerI), "7.500");      // k inner is half of k outer
    // IPC-2221: 0.300 mm outer carries 1 A in 35 um at 10 degC; 0.781 mm inner does.
    set(Copper, "35");
    set(OuterW, "0.300");
    EXPECT_EQ(text(OuterI), "0.999");
    set(OuterW, "0.781");
    EXPECT_EQ(text(InnerI), "1.000");

    // Back to the width: the computed inner current is not the given; the outer one is.
    click("Option_TW(0)");
    EXPECT_EQ(text(OuterW), "0.781");
    EXPECT_EQ(text(InnerI), text(OuterI));

    // Clear All keeps the direction.
    click("Command_TW_Clear");
    EXPECT_EQ(text(OuterW) + text(OuterI) + text(Copper), "");
    EXPECT_TRUE(button("Option_TW(0)")->isChecked());
    EXPECT_FALSE(box(name(OuterI))->isLocked());
}

// A result row's unit shows the same value again; a given row's unit recounts the typed number,
// which keeps its digits. Every choice stays through Clear All.
TEST_F(TrackAndViaTabTest, TrackWidthUnitOptions) {
    open(TabTW, "TW");
    EXPECT_TRUE(selected("W", 0) && selected("I", 0) && selected("CU", 0) && selected("L", 0) &&
                selected("R", 1) && selected("U", 1) && selected("P", 0));
    type(name(OuterI), "15");
    type(name(Rise), "10");
    type(name(Copper), "70");
    unit("W", 1); // mil
    EXPECT_EQ(text(OuterW), "247.749");
    EXPECT_EQ(text(OuterI), "15");
    unit("W", 2); // inch
    EXPECT_EQ(text(OuterW), "0.248");
    unit("W", 0);
    EXPECT_EQ(text(OuterW), "6.293");

    // 70 oz of copper: beyond the chart, a warning and still a width.
    unit("CU", 1);
    EXPECT_EQ(text(Copper), "70");
    EXPECT_TRUE(shows("Label_TW_Chart"));
    EXPECT_EQ(label("Label_TW_Chart")->text(), "Beyond the IPC-2221 chart: copper above 3 oz");
    EXPECT_EQ(text(OuterW), "0.180");
    set(Copper, "2"); // 2 oz = 70 um
    EXPECT_EQ(text(OuterW), "6.293");
    EXPECT_EQ(label("Label_TW_Chart")->text(),
              "Beyond the IPC-2221 chart: inner width above 400 mil");

    // 15 mA: the current keeps its digits, the inner box repeats them.
    unit("I", 1);
    EXPECT_EQ(text(OuterI), "15");
    EXPECT_EQ(text(InnerI), "15.000");
    EXPECT_EQ(text(OuterW), "0.000");
    unit("W", 1);
    EXPECT_EQ(text(OuterW), "0.018"); // mil

    // The resistance in Ohm or mOhm; the length in mil counts the typed number.
    type(name(Ambient), "20");
    type(name(Length), "1000");
    // 0.458 um of 2 oz copper, 1 m at 30 degC: 557.5 Ohm.
    EXPECT_EQ(text(OuterR), "557515.68");
    unit("R", 0);
    EXPECT_EQ(text(OuterR), "557.52");
    unit("L", 1); // 1000 mil = 25.4 mm instead of 1000 mm
    EXPECT_EQ(text(Length), "1000");
    EXPECT_EQ(text(OuterR), "14.16");

    click("Command_TW_Clear");
    EXPECT_TRUE(selected("W", 1) && selected("I", 1) && selected("CU", 1) && selected("L", 1) &&
                selected("R", 0));
    // A unit chosen for an empty box only counts what is typed next: 15 A in 2 oz.
    unit("I", 0);
    type(name(OuterI), "15");
    type(name(Rise), "10");
    type(name(Copper), "2");
    EXPECT_EQ(text(OuterW), "247.749");
}

// Boxes of the via tab.
enum {
    Hole = 0,
    Plating,
    Thickness,
    Pad,
    Antipad,
    Er,
    Current,
    ViaRise,
    RiseTime,
    Z0,
    Resistance,
    Drop,
    Power,
    Ampacity,
    Thermal,
    Capacitance,
    Inductance,
    Reactance,
    Degradation
};

TEST_F(TrackAndViaTabTest, ViaUnitOptions) {
    open(TabVIA, "VIA");
    EXPECT_TRUE(selected("D", 0) && selected("T", 0) && selected("H", 0) && selected("TR", 1) &&
                selected("I", 0));
    // Johnson and Graham: er 4.7, T 63 mil, pad 28 mil, antipad 50 mil: 0.53 pF; typed in mil.
    unit("H", 1);
    unit("PAD", 1);
    unit("AP", 1);
    type(name(Thickness), "63");
    type(name(Pad), "28");
    type(name(Antipad), "50");
    type(name(Er), "4.7");
    EXPECT_EQ(text(Capacitance), "0.531");
    // The same board in mm: the typed numbers keep their digits, so 63 mm now.
    unit("H", 0);
    EXPECT_EQ(text(Thickness), "63");
    EXPECT_EQ(text(Capacitance), "20.920");
    set(Thickness, "1.6002"); // 63 mil
    EXPECT_EQ(text(Capacitance), "0.531");

    // A 10 mil hole with 1 mil plating, 63 mil long: 1.235 mOhm at 20 degC.
    unit("D", 1);
    unit("T", 1);
    type(name(Hole), "10");
    type(name(Plating), "1");
    EXPECT_EQ(text(Resistance), "1.235");
    // The ampacity at 10 degC rise; 2 A is beyond it.
    type(name(ViaRise), "10");
    EXPECT_EQ(text(Ampacity), "1.725");
    type(name(Current), "2");
    EXPECT_EQ(label("Label_VIA_Chart")->text(),
              "Beyond the IPC-2221 chart: current above the ampacity");
    unit("I", 1); // 2 mA
    EXPECT_FALSE(shows("Label_VIA_Chart"));
    EXPECT_EQ(text(Drop), "0.003"); // mV

    // The inductance's reactance with the rise time in ns or ps.
    // 1.353 nH: π L / 1 ns = 4.25 Ohm.
    type(name(RiseTime), "1");
    EXPECT_EQ(text(Inductance), "1.353");
    EXPECT_EQ(text(Reactance), "4.25");
    unit("TR", 2); // 1 ps
    EXPECT_EQ(text(RiseTime), "1");
    EXPECT_EQ(text(Reactance), "4249.82");

    click("Command_VIA_Clear");
    EXPECT_TRUE(selected("D", 1) && selected("T", 1) && selected("H", 0) && selected("TR", 2) &&
                selected("I", 1));

    // The next start finds the units as they were left, and computes in them.
    restart();
    EXPECT_EQ(store.values["VIA Hole Unit"], "1");
    EXPECT_EQ(store.values["VIA Rise Time Unit"], "2");
    EXPECT_EQ(store.values.count("VIA Board Unit"), 0u); // as a fresh user has it
    open(TabVIA, "VIA");
    EXPECT_TRUE(selected("D", 1) && selected("T", 1) && selected("H", 0) && selected("PAD", 1) &&
                selected("TR", 2) && selected("I", 1));
    type(name(Hole), "10");
    type(name(Plating), "1");
    type(name(Thickness), "1.6002"); // 63 mil
    EXPECT_EQ(text(Resistance), "1.235");
}

} // namespace
} // namespace oq
