#include "calculators/resistors/resistor_power_tab.h"

#include "core/controls.h"
#include "core/main_host.h"
#include "model/checked.h"
#include "model/notation.h"
#include "model/resistor_power.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace oq {

namespace {
enum Box { U = 0, R = 1, I = 2, P = 3 };
const char* const Units[4] = {";V;", ";Ohm;", ";A;", ";W;"};
const char* const Quantities[4] = {"U", "R", "I", "P"};
} // namespace

ResistorPowerTab::ResistorPowerTab(MainHost& host, const TabRow& row, QWidget* parent)
    : CalculatorTab(host, row, parent)
    , std_(*this, st_, "RP", QStringLiteral("Use Standard value for  R"),
           QStringLiteral("Frame_RP")) {
    auto* grid = new QGridLayout;
    grid->addWidget(addLabel("Label_RP_1", QStringLiteral("Select 2 Unknown")), 0, 0, 1, 4);
    const int echoWidth = fontMetrics().horizontalAdvance(QStringLiteral("(-999.99 kOhm)"));
    for (int b = 0; b < 4; ++b) {
        check_[b] = new QCheckBox(QLatin1String(Quantities[b]), this);
        check_[b]->setObjectName(ControlName("Check", "RP", b));
        FitToCaption(check_[b]);
        OnClick(check_[b], [this, b] { Check_RP_Click(b); });
        NumberBox* text = addBox(b);
        connect(text, &QLineEdit::textChanged, this, [this, b] { Text_RP_Change(b); });
        echo_[b] = new QLabel(this);
        echo_[b]->setObjectName(ControlName("Label", "RP_Frmt", b));
        echo_[b]->setMinimumWidth(echoWidth);
        addBoxRow(grid, b + 1, check_[b], b, echo_[b]);
    }
    wrongValue_ = addLabel("Label_RP_WrongValue", QStringLiteral("Incorrect Value"));
    MakeWarningLabel(wrongValue_);
    grid->addWidget(wrongValue_, 5, 1, 1, 2);

    clear_ = addClearButton([this] { Command_RP_Clear_Click(); });
    std_.attach({check_.begin(), check_.end()}, clear_,
                {[this] { showStandard(); }, [this] { showTyped(); },
                 [this] {
                     for (int b = 0; b < 4; ++b)
                         box(b)->setLocked(check_[b]->isChecked());
                 },
                 [this] { wrongValue_->show(); }});

    arrange(grid, {std_.checkBox(), std_.frame()}, clear_);
}

int ResistorPowerTab::checkedCount() const {
    int n = 0;
    for (const QCheckBox* c : check_)
        n += c->isChecked() ? 1 : 0;
    return n;
}

void ResistorPowerTab::EnableStd_RP(bool enable) {
    std_.setEnabled(enable);
}

void ResistorPowerTab::showEcho(int index, double v) {
    echo_[index]->setText(QLatin1Char('(') + Qs(FormatEng(v, Units[index], decimals(index))) +
                          QLatin1Char(')'));
}

int ResistorPowerTab::given() const {
    int mask = 0;
    for (int b = 0; b < 4; ++b)
        mask |= check_[b]->isChecked() ? 0 : 1 << b;
    return mask;
}

// The unknowns: at most two are checked, and only the two others take typing.
void ResistorPowerTab::Check_RP_Click(int index) {
    if (ownClick())
        return;
    const int n = checkedCount();
    if (n <= 1) {
        for (int b = 0; b < 4; ++b) {
            if (check_[b]->isChecked() && !box(b)->text().isEmpty()) {
                writeQuietly(b, QString());
                echo_[b]->clear();
            }
            box(b)->setLocked(true);
        }
    } else if (n == 2) {
        for (int b = 0; b < 4; ++b)
            box(b)->setLocked(check_[b]->isChecked());
        if (!box(index)->text().isEmpty())
            box(index)->clear();
    } else {
        SetCheckedSkipping(st_, check_[index], false); // a third unknown is refused
    }
    for (int b = 0; b < 4; ++b) {
        if (!check_[b]->isChecked()) {
            box(b)->setFocus();
            break;
        }
    }
}

void ResistorPowerTab::Text_RP_Change(int index) {
    if (ownWrite())
        return;
    readBox(index);

    const int givenMask = given();
    int filled = 0;
    for (int b = 0; b < 4; ++b)
        filled += (givenMask & 1 << b) && !box(b)->text().isEmpty() ? 1 : 0;
    st_.UnknownMask[TabRP] = static_cast<int16_t>(15 - givenMask);

    if (filled < 2) {
        EnableStd_RP(false);
        if (box(index)->text().isEmpty())
            echo_[index]->clear();
        for (int b = 0; b < 4; ++b) {
            if (check_[b]->isChecked()) {
                writeQuietly(b, QString());
                echo_[b]->clear();
            }
        }
        clear_->setEnabled(filled == 1);
        return;
    }

    wrongValue_->hide();
    try {
        requireInRange();
        const QuietWrites quiet(st_, tab_);
        const PowerValues typedValues = {value(U), value(R), value(I), value(P)};
        // One at a time: a box written before a failure keeps its new text.
        for (int b : PowerUnknowns(givenMask)) {
            if (b < 0)
                break;
            value(b) = PowerQuantity(givenMask, b, typedValues);
            box(b)->setText(fixedText(b));
        }
    } catch (const CalcError&) {
        wrongValue_->show();
        EnableStd_RP(false);
        // An echo cannot show a number beyond the double range, nor keep the one typed before.
        for (int b = 0; b < 4; ++b)
            if (beyondRange(b))
                echo_[b]->clear();
        return;
    }
    EnableStd_RP(!check_[R]->isChecked());
    for (int b = 0; b < 4; ++b)
        showEcho(b, value(b));
}

// R snapped to the chosen series; the unknowns follow from it. Values keep what was typed.
void ResistorPowerTab::showStandard() {
    const double rs = std_.snap(value(R));
    PowerValues shown = {value(U), rs, value(I), value(P)};
    const PowerValues snapped = shown;
    for (int b : PowerUnknowns(given()))
        if (b >= 0)
            shown[b] = PowerQuantity(given(), b, snapped);
    for (int b = 0; b < 4; ++b)
        st_.StdValues[TabRP][b] = shown[b];
    for (int b : {U, I, P}) {
        if (check_[b]->isChecked())
            box(b)->setText(Qs(FormatFixedTrim(shown[b], decimals(b))));
        showEcho(b, shown[b]);
    }
    box(R)->setText(Qs(FormatEng(rs, "; ;", std_.formatCode())));
    echo_[R]->clear();
}

void ResistorPowerTab::showTyped() {
    wrongValue_->hide(); // the typed values gave a result before standard values went on
    for (int b = 0; b < 4; ++b) {
        box(b)->setText(fixedText(b));
        showEcho(b, value(b));
    }
}

void ResistorPowerTab::Command_RP_Clear_Click() {
    clearAll(wrongValue_, clear_, [this] {
        for (QLabel* echo : echo_)
            echo->clear();
        EnableStd_RP(false);
    });
}

// Space in an empty box marks or unmarks its quantity as unknown; a third is never marked.
bool ResistorPowerTab::boxSpace(int index) {
    if (!box(index)->text().isEmpty())
        return false;
    if (checkedCount() >= 2) {
        if (check_[index]->isChecked())
            check_[index]->setChecked(false);
    } else {
        check_[index]->toggle();
    }
    return false;
}

void ResistorPowerTab::redisplayBox(int index) {
    CalculatorTab::redisplayBox(index);
    showEcho(index, value(index));
}

} // namespace oq
