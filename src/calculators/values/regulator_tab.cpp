#include "calculators/values/regulator_tab.h"

#include "core/controls.h"
#include "core/main_host.h"
#include "core/platform.h"
#include "model/checked.h"
#include "model/computations.h"
#include "model/notation.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace oq {

namespace {

enum Box {
    Vout = 0,
    R1 = 1,
    R2 = 2,
    VrefMin = 3,
    VrefTyp = 4,
    VrefMax = 5,
    IadjMin = 6,
    IadjTyp = 7,
    IadjMax = 8,
    RangeLow = 9,
    RangeHigh = 10,
    VoutMin = 11,
    VoutMax = 12,
    Below = 13,
    Above = 14,
    Error = 15,
    BoxCount = 16
};
// The computation's name of each box.
const char* const Names[BoxCount] = {
    "vout",       "r1",       "r2",       "vref_min",        "vref",
    "vref_max",   "iadj_min", "iadj",     "iadj_max",        "range_low",
    "range_high", "vout_min", "vout_max", "deviation_below", "deviation_above",
    "error"};
// The adjust-pin current is typed in microamperes.
constexpr double Micro = 1e-6;
// In the index order of the other tabs' series options, then the sparse ones.
const std::vector<Series> Offered = {Series::E96,  Series::E24, Series::E12, Series::E48,
                                     Series::E192, Series::E6,  Series::E3};
const char* const IncorrectValue = "Incorrect Value";
const char* const NoPairs = "No Values Found";
constexpr int DefaultTolerance = 2; // 1 %

} // namespace

