#include "calculators/conversions/db_level_tab.h"

#include "core/controls.h"
#include "model/checked.h"
#include "model/decibels.h"
#include "model/notation.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cfloat>
#include <cmath>

namespace oq {

namespace {
constexpr int BoxCount = 4;
const char* const BoxCaptions[BoxCount] = {"dB", "RMS Voltage", "P-P Voltage", "Power"};
const char* const RefCaptions[3] = {"dBm (Ref: 1mW into 50 ohm)", "dBU (Ref: 1mW into 600 ohm)",
                                    "dBV (Ref: 1.0 Volt)"};
const char* const UnitGroups[BoxCount] = {nullptr, "DB2_RMS", "DB2_PP", "DB2_Power"};
const std::vector<const char*> VoltUnits = {"\xC2\xB5V", "mV", "V", "kV"};
const std::vector<const char*> PowerUnits = {"pW", "nW", "\xC2\xB5W", "mW", "W", "kW", "MW"};

// A typed number beyond the double range stays a number, and one the limits refuse.
double Finite(double v) {
    return std::isfinite(v) ? v : std::copysign(DBL_MAX, v);
}
} // namespace

DbLevelTab::DbLevelTab(MainHost& host, const TabRow& row, QWidget* parent)
    : CalculatorTab(host, row, parent) {
    for (int r = 0; r < 3; ++r)
        refVolts_[r] = ReferenceVolts(r);

    frame_[0] = new QGroupBox(this);
    frame_[0]->setObjectName(ControlName("Frame", "DB2", 0));
    frame_[0]->setAccessibleName(QStringLiteral("Reference"));
    auto* refLayout = new QVBoxLayout(frame_[0]);
    auto* refGroup = new QButtonGroup(frame_[0]);
    for (int r = 0; r < 3; ++r) {
        ref_[r] = new QRadioButton(QLatin1String(RefCaptions[r]), frame_[0]);
        ref_[r]->setObjectName(ControlName("Option", "DB2_Ref", r));
        refGroup->addButton(ref_[r]);
        refLayout->addWidget(ref_[r]);
        OnClick(ref_[r], [this, r] { Option_DB2_Ref_Click(r); });
    }

    auto* grid = new QGridLayout;
    for (int b = 0; b < BoxCount; ++b) {
        caption_[b] = new QLabel(QLatin1String(BoxCaptions[b]), this);
        caption_[b]->setObjectName(ControlName("Label", "DB2", b));
        NumberBox* text = addBox(b, BoxRules{.minus = b == LevelDb, .space = false});
        text->setReadOnly(false);
        connect(text, &QLineEdit::textChanged, this, [this, b] { Text_DB2_Change(b); });
        if (b == LevelDb) {
            addBoxRow(grid, b, caption_[b], b);
            continue;
        }
        frame_[b] = new QGroupBox(this);
        frame_[b]->setObjectName(ControlName("Frame", "DB2", b));
        frame_[b]->setAccessibleName(boxName(b) + QStringLiteral(" unit"));
        auto* units = new QHBoxLayout(frame_[b]);
        auto* group = new QButtonGroup(frame_[b]);
        const std::vector<const char*>& captions = b == LevelPower ? PowerUnits : VoltUnits;
        for (int i = 0; i < static_cast<int>(captions.size()); ++i) {
            auto* option = new QRadioButton(QString::fromUtf8(captions[i]), frame_[b]);
            option->setObjectName(ControlName("Option", UnitGroups[b], i));
            group->addButton(option);
            units->addWidget(option);
            OnClick(option, [this, b, i] { Option_DB2_Unit_Click(b, i); });
            unit_[b].push_back(option);
        }
        units->addStretch(1);
        addBoxRow(grid, b, caption_[b], b, nullptr, frame_[b]);
    }

    overflow_ = addLabel("Label_DB2_Overflow", QStringLiteral("Wrong Value"));
    MakeWarningLabel(overflow_);
    overflow_->setWordWrap(true);
    changeSign_ = new QPushButton(QStringLiteral("Change sign"), this);
    changeSign_->setObjectName(QStringLiteral("Command_DB2_ChangeSign"));
    changeSign_->setEnabled(false);
    // Tab goes from box to box past it; the mouse still reaches it.
    changeSign_->setFocusPolicy(Qt::ClickFocus);
    connect(changeSign_, &QPushButton::clicked, this, [this] { Command_DB2_ChangeSign_Click(); });

    auto* controls = new QVBoxLayout;
    controls->addWidget(frame_[0], 0, Qt::AlignLeft);
    controls->addLayout(grid);
    controls->addWidget(overflow_);
    clear_ = addClearButton([this] { Command_DB2_Clear_Click(); });
    arrange(controls, {changeSign_}, clear_);
}

// With SkipChange held by the main window: the clicks only set the reference and the factors.
void DbLevelTab::startUp() {
    ref_[RefDbm]->setChecked(true);
    st_.DB2UnitFactor[LevelDb] = 1.0;
    unit_[LevelRms][2]->setChecked(true);
    unit_[LevelPeakToPeak][2]->setChecked(true);
    unit_[LevelPower][4]->setChecked(true);
}

// The first row is named after the reference.
PropertyRowNames DbLevelTab::propertyRowNames() const {
    static const char* const refs[] = {"dBm", "dBu", "dBV"};
    const int ref = st_.DB2Ref;
    PropertyRowNames names = CalculatorTab::propertyRowNames();
    names[LevelDb] = ref >= 0 && ref <= 2 ? refs[ref] : refs[0];
    // Under the dBV reference the power row is hidden, so the window leaves it out too.
    if (ref == RefDbv)
        names[LevelPower].clear();
    return names;
}

void DbLevelTab::Text_DB2_Change(int index) {
    // This tab's writers hold SkipChange for all their writes; the handler leaves it alone.
    if (st_.SkipChange)
        return;
    const QString text = box(index)->text();
    value(index) = Finite(readBox(index) * st_.DB2UnitFactor[index]);
    if (text.isEmpty() || text == QLatin1String("-") || (index > LevelDb && value(index) == 0)) {
        emptyOthers(index);
        if (index == LevelDb)
            changeSign_->setEnabled(false);
        clear_->setEnabled(false);
        return;
    }
    Calculate_DB2(index);
    if (index == LevelDb && text != QLatin1String("0.") && text != QLatin1String("0"))
        changeSign_->setEnabled(true);
    clear_->setEnabled(true);
}

void DbLevelTab::Calculate_DB2(int source) {
    // The source is the active box for every caller: a reference click on an empty tab ends here.
    if (box(source)->text().isEmpty())
        return;
    const std::string refused =
        LevelLimitMessage(source, st_.DB2Ref, value(source), decimals(source));
    if (!refused.empty()) {
        overflow_->setText(Qs(refused));
        overflow_->show();
        emptyOthers(source);
        return;
    }
    LevelValues q{};
    try {
        q = ConvertLevel(source, value(source), refVolts_[static_cast<size_t>(st_.DB2Ref)]);
    } catch (const CalcError&) {
        overflow_->setText(QStringLiteral("Wrong Value"));
        overflow_->show();
        emptyOthers(source);
        return;
    }
    overflow_->hide();
    for (int b = 0; b < BoxCount; ++b) {
        if (b == source)
            continue;
        value(b) = q[b];
        ShowValue_DB2(b);
    }
}

void DbLevelTab::ShowValue_DB2(int index) {
    const HeldSkipChange held(st_);
    const UnitText shown = LevelUnitText(index, value(index), decimals(index));
    // The unit first: its click brings the box's factors to it while SkipChange is held.
    if (shown.option >= 0)
        unit_[index][static_cast<size_t>(shown.option)]->setChecked(true);
    box(index)->setText(Qs(shown.text));
}

void DbLevelTab::emptyOthers(int source) {
    const HeldSkipChange held(st_);
    for (int b = 0; b < BoxCount; ++b)
        if (b != source)
            box(b)->clear();
}

void DbLevelTab::focusActive(int index) {
    focusBox(index);
    if (box(index) && !box(index)->hasFocus())
        boxGotFocus(index);
}

void DbLevelTab::boxGotFocus(int index) {
    changeSign_->setEnabled(index == LevelDb && !box(LevelDb)->text().isEmpty());
    lastBox() = static_cast<int16_t>(index);
}

// A reference chosen: the active box keeps its value and the others follow. The power row has
// no meaning against 1 V and is hidden then.
void DbLevelTab::Option_DB2_Ref_Click(int index) {
    st_.LastOption[TabDB2][0] = static_cast<int16_t>(index);
    const int last = lastBox();
    caption_[LevelPower]->setVisible(index != RefDbv);
    box(LevelPower)->setVisible(index != RefDbv);
    frame_[LevelPower]->setVisible(index != RefDbv);
    st_.DB2Ref = static_cast<int16_t>(index);
    refVolts_[static_cast<size_t>(index)] = ReferenceVolts(index);
    if (last == -1)
        return;
    focusActive(last == LevelPower && index == RefDbv ? LevelDb : last);
    Calculate_DB2(lastBox());
}

// A unit chosen for a box: the digits in it stay and are read in the new unit.
void DbLevelTab::Option_DB2_Unit_Click(int b, int index) {
    st_.LastOption[TabDB2][static_cast<size_t>(b)] = static_cast<int16_t>(index);
    const double factor = LevelUnitFactor(b, index);
    st_.DB2UnitFactor[static_cast<size_t>(b)] = factor;
    if (st_.SkipChange || box(b)->text().isEmpty()) {
        shownFactor_[static_cast<size_t>(b)] = factor;
        if (!st_.SkipChange)
            focusActive(b);
        return;
    }
    focusActive(b);
    value(b) = Finite(factor * value(b) / shownFactor_[static_cast<size_t>(b)]);
    shownFactor_[static_cast<size_t>(b)] = factor;
    Calculate_DB2(b);
}

// Writes the negated level without a guard, so that the box's change handler recomputes.
void DbLevelTab::Command_DB2_ChangeSign_Click() {
    value(LevelDb) = -value(LevelDb);
    box(LevelDb)->setText(fixedText(LevelDb));
    focusBox(lastBox());
}

void DbLevelTab::Command_DB2_Clear_Click() {
    {
        const HeldSkipChange held(st_);
        for (int b = 0; b < BoxCount; ++b)
            box(b)->clear();
    }
    overflow_->hide();
    clear_->setEnabled(false);
    changeSign_->setEnabled(false);
    focusBox(lastBox());
}

// The minus sign only leads the dB level: one, typed at the start.
bool DbLevelTab::boxMinus(int index) {
    return index == LevelDb && minusLeads(index);
}

void DbLevelTab::redisplayBox(int index) {
    ShowValue_DB2(index);
}

} // namespace oq
