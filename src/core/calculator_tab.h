#pragma once

#include "core/number_box.h"
#include "core/shared_state.h"
#include "core/tab_row.h"

#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <vector>

class QAbstractButton;
class QGridLayout;
class QLabel;
class QLayout;
class QPushButton;

namespace oq {

class MainHost;
class SchematicPicture;

// Row names of the properties window, one per box; an empty name is a row the tab does not fill.
using PropertyRowNames = std::array<std::string, MaxBoxes>;

// One tab of the main window: owns its controls and handlers. The box gestures common to all
// tabs live here; a tab overrides only where it behaves differently.
class CalculatorTab : public QWidget {
    Q_OBJECT
  public:
    CalculatorTab(MainHost& host, const TabRow& row, QWidget* parent = nullptr);

    // The columns every tab lays its boxes in, so that switching tabs keeps the eye in place.
    enum GridColumn : int { CaptionColumn = 0, BoxColumn = 1, UnitColumn = 2, ExtraColumn = 3 };

    const TabRow& row() const { return row_; }
    int tabIndex() const { return tab_; }
    const char* code() const { return row_.code; }
    int boxCount() const { return static_cast<int>(boxes_.size()); }
    NumberBox* box(int index) const;
    // What a box is called where the program names it for the user (a screen reader, a frame of
    // its units): its row in the properties window or its name in the decimals dialog.
    QString boxName(int index) const;

    // Gives a box the focus with the caret at the end of its text.
    void focusBox(int index);

    // Lifecycle, run by the main window.
    // At start, after the settings are read, with SkipChange set: prepares the tab's controls.
    virtual void startUp() {}
    // The tab comes to the front; previousTab is the one that was in front before.
    virtual void enterTab(int previousTab);
    // The main window closes: put what the tab keeps in the shared state before it is saved.
    virtual void closing() {}

    // What the properties window lists: the catalogue's row of each box, with " - Standard Value"
    // on the rows that show a standard value while the tab shows them.
    virtual PropertyRowNames propertyRowNames() const;

    // Box gestures; the defaults are those of the resistor tabs.
    // Space in a box; true lets the blank into the box when it is still editable. By default an
    // empty box selects its unknown option, when the tab has one.
    virtual bool boxSpace(int index);
    // The option that makes box `index` the unknown; nullptr on tabs without unknown options.
    virtual QAbstractButton* unknownOption(int) const { return nullptr; }
    // "-" typed in a box with the minus rule; true lets it in.
    virtual bool boxMinus(int index);
    // For a box that takes a sign: "-" may go where it leads the number, once.
    bool minusLeads(int index) const;
    virtual void boxDoubleClick(int index);
    virtual void boxRightClick(int index, int modifiers);
    virtual void boxGotFocus(int index);
    virtual void boxHelp();
    // Boxes with their own filter (BoxRules::ownFilter): the character a typed key puts into the
    // box, or a null character to drop the key.
    virtual QChar boxFilterKey(int index, QChar key);
    // ... and any whole new text of such a box: it may be rewritten (caret too); false refuses
    // it and the box keeps its text.
    virtual bool boxFilterText(int index, QString& text, int& caret);
    // A key, a click, a paste or a drop is about to reach a box.
    virtual void boxBeforeEdit(int) {}

  protected:
    // The guard every change handler starts with: true for the change event of one of the
    // program's own writes (consuming SkipChange) and while the tab writes several boxes.
    bool ownWrite();
    // The same for a check box or option handler: true once for a click the program made.
    bool ownClick();
    // Writes a box so that its change handler ignores the write. SkipChange is set only when the
    // text really changes: an unchanged text raises no change event that would clear it.
    void writeQuietly(int index, const QString& text);
    // Empties a box and its value, quietly.
    void emptyQuietly(int index);

