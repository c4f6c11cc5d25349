#include "core/calculator_tab.h"

#include "core/controls.h"
#include "core/main_host.h"
#include "core/platform.h"
#include "core/schematic_picture.h"
#include "model/checked.h"
#include "model/notation.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cfloat>
#include <cmath>

namespace oq {

CalculatorTab::CalculatorTab(MainHost& host, const TabRow& row, QWidget* parent)
    : QWidget(parent)
    , host_(host)
    , st_(host.state())
    , row_(row)
    , tab_(row.index) {
    setObjectName(QStringLiteral("Tab_") + QLatin1String(code()));
}

NumberBox* CalculatorTab::box(int index) const {
    return index >= 0 && index < boxCount() ? boxes_[index] : nullptr;
}

QString CalculatorTab::boxName(int index) const {
    if (index < 0 || index >= row_.calculator->boxCount)
        return {};
    const CatalogueBox& entry = row_.calculator->boxes[static_cast<size_t>(index)];
    return QLatin1String(entry.propertyRow    ? entry.propertyRow
                         : entry.decimalsName ? entry.decimalsName
                                              : "");
}

NumberBox* CalculatorTab::addBox(int index, BoxRules rules) {
    auto* b = new NumberBox(*this, index, rules, this);
    b->setObjectName(ControlName("Text", code(), index));
    // Read out as "Resistor 1, ohm"; a box without a name of its own is named by its label.
    if (const QString name = boxName(index); !name.isEmpty()) {
        const char* unit = row_.calculator->boxes[static_cast<size_t>(index)].unit;
        b->setAccessibleName(*unit ? name + QStringLiteral(", ") + QString::fromUtf8(unit) : name);
    }
    if (static_cast<int>(boxes_.size()) <= index)
        boxes_.resize(index + 1, nullptr);
    boxes_[index] = b;
    return b;
}

QWidget* CalculatorTab::addBoxRow(QGridLayout* grid, int row, QWidget* caption, int index,
                                  QWidget* extra, QWidget* unit) {
    fitToGrid(grid, index);
    NumberBox* b = box(index);
    if (caption)
        grid->addWidget(caption, row, CaptionColumn, Qt::AlignLeft);
    grid->addWidget(b, row, BoxColumn);
    if (!unit && index < row_.calculator->boxCount) {
        if (const char* name = row_.calculator->boxes[static_cast<size_t>(index)].unit; *name)
            unit = addLabel(ControlName("Label", (std::string(code()) + "_Unit").c_str(), index)
                                .toLatin1()
                                .constData(),
                            QString::fromUtf8(name));
    }
    if (unit)
        grid->addWidget(unit, row, UnitColumn, Qt::AlignLeft);
    // A box whose unit the user chooses is read by its name alone: the choice names the unit.
    if (unit && !qobject_cast<QLabel*>(unit))
        b->setAccessibleName(boxName(index));
    if (extra)
        grid->addWidget(extra, row, ExtraColumn, Qt::AlignLeft);
    return unit;
}

// Every box as wide as a box on any other tab, every column at least as wide as on the others.
void CalculatorTab::fitToGrid(QGridLayout* grid, int index) {
    const int ch = fontMetrics().averageCharWidth();
    grid->setColumnMinimumWidth(CaptionColumn, 20 * ch);
    grid->setColumnMinimumWidth(UnitColumn, 5 * ch);
    grid->setColumnStretch(ExtraColumn, 1);
    NumberBox* b = box(index);
    b->setSizePolicy(QSizePolicy::Fixed, b->sizePolicy().verticalPolicy());
}

QLabel* CalculatorTab::addLabel(const char* name, const QString& caption) {
    auto* label = new QLabel(caption, this);
    label->setObjectName(QLatin1String(name));
    return label;
}

bool CalculatorTab::ownClick() {
    if (!st_.SkipChange)
        return false;
    st_.SkipChange = false;
    return true;
}

bool CalculatorTab::ownWrite() {
    return ownClick() || lastBox() == -1;
}

void CalculatorTab::writeQuietly(int index, const QString& text) {
    SetTextSkipping(st_, box(index), text);
}

void CalculatorTab::emptyQuietly(int index) {
    value(index) = 0;
    writeQuietly(index, QString());
}

double CalculatorTab::readBox(int index) {
    return value(index) = TextValue(box(index)->text().toStdString());
}

bool CalculatorTab::beyondRange(int index) const {
    const NumberBox* b = box(index);
    return b && std::fabs(TextValue(b->text().toStdString())) >= DBL_MAX;
}

void CalculatorTab::requireInRange() const {
    for (const NumberBox* b : boxes_) {
        if (beyondRange(b->index()))
            throw CalcError("number beyond the double range");
        if (!b->isLocked() && !b->rules().minus && TextValue(b->text().toStdString()) < 0)
            throw CalcError("negative number in a box that takes none");
    }
}

PropertyRowNames CalculatorTab::propertyRowNames() const {
    PropertyRowNames names;
    for (int b = 0; b < boxCount(); ++b) {
        const char* row = row_.calculator->boxes[static_cast<size_t>(b)].propertyRow;
        if (!row)
            continue;
        auto& name = names[static_cast<size_t>(b)];
        name = row;
        if (st_.StdValSelected[tab_] && standardRow(b))
            name += " - Standard Value";
    }
    return names;
}

QString CalculatorTab::fixedText(int index) const {
    return Qs(FormatFixedTrim(st_.Values[tab_][index], decimals(index)));
}

QPushButton* CalculatorTab::addClearButton(std::function<void()> handler) {
    auto* clear = new QPushButton(QStringLiteral("&Clear All"), this);
    clear->setObjectName(QStringLiteral("Command_%1_Clear").arg(QLatin1String(code())));
    clear->setEnabled(false);
    connect(clear, &QPushButton::clicked, this, std::move(handler));
    return clear;
}

void CalculatorTab::clearAll(QLabel* warning, QPushButton* clear,
                             const std::function<void()>& alsoReset) {
    int focused = 0;
    {
        const QuietWrites quiet(st_, tab_);
        focused = quiet.focused();
        for (int b = 0; b < boxCount(); ++b) {
            box(b)->clear();
            value(b) = 0;
        }
        alsoReset();
        warning->hide();
        clear->setEnabled(false);
    }
    focusBox(focused);
}

void CalculatorTab::arrange(QLayout* controls, const std::vector<QWidget*>& below,
                            QPushButton* clear) {
    auto* right = new QVBoxLayout;
    right->addLayout(controls);
    right->addSpacing(fontMetrics().height());
    for (QWidget* w : below)
        right->addWidget(w, 0, Qt::AlignLeft);
    right->addStretch(1);
    right->addWidget(clear, 0, Qt::AlignLeft);
    auto* layout = new QHBoxLayout(this);
    if (SchematicPicture* picture = addPicture()) // tabs without a schematic get none
        layout->addWidget(picture, 1);
    layout->addLayout(right, 2);
}

SchematicPicture* CalculatorTab::addPicture() {
    const char* resource = row_.picture;
    if (!resource)
        return nullptr;
    auto* picture = new SchematicPicture(QLatin1String(resource), this);
    picture->setAccessibleName(QStringLiteral("Schematic"));
    if (row_.pictureText)
        picture->setAccessibleDescription(QLatin1String(row_.pictureText));
    picture->setObjectName(QStringLiteral("Picture_") + QLatin1String(code()));
    return picture;
}

void CalculatorTab::focusBox(int index) {
    if (NumberBox* b = box(index)) {
        b->setFocus();
        b->end(false);
    }
}

void CalculatorTab::enterTab(int) {
    reselectLastOption();
    const int last = st_.LastBox[tab_];
    if (NumberBox* b = box(last >= 0 ? last : 0))
        b->setFocus();
}

bool CalculatorTab::boxSpace(int index) {
    QAbstractButton* option = unknownOption(index);
    if (!option || !box(index)->text().isEmpty() || option->isChecked() || !option->isEnabled())
        return false;
    option->setChecked(true); // its click usually locks the box, which then drops the blank
    return true;
}
bool CalculatorTab::boxMinus(int) {
    return false;
}

// One minus sign, leading the number: typed at the start, or over a selection from the start.
bool CalculatorTab::minusLeads(int index) const {
    const NumberBox* b = box(index);
    if (!b)
        return false;
    if (b->hasSelectedText())
        return b->selectionStart() == 0 && (!b->text().contains(QLatin1Char('-')) ||
                                            b->selectedText().contains(QLatin1Char('-')));
    return b->cursorPosition() == 0 && !b->text().contains(QLatin1Char('-'));
}

void CalculatorTab::boxDoubleClick(int index) {
    NumberBox* b = box(index);
    if (b && !b->isLocked() && !b->text().isEmpty())
        b->clear();
}

void CalculatorTab::boxGotFocus(int index) {
    lastBox() = static_cast<int16_t>(index);
}

void CalculatorTab::boxHelp() {
    host_.openHelp();
}

QChar CalculatorTab::boxFilterKey(int, QChar key) {
    return key;
}

bool CalculatorTab::boxFilterText(int, QString&, int&) {
    return true;
}

void CalculatorTab::boxRightClick(int index, int modifiers) {
    NumberBox* b = box(index);
    if (!b || modifiers == 0)
        return;
    lastBox() = static_cast<int16_t>(index);
    b->setFocus();
    if (modifiers != ModShift) {
        host_.openProperties();
    } else if (st_.StdValSelected[tab_]) {
        host_.platform().information(window(), QStringLiteral("Set Decimals"),
                                     QStringLiteral("Number of decimals can't be changed while\n"
                                                    "Standard Values are selected."));
    } else {
        host_.openDecimals();
        // What the user typed beyond the double range stays: rewriting it from its clamped
        // value would show a wrong number.
        if (b->text().isEmpty() || st_.DecimalsCancelled)
            st_.DecimalsCancelled = false;
        else if (!beyondRange(index))
            redisplayBox(index);
    }
    b->setFocus();
    b->end(false);
}

void CalculatorTab::redisplayBox(int index) {
    writeQuietly(index, fixedText(index));
}

} // namespace oq
