#pragma once

#include <QLineEdit>

namespace oq {

class CalculatorTab;

// What sets one tab's boxes apart from another's; the gestures themselves are shared.
struct BoxRules {
    bool digits = true;   // false in boxes that only show results and take no digits
    bool minus = false;   // "-" is offered to the tab's sign rule
    bool space = true;    // Space is offered to the tab (unknown selection)
    bool gestures = true; // Enter and right click with a modifier open the small windows
    // The tab vets every typed key (boxFilterKey) and every text that arrives otherwise, by
    // paste, drop or undo (boxFilterText), instead of the number filter.
    bool ownFilter = false;
};

// Modifier bits of the box gestures.
enum Modifier : int { ModShift = 1, ModCtrl = 2, ModAlt = 4 };
int ModifierBits(Qt::KeyboardModifiers modifiers);

// A number box: filters what is typed and turns keys and clicks into the tab's gestures.
class NumberBox : public QLineEdit {
    Q_OBJECT
  public:
    NumberBox(CalculatorTab& tab, int index, BoxRules rules, QWidget* parent = nullptr);
    int index() const { return index_; }
    const BoxRules& rules() const { return rules_; }
    // Locked boxes show their value but take no typing.
    void setLocked(bool locked) { setReadOnly(locked); }
    bool isLocked() const { return isReadOnly(); }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void typeDecimalPoint();

    CalculatorTab& tab_;
    int index_;
    BoxRules rules_;
    bool swallowMenu_ = false;
};

} // namespace oq
