#include "calculators/conversions/rise_time_tab.h"

#include "core/controls.h"
#include "model/checked.h"
#include "model/notation.h"
#include "model/rise_time.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace oq {

namespace {
// Boxes: rise time and bandwidth above; system, measured and DUT rise times below.
enum Box { Tr = 0, BW = 1, Sys = 2, Meas = 3, Dut = 4 };
constexpr int BoxCount = 5;
const char* const UnitCaptions[2][3] = {{"µs", "ns", "ps"}, {"kHz", "MHz", "GHz"}};
const char* const FrameNames[2] = {"Frame_Tr_Tr", "Frame_Tr_BW"};
const char* const UnitCodes[2] = {"TR_Tr", "TR_BW"};
// "ns" and "MHz" at start.
constexpr int StartUnit = 1;

QFrame* Separator(QWidget* parent, int index) {
    auto* line = new QFrame(parent);
    line->setObjectName(ControlName("Line", "TR", index));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}
} // namespace

RiseTimeTab::RiseTimeTab(MainHost& host, const TabRow& row, QWidget* parent)
    : CalculatorTab(host, row, parent) {
    const char* const labelNames[BoxCount] = {"Label_Tr_1", "Label_Tr_2", "Label_TR_4",
                                              "Label_TR_3", "Label_TR_5"};
    const char* const captions[BoxCount] = {"Rise Time", "Bandwidth", "Known System Tr",
                                            "Measured or Expected Tr", "DUT Tr"};
    auto* grid = new QGridLayout;
    auto addRow = [&](int b) {
        NumberBox* text = addBox(b, BoxRules{.space = false});
        text->setLocked(false);
        connect(text, &QLineEdit::textChanged, this, [this, b] { Text_TR_Change(b); });
        return addLabel(labelNames[b], QLatin1String(captions[b]));
    };

    // Created in the order of the rows, so the tab order follows them.
    for (int i = 0; i < 2; ++i) {
        QLabel* caption = addRow(i);
        auto* frame = new QGroupBox(this);
        frame->setObjectName(QLatin1String(FrameNames[i]));
        frame->setAccessibleName(boxName(i) + QStringLiteral(" unit"));
        const std::vector<QString> unitCaptions = {QString::fromUtf8(UnitCaptions[i][0]),
                                                   QString::fromUtf8(UnitCaptions[i][1]),
                                                   QString::fromUtf8(UnitCaptions[i][2])};
        units_[i].emplace(i == Tr ? RiseTimeUnits : BandwidthUnits, frame, UnitCodes[i],
                          unitCaptions, [this, i](int k) { Option_TR_Click(i, k); });
        addBoxRow(grid, i, caption, i, nullptr, frame);
    }
    wrongValue_[1] = addLabel("Label_TR_WrongValue(1)", QStringLiteral("Incorrect value"));
    MakeWarningLabel(wrongValue_[1]);
    grid->addWidget(wrongValue_[1], 2, 0, 1, 4);
    grid->addWidget(Separator(this, 0), 3, 0, 1, 4);
    // The three rise times below take any one unit, the same in all three: no unit beside them.
    for (int b = Sys; b <= Dut; ++b) {
        grid->addWidget(addRow(b), b + 2, CaptionColumn, Qt::AlignLeft);
        grid->addWidget(box(b), b + 2, BoxColumn, Qt::AlignLeft);
        box(b)->setAccessibleName(boxName(b));
        box(b)->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }
    wrongValue_[0] =
        addLabel("Label_TR_WrongValue(0)",
                 QStringLiteral("Incorrect value.  Must be higher than Known System Tr"));
    MakeWarningLabel(wrongValue_[0]);
    grid->addWidget(wrongValue_[0], 7, 0, 1, 4);
    sysTr_ =
        addLabel("Label_TR_SysTr", QStringLiteral("You must enter known System Risetime first"));
    MakeWarningLabel(sysTr_);
    grid->addWidget(sysTr_, 8, 0, 1, 4);
    grid->addWidget(Separator(this, 1), 9, 0, 1, 4);

    clear_ = addClearButton([this] { Command_TR_Clear_Click(); });
    arrange(grid, {}, clear_); // no schematic: the controls take the whole page

    // Also for the program's own writes, which the change handler ignores.
    connect(box(Sys), &QLineEdit::textChanged, this, [this] { updateLowerTabStops(); });
    updateLowerTabStops();
}

// Runs with SkipChange held: the written box and the unit selections compute nothing.
void RiseTimeTab::startUp() {
    if (value(Sys) > 0)
        writeQuietly(Sys, fixedText(Sys));
    units_[Tr]->option(StartUnit)->setChecked(true);
    units_[BW]->option(StartUnit)->setChecked(true);
}

void RiseTimeTab::closing() {
    st_.TRSysRiseTimeText = box(Sys)->text().toStdString();
}

