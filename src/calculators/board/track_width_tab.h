#pragma once

#include "calculators/board/board_tab.h"

#include <array>

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;

namespace oq {

// Track width (IPC-2221): the width of a track for a current, or the current a width carries,
// on an outer and an inner layer side by side; with the track's length and the ambient
// temperature also its resistance, voltage drop and power loss. The unknown's option picks the
// direction: the given quantity is typed into the outer box and holds for both layers.
class TrackWidthTab : public BoardTab {
    Q_OBJECT
  public:
    TrackWidthTab(MainHost& host, const TabRow& row, QWidget* parent = nullptr);

    // Option_TW(0): the width is the unknown; Option_TW(1): the current is.
    void Option_TW_Click(int index);
    void Text_TW_Change(int index);
    void Command_TW_Clear_Click();

    void startUp() override;
    QAbstractButton* unknownOption(int index) const override;
    bool boxMinus(int index) override;

  protected:
    void reselectLastOption() override;
    void calculate() override;

  private:
    int unknown() const { return st_.UnknownMask[tab_] == 1 ? 1 : 0; }
    // The box the given quantity is typed into, and its inner twin that repeats it.
    int given() const;
    int twin() const { return given() + 1; }
    void applyUnknown();
    void blankResults();
    // calculate() within its QuietWrites: the twin, then the results or the warning.
    void calculateQuietly(int given);

    std::array<QRadioButton*, 2> option_{};
    QButtonGroup* unknownGroup_ = nullptr;
    QLabel* wrongValue_ = nullptr;
    QLabel* chart_ = nullptr;
    QPushButton* clear_ = nullptr;
};

} // namespace oq
