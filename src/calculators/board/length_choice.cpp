#include "calculators/board/length_choice.h"

#include "core/controls.h"
#include "core/shared_state.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>

namespace oq {

LengthChoice::LengthChoice(SharedState& st, int tab, int slot, std::vector<LengthUnit> units,
                           QGroupBox* frame, const char* code, std::function<void(int)> clicked)
    : st_(st)
    , tab_(tab)
    , slot_(slot)
    , units_(std::move(units)) {
    auto* layout = new QHBoxLayout(frame);
    for (int k = 0; k < static_cast<int>(units_.size()); ++k) {
        const LengthUnitInfo& info =
            LengthUnits[static_cast<size_t>(units_[static_cast<size_t>(k)])];
        auto* option = new QRadioButton(QLatin1String(info.caption), frame);
        option->setObjectName(ControlName("Option", code, k));
        FitToCaption(option);
        // The choice is kept before the tab hears of it, so the tab reads the new unit.
        OnClick(option, [this, clicked, k] {
            st_.Choices[tab_][slot_] = static_cast<int16_t>(k);
            clicked(k);
        });
        options_.push_back(option);
        layout->addWidget(option);
    }
    layout->addStretch(1);
}

int LengthChoice::selected() const {
    const int k = st_.Choices[tab_][slot_];
    return k >= 0 && k < count() ? k : 0;
}

const char* LengthChoice::caption() const {
    return LengthUnits[static_cast<size_t>(unit())].caption;
}

void LengthChoice::restore() {
    option(selected())->setChecked(true);
}

} // namespace oq
