#pragma once

#include "windows/small_window.h"

class QKeyEvent;

namespace oq {

struct SharedState;

// Lists the keys and mouse gestures of the program.
class HelpForm : public SmallWindow {
    Q_OBJECT

  public:
    HelpForm(SharedState& state, QWidget* parent);

  public slots:
    // Closes the window and tells the main window to keep its current tab.
    void Command_OK_Click();

  protected:
    void escapePressed() override { Command_OK_Click(); }

  private:
};

} // namespace oq
