#include "calculators/conversions/unit_choice.h"

#include "core/calculator_tab.h"
#include "core/controls.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>

namespace oq {

UnitChoice::UnitChoice(const UnitOptionGroup& group, QGroupBox* frame, const char* code,
                       const std::vector<QString>& captions, std::function<void(int)> clicked)
    : group_(group) {
    auto* layout = new QHBoxLayout(frame);
    for (int k = 0; k < static_cast<int>(captions.size()); ++k) {
        auto* unit = new QRadioButton(captions[static_cast<size_t>(k)], frame);
        unit->setObjectName(ControlName("Option", code, k));
        FitToCaption(unit);
        OnClick(unit, [clicked, k] { clicked(k); });
        options_.push_back(unit);
        layout->addWidget(unit);
    }
    layout->addStretch(1);
}

void UnitChoice::show(SharedState& state, QLineEdit* box, double v, float decimals) {
    const UnitShown shown = ShowInUnits(group_, v, decimals);
    // Held for the whole procedure: the click only takes over its factor, and a text or option
    // that stays as it was leaves no flag behind to swallow the user's next key.
    const HeldSkipChange held(state);
    option(shown.option)->setChecked(true);
    box->setText(Qs(shown.number));
}

bool UnitChoice::clicked(SharedState& state, int k, QLineEdit* box, double& value) {
    const bool program = state.SkipChange;
    const double factor = group_.units[static_cast<size_t>(k)].factor;
    const bool rescaled = factors_.select(factor, program || box->text().isEmpty(), value);
    if (!program) {
        box->setFocus();
        box->end(false);
    }
    return rescaled;
}

void UnitChoice::takeOver(int k) {
    double unchanged = 0;
    factors_.select(group_.units[static_cast<size_t>(k)].factor, true, unchanged);
}

} // namespace oq
