#pragma once

#include "core/main_host.h"
#include "core/shared_state.h"
#include "core/tab_row.h"

#include <QWidget>
#include <array>
#include <span>
#include <vector>

class QDialog;
class QPushButton;

namespace oq {

class CalculatorTab;
class SettingsStore;
class TabStrip;

// The main window: the tab strip with the calculators and the Exit button. Owns the shared state
// for the whole run, reads the settings at start and writes back what changed when it closes.
class MainForm : public QWidget, public MainHost {
    Q_OBJECT
  public:
    // "Ohmquill, v<version> - June 2024 / QZ"; the about window reads its parts back out of it.
    static QString caption();

    // `table` lists the tabs in strip order, one row each, for calculators of `catalogue`.
    MainForm(Platform& platform, SettingsStore& store, std::span<const TabRow> table,
             Catalogue catalogue = Calculators, QWidget* parent = nullptr);

    SharedState& state() override { return st_; }
    Platform& platform() override { return platform_; }
    // The index of the calculator in front.
    int currentTab() const override;
    void openHelp() override;
    void openAbout() override;
    void openDecimals() override;
    void openProperties() override;

    TabStrip* strip() const { return strip_; }
    // The tab of the calculator with that index; nullptr when the window has none.
    CalculatorTab* tab(int index) const;
    // Brings the tab of the calculator with that index to the front.
    void showTab(int index);

    // Brings back the start tab unless a small window's closing button asked to stay.
    void activationRule();
    // Saves the changed settings; runs once, however the program ends.
    void unload();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildTabs(std::span<const TabRow> table);
    void tabEntry(int index, int previous);
    void runSmallWindow(QDialog* window);
    void stripRightClicked(Qt::KeyboardModifiers modifiers);

    Platform& platform_;
    SettingsStore& store_;
    SharedState st_;
    TabStrip* strip_ = nullptr;
    QPushButton* exit_ = nullptr;
    Catalogue catalogue_;
    std::array<CalculatorTab*, TabSlots> tabs_{}; // by calculator index
    std::vector<CalculatorTab*> pages_;           // in strip order
    int entered_ = 0;                             // the tab whose entry ran last
    bool built_ = false;
    bool shown_ = false;
    bool unloaded_ = false;
};

} // namespace oq
