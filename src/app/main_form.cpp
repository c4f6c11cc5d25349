#include "app/main_form.h"

#include "core/calculator_tab.h"
#include "core/platform.h"
#include "core/tab_strip.h"
#include "model/settings.h"
#include "windows/about_form.h"
#include "windows/help_form.h"
#include "windows/set_num_form.h"
#include "windows/tab_properties.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWindow>
#include <memory>
#include <utility>

namespace oq {

QString MainForm::caption() {
    return QStringLiteral("Ohmquill, v%1 - June 2024 / QZ").arg(QLatin1String(OHMQUILL_VERSION));
}

MainForm::MainForm(Platform& platform, SettingsStore& store, std::span<const TabRow> table,
                   Catalogue catalogue, QWidget* parent)
    : QWidget(parent)
    , platform_(platform)
    , store_(store)
    , catalogue_(catalogue)
    , placement_(store) {
    setObjectName(QStringLiteral("MainForm"));

    LoadSettings(store_, st_, catalogue_);
    strip_ = new TabStrip(this);
    strip_->setObjectName(QStringLiteral("SSTab1"));
    strip_->setPageMinimumSize(pageSize());
    buildTabs(table);
    // Only the page in front is needed for the first paint; the others follow right after it.
    build(pageOf(st_.StartTab) ? *pageOf(st_.StartTab) : pages_.front());
    connect(strip_, &TabStrip::currentChanged, this, [this](int position) {
        if (built_ && position >= 0 && position < static_cast<int>(pages_.size()))
            tabEntry(pages_[static_cast<size_t>(position)].row->index, entered_);
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
    layout->setMenuBar(buildMenu());
    layout->addWidget(strip_, 1);
    layout->addLayout(buttons);

    setWindowTitle(caption());
    placement_.restore(*this);
    built_ = true;
}

// Only the menu titles "&File" and "&Help" take an Alt letter, one the window leaves free: Qt
// fires neither of two shortcuts on one letter. No item has a shortcut of its own either: F1, the
// copy and paste keys and the Enter gestures belong to the number boxes, so an item shows its key
// after a tab but does not take it.
QMenuBar* MainForm::buildMenu() {
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("Menu_Main"));
    const auto item = [this](QMenu* menu, const QString& name, const QString& text, auto handler) {
        QAction* action = menu->addAction(text);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("Menu_File"));
    item(file, QStringLiteral("Menu_SaveProperties"), QStringLiteral("Save properties..."),
         &MainForm::saveProperties);
    file->addSeparator();
    item(file, QStringLiteral("Menu_Exit"), QStringLiteral("Exit"), &QWidget::close);

    QMenu* calculators = bar->addMenu(QStringLiteral("Calculators"));
    calculators->setObjectName(QStringLiteral("Menu_Calculators"));
    for (const CalculatorGroup group :
         {CalculatorGroup::Resistors, CalculatorGroup::AttenuatorsAndLevels,
          CalculatorGroup::Conversions, CalculatorGroup::Values, CalculatorGroup::BoardAndRf}) {
        bool first = true;
        for (const CalculatorEntry& calculator : catalogue_) {
            const Page* page = pageOf(calculator.index);
            if (calculator.group != group || !page)
                continue;
            if (std::exchange(first, false) && !calculators->isEmpty())
                calculators->addSeparator();
            // A lone "&" would give the item a mnemonic of its own.
            QString text = PlainCaption(*page->row);
            text.replace(QLatin1Char('&'), QStringLiteral("&&"));
            const int index = calculator.index;
            item(calculators, QStringLiteral("Menu_Calc_") + QLatin1String(calculator.code), text,
                 [this, index] { showTab(index); });
        }
    }

    QMenu* edit = bar->addMenu(QStringLiteral("Edit"));
    edit->setObjectName(QStringLiteral("Menu_Edit"));
    QAction* copy =
        item(edit, QStringLiteral("Menu_Copy"), QStringLiteral("Copy"), &MainForm::copyValue);
    item(edit, QStringLiteral("Menu_CopyAll"), QStringLiteral("Copy All Values"),
         &MainForm::copyAllValues);
    QAction* clear = item(edit, QStringLiteral("Menu_ClearAll"), QStringLiteral("Clear All"),
                          &MainForm::clearAll);
    connect(edit, &QMenu::aboutToShow, this, [this, copy, clear] {
        const int b = copyBox();
        copy->setEnabled(b >= 0 && PropertyList(st_, sheet()).hasValue(b));
        const QPushButton* button = clearButton();
        clear->setEnabled(button && button->isEnabled());
    });

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Menu_Help"));
    item(help, QStringLiteral("Menu_KeyStrokes"), QStringLiteral("Key Strokes\tF1"),
         &MainForm::openHelp);
    item(help, QStringLiteral("Menu_About"), QStringLiteral("About"), &MainForm::openAbout);
    return bar;
}

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

// Sized for the largest page of the fourteen (PI-net and T-net) at any font, with a little room.
QSize MainForm::pageSize() const {
    const QFontMetrics metrics = fontMetrics();
    return {114 * metrics.averageCharWidth(), 33 * metrics.height()};
}

void MainForm::buildTabs(std::span<const TabRow> table) {
    for (const TabRow& row : table) {
        auto* holder = new QWidget;
        holder->setObjectName(QStringLiteral("Page_") + QLatin1String(row.code));
        auto* layout = new QVBoxLayout(holder);
        layout->setContentsMargins(0, 0, 0, 0);
        pages_.push_back({&row, holder});
        strip_->addTab(holder, QLatin1String(row.caption), StripRowOf(*row.calculator));
    }
}

CalculatorTab* MainForm::build(Page& page) {
    if (page.tab)
        return page.tab;
    page.tab = page.row->create(*this, *page.row);
    page.holder->layout()->addWidget(page.tab);
    page.tab->show(); // at once: a page added to a page on show would appear only later
    // The tab prepares its unit options and stored values without computing anything.
    const HeldSkipChange quiet(st_);
    page.tab->startUp();
    return page.tab;
}

void MainForm::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    painted_ = true;
}

// The pages not in front are built right after the first frame: the platform window draws a frame
// and puts it on the screen while it handles an expose or an update request, so they follow the
// moment that is done, before the next event, whatever it is.
bool MainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched != windowHandle() || allBuilt_ ||
        (event->type() != QEvent::Expose && event->type() != QEvent::UpdateRequest))
        return QWidget::eventFilter(watched, event);
    watched->event(event);
    if (painted_)
        buildRemainingPages();
    return true;
}

