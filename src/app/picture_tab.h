#pragma once

#include "core/calculator_tab.h"

namespace oq {

// A tab whose calculator is not there yet: its schematic and nothing else.
class PictureTab : public CalculatorTab {
    Q_OBJECT
  public:
    PictureTab(MainHost& host, const TabRow& row, QWidget* parent = nullptr);
    PropertyRowNames propertyRowNames() const override;
    bool offersStandardValues() const override;
};

} // namespace oq
