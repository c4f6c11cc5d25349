#include "calculators/conversions/reactance_tab.h"

#include "calculators/conversions/unit_choice.h"
#include "core/controls.h"
#include "model/checked.h"
#include "model/notation.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace oq {

namespace {
const char* const FrequencyCaptions[] = {"Hz", "kHz", "MHz", "GHz"};
const char* const ImpedanceCaptions[] = {"Ohm", "kOhm", "MOhm"};
// The unit each box starts with: Hz, µF or µH, Ohm.
constexpr int StartUnit[3] = {0, 2, 0};
} // namespace

ReactanceTab::ReactanceTab(MainHost& host, const TabRow& row, Kind kind, QWidget* parent)
    : CalculatorTab(host, row, parent)
    , kind_(std::move(kind)) {
    const QString tabCode = QLatin1String(code());
    const QString letters[3] = {QStringLiteral("F"), QLatin1String(kind_.letter),
                                QStringLiteral("Z")};
    unknownGroup_ = new QButtonGroup(this);
    unknownGroup_->setExclusive(true);

    auto* grid = new QGridLayout;
    grid->addWidget(addLabel(QByteArray("Label_" + QByteArray(code())).constData(),
                             QStringLiteral("Select Unknown")),
                    0, 0, 1, 3);
    // Created row by row, so the tab order follows the rows.
    for (int i = 0; i < 3; ++i) {
        option_[i] = new QRadioButton(letters[i], this);
        option_[i]->setObjectName(ControlName("Option", code(), i));
        FitToCaption(option_[i]);
        unknownGroup_->addButton(option_[i], i);
        OnClick(option_[i], [this, i] { Option_Click(i); });

        NumberBox* text = addBox(i);
        connect(text, &QLineEdit::textChanged, this, [this, i] { Text_Change(i); });

        frame_[i] = new QGroupBox(this);
        frame_[i]->setObjectName(ControlName("Frame", code(), i));
        frame_[i]->setAccessibleName(boxName(i) + QStringLiteral(" unit"));
        const QByteArray unitCode = (tabCode + u'_' + letters[i]).toLatin1();
        std::vector<QString> captions;
        if (i == ReactF)
            captions.assign(std::begin(FrequencyCaptions), std::end(FrequencyCaptions));
        else if (i == ReactZ)
            captions.assign(std::begin(ImpedanceCaptions), std::end(ImpedanceCaptions));
        else
            for (const char* c : kind_.captions)
                captions.push_back(QString::fromUtf8(c));
        units_[i].emplace(unitGroup(i), frame_[i], unitCode.constData(), captions,
                          [this, i](int k) { Unit_Click(i, k); });

        addBoxRow(grid, i + 1, option_[i], i, nullptr, frame_[i]);
    }
    wrongValue_ = addLabel(QByteArray("Label_" + QByteArray(code()) + "_WrongValue").constData(),
                           QStringLiteral("Incorrect Value"));
    MakeWarningLabel(wrongValue_);
    grid->addWidget(wrongValue_, 4, 1, 1, 2);

    clear_ = addClearButton([this] { Command_Clear_Click(); });
    arrange(grid, {}, clear_);
}

const UnitOptionGroup& ReactanceTab::unitGroup(int index) const {
    if (index == ReactF)
        return FrequencyUnits;
    return index == ReactZ ? ImpedanceUnits : kind_.units;
}

// Runs with SkipChange held: each selection only takes over its factor.
void ReactanceTab::startUp() {
    for (int i = 0; i < 3; ++i)
        units_[i]->option(StartUnit[i])->setChecked(true);
}

// Choosing the unknown only sets which boxes take typing and whose unit the user picks.
void ReactanceTab::Option_Click(int index) {
    st_.UnknownMask[tab_] = static_cast<int16_t>(index);
    st_.LastOption[tab_][0] = static_cast<int16_t>(index);
    for (int i = 0; i < 3; ++i) {
        box(i)->setLocked(i == index);
        frame_[i]->setEnabled(i != index);
    }
    focusBox(index != ReactF ? ReactF : ReactComponent);
}

void ReactanceTab::reselectLastOption() {
    const int last = st_.LastOption[tab_][0];
    if (last >= 0 && last < 3)
        option_[last]->setChecked(true);
}

void ReactanceTab::Text_Change(int index) {
    if (ownWrite())
        return;
    value(index) = InBaseUnits(readBox(index), units_[index]->factor());
    if (value(index) == 0) { // an empty box reads as 0 too
        emptyQuietly(unknown());
        wrongValue_->hide();
        clear_->setEnabled(false);
        return;
    }
    calculate();
}

void ReactanceTab::calculate() {
    const int u = unknown();
    for (int i = 0; i < 3; ++i)
        if (i != u && box(i)->text().isEmpty())
            return;
    try {
        requireInRange();
        value(u) = ReactanceUnknown(kind_.reactive, u, {value(0), value(1), value(2)});
        showValue(u);
        wrongValue_->hide();
    } catch (const CalcError&) {
        // No result from these givens may stay on show; the next entry computes afresh.
        emptyQuietly(u);
        wrongValue_->show();
    }
    clear_->setEnabled(true);
}

void ReactanceTab::showValue(int index) {
    units_[index]->show(st_, box(index), value(index), decimals(index));
}

void ReactanceTab::Unit_Click(int index, int option) {
    if (units_[index]->clicked(st_, option, box(index), value(index)))
        calculate();
}

void ReactanceTab::Command_Clear_Click() {
    clearAll(wrongValue_, clear_, [] {});
}

QAbstractButton* ReactanceTab::unknownOption(int index) const {
    return index >= 0 && index < static_cast<int>(option_.size()) ? option_[index] : nullptr;
}

void ReactanceTab::redisplayBox(int index) {
    showValue(index);
}

CapacitiveReactanceTab::CapacitiveReactanceTab(MainHost& host, const TabRow& row, QWidget* parent)
    : ReactanceTab(host, row,
                   Kind{Reactive::Capacitor, "C", CapacitanceUnits, {"F", "mF", "µF", "nF", "pF"}},
                   parent) {}

InductiveReactanceTab::InductiveReactanceTab(MainHost& host, const TabRow& row, QWidget* parent)
    : ReactanceTab(host, row,
                   Kind{Reactive::Inductor, "L", InductanceUnits, {"H", "mH", "µH", "nH"}},
                   parent) {}

} // namespace oq
