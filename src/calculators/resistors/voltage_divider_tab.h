#pragma once

#include "calculators/resistors/standard_values.h"
#include "core/calculator_tab.h"

#include <array>

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;

namespace oq {

// The unloaded two-resistor divider: U across R1 and R2 in series, U1 taken across R2. One
// quantity (or both resistors from their sum) is the unknown; the sum is always shown.
class VoltageDividerTab : public CalculatorTab {
    Q_OBJECT
  public:
    VoltageDividerTab(MainHost& host, const TabRow& row, QWidget* parent = nullptr);

    void Option_VD_Click(int index);
    void Text_VD_Change(int index);
    void Command_VD_Clear_Click();
    void EnableStd_VD(bool enable);

    QAbstractButton* unknownOption(int index) const override;

  protected:
    void reselectLastOption() override;
    bool standardRow(int index) const override;

  private:
    int mode() const;
    bool filled(int index) const;
    // Writes a computed value into its box with the box's decimals.
    void writeBox(int index, double v);
    void calculate();
    void showStandard();
    void showTyped();
    void unlockInputs();

    std::array<QRadioButton*, 5> option_{};
    QButtonGroup* unknown_ = nullptr;
    QLabel* wrongValue_ = nullptr;
    QPushButton* clear_ = nullptr;
    StandardValues std_;
};

} // namespace oq
