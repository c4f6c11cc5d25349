#include "model/settings.h"

#include "model/notation.h"

#include <cmath>
#include <limits>

namespace oq {

const std::array<DecimalsKey, 55> DecimalsCatalogue = {{
    {"RP Voltage Decimals", TabRP, 0, "1.2"},
    {"RP Resistor Decimals", TabRP, 1, "1.2"},
    {"RP Current Decimals", TabRP, 2, "1.2"},
    {"RP Power Decimals", TabRP, 3, "1.2"},
    {"VD Voltage1 Decimals", TabVD, 0, "1.2"},
    {"VD Voltage2 Decimals", TabVD, 1, "1.2"},
    {"VD Resistor1 Decimals", TabVD, 2, "1.2"},
    {"VD Resistor2 Decimals", TabVD, 3, "1.2"},
    {"VD Resistor Sum Decimals", TabVD, 4, "1.2"},
    {"PR Resistor Decimals", TabPR, 0, "1.2"},
    {"PR Resistor1 Decimals", TabPR, 1, "1.2"},
    {"PR Resistor2 Decimals", TabPR, 2, "1.2"},
    {"PI Z1 Decimals", TabPI, 0, "1.2"},
    {"PI Z2 Decimals", TabPI, 1, "1.2"},
    {"PI Attenuation Decimals", TabPI, 2, "1.2"},
    {"PI Resistor1 Decimals", TabPI, 3, "1.2"},
    {"PI Resistor2 Decimals", TabPI, 4, "1.2"},
    {"PI Resistor3 Decimals", TabPI, 5, "1.2"},
    {"PI Reverse Attenuation Decimals", TabPI, 6, "1.2"},
    {"T Z1 Decimals", TabT, 0, "1.2"},
    {"T Z2 Decimals", TabT, 1, "1.2"},
    {"T Attenuation Decimals", TabT, 2, "1.2"},
    {"T Resistor1 Decimals", TabT, 3, "1.2"},
    {"T Resistor2 Decimals", TabT, 4, "1.2"},
    {"T Resistor3 Decimals", TabT, 5, "1.2"},
    {"T Reverse Attenuation Decimals", TabT, 6, "1.2"},
    {"DB1 Times Decimals", TabDB1, 0, "1.2"},
    {"DB1 Percent Decimals", TabDB1, 1, "1.2"},
    {"DB1 dB Decimals", TabDB1, 2, "1.2"},
    {"DB2 dB Decimals", TabDB2, 0, "1.2"},
    {"DB2 RMS Voltage Decimals", TabDB2, 1, "1.2"},
    {"DB2 P-P Voltage Decimals", TabDB2, 2, "1.2"},
    {"DB2 Power Decimals", TabDB2, 3, "1.2"},
    {"TR Rise Time Decimals", TabTR, 0, "1.2"},
    {"TR Bandwidth Decimals", TabTR, 1, "1.2"},
    {"TR Sys Tr Decimals", TabTR, 2, "1.1"},
    {"TR Meas or Exp Decimals", TabTR, 3, "1.1"},
    {"TR DUT Tr Decimals", TabTR, 4, "1.1"},
    {"SR Resistor Decimals", TabSR, 0, "1.2"},
    {"SR Resistor1 Decimals", TabSR, 1, "1.2"},
    {"SR Resistor2 Decimals", TabSR, 2, "1.2"},
    {"CZ Frequency Decimals", TabCZ, 0, "1.2"},
    {"CZ Capacitance Decimals", TabCZ, 1, "1.2"},
    {"CZ Impedance Decimals", TabCZ, 2, "1.2"},
    {"LZ Frequency Decimals", TabLZ, 0, "1.2"},
    {"LZ Inductance Decimals", TabLZ, 1, "1.2"},
    {"LZ Impedance Decimals", TabLZ, 2, "1.2"},
    {"NO Resistor1 Decimals", TabNO, 0, "1.2"},
    {"NO Resistor2 Decimals", TabNO, 1, "1.2"},
    {"NO Resistor Sum Decimals", TabNO, 2, "1.2"},
    {"NO Gain Decimals", TabNO, 3, "1.2"},
    {"IO Resistor1 Decimals", TabIO, 0, "1.2"},
    {"IO Resistor2 Decimals", TabIO, 1, "1.2"},
    {"IO Resistor Sum Decimals", TabIO, 2, "1.2"},
    {"IO Gain Decimals", TabIO, 3, "1.2"},
}};

namespace {

const char* const NCLocationKey = "NC New Entry Location";
const char* const TabKey = "Tab";
const char* const RiseTimeKey = "TR System Rise Time";

// The NC location key has its place between the T-net keys and the first DB1 key.
bool ncLocationComesBefore(const DecimalsKey& entry) {
    return entry.tab == TabDB1 && entry.box == 0;
}

// A code too large for single precision reads as free form rather than as infinity.
float decimalsCode(const std::string& text) {
    const double v = TextValue(text);
    if (!std::isfinite(v) || std::fabs(v) > std::numeric_limits<float>::max())
        return 0.0f;
    return static_cast<float>(v);
}

// The stored tab, rounded half to even; anything that is not a valid tab starts on tab 0.
int startTab(const std::string& text) {
    const double r = std::nearbyint(TextValue(text));
    if (!(r >= 0 && r < TabCount))
        return 0;
    return static_cast<int>(r);
}

} // namespace

void LoadSettings(SettingsStore& store, SharedState& state) {
    for (const DecimalsKey& entry : DecimalsCatalogue) {
        if (ncLocationComesBefore(entry))
            state.NCNewEntryLocation = store.read(NCLocationKey, "0001");
        state.Decimals[entry.tab][entry.box] = decimalsCode(store.read(entry.key, entry.fallback));
    }
    state.DecimalsAtStart = state.Decimals;
    state.StartTab = startTab(store.read(TabKey, "0"));
    const double riseTime = TextValue(store.read(RiseTimeKey, ""));
    state.Values[TabTR][2] = std::isfinite(riseTime) ? riseTime : 0.0;
}

void SaveSettings(SettingsStore& store, const SharedState& state, int currentTab) {
    for (const DecimalsKey& entry : DecimalsCatalogue) {
        if (ncLocationComesBefore(entry) && state.NCEntryLocationChanged)
            store.write(NCLocationKey, state.NCNewEntryLocation);
        if (state.DecimalsChanged[entry.tab][entry.box])
            store.write(entry.key, DecimalsText(state.Decimals[entry.tab][entry.box]));
    }
    if (state.TRSysRiseTimeChanged)
        store.write(RiseTimeKey, state.TRSysRiseTimeText);
    if (currentTab != state.StartTab)
        store.write(TabKey, std::to_string(currentTab));
}

std::string DecimalsText(float code) {
    return NumberTextSingle(code);
}

} // namespace oq