// On this tab SkipChange is held for the whole of a procedure's writes; the change handler only
// returns while it is set.
void RiseTimeTab::emptyBox(int index) {
    value(index) = 0;
    box(index)->clear();
}

void RiseTimeTab::Text_TR_Change(int index) {
    if (st_.SkipChange)
        return;
    const bool empty = box(index)->text().isEmpty();
    if (empty) {
        {
            const HeldSkipChange held(st_);
            if (index == Tr || index == BW) {
                emptyBox(1 - index);
            } else {
                // Nothing is left for the warning of the lower calculator to speak of.
                if (index == Sys)
                    emptyBox(Meas);
                emptyBox(index == Sys ? Dut : 7 - index);
                wrongValue_[0]->hide();
            }
            value(index) = 0;
        }
        if (index == Sys)
            st_.TRSysRiseTimeChanged = true; // an erased system rise time is kept erased
        if (lastBox() >= 0)
            box(lastBox())->setFocus();
    } else if (index >= Sys) {
        readBox(index);
        if (index == Sys) {
            sysTr_->hide();
            {
                const HeldSkipChange held(st_);
                emptyBox(Meas);
                emptyBox(Dut);
                wrongValue_[0]->hide();
            }
            st_.TRSysRiseTimeChanged = true;
        } else {
            calculate(index);
        }
    } else {
        value(index) = InBaseUnits(readBox(index), units_[index]->factor());
        calculate(index);
    }
    updateClear();
}

void RiseTimeTab::calculate(int index) {
    const HeldSkipChange held(st_);
    if (index == Tr || index == BW) {
        // The limits refuse every number too large or too small to compute with.
        const int other = 1 - index;
        const RiseTimeResult r =
            index == Tr ? BandwidthFromRiseTime(value(Tr)) : RiseTimeFromBandwidth(value(BW));
        if (r.reason.empty()) {
            wrongValue_[1]->hide();
            value(other) = r.value;
            showValue(other);
        } else {
            wrongValue_[1]->setText(Qs(RiseTimeWarning(r.reason)));
            wrongValue_[1]->show();
            emptyBox(other);
        }
        return;
    }
    const double system = value(Sys);
    try {
        if (index == Meas) {
            if (value(Meas) < system) {
                wrongValue_[0]->show();
                emptyBox(Dut);
                return;
            }
            wrongValue_[0]->hide();
            value(Dut) = DutRiseTime(value(Meas), system);
            box(Dut)->setText(fixedText(Dut));
        } else {
            wrongValue_[0]->hide();
            value(Meas) = MeasuredRiseTime(value(Dut), system);
            box(Meas)->setText(fixedText(Meas));
        }
    } catch (const CalcError&) {
        // Squares beyond the double range: no result rather than a stale one.
        emptyBox(index == Meas ? Dut : Meas);
    }
}

void RiseTimeTab::showValue(int index) {
    units_[index]->show(st_, box(index), value(index), decimals(index));
}

void RiseTimeTab::Option_TR_Click(int index, int option) {
    if (units_[index]->clicked(st_, option, box(index), value(index)))
        calculate(index);
}

void RiseTimeTab::updateClear() {
    bool any = false;
    for (int b : {Tr, BW, Meas, Dut})
        any = any || !box(b)->text().isEmpty();
    clear_->setEnabled(any);
}

// The known system rise time stays.
void RiseTimeTab::Command_TR_Clear_Click() {
    {
        const HeldSkipChange held(st_);
        for (int b : {Tr, BW, Meas, Dut})
            box(b)->clear();
    }
    wrongValue_[0]->hide();
    wrongValue_[1]->hide();
    const int last = lastBox();
    focusBox(last >= 0 ? last : Tr);
    clear_->setEnabled(false);
}

void RiseTimeTab::boxDoubleClick(int index) {
    if (box(index)->text().isEmpty())
        return;
    box(index)->clear();
    wrongValue_[1]->hide();
}

bool RiseTimeTab::lacksSystemTr() const {
    return TextValue(box(Sys)->text().toStdString()) == 0;
}

// A click on a lower box sends the focus back to the system rise time; Tab must not land there
// too, or it could never leave that box.
void RiseTimeTab::updateLowerTabStops() {
    const Qt::FocusPolicy policy = lacksSystemTr() ? Qt::ClickFocus : Qt::StrongFocus;
    box(Meas)->setFocusPolicy(policy);
    box(Dut)->setFocusPolicy(policy);
}

// The lower calculator needs the system rise time first.
void RiseTimeTab::boxGotFocus(int index) {
    lastBox() = static_cast<int16_t>(index);
    if (index >= Meas && lacksSystemTr()) {
        sysTr_->show();
        box(Sys)->setFocus();
    }
    if (index < Sys)
        sysTr_->hide();
}

void RiseTimeTab::redisplayBox(int index) {
    if (index == Tr || index == BW) {
        showValue(index);
        return;
    }
    const HeldSkipChange held(st_);
    box(index)->setText(fixedText(index));
}

} // namespace oq