RegulatorTab::RegulatorTab(MainHost& host, const TabRow& row, QWidget* parent)
    : CalculatorTab(host, row, parent)
    , std_(*this, st_, "REG", QStringLiteral("Use Standard Values"),
           QStringLiteral("Frame_REG_StdVal"), Offered) {
    auto label = [&](const char* name, const QString& caption) {
        return addLabel((std::string("Label_REG_") + name).c_str(), caption);
    };
    auto* unknown = new QButtonGroup(this);
    const char* const captions[3] = {"Vout", "R1", "R2"};
    for (int i = 0; i < 3; ++i) {
        option_[i] = new QRadioButton(QLatin1String(captions[i]), this);
        option_[i]->setObjectName(ControlName("Option", "REG", i));
        FitToCaption(option_[i]);
        unknown->addButton(option_[i], i);
    }
    auto* kinds = new QButtonGroup(this);
    const char* const kindCaptions[2] = {"Standard", "Three-terminal"};
    for (int i = 0; i < 2; ++i) {
        kind_[i] = new QRadioButton(QLatin1String(kindCaptions[i]), this);
        kind_[i]->setObjectName(ControlName("Option", "REG_Kind", i));
        FitToCaption(kind_[i]);
        kinds->addButton(kind_[i], i);
    }
    option_[Vout]->setChecked(true);
    kind_[0]->setChecked(true);
    for (int i = 0; i < 3; ++i)
        OnClick(option_[i], [this, i] { Option_REG_Click(i); });
    for (int i = 0; i < 2; ++i)
        OnClick(kind_[i], [this, i] { Option_REG_Kind_Click(i); });

    for (int b = 0; b < BoxCount; ++b) {
        NumberBox* text = addBox(b);
        connect(text, &QLineEdit::textChanged, this, [this, b] { Text_REG_Change(b); });
    }
    // What an empty limit stands for.
    for (int b : {VrefMin, VrefMax, IadjMax})
        box(b)->setPlaceholderText(QStringLiteral("= typical"));
    box(IadjMin)->setPlaceholderText(QStringLiteral("0"));

    regulator_ = new QComboBox(this);
    regulator_->setObjectName(QStringLiteral("Combo_REG_Regulator"));
    regulator_->setEditable(true);
    regulator_->setInsertPolicy(QComboBox::NoInsert);
    regulator_->setMinimumContentsLength(14);
    regulator_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    regulator_->lineEdit()->setPlaceholderText(QStringLiteral("Pick, or name to add"));
    // A screen reader reads one name for a list, its text and its drop-down.
    auto name = [](QComboBox* combo, const QString& text) {
        combo->setAccessibleName(text);
        if (combo->lineEdit())
            combo->lineEdit()->setAccessibleName(text);
        combo->view()->setAccessibleName(text);
    };
    name(regulator_, QStringLiteral("Regulator"));
    connect(regulator_, &QComboBox::activated, this, &RegulatorTab::Combo_REG_Regulator_Click);
    add_ = new QPushButton(QStringLiteral("Add"), this);
    add_->setObjectName(QStringLiteral("Command_REG_Add"));
    add_->setToolTip(QStringLiteral("Keep the kind and figures under the name typed"));
    connect(add_, &QPushButton::clicked, this, &RegulatorTab::Command_REG_Add_Click);
    remove_ = new QPushButton(QStringLiteral("Remove"), this);
    remove_->setObjectName(QStringLiteral("Command_REG_Remove"));
    connect(remove_, &QPushButton::clicked, this, &RegulatorTab::Command_REG_Remove_Click);
    connect(regulator_, &QComboBox::editTextChanged, this, [this](const QString& text) {
        remove_->setEnabled(regulatorNamed(text.trimmed()) >= 0);
    });

    tolerance_ = new QComboBox(this);
    tolerance_->setObjectName(QStringLiteral("Combo_REG_Tolerance"));
    name(tolerance_, QStringLiteral("Resistor tolerance, %"));
    for (double t : RegulatorTolerances)
        tolerance_->addItem(Qs(FormatFixedTrim(t, 0)));
    tolerance_->setCurrentIndex(DefaultTolerance);
    connect(tolerance_, &QComboBox::currentIndexChanged, this, [this] { calculate(); });

    pairs_ = new QComboBox(this);
    pairs_->setObjectName(QStringLiteral("Combo_REG_Pairs"));
    name(pairs_, QStringLiteral("Ten best standard pairs"));
    pairs_->setPlaceholderText(QStringLiteral("Ten best pairs"));
    pairs_->setMinimumContentsLength(28);
    pairs_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    pairs_->setEnabled(false);
    connect(pairs_, &QComboBox::activated, this, &RegulatorTab::Combo_REG_Pairs_Click);

    wrongValue_ = label("WrongValue", QString::fromLatin1(IncorrectValue));
    MakeWarningLabel(wrongValue_);
    formula_ = label("Formula", QString());
    rangeLabel_ = label("Range", QString());
    rangeToLabel_ = label("RangeTo", QString());

    // Two grids of the shape every tab shares. Left: the regulator, its figures and the range
    // of the ranged resistor; right: the feedback pair, the worst case and the standard pair.
    auto caption = [&](const char* control, const char* text) {
        return label(control, QLatin1String(text));
    };
    auto* left = new QGridLayout;
    auto* pick = new QHBoxLayout;
    pick->addWidget(caption("Regulator", "Regulator"));
    pick->addWidget(regulator_, 1);
    pick->addWidget(add_);
    pick->addWidget(remove_);
    left->addLayout(pick, 0, 0, 1, 4);
    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(kind_[0]);
    kindRow->addWidget(kind_[1]);
    kindRow->addStretch(1);
    left->addWidget(caption("Kind", "Kind"), 1, CaptionColumn);
    left->addLayout(kindRow, 1, BoxColumn, 1, 3);
    const char* const figureCaptions[6] = {"Vref min", "Vref typical", "Vref max",
                                           "Iadj min", "Iadj typical", "Iadj max"};
    for (int b = VrefMin; b <= IadjMax; ++b)
        addBoxRow(left, 2 + b - VrefMin,
                  addLabel(ControlName("Label", "REG_Figure", b).toLatin1().constData(),
                           QLatin1String(figureCaptions[b - VrefMin])),
                  b);
    left->addWidget(caption("Tolerance", "Resistor tolerance"), 8, CaptionColumn);
    left->addWidget(tolerance_, 8, BoxColumn, Qt::AlignLeft);
    left->addWidget(caption("Percent", "%"), 8, UnitColumn);
    addBoxRow(left, 9, rangeLabel_, RangeLow);
    addBoxRow(left, 10, rangeToLabel_, RangeHigh);
    left->setRowStretch(11, 1);

    auto* right = new QGridLayout;
    // The kind's formula heads the quantities it ties together.
    right->addWidget(formula_, 0, 0, 1, 4);
    for (int b = Vout; b <= R2; ++b)
        addBoxRow(right, 1 + b, option_[b], b);
    right->addWidget(caption("WorstCase", "Worst case"), 4, 0, 1, 3);
    const char* const worst[4] = {"Vout min", "Vout max", "Below typical", "Above typical"};
    for (int b = VoutMin; b <= Above; ++b)
        addBoxRow(right, 5 + b - VoutMin,
                  addLabel(ControlName("Label", "REG_Worst", b).toLatin1().constData(),
                           QLatin1String(worst[b - VoutMin])),
                  b);
    addBoxRow(right, 9, caption("Error", "Standard pair error"), Error);
    right->addWidget(pairs_, 10, 0, 1, 4, Qt::AlignLeft);
    right->setRowStretch(11, 1);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addSpacing(fontMetrics().averageCharWidth());
    columns->addLayout(right);

    auto* controls = new QVBoxLayout;
    controls->addLayout(columns);
    auto* standard = new QHBoxLayout;
    standard->addWidget(std_.checkBox());
    standard->addWidget(std_.frame());
    standard->addStretch(1);
    controls->addLayout(standard);
    controls->addWidget(wrongValue_, 0, Qt::AlignLeft);

    clear_ = addClearButton([this] { Command_REG_Clear_Click(); });
    std_.attach({option_[0], option_[1], option_[2], kind_[0], kind_[1], add_, remove_}, clear_,
                {[this] { showStandard(); }, [this] { showTyped(); }, [this] { unlockInputs(); },
                 [this] { wrongValue_->show(); }});
    arrange(controls, {}, clear_);

    Option_REG_Kind_Click(0);
    fillRegulators(QString());
}

