#include "app/tab_table.h"

#include "app/picture_tab.h"
#include "calculators/conversions/db_level_tab.h"
#include "calculators/conversions/db_ratio_tab.h"
#include "calculators/resistors/resistor_power_tab.h"
#include "calculators/resistors/voltage_divider_tab.h"

namespace oq {

namespace {
template <typename Tab> CalculatorTab* Make(MainHost& host, const TabRow& row) {
    return new Tab(host, row);
}
} // namespace

const std::array<TabRow, TabCount> TabTable = {{
    {TabRP, "RP", "&Resistor Power", 4, ":/pictures/rp.svg", Make<ResistorPowerTab>},
    {TabVD, "VD", "&Voltage Divider", 5, ":/pictures/vd.svg", Make<VoltageDividerTab>},
    {TabPR, "PR", "&Parallel Resistors", 3, ":/pictures/pr.svg", Make<PictureTab>},
    {TabPI, "PI", "&PI-net", 7, ":/pictures/pi.svg", Make<PictureTab>},
    {TabT, "T", "&T-net", 7, ":/pictures/t.svg", Make<PictureTab>},
    {TabNC, "NC", "Convert &Numbers", 4, nullptr, Make<PictureTab>},
    {TabDB1, "DB1", "&dB, %, X", 3, nullptr, Make<DbRatioTab>},
    {TabDB2, "DB2", "&dBm, dBU, dBV", 4, nullptr, Make<DbLevelTab>},
    {TabTR, "TR", "&Rise Time", 5, nullptr, Make<PictureTab>},
    {TabSR, "SR", "&Serial Resistors", 3, ":/pictures/sr.svg", Make<PictureTab>},
    {TabCZ, "CZ", "C &Impededance", 3, ":/pictures/cz.svg", Make<PictureTab>},
    {TabLZ, "LZ", "L &Impedance", 3, ":/pictures/lz.svg", Make<PictureTab>},
    {TabNO, "NO", "Non Inv &OP amp", 4, ":/pictures/no.svg", Make<PictureTab>},
    {TabIO, "IO", "Inv &OP amp", 4, ":/pictures/io.svg", Make<PictureTab>},
}};

} // namespace oq
