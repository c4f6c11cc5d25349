#pragma once

#include "core/calculator_tab.h"

#include <array>
#include <vector>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace oq {

// One signal level as dB against a reference (dBm, dBU or dBV), RMS voltage, peak-to-peak
// voltage of a sine and power. The user types into any box and the others follow, each written
// in the unit that fits its value, the unit option moving with it.
class DbLevelTab : public CalculatorTab {
    Q_OBJECT
  public:
    DbLevelTab(MainHost& host, const TabRow& row, QWidget* parent = nullptr);

    void startUp() override;

    void Text_DB2_Change(int index);
    void Option_DB2_Ref_Click(int index);
    // The unit options of boxes 1 (RMS), 2 (P-P) and 3 (power).
    void Option_DB2_Unit_Click(int box, int index);
    void Command_DB2_ChangeSign_Click();
    void Command_DB2_Clear_Click();

    PropertyRowNames propertyRowNames() const override;
    bool boxMinus(int index) override;
    void boxGotFocus(int index) override;

  protected:
    void redisplayBox(int index) override;

  private:
    // Computes the other three boxes from box `source`, or tells why its value is refused.
    void Calculate_DB2(int source);
    // Writes a box in the unit that fits its value and selects that unit.
    void ShowValue_DB2(int index);
    void emptyOthers(int source);
    // Focus to a box; its focus handling runs even while the window is not active.
    void focusActive(int index);

    std::array<QRadioButton*, 3> ref_{};
    std::array<std::vector<QRadioButton*>, 4> unit_{}; // per box; none for the dB box
    std::array<QLabel*, 4> caption_{};
    std::array<QGroupBox*, 4> frame_{};
    std::array<double, 3> refVolts_{};
    // Per box, the volts or watts per unit in which its number was written or typed.
    std::array<double, 4> shownFactor_{1.0, 1.0, 1.0, 1.0};
    QLabel* overflow_ = nullptr;
    QPushButton* changeSign_ = nullptr;
    QPushButton* clear_ = nullptr;
};

} // namespace oq
