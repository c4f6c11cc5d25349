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
    for (int i : ShownOrder) {
        auto* option = new QRadioButton(Qs(std::string(SeriesName(OptionSeries[i]))), frame_);
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

std::vector<QWidget*> StandardValues::shownOptions() const {
    std::vector<QWidget*> shown;
    for (int i : ShownOrder)
        shown.push_back(options_[static_cast<size_t>(i)]);
    return shown;
}

void StandardValues::setEnabled(bool enable) {
    check_->setEnabled(enable);
    setOptionsEnabled(enable);
}

void StandardValues::setOptionsEnabled(bool enable) {
    for (QRadioButton* option : options_)
        option->setEnabled(enable);
}

Series StandardValues::series() const {
    for (int i = 0; i < OptionCount; ++i)
        if (options_[static_cast<size_t>(i)]->isChecked())
            return OptionSeries[static_cast<size_t>(i)];
    return Series::E96;
}

bool StandardValues::isOn() const {
    return check_->isChecked();
}

double StandardValues::snap(double value) const {
    // The networks keep arms outside 0.1 ohm .. 1e8 ohm as they are ("Short", "Open").
    const int tab = tab_.tabIndex();
    const bool rangeGuard = tab == TabPI || tab == TabT;
    return Snap(series(), value, 0, rangeGuard);
}

float StandardValues::formatCode() const {
    return SeriesDigits(series()) == 3 ? 103.0f : 102.0f;
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
        setOptionsEnabled(!on);
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
