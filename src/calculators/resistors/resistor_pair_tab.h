#pragma once

#include "calculators/resistors/standard_values.h"
#include "core/calculator_tab.h"
#include "model/resistor_pairs.h"

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace oq {

class PairList;

// Two resistors, in series or in parallel: R from R1 and R2, R1 from R and R2, or a list of
// standard pairs that come close to a target R. The serial and the parallel tab differ only in
// how two resistors combine, the separator of their result lines and the file names offered.
// The handlers carry the control names with the tab code left out (Option_Click is
// Option_SR_Click on the serial tab and Option_PR_Click on the parallel one).
class ResistorPairTab : public CalculatorTab {
    Q_OBJECT
  public:
    ResistorPairTab(Pairing how, MainHost& host, const TabRow& row, QWidget* parent = nullptr);

    void startUp() override;
    void enterTab(int previousTab) override;
    QAbstractButton* unknownOption(int index) const override;

    void Option_Click(int index);
    void Text_Change(int index);
    void Option_STD_Click();
    void Combo_Percent_Click();
    void Command_Calculate_Click();
    void Combo_Result_Click(int index);
    void Command_Save_Click();
    void Command_Clear_Click();
    void EnableStd(bool enable);
    void ResetResult(bool show);

  protected:
    void reselectLastOption() override;
    bool standardRow(int index) const override;

  private:
    // What the list on show was computed for; the result file names it.
    struct Search {
        double target = 0;
        QString tolerance;
        Series series = Series::E96;
    };

    int mode() const;
    bool filled(int index) const;
    bool toleranceChosen() const;
    void showTarget(double target);
    // Writes a target into box 0 so that its change handler takes it up as the target.
    void retarget(double target);
    void placeSeriesFrame(bool pairMode);
    void showStandard();
    void showTyped();
    void unlockInputs();

    const Pairing how_;
    std::array<QRadioButton*, 3> option_{};
    StandardValues std_;
    std::array<QLabel*, 2> selPct_{};
    PairList* percent_ = nullptr;
    QPushButton* calculate_ = nullptr;
    PairList* result_ = nullptr;
    QPushButton* save_ = nullptr;
    QLabel* stdSelected_ = nullptr;
    QLabel* target_ = nullptr;
    QLabel* wrongValue_ = nullptr;
    QPushButton* clear_ = nullptr;
    QVBoxLayout* normalSlot_ = nullptr;
    QVBoxLayout* pairSlot_ = nullptr;
    int chosen_ = -1;       // the option chosen last, -1 before the first
    double pairTarget_ = 0; // the target typed before a listed pair was picked; 0: none
    Search searched_;
};

class SerialResistorsTab : public ResistorPairTab {
    Q_OBJECT
  public:
    SerialResistorsTab(MainHost& host, const TabRow& row, QWidget* parent = nullptr)
        : ResistorPairTab(Pairing::Serial, host, row, parent) {}
};

class ParallelResistorsTab : public ResistorPairTab {
    Q_OBJECT
  public:
    ParallelResistorsTab(MainHost& host, const TabRow& row, QWidget* parent = nullptr)
        : ResistorPairTab(Pairing::Parallel, host, row, parent) {}
};

} // namespace oq
