#include "core/main_form.h"

#include "calculators/resistors/resistor_power_tab.h"
#include "calculators/resistors/voltage_divider_tab.h"
#include "core/calculator_tab.h"
#include "core/platform.h"
#include "core/settings.h"
#include "core/tab_strip.h"
#include "core/tabs.h"
#include "windows/about_form.h"
#include "windows/help_form.h"
#include "windows/set_num_form.h"
#include "windows/tab_properties.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

namespace oq {

MainForm::MainForm(Platform& platform, SettingsStore& store, QWidget* parent)
    : QWidget(parent)
    , platform_(platform)
    , store_(store) {
    setObjectName(QStringLiteral("MainForm"));
    LoadSettings(store_, st_);

    strip_ = new TabStrip(7, this);
    strip_->setObjectName(QStringLiteral("SSTab1"));
    buildTabs();
    connect(strip_, &TabStrip::currentChanged, this, [this](int index) {
        if (built_)
            tabEntry(index);
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

    setWindowTitle(QLatin1String(Caption));
    built_ = true;
}

void MainForm::buildTabs() {
    for (int t = 0; t < TabCount; ++t) {
        CalculatorTab* page = nullptr;
        switch (t) {
        case TabRP:
            page = new ResistorPowerTab(*this);
            break;
        case TabVD:
            page = new VoltageDividerTab(*this);
            break;
        default:
            page = new PictureTab(*this, t);
            break;
        }
        tabs_[static_cast<size_t>(t)] = page;
        strip_->addTab(page, QLatin1String(Tabs[static_cast<size_t>(t)].caption));
    }
}

int MainForm::currentTab() const {
    return strip_->currentIndex();
}

void MainForm::tabEntry(int index) {
    if (index >= 0 && index < TabCount)
        tab(index)->enterTab();
}

void MainForm::activationRule() {
    if (st_.SkipChange) {
        st_.SkipChange = false;
        return;
    }
    if (strip_->currentIndex() == st_.StartTab)
        tabEntry(st_.StartTab);
    else
        strip_->setCurrentIndex(st_.StartTab);
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
    std::unique_ptr<QDialog> window(
        new SetNumForm(st_, platform_, t, b && !b->text().isEmpty(), this));
    runSmallWindow(window.get());
}

void MainForm::openProperties() {
    const int t = currentTab();
    std::array<bool, MaxBoxes> filled{};
    for (int i = 0; i < MaxBoxes; ++i) {
        const NumberBox* b = tab(t)->box(i);
        filled[static_cast<size_t>(i)] = b && !b->text().isEmpty();
    }
    std::unique_ptr<QDialog> window(new TabProperties(st_, platform_, t, filled, this));
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
    const NumberBox* riseTime = tab(TabTR)->box(2);
    SaveSettings(store_, st_, currentTab(),
                 riseTime ? riseTime->text().toStdString() : std::string());
    store_.sync();
}

} // namespace oq
