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
    // Locked boxes show their value but take no typing; they look read-only.
    void setLocked(bool locked) { setReadOnly(locked); }
    bool isLocked() const { return isReadOnly(); }
    // Whether the box shows a value the program computed rather than one the user typed or
    // pasted; such values are drawn in the theme's accent colour.
    bool showsResult() const { return result_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void typeDecimalPoint();
    // Colours the box from the window's theme: the window colour behind a locked box, as the
    // desktop draws read-only fields, and the accent colour for a computed value.
    void followLook();

    CalculatorTab& tab_;
    int index_;
    BoxRules rules_;
    bool swallowMenu_ = false;
    bool result_ = false;
    bool styling_ = false;
};

} // namespace oq
