#pragma once

#include "calculators/board/board_tab.h"

class QLabel;
class QPushButton;

namespace oq {

// Via: from the hole, plating, board thickness, pad, antipad, permittivity, current, rise, rise
// time and line impedance, whichever are typed, every result they give: the barrel's resistance,
// voltage drop, power, ampacity and thermal resistance, and the via's capacitance, inductance,
// reactance and rise-time degradation.
class ViaTab : public BoardTab {
    Q_OBJECT
  public:
    ViaTab(MainHost& host, const TabRow& row, QWidget* parent = nullptr);

    void Text_VIA_Change(int index);
    void Command_VIA_Clear_Click();

  protected:
    void calculate() override;

  private:
    void blankResults();

    QLabel* wrongValue_ = nullptr;
    QLabel* chart_ = nullptr;
    QPushButton* clear_ = nullptr;
};

} // namespace oq
