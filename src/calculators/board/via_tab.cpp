#include "calculators/board/via_tab.h"

#include "core/controls.h"
#include "model/board_units.h"
#include "model/checked.h"
#include "model/track_width.h"
#include "model/via.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <iterator>

namespace oq {

namespace {
enum Box {
    Hole = 0,
    Plating = 1,
    Thickness = 2,
    Pad = 3,
    Antipad = 4,
    Permittivity = 5,
    Current = 6,
    Rise = 7,
    RiseTime = 8,
    Impedance = 9,
    Resistance = 10,
    Drop = 11,
    Power = 12,
    Ampacity = 13,
    Thermal = 14,
    Capacitance = 15,
    Inductance = 16,
    Reactance = 17,
    Degradation = 18,
    BoxEnd = 19
};

struct Line {
    int box;
    const char* caption;
    const char* letter; // names the unit's options: Option_VIA_D(k)
    BoardTab::Unit unit;
};

const BoardTab::Unit Lengths{&BoardLengthUnits, {"mm", "mil", "inch"}};
} // namespace

ViaTab::ViaTab(MainHost& host, const TabRow& row, QWidget* parent)
    : BoardTab(host, row, parent) {
    const Line givens[] = {
        {Hole, "Hole diameter d", "D", Lengths},
        {Plating, "Plating thickness t", "T", {&BoardPlatingUnits, {"µm", "mil"}}},
        {Thickness, "Board thickness h", "H", Lengths},
        {Pad, "Pad diameter D1", "PAD", Lengths},
        {Antipad, "Antipad diameter D2", "AP", Lengths},
        {Permittivity, "Relative permittivity", "ER", {nullptr, {""}, 1}},
        {Current, "Current", "I", {&BoardCurrentUnits, {"A", "mA"}}},
        {Rise, "Temperature rise", "RISE", {nullptr, {"°C"}, 1}},
        {RiseTime, "Rise time", "TR", {&RiseTimeUnits, {"µs", "ns", "ps"}}},
        {Impedance, "Line impedance Z0", "Z0", {nullptr, {"ohm"}, 1}},
    };
    const Line results[] = {
        // One unit each, the one a via's figure is read in, so that both columns fit the page.
        {Resistance, "Resistance", "R", {nullptr, {"mohm"}, 1e-3}},
        {Drop, "Voltage drop", "U", {nullptr, {"mV"}, 1e-3}},
        {Power, "Power", "P", {nullptr, {"mW"}, 1e-3}},
        {Ampacity, "Ampacity", "AMP", {nullptr, {"A"}, 1}},
        {Thermal, "Thermal resistance", "TH", {nullptr, {"K/W"}, 1}},
        {Capacitance, "Capacitance", "C", {nullptr, {"pF"}, 1e-12}},
        {Inductance, "Inductance", "L", {nullptr, {"nH"}, 1e-9}},
        {Reactance, "Reactance", "X", {nullptr, {"ohm"}, 1}},
        {Degradation, "Rise time added", "DT", {nullptr, {"ps"}, 1e-12}},
    };
    // Created row by row, the figures before the results, so that the tab order follows them.
    const auto fill = [this](QGridLayout* grid, const Line* lines, int count) {
        for (int i = 0; i < count; ++i) {
            const Line& l = lines[i];
            QLabel* caption = addLabel(QByteArray("Label_VIA_" + QByteArray(l.letter)).constData(),
                                       QString::fromUtf8(l.caption));
            NumberBox* text = addBox(l.box);
            const int index = l.box;
            connect(text, &QLineEdit::textChanged, this, [this, index] { Text_VIA_Change(index); });
            addRow(grid, i, caption, l.letter, {l.box}, l.unit);
        }
    };
    auto* left = new QGridLayout;
    fill(left, givens, static_cast<int>(std::size(givens)));
    for (const Line& l : givens)
        box(l.box)->setLocked(false);
    auto* right = new QGridLayout;
    fill(right, results, static_cast<int>(std::size(results)));
    // The results' captions line up with each other only: the page is two columns wide.
    right->setColumnMinimumWidth(CaptionColumn, 0);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);

    auto* controls = new QVBoxLayout;
    controls->addLayout(columns);
    wrongValue_ = addLabel("Label_VIA_WrongValue", QStringLiteral("Incorrect Value"));
    MakeWarningLabel(wrongValue_);
    controls->addWidget(wrongValue_);
    chart_ = addLabel("Label_VIA_Chart", QString());
    MakeWarningLabel(chart_);
    chart_->setWordWrap(true);
    controls->addWidget(chart_);
    // What the results rest on, where the user sees it.
    QLabel* note = addLabel(
        "Label_VIA_Note",
        QStringLiteral(
            "Barrel section \u03c0 (d + t) t; copper 1.72e-8 \u03a9m at 20 \u00b0C + rise. "
            "Ampacity: IPC-2221 with the outer-layer k = 0.048 on the barrel section. Thermal "
            "resistance h / (401 W/mK \u00d7 section). C = 1.41 \u03b5r h D1 / (D2 - D1) pF, "
            "L = 5.08 h (ln(4h/d) + 1) nH, lengths in inches (Johnson and Graham); X = \u03c0 L "
            "/ Tr; 10-90 % rise time added 2.2 C Z0 / 2."));
    note->setWordWrap(true);
    controls->addWidget(note);

    clear_ = addClearButton([this] { Command_VIA_Clear_Click(); });
    arrange(controls, {}, clear_);
}

void ViaTab::Text_VIA_Change(int index) {
    if (ownWrite())
        return;
    readTyped(index);
    calculate();
}

void ViaTab::blankResults() {
    for (int b = Resistance; b < BoxEnd; ++b)
        blankResult(b);
}

void ViaTab::calculate() {
    const QuietWrites quiet(st_, tab_);
    clear_->setEnabled(anyText());
    try {
        requireInRange();
        // An empty box reads as 0; a 0 gives nothing, as on the other tabs.
        const auto figure = [this](int b) {
            return value(b) > 0 ? std::optional<double>(value(b)) : std::nullopt;
        };
        ViaInput in;
        in.hole = figure(Hole);
        in.plating = figure(Plating);
        in.length = figure(Thickness);
        in.pad = figure(Pad);
        in.antipad = figure(Antipad);
        in.permittivity = figure(Permittivity);
        in.current = figure(Current);
        in.rise = figure(Rise);
        in.riseTime = figure(RiseTime);
        in.impedance = figure(Impedance);
        const ViaResult r = SolveVia(in);
        const std::pair<int, const std::optional<double>*> shown[] = {
            {Resistance, &r.resistance}, {Drop, &r.drop},           {Power, &r.power},
            {Ampacity, &r.ampacity},     {Thermal, &r.thermal},     {Capacitance, &r.capacitance},
            {Inductance, &r.inductance}, {Reactance, &r.reactance}, {Degradation, &r.degradation}};
        bool refused = r.refused;
        for (const auto& [b, v] : shown) {
            try {
                if (!*v)
                    throw CalcError("not computed");
                showResult(b, **v);
            } catch (const CalcError&) {
                blankResult(b);
                refused = refused || v->has_value(); // beyond the range of its unit
            }
        }
        wrongValue_->setVisible(refused);
        const QString warning = Qs(ChartWarning(r.bounds));
        chart_->setText(warning);
        chart_->setVisible(!warning.isEmpty());
    } catch (const CalcError&) {
        blankResults();
        wrongValue_->show();
        chart_->hide();
    }
}

void ViaTab::Command_VIA_Clear_Click() {
    clearAll(wrongValue_, clear_, [this] { chart_->hide(); });
}

} // namespace oq
