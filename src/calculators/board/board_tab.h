#pragma once

#include "calculators/conversions/unit_choice.h"
#include "core/calculator_tab.h"

#include <optional>
#include <vector>

class QGridLayout;
class QLabel;
class QPushButton;

namespace oq {

// What the board tabs (track width, via) share: rows of one quantity each, with a caption, one
// box (or an outer and an inner one) and the quantity's unit. The unit is either options (mm,
// mil, inch ...) whose choice the user keeps, computed values included, or one fixed unit. Every
// value is kept in base units and shown counted in its row's unit.
class BoardTab : public CalculatorTab {
    Q_OBJECT
  public:
    struct Unit {
        const UnitOptionGroup* group = nullptr; // options; nullptr: the one fixed unit below
        std::vector<const char*> captions;      // the options' captions, or the fixed unit's
        double factor = 1;                      // the fixed unit's base units per unit
    };

    // Unit_TW_W_Click and the like: option k of a row's units became selected. A typed number
    // counts in the new unit (it keeps its digits, as on the reactance tabs); a result is shown
    // again in it.
    void Unit_Click(int row, int k);
    void startUp() override;

    // The unit options of row `row`, for tests.
    const UnitChoice* unitChoice(int row) const;

  protected:
    BoardTab(MainHost& host, const TabRow& row, QWidget* parent);

    // Puts a row into `grid` at line `line`, in the columns of every tab: the caption, the box
    // (an inner layer's box beside it), then the unit. `letter` names its options and frame:
    // Option_TW_W(k), Frame_TW_W. Returns the row's number.
    int addRow(QGridLayout* grid, int line, QWidget* caption, const char* letter,
               std::vector<int> boxes, Unit unit);

    // Reads a typed box into its value in base units.
    double readTyped(int index);
    // A result: its value, and its text in the row's unit. Called inside QuietWrites. Throws
    // CalcError for a value whose number in that unit is beyond the double range.
    void showResult(int index, double v);
    void blankResult(int index);
    // The box's value as the box shows it: counted in the row's unit, with its decimals.
    QString unitText(int index) const;
    void redisplayBox(int index) override;
    bool anyText() const;

    // Computes every result from what the boxes hold.
    virtual void calculate() = 0;

  private:
    struct Row {
        std::vector<int> boxes;
        Unit unit;
        std::optional<UnitChoice> choice;
        int kept = -1; // the number of its choice among the tab's kept choices
    };
    double factorOf(int index) const;

    std::vector<Row> rows_;
    int keptChoices_ = 0;
    std::vector<int> rowOfBox_;
};

} // namespace oq
