#pragma once

#include <QDialog>

class QKeyEvent;

namespace oq {

struct SharedState;

// Lists the keys and mouse gestures of the program.
class HelpForm : public QDialog {
    Q_OBJECT

  public:
    HelpForm(SharedState& state, QWidget* parent);

  public slots:
    // Closes the window and tells the main window to keep its current tab.
    void Command_OK_Click();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    SharedState& state_;
};

} // namespace oq
