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
constexpr int MaxBoxes = 19;  // the via's ten figures and nine results
constexpr int MaxChoices = 8; // the board tabs' seven unit choices

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

// The transmission line's kept choices, by their numbers in its row.
enum TLChoice : int { TLLineChoice = 0, TLLengthChoice = 1, TLFrequencyChoice = 2 };

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
        {TabSV,
         "SV",
         "Standard Va&lues",
         G::Values,
         1,
         {Box("Value", "SV Value Decimals", "Value", "ohm")}},
        {TabRC,
         "RC",
         "Resistor Com&binations",
         G::Values,
         4,
         {Box("Target", "RC Target Decimals", "Target", "ohm"),
          Box("Excluded 1", "RC Excluded1 Decimals", "Excluded 1", "ohm"),
          Box("Excluded 2", "RC Excluded2 Decimals", "Excluded 2", "ohm"),
          Box("Excluded 3", "RC Excluded3 Decimals", "Excluded 3", "ohm")}},
        // The adjust-pin current is typed and shown in microamperes.
        {TabREG,
         "REG",
         "Reg&ulator",
         G::Values,
         16,
         {Box("Vout", "REG Vout Decimals", "Vout", "V", "1.4"),
          Box("R1", "REG R1 Decimals", "R1", "ohm"), Box("R2", "REG R2 Decimals", "R2", "ohm"),
          Box("Vref Min", "REG Vref Min Decimals", "Vref Min", "V", "1.4"),
          Box("Vref Typical", "REG Vref Typical Decimals", "Vref Typical", "V", "1.4"),
          Box("Vref Max", "REG Vref Max Decimals", "Vref Max", "V", "1.4"),
          Box("Iadj Min", "REG Iadj Min Decimals", "Iadj Min", "µA", "1.1"),
          Box("Iadj Typical", "REG Iadj Typical Decimals", "Iadj Typical", "µA", "1.1"),
          Box("Iadj Max", "REG Iadj Max Decimals", "Iadj Max", "µA", "1.1"),
          Box("Range From", "REG Range From Decimals", "Range From", "ohm", "1.0"),
          Box("Range To", "REG Range To Decimals", "Range To", "ohm", "1.0"),
          Box("Vout Min", "REG Vout Min Decimals", "Vout Min", "V", "1.4"),
          Box("Vout Max", "REG Vout Max Decimals", "Vout Max", "V", "1.4"),
          Box("Deviation Below", "REG Deviation Below Decimals", "Deviation Below", "%"),
          Box("Deviation Above", "REG Deviation Above Decimals", "Deviation Above", "%"),
          Box("Pair Error", "REG Pair Error Decimals", "Pair Error", "%", "1.3")}},
        // Lengths in m, copper in m, temperatures in degC; each box shows its row's unit.
        {TabTW,
         "TW",
         "Trac&k Width",
         G::BoardAndRf,
         14,
         {Box("Outer Width", "TW Outer Width Decimals", "Outer Width", "m", "1.3"),
          Box("Inner Width", "TW Inner Width Decimals", "Inner Width", "m", "1.3"),
          Box("Outer Current", "TW Outer Current Decimals", "Outer Current", "A", "1.3"),
          Box("Inner Current", "TW Inner Current Decimals", "Inner Current", "A", "1.3"),
          Box("Temperature Rise", "TW Rise Decimals", "Temperature Rise", "°C"),
          Box("Ambient Temperature", "TW Ambient Decimals", "Ambient Temperature", "°C"),
          Box("Copper Thickness", "TW Copper Decimals", "Copper Thickness", "m"),
          Box("Track Length", "TW Length Decimals", "Track Length", "m"),
          Box("Outer Resistance", "TW Outer Resistance Decimals", "Outer Resistance", "ohm"),
          Box("Inner Resistance", "TW Inner Resistance Decimals", "Inner Resistance", "ohm"),
          Box("Outer Voltage Drop", "TW Outer Drop Decimals", "Outer Voltage Drop", "V"),
          Box("Inner Voltage Drop", "TW Inner Drop Decimals", "Inner Voltage Drop", "V"),
          Box("Outer Power Loss", "TW Outer Loss Decimals", "Outer Power Loss", "W", "1.3"),
          Box("Inner Power Loss", "TW Inner Loss Decimals", "Inner Power Loss", "W", "1.3")},
         // The unit options, row by row: mm, mil, inch; A, mA; µm, oz; ohm, mohm; V, mV; W, mW.
         {{{"TW Width Unit", 3, 0},
           {"TW Current Unit", 2, 0},
           {"TW Copper Unit", 2, 0},
           {"TW Length Unit", 3, 0},
           {"TW Resistance Unit", 2, 1},
           {"TW Drop Unit", 2, 1},
           {"TW Loss Unit", 2, 0}}}},
        {TabVIA,
         "VIA",
         "Vi&a",
         G::BoardAndRf,
         19,
         {Box("Hole Diameter", "VIA Hole Decimals", "Hole Diameter", "m", "1.3"),
          Box("Plating Thickness", "VIA Plating Decimals", "Plating Thickness", "m"),
          Box("Board Thickness", "VIA Board Thickness Decimals", "Board Thickness", "m"),
          Box("Pad Diameter", "VIA Pad Decimals", "Pad Diameter", "m", "1.3"),
          Box("Antipad Diameter", "VIA Antipad Decimals", "Antipad Diameter", "m", "1.3"),
          Box("Relative Permittivity", "VIA Permittivity Decimals", "Relative Permittivity"),
          Box("Current", "VIA Current Decimals", "Current", "A"),
          Box("Temperature Rise", "VIA Rise Decimals", "Temperature Rise", "°C"),
          Box("Rise Time", "VIA Rise Time Decimals", "Rise Time", "s"),
          Box("Line Impedance", "VIA Impedance Decimals", "Line Impedance", "ohm"),
          Box("Resistance", "VIA Resistance Decimals", "Resistance", "ohm", "1.3"),
          Box("Voltage Drop", "VIA Drop Decimals", "Voltage Drop", "V", "1.3"),
          Box("Power", "VIA Power Decimals", "Power", "W", "1.3"),
          Box("Ampacity", "VIA Ampacity Decimals", "Ampacity", "A", "1.3"),
          Box("Thermal Resistance", "VIA Thermal Decimals", "Thermal Resistance", "K/W", "1.1"),
          Box("Capacitance", "VIA Capacitance Decimals", "Capacitance", "F", "1.3"),
          Box("Inductance", "VIA Inductance Decimals", "Inductance", "H", "1.3"),
          Box("Reactance", "VIA Reactance Decimals", "Reactance", "ohm"),
          Box("Rise Time Degradation", "VIA Degradation Decimals", "Rise Time Degradation", "s")},
         // The unit options, row by row: mm, mil, inch; µm, mil; A, mA; µs, ns, ps.
         {{{"VIA Hole Unit", 3, 0},
           {"VIA Plating Unit", 2, 0},
           {"VIA Board Unit", 3, 0},
           {"VIA Pad Unit", 3, 0},
           {"VIA Antipad Unit", 3, 0},
           {"VIA Current Unit", 2, 0},
           {"VIA Rise Time Unit", 3, 1}}}},
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
        {TabTL,
         "TL",
         "Trans&mission Line",
         G::BoardAndRf,
         16,
         {Box("Relative Permittivity", "TL Er Decimals", "Relative Permittivity", "", "1.2"),
          Box("Height", "TL Height Decimals", "Height", "m", "1.3"),
          Box("Width", "TL Width Decimals", "Width", "m", "1.3"),
          Box("Thickness", "TL Thickness Decimals", "Thickness", "m", "1.3"),
          Box("Gap", "TL Gap Decimals", "Gap", "m", "1.3"),
          Box("Loss Tangent", "TL Loss Tangent Decimals", "Loss Tangent", "", "1.4"),
          Box("Conductivity", "TL Conductivity Decimals", "Conductivity", "S/m", "0"),
          Box("Frequency", "TL Frequency Decimals", "Frequency", "Hz"),
          Box("Length", "TL Length Decimals", "Length", "m", "1.3"),
          Box("Impedance", "TL Impedance Decimals", "Impedance", "ohm"),
          Box("Effective Permittivity", "TL Eeff Decimals", "Effective Permittivity", "", "1.3"),
          Box("Phase Velocity", "TL Velocity Decimals", "Phase Velocity", "m/s"),
          Box("Electrical Length", "TL Angle Decimals", "Electrical Length", "deg"),
          Box("Conductor Loss", "TL Conductor Loss Decimals", "Conductor Loss", "dB", "1.3"),
          Box("Dielectric Loss", "TL Dielectric Loss Decimals", "Dielectric Loss", "dB", "1.3"),
          Box("Skin Depth", "TL Skin Depth Decimals", "Skin Depth", "m", "1.5")},
         {{{"TL Line", 5, 0},              // microstrip, stripline, CPW, grounded CPW, coax
           {"TL Length Unit", 3, 0},       // mm, mil, µm
           {"TL Frequency Unit", 4, 3}}}}, // Hz, kHz, MHz, GHz
    });
}();

// The number of calculators the program has.
constexpr int TabCount = static_cast<int>(Calculators.size());

} // namespace oq
