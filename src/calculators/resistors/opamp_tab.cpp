#include "calculators/resistors/opamp_tab.h"

#include "core/controls.h"
#include "model/checked.h"
#include "model/notation.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace oq {

namespace {
constexpr int BoxCount = 4;
constexpr int Bit(int box) {
    return 1 << box;
}
// Per unknown option, the boxes that take typing (the givens); the others are locked.
constexpr int Inputs[BoxCount] = {Bit(OpR2) | Bit(OpGain), Bit(OpR1) | Bit(OpGain),
                                  Bit(OpSum) | Bit(OpGain), Bit(OpR1) | Bit(OpR2)};
// Where choosing the option puts the caret: its first given.
constexpr int FocusBox[BoxCount] = {OpR2, OpR1, OpSum, OpR1};
} // namespace

OpAmpTab::OpAmpTab(MainHost& host, const TabRow& row, OpAmp kind, const QString& gainCaption,
                   QWidget* parent)
    : CalculatorTab(host, row, parent)
    , kind_(kind)
    , std_(*this, st_, row.code, QStringLiteral("Use Standard values"),
           QStringLiteral("Frame_%1_StdVal").arg(QLatin1String(row.code))) {
    const QString captions[BoxCount] = {QStringLiteral("R1"), QStringLiteral("R2"),
                                        QStringLiteral("R1 AND R2"), gainCaption};
    unknown_ = new QButtonGroup(this);
    unknown_->setExclusive(true);
    // The boxes have no captions of their own: each option names the box beside it.
    auto* grid = new QGridLayout;
    for (int i = 0; i < BoxCount; ++i) {
        option_[i] = new QRadioButton(captions[i], this);
        option_[i]->setObjectName(ControlName("Option", code(), i));
        unknown_->addButton(option_[i], i);
        OnClick(option_[i], [this, i] { optionClick(i); });
        NumberBox* text = addBox(i);
        text->setLocked(true); // nothing takes typing before an unknown is chosen
        connect(text, &QLineEdit::textChanged, this, [this, i] { textChange(i); });
        addBoxRow(grid, i, option_[i], i);
    }
    const QByteArray warningName = QByteArray("Label_") + code() + "_WrongValue";
    wrongValue_ = addLabel(warningName.constData(), QStringLiteral("Incorrect Value"));
    MakeWarningLabel(wrongValue_);
    grid->addWidget(wrongValue_, BoxCount, 1);

    clear_ = addClearButton([this] { clearClick(); });
    std_.attach({option_.begin(), option_.end()}, clear_,
                {[this] { showStandard(); }, [this] { showTyped(); }, [this] { unlockInputs(); },
                 [this] { wrongValue_->show(); }});
    arrange(grid, {std_.checkBox(), std_.frame()}, clear_);

    // The standard values group is built before the options; Tab follows the page downwards.
    QWidget* previous = nullptr;
    auto chain = [&previous](QWidget* next) {
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    };
    for (int i = 0; i < BoxCount; ++i) {
        chain(option_[i]);
        chain(box(i));
    }
    chain(std_.checkBox());
    chain(std_.option(0));
    chain(std_.option(1));
    chain(clear_);
}

int OpAmpTab::mode() const {
    return st_.UnknownMask[tab_];
}

bool OpAmpTab::filled(int index) const {
    return !box(index)->text().isEmpty();
}

void OpAmpTab::enableStd(bool enable) {
    std_.setEnabled(enable);
}

// A resistor that is the unknown was computed, not snapped to the series.
bool OpAmpTab::standardRow(int index) const {
    return (index == OpR1 || index == OpR2) && mode() != index;
}

void OpAmpTab::unlockInputs() {
    for (int b = 0; b < BoxCount; ++b)
        box(b)->setLocked((Inputs[mode()] & Bit(b)) == 0);
}

// Choosing the unknown sets which boxes take typing; the next edit recomputes.
void OpAmpTab::optionClick(int index) {
    st_.LastOption[tab_][0] = static_cast<int16_t>(index);
    st_.UnknownMask[tab_] = static_cast<int16_t>(index);
    unlockInputs();
    QString caption = QStringLiteral("Use Standard Values");
    if (index == OpR1)
        caption = QStringLiteral("Use Standard Value for R2");
    else if (index == OpR2)
        caption = QStringLiteral("Use Standard Value for R1");
    std_.checkBox()->setText(caption);
    focusBox(FocusBox[index]);
    optionChosen(index);
}

// While standard values show, the options are frozen and the boxes stay locked.
void OpAmpTab::reselectLastOption() {
    const int last = st_.LastOption[tab_][0];
    if (!std_.isOn() && last >= 0 && last < BoxCount)
        option_[last]->setChecked(true);
}

void OpAmpTab::textChange(int index) {
    if (ownWrite())
        return;
    edited(index);
}

