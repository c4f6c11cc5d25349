#pragma once

#include "core/main_host.h"
#include "core/shared_state.h"
#include "core/tab_row.h"
#include "core/window_placement.h"
#include "windows/tab_properties.h"

#include <QWidget>
#include <array>
#include <span>
#include <vector>

class QDialog;
class QMenuBar;
class QPushButton;

namespace oq {

class CalculatorTab;
class SettingsStore;
class TabStrip;

// The row of the tab strip a calculator stands in.
int StripRowOf(const CalculatorEntry& calculator);

// The main window: the menu bar, the tab strip with the calculators and the Exit button. Owns the
// shared state for the whole run, reads the settings at start and writes back what changed when it
// closes.
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
    // The tab of the calculator with that index, built now if it was not yet; nullptr when the
    // window has none.
    CalculatorTab* tab(int index) override;
    // Brings the tab of the calculator with that index to the front.
    void showTab(int index);

    // The menu's commands on the tab in front. Copy takes the number box with the focus, or the
    // one that had it last.
    void saveProperties();
    void copyValue();
    void copyAllValues();
    void clearAll();

    // Brings back the start tab unless a small window's closing button asked to stay.
    void activationRule();
    // Saves the changed settings; runs once, however the program ends.
    void unload();

    // The area every page is laid out in, whatever its calculator: the window keeps its size when
    // the pages are built after the first paint.
    QSize pageSize() const;

  protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // A tab of the strip: what stands in it until its calculator's page is built.
    struct Page {
        const TabRow* row;
        QWidget* holder;
        CalculatorTab* tab = nullptr;
    };

    void buildTabs(std::span<const TabRow> table);
    QMenuBar* buildMenu();
    // What the properties window lists of the tab in front.
    PropertyList::Sheet sheet();
    // The box of the tab in front that Copy takes; -1 when it has none.
    int copyBox();
    QPushButton* clearButton();
    CalculatorTab* build(Page& page);
    void buildRemainingPages();
    Page* pageOf(int index);
    void tabEntry(int index, int previous);
    void runSmallWindow(QDialog* window);
    void stripRightClicked(Qt::KeyboardModifiers modifiers);

    Platform& platform_;
    SettingsStore& store_;
    SharedState st_;
    TabStrip* strip_ = nullptr;
    QPushButton* exit_ = nullptr;
    Catalogue catalogue_;
    WindowPlacement placement_;
    std::vector<Page> pages_; // in strip order
    int entered_ = 0;         // the tab whose entry ran last
    bool built_ = false;
    bool painted_ = false;  // the window's first frame is drawn
    bool allBuilt_ = false; // every page is built
    bool shown_ = false;
    bool unloaded_ = false;
};

} // namespace oq