void RegulatorTab::startUp() {
    unlockInputs();
}

int RegulatorTab::mode() const {
    return st_.UnknownMask[tab_];
}

RegulatorKind RegulatorTab::kind() const {
    return kind_[1]->isChecked() ? RegulatorKind::ThreeTerminal : RegulatorKind::Standard;
}

bool RegulatorTab::filled(int index) const {
    return !box(index)->text().isEmpty();
}

void RegulatorTab::EnableStd_REG(bool enable) {
    std_.setEnabled(enable);
}

// The pair is what the series gives; Vout and the worst case follow from it.
bool RegulatorTab::standardRow(int index) const {
    return index == R1 || index == R2;
}

void RegulatorTab::unlockInputs() {
    for (int b = 0; b < BoxCount; ++b)
        box(b)->setLocked(b == mode() || b >= VoutMin);
    const bool iadj = kind() == RegulatorKind::ThreeTerminal;
    for (int b = IadjMin; b <= IadjMax; ++b) {
        box(b)->setLocked(!iadj);
        box(b)->setEnabled(iadj);
    }
}

void RegulatorTab::writeDefaultRange() {
    const ResistorRange range = DefaultRange(kind());
    value(RangeLow) = range.low;
    value(RangeHigh) = range.high;
    writeQuietly(RangeLow, fixedText(RangeLow));
    writeQuietly(RangeHigh, fixedText(RangeHigh));
}

void RegulatorTab::updateClear() {
    bool any = false;
    for (int b = 0; b <= IadjMax; ++b)
        any = any || filled(b);
    clear_->setEnabled(any);
}

