#include "app/tab_table.h"

#include "calculators/attenuators/attenuator_tab.h"
#include "calculators/conversions/db_level_tab.h"
#include "calculators/conversions/db_ratio_tab.h"
#include "calculators/conversions/number_base_tab.h"
#include "calculators/conversions/reactance_tab.h"
#include "calculators/conversions/rise_time_tab.h"
#include "calculators/resistors/opamp_tab.h"
#include "calculators/resistors/resistor_pair_tab.h"
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
    {TabPR, "PR", "&Parallel Resistors", 3, ":/pictures/pr.svg", Make<ParallelResistorsTab>},
    {TabPI, "PI", "&PI-net", 7, ":/pictures/pi.svg", Make<PiNetTab>},
    {TabT, "T", "&T-net", 7, ":/pictures/t.svg", Make<TNetTab>},
    {TabNC, "NC", "Convert &Numbers", 4, nullptr, Make<NumberBaseTab>},
    {TabDB1, "DB1", "&dB, %, X", 3, nullptr, Make<DbRatioTab>},
    {TabDB2, "DB2", "&dBm, dBU, dBV", 4, nullptr, Make<DbLevelTab>},
    {TabTR, "TR", "&Rise Time", 5, nullptr, Make<RiseTimeTab>},
    {TabSR, "SR", "&Serial Resistors", 3, ":/pictures/sr.svg", Make<SerialResistorsTab>},
    {TabCZ, "CZ", "C &Impededance", 3, ":/pictures/cz.svg", Make<CapacitiveReactanceTab>},
    {TabLZ, "LZ", "L &Impedance", 3, ":/pictures/lz.svg", Make<InductiveReactanceTab>},
    {TabNO, "NO", "Non Inv &OP amp", 4, ":/pictures/no.svg", Make<NonInvertingOpAmpTab>},
    {TabIO, "IO", "Inv &OP amp", 4, ":/pictures/io.svg", Make<InvertingOpAmpTab>},
}};

} // namespace oq
