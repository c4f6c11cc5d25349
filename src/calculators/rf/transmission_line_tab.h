#pragma once

#include "core/calculator_tab.h"

#include <array>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace oq {

// The impedance of a microstrip, stripline, coplanar waveguide or coax from its cross-section,
// with its effective permittivity, phase velocity, electrical length, losses and skin depth; or,
// the other way, the width and length for a wanted impedance and electrical length. Lengths and
// the frequency count in the tab's units, which only change how they are shown; the model of each
// figure is named on the tab.
class TransmissionLineTab : public CalculatorTab {
    Q_OBJECT
  public:
    // The boxes, in catalogue order.
    enum Box : int {
        Er,
        Height,
        Width,
        Thickness,
        Gap,
        LossTangent,
        Conductivity,
        Frequency,
        Length,
        Impedance,
        Eeff,
        Velocity,
        Angle,
        ConductorLoss,
        DielectricLoss,
        SkinDepth,
        BoxCount
    };
    enum Solve : int { Analysis, Synthesis };

    TransmissionLineTab(MainHost& host, const TabRow& row, QWidget* parent = nullptr);

    void Text_TL_Change(int index);
    void Combo_TL_Line_Click(int index);
    void Option_TL_Solve_Click(int index);
    void Option_TL_Length_Click(int index);
    void Option_TL_F_Click(int index);
    void Command_TL_Clear_Click();

    void startUp() override;

  protected:
    void redisplayBox(int index) override;
    void reselectLastOption() override;

  private:
    int solve() const;
    // Base units per unit of the box's number: the length unit, the frequency unit, c / 100 for
    // the phase velocity, 1 for the rest.
    double factor(int index) const;
    // Whether the box is typed in (not computed) with the present line and direction, and whether
    // the line has the dimension at all.
    bool typed(int index) const;
    bool used(int index) const;
    // Captions, enabled boxes, locks and the model's name for the chosen line and direction.
    void showLine();
    // Calculate_TL: the computed boxes from the typed ones, through the tl computation.
    void calculate();
    void emptyComputed();
    void showValue(int index);

    std::array<QLabel*, BoxCount> caption_{};
    std::array<QLabel*, BoxCount> unit_{};
    QComboBox* line_ = nullptr;
    std::array<QRadioButton*, 2> solve_{};
    std::array<QRadioButton*, 3> lengthUnit_{};
    std::array<QRadioButton*, 4> frequencyUnit_{};
    QLabel* model_ = nullptr;
    QLabel* wrongValue_ = nullptr;
    QPushButton* clear_ = nullptr;
};

} // namespace oq