void RegulatorTab::Option_REG_Click(int index) {
    st_.UnknownMask[tab_] = static_cast<int16_t>(index);
    st_.LastOption[tab_][0] = static_cast<int16_t>(index);
    unlockInputs();
    calculate();
    focusBox(index == Vout ? R1 : Vout);
}

void RegulatorTab::reselectLastOption() {
    const int last = st_.LastOption[tab_][0];
    if (last >= 0 && last < 3)
        option_[last]->setChecked(true);
}

// The range belongs to the kind: R2 to ground on the standard kind, R1 on the three-terminal.
void RegulatorTab::Option_REG_Kind_Click(int index) {
    const bool standard = index == 0;
    formula_->setText(standard ? QStringLiteral("Vout = Vref × (1 + R1 / R2)")
                               : QStringLiteral("Vout = Vref × (1 + R2 / R1) + Iadj × R2"));
    rangeLabel_->setText(standard ? QStringLiteral("R2 from") : QStringLiteral("R1 from"));
    rangeToLabel_->setText(standard ? QStringLiteral("R2 to") : QStringLiteral("R1 to"));
    const QuietWrites quiet(st_, tab_);
    writeDefaultRange();
    unlockInputs();
    calculate();
}

void RegulatorTab::Text_REG_Change(int index) {
    if (ownWrite())
        return;
    readBox(index);
    calculate();
}

ComputationInput RegulatorTab::inputs(bool standard) const {
    ComputationInput in;
    auto given = [&](int b, double scale = 1) {
        if (filled(b))
            in.values[Names[b]] = st_.Values[tab_][b] * scale;
    };
    for (int b = Vout; b <= R2; ++b)
        if (b != mode())
            given(b);
    for (int b = VrefMin; b <= VrefMax; ++b)
        given(b);
    if (kind() == RegulatorKind::ThreeTerminal)
        for (int b = IadjMin; b <= IadjMax; ++b)
            given(b, Micro);
    in.texts["kind"] = kind() == RegulatorKind::Standard ? "standard" : "three-terminal";
    in.texts["tolerance"] = tolerance_->currentText().toStdString();
    if (standard) {
        given(RangeLow);
        given(RangeHigh);
        in.texts["series"] = std::string(SeriesName(std_.series()));
    }
    return in;
}

std::optional<RegulatorData> RegulatorTab::figures() const {
    auto typed = [&](int b, double scale = 1) -> std::optional<double> {
        return filled(b) ? std::optional<double>(st_.Values[tab_][b] * scale) : std::nullopt;
    };
    const std::optional<Spread> vref =
        CompleteSpread(typed(VrefMin), typed(VrefTyp), typed(VrefMax), false);
    if (!vref)
        return std::nullopt;
    RegulatorData regData{kind(), *vref, {}};
    if (kind() == RegulatorKind::ThreeTerminal)
        regData.iadj = CompleteSpread(typed(IadjMin, Micro), typed(IadjTyp, Micro),
                                      typed(IadjMax, Micro), true)
                           .value_or(Spread{});
    return regData;
}

void RegulatorTab::showWarning(const std::string& message) {
    wrongValue_->setText(Qs(message));
    wrongValue_->show();
}

// Nothing computed from other inputs may stay on show.
void RegulatorTab::emptyResults() {
    if (filled(mode()))
        emptyQuietly(mode());
    for (int b = VoutMin; b <= Error; ++b)
        if (filled(b))
            emptyQuietly(b);
}

void RegulatorTab::calculate() {
    wrongValue_->hide();
    updateClear();
    try {
        requireInRange();
        const Outcome out = ComputeRegulator(inputs(false));
        if (!out.done()) {
            emptyResults();
            EnableStd_REG(false);
            // Too few figures yet is no error.
            if (out.status == Outcome::Status::Calculation)
                showWarning(out.message);
            return;
        }
        writeResults(out, false);
        EnableStd_REG(true);
    } catch (const CalcError&) {
        emptyResults();
        showWarning(IncorrectValue);
        EnableStd_REG(false);
    }
}

