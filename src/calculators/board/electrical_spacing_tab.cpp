#include "calculators/board/electrical_spacing_tab.h"

#include "core/controls.h"
#include "model/checked.h"
#include "model/length_units.h"
#include "model/notation.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace oq {

namespace {
enum Box { Volts = 0, Spacing = 1 };
// The per-volt figures as the table gives them in mm (0.00305 mm/V), and as many significant
// digits in mil and inch: by the unit's place in the tab's options.
constexpr float PerVoltDecimals[3] = {1.5f, 1.4f, 1.7f};
const char* const Code = "ES";

// The band's volts as the table writes them: "0 - 15 V", "301 - 500 V"; above 500 V, the rule.
QString BandText(int band) {
    auto range = [](int b) {
        const double from = b == 0 ? 0 : SpacingBands[static_cast<size_t>(b - 1)].upTo + 1;
        return QStringLiteral("%1 - %2 V").arg(from).arg(SpacingBands[static_cast<size_t>(b)].upTo);
    };
    if (band < SpacingBandCount)
        return range(band);
    return QStringLiteral("above %1 V: the %2 figure plus the figure per volt for each volt above "
                          "%1 V")
        .arg(SpacingBands.back().upTo)
        .arg(range(SpacingBandCount - 1));
}

// A cell of the table: a little room around its text, so that the highlighted row reads as one
// band.
QLabel* Padded(QLabel* label) {
    label->setContentsMargins(6, 2, 6, 2);
    return label;
}
} // namespace

