#pragma once

#include "core/calculator_tab.h"
#include "model/colour_code.h"

#include <array>
#include <vector>

class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace oq {

class ResistorBands;

// Where a typed resistance stands in every series E-3 to E-192: the nearest member, the next
// lower and higher, the nearest's deviation; the colour code of the nearest member of one series;
// and the other way, a band editor that reads a colour code.
class StandardValuesTab : public CalculatorTab {
    Q_OBJECT
  public:
    static constexpr int SeriesCount = 7;
    static constexpr int MaxBands = 6;

    StandardValuesTab(MainHost& host, const TabRow& row, QWidget* parent = nullptr);

    void Text_SV_Change();
    void Option_SV_BandCount_Click(int index);
    void Combo_SV_Band_Click();
    void Command_SV_Clear_Click();

    // The value box takes the letters of a resistance ("4k7", "2M2", "4R7").
    QChar boxFilterKey(int index, QChar key) override;
    bool boxFilterText(int index, QString& text, int& caret) override;
    bool boxSpace(int index) override;

  protected:
    void redisplayBox(int index) override;

  private:
    struct SeriesRow {
        QLabel* name = nullptr;
        QLabel* nearest = nullptr;
        QLabel* lower = nullptr;
        QLabel* higher = nullptr;
        QLabel* deviation = nullptr;
        QLabel* member = nullptr;
    };

    void showNothing();
    void showEcho();
    void showColourCode();
    // The editor's combos for `count` bands, starting from a code that reads.
    void setBandCount(int count);
    std::vector<Band> editedBands() const;
    int bandCount() const;
    Band e192Tolerance() const;

    std::array<SeriesRow, SeriesCount> rows_{};
    QLabel* echo_ = nullptr;
    QLabel* wrongValue_ = nullptr;
    QComboBox* codeSeries_ = nullptr;
    QComboBox* precision_ = nullptr;
    ResistorBands* bands_ = nullptr;
    QLabel* bandsText_ = nullptr;
    QButtonGroup* bandCount_ = nullptr;
    std::array<QComboBox*, MaxBands> bandBox_{};
    ResistorBands* editorBands_ = nullptr;
    QLabel* reading_ = nullptr;
    QPushButton* clear_ = nullptr;
    bool shown_ = false; // a value is looked up
};

} // namespace oq
