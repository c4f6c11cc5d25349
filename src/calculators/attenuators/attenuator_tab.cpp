#include "calculators/attenuators/attenuator_tab.h"

#include "core/controls.h"
#include "core/main_host.h"
#include "core/platform.h"
#include "model/checked.h"
#include "model/notation.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <string>

namespace oq {

namespace {

const QString OpenExplained =
    QStringLiteral("Any value higher than 100 Mohm is converted to 101 Mohm "
                   "\nand shown as Open.");
const QString ShortExplained = QStringLiteral("Any value less than 0.1 ohm is converted to 0 ohm "
                                              "\nand shown as Short.");

QString Named(const char* pattern, const char* code) {
    return QString::fromLatin1(pattern).arg(QLatin1String(code));
}

} // namespace

AttenuatorTab::AttenuatorTab(MainHost& host, const TabRow& row, Network network, QWidget* parent)
    : CalculatorTab(host, row, parent)
    , network_(network)
    , std_(*this, st_, row.code, QStringLiteral("Use Standard Values"),
           Named("Frame_%1_StdVal", row.code)) {
    const char* c = code();
    for (int i = 0; i < BoxCount; ++i) {
        // The arms are results only: no digits there, and Space picks no unknown on these tabs.
        BoxRules rules;
        rules.digits = i < R1 || i > R3;
        rules.space = false;
        NumberBox* text = addBox(i, rules);
        connect(text, &QLineEdit::textChanged, this, [this, i] { Text_Change(i); });
    }
    box(Z1)->setLocked(false);
    box(Z2)->setLocked(false);

    auto* readingFrame = new QGroupBox(this);
    readingFrame->setObjectName(Named("Frame_%1_UP", c));
    readingFrame->setAccessibleName(QStringLiteral("Attenuation as a ratio of"));
    auto* readingLayout = new QHBoxLayout(readingFrame);
    auto* readingGroup = new QButtonGroup(this);
    const char* const readings[2] = {"Voltage", "Power"};
    for (int k = 0; k < 2; ++k) {
        reading_[k] = new QRadioButton(QLatin1String(readings[k]), readingFrame);
        reading_[k]->setObjectName(ControlName("Option", (std::string(c) + "_VP").c_str(), k));
        FitToCaption(reading_[k]);
        readingGroup->addButton(reading_[k], k);
        readingLayout->addWidget(reading_[k]);
    }
    readingLayout->addStretch(1);
    reading_[0]->setChecked(true);
    for (QRadioButton* option : reading_)
        OnClick(option, [this] { Option_VP_Click(); });

    minAtt_ = new QPushButton(QStringLiteral("Min Attenuaton"), this);
    minAtt_->setObjectName(Named("Command_%1_MinAtt", c));
    minAtt_->setEnabled(false);
    connect(minAtt_, &QPushButton::clicked, this, [this] { Command_MinAtt_Click(); });

    auto* unknown = new QGroupBox(QStringLiteral("Unknown"), this);
    unknown->setObjectName(Named("Frame_%1_Unknown", c));
    auto* arms = new QGridLayout(unknown);
    const char* const armNames[3] = {"R1", "R2", "R3"};
    for (int k = 0; k < 3; ++k) {
        auto* caption = new QLabel(QLatin1String(armNames[k]), unknown);
        caption->setObjectName(QStringLiteral("Label_%1_%2").arg(QLatin1String(c)).arg(7 + k));
        addBoxRow(arms, k, caption, R1 + k);
    }

    copy_ = new QCheckBox(network_ == Network::Pi ? QStringLiteral("Copy values to T-net")
                                                  : QStringLiteral("Copy values to PI-net"),
                          this);
    copy_->setObjectName(network_ == Network::Pi ? QStringLiteral("Check_PI_CopyT")
                                                 : QStringLiteral("Check_T_CopyPI"));
    copy_->setEnabled(false);
    FitToCaption(copy_);

    auto label = [&](int n, const char* caption) {
        return addLabel(("Label_" + std::string(c) + "_" + std::to_string(n)).c_str(),
                        QLatin1String(caption));
    };
    auto* grid = new QGridLayout;
    addBoxRow(grid, 0, label(1, "Z1"), Z1);
    addBoxRow(grid, 1, label(2, "Z2"), Z2);
    addBoxRow(grid, 2, label(3, "Attenuation"), Attenuation, nullptr, label(4, "dB"));
    grid->addWidget(readingFrame, 3, 0, 1, 2);
    grid->addWidget(minAtt_, 3, UnitColumn, 1, 2, Qt::AlignLeft);
    grid->addWidget(unknown, 4, 0, 1, 3);
    addBoxRow(grid, 5, label(5, "Reverse Attenuation"), Reverse, nullptr, label(6, "dB"));
    wrongValue_ = addLabel(("Label_" + std::string(c) + "_WrongValue").c_str(),
                           QStringLiteral("Incorrect Value"));
    MakeWarningLabel(wrongValue_);
    grid->addWidget(wrongValue_, 6, 1);

    clear_ = addClearButton([this] { Command_Clear_Click(); });
    std_.attach({reading_[0], reading_[1], minAtt_, copy_}, clear_,
                {[this] { showStandard(); }, [this] { showTyped(); },
                 [this] {
                     for (int b = Z1; b <= Attenuation; ++b)
                         box(b)->setLocked(false);
                 },
                 nullptr});
    arrange(grid, {std_.checkBox(), std_.frame(), copy_}, clear_);

    QWidget* const order[] = {
        box(Z1),         box(Z2),        box(Attenuation), reading_[0], reading_[1],
        minAtt_,         box(R1),        box(R2),          box(R3),     box(Reverse),
        std_.checkBox(), std_.option(0), std_.option(1),   copy_,       clear_};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

bool AttenuatorTab::filled(int index) const {
    return !box(index)->text().isEmpty();
}

bool AttenuatorTab::power() const {
    return reading_[1]->isChecked();
}

void AttenuatorTab::EnableStd(bool enable) {
    std_.setEnabled(enable);
}

void AttenuatorTab::updateClear() {
    clear_->setEnabled(filled(Z1) || filled(Z2) || filled(Attenuation));
}

void AttenuatorTab::Text_Change(int index) {
    if (ownWrite() || index > Attenuation)
        return;
    // A change that leaves the number as it was (a trailing point or zero) recomputes nothing.
    if (TextValue(box(index)->text().toStdString()) == value(index))
        return;
    readBox(index);
    if (!filled(index)) {
        emptyBoxPath(index);
        return;
    }
    wrongValue_->hide();
    calculate(index);
}

void AttenuatorTab::emptyBoxPath(int index) {
    // An attenuation chosen for other impedances means nothing any more.
    if ((index == Z1 || index == Z2) && filled(Attenuation)) {
        emptyQuietly(Attenuation);
        box(Attenuation)->setLocked(true);
    }
    if (filled(R2)) {
        for (int b = R1; b <= Reverse; ++b)
            writeQuietly(b, QString());
        wrongValue_->hide();
        EnableStd(false);
        minAtt_->setEnabled(index == Attenuation && filled(Z1) && filled(Z2));
        copy_->setEnabled(false);
    }
    updateClear();
}

void AttenuatorTab::calculate(int index) {
    const int mask = (filled(Z1) ? 1 : 0) | (filled(Z2) ? 2 : 0) | (filled(Attenuation) ? 4 : 0);
    if (mask != 3 && mask != 7) {
        updateClear();
        return;
    }
    try {
        requireInRange();
        // A new impedance asks for the minimum again; a typed attenuation is taken as it is.
        AttenuatorInput in{value(Z1), value(Z2), std::nullopt, power()};
        if (index == Attenuation)
            in.attenuation = value(Attenuation);
        const AttenuatorDesign d = DesignAttenuator(network_, in);
        if (d.minimum) {
            value(Attenuation) = d.attenuation;
            writeQuietly(Attenuation, fixedText(Attenuation));
            box(Attenuation)->setLocked(false);
        }
        for (int k = 0; k < 3; ++k)
            showArm(R1 + k, d.arms[static_cast<size_t>(k)]);
        value(Reverse) = d.reverse;
        writeQuietly(Reverse, fixedText(Reverse));
        copy_->setEnabled(true);
        // Standard values and the way back to the minimum only make sense for a chosen one.
        EnableStd(!d.minimum);
        minAtt_->setEnabled(!d.minimum);
        updateClear();
    } catch (const CalcError&) {
        failed(index);
    }
}

void AttenuatorTab::failed(int index) {
    if (index == Z1 || index == Z2)
        emptyQuietly(Attenuation);
    for (int b = R1; b <= Reverse; ++b)
        writeQuietly(b, QString());
    wrongValue_->show();
    EnableStd(false);
    copy_->setEnabled(false);
    if (value(Z1) >= value(Z2))
        minAtt_->setEnabled(true);
}

void AttenuatorTab::showArm(int index, const Arm& arm) {
    value(index) = arm.value;
    armShown_[static_cast<size_t>(index - R1)] = arm.shown;
    QString text;
    switch (arm.shown) {
    case ArmShown::Open:
        text = QStringLiteral("Open");
        break;
    case ArmShown::Short:
        text = QStringLiteral("Short");
        break;
    case ArmShown::Number:
        text = fixedText(index);
        break;
    }
    writeQuietly(index, text);
}

void AttenuatorTab::reenter(int index, double v) {
    box(index)->clear();
    box(index)->setText(Qs(NumberText(v)).trimmed());
    writeQuietly(index, fixedText(index));
}

// The figures on show are read again in the other sense: the number stays, the design follows.
void AttenuatorTab::Option_VP_Click() {
    if (ownClick())
        return;
    if (!filled(Z1) || !filled(Z2))
        return;
    const int entry = filled(Attenuation) ? Attenuation : Z2;
    reenter(entry, value(entry));
    focusBox(Attenuation);
}

void AttenuatorTab::Command_MinAtt_Click() {
    box(Attenuation)->clear();
    Option_VP_Click();
}

void AttenuatorTab::Command_Clear_Click() {
    clearAll(wrongValue_, clear_, [this] {
        copy_->setEnabled(false);
        minAtt_->setEnabled(false);
        box(Attenuation)->setLocked(true);
        // Nothing is left to snap.
        EnableStd(false);
    });
}

bool AttenuatorTab::armOnShow(int index) const {
    const double v = st_.Values[tab_][index];
    return armShown_[static_cast<size_t>(index - R1)] == ArmShown::Number && v >= ShortBelow &&
           v <= OpenAbove;
}

void AttenuatorTab::showStandard() {
    const AttenuatorInput in{value(Z1), value(Z2), value(Attenuation), power()};
    Arms arms;
    for (int k = 0; k < 3; ++k)
        arms[static_cast<size_t>(k)] = {value(R1 + k), armShown_[static_cast<size_t>(k)]};
    const StandardNetwork n = StandardAttenuator(network_, in, arms, std_.option(1)->isChecked(),
                                                 TextValue(box(Z1)->text().toStdString()),
                                                 TextValue(box(Z2)->text().toStdString()));
    auto& shown = st_.StdValues[tab_];
    shown[Z1] = n.z1;
    shown[Z2] = n.z2;
    shown[Attenuation] = n.attenuation;
    shown[Reverse] = n.reverse;
    for (int k = 0; k < 3; ++k)
        shown[R1 + k] = n.arms[static_cast<size_t>(k)];
    for (int b : {Z1, Z2, Attenuation, Reverse})
        box(b)->setText(Qs(FormatFixedTrim(shown[b], decimals(b))));
    // Open and Short arms are no resistors to buy: they stay as they are.
    for (int b = R1; b <= R3; ++b)
        if (armOnShow(b))
            box(b)->setText(Qs(FormatEng(shown[b], "; ;", std_.formatCode())));
}

void AttenuatorTab::showTyped() {
    for (int b : {Z1, Z2, Attenuation, Reverse})
        box(b)->setText(fixedText(b));
    for (int b = R1; b <= R3; ++b)
        if (armOnShow(b))
            box(b)->setText(fixedText(b));
}

void AttenuatorTab::boxDoubleClick(int index) {
    if (index != Reverse)
        CalculatorTab::boxDoubleClick(index);
}

// An Open or Short arm has no decimals to set; the user is told why it shows no number.
void AttenuatorTab::boxRightClick(int index, int modifiers) {
    const NumberBox* b = box(index);
    if (b && modifiers != 0) {
        const QString shown = b->text();
        const bool open = shown == QLatin1String("Open");
        if (open || shown == QLatin1String("Short")) {
            const QString& why = open ? OpenExplained : ShortExplained;
            if (modifiers == ModShift) {
                host_.platform().information(
                    window(), QStringLiteral(" Decimals Properties"),
                    why + QStringLiteral("\n\nDecimal settings can't be changed at this point."));
                return;
            }
            host_.platform().information(window(), QStringLiteral("Properties"), why);
        }
    }
    CalculatorTab::boxRightClick(index, modifiers);
}

AttenuatorTab* AttenuatorTab::twin() const {
    return qobject_cast<AttenuatorTab*>(host_.tab(network_ == Network::Pi ? TabT : TabPI));
}

void AttenuatorTab::enterTab(int previousTab) {
    AttenuatorTab* other = twin();
    if (other && previousTab == other->tabIndex())
        copyFrom(*other);
    CalculatorTab::enterTab(previousTab);
}

bool AttenuatorTab::sameDesignAs(const AttenuatorTab& other) const {
    const auto& mine = st_.Values[tab_];
    const auto& theirs = st_.Values[other.tab_];
    return mine[Z1] == theirs[Z1] && mine[Z2] == theirs[Z2] &&
           mine[Attenuation] == theirs[Attenuation] && power() == other.power();
}

// The impedances, the reading and a chosen attenuation of the twin are typed into this tab, as
// if by the user, so that this network is designed for them.
void AttenuatorTab::copyFrom(AttenuatorTab& source) {
    if (sameDesignAs(source) || !source.copy_->isChecked() || !source.copy_->isEnabled())
        return;
    // The standard values on show came from the design that is about to be replaced.
    if (std_.isOn())
        std_.checkBox()->setChecked(false);
    lastBox() = std::max<int16_t>(st_.LastBox[source.tab_], 0);
    box(Z1)->clear();
    box(Z2)->clear();
    reading_[source.power() ? 1 : 0]->setChecked(true);
    reenter(Z1, source.value(Z1));
    reenter(Z2, source.value(Z2));
    if (source.minAtt_->isEnabled()) // its attenuation was chosen, not its minimum
        reenter(Attenuation, source.value(Attenuation));
    // The request is used up; the two tabs now agree, so neither tick asks for anything.
    source.copy_->setChecked(false);
    copy_->setChecked(false);
}

} // namespace oq
