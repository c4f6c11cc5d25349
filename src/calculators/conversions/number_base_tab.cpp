#include "calculators/conversions/number_base_tab.h"

#include "core/controls.h"
#include "core/main_host.h"
#include "core/platform.h"
#include "model/checked.h"
#include "model/number_bases.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>

namespace oq {

namespace {
const char* const Labels[NumberBaseCount][2] = {{"Label_NC_1", "Decimal"},
                                                {"Label_NC_2", "Hex"},
                                                {"Label_NC_3", "Octal"},
                                                {"Label_NC_4", "Binary"}};

NumberBase baseOf(int index) {
    return static_cast<NumberBase>(index);
}
} // namespace

NumberBaseTab::NumberBaseTab(MainHost& host, const TabRow& row, QWidget* parent)
    : CalculatorTab(host, row, parent) {
    BoxRules rules;
    rules.space = false;
    rules.gestures = false; // no Enter or right-click gestures: the box keeps its own menu
    rules.ownFilter = true;
    auto* grid = new QGridLayout;
    for (int i = 0; i < NumberBaseCount; ++i) {
        QLabel* label = addLabel(Labels[i][0], QLatin1String(Labels[i][1]));
        grid->addWidget(label, i, 0);
        NumberBox* text = addBox(i, rules);
        label->setBuddy(text); // names the box for a screen reader
        text->setLocked(false);
        connect(text, &QLineEdit::textChanged, this, [this, i] { Text_NC_Change(i); });
        grid->addWidget(text, i, 1);
        check_[i] = new QCheckBox(QStringLiteral("Add new entry frst"), this);
        check_[i]->setObjectName(ControlName("Check", "NC", i));
        FitToCaption(check_[i]);
        OnClick(check_[i], [this, i] { Check_NC_Click(i); });
        grid->addWidget(check_[i], i, 2);
    }
    // 31 binary digits in groups of four fit the boxes.
    grid->setColumnMinimumWidth(1, fontMetrics().horizontalAdvance(
                                       QStringLiteral("000 0000 0000 0000 0000 0000 0000 0000")) +
                                       fontMetrics().averageCharWidth() * 2);
    clear_ = addClearButton([this] { Command_NC_Clear_Click(); });
    arrange(grid, {}, clear_);
}

void NumberBaseTab::enterTab(int previousTab) {
    CalculatorTab::enterTab(previousTab);
    // Only the user's clicks change the remembered choice.
    const HeldSkipChange held(st_);
    for (int i = 0; i < NumberBaseCount; ++i)
        check_[i]->setChecked(EntryFirst(st_.NCNewEntryLocation, i));
}

void NumberBaseTab::Text_NC_Change(int index) {
    NumberBox* source = box(index);
    const QString before = before_[index];
    const QString typed = source->text();
    before_[index] = typed;
    // The tab's own writes: the writer holds SkipChange for as long as it writes.
    if (st_.SkipChange)
        return;
    // The box that changed is the source even without the focus (a text dropped into it).
    lastBox() = static_cast<int16_t>(index);
    if (typed.isEmpty()) {
        Command_NC_Clear_Click();
        return;
    }
    const int caret = source->cursorPosition();
    try {
        const HeldSkipChange held(st_);
        convert(index);
        source->setCursorPosition(
            CaretAfterEntry({before.toStdString(), oldCaret_, typed.toStdString(), caret,
                             source->text().toStdString(), check_[index]->isChecked()}));
    } catch (const CalcError&) {
        undoEntry(index, before);
        return;
    }
    clear_->setEnabled(true);
}

void NumberBaseTab::convert(int source) {
    const std::string text = box(source)->text().toStdString();
    const int32_t value = NumberBaseValue(baseOf(source), text);
    for (int b = 0; b < NumberBaseCount; ++b) {
        QString shown;
        if (b != source)
            shown = Qs(NumberBaseText(baseOf(b), value));
        else if (b == BaseBinary)
            shown = Qs(FormatBin(text)); // the typed digits regrouped, leading zeros kept
        else
            continue; // as typed
        if (box(b)->text() != shown)
            box(b)->setText(shown);
    }
}

// The number would not fit: the entry is taken back and the tab shows the previous number.
void NumberBaseTab::undoEntry(int source, const QString& before) {
    // A refused text is never the one to go back to, also for input that reaches the box while
    // the message is open: that is taken back too, without a second message.
    before_[source] = before;
    if (!overflowShown_) {
        const QScopedValueRollback open(overflowShown_, true);
        host_.platform().critical(
            window(), QStringLiteral("Overflow Error"),
            QStringLiteral("Overflow!\n\nLast entered character will be deleted."));
    }
    NumberBox* b = box(source);
    b->setText(before); // its change event converts the previous text again
    b->setCursorPosition(oldCaret_);
}

void NumberBaseTab::Check_NC_Click(int index) {
    if (st_.SkipChange)
        return;
    const bool first = check_[index]->isChecked();
    st_.NCNewEntryLocation = WithEntryFirst(st_.NCNewEntryLocation, index, first);
    NumberBox* b = box(index);
    b->setCursorPosition(first ? 0 : static_cast<int>(b->text().size()));
    b->setFocus();
    st_.NCEntryLocationChanged = true;
}

void NumberBaseTab::Command_NC_Clear_Click() {
    {
        const HeldSkipChange held(st_);
        for (int b = 0; b < NumberBaseCount; ++b)
            box(b)->clear();
    }
    const int last = lastBox();
    box(last >= 0 ? last : 0)->setFocus();
    clear_->setEnabled(false);
}

void NumberBaseTab::boxDoubleClick(int index) {
    if (!box(index)->text().isEmpty())
        Command_NC_Clear_Click();
}

void NumberBaseTab::boxGotFocus(int index) {
    lastBox() = static_cast<int16_t>(index);
    NumberBox* b = box(index);
    b->setCursorPosition(check_[index]->isChecked() ? 0 : static_cast<int>(b->text().size()));
}

QChar NumberBaseTab::boxFilterKey(int index, QChar key) {
    return QLatin1Char(NumberBaseKey(baseOf(index), key.toLatin1()));
}

bool NumberBaseTab::boxFilterText(int index, QString& text, int& caret) {
    std::string filtered = text.toStdString();
    if (!NumberBaseFilter(baseOf(index), filtered, caret))
        return false;
    text = Qs(filtered);
    return true;
}

void NumberBaseTab::boxBeforeEdit(int index) {
    const NumberBox* b = box(index);
    oldCaret_ = b->hasSelectedText() ? b->selectionStart() : b->cursorPosition();
}

} // namespace oq
