#pragma once

#include "calculators/resistors/standard_values.h"
#include "core/calculator_tab.h"

#include <array>

class QCheckBox;
class QLabel;
class QPushButton;

namespace oq {

// Voltage, resistance, current and power of one resistor: two are typed, two are computed.
class ResistorPowerTab : public CalculatorTab {
    Q_OBJECT
  public:
    ResistorPowerTab(MainHost& host, const TabRow& row, QWidget* parent = nullptr);

    void Check_RP_Click(int index);
    void Text_RP_Change(int index);
    void Command_RP_Clear_Click();
    void EnableStd_RP(bool enable);

    bool boxSpace(int index) override;

  protected:
    void redisplayBox(int index) override;
    bool standardRow(int index) const override { return index == 1; }

  private:
    void showEcho(int index, double v);
    // The quantities the user typed (a PowerBit mask): those not checked as unknown.
    int given() const;
    void showStandard();
    void showTyped();
    int checkedCount() const;

    std::array<QCheckBox*, 4> check_{};
    std::array<QLabel*, 4> echo_{};
    QLabel* wrongValue_ = nullptr;
    QPushButton* clear_ = nullptr;
    StandardValues std_;
};

} // namespace oq
