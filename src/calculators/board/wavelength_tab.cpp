#include "calculators/board/wavelength_tab.h"

#include "core/controls.h"
#include "model/checked.h"
#include "model/length_units.h"
#include "model/notation.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace oq {

namespace {
const char* const Code = "WL";
const char* const GivenCaptions[3] = {"Frequency", "Period", "Wavelength"};
const char* const FrequencyCaptions[] = {"Hz", "kHz", "MHz", "GHz"};
const char* const PeriodCaptions[] = {"s", "ms", "µs", "ns", "ps"};
const char* const UnitCodes[2] = {"WL_F", "WL_T"};
// MHz and ns at start.
constexpr int StartUnit[2] = {2, 3};
// The velocity factor: three decimals, 0.477 for FR-4.
constexpr float FactorDecimals = 1.3f;

std::vector<QString> Captions(const char* const* begin, const char* const* end) {
    std::vector<QString> captions;
    for (const char* const* c = begin; c != end; ++c)
        captions.push_back(QString::fromUtf8(*c));
    return captions;
}
} // namespace

WavelengthTab::WavelengthTab(MainHost& host, const TabRow& row, QWidget* parent)
    : CalculatorTab(host, row, parent) {
    givenGroup_ = new QButtonGroup(this);
    givenGroup_->setExclusive(true);
    auto* grid = new QGridLayout;
    grid->addWidget(addLabel("Label_WL", QStringLiteral("Select Given")), 0, 0, 1, 3);

    // Created row by row, so the tab order follows the rows.
    for (int i = Frequency; i <= Length; ++i) {
        option_[i] = new QRadioButton(QLatin1String(GivenCaptions[i]), this);
        option_[i]->setObjectName(ControlName("Option", Code, i));
        FitToCaption(option_[i]);
        givenGroup_->addButton(option_[i], i);
        OnClick(option_[i], [this, i] { Option_WL_Click(i); });

        NumberBox* text = addBox(i, BoxRules{.space = false});
        connect(text, &QLineEdit::textChanged, this, [this, i] { Text_WL_Change(i); });

        frame_[i] = new QGroupBox(this);
        frame_[i]->setObjectName(ControlName("Frame", Code, i));
        frame_[i]->setAccessibleName(boxName(i) + QStringLiteral(" unit"));
        if (i == Length) {
            length_.emplace(st_, tab_, ChoiceLength,
                            std::vector<LengthUnit>{LengthUnit::Metre, LengthUnit::Millimetre,
                                                    LengthUnit::Mil, LengthUnit::Inch},
                            frame_[i], "WL_L", [this](int k) { Option_WL_L_Click(k); });
        } else {
            const auto captions =
                i == Frequency
                    ? Captions(std::begin(FrequencyCaptions), std::end(FrequencyCaptions))
                    : Captions(std::begin(PeriodCaptions), std::end(PeriodCaptions));
            units_[i].emplace(i == Frequency ? FrequencyUnits : PeriodUnits, frame_[i],
                              UnitCodes[i], captions, [this, i](int k) { Unit_Click(i, k); });
        }
        addBoxRow(grid, i + 1, option_[i], i, nullptr, frame_[i]);
    }

    // The medium: an empty box is vacuum's 1, which it shows greyed.
    const char* const mediumLabels[2][2] = {
        {"Label_WL_Permittivity", "Relative permittivity \u03b5r"},
        {"Label_WL_Permeability", "Relative permeability \u03bcr"}};
    for (int b = Permittivity; b <= Permeability; ++b) {
        NumberBox* text = addBox(b, BoxRules{.space = false});
        text->setLocked(false);
        text->setPlaceholderText(QStringLiteral("1"));
        connect(text, &QLineEdit::textChanged, this, [this, b] { Text_WL_Change(b); });
        addBoxRow(grid, b + 1,
                  addLabel(mediumLabels[b - Permittivity][0],
                           QString::fromUtf8(mediumLabels[b - Permittivity][1])),
                  b);
    }

    // The results.
    addBox(Speed, BoxRules{.space = false});
    velocityFactor_ = addLabel("Label_WL_VelocityFactor", QString());
    addBoxRow(grid, Speed + 1, addLabel("Label_WL_Speed", QStringLiteral("Speed")), Speed,
              velocityFactor_);
    addBox(Quarter, BoxRules{.space = false});
    quarterUnit_ = addLabel("Label_WL_QuarterUnit", QString());
    addBoxRow(grid, Quarter + 1, addLabel("Label_WL_Quarter", QStringLiteral("Quarter wavelength")),
              Quarter, nullptr, quarterUnit_);
    for (int b = Speed; b <= Quarter; ++b)
        connect(box(b), &QLineEdit::textChanged, this, [this, b] { Text_WL_Change(b); });

    wrongValue_ = addLabel("Label_WL_WrongValue", QStringLiteral("Incorrect Value"));
    MakeWarningLabel(wrongValue_);
    grid->addWidget(wrongValue_, Quarter + 2, 1, 1, 2);

    clear_ = addClearButton([this] { Command_WL_Clear_Click(); });
    arrange(grid, {}, clear_);
}

