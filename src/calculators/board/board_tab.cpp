#include "calculators/board/board_tab.h"

#include "core/controls.h"
#include "model/board_units.h"
#include "model/checked.h"
#include "model/notation.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QRadioButton>
#include <cfloat>
#include <cmath>

namespace oq {

BoardTab::BoardTab(MainHost& host, const TabRow& row, QWidget* parent)
    : CalculatorTab(host, row, parent) {}

int BoardTab::addRow(QGridLayout* grid, int line, QWidget* caption, const char* letter,
                     std::vector<int> boxes, Unit unit) {
    const int number = static_cast<int>(rows_.size());
    rows_.push_back({});
    Row& row = rows_.back();
    row.boxes = std::move(boxes);
    row.unit = std::move(unit);
    grid->addWidget(caption, line, CaptionColumn, Qt::AlignLeft);
    // A second box (the inner layer) sits beside the first, the unit after both.
    const int unitColumn = UnitColumn + static_cast<int>(row.boxes.size()) - 1;
    for (size_t k = 0; k < row.boxes.size(); ++k) {
        const int index = row.boxes[k];
        if (static_cast<int>(rowOfBox_.size()) <= index)
            rowOfBox_.resize(static_cast<size_t>(index) + 1, -1);
        rowOfBox_[static_cast<size_t>(index)] = number;
        fitToGrid(grid, index);
        grid->addWidget(box(index), line, BoxColumn + static_cast<int>(k));
        // Read out with the unit its number counts in: "Capacitance, pF"; a box with unit
        // options leaves the unit to its frame ("Width unit").
        const QString unitName = !row.unit.group && !row.unit.captions.empty()
                                     ? QString::fromUtf8(row.unit.captions[0])
                                     : QString();
        box(index)->setAccessibleName(
            unitName.isEmpty() ? boxName(index) : boxName(index) + QStringLiteral(", ") + unitName);
    }
    const QString name = QStringLiteral("%1_%2").arg(QLatin1String(code()), QLatin1String(letter));
    if (!row.unit.group) {
        auto* label = new QLabel(
            QString::fromUtf8(row.unit.captions.empty() ? "" : row.unit.captions[0]), this);
        label->setObjectName(QStringLiteral("Label_") + name + QStringLiteral("_Unit"));
        grid->addWidget(label, line, unitColumn, Qt::AlignLeft);
        return number;
    }
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame_") + name);
    frame->setFlat(true);
    // Named after the row's first box without its layer: "Width unit".
    QString quantity = boxName(row.boxes.front());
    quantity.remove(QStringLiteral("Outer ")).remove(QStringLiteral("Inner "));
    frame->setAccessibleName(quantity + QStringLiteral(" unit"));
    std::vector<QString> captions;
    for (const char* c : row.unit.captions)
        captions.push_back(QString::fromUtf8(c));
    const QByteArray optionCode = name.toLatin1();
    row.choice.emplace(*row.unit.group, frame, optionCode.constData(), captions,
                       [this, number](int k) { Unit_Click(number, k); });
    // The rows with options are the tab's kept choices, in the order they are made.
    row.kept = keptChoices_++;
    frame->layout()->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(frame, line, unitColumn, Qt::AlignLeft);
    return number;
}

// Runs with SkipChange held: each selection only takes over its factor.
void BoardTab::startUp() {
    for (Row& row : rows_)
        if (row.choice)
            row.choice->option(st_.Choices[tab_][static_cast<size_t>(row.kept)])->setChecked(true);
}

const UnitChoice* BoardTab::unitChoice(int row) const {
    if (row < 0 || row >= static_cast<int>(rows_.size()) || !rows_[static_cast<size_t>(row)].choice)
        return nullptr;
    return &*rows_[static_cast<size_t>(row)].choice;
}

void BoardTab::Unit_Click(int row, int k) {
    Row& r = rows_[static_cast<size_t>(row)];
    st_.Choices[tab_][static_cast<size_t>(r.kept)] = static_cast<int16_t>(k);
    const int first = r.boxes.front();
    if (!box(first)->isLocked()) {
        if (r.choice->clicked(st_, k, box(first), value(first)))
            calculate();
        return;
    }
    r.choice->takeOver(k);
    const QuietWrites quiet(st_, tab_);
    for (const int b : r.boxes)
        if (!box(b)->text().isEmpty())
            box(b)->setText(unitText(b));
}

double BoardTab::factorOf(int index) const {
    const Row& row = rows_[static_cast<size_t>(rowOfBox_[static_cast<size_t>(index)])];
    return row.choice ? row.choice->factor() : row.unit.factor;
}

double BoardTab::readTyped(int index) {
    return value(index) = InBaseUnits(readBox(index), factorOf(index));
}

QString BoardTab::unitText(int index) const {
    return Qs(NumberInFactor(st_.Values[tab_][index], factorOf(index), decimals(index)));
}

void BoardTab::showResult(int index, double v) {
    if (std::fabs(Div(v, factorOf(index))) >= DBL_MAX)
        throw CalcError("beyond the double range in this unit");
    value(index) = v;
    box(index)->setText(unitText(index));
}

void BoardTab::blankResult(int index) {
    value(index) = 0;
    box(index)->clear();
}

void BoardTab::redisplayBox(int index) {
    writeQuietly(index, unitText(index));
}

bool BoardTab::anyText() const {
    for (int b = 0; b < boxCount(); ++b)
        if (!box(b)->text().isEmpty())
            return true;
    return false;
}

} // namespace oq
