#include "core/number_box.h"

#include "core/calculator_tab.h"
#include "core/readable_colours.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QValidator>

namespace oq {

int ModifierBits(Qt::KeyboardModifiers modifiers) {
    int bits = 0;
    if (modifiers & Qt::ShiftModifier)
        bits |= ModShift;
    if (modifiers & Qt::ControlModifier)
        bits |= ModCtrl;
    if (modifiers & Qt::AltModifier)
        bits |= ModAlt;
    return bits;
}

namespace {
// Sees every new text of a box: Qt consults it for pastes, drops, undo and input methods as well
// as for typing, and takes a refused text back, so the box keeps what it had.
class BoxFilter : public QValidator {
  public:
    BoxFilter(CalculatorTab& tab, NumberBox* box)
        : QValidator(box)
        , tab_(tab)
        , box_(*box) {}
    State validate(QString& text, int& caret) const override {
        if (box_.rules().ownFilter)
            return tab_.boxFilterText(box_.index(), text, caret) ? Acceptable : Invalid;
        // A pasted "1,5" means what a typed one does.
        text.replace(QLatin1Char(','), QLatin1Char('.'));
        return Acceptable;
    }

  private:
    CalculatorTab& tab_;
    const NumberBox& box_;
};
} // namespace

NumberBox::NumberBox(CalculatorTab& tab, int index, BoxRules rules, QWidget* parent)
    : QLineEdit(parent)
    , tab_(tab)
    , index_(index)
    , rules_(rules) {
    setReadOnly(true);
    setValidator(new BoxFilter(tab_, this));
    // A text the program wrote while the user works elsewhere is a result; what the user typed,
    // pasted or dropped marks the box modified, and a box keeps its look while it has the focus
    // (its decimals rewritten, a typed value snapped to a standard one).
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        const bool result = !text.isEmpty() && !isModified() && (hasFocus() ? result_ : true);
        if (result != result_) {
            result_ = result;
            followLook();
        }
    });
    followLook();
}

void NumberBox::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    switch (event->type()) {
    case QEvent::ReadOnlyChange:
    case QEvent::PaletteChange:
    case QEvent::ParentChange:
        followLook();
        break;
    default:
        break;
    }
}

void NumberBox::followLook() {
    if (styling_)
        return;
    const QPalette theme = parentWidget() ? parentWidget()->palette() : QApplication::palette();
    QPalette look; // nothing of its own but the roles set here: the rest follows the theme
    look.setResolveMask(0);
    const QColor background = theme.color(isReadOnly() ? QPalette::Window : QPalette::Base);
    if (isReadOnly())
        look.setColor(QPalette::Base, background);
    if (result_) {
        QPalette against = theme;
        against.setColor(QPalette::Window, background);
        look.setColor(QPalette::Text, LinkColour(against));
    }
    styling_ = true;
    setPalette(look);
    styling_ = false;
}

void NumberBox::keyPressEvent(QKeyEvent* event) {
    // Keys reach a box only while the user works in it.
    if (!hasFocus())
        tab_.boxGotFocus(index_);
    tab_.boxBeforeEdit(index_);

    const int mods = ModifierBits(event->modifiers());
    switch (event->key()) {
    case Qt::Key_F1:
        tab_.boxHelp();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (rules_.gestures) {
            tab_.boxRightClick(index_, mods);
            return;
        }
        break;
    case Qt::Key_Delete:
        if (mods == ModCtrl) {
            tab_.boxDoubleClick(index_);
            return;
        }
        break;
    default:
        break;
    }

    const QString text = event->text();
    const bool typed =
        !text.isEmpty() && text.at(0).isPrint() &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (!typed) { // editing and navigation keys, copy and paste
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QChar c = text.at(0);
    if (rules_.ownFilter) {
        if (isReadOnly()) {
            QLineEdit::keyPressEvent(event);
        } else if (const QChar taken = tab_.boxFilterKey(index_, c); !taken.isNull()) {
            insert(QString(taken));
        }
        return;
    }
    if (isReadOnly() && c != QLatin1Char(' ')) {
        QLineEdit::keyPressEvent(event); // a locked box drops it
        return;
    }
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
        if (rules_.digits)
            QLineEdit::keyPressEvent(event);
        return;
    }
    if (c == QLatin1Char('.') || c == QLatin1Char(',')) {
        typeDecimalPoint();
        return;
    }
    if (c == QLatin1Char('-') && rules_.minus) {
        if (tab_.boxMinus(index_))
            QLineEdit::keyPressEvent(event);
        return;
    }
    if (c == QLatin1Char(' ') && rules_.space) {
        if (tab_.boxSpace(index_) && !isReadOnly())
            insert(QStringLiteral(" "));
        return;
    }
    // Anything else is not part of a number.
}

void NumberBox::typeDecimalPoint() {
    const QString old = text();
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    if (old.isEmpty() || selectedText() == old) {
        setText(QStringLiteral("0."));
        end(false);
    } else if (!old.contains(QLatin1Char('.')) && start == 0) {
        setText(QStringLiteral("0.") + old);
        end(false);
    } else if (!old.contains(QLatin1Char('.'))) {
        insert(QStringLiteral("."));
    }
}

void NumberBox::mousePressEvent(QMouseEvent* event) {
    tab_.boxBeforeEdit(index_); // a middle click pastes on some desktops
    const int mods = ModifierBits(event->modifiers());
    if (event->button() == Qt::RightButton && mods != 0 && rules_.gestures) {
        // The box's own context menu must not open over the gesture's window.
        swallowMenu_ = true;
        event->accept();
        tab_.boxRightClick(index_, mods);
        return;
    }
    QLineEdit::mousePressEvent(event);
    event->accept(); // a click in a box is never a click on the tab's free space
}

void NumberBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QLineEdit::mouseDoubleClickEvent(event);
    event->accept();
    if (event->button() == Qt::LeftButton)
        tab_.boxDoubleClick(index_);
}

void NumberBox::contextMenuEvent(QContextMenuEvent* event) {
    if (swallowMenu_ || (rules_.gestures && ModifierBits(event->modifiers()) != 0)) {
        swallowMenu_ = false;
        event->accept();
        return;
    }
    tab_.boxBeforeEdit(index_); // its Paste and Delete edit the box
    QLineEdit::contextMenuEvent(event);
}

void NumberBox::dropEvent(QDropEvent* event) {
    tab_.boxBeforeEdit(index_);
    QLineEdit::dropEvent(event);
}

void NumberBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    tab_.boxGotFocus(index_);
}

} // namespace oq