ElectricalSpacingTab::ElectricalSpacingTab(MainHost& host, const TabRow& row, QWidget* parent)
    : CalculatorTab(host, row, parent) {
    auto* grid = new QGridLayout;
    for (int b = Volts; b <= Spacing; ++b) {
        NumberBox* text = addBox(b, BoxRules{.space = false});
        connect(text, &QLineEdit::textChanged, this, [this, b] { Text_ES_Change(b); });
    }
    box(Volts)->setLocked(false);
    addBoxRow(grid, 0, addLabel("Label_ES_Voltage", QStringLiteral("Peak voltage (DC or AC peak)")),
              Volts);
    auto* frame = new QGroupBox(this);
    frame->setObjectName(ControlName("Frame", Code, 1));
    frame->setAccessibleName(QStringLiteral("Spacing unit"));
    unit_.emplace(
        st_, tab_, ChoiceUnit,
        std::vector<LengthUnit>{LengthUnit::Millimetre, LengthUnit::Mil, LengthUnit::Inch}, frame,
        "ES_U", [this](int k) { Option_ES_U_Click(k); });
    addBoxRow(grid, 1, addLabel("Label_ES_MinimumSpacing", QStringLiteral("Minimum spacing")),
              Spacing, nullptr, frame);
    band_ = addLabel("Label_ES_Band", QString());
    grid->addWidget(band_, 2, 0, 1, 3);
    wrongValue_ = addLabel("Label_ES_WrongValue", QStringLiteral("Incorrect Value"));
    MakeWarningLabel(wrongValue_);
    grid->addWidget(wrongValue_, 3, 0, 1, 3);

    // The table: one row per column of IPC-2221 Table 6-1, the option that chooses it first. The
    // option has no caption of its own: its name stands in a cell, which follows the highlight as
    // a caption drawn by the style would not. A click anywhere on the row chooses it.
    auto* table = new QGridLayout;
    table->setHorizontalSpacing(0);
    table->setVerticalSpacing(0);
    table->addWidget(Padded(addLabel("Label_ES_Head(0)", QStringLiteral("IPC-2221 Table 6-1"))), 0,
                     0, 1, 3);
    heads_[0] = Padded(addLabel("Label_ES_Head(1)", QString()));
    heads_[1] = Padded(addLabel("Label_ES_Head(2)", QString()));
    table->addWidget(heads_[0], 0, 3, Qt::AlignRight);
    table->addWidget(heads_[1], 0, 4, Qt::AlignRight);
    // A group of their own: options of one parent also see the unit options in its frame.
    auto* columns = new QButtonGroup(this);
    columns->setExclusive(true);
    const char* const cellNames[CellCount] = {"ES_Column", "ES_Conductors", "ES_Spacing",
                                              "ES_PerVolt"};
    for (int c = 0; c < SpacingClassCount; ++c) {
        const SpacingColumn& info = SpacingColumns[static_cast<size_t>(c)];
        column_[c] = new QRadioButton(this);
        columns->addButton(column_[c], c);
        column_[c]->setObjectName(ControlName("Option", Code, c));
        column_[c]->setAccessibleName(QLatin1String(info.name));
        column_[c]->setAccessibleDescription(QLatin1String(info.description));
        column_[c]->setAutoFillBackground(true);
        column_[c]->setContentsMargins(6, 0, 0, 0);
        OnClick(column_[c], [this, c] { Option_ES_Click(c); });
        table->addWidget(column_[c], c + 1, 0);
        for (int k = 0; k < CellCount; ++k) {
            QLabel* cell = Padded(
                addLabel(ControlName("Label", cellNames[k], c).toLatin1().constData(), QString()));
            cell->setAutoFillBackground(true);
            cell->installEventFilter(this);
            cells_[c][k] = cell;
            table->addWidget(cell, c + 1, k + 1);
        }
        cells_[c][CellName]->setText(QLatin1String(info.name));
        cells_[c][CellConductors]->setText(QLatin1String(info.description));
        // A narrow window or a large font folds the words.
        cells_[c][CellConductors]->setWordWrap(true);
        cells_[c][CellSpacing]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        cells_[c][CellPerVolt]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    table->setColumnStretch(2, 1);

    auto* controls = new QVBoxLayout;
    controls->addLayout(grid);
    controls->addSpacing(fontMetrics().height() / 2);
    controls->addLayout(table);
    clear_ = addClearButton([this] { Command_ES_Clear_Click(); });
    arrange(controls, {}, clear_);
    showUnit();
}

int ElectricalSpacingTab::column() const {
    const int c = st_.Choices[tab_][ChoiceColumn];
    return c >= 0 && c < SpacingClassCount ? c : 0;
}

// Runs with SkipChange held: the kept unit and column are selected without a voltage to show.
void ElectricalSpacingTab::startUp() {
    unit_->restore();
    column_[column()]->setChecked(true);
    showUnit();
    highlight();
}

void ElectricalSpacingTab::Text_ES_Change(int index) {
    if (ownWrite() || index != Volts)
        return;
    readBox(Volts);
    if (box(Volts)->text().isEmpty()) {
        spacings_.reset();
        showSpacings();
        wrongValue_->hide();
        clear_->setEnabled(false);
        return;
    }
    calculate();
}

void ElectricalSpacingTab::calculate() {
    try {
        requireInRange(); // a pasted negative voltage, or one beyond the double range
        std::array<double, SpacingClassCount> spacings{};
        for (int c = 0; c < SpacingClassCount; ++c)
            spacings[c] = MinimumSpacing(static_cast<SpacingClass>(c), value(Volts));
        spacings_ = spacings;
        band_->setText(QStringLiteral("Row of the table: ") +
                       BandText(SpacingBandOf(value(Volts))));
        wrongValue_->hide();
    } catch (const CalcError&) {
        // No spacing from this voltage may stay on show.
        spacings_.reset();
        wrongValue_->show();
    }
    showSpacings();
    clear_->setEnabled(true);
}

void ElectricalSpacingTab::showSpacings() {
    const LengthUnit unit = unit_->unit();
    for (int c = 0; c < SpacingClassCount; ++c) {
        const double perVolt = InLengthUnit(SpacingPerVolt(static_cast<SpacingClass>(c)), unit);
        cells_[c][CellPerVolt]->setText(
            Qs(FormatFixedTrim(perVolt, PerVoltDecimals[unit_->selected()])));
        cells_[c][CellSpacing]->setText(
            spacings_ ? Qs(FormatFixedTrim(InLengthUnit((*spacings_)[c], unit), decimals(Spacing)))
                      : QString());
    }
    if (!spacings_) {
        band_->clear();
        emptyQuietly(Spacing);
        return;
    }
    value(Spacing) = (*spacings_)[column()];
    writeQuietly(Spacing,
                 Qs(FormatFixedTrim(InLengthUnit(value(Spacing), unit), decimals(Spacing))));
}

void ElectricalSpacingTab::showUnit() {
    const QString unit = QLatin1String(unit_->caption());
    heads_[0]->setText(QStringLiteral("Spacing, ") + unit);
    heads_[1]->setText(QStringLiteral("Per volt above 500 V, ") + unit);
    box(Spacing)->setAccessibleName(boxName(Spacing) + QStringLiteral(", ") + unit);
}

// The chosen column's row in the palette's highlight, the others as the window.
void ElectricalSpacingTab::highlight() {
    for (int c = 0; c < SpacingClassCount; ++c) {
        const bool chosen = c == column();
        std::vector<QWidget*> row = {column_[c]};
        row.insert(row.end(), cells_[c].begin(), cells_[c].end());
        for (QWidget* w : row) {
            w->setBackgroundRole(chosen ? QPalette::Highlight : QPalette::Window);
            w->setForegroundRole(chosen ? QPalette::HighlightedText : QPalette::WindowText);
        }
    }
}

// A click on a cell of the table chooses its row, as a click on its option does.
bool ElectricalSpacingTab::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        for (int c = 0; c < SpacingClassCount; ++c)
            if (std::find(cells_[c].begin(), cells_[c].end(), watched) != cells_[c].end())
                column_[c]->click();
    return CalculatorTab::eventFilter(watched, event);
}

// The user works in the voltage box: a click on an option hands it back.
void ElectricalSpacingTab::giveFocusBack() {
    if (!st_.SkipChange)
        focusBox(Volts);
}

void ElectricalSpacingTab::Option_ES_Click(int column) {
    st_.Choices[tab_][ChoiceColumn] = static_cast<int16_t>(column);
    highlight();
    showSpacings();
    giveFocusBack();
}

// The unit only changes how the spacings read: the voltage stays as typed.
void ElectricalSpacingTab::Option_ES_U_Click(int) {
    showUnit();
    showSpacings();
    giveFocusBack();
}

void ElectricalSpacingTab::Command_ES_Clear_Click() {
    clearAll(wrongValue_, clear_, [this] {
        spacings_.reset();
        showSpacings();
    });
}

void ElectricalSpacingTab::redisplayBox(int index) {
    if (index == Spacing)
        showSpacings();
    else
        CalculatorTab::redisplayBox(index);
}

} // namespace oq
