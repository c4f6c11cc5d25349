#pragma once

#include "calculators/board/length_choice.h"
#include "core/calculator_tab.h"
#include "model/electrical_spacing.h"

#include <array>
#include <optional>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace oq {

// The IPC-2221 minimum conductor spacing for a peak voltage: the spacing of the column the user
// chose in its box, and every column of the table below it, the chosen one highlighted. The
// spacing unit (mm, mil, inch) and the column are kept in the settings.
class ElectricalSpacingTab : public CalculatorTab {
    Q_OBJECT
  public:
    ElectricalSpacingTab(MainHost& host, const TabRow& row, QWidget* parent = nullptr);

    void Text_ES_Change(int index);
    void Option_ES_Click(int column);
    void Option_ES_U_Click(int unit);
    void Command_ES_Clear_Click();

    void startUp() override;

    // The tab's choice numbers in the settings.
    enum Choice : int { ChoiceUnit = 0, ChoiceColumn = 1 };

  protected:
    void redisplayBox(int index) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int column() const;
    // The spacings of every column from the voltage, or the red label.
    void calculate();
    // The spacings (or none) into the spacing box and the table, in the unit chosen.
    void showSpacings();
    void showUnit();
    void highlight();
    void giveFocusBack();

    // The cells of a row of the table, after its option.
    enum Cell : int { CellName, CellConductors, CellSpacing, CellPerVolt, CellCount };
    std::array<QRadioButton*, SpacingClassCount> column_{};
    std::array<std::array<QLabel*, CellCount>, SpacingClassCount> cells_{};
    std::array<QLabel*, 2> heads_{}; // spacing, per volt
    std::optional<LengthChoice> unit_;
    // The spacing of each column for the voltage in metres; none while there is no voltage.
    std::optional<std::array<double, SpacingClassCount>> spacings_;
    QLabel* band_ = nullptr;
    QLabel* wrongValue_ = nullptr;
    QPushButton* clear_ = nullptr;
};

} // namespace oq
