#pragma once

#include <QString>

namespace oq {

class CalculatorTab;
class MainHost;
struct TabRow;

using TabFactory = CalculatorTab* (*)(MainHost& host, const TabRow& row);

// One row of the main window's tab table: where the tab stands in the strip and how it is made.
struct TabRow {
    int index;           // strip order and first subscript of every per-tab array
    const char* code;    // "RP", "VD", ...: names the tab's controls
    const char* caption; // with its mnemonic "&"
    int boxCount;        // number boxes of the tab
    const char* picture; // schematic resource, nullptr for tabs without one
    TabFactory create;
};

// The caption with every "&" removed, as the small windows show it: "dB, %, X".
QString PlainCaption(const TabRow& row);

} // namespace oq
