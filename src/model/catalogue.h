#pragma once

#include <array>
#include <span>

// The one list of the program's calculators: what each is called, which group it belongs to and
// what its number boxes are. The tab count, the settings keys and the small windows' names all
// come from here.
namespace oq {

// Every calculator's index, fixed once and for all: the first subscript of every per-tab array,
// the stored "Tab" setting and the strip order of the first fourteen. A calculator keeps its index
// whether or not the ones before it have been built.
enum TabIndex : int {
    TabRP = 0,
    TabVD = 1,
    TabPR = 2,
    TabPI = 3,
    TabT = 4,
    TabNC = 5,
    TabDB1 = 6,
    TabDB2 = 7,
    TabTR = 8,
    TabSR = 9,
    TabCZ = 10,
    TabLZ = 11,
    TabNO = 12,
    TabIO = 13,
    TabSV = 14,  // standard values and colour code
    TabRC = 15,  // resistor combinations
    TabREG = 16, // regulator feedback
    TabTW = 17,  // track width
    TabVIA = 18, // via
    TabES = 19,  // electrical spacing
    TabWL = 20,  // wavelength
    TabTL = 21,  // transmission line
    TabIndexEnd
};
// Room in the per-tab arrays for every index above, built or not.
constexpr int TabSlots = TabIndexEnd;
constexpr int MaxBoxes = 7;
constexpr int MaxChoices = 4;

enum class CalculatorGroup { Resistors, AttenuatorsAndLevels, Conversions, Values, BoardAndRf };

// One number box of a calculator.
struct CatalogueBox {
    const char* decimalsName = nullptr;  // what the decimals dialog calls it; nullptr: no name
    const char* decimalsKey = nullptr;   // settings key of its decimals code; nullptr: none
    const char* decimalsDefault = "1.2"; // the code a fresh user gets
    const char* propertyRow = nullptr;   // the properties window's row; nullptr: no row
    const char* unit = "";               // of its value in base units: "V", "ohm", "%"; "" none
};

// A choice of a calculator that the next start finds as the user left it: a unit, a column.
struct CatalogueChoice {
    const char* key = nullptr; // settings key: "ES Spacing Unit"; nullptr: no choice
    int options = 0;           // the choice is one of 0 .. options - 1
    int fallback = 0;          // what a fresh user gets
};

struct CalculatorEntry {
    int index = 0;
    const char* code = "";    // "RP": names the tab's controls and its settings keys
    const char* caption = ""; // with its mnemonic "&"
    CalculatorGroup group = CalculatorGroup::Resistors;
    int boxCount = 0;
    std::array<CatalogueBox, MaxBoxes> boxes{};
    // Indexed by the tab's own choice numbers; the keys are read and written after the boxes'.
    std::array<CatalogueChoice, MaxChoices> choices{};
};

// A list of calculators in index order; the program's own is Calculators, a test may make
// another.
using Catalogue = std::span<const CalculatorEntry>;

// The entry with the index, or nullptr when the catalogue has none.
const CalculatorEntry* FindCalculator(Catalogue catalogue, int index);

namespace catalogue_rows {
constexpr CatalogueBox Box(const char* decimalsName, const char* decimalsKey,
                           const char* propertyRow, const char* unit = "",
                           const char* decimalsDefault = "1.2") {
    return {decimalsName, decimalsKey, decimalsDefault, propertyRow, unit};
}
} // namespace catalogue_rows

// The program's calculators.
inline constexpr auto Calculators = [] {
    using catalogue_rows::Box;
    using G = CalculatorGroup;
    return std::to_array<CalculatorEntry>({
        {TabRP,
         "RP",
         "&Resistor Power",
         G::Resistors,
         4,
         {Box("Voltage", "RP Voltage Decimals", "Voltage", "V"),
          Box("Resistor", "RP Resistor Decimals", "Resistor", "ohm"),
          Box("Current", "RP Current Decimals", "Current", "A"),
          Box("Power", "RP Power Decimals", "Power", "W")}},
        {TabVD,
         "VD",
         "&Voltage Divider",
         G::Resistors,
         5,
         {Box("Voltage", "VD Voltage1 Decimals", "Voltage", "V"),
          Box("Voltage 1", "VD Voltage2 Decimals", "Voltage 1", "V"),
          Box("Resistor 1", "VD Resistor1 Decimals", "Resistor 1", "ohm"),
          Box("Resistor 2", "VD Resistor2 Decimals", "Resistor 2", "ohm"),
          Box("Resistor Sum", "VD Resistor Sum Decimals", "Resistor Sum", "ohm")}},
        {TabPR,
         "PR",
         "&Parallel Resistors",
         G::Resistors,
         3,
         {Box("Resistor (R1 // R2)", "PR Resistor Decimals", "Resistor (R1 // R2)", "ohm"),
          Box("Resistor1", "PR Resistor1 Decimals", "Resistor 1", "ohm"),
          Box("Resistor2", "PR Resistor2 Decimals", "Resistor 2", "ohm")}},
        {TabPI,
         "PI",
         "&PI-net",
         G::AttenuatorsAndLevels,
         7,
         {Box("Input Resistance", "PI Z1 Decimals", "Input Resistance", "ohm"),
          Box("Output Resistance", "PI Z2 Decimals", "Output Resistance", "ohm"),
          Box("Attenuation", "PI Attenuation Decimals", "Attenuation", "dB"),
          Box("Resistor 1", "PI Resistor1 Decimals", "Resistor 1", "ohm"),
          Box("Resistor 2", "PI Resistor2 Decimals", "Resistor 2", "ohm"),
          Box("Resistor 3", "PI Resistor3 Decimals", "Resistor 3", "ohm"),
          Box(nullptr, "PI Reverse Attenuation Decimals", "Reverse Attenuation", "dB")}},
        {TabT,
         "T",
         "&T-net",
         G::AttenuatorsAndLevels,
         7,
         {Box("Input Resistance", "T Z1 Decimals", "Input Resistance", "ohm"),
          Box("Output Resistance", "T Z2 Decimals", "Output Resistance", "ohm"),
          Box("Attenuation", "T Attenuation Decimals", "Attenuation", "dB"),
          Box("Resistor 1", "T Resistor1 Decimals", "Resistor 1", "ohm"),
          Box("Resistor 2", "T Resistor2 Decimals", "Resistor 2", "ohm"),
          Box("Resistor 3", "T Resistor3 Decimals", "Resistor 3", "ohm"),
          Box(nullptr, "T Reverse Attenuation Decimals", "Reverse Attenuation", "dB")}},
        {TabNC, "NC", "Convert &Numbers", G::Conversions, 4, {}},
        {TabDB1,
         "DB1",
         "&dB, %, X",
         G::AttenuatorsAndLevels,
         3,
         {Box("Times", "DB1 Times Decimals", "Times", ""),
          Box("Percent", "DB1 Percent Decimals", "Percent", "%"),
          Box("dB", "DB1 dB Decimals", "dB", "dB")}},
        {TabDB2,
         "DB2",
         "&dBm, dBU, dBV",
         G::AttenuatorsAndLevels,
         4,
         {Box("dB", "DB2 dB Decimals", "dBm", "dB"),
          Box("RMS Voltage", "DB2 RMS Voltage Decimals", "RMS Voltage", "V"),
          Box("P-P Voltage", "DB2 P-P Voltage Decimals", "P-P Voltage", "V"),
          Box("Power", "DB2 Power Decimals", "Power", "W")}},
        {TabTR,
         "TR",
         "&Rise Time",
         G::Conversions,
         5,
         {Box("Rise Time", "TR Rise Time Decimals", "Rise Time", "s"),
          Box("Bandwidth", "TR Bandwidth Decimals", "Bandwidth", "Hz"),
          Box("System Tr", "TR Sys Tr Decimals", "System Tr", "s", "1.1"),
          Box("Measured or Expected", "TR Meas or Exp Decimals", "Measured or Expected", "s",
              "1.1"),
          Box("DUT Tr", "TR DUT Tr Decimals", "DUT Tr", "s", "1.1")}},
        {TabSR,
         "SR",
         "&Serial Resistors",
         G::Resistors,
         3,
         {Box("Resistor (R1 + R2)", "SR Resistor Decimals", "Resistor (R1 + R2)", "ohm"),
          Box("Resistor1", "SR Resistor1 Decimals", "Resistor 1", "ohm"),
          Box("Resistor2", "SR Resistor2 Decimals", "Resistor 2", "ohm")}},
        {TabCZ,
         "CZ",
         "C &Impededance",
         G::Conversions,
         3,
         {Box("Frequency", "CZ Frequency Decimals", "Frequency", "Hz"),
          Box("Capacitor", "CZ Capacitance Decimals", "Capacitance", "F"),
          Box("Impedance", "CZ Impedance Decimals", "Impedance", "ohm")}},
        {TabLZ,
         "LZ",
         "L &Impedance",
         G::Conversions,
         3,
         {Box("Frequency", "LZ Frequency Decimals", "Frequency", "Hz"),
          Box("Inductance", "LZ Inductance Decimals", "Inductance", "H"),
          Box("Impedance", "LZ Impedance Decimals", "Impedance", "ohm")}},
        {TabNO,
         "NO",
         "Non Inv &OP amp",
         G::Resistors,
         4,
         {Box("Resistor1", "NO Resistor1 Decimals", "Resistor1", "ohm"),
          Box("Resistor2", "NO Resistor2 Decimals", "Resistor2", "ohm"),
          Box("ResistorSum", "NO Resistor Sum Decimals", "Resistor Sum", "ohm"),
          Box("Gain", "NO Gain Decimals", "Gain", "")}},
        {TabIO,
         "IO",
         "Inv &OP amp",
         G::Resistors,
         4,
         {Box("Resistor1", "IO Resistor1 Decimals", "Resistor1", "ohm"),
          Box("Resistor2", "IO Resistor2 Decimals", "Resistor2", "ohm"),
          Box("ResistorSum", "IO Resistor Sum Decimals", "Resistor Sum", "ohm"),
          Box("Gain", "IO Gain Decimals", "Gain", "")}},
        {TabES,
         "ES",
         "Electrical Spacin&g",
         G::BoardAndRf,
         2,
         {Box("Voltage", "ES Voltage Decimals", "Voltage", "V"),
          // Three decimals: the table's figures (0.05 mm, 1.25 mm) as they stand, and a µm
          // above 500 V.
          Box("Spacing", "ES Spacing Decimals", "Spacing", "m", "1.3")},
         {{{"ES Spacing Unit", 3, 0}, // mm, mil, inch
           {"ES Column", 7, 0}}}},    // B1 ... A7 of the table
        {TabWL,
         "WL",
         "&Wavelength",
         G::BoardAndRf,
         7,
         {Box("Frequency", "WL Frequency Decimals", "Frequency", "Hz"),
          Box("Period", "WL Period Decimals", "Period", "s"),
          Box("Wavelength", "WL Wavelength Decimals", "Wavelength", "m"),
          Box("Relative Permittivity", "WL Permittivity Decimals", "Relative Permittivity", ""),
          Box("Relative Permeability", "WL Permeability Decimals", "Relative Permeability", ""),
          Box("Speed", "WL Speed Decimals", "Speed", "m/s", "1.0"),
          Box("Quarter Wavelength", "WL Quarter Wavelength Decimals", "Quarter Wavelength", "m")},
         {{{"WL Length Unit", 4, 1}}}}, // m, mm, mil, inch
    });
}();

// The number of calculators the program has.
constexpr int TabCount = static_cast<int>(Calculators.size());

} // namespace oq
