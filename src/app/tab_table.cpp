#include "app/tab_table.h"

#include "calculators/attenuators/attenuator_tab.h"
#include "calculators/board/track_width_tab.h"
#include "calculators/board/via_tab.h"
#include "calculators/board/electrical_spacing_tab.h"
#include "calculators/board/wavelength_tab.h"
#include "calculators/conversions/db_level_tab.h"
#include "calculators/conversions/db_ratio_tab.h"
#include "calculators/conversions/number_base_tab.h"
#include "calculators/conversions/reactance_tab.h"
#include "calculators/conversions/rise_time_tab.h"
#include "calculators/resistors/opamp_tab.h"
#include "calculators/resistors/resistor_combinations_tab.h"
#include "calculators/resistors/resistor_pair_tab.h"
#include "calculators/resistors/resistor_power_tab.h"
#include "calculators/resistors/voltage_divider_tab.h"
#include "calculators/rf/transmission_line_tab.h"
#include "calculators/values/regulator_tab.h"
#include "calculators/values/standard_values_tab.h"

namespace oq {

namespace {
template <typename Tab> CalculatorTab* Make(MainHost& host, const TabRow& row) {
    return new Tab(host, row);
}

TabRow Row(int index, const char* picture, TabFactory create, const char* pictureText = nullptr) {
    return MakeTabRow(*FindCalculator(Calculators, index), picture, create, pictureText);
}
} // namespace

const std::vector<TabRow> TabTable = {
    Row(TabRP, ":/pictures/rp.svg", Make<ResistorPowerTab>,
        "A voltage U across a resistor R drives a current I and dissipates a power P."),
    Row(TabVD, ":/pictures/vd.svg", Make<VoltageDividerTab>,
        "A voltage U across R1 and R2 in series; the output U1 is taken across R2."),
    Row(TabPR, ":/pictures/pr.svg", Make<ParallelResistorsTab>,
        "Two resistors R1 and R2 in parallel make the resistance R."),
    Row(TabPI, ":/pictures/pi.svg", Make<PiNetTab>,
        "A PI-net attenuator between Z1 and Z2: R1 and R3 to ground, R2 in series."),
    Row(TabT, ":/pictures/t.svg", Make<TNetTab>,
        "A T-net attenuator between Z1 and Z2: R1 and R3 in series, R2 to ground."),
    Row(TabNC, nullptr, Make<NumberBaseTab>),
    Row(TabDB1, nullptr, Make<DbRatioTab>),
    Row(TabDB2, nullptr, Make<DbLevelTab>),
    Row(TabTR, nullptr, Make<RiseTimeTab>),
    Row(TabSR, ":/pictures/sr.svg", Make<SerialResistorsTab>,
        "Two resistors R1 and R2 in series make the resistance R."),
    Row(TabCZ, ":/pictures/cz.svg", Make<CapacitiveReactanceTab>,
        "A capacitor C at the frequency F has the impedance Z."),
    Row(TabLZ, ":/pictures/lz.svg", Make<InductiveReactanceTab>,
        "An inductor L at the frequency F has the impedance Z."),
    Row(TabNO, ":/pictures/no.svg", Make<NonInvertingOpAmpTab>,
        "A non-inverting amplifier: R2 from the output to the inverting input, R1 to ground."),
    Row(TabIO, ":/pictures/io.svg", Make<InvertingOpAmpTab>,
        "An inverting amplifier: R1 from the input to the inverting input, R2 from the output."),
    Row(TabSV, nullptr, Make<StandardValuesTab>),
    Row(TabRC, nullptr, Make<ResistorCombinationsTab>),
    Row(TabREG, nullptr, Make<RegulatorTab>),
    Row(TabTW, nullptr, Make<TrackWidthTab>),
    Row(TabVIA, nullptr, Make<ViaTab>),
    Row(TabES, nullptr, Make<ElectricalSpacingTab>),
    Row(TabWL, nullptr, Make<WavelengthTab>),
    Row(TabTL, nullptr, Make<TransmissionLineTab>),
};

} // namespace oq
