#pragma once

#include "calculators/board/length_choice.h"
#include "calculators/conversions/unit_choice.h"
#include "core/calculator_tab.h"
#include "model/wavelength.h"

#include <array>
#include <optional>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace oq {

// Frequency, period and wavelength in a medium of relative permittivity εr and permeability μr:
// the user chooses which of the three is given and types it, the other two follow with the
// speed and the quarter wavelength. Frequency and period are shown in the unit that suits them;
// wavelength and quarter wavelength in the length unit the user chose, which the settings keep.
class WavelengthTab : public CalculatorTab {
    Q_OBJECT
  public:
    WavelengthTab(MainHost& host, const TabRow& row, QWidget* parent = nullptr);

    // The boxes: the three of which one is given, the medium, and the results.
    enum Box : int {
        Frequency = 0,
        Period = 1,
        Length = 2, // the wavelength
        Permittivity = 3,
        Permeability = 4,
        Speed = 5,
        Quarter = 6
    };
    // The tab's choice number in the settings.
    enum Choice : int { ChoiceLength = 0 };

    void Option_WL_Click(int given);
    void Text_WL_Change(int index);
    // Unit option k of the frequency or period box.
    void Unit_Click(int index, int k);
    void Option_WL_L_Click(int k);
    void Command_WL_Clear_Click();

    void startUp() override;
    int given() const { return given_; }

  protected:
    void redisplayBox(int index) override;
    void reselectLastOption() override;

  private:
    // The two others, the speed and the quarter wavelength from the given box and the medium.
    void calculate();
    void emptyResults();
    // A value into its box: frequency and period in the unit that suits them, lengths in the
    // chosen unit, the rest as numbers.
    void showValue(int index);
    // The medium's figure: an empty box is vacuum's 1.
    double medium(int index) const;

    int given_ = Frequency;
    std::array<QRadioButton*, 3> option_{};
    QButtonGroup* givenGroup_ = nullptr;
    std::array<QGroupBox*, 3> frame_{};
    std::array<std::optional<UnitChoice>, 2> units_; // frequency, period
    std::optional<LengthChoice> length_;
    QLabel* quarterUnit_ = nullptr;
    QLabel* velocityFactor_ = nullptr;
    QLabel* wrongValue_ = nullptr;
    QPushButton* clear_ = nullptr;
};

} // namespace oq
