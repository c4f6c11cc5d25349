#include "calculators/resistors/standard_values.h"

#include "core/calculator_tab.h"
#include "core/controls.h"
#include "model/checked.h"
#include "model/shared_state.h"
#include "model/standard_series.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>

namespace oq {

StandardValues::StandardValues(CalculatorTab& tab, SharedState& state, const char* code,
                               const QString& caption, const QString& frameName)
    : tab_(tab)
    , st_(state)
    , check_(new QCheckBox(caption, &tab))
    , frame_(new QGroupBox(&tab)) {
    check_->setObjectName(QStringLiteral("Check_%1_StdVal").arg(QLatin1String(code)));
    frame_->setObjectName(frameName);
    frame_->setAccessibleName(QStringLiteral("Standard value series"));
    FitToCaption(check_);
    auto* layout = new QHBoxLayout(frame_);
    const QString stdCode = QLatin1String(code) + QStringLiteral("_STD");
    for (int i = 0; i < 2; ++i) {
        auto* option =
            new QRadioButton(i == 0 ? QStringLiteral("E-96") : QStringLiteral("E-24"), frame_);
        option->setObjectName(ControlName("Option", stdCode.toLatin1().constData(), i));
        FitToCaption(option);
        layout->addWidget(option);
        options_[static_cast<size_t>(i)] = option;
    }
    layout->addStretch(1);
    options_[0]->setChecked(true);
    setEnabled(false);
    OnClick(check_, [this] { clicked(); });
}

void StandardValues::attach(std::vector<QAbstractButton*> selectors, QPushButton* clear,
                            Actions actions) {
    selectors_ = std::move(selectors);
    clear_ = clear;
    actions_ = std::move(actions);
}

void StandardValues::setEnabled(bool enable) {
    check_->setEnabled(enable);
    options_[0]->setEnabled(enable);
    options_[1]->setEnabled(enable);
}

bool StandardValues::isOn() const {
    return check_->isChecked();
}

double StandardValues::snap(double value) const {
    // The networks keep arms outside 0.1 ohm .. 1e8 ohm as they are ("Short", "Open").
    const int tab = tab_.tabIndex();
    const bool rangeGuard = tab == TabPI || tab == TabT;
    return options_[0]->isChecked() ? E96(value, 0, rangeGuard) : E24(value, 0, rangeGuard);
}

float StandardValues::formatCode() const {
    return options_[0]->isChecked() ? 103.0f : 102.0f;
}

void StandardValues::clicked() {
    int16_t focused = 0;
    {
        const QuietWrites quiet(st_, tab_.tabIndex());
        focused = quiet.focused();
        const bool on = isOn();
        if (on) {
            try {
                actions_.showStandard();
            } catch (const CalcError&) {
                if (actions_.failed)
                    actions_.failed();
            }
        } else {
            actions_.showTyped();
        }
        for (QAbstractButton* selector : selectors_)
            selector->setEnabled(!on);
        options_[0]->setEnabled(!on);
        options_[1]->setEnabled(!on);
        if (on) {
            for (int b = 0; b < tab_.boxCount(); ++b)
                tab_.box(b)->setLocked(true);
        } else {
            actions_.unlockInputs();
        }
        st_.StdValSelected[static_cast<size_t>(tab_.tabIndex())] = on;
        if (clear_)
            clear_->setEnabled(!on);
    }
    tab_.focusBox(focused);
}

} // namespace oq
