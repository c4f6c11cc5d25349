#pragma once

#include "model/standard_series.h"

#include <QString>
#include <array>
#include <functional>
#include <span>
#include <vector>

class QAbstractButton;
class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QWidget;

namespace oq {

class CalculatorTab;
struct SharedState;

// The "Use Standard values" check box of a resistor tab with its choice of series. Switching it
// on snaps the tab's resistors to the chosen series and shows what the circuit then does;
// switching it off brings back what the user typed. This class runs the part every tab shares:
// the handler stays quiet while the boxes are written, everything is locked while standard
// values show, and the focus goes back to the box that had it.
class StandardValues {
  public:
    struct Actions {
        std::function<void()> showStandard; // snap, recompute, write the boxes and StdValues
        std::function<void()> showTyped;    // rewrite the replaced boxes from Values
        std::function<void()> unlockInputs; // unlock the boxes that take typing in this mode
        std::function<void()> failed;       // a snapped value gave no valid result
    };

    // The series of the resistor tabs, option i (Option_<code>_STD(i)) for series i: the first
    // two are E-96 and E-24, as they always were.
    static constexpr std::array<Series, 5> ResistorSeries = {Series::E96, Series::E24, Series::E12,
                                                             Series::E48, Series::E192};

    // `code` names the controls (Check_<code>_StdVal, Option_<code>_STD(i)); the frame gets
    // `frameName`. Option i offers offered[i], the first chosen at start; the frame shows them
    // from the sparsest series to the densest.
    StandardValues(CalculatorTab& tab, SharedState& state, const char* code, const QString& caption,
                   const QString& frameName, std::span<const Series> offered = ResistorSeries);

    // The unknown selectors and the Clear button, disabled while standard values show.
    void attach(std::vector<QAbstractButton*> selectors, QPushButton* clear, Actions actions);

    QCheckBox* checkBox() const { return check_; }
    QGroupBox* frame() const { return frame_; }
    int optionCount() const { return static_cast<int>(options_.size()); }
    QRadioButton* option(int index) const { return options_[static_cast<size_t>(index)]; }
    // The options as the frame shows them, for the tab order.
    std::vector<QWidget*> shownOptions() const;

    // Enables the check box and the series options (EnableStd_<code>).
    void setEnabled(bool enable);
    // The series options alone.
    void setOptionsEnabled(bool enable);
    bool isOn() const;
    // The series chosen.
    Series series() const;
    // The nearest member of the chosen series.
    double snap(double value) const;
    // FormatEng code of a snapped value: two digits up to E-24, three from E-48 on.
    float formatCode() const;

  private:
    void clicked();

    CalculatorTab& tab_;
    SharedState& st_;
    QCheckBox* check_;
    QGroupBox* frame_;
    std::vector<Series> offered_;
    std::vector<QRadioButton*> options_;
    std::vector<QWidget*> shown_; // the options in the frame's order
    std::vector<QAbstractButton*> selectors_;
    QPushButton* clear_ = nullptr;
    Actions actions_;
};

} // namespace oq
