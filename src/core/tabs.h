#pragma once

#include "core/shared_state.h"

#include <array>
#include <string>

namespace oq {

struct TabInfo {
    const char* code;    // "RP", "VD", ...
    const char* caption; // with its mnemonic "&"
    int boxCount;        // number boxes of the tab
    bool offersStandardValues;
    const char* picture; // schematic resource, nullptr for tabs without one
};

// The fourteen tabs in strip order.
extern const std::array<TabInfo, TabCount> Tabs;

// The caption with every "&" removed, as the small windows show it: "dB, %, X".
std::string PlainCaption(int tab);

} // namespace oq
