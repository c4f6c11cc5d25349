#pragma once

#include "model/catalogue.h"

#include <QString>

namespace oq {

class CalculatorTab;
class MainHost;
struct TabRow;

using TabFactory = CalculatorTab* (*)(MainHost& host, const TabRow& row);

// One row of the main window's tab table: the calculator it shows and how its tab is made.
struct TabRow {
    const CalculatorEntry* calculator;
    // The calculator's, for short.
    int index;           // first subscript of every per-tab array
    const char* code;    // "RP", "VD", ...: names the tab's controls
    const char* caption; // with its mnemonic "&"
    int boxCount;        // number boxes of the tab
    const char* picture; // schematic resource, nullptr for tabs without one
    TabFactory create;
    const char* pictureText; // what the schematic shows, for a screen reader
};

// The row of a calculator of the catalogue.
TabRow MakeTabRow(const CalculatorEntry& calculator, const char* picture, TabFactory create,
                  const char* pictureText = nullptr);

// The caption with every "&" removed, as the small windows show it: "dB, %, X".
QString PlainCaption(const TabRow& row);

} // namespace oq
