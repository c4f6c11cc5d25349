#pragma once

#include "core/number_box.h"
#include "core/shared_state.h"

#include <QWidget>
#include <functional>
#include <vector>

class QLabel;
class QLayout;
class QPushButton;

namespace oq {

class MainHost;
class SchematicPicture;

// One tab of the main window: owns its controls and handlers. The box gestures common to all
// tabs live here; a tab overrides only where it behaves differently.
class CalculatorTab : public QWidget {
    Q_OBJECT
  public:
    CalculatorTab(MainHost& host, int tab, QWidget* parent = nullptr);

    int tabIndex() const { return tab_; }
    const char* code() const;
    int boxCount() const { return static_cast<int>(boxes_.size()); }
    NumberBox* box(int index) const;

    // Gives a box the focus with the caret at the end of its text.
    void focusBox(int index);

    // Runs when the tab comes to the front: re-select the last unknown, then focus the last box.
    virtual void enterTab();

    // Box gestures; the defaults are those of the resistor tabs.
    // Space in a box; true lets the blank into the box when it is still editable.
    virtual bool boxSpace(int index);
    // "-" typed in a box with the minus rule; true lets it in.
    virtual bool boxMinus(int index);
    virtual void boxDoubleClick(int index);
    virtual void boxRightClick(int index, int modifiers);
    virtual void boxGotFocus(int index);
    virtual void boxHelp();

  protected:
    // The guard every change handler starts with: true for the change event of one of the
    // program's own writes (consuming SkipChange) and while the tab writes several boxes.
    bool ownWrite();
    double& value(int index) { return st_.Values[tab_][index]; }
    float decimals(int index) const { return st_.Decimals[tab_][index]; }
    int16_t& lastBox() { return st_.LastBox[tab_]; }
    // The value of a box as the box shows it: FormatFixedTrim with the box's decimals code.
    QString fixedText(int index) const;

    NumberBox* addBox(int index, BoxRules rules = {});
    QLabel* addLabel(const char* name, const QString& caption);
    // The tab's "&Clear All" button, disabled until something is typed.
    QPushButton* addClearButton(std::function<void()> handler);
    // What "&Clear All" does on every tab: empties the boxes with the change handler quiet, runs
    // the tab's own resets, hides the warning, disables the button and gives the focus back.
    void clearAll(QLabel* warning, QPushButton* clear, const std::function<void()>& alsoReset);
    // The tab's page: its schematic at the left; at the right the controls, then the widgets of
    // `below` (the standard values group) and the Clear button at the foot.
    void arrange(QLayout* controls, const std::vector<QWidget*>& below, QPushButton* clear);
    // Shows the box's value again after its decimals code changed.
    virtual void redisplayBox(int index);
    // Tabs with standard values refuse the decimals dialog while those are shown.
    virtual bool refusesDecimalsWhileStandard() const { return true; }
    virtual void reselectLastOption() {}
    // The tab's schematic, when it has one.
    SchematicPicture* addPicture();

    MainHost& host_;
    SharedState& st_;
    const int tab_;

  private:
    std::vector<NumberBox*> boxes_;
};

// A tab whose calculator is not there yet: its schematic and nothing else.
class PictureTab : public CalculatorTab {
    Q_OBJECT
  public:
    PictureTab(MainHost& host, int tab, QWidget* parent = nullptr);
};

} // namespace oq
