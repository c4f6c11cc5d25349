#include "app/main_form.h"

#include "core/calculator_tab.h"
#include "core/platform.h"
#include "core/tab_strip.h"
#include "model/settings.h"
#include "windows/about_form.h"
#include "windows/help_form.h"
#include "windows/set_num_form.h"
#include "windows/tab_properties.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

namespace oq {

QString MainForm::caption() {
    return QStringLiteral("Ohmquill, v%1 - June 2024 / QZ").arg(QLatin1String(OHMQUILL_VERSION));
}

MainForm::MainForm(Platform& platform, SettingsStore& store, std::span<const TabRow> table,
                   Catalogue catalogue, QWidget* parent)
    : QWidget(parent)
    , platform_(platform)
    , store_(store)
    , catalogue_(catalogue) {
    setObjectName(QStringLiteral("MainForm"));

    LoadSettings(store_, st_, catalogue_);
    strip_ = new TabStrip(this);
    strip_->setObjectName(QStringLiteral("SSTab1"));
    buildTabs(table);
    {
        // The tabs prepare their unit options and stored values without computing anything.
        const HeldSkipChange quiet(st_);
        for (CalculatorTab* page : pages_)
            page->startUp();
    }
    connect(strip_, &TabStrip::currentChanged, this, [this](int position) {
        if (built_ && position >= 0 && position < static_cast<int>(pages_.size()))
            tabEntry(pages_[static_cast<size_t>(position)]->tabIndex(), entered_);
    });
    connect(strip_, &TabStrip::doubleClicked, this, [this] { platform_.startCalculator(); });
    connect(strip_, &TabStrip::rightClicked, this, &MainForm::stripRightClicked);

    exit_ = new QPushButton(QStringLiteral("&Exit"), this);
    exit_->setObjectName(QStringLiteral("Command_Exit"));
    connect(exit_, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(exit_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(strip_, 1);
    layout->addLayout(buttons);

    setWindowTitle(caption());
    setWindowIcon(QIcon(QStringLiteral(":/icons/org.ohmquill.Ohmquill.svg")));
    built_ = true;
}

namespace {
// The first fourteen stand in two rows of seven, as they always have; each later group of
// calculators has a row of its own below them.
int StripRowOf(const CalculatorEntry& calculator) {
    switch (calculator.group) {
    case CalculatorGroup::Values:
        return 2;
    case CalculatorGroup::BoardAndRf:
        return 3;
    default:
        return calculator.index / 7;
    }
}
} // namespace

void MainForm::buildTabs(std::span<const TabRow> table) {
    for (const TabRow& row : table) {
        CalculatorTab* page = row.create(*this, row);
        tabs_[static_cast<size_t>(row.index)] = page;
        pages_.push_back(page);
        strip_->addTab(page, QLatin1String(row.caption), StripRowOf(*row.calculator));
    }
}

CalculatorTab* MainForm::tab(int index) const {
    return index >= 0 && index < TabSlots ? tabs_[static_cast<size_t>(index)] : nullptr;
}

int MainForm::currentTab() const {
    const int position = strip_->currentIndex();
    return position >= 0 && position < static_cast<int>(pages_.size())
               ? pages_[static_cast<size_t>(position)]->tabIndex()
               : 0;
}

void MainForm::showTab(int index) {
    const auto page = std::find(pages_.begin(), pages_.end(), tab(index));
    strip_->setCurrentIndex(page == pages_.end() ? 0 : static_cast<int>(page - pages_.begin()));
}

void MainForm::tabEntry(int index, int previous) {
    if (!tab(index))
        return;
    entered_ = index;
    tab(index)->enterTab(previous);
}

void MainForm::activationRule() {
    if (st_.SkipChange) {
        st_.SkipChange = false;
        return;
    }
    // A stored tab whose calculator this window lacks brings the first one.
    const int start = tab(st_.StartTab) ? st_.StartTab : pages_.front()->tabIndex();
    if (currentTab() == start)
        tabEntry(start, 0);
    else
        showTab(start);
}

void MainForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shown_) {
        shown_ = true;
        activationRule();
    }
}

// Qt does not bring the main window back by itself after a modal window on every platform, and
// where it does it also does so when the user returns from another program, where the start tab
// must not come back. So the rule runs here, and only here after a small window.
void MainForm::runSmallWindow(QDialog* window) {
    platform_.runModal(window);
    activateWindow();
    activationRule();
}

void MainForm::openHelp() {
    std::unique_ptr<QDialog> window(new HelpForm(st_, this));
    runSmallWindow(window.get());
}

void MainForm::openAbout() {
    std::unique_ptr<QDialog> window(new AboutForm(st_, platform_, windowTitle(), this));
    runSmallWindow(window.get());
}

void MainForm::openDecimals() {
    const int t = currentTab();
    const CalculatorTab* page = tab(t);
    const NumberBox* b = page->box(st_.LastBox[static_cast<size_t>(t)]);
    std::unique_ptr<QDialog> window(new SetNumForm(st_, platform_, t, PlainCaption(page->row()),
                                                   b && !b->text().isEmpty(), this, catalogue_));
    runSmallWindow(window.get());
}

void MainForm::openProperties() {
    const CalculatorTab* page = tab(currentTab());
    TabProperties::Sheet sheet;
    sheet.tab = page->tabIndex();
    sheet.caption = PlainCaption(page->row());
    sheet.rowNames = page->propertyRowNames();
    for (int i = 0; i < MaxBoxes; ++i) {
        const NumberBox* b = page->box(i);
        sheet.boxFilled[static_cast<size_t>(i)] = b && !b->text().isEmpty();
    }
    sheet.standard = st_.StdValSelected[static_cast<size_t>(sheet.tab)];
    std::unique_ptr<QDialog> window(new TabProperties(st_, platform_, sheet, this));
    runSmallWindow(window.get());
}

void MainForm::stripRightClicked(Qt::KeyboardModifiers modifiers) {
    if (modifiers == Qt::NoModifier)
        openHelp();
    else if (modifiers == Qt::ControlModifier)
        openAbout();
}

void MainForm::closeEvent(QCloseEvent* event) {
    unload();
    event->accept();
}

void MainForm::unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    for (CalculatorTab* page : pages_)
        page->closing();
    SaveSettings(store_, st_, currentTab(), catalogue_);
    store_.sync();
}

} // namespace oq
