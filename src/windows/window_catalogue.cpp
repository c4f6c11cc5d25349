#include "windows/window_catalogue.h"

#include "model/notation.h"

#include <algorithm>

namespace oq {

const std::array<float, DecimalsOptionCount> DecimalsOptionCodes = {
    1.0f, 1.1f, 1.2f, 1.3f, 1.4f, 1.5f, 1.6f, 0.0f, 103.0f, 104.0f, 105.0f, 106.0f, 107.0f,
};

float DecimalsCodeOfOption(int option) {
    if (option < 0 || option >= DecimalsOptionCount)
        return 0.0f;
    return DecimalsOptionCodes[static_cast<size_t>(option)];
}

int DecimalsOptionOfCode(float code) {
    for (int i = 0; i < DecimalsOptionCount; ++i)
        if (DecimalsOptionCodes[static_cast<size_t>(i)] == code)
            return i;
    return -1;
}

namespace {

// Box names by tab; a null entry is a box without a name (or no box at all).
const char* const DecimalsBoxNames[TabCount][MaxBoxes] = {
    {"Voltage", "Resistor", "Current", "Power"},
    {"Voltage", "Voltage 1", "Resistor 1", "Resistor 2", "Resistor Sum"},
    {"Resistor (R1 // R2)", "Resistor1", "Resistor2"},
    {"Input Resistance", "Output Resistance", "Attenuation", "Resistor 1", "Resistor 2",
     "Resistor 3"},
    {"Input Resistance", "Output Resistance", "Attenuation", "Resistor 1", "Resistor 2",
     "Resistor 3"},
    {},
    {"Times", "Percent", "dB"},
    {"dB", "RMS Voltage", "P-P Voltage", "Power"},
    {"Rise Time", "Bandwidth", "System Tr", "Measured or Expected", "DUT Tr"},
    {"Resistor (R1 + R2)", "Resistor1", "Resistor2"},
    {"Frequency", "Capacitor", "Impedance"},
    {"Frequency", "Inductance", "Impedance"},
    {"Resistor1", "Resistor2", "ResistorSum", "Gain"},
    {"Resistor1", "Resistor2", "ResistorSum", "Gain"},
};

} // namespace

std::string DecimalsBoxName(int tab, int box) {
    if (tab < 0 || tab >= TabCount || box < 0 || box >= MaxBoxes)
        return {};
    const char* name = DecimalsBoxNames[tab][box];
    return name ? name : "";
}

std::string ValueText(double v) {
    std::string text = NumberText(v);
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    if (!text.empty() && text.front() == '.')
        text.insert(text.begin(), '0');
    return text;
}

} // namespace oq
