#include "calculators/conversions/db_ratio_tab.h"

#include "core/controls.h"
#include "model/checked.h"
#include "model/decibels.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace oq {

namespace {
constexpr int BoxCount = 3;
const char* const BoxLabels[BoxCount][2] = {
    {"Label_DB1_1", "X (Times)"}, {"Label_DB1_2", "% (Percent)"}, {"Label_DB1_3", "dB"}};

// A frame without caption holding one option group, the options one below the other.
QGroupBox* OptionFrame(QWidget* parent, const QString& name, const QString& spoken,
                       const std::array<QRadioButton*, 2>& options) {
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(name);
    frame->setAccessibleName(spoken);
    auto* group = new QButtonGroup(frame);
    auto* layout = new QVBoxLayout(frame);
    for (QRadioButton* option : options) {
        option->setParent(frame);
        group->addButton(option);
        layout->addWidget(option);
    }
    return frame;
}
} // namespace

DbRatioTab::DbRatioTab(MainHost& host, const TabRow& row, QWidget* parent)
    : CalculatorTab(host, row, parent) {
    auto* grid = new QGridLayout;
    for (int b = 0; b < BoxCount; ++b) {
        NumberBox* text = addBox(b, BoxRules{.space = false});
        text->setReadOnly(false);
        connect(text, &QLineEdit::textChanged, this, [this, b] { Text_DB1_Change(b); });
        addBoxRow(grid, b, addLabel(BoxLabels[b][0], QLatin1String(BoxLabels[b][1])), b);
    }

    const char* const directions[2] = {"Attenuation", "Gain"};
    const char* const kinds[2] = {"Voltage", "Power"};
    for (int i = 0; i < 2; ++i) {
        direction_[i] = new QRadioButton(QLatin1String(directions[i]), this);
        direction_[i]->setObjectName(ControlName("Option", "DB1", i));
        kind_[i] = new QRadioButton(QLatin1String(kinds[i]), this);
        kind_[i]->setObjectName(ControlName("Option", "DB1_VP", i));
    }
    auto* frames = new QHBoxLayout;
    frames->addWidget(OptionFrame(this, ControlName("Frame", "DB1", 0),
                                  QStringLiteral("Gain or attenuation"), direction_));
    frames->addWidget(OptionFrame(this, ControlName("Frame", "DB1", 2),
                                  QStringLiteral("Voltage or power ratio"), kind_));
    frames->addStretch(1);
    direction_[0]->setChecked(true);
    kind_[0]->setChecked(true);
    for (int i = 0; i < 2; ++i) {
        OnClick(direction_[i], [this, i] { Option_DB1_Click(i); });
        OnClick(kind_[i], [this, i] { Option_DB1_VP_Click(i); });
    }

    overflow_ = addLabel("Label_DB1_Overflow", QStringLiteral("Value too high or too low"));
    MakeWarningLabel(overflow_);

    auto* controls = new QVBoxLayout;
    controls->addLayout(grid);
    controls->addLayout(frames);
    controls->addWidget(overflow_);
    clear_ = addClearButton([this] { Command_DB1_Clear_Click(); });
    arrange(controls, {}, clear_);
}

bool DbRatioTab::power() const {
    return kind_[1]->isChecked();
}

bool DbRatioTab::overflowShown() const {
    return !overflow_->isHidden();
}

void DbRatioTab::Text_DB1_Change(int index) {
    // This tab's writers hold SkipChange for all their writes; the handler leaves it alone.
    if (st_.SkipChange)
        return;
    if (box(index)->text().isEmpty()) {
        Command_DB1_Clear_Click(); // emptying any one box empties the tab
        return;
    }
    overflow_->hide();
    // The limits also refuse a number beyond the double range.
    if (!RatioInRange(index, power(), readBox(index))) {
        refuse(index);
        return;
    }
    if (Calculate_DB1(index))
        clear_->setEnabled(true);
}

bool DbRatioTab::Calculate_DB1(int active) {
    if (active < 0 || active >= BoxCount)
        return false;
    const HeldSkipChange held(st_);
    RatioLevels r{value(RatioTimes), value(RatioPercent), value(RatioDb),
                  direction_[0]->isChecked()};
    try {
        r = ConvertRatio(active, r, power());
    } catch (const CalcError&) {
        refuse(active);
        return false;
    }
    if (active == RatioPercent)
        direction_[r.attenuation ? 0 : 1]->setChecked(true); // a typed percentage decides it
    const double results[BoxCount] = {r.times, r.percent, r.db};
    for (int b = 0; b < BoxCount; ++b) {
        if (b == active)
            continue;
        value(b) = results[b];
        box(b)->setText(fixedText(b));
    }
    return true;
}

void DbRatioTab::refuse(int active) {
    {
        const HeldSkipChange held(st_);
        for (int b = 0; b < BoxCount; ++b)
            if (b != active)
                box(b)->clear();
    }
    overflow_->show();
}

// Gain or attenuation chosen: the tab is recomputed from the box the user works in.
void DbRatioTab::Option_DB1_Click(int) {
    if (st_.SkipChange)
        return;
    const int active = lastBox() >= 0 ? lastBox() : 0;
    focusBox(active);
    if (box(RatioTimes)->text().isEmpty() || overflowShown())
        return;
    Calculate_DB1(active);
}

// Voltage or power chosen: the dB figure stays and the factor and percentage follow from it.
void DbRatioTab::Option_DB1_VP_Click(int) {
    if (box(RatioTimes)->text().isEmpty() || overflowShown())
        return;
    const int remembered = lastBox();
    lastBox() = RatioDb;
    Calculate_DB1(RatioDb);
    lastBox() = static_cast<int16_t>(remembered);
    focusBox(remembered);
}

void DbRatioTab::Command_DB1_Clear_Click() {
    {
        const HeldSkipChange held(st_);
        for (int b = 0; b < BoxCount; ++b)
            box(b)->clear();
    }
    focusBox(lastBox());
    clear_->setEnabled(false);
    overflow_->hide();
}

void DbRatioTab::boxDoubleClick(int index) {
    if (!box(index)->text().isEmpty())
        Command_DB1_Clear_Click();
}

void DbRatioTab::redisplayBox(int index) {
    const HeldSkipChange held(st_);
    box(index)->setText(fixedText(index));
}

} // namespace oq
