#pragma once

#include <QDialog>

namespace oq {

struct SharedState;

// A small modal window over the main window. Its own closing buttons ask the main window to stay
// on its current tab; the title bar's close box does not, and the main window then comes back
// on its start tab.
class SmallWindow : public QDialog {
    Q_OBJECT
  protected:
    SmallWindow(SharedState& state, QWidget* parent);

    // Tab order through the window's controls, in the order given.
    void chainTabOrder(const QList<QWidget*>& widgets);
    // What the closing buttons do last.
    void closeKeepingTab(DialogCode result = Accepted);
    // Esc runs the window's own closing button rather than the close box's reject.
    virtual void escapePressed() = 0;
    void keyPressEvent(QKeyEvent* event) override;

    SharedState& state_;
};

} // namespace oq
