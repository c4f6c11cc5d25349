#pragma once

#include "calculators/conversions/unit_choice.h"
#include "core/calculator_tab.h"
#include "model/prefix_units.h"

#include <array>
#include <optional>

class QLabel;
class QPushButton;
class QRadioButton;

namespace oq {

// Two small calculators. Above: rise time and bandwidth (Tr × BW = 0.35), each typed in the
// unit of its options. Below: the rise time of a device under test from a measured one and the
// known rise time of the measuring system, which is kept from one run to the next.
class RiseTimeTab : public CalculatorTab {
    Q_OBJECT
  public:
    RiseTimeTab(MainHost& host, const TabRow& row, QWidget* parent = nullptr);

    void Text_TR_Change(int index);
    void Option_TR_Click(int index, int option); // Option_TR_Tr (index 0), Option_TR_BW (1)
    void Command_TR_Clear_Click();

    void startUp() override;
    void closing() override;
    void boxDoubleClick(int index) override;
    void boxGotFocus(int index) override;

  protected:
    void redisplayBox(int index) override;

  private:
    // Calculate_TR: the partner of box 0, 1, 3 or 4.
    void calculate(int index);
    // ShowValue_TR: box 0 or 1 shows its value with the unit option that suits it.
    void showValue(int index);
    void emptyBox(int index);
    void updateClear();
    // The lower calculator cannot start before the system rise time has a value.
    bool lacksSystemTr() const;
    void updateLowerTabStops();

    std::array<std::optional<UnitChoice>, 2> units_;
    std::array<QLabel*, 2> wrongValue_{};
    QLabel* sysTr_ = nullptr;
    QPushButton* clear_ = nullptr;
};

} // namespace oq