// Runs with SkipChange held: each selection only takes over its factor, the kept length unit
// comes back, and the frequency is the given one.
void WavelengthTab::startUp() {
    for (int i = Frequency; i <= Period; ++i)
        units_[i]->option(StartUnit[i])->setChecked(true);
    length_->restore();
    option_[Frequency]->setChecked(true);
}

// Choosing the given box only sets which box takes typing: the values on show stay, and agree.
void WavelengthTab::Option_WL_Click(int given) {
    given_ = given;
    st_.LastOption[tab_][0] = static_cast<int16_t>(given);
    for (int i = Frequency; i <= Length; ++i)
        box(i)->setLocked(i != given);
    // A computed frequency or period takes the unit that suits it; a length, the chosen one.
    frame_[Frequency]->setEnabled(given == Frequency);
    frame_[Period]->setEnabled(given == Period);
    if (!st_.SkipChange)
        focusBox(given);
}

void WavelengthTab::reselectLastOption() {
    const int last = st_.LastOption[tab_][0];
    if (last >= Frequency && last <= Length)
        option_[last]->setChecked(true);
}

void WavelengthTab::Text_WL_Change(int index) {
    // The results only change by the program's writes.
    if (ownWrite() || index >= Speed)
        return;
    const double typed = readBox(index);
    if (index == Frequency || index == Period)
        value(index) = InBaseUnits(typed, units_[index]->factor());
    else if (index == Length)
        value(index) = FromLengthUnit(typed, length_->unit());
    calculate();
}

double WavelengthTab::medium(int index) const {
    return box(index)->text().isEmpty() ? 1 : st_.Values[tab_][index];
}

void WavelengthTab::calculate() {
    clear_->setEnabled(!box(given_)->text().isEmpty() || !box(Permittivity)->text().isEmpty() ||
                       !box(Permeability)->text().isEmpty());
    try {
        requireInRange(); // a number beyond the double range or a pasted negative one
        // An empty given, or a 0 on the way to 0.5, computes nothing yet and tells nothing.
        if (value(given_) == 0 || medium(Permittivity) == 0 || medium(Permeability) == 0) {
            emptyResults();
            wrongValue_->hide();
            return;
        }
        const Wave w = WaveFrom(static_cast<WaveGiven>(given_), value(given_), medium(Permittivity),
                                medium(Permeability));
        const double results[3] = {w.frequency, w.period, w.wavelength};
        for (int i = Frequency; i <= Length; ++i)
            if (i != given_) {
                value(i) = results[i];
                showValue(i);
            }
        value(Speed) = w.speed;
        showValue(Speed);
        value(Quarter) = w.quarter;
        showValue(Quarter);
        velocityFactor_->setText(QStringLiteral("= ") +
                                 Qs(FormatFixedTrim(w.velocityFactor, FactorDecimals)) +
                                 QStringLiteral(" c"));
        wrongValue_->hide();
    } catch (const CalcError&) {
        // No result from these givens may stay on show; the next entry computes afresh.
        emptyResults();
        wrongValue_->show();
    }
}

void WavelengthTab::emptyResults() {
    for (int i = Frequency; i <= Length; ++i)
        if (i != given_)
            emptyQuietly(i);
    emptyQuietly(Speed);
    emptyQuietly(Quarter);
    velocityFactor_->clear();
}

void WavelengthTab::showValue(int index) {
    switch (index) {
    case Frequency:
    case Period:
        units_[index]->show(st_, box(index), value(index), decimals(index));
        break;
    case Length:
    case Quarter:
        writeQuietly(index, Qs(FormatFixedTrim(InLengthUnit(value(index), length_->unit()),
                                               decimals(index))));
        break;
    default:
        writeQuietly(index, fixedText(index));
        break;
    }
}

void WavelengthTab::Unit_Click(int index, int k) {
    if (units_[index]->clicked(st_, k, box(index), value(index)))
        calculate();
}

// The chosen unit (kept by the options) is the one both lengths are shown in. A typed
// wavelength keeps its digits, which now count in the new unit, as a typed number does on every
// tab with units.
void WavelengthTab::Option_WL_L_Click(int) {
    const QString unit = QLatin1String(length_->caption());
    quarterUnit_->setText(unit);
    for (const int b : {int(Length), int(Quarter)})
        box(b)->setAccessibleName(boxName(b) + QStringLiteral(", ") + unit);
    if (st_.SkipChange)
        return; // the start: nothing on show yet
    if (given_ == Length && !box(Length)->text().isEmpty()) {
        value(Length) =
            FromLengthUnit(TextValue(box(Length)->text().toStdString()), length_->unit());
        calculate();
    } else if (!box(Quarter)->text().isEmpty()) {
        if (given_ != Length)
            showValue(Length);
        showValue(Quarter);
    }
    focusBox(given_);
}

void WavelengthTab::Command_WL_Clear_Click() {
    clearAll(wrongValue_, clear_, [this] { velocityFactor_->clear(); });
}

void WavelengthTab::redisplayBox(int index) {
    showValue(index);
}

} // namespace oq
