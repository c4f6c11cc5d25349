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

// Lists every value of one tab at full precision, for copying or saving.
class TabProperties : public SmallWindow {
    Q_OBJECT

  public:
    // What the window lists of one tab.
    struct Sheet {
        int tab = 0;
        QString caption;                            // without mnemonics
        std::array<std::string, MaxBoxes> rowNames; // empty: a row the tab does not fill
        std::array<bool, MaxBoxes> boxFilled{};     // box i holds text in the main window
        bool standard = false;                      // list StdValues instead of Values
    };
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
    // " name: value" CR LF for every row that shows a value.
    QString rowsText() const;
    void placeBelowMainWindow();

    Platform& platform_;
    QString caption_;
    QPointer<QWidget> mainWindow_;
    std::array<QString, MaxBoxes> rowName_;
    std::array<QLabel*, MaxBoxes> valueLabel_{};
};

} // namespace oq
