#include "core/tabs.h"

namespace oq {

const std::array<TabInfo, TabCount> Tabs = {{
    {"RP", "&Resistor Power", 4, true},
    {"VD", "&Voltage Divider", 5, true},
    {"PR", "&Parallel Resistors", 3, true},
    {"PI", "&PI-net", 7, true},
    {"T", "&T-net", 7, true},
    {"NC", "Convert &Numbers", 4, false},
    {"DB1", "&dB, %, X", 3, false},
    {"DB2", "&dBm, dBU, dBV", 4, false},
    {"TR", "&Rise Time", 5, false},
    {"SR", "&Serial Resistors", 3, true},
    {"CZ", "C &Impededance", 3, false},
    {"LZ", "L &Impedance", 3, false},
    {"NO", "Non Inv &OP amp", 4, true},
    {"IO", "Inv &OP amp", 4, true},
}};

std::string PlainCaption(int tab) {
    std::string text;
    if (tab < 0 || tab >= TabCount)
        return text;
    for (const char* p = Tabs[static_cast<size_t>(tab)].caption; *p; ++p)
        if (*p != '&')
            text += *p;
    return text;
}

} // namespace oq