    // Reads a box's text into Values and returns it. A number beyond the double range reads as
    // the largest double of its sign; requireInRange() tells.
    double readBox(int index);
    // Throws CalcError when a box of the tab holds a number beyond the double range, or an
    // editable box that takes no "-" holds a pasted negative number, so that a calculation shows
    // the tab's red label instead of a result from a clamped or impossible value. Every
    // calculation calls it first, inside its trap.
    void requireInRange() const;
    // Whether a box holds a number beyond the double range (its value is only a clamp). The
    // typed number is tested, not the value in base units, which a unit may have scaled down.
    bool beyondRange(int index) const;

    double& value(int index) { return st_.Values[tab_][index]; }
    float decimals(int index) const { return st_.Decimals[tab_][index]; }
    int16_t& lastBox() { return st_.LastBox[tab_]; }
    // The value of a box as the box shows it: FormatFixedTrim with the box's decimals code.
    QString fixedText(int index) const;

    NumberBox* addBox(int index, BoxRules rules = {});
    // Puts box `index` into `row` of `grid`: its caption (a label, an option or a check box), the
    // box, its unit and `extra` (an echo of the value) after it. The unit is `unit` where the tab
    // has its own (a label it names, a frame of unit options), else a label with the catalogue's
    // unit, named Label_<code>_Unit(index). Returns the unit's widget; none for a bare number.
    QWidget* addBoxRow(QGridLayout* grid, int row, QWidget* caption, int index,
                       QWidget* extra = nullptr, QWidget* unit = nullptr);
    // The grid's columns as on every tab, and box `index` as wide as every other box, for a tab
    // that places a box itself (a row of like boxes side by side).
    void fitToGrid(QGridLayout* grid, int index);
    QLabel* addLabel(const char* name, const QString& caption);
    // The tab's "&Clear All" button, disabled until something is typed.
    QPushButton* addClearButton(std::function<void()> handler);
    // What "&Clear All" does on every tab: empties the boxes with the change handler quiet, runs
    // the tab's own resets, hides the warning, disables the button and gives the focus back.
    void clearAll(QLabel* warning, QPushButton* clear, const std::function<void()>& alsoReset);
    // The tab's page: its schematic at the left; at the right the controls, then the widgets of
    // `below` (the standard values group) and the Clear button at the foot.
    void arrange(QLayout* controls, const std::vector<QWidget*>& below, QPushButton* clear);
    // Whether box `index` shows a standard value, rather than one computed from them, while the
    // tab shows standard values.
    virtual bool standardRow(int) const { return false; }
    // Shows the box's value again after its decimals code changed.
    virtual void redisplayBox(int index);
    virtual void reselectLastOption() {}
    // The tab's schematic, when it has one.
    SchematicPicture* addPicture();

    MainHost& host_;
    SharedState& st_;
    const TabRow& row_;
    const int tab_;

  private:
    std::vector<NumberBox*> boxes_;
};

// Keeps a tab's change handlers quiet while the tab writes several boxes (LastBox is -1 for the
// guard's life) and gives LastBox back on every exit, a calculation error included.
class QuietWrites {
  public:
    explicit QuietWrites(SharedState& state, int tab)
        : lastBox_(state.LastBox[static_cast<size_t>(tab)])
        , saved_(lastBox_) {
        lastBox_ = -1;
    }
    ~QuietWrites() { lastBox_ = saved_; }
    QuietWrites(const QuietWrites&) = delete;
    QuietWrites& operator=(const QuietWrites&) = delete;
    // The box that had the focus before the writes.
    int16_t focused() const { return saved_; }

  private:
    int16_t& lastBox_;
    int16_t saved_;
};

// For the tabs whose change handler only returns while SkipChange is set (dB, dBm, number
// bases): SkipChange is held for the guard's life, however many writes raise events or none, and
// given back after, so a guard inside another's writes does not end the outer one early.
class HeldSkipChange {
  public:
    explicit HeldSkipChange(SharedState& state)
        : skip_(state.SkipChange)
        , saved_(skip_) {
        skip_ = true;
    }
    ~HeldSkipChange() { skip_ = saved_; }
    HeldSkipChange(const HeldSkipChange&) = delete;
    HeldSkipChange& operator=(const HeldSkipChange&) = delete;

  private:
    bool& skip_;
    bool saved_;
};

} // namespace oq
