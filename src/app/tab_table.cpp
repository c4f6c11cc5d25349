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

TabRow Row(int index, const char* picture, TabFactory create) {
    return MakeTabRow(*FindCalculator(Calculators, index), picture, create);
}
} // namespace

const std::vector<TabRow> TabTable = {
    Row(TabRP, ":/pictures/rp.svg", Make<ResistorPowerTab>),
    Row(TabVD, ":/pictures/vd.svg", Make<VoltageDividerTab>),
    Row(TabPR, ":/pictures/pr.svg", Make<ParallelResistorsTab>),
    Row(TabPI, ":/pictures/pi.svg", Make<PiNetTab>),
    Row(TabT, ":/pictures/t.svg", Make<TNetTab>),
    Row(TabNC, nullptr, Make<NumberBaseTab>),
    Row(TabDB1, nullptr, Make<DbRatioTab>),
    Row(TabDB2, nullptr, Make<DbLevelTab>),
    Row(TabTR, nullptr, Make<RiseTimeTab>),
    Row(TabSR, ":/pictures/sr.svg", Make<SerialResistorsTab>),
    Row(TabCZ, ":/pictures/cz.svg", Make<CapacitiveReactanceTab>),
    Row(TabLZ, ":/pictures/lz.svg", Make<InductiveReactanceTab>),
    Row(TabNO, ":/pictures/no.svg", Make<NonInvertingOpAmpTab>),
    Row(TabIO, ":/pictures/io.svg", Make<InvertingOpAmpTab>),
};

} // namespace oq
