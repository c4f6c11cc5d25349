#pragma once

#include "model/length_units.h"

#include <functional>
#include <vector>

class QGroupBox;
class QRadioButton;

namespace oq {

struct SharedState;

// The length unit options beside a box (mm, mil, inch ...): unlike the SI units of the other
// tabs, a computed length is shown in the unit the user chose, and the settings keep the choice
// (SharedState::Choices of the tab, at the tab's choice number).
class LengthChoice {
  public:
    // Puts one option per unit into `frame`, named Option_<code>(k) with the units' captions;
    // `clicked(k)` runs when option k becomes selected, by user or program. The choice is kept
    // at st.Choices[tab][slot].
    LengthChoice(SharedState& st, int tab, int slot, std::vector<LengthUnit> units,
                 QGroupBox* frame, const char* code, std::function<void(int)> clicked);

    QRadioButton* option(int k) const { return options_[static_cast<size_t>(k)]; }
    int count() const { return static_cast<int>(options_.size()); }
    LengthUnit unit() const { return units_[static_cast<size_t>(selected())]; }
    const char* caption() const;

    // The kept choice, within the options.
    int selected() const;
    // Selects the kept choice, as the start does.
    void restore();

  private:
    SharedState& st_;
    int tab_;
    int slot_;
    std::vector<LengthUnit> units_;
    std::vector<QRadioButton*> options_;
};

} // namespace oq
