#pragma once

#include "core/shared_state.h"
#include "windows/small_window.h"

#include <QPointer>
#include <QString>
#include <array>
#include <string>

class QKeyEvent;
class QLabel;
class QPushButton;
class QShowEvent;

namespace oq {

class Platform;

// What the properties window lists of one tab, and the texts it copies and saves: the menu's
// Copy, Copy All Values and Save properties give the same texts as the window's buttons.
class PropertyList {
  public:
    // What is listed of one tab.
    struct Sheet {
        int tab = 0;
        QString caption;                            // without mnemonics
        std::array<std::string, MaxBoxes> rowNames; // empty: a row the tab does not fill
        std::array<bool, MaxBoxes> boxFilled{};     // box i holds text in the main window
        bool standard = false;                      // list StdValues instead of Values
    };
    PropertyList(const SharedState& state, const Sheet& sheet);

    const QString& caption() const { return caption_; }
    const QString& rowName(int index) const { return name_[static_cast<size_t>(index)]; }
    // The value at full precision, "Not Defined", or empty for a row the tab does not fill.
    const QString& value(int index) const { return value_[static_cast<size_t>(index)]; }
    // Whether the row has a value to copy.
    bool hasValue(int index) const;

    // "name: value" CR LF: one row, as Copy puts it on the clipboard.
    QString rowText(int index) const;
    // The caption and every row, as Copy All puts them on the clipboard.
    QString allText() const;
    // Asks for a file and writes the list to it; false when cancelled or failed (the user is
    // told why it failed).
    bool saveToFile(Platform& platform, QWidget* parent) const;

  private:
    // " name: value" CR LF for every row that shows a value.
    QString rowsText() const;

    QString caption_;
    std::array<QString, MaxBoxes> name_;
    std::array<QString, MaxBoxes> value_;
};

// Lists every value of one tab at full precision, for copying or saving.
class TabProperties : public SmallWindow {
    Q_OBJECT

  public:
    using Sheet = PropertyList::Sheet;
    // The window opens directly below mainWindow.
    TabProperties(SharedState& state, Platform& platform, Sheet sheet, QWidget* mainWindow);

  public slots:
    // Puts one row on the clipboard; the window stays open.
    void Command_CopyVal_Click(int index);
    // Puts all rows on the clipboard and closes.
    void Command_CopyAllVal_Click();
    // Writes all rows to a file the user picks and closes; stays open when cancelled or failed.
    void Command_Save_Click();
    void Command_OK_Click();

  protected:
    void showEvent(QShowEvent* event) override;
    void escapePressed() override { Command_OK_Click(); }

  private:
    void placeBelowMainWindow();

    Platform& platform_;
    PropertyList list_;
    QPointer<QWidget> mainWindow_;
};

} // namespace oq
