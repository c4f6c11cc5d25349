#pragma once

#include "core/calculator_tab.h"
#include "model/resistor_combinations.h"

#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace oq {

class CombinationWorker;

// The best one, two, three and four standard resistors for a target, recomputed as the user
// types. The search runs on a thread of its own: each input change starts a new one and cancels
// the one running, and a result arrives only if no later change has been made since.
class ResistorCombinationsTab : public CalculatorTab {
    Q_OBJECT
  public:
    ResistorCombinationsTab(MainHost& host, const TabRow& row, QWidget* parent = nullptr);
    ~ResistorCombinationsTab() override;

    void Text_Change(int index);
    void Combo_Series_Click();
    void Check_Alone_Click();
    void Check_TenBest_Click();
    void Command_Copy_Click();
    void Command_Save_Click();
    void Command_Clear_Click();

    // Waits, running the event loop, until the result of the latest change is shown; false when
    // that takes longer than the timeout. For tests and benchmarks.
    bool waitForResults(int timeoutMs = 10000);
    // Whether the shown results belong to the inputs as they are.
    bool resultsCurrent() const { return shown_ == asked_; }
    const CombinationResult& result() const { return result_; }

    bool boxSpace(int) override { return false; }
    QChar boxFilterKey(int index, QChar key) override;
    bool boxFilterText(int index, QString& text, int& caret) override;

  private:
    // Reads the inputs and starts a search for them, or clears the results when there is no
    // target.
    void research();
    void showResult(unsigned generation, const CombinationResult& result);
    void showRows();
    void clearResults();
    CombinationParts partsAsked() const;
    QString resultText() const;

    std::unique_ptr<CombinationWorker> worker_;
    QComboBox* series_ = nullptr;
    QCheckBox* alone_ = nullptr;
    QCheckBox* tenBest_ = nullptr;
    QLabel* wrongValue_ = nullptr;
    QLabel* best_ = nullptr;
    QTableWidget* table_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* clear_ = nullptr;
    unsigned asked_ = 0; // the generation of the latest input change
    unsigned shown_ = 0; // the generation whose result shows
    CombinationResult result_;
    CombinationParts resultParts_;
    double resultTarget_ = 0;
};

} // namespace oq
