#include "calculators/board/track_width_tab.h"

#include "core/controls.h"
#include "model/board_units.h"
#include "model/checked.h"
#include "model/track_width.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

namespace oq {

namespace {
enum Box {
    OuterWidth = 0,
    InnerWidth = 1,
    OuterCurrent = 2,
    InnerCurrent = 3,
    Rise = 4,
    Ambient = 5,
    Copper = 6,
    Length = 7,
    OuterR = 8,
    OuterU = 10,
    OuterP = 12,
    BoxEnd = 14
};
enum Unknown { SolveWidth = 0, SolveCurrent = 1 };

const BoardTab::Unit Lengths{&BoardLengthUnits, {"mm", "mil", "inch"}};
const BoardTab::Unit Degrees{nullptr, {"°C"}, 1};
} // namespace

TrackWidthTab::TrackWidthTab(MainHost& host, const TabRow& row, QWidget* parent)
    : BoardTab(host, row, parent) {
    unknownGroup_ = new QButtonGroup(this);
    unknownGroup_->setExclusive(true);
    auto* grid = new QGridLayout;
    grid->addWidget(addLabel("Label_TW", QStringLiteral("Select Unknown")), 0, 0);
    grid->addWidget(addLabel("Label_TW_Outer", QStringLiteral("Outer layer")), 0, 1);
    grid->addWidget(addLabel("Label_TW_Inner", QStringLiteral("Inner layer")), 0, 2);

    // Created row by row, so that the tab order follows the rows.
    const auto boxes = [this](std::vector<int> indexes, BoxRules rules = {}) {
        for (const int i : indexes) {
            NumberBox* text = addBox(i, rules);
            connect(text, &QLineEdit::textChanged, this, [this, i] { Text_TW_Change(i); });
        }
        return indexes;
    };
    const char* const unknownCaptions[2] = {"Width", "Current"};
    for (int i = 0; i < 2; ++i) {
        option_[i] = new QRadioButton(QLatin1String(unknownCaptions[i]), this);
        option_[i]->setObjectName(ControlName("Option", "TW", i));
        FitToCaption(option_[i]);
        unknownGroup_->addButton(option_[i], i);
        OnClick(option_[i], [this, i] { Option_TW_Click(i); });
        const int first = i == SolveWidth ? OuterWidth : OuterCurrent;
        addRow(grid, 1 + i, option_[i], i == SolveWidth ? "W" : "I", boxes({first, first + 1}),
               i == SolveWidth ? Lengths : Unit{&BoardCurrentUnits, {"A", "mA"}});
    }
    struct Line {
        const char* name;
        const char* caption;
        int box;
        const char* letter;
        Unit unit;
    };
    const Line givens[] = {
        {"Label_TW_Rise", "Temperature rise", Rise, "T", Degrees},
        {"Label_TW_Ambient", "Ambient temperature", Ambient, "A", Degrees},
        {"Label_TW_Copper", "Copper thickness", Copper, "CU", {&BoardCopperUnits, {"µm", "oz"}}},
        {"Label_TW_Length", "Track length", Length, "L", Lengths},
    };
    int line = 3;
    for (const Line& g : givens) {
        QLabel* caption = addLabel(g.name, QString::fromUtf8(g.caption));
        BoxRules rules;
        rules.minus = g.box == Ambient; // below freezing
        addRow(grid, line++, caption, g.letter, boxes({g.box}, rules), g.unit);
        box(g.box)->setLocked(false);
    }
    const Line results[] = {
        {"Label_TW_R", "Resistance", OuterR, "R", {&BoardResistanceUnits, {"ohm", "mohm"}}},
        {"Label_TW_U", "Voltage drop", OuterU, "U", {&BoardVoltageUnits, {"V", "mV"}}},
        {"Label_TW_P", "Power loss", OuterP, "P", {&BoardPowerUnits, {"W", "mW"}}},
    };
    for (const Line& r : results)
        addRow(grid, line++, addLabel(r.name, QLatin1String(r.caption)), r.letter,
               boxes({r.box, r.box + 1}), r.unit);

    wrongValue_ = addLabel("Label_TW_WrongValue", QStringLiteral("Incorrect Value"));
    MakeWarningLabel(wrongValue_);
    grid->addWidget(wrongValue_, line++, 0, 1, 4);
    chart_ = addLabel("Label_TW_Chart", QString());
    MakeWarningLabel(chart_);
    chart_->setWordWrap(true);
    grid->addWidget(chart_, line++, 0, 1, 4);
    // The formulas, where the user sees what the figures rest on.
    QLabel* note = addLabel(
        "Label_TW_Note",
        QStringLiteral("IPC-2221: I = k \u0394T^0.44 A^0.725, A in square mils; k = 0.048 outer, "
                       "0.024 inner. 1 oz = 35 \u00b5m. Copper 1.72e-8 \u03a9m at 20 \u00b0C, "
                       "+0.393 %/K, taken at ambient + rise."));
    note->setWordWrap(true);
    grid->addWidget(note, line++, 0, 1, 4);

    clear_ = addClearButton([this] { Command_TW_Clear_Click(); });
    arrange(grid, {}, clear_);
}

int TrackWidthTab::given() const {
    return unknown() == SolveWidth ? OuterCurrent : OuterWidth;
}

void TrackWidthTab::startUp() {
    BoardTab::startUp();
    option_[unknown()]->setChecked(true);
}

void TrackWidthTab::applyUnknown() {
    for (int b = OuterWidth; b <= InnerCurrent; ++b)
        box(b)->setLocked(b != given());
}

// The unknown's option sets which quantity is typed; what the boxes hold is computed afresh
// the other way round, the computed value becoming the given one in the unit it was shown in.
void TrackWidthTab::Option_TW_Click(int index) {
    st_.UnknownMask[tab_] = static_cast<int16_t>(index);
    st_.LastOption[tab_][0] = static_cast<int16_t>(index);
    applyUnknown();
    if (st_.SkipChange) // the program's own choice, at start
        return;
    calculate();
    focusBox(given());
}

void TrackWidthTab::reselectLastOption() {
    const int last = st_.LastOption[tab_][0];
    if (last == SolveWidth || last == SolveCurrent)
        option_[last]->setChecked(true);
}

void TrackWidthTab::Text_TW_Change(int index) {
    if (ownWrite())
        return;
    readTyped(index);
    calculate();
}

void TrackWidthTab::blankResults() {
    const int first = unknown() == SolveWidth ? OuterWidth : OuterCurrent;
    blankResult(first);
    blankResult(first + 1);
    for (int b = OuterR; b < BoxEnd; ++b)
        blankResult(b);
}

void TrackWidthTab::calculate() {
    const int g = given();
    const QuietWrites quiet(st_, tab_);
    calculateQuietly(g);
    clear_->setEnabled(anyText());
}

void TrackWidthTab::calculateQuietly(int g) {
    try {
        requireInRange();
        // The inner box repeats the given quantity: the same track or current on either layer.
        if (box(g)->text().isEmpty())
            blankResult(twin());
        else
            showResult(twin(), value(g));
        // An empty box reads as 0; a 0 gives nothing, as on the other tabs.
        if (value(g) == 0 || value(Rise) == 0 || value(Copper) == 0) {
            blankResults();
            wrongValue_->hide();
            chart_->hide();
            return;
        }
        TrackInput in;
        in.solve = unknown() == SolveWidth ? TrackSolve::Width : TrackSolve::Current;
        in.given = value(g);
        in.rise = value(Rise);
        in.thickness = value(Copper);
        // An ambient of 0 °C is a temperature: the box only needs a digit.
        const bool ambient =
            box(Ambient)->text().contains(QRegularExpression(QStringLiteral("\\d")));
        in.withLength = value(Length) != 0 && ambient;
        in.length = value(Length);
        in.ambient = value(Ambient);
        const TrackResult r = SolveTrack(in);
        const int first = unknown() == SolveWidth ? OuterWidth : OuterCurrent;
        for (int k = 0; k < 2; ++k) {
            const TrackLayerResult& l = r.layers[static_cast<size_t>(k)];
            showResult(first + k, unknown() == SolveWidth ? l.width : l.current);
            const double rest[3] = {l.resistance, l.drop, l.power};
            for (int q = 0; q < 3; ++q) {
                const int b = OuterR + 2 * q + k;
                if (in.withLength)
                    showResult(b, rest[q]);
                else
                    blankResult(b);
            }
        }
        wrongValue_->hide();
        const QString warning = Qs(ChartWarning(r.bounds));
        chart_->setText(warning);
        chart_->setVisible(!warning.isEmpty());
    } catch (const CalcError&) {
        // No result from these givens may stay on show; the next entry computes afresh.
        blankResults();
        blankResult(twin());
        wrongValue_->show();
        chart_->hide();
    }
}

void TrackWidthTab::Command_TW_Clear_Click() {
    clearAll(wrongValue_, clear_, [this] { chart_->hide(); });
}

QAbstractButton* TrackWidthTab::unknownOption(int index) const {
    if (index == OuterWidth || index == InnerWidth)
        return option_[SolveWidth];
    if (index == OuterCurrent || index == InnerCurrent)
        return option_[SolveCurrent];
    return nullptr;
}

// The minus sign only leads the ambient temperature: one, typed at the start.
bool TrackWidthTab::boxMinus(int index) {
    return index == Ambient && minusLeads(index);
}

} // namespace oq
