#include "calculators/resistors/voltage_divider_tab.h"

#include "core/controls.h"
#include "core/main_host.h"
#include "model/checked.h"
#include "model/notation.h"
#include "model/voltage_divider.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace oq {

namespace {
// Boxes; the unknown options share the first four indexes, option 4 means both resistors.
enum Box { U = 0, U1 = 1, R1 = 2, R2 = 3, Sum = 4 };
constexpr int Both = 4;
constexpr int BoxCount = 5;
// Per unknown option, the boxes it needs typed; they are also the ones that take typing in that
// mode.
constexpr auto& Required = DividerRequired;
const char* const OptionCaptions[BoxCount] = {"U", "U1", "R1", "R2", " R1 AND R2"};
} // namespace

VoltageDividerTab::VoltageDividerTab(MainHost& host, const TabRow& row, QWidget* parent)
    : CalculatorTab(host, row, parent)
    , std_(*this, st_, "VD", QStringLiteral("Use Standard values"),
           QStringLiteral("Frame_VD_StdVal")) {
    unknown_ = new QButtonGroup(this);
    unknown_->setExclusive(true);
    for (int i = 0; i < BoxCount; ++i) {
        option_[i] = new QRadioButton(QLatin1String(OptionCaptions[i]), this);
        option_[i]->setObjectName(ControlName("Option", "VD", i));
        unknown_->addButton(option_[i], i);
        OnClick(option_[i], [this, i] { Option_VD_Click(i); });
        NumberBox* text = addBox(i);
        connect(text, &QLineEdit::textChanged, this, [this, i] { Text_VD_Change(i); });
    }

    // Each quantity's option sits beside its box; option 4 has no box of its own and stands
    // between the resistors and their sum.
    auto* grid = new QGridLayout;
    grid->addWidget(addLabel("Label_VD_1", QStringLiteral("Select Unknown")), 0, 0, 1, 2);
    for (int b = U; b <= R2; ++b)
        addBoxRow(grid, b + 1, option_[b], b);
    grid->addWidget(option_[Both], 5, 0, 1, 2, Qt::AlignLeft);
    addBoxRow(grid, 6, addLabel("Label_VD_2", QStringLiteral("R1 + R2")), Sum);
    wrongValue_ = addLabel("Label_VD_WrongValue", QStringLiteral("Incorrect Value"));
    MakeWarningLabel(wrongValue_);
    grid->addWidget(wrongValue_, 7, 1);

    clear_ = addClearButton([this] { Command_VD_Clear_Click(); });
    std_.attach({option_.begin(), option_.end()}, clear_,
                {[this] { showStandard(); }, [this] { showTyped(); }, [this] { unlockInputs(); },
                 [this] { wrongValue_->show(); }});

    arrange(grid, {std_.checkBox(), std_.frame()}, clear_);
}

int VoltageDividerTab::mode() const {
    return st_.UnknownMask[TabVD];
}

bool VoltageDividerTab::filled(int index) const {
    return !box(index)->text().isEmpty();
}

void VoltageDividerTab::EnableStd_VD(bool enable) {
    std_.setEnabled(enable);
}

// A resistor that is the unknown was computed, not snapped to the series.
bool VoltageDividerTab::standardRow(int index) const {
    return (index == R1 || index == R2) && mode() != index;
}

void VoltageDividerTab::writeBox(int index, double v) {
    value(index) = v;
    writeQuietly(index, fixedText(index));
}

void VoltageDividerTab::unlockInputs() {
    const int m = mode();
    for (int b = 0; b < BoxCount; ++b)
        box(b)->setLocked((Required[m] & (1 << b)) == 0);
}

// Choosing the unknown only sets which boxes take typing; the next edit recomputes.
void VoltageDividerTab::Option_VD_Click(int index) {
    st_.UnknownMask[TabVD] = static_cast<int16_t>(index);
    st_.LastOption[TabVD][0] = static_cast<int16_t>(index);
    unlockInputs();
    if (index < Both) {
        bool all = true;
        for (int b = 0; b < BoxCount; ++b)
            all = all && filled(b);
        if (all)
            EnableStd_VD(true);
    }
    QString caption = QStringLiteral("Use Standard Values");
    if (index == R1)
        caption = QStringLiteral("Use Standard Value for R2");
    else if (index == R2)
        caption = QStringLiteral("Use Standard Value for R1");
    std_.checkBox()->setText(caption);
    focusBox(index == U ? R1 : U);
}

void VoltageDividerTab::reselectLastOption() {
    const int last = st_.LastOption[TabVD][0];
    if (last >= 0 && last < BoxCount)
        option_[last]->setChecked(true);
}

