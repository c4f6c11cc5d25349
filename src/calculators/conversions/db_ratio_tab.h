#pragma once

#include "core/calculator_tab.h"

#include <array>

class QLabel;
class QPushButton;
class QRadioButton;

namespace oq {

// One ratio as a plain factor, a percentage and decibels: the user types into any one box and
// the other two follow. Gain or attenuation, and voltage (20 dB per decade) or power (10 dB per
// decade), say how the numbers are read.
class DbRatioTab : public CalculatorTab {
    Q_OBJECT
  public:
    DbRatioTab(MainHost& host, const TabRow& row, QWidget* parent = nullptr);

    void Text_DB1_Change(int index);
    void Option_DB1_Click(int index);
    void Option_DB1_VP_Click(int index);
    void Command_DB1_Clear_Click();

    void boxDoubleClick(int index) override;

  protected:
    void redisplayBox(int index) override;

  private:
    bool power() const;
    // Writes the two boxes other than `active` from it; false when the arithmetic fails.
    bool Calculate_DB1(int active);
    // An entry the tab cannot convert: the other boxes are emptied and the label tells.
    void refuse(int active);
    bool overflowShown() const;

    std::array<QRadioButton*, 2> direction_{}; // Attenuation, Gain
    std::array<QRadioButton*, 2> kind_{};      // Voltage, Power
    QLabel* overflow_ = nullptr;
    QPushButton* clear_ = nullptr;
};

} // namespace oq
