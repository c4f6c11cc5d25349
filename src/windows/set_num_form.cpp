#include "windows/set_num_form.h"

#include "core/platform.h"
#include "core/shared_state.h"
#include "windows/window_catalogue.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace oq {

namespace {

// Option captions in option order. The decimals and "Max available" get their digit or letter
// as mnemonic; the totals would clash with the decimals' digits and go without.
const char* const OptionCaptions[DecimalsOptionCount] = {
    "None",       "1 decimal",  "2 decimals",    "3 decimals", "4 decimals",
    "5 decimals", "6 decimals", "Max available", "3 total",    "4 total",
    "5 total",    "6 total",    "7 total",
};

// Decimals down the left column, "Max available" and the totals down the right one.
constexpr int LeftColumnRows = 7;

} // namespace

SetNumForm::SetNumForm(SharedState& state, Platform& platform, int tab, const QString& caption,
                       bool boxFilled, QWidget* parent, Catalogue catalogue)
    : SmallWindow(state, parent)
    , platform_(platform)
    , tab_(tab >= 0 && tab < TabSlots ? tab : 0)
    , box_(state.LastBox[static_cast<size_t>(tab_)])
    , options_(new QButtonGroup(this))
    , valueFrame_(new QGroupBox(QStringLiteral("Actual Value"), this))
    , valueLabel_(new QLabel(QStringLiteral("Not Defined"), valueFrame_)) {
    // No box of the tab has had the focus yet: the opening gesture means the first one.
    if (box_ < 0 || box_ >= MaxBoxes)
        box_ = 0;

    setObjectName(QStringLiteral("SetNumForm"));
    setWindowTitle(QStringLiteral("Number of Decimals"));

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto* optionFrame =
        new QGroupBox(QStringLiteral("Number of deciamals or Total number of characters"), this);
    optionFrame->setObjectName(QStringLiteral("Frame_SNP2"));
    auto* grid = new QGridLayout(optionFrame);
    // Exclusive, yet a code outside the table may leave every option unchecked.
    options_->setExclusive(true);
    QList<QWidget*> tabOrder;
    for (int i = 0; i < DecimalsOptionCount; ++i) {
        auto* option = new QRadioButton(QString::fromUtf8(OptionCaptions[i]), optionFrame);
        option->setObjectName(QStringLiteral("Option_SNP(%1)").arg(i));
        options_->addButton(option, i);
        // Sized to its caption, so a click beside the text does not look as if it missed.
        grid->addWidget(option, i % LeftColumnRows, i / LeftColumnRows, Qt::AlignLeft);
        tabOrder << option;
    }
    layout->addWidget(optionFrame);

    valueFrame_->setObjectName(QStringLiteral("Frame_SNP1"));
    valueLabel_->setObjectName(QStringLiteral("Label_SNPvalue"));
    valueLabel_->setTextFormat(Qt::PlainText);
    valueLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* copy = new QPushButton(QStringLiteral("Copy"), valueFrame_);
    copy->setObjectName(QStringLiteral("Command_SNP_CopyClipboard"));
    auto* valueRow = new QHBoxLayout(valueFrame_);
    valueRow->addWidget(valueLabel_, 1);
    valueRow->addWidget(copy);
    layout->addWidget(valueFrame_);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command_SNP_OK"));
    // Enter on an option means OK; the default button shows that.
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Command_SNP_Cancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    tabOrder << copy << ok << cancel;
    chainTabOrder(tabOrder);

    connect(copy, &QPushButton::clicked, this, &SetNumForm::Command_SNP_CopyClipboard_Click);
    connect(ok, &QPushButton::clicked, this, &SetNumForm::Command_SNP_OK_Click);
    connect(cancel, &QPushButton::clicked, this, &SetNumForm::Command_SNP_Cancel_Click);

    // What the dialog shows of the box.
    const auto t = static_cast<size_t>(tab_);
    const auto b = static_cast<size_t>(box_);
    if (boxFilled)
        valueLabel_->setText(QString::fromStdString(ValueText(state_.Values[t][b])));
    copy->setEnabled(boxFilled);
    setWindowTitle(QStringLiteral("Decimals Properties of ") + caption);
    valueFrame_->setTitle(QStringLiteral(" Actual Value of ") +
                          QString::fromStdString(DecimalsBoxName(tab_, box_, catalogue)) +
                          QStringLiteral(" "));
    QAbstractButton* current = options_->button(DecimalsOptionOfCode(state_.Decimals[t][b]));
    if (current)
        current->setChecked(true);
    (current ? current : options_->button(0))->setFocus();
}

void SetNumForm::Command_SNP_OK_Click() {
    const auto t = static_cast<size_t>(tab_);
    const auto b = static_cast<size_t>(box_);
    // checkedId() is -1 with nothing chosen, which maps to code 0.
    const float code = DecimalsCodeOfOption(options_->checkedId());
    if (code != state_.Decimals[t][b])
        state_.Decimals[t][b] = code;
    state_.DecimalsChanged[t][b] = code != state_.DecimalsAtStart[t][b];
    closingByButton_ = true;
    closeKeepingTab();
}

void SetNumForm::Command_SNP_Cancel_Click() {
    state_.DecimalsCancelled = true;
    closingByButton_ = true;
    closeKeepingTab(Rejected);
}

void SetNumForm::Command_SNP_CopyClipboard_Click() {
    // The last word of the box name: "Voltage" for "RMS Voltage".
    const QString title = valueFrame_->title().trimmed();
    const QString word = title.mid(title.lastIndexOf(QLatin1Char(' ')) + 1);
    platform_.setClipboardText(word + QStringLiteral(": ") + valueLabel_->text() +
                               QStringLiteral("\r\n"));
    Command_SNP_OK_Click();
}

void SetNumForm::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && options_->buttons().contains(qobject_cast<QAbstractButton*>(focusWidget()))) {
        Command_SNP_OK_Click();
        return;
    }
    SmallWindow::keyPressEvent(event);
}

void SetNumForm::closeEvent(QCloseEvent* event) {
    // The close box cancels for the user, so the box keeps its text; unlike the buttons it does
    // not ask the main window to keep its tab.
    if (isVisible() && !closingByButton_)
        state_.DecimalsCancelled = true;
    QDialog::closeEvent(event);
}

} // namespace oq
