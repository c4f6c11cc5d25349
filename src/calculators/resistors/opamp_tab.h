#pragma once

#include "calculators/resistors/standard_values.h"
#include "core/calculator_tab.h"
#include "model/opamps.h"

#include <array>

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;

namespace oq {

// The two resistors of an op-amp gain network, their sum and the gain; one of R1, R2, both
// resistors or the gain is the unknown. The inverting and non-inverting amplifiers share all of
// it but the formulas, what a result rewrites and the non-inverting "R1 AND R2" option.
class OpAmpTab : public CalculatorTab {
    Q_OBJECT
  public:
    OpAmpTab(MainHost& host, const TabRow& row, OpAmp kind, const QString& gainCaption,
             QWidget* parent = nullptr);

    QAbstractButton* unknownOption(int index) const override;

  protected:
    void reselectLastOption() override;
    bool standardRow(int index) const override;

    // Option_XX_Click, Text_XX_Change, Command_XX_Clear_Click and EnableStd_XX of both tabs.
    void optionClick(int index);
    void textChange(int index);
    void clearClick();
    void enableStd(bool enable);

    // What the change handler does once its own writes are filtered out; `index` was edited.
    void edited(int index);
    // Shows the network just computed into Values after `index` was edited.
    virtual void writeResults(int index) = 0;
    // Runs after an option has set the boxes and the focus.
    virtual void optionChosen(int) {}

    int mode() const;
    bool filled(int index) const;

  private:
    void showStandard();
    void showTyped();
    void unlockInputs();

    const OpAmp kind_;
    std::array<QRadioButton*, 4> option_{};
    QButtonGroup* unknown_ = nullptr;
    QLabel* wrongValue_ = nullptr;
    QPushButton* clear_ = nullptr;
    StandardValues std_;
};

// The inverting amplifier: a result rewrites every box but the one being typed in.
class InvertingOpAmpTab : public OpAmpTab {
    Q_OBJECT
  public:
    InvertingOpAmpTab(MainHost& host, const TabRow& row, QWidget* parent = nullptr);

    void Option_IO_Click(int index) { optionClick(index); }
    void Text_IO_Change(int index) { textChange(index); }
    void Command_IO_Clear_Click() { clearClick(); }
    void EnableStd_IO(bool enable) { enableStd(enable); }

  protected:
    void writeResults(int index) override;
};

// The non-inverting amplifier: a result writes only the computed boxes, and choosing both
// resistors as the unknown computes them at once from a sum already there.
class NonInvertingOpAmpTab : public OpAmpTab {
    Q_OBJECT
  public:
    NonInvertingOpAmpTab(MainHost& host, const TabRow& row, QWidget* parent = nullptr);

    void Option_NO_Click(int index) { optionClick(index); }
    void Text_NO_Change(int index) { textChange(index); }
    void Command_NO_Clear_Click() { clearClick(); }
    void EnableStd_NO(bool enable) { enableStd(enable); }

  protected:
    void writeResults(int index) override;
    void optionChosen(int index) override;
};

} // namespace oq