// Once the window is active, a key or a click may reach any page: had the platform activated the
// window before its first frame, that frame comes first all the same.
void MainForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && painted_)
        buildRemainingPages();
    if (event->type() == QEvent::FontChange && strip_)
        strip_->setPageMinimumSize(pageSize());
}

void MainForm::buildRemainingPages() {
    if (std::exchange(allBuilt_, true))
        return;
    for (Page& page : pages_)
        build(page);
    // The window stands where the desktop put it for its first frame.
    placement_.shown(*this);
    // The desktop reads the icon when it lists the window, not for its first frame.
    setWindowIcon(QIcon(QStringLiteral(":/icons/org.ohmquill.Ohmquill.svg")));
    if (QWindow* handle = windowHandle())
        handle->removeEventFilter(this);
}

MainForm::Page* MainForm::pageOf(int index) {
    for (Page& page : pages_)
        if (page.row->index == index)
            return &page;
    return nullptr;
}

CalculatorTab* MainForm::tab(int index) {
    Page* page = pageOf(index);
    return page ? build(*page) : nullptr;
}

int MainForm::currentTab() const {
    const int position = strip_->currentIndex();
    return position >= 0 && position < static_cast<int>(pages_.size())
               ? pages_[static_cast<size_t>(position)].row->index
               : 0;
}

void MainForm::showTab(int index) {
    const Page* page = pageOf(index);
    strip_->setCurrentIndex(page ? static_cast<int>(page - pages_.data()) : 0);
}

void MainForm::tabEntry(int index, int previous) {
    CalculatorTab* page = tab(index);
    if (!page)
        return;
    entered_ = index;
    page->enterTab(previous);
}

void MainForm::activationRule() {
    if (st_.SkipChange) {
        st_.SkipChange = false;
        return;
    }
    // A stored tab whose calculator this window lacks brings the first one.
    const int start = pageOf(st_.StartTab) ? st_.StartTab : pages_.front().row->index;
    if (currentTab() == start)
        tabEntry(start, 0);
    else
        showTab(start);
}

void MainForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shown_) {
        shown_ = true;
        if (QWindow* handle = windowHandle(); handle && !allBuilt_)
            handle->installEventFilter(this);
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

PropertyList::Sheet MainForm::sheet() {
    const CalculatorTab* page = tab(currentTab());
    PropertyList::Sheet sheet;
    sheet.tab = page->tabIndex();
    sheet.caption = PlainCaption(page->row());
    sheet.rowNames = page->propertyRowNames();
    for (int i = 0; i < MaxBoxes; ++i) {
        const NumberBox* b = page->box(i);
        sheet.boxFilled[static_cast<size_t>(i)] = b && !b->text().isEmpty();
    }
    sheet.standard = st_.StdValSelected[static_cast<size_t>(sheet.tab)];
    return sheet;
}

void MainForm::openProperties() {
    std::unique_ptr<QDialog> window(new TabProperties(st_, platform_, sheet(), this));
    runSmallWindow(window.get());
}

void MainForm::saveProperties() {
    PropertyList(st_, sheet()).saveToFile(platform_, this);
}

int MainForm::copyBox() {
    const int t = currentTab();
    const CalculatorTab* page = tab(t);
    // A menu opened from the keyboard may hold the focus itself; the box had it last.
    const auto* focused = qobject_cast<const NumberBox*>(QApplication::focusWidget());
    if (focused && page->isAncestorOf(focused))
        return focused->index();
    const int last = st_.LastBox[static_cast<size_t>(t)];
    return page->box(last) ? last : -1;
}

void MainForm::copyValue() {
    const int b = copyBox();
    const PropertyList list(st_, sheet());
    if (list.hasValue(b))
        platform_.setClipboardText(list.rowText(b));
}

void MainForm::copyAllValues() {
    platform_.setClipboardText(PropertyList(st_, sheet()).allText());
}

QPushButton* MainForm::clearButton() {
    CalculatorTab* page = tab(currentTab());
    return page->findChild<QPushButton*>(QStringLiteral("Command_") + QLatin1String(page->code()) +
                                         QStringLiteral("_Clear"));
}

void MainForm::clearAll() {
    if (QPushButton* clear = clearButton(); clear && clear->isEnabled())
        clear->click();
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
    for (const Page& page : pages_)
        if (page.tab) // a page never built has nothing of its own to keep
            page.tab->closing();
    SaveSettings(store_, st_, currentTab(), catalogue_);
    placement_.save(*this);
    store_.sync();
}

} // namespace oq
