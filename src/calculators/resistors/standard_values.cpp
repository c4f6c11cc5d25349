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
#include <algorithm>

namespace oq {

StandardValues::StandardValues(CalculatorTab& tab, SharedState& state, const char* code,
                               const QString& caption, const QString& frameName,
                               std::span<const Series> offered)
    : tab_(tab)
    , st_(state)
    , check_(new QCheckBox(caption, &tab))
    , frame_(new QGroupBox(&tab))
    , offered_(offered.begin(), offered.end()) {
    check_->setObjectName(QStringLiteral("Check_%1_StdVal").arg(QLatin1String(code)));
    frame_->setObjectName(frameName);
    frame_->setAccessibleName(QStringLiteral("Standard value series"));
    FitToCaption(check_);
    auto* layout = new QHBoxLayout(frame_);
    const QString stdCode = QLatin1String(code) + QStringLiteral("_STD");
    for (size_t i = 0; i < offered_.size(); ++i) {
        auto* option = new QRadioButton(Qs(std::string(SeriesName(offered_[i]))), frame_);
        option->setObjectName(
            ControlName("Option", stdCode.toLatin1().constData(), static_cast<int>(i)));
        FitToCaption(option);
        options_.push_back(option);
    }
    std::vector<size_t> order(offered_.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(),
              [this](size_t a, size_t b) { return offered_[a] < offered_[b]; });
    for (size_t i : order) {
        layout->addWidget(options_[i]);
        shown_.push_back(options_[i]);
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
    return shown_;
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
    for (size_t i = 0; i < options_.size(); ++i)
        if (options_[i]->isChecked())
            return offered_[i];
    return offered_.front();
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