// Typed values stay as typed; the unknown and the worst case are written. With standard values
// the pair and its output are written too, into StdValues: Values keep what was typed.
void RegulatorTab::writeResults(const Outcome& out, bool standard) {
    const float code = std_.formatCode();
    auto& shown = st_.StdValues[tab_];
    auto write = [&](int b) {
        const auto it = out.results.find(Names[b]);
        const double v = it == out.results.end() ? 0.0 : it->second;
        if (!standard) {
            value(b) = v;
            writeQuietly(b, fixedText(b));
            return;
        }
        shown[b] = v;
        const bool resistor = b == R1 || b == R2;
        writeQuietly(b, resistor ? Qs(FormatEng(v, "; ;", code))
                                 : Qs(FormatFixedTrim(v, decimals(b))));
    };
    if (standard) {
        write(Vout);
        write(R1);
        write(R2);
    } else {
        write(mode());
    }
    for (int b = VoutMin; b <= Above; ++b)
        write(b);
    if (standard)
        write(Error);
}

void RegulatorTab::showPair(const RegulatorPair& pair) {
    ComputationInput in = inputs(false);
    in.values.erase("vout");
    in.values["r1"] = pair.r1;
    in.values["r2"] = pair.r2;
    Outcome out = ComputeRegulator(in);
    if (!out.done()) {
        showWarning(out.message.empty() ? IncorrectValue : out.message);
        throw CalcError("the pair gives no output");
    }
    out.results["error"] = pair.error;
    writeResults(out, true);
}

// The best pair of the series for the output on show, the ranged resistor within its range.
void RegulatorTab::showStandard() {
    regulator_->setEnabled(false);
    tolerance_->setEnabled(false);
    st_.StdValues[tab_] = st_.Values[tab_];
    const std::optional<RegulatorData> regData = figures();
    const ResistorRange range{value(RangeLow), value(RangeHigh)};
    std::string problem = RegulatorRangeProblem(kind(), range);
    if (problem.empty() && regData) {
        listed_ = SearchRegulatorPairs(kind(), regData->vref.typ, regData->iadj.typ, value(Vout),
                                       std_.series(), range, 10);
        if (listed_.empty())
            problem = NoPairs;
    }
    if (!regData || !problem.empty()) {
        wrongValue_->setText(Qs(problem.empty() ? IncorrectValue : problem));
        throw CalcError("no standard pair");
    }
    {
        const QSignalBlocker quiet(pairs_);
        pairs_->clear();
        for (const RegulatorPair& p : listed_)
            pairs_->addItem(Qs(RegulatorPairLine(p, std_.series())));
        pairs_->setCurrentIndex(0);
        // The open list shows whole lines even where the closed box is narrower.
        pairs_->view()->setMinimumWidth(pairs_->view()->sizeHintForColumn(0) +
                                        2 * pairs_->view()->frameWidth());
    }
    pairs_->setEnabled(true);
    showPair(listed_.front());
}

void RegulatorTab::showTyped() {
    wrongValue_->hide(); // the typed values gave a result before standard values went on
    regulator_->setEnabled(true);
    tolerance_->setEnabled(true);
    listed_.clear();
    {
        const QSignalBlocker quiet(pairs_);
        pairs_->clear();
    }
    pairs_->setEnabled(false);
    for (int b : {Vout, R1, R2})
        box(b)->setText(fixedText(b));
    for (int b = VoutMin; b <= Above; ++b)
        box(b)->setText(fixedText(b));
    value(Error) = 0;
    box(Error)->clear();
}

void RegulatorTab::Combo_REG_Pairs_Click(int index) {
    if (!std_.isOn() || index < 0 || index >= static_cast<int>(listed_.size()))
        return;
    const QuietWrites quiet(st_, tab_);
    wrongValue_->hide();
    try {
        showPair(listed_[static_cast<size_t>(index)]);
    } catch (const CalcError&) {
        wrongValue_->show();
    }
}

// ---- the regulators the user keeps ------------------------------------------------------------

