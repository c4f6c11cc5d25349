#pragma once

#include "model/catalogue.h"
#include "windows/small_window.h"

class QButtonGroup;
class QCloseEvent;
class QGroupBox;
class QKeyEvent;
class QLabel;

namespace oq {

class Platform;
struct SharedState;

// Chooses the decimals code of one number box: the box that last had the focus on the tab.
// The result goes back through Decimals, DecimalsChanged, DecimalsCancelled and SkipChange.
class SetNumForm : public SmallWindow {
    Q_OBJECT

  public:
    // boxFilled: whether the box holds text in the main window; only then is its value shown.
    // caption: the tab's caption without mnemonics; catalogue: where the box's name is found.
    SetNumForm(SharedState& state, Platform& platform, int tab, const QString& caption,
               bool boxFilled, QWidget* parent, Catalogue catalogue = Calculators);

  public slots:
    // Stores the chosen code and closes.
    void Command_SNP_OK_Click();
    // Closes and leaves the code as it was.
    void Command_SNP_Cancel_Click();
    // Puts "name: value" on the clipboard, then does what OK does.
    void Command_SNP_CopyClipboard_Click();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void escapePressed() override { Command_SNP_Cancel_Click(); }
    void closeEvent(QCloseEvent* event) override;

  private:
    Platform& platform_;
    int tab_;
    int box_;
    QButtonGroup* options_;
    QGroupBox* valueFrame_;
    QLabel* valueLabel_;
    bool closingByButton_ = false;
};

} // namespace oq
