#include "windows/small_window.h"

#include "core/shared_state.h"

#include <QKeyEvent>

namespace oq {

SmallWindow::SmallWindow(SharedState& state, QWidget* parent)
    : QDialog(parent)
    , state_(state) {}

void SmallWindow::chainTabOrder(const QList<QWidget*>& widgets) {
    for (qsizetype i = 1; i < widgets.size(); ++i)
        setTabOrder(widgets[i - 1], widgets[i]);
}

void SmallWindow::closeKeepingTab(DialogCode result) {
    state_.SkipChange = true;
    done(result);
}

void SmallWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || event->matches(QKeySequence::Cancel)) {
        event->accept();
        escapePressed();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace oq