int RegulatorTab::regulatorNamed(const QString& name) const {
    for (size_t i = 0; i < st_.Regulators.size(); ++i)
        if (Qs(st_.Regulators[i].name) == name)
            return static_cast<int>(i);
    return -1;
}

void RegulatorTab::fillRegulators(const QString& current) {
    {
        const QSignalBlocker quiet(regulator_);
        regulator_->clear();
        for (const RegulatorEntry& e : st_.Regulators)
            regulator_->addItem(Qs(e.name));
        regulator_->setCurrentIndex(regulatorNamed(current));
        regulator_->setEditText(current);
    }
    remove_->setEnabled(regulatorNamed(current) >= 0);
}

// A picked regulator's kind and figures fill the boxes as if typed; the calculation runs once.
void RegulatorTab::Combo_REG_Regulator_Click(int index) {
    if (index < 0 || index >= static_cast<int>(st_.Regulators.size()))
        return;
    const RegulatorData regData = st_.Regulators[static_cast<size_t>(index)].data;
    remove_->setEnabled(true);
    const QuietWrites quiet(st_, tab_);
    const bool three = regData.kind == RegulatorKind::ThreeTerminal;
    kind_[three ? 1 : 0]->setChecked(true);
    const double typed[6] = {regData.vref.min,         regData.vref.typ,
                             regData.vref.max,         regData.iadj.min / Micro,
                             regData.iadj.typ / Micro, regData.iadj.max / Micro};
    for (int b = VrefMin; b <= IadjMax; ++b) {
        if (b >= IadjMin && !three)
            continue;
        value(b) = typed[b - VrefMin];
        writeQuietly(b, fixedText(b));
    }
    calculate();
}

void RegulatorTab::Command_REG_Add_Click() {
    std::optional<RegulatorData> regData;
    std::string problem;
    try {
        regData = figures();
        if (regData)
            problem = RegulatorFiguresProblem(*regData);
    } catch (const CalcError&) {
        problem = IncorrectValue;
    }
    if (!regData || !problem.empty() || !(regData->vref.typ > 0)) {
        host_.platform().information(window(), QStringLiteral("Add Regulator"),
                                     problem.empty() ? QStringLiteral("Type Vref first.")
                                                     : Qs(problem));
        return;
    }
    QString name = regulator_->currentText().trimmed();
    if (name.isEmpty())
        name = (regData->kind == RegulatorKind::Standard ? QStringLiteral("Standard ")
                                                         : QStringLiteral("Three-terminal ")) +
               Qs(FormatFixedTrim(regData->vref.typ, 0)) + QStringLiteral(" V");
    const RegulatorEntry entry{name.toStdString(), *regData};
    if (const int at = regulatorNamed(name); at >= 0) {
        if (!host_.platform().question(
                window(), QStringLiteral("Add Regulator"),
                QStringLiteral("%1 is in the list.\n\nReplace its figures?").arg(name)))
            return;
        st_.Regulators[static_cast<size_t>(at)] = entry;
    } else {
        st_.Regulators.push_back(entry);
    }
    st_.RegulatorsChanged = true;
    fillRegulators(name);
}

void RegulatorTab::Command_REG_Remove_Click() {
    const QString name = regulator_->currentText().trimmed();
    const int at = regulatorNamed(name);
    if (at < 0)
        return;
    if (!host_.platform().question(window(), QStringLiteral("Remove Regulator"),
                                   QStringLiteral("Remove %1 from the list?").arg(name)))
        return;
    st_.Regulators.erase(st_.Regulators.begin() + at);
    st_.RegulatorsChanged = true;
    fillRegulators(QString());
}

void RegulatorTab::Command_REG_Clear_Click() {
    clearAll(wrongValue_, clear_, [this] {
        writeDefaultRange();
        EnableStd_REG(false);
    });
}

QAbstractButton* RegulatorTab::unknownOption(int index) const {
    return index >= 0 && index < 3 ? option_[static_cast<size_t>(index)] : nullptr;
}

} // namespace oq
