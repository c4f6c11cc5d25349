#pragma once

#include "model/prefix_units.h"

#include <QString>
#include <functional>
#include <vector>

class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace oq {

struct SharedState;

// The unit options beside one number box (rise time, bandwidth, frequency, capacitance,
// inductance, impedance): the unit the box's number counts in, and the unit a computed value
// is shown in.
class UnitChoice {
  public:
    // Puts one option per unit of `group` into `frame`, named Option_<code>(k) with the
    // captions given; `clicked(k)` runs when option k becomes selected, by user or program.
    UnitChoice(const UnitOptionGroup& group, QGroupBox* frame, const char* code,
               const std::vector<QString>& captions, std::function<void(int)> clicked);

    QRadioButton* option(int k) const { return options_[static_cast<size_t>(k)]; }
    // Base units per unit of the number in the box.
    double factor() const { return factors_.factor; }

    // Shows `v` (base units) in `box` in the unit that suits it, selecting that option. The
    // option's click only takes over the factor.
    void show(SharedState& state, QLineEdit* box, double v, float decimals);
    // Option k became selected. When the user chose it for a box holding a number, the number
    // now counts in the new unit: `value` is rescaled and true tells the tab to recompute. The
    // box gets the focus back unless the program chose.
    bool clicked(SharedState& state, int k, QLineEdit* box, double& value);
    // Option k became selected for a box whose number the program writes (a result kept in
    // the user's unit): the factor is only taken over, the value stays.
    void takeOver(int k);

  private:
    const UnitOptionGroup& group_;
    std::vector<QRadioButton*> options_;
    UnitFactors factors_;
};

} // namespace oq
