#pragma once

#include "core/calculator_tab.h"

#include <array>

class QCheckBox;
class QPushButton;

namespace oq {

// One whole number from 0 to 2147483647 in decimal, hexadecimal, octal and grouped binary: the
// box typed into is converted to the three others at every key. The texts are the tab's state;
// nothing goes into Values.
class NumberBaseTab : public CalculatorTab {
    Q_OBJECT
  public:
    NumberBaseTab(MainHost& host, const TabRow& row, QWidget* parent = nullptr);

    void Text_NC_Change(int index);
    void Check_NC_Click(int index);
    void Command_NC_Clear_Click();

    void enterTab(int previousTab) override;

    void boxDoubleClick(int index) override;
    void boxGotFocus(int index) override;
    QChar boxFilterKey(int index, QChar key) override;
    bool boxFilterText(int index, QString& text, int& caret) override;
    void boxBeforeEdit(int index) override;

  private:
    // Writes the boxes from the source box's text; throws CalcError above the largest number.
    void convert(int source);
    void undoEntry(int source, const QString& before);

    std::array<QCheckBox*, 4> check_{};
    QPushButton* clear_ = nullptr;
    // Each box's text as it was before its latest change: what an overflow gives back.
    std::array<QString, 4> before_{};
    // The caret before the key (or paste) now being handled.
    int oldCaret_ = 0;
    bool overflowShown_ = false; // the "Overflow!" message is open
};

} // namespace oq
