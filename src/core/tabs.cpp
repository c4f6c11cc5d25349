#include "core/tabs.h"

namespace oq {

const std::array<TabInfo, TabCount> Tabs = {{
    {"RP", "&Resistor Power", 4, true, ":/pictures/rp.svg"},
    {"VD", "&Voltage Divider", 5, true, ":/pictures/vd.svg"},
    {"PR", "&Parallel Resistors", 3, true, ":/pictures/pr.svg"},
    {"PI", "&PI-net", 7, true, ":/pictures/pi.svg"},
    {"T", "&T-net", 7, true, ":/pictures/t.svg"},
    {"NC", "Convert &Numbers", 4, false, nullptr},
    {"DB1", "&dB, %, X", 3, false, nullptr},
    {"DB2", "&dBm, dBU, dBV", 4, false, nullptr},
    {"TR", "&Rise Time", 5, false, nullptr},
    {"SR", "&Serial Resistors", 3, true, ":/pictures/sr.svg"},
    {"CZ", "C &Impededance", 3, false, ":/pictures/cz.svg"},
    {"LZ", "L &Impedance", 3, false, ":/pictures/lz.svg"},
    {"NO", "Non Inv &OP amp", 4, true, ":/pictures/no.svg"},
    {"IO", "Inv &OP amp", 4, true, ":/pictures/io.svg"},
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
