#include "gui_test.h"

#include <QComboBox>
#include <algorithm>

namespace oq {
namespace {

enum {
    Er,
    Height,
    Width,
    Thickness,
    Gap,
    Tand,
    Sigma,
    Frequency,
    Length,
    Impedance,
    Eeff,
    Velocity,
    Angle
};

class TransmissionLineTabTest : public MainFormTest {
  protected:
    void open() { selectTab(TabTL); }
    static QString name(int i) { return QStringLiteral("Text_TL(%1)").arg(i); }
    QString text(int i) const { return box(name(i))->text(); }
    bool locked(int i) const { return box(name(i))->isLocked(); }
    bool checked(const QString& option) const { return button(option)->isChecked(); }
    QComboBox* line() const { return form->findChild<QComboBox*>("Combo_TL_Line"); }
    // The 50.6 ohm microstrip on 1 mm of er 4.4 (Hammerstad and Jensen).
    void typeMicrostrip() {
        type(name(Er), "4.4");
        type(name(Height), "1");
        type(name(Width), "1.875");
    }
};

// Analysis computes Z0 and the angle from the width and length; synthesis the width and length
// from Z0 and the angle, each direction locking what it computes.
TEST_F(TransmissionLineTabTest, SolveDirection) {
    open();
    EXPECT_TRUE(checked("Option_TL_Solve(0)"));
    typeMicrostrip();
    EXPECT_EQ(text(Impedance), "50.62");
    EXPECT_TRUE(locked(Impedance) && locked(Angle) && !locked(Width) && !locked(Length));
    EXPECT_EQ(text(Angle), ""); // no frequency, no length yet
    type(name(Frequency), "1"); // GHz
    type(name(Length), "10");
    EXPECT_FALSE(text(Angle).isEmpty());

    // The computed impedance becomes the wanted one: the same width comes back.
    click("Option_TL_Solve(1)");
    EXPECT_TRUE(!locked(Impedance) && !locked(Angle) && locked(Width) && locked(Length));
    EXPECT_EQ(text(Width), "1.875");
    EXPECT_EQ(text(Length), "10.000");
    erase(name(Impedance));
    type(name(Impedance), "75");
    EXPECT_EQ(text(Width), "0.891"); // regression: the model's own synthesis
    erase(name(Angle));
    type(name(Angle), "90");
    EXPECT_EQ(text(Angle), "90");
    EXPECT_FALSE(text(Length).isEmpty());
    // Out of reach, the red label; back in reach, the width again.
    erase(name(Impedance));
    type(name(Impedance), "99999");
    EXPECT_TRUE(label("Label_TL_WrongValue")->isVisible());
    EXPECT_EQ(label("Label_TL_WrongValue")->text(), "No width gives this impedance");
    EXPECT_EQ(text(Width), "");
    erase(name(Impedance));
    type(name(Impedance), "50");
    EXPECT_FALSE(label("Label_TL_WrongValue")->isVisible());
    EXPECT_EQ(text(Width), "1.914");
}

// Lengths and the frequency keep their values in a new unit; both units and the line come back
// at the next start.
TEST_F(TransmissionLineTabTest, UnitOptionsAreKept) {
    open();
    EXPECT_TRUE(checked("Option_TL_Length(0)") && checked("Option_TL_F(3)")); // mm, GHz
    typeMicrostrip();
    type(name(Frequency), "1");
    type(name(Length), "10");
    EXPECT_EQ(text(Angle), "21.92");
    click("Option_TL_Length(1)"); // mil
    EXPECT_EQ(text(Height), "39.370");
    EXPECT_EQ(text(Width), "73.819");
    EXPECT_EQ(text(Impedance), "50.62");
    EXPECT_EQ(text(Angle), "21.92");
    EXPECT_EQ(label("Label_TL_Unit(1)")->text(), "mil");
    // 1 GHz is 1000 MHz.
    click("Option_TL_F(2)");
    EXPECT_EQ(text(Frequency), "1000.00");
    EXPECT_EQ(label("Label_TL_Unit(7)")->text(), "MHz");
    EXPECT_EQ(text(Angle), "21.92");

    line()->setCurrentIndex(4); // coax: no thickness, no gap
    EXPECT_FALSE(box(name(Thickness))->isEnabled() || box(name(Gap))->isEnabled());
    EXPECT_EQ(label("Label_TL(1)")->text(), "Outer diameter D");
    restart();
    open();
    EXPECT_TRUE(checked("Option_TL_Length(1)") && checked("Option_TL_F(2)"));
    EXPECT_EQ(line()->currentIndex(), 4);
    EXPECT_EQ(store.values["TL Length Unit"], "1");
    EXPECT_EQ(store.values["TL Frequency Unit"], "2");
    EXPECT_EQ(store.values["TL Line"], "4");
}

} // namespace
} // namespace oq
