#pragma once

#include "calculators/resistors/standard_values.h"
#include "core/calculator_tab.h"
#include "model/computation.h"
#include "model/regulator.h"

#include <array>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace oq {

// The two feedback resistors of an adjustable regulator: Vout, R1 or R2 from the other two and the
// regulator's figures, the output's worst case over the spread of Vref, Iadj and the resistors,
// and with standard values the best pair of a series for the output, with the ten best to pick.
class RegulatorTab : public CalculatorTab {
    Q_OBJECT
  public:
    RegulatorTab(MainHost& host, const TabRow& row, QWidget* parent = nullptr);

    void startUp() override;
    QAbstractButton* unknownOption(int index) const override;

    void Option_REG_Click(int index);
    void Option_REG_Kind_Click(int index);
    void Text_REG_Change(int index);
    void Combo_REG_Regulator_Click(int index);
    void Command_REG_Add_Click();
    void Command_REG_Remove_Click();
    void Combo_REG_Pairs_Click(int index);
    void Command_REG_Clear_Click();
    void EnableStd_REG(bool enable);

  protected:
    void reselectLastOption() override;
    bool standardRow(int index) const override;

  private:
    int mode() const;
    RegulatorKind kind() const;
    bool filled(int index) const;
    // The boxes as the computation takes them; with the series, range and list of standard values
    // when `standard`.
    ComputationInput inputs(bool standard) const;
    // The regulator's figures as typed, when Vref is.
    std::optional<RegulatorData> figures() const;
    void calculate();
    void showWarning(const std::string& message);
    void emptyResults();
    void writeResults(const Outcome& out, bool standard);
    void showStandard();
    void showPair(const RegulatorPair& pair);
    void showTyped();
    void unlockInputs();
    void writeDefaultRange();
    void fillRegulators(const QString& current);
    int regulatorNamed(const QString& name) const;
    void updateClear();

    std::array<QRadioButton*, 3> option_{};
    std::array<QRadioButton*, 2> kind_{};
    QLabel* formula_ = nullptr;
    QLabel* rangeLabel_ = nullptr;
    QLabel* rangeToLabel_ = nullptr;
    QComboBox* regulator_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
    QComboBox* tolerance_ = nullptr;
    QComboBox* pairs_ = nullptr;
    QLabel* wrongValue_ = nullptr;
    QPushButton* clear_ = nullptr;
    StandardValues std_;
    std::vector<RegulatorPair> listed_; // the pairs the list shows
};

} // namespace oq