void OpAmpTab::edited(int index) {
    readBox(index);
    const int m = mode();
    // Any edit voids the single unknown until it is computed again.
    if (m != OpBoth && filled(m))
        emptyQuietly(m);

    if (!filled(index)) {
        int dependents = Bit(OpSum);
        if (index == OpSum || (index == OpGain && m == OpBoth))
            dependents = Bit(OpR1) | Bit(OpR2);
        bool any = false;
        for (int b = 0; b < BoxCount; ++b) {
            if ((dependents & Bit(b)) && filled(b))
                emptyQuietly(b);
            any = any || filled(b);
        }
        wrongValue_->hide();
        enableStd(false);
        if (!any)
            clear_->setEnabled(false);
        return;
    }

    wrongValue_->hide();
    clear_->setEnabled(true);
    int given = 0;
    for (int b = 0; b < BoxCount; ++b)
        given |= filled(b) ? Bit(b) : 0;
    if ((given & Inputs[m]) != Inputs[m]) {
        enableStd(false);
        return;
    }
    try {
        requireInRange();
        const OpAmpValues solved =
            OpAmpSolve(kind_, m, {value(OpR1), value(OpR2), value(OpSum), value(OpGain)});
        for (int b = 0; b < BoxCount; ++b)
            value(b) = solved[b];
        writeResults(index);
        enableStd(true);
    } catch (const CalcError&) {
        // Nothing computed from earlier inputs may stay beside the new ones.
        if (m == OpBoth) {
            emptyQuietly(OpR1);
            emptyQuietly(OpR2);
        } else {
            emptyQuietly(OpSum);
        }
        wrongValue_->show();
        // Standard values need a network that could be computed.
        enableStd(false);
    }
}

// The typed resistors are snapped; what follows from them is recomputed. Values keep what was
// typed and computed, StdValues what is now shown.
void OpAmpTab::showStandard() {
    const int m = mode();
    const OpAmpValues shown =
        OpAmpStandard(kind_, m, {value(OpR1), value(OpR2), value(OpSum), value(OpGain)},
                      [this](double v) { return std_.snap(v); });
    const float code = std_.formatCode();
    for (int b = 0; b < BoxCount; ++b)
        st_.StdValues[tab_][b] = shown[b];
    auto fixed = [&](int b) { return Qs(FormatFixedTrim(shown[b], decimals(b))); };
    auto resistor = [&](int b) { return b == m ? fixed(b) : Qs(FormatEng(shown[b], "; ;", code)); };
    box(OpR1)->setText(resistor(OpR1));
    box(OpR2)->setText(resistor(OpR2));
    box(OpSum)->setText(fixed(OpSum));
    box(OpGain)->setText(fixed(OpGain));
}

void OpAmpTab::showTyped() {
    wrongValue_->hide(); // the typed values gave a result before standard values went on
    for (int b = 0; b < BoxCount; ++b)
        box(b)->setText(fixedText(b));
}

void OpAmpTab::clearClick() {
    clearAll(wrongValue_, clear_, [this] { enableStd(false); });
}

QAbstractButton* OpAmpTab::unknownOption(int index) const {
    return index >= 0 && index < static_cast<int>(option_.size()) ? option_[index] : nullptr;
}

InvertingOpAmpTab::InvertingOpAmpTab(MainHost& host, const TabRow& row, QWidget* parent)
    : OpAmpTab(host, row, OpAmp::Inverting, QStringLiteral("Gain (Inverted)"), parent) {}

// Every box but the one being typed in is shown again with its decimals, the other given too.
void InvertingOpAmpTab::writeResults(int index) {
    for (int b = 0; b < BoxCount; ++b)
        if (b != index)
            writeQuietly(b, fixedText(b));
}

NonInvertingOpAmpTab::NonInvertingOpAmpTab(MainHost& host, const TabRow& row, QWidget* parent)
    : OpAmpTab(host, row, OpAmp::NonInverting, QStringLiteral("Gain"), parent) {}

// Only what was computed is written; the boxes the user typed keep their text.
void NonInvertingOpAmpTab::writeResults(int) {
    const int m = mode();
    if (m != OpBoth)
        writeQuietly(OpSum, fixedText(OpSum));
    if (m == OpBoth) {
        writeQuietly(OpR1, fixedText(OpR1));
        writeQuietly(OpR2, fixedText(OpR2));
    } else {
        writeQuietly(m, fixedText(m));
    }
}

// A sum already there is taken as typed: both resistors follow from it and the gain at once.
void NonInvertingOpAmpTab::optionChosen(int index) {
    if (index != OpBoth || !filled(OpSum))
        return;
    writeQuietly(OpSum, Qs(NumberText(value(OpSum))).remove(QLatin1Char(' ')));
    edited(OpSum);
}

} // namespace oq
