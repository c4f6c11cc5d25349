#pragma once

#include "calculators/conversions/unit_choice.h"
#include "core/calculator_tab.h"
#include "model/prefix_units.h"
#include "model/reactance.h"

#include <array>
#include <optional>
#include <vector>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace oq {

// Frequency, component value and reactance of one capacitor or inductor: one is the unknown, the
// other two are typed, each in the unit of its options; the unknown is shown in the unit that
// suits it. The capacitive and inductive tabs differ only in their formula and component units.
class ReactanceTab : public CalculatorTab {
    Q_OBJECT
  public:
    // The handlers are Option_CZ_Click, Text_CZ_Change, ... and their LZ twins.
    void Option_Click(int index);
    void Text_Change(int index);
    void Unit_Click(int index, int option);
    void Command_Clear_Click();

    void startUp() override;
    QAbstractButton* unknownOption(int index) const override;

    struct Kind {
        Reactive reactive;
        const char* letter;                // the component's unknown option and unit group
        const UnitOptionGroup& units;      // its unit options
        std::vector<const char*> captions; // their captions
    };

  protected:
    ReactanceTab(MainHost& host, const TabRow& row, Kind kind, QWidget* parent);

    void redisplayBox(int index) override;
    void reselectLastOption() override;

  private:
    int unknown() const { return st_.UnknownMask[tab_]; }
    const UnitOptionGroup& unitGroup(int index) const;
    // Calculate_CZ: the unknown from the two typed boxes, once both have text.
    void calculate();
    // ShowValue_CZ: a value into its box, with the unit option that suits it.
    void showValue(int index);

    const Kind kind_;
    std::array<QRadioButton*, 3> option_{};
    QButtonGroup* unknownGroup_ = nullptr;
    std::array<QGroupBox*, 3> frame_{};
    std::array<std::optional<UnitChoice>, 3> units_;
    QLabel* wrongValue_ = nullptr;
    QPushButton* clear_ = nullptr;
};

class CapacitiveReactanceTab : public ReactanceTab {
    Q_OBJECT
  public:
    CapacitiveReactanceTab(MainHost& host, const TabRow& row, QWidget* parent = nullptr);
};

class InductiveReactanceTab : public ReactanceTab {
    Q_OBJECT
  public:
    InductiveReactanceTab(MainHost& host, const TabRow& row, QWidget* parent = nullptr);
};

} // namespace oq