void VoltageDividerTab::Text_VD_Change(int index) {
    if (ownWrite())
        return;
    readBox(index);
    const int m = mode();
    // Any edit voids the single unknown until it is computed again.
    if (m < Both && filled(m))
        emptyQuietly(m);

    if (!filled(index)) {
        int dependents = 0;
        if (index == U || index == U1) {
            if (m == Both)
                dependents = 1 << R1 | 1 << R2;
            else if (m == R1 || m == R2)
                dependents = 1 << Sum;
        } else if (index == R1 || index == R2) {
            dependents = 1 << Sum;
        } else {
            dependents = 1 << R1 | 1 << R2;
        }
        bool any = false;
        for (int b = 0; b < BoxCount; ++b) {
            if ((dependents & (1 << b)) && filled(b))
                emptyQuietly(b);
            any = any || filled(b);
        }
        wrongValue_->hide();
        EnableStd_VD(false);
        if (!any)
            clear_->setEnabled(false);
        return;
    }
    calculate();
}

void VoltageDividerTab::calculate() {
    const int m = mode();
    wrongValue_->hide();
    try {
        requireInRange();
        int f = 0;
        for (int b = 0; b < BoxCount; ++b)
            f |= filled(b) ? 1 << b : 0;
        const bool ready = (f & Required[m]) == Required[m];
        const double u = value(U), u1 = value(U1), sum = value(Sum);
        const double result = ready ? DividerUnknown(m, {u, u1, value(R1), value(R2), sum}) : 0.0;
        // Compared only when both voltages are known: an empty box is not a voltage of 0.
        if (filled(U) && filled(U1) && u1 > u)
            throw CalcError("output above input");
        if (!ready) {
            clear_->setEnabled(true);
            EnableStd_VD(false);
            return;
        }
        if (result < 0 || (m == Both && sum < 0))
            throw CalcError("negative resistance");
        if (m < Both) {
            writeBox(m, result);
            writeBox(Sum, Add(value(R1), value(R2)));
        } else {
            writeBox(R2, result);
            const double rest = Sub(sum, result);
            if (rest < 0)
                throw CalcError("negative resistance");
            writeBox(R1, rest);
        }
        EnableStd_VD(true);
    } catch (const CalcError&) {
        // Nothing computed from these inputs may stay on show.
        if (m < Both) {
            emptyQuietly(Sum);
        } else {
            emptyQuietly(R1);
            emptyQuietly(R2);
        }
        wrongValue_->show();
        EnableStd_VD(false);
    }
}

// The resistors that were typed are snapped; the unknown follows from them. Values keep what
// was typed and computed, StdValues what is now shown.
void VoltageDividerTab::showStandard() {
    const int m = mode();
    const float code = std_.formatCode();
    std::array<double, BoxCount> shown{};
    for (int b = 0; b < BoxCount; ++b)
        shown[b] = value(b);
    if (m != R1)
        shown[R1] = std_.snap(value(R1));
    if (m != R2)
        shown[R2] = std_.snap(value(R2));
    // U1 and both resistors unknown: the snapped pair gives a new output.
    const int unknown = m == U || m == R1 || m == R2 ? m : U1;
    shown[unknown] = DividerUnknown(unknown, shown);
    shown[Sum] = Add(shown[R1], shown[R2]);

    auto fixed = [&](int b) { return Qs(FormatFixedTrim(shown[b], decimals(b))); };
    auto resistor = [&](int b) { return b == m ? fixed(b) : Qs(FormatEng(shown[b], "; ;", code)); };
    for (int b = 0; b < BoxCount; ++b)
        st_.StdValues[TabVD][b] = shown[b];
    if (m == U)
        box(U)->setText(fixed(U));
    else if (m == U1 || m == Both)
        box(U1)->setText(fixed(U1));
    box(R1)->setText(resistor(R1));
    box(R2)->setText(resistor(R2));
    box(Sum)->setText(fixed(Sum));
}

void VoltageDividerTab::showTyped() {
    wrongValue_->hide(); // the typed values gave a result before standard values went on
    for (int b = 0; b < BoxCount; ++b)
        box(b)->setText(fixedText(b));
}

void VoltageDividerTab::Command_VD_Clear_Click() {
    clearAll(wrongValue_, clear_, [this] { EnableStd_VD(false); });
}

QAbstractButton* VoltageDividerTab::unknownOption(int index) const {
    return index >= 0 && index < static_cast<int>(option_.size()) ? option_[index] : nullptr;
}

} // namespace oq
