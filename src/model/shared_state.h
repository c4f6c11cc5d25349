#pragma once

#include "model/catalogue.h"
#include "model/regulator.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace oq {

template <typename T> using PerBox = std::array<std::array<T, MaxBoxes>, TabSlots>;
template <typename T> using PerTab = std::array<T, TabSlots>;

// What the calculations and the kept settings share, per tab and box; owned by the main window
// for the whole run.
struct CalculationState {
    PerBox<double> Values{};    // value of each box in base units
    PerBox<double> StdValues{}; // what a box shows while standard values are on
    PerBox<float> Decimals{};   // decimals code of each box
    PerBox<float> DecimalsAtStart{};
    PerBox<bool> DecimalsChanged{};
    PerTab<int16_t> UnknownMask{};
    // The choices of the catalogue's calculators (a unit, a column), by the tab's choice number;
    // written back when they differ from what the start read.
    PerTab<std::array<int16_t, MaxChoices>> Choices{};
    PerTab<std::array<int16_t, MaxChoices>> ChoicesAtStart{};
    int16_t DB2Ref = 0; // 0 dBm, 1 dBU, 2 dBV
    // Volts or watts per unit of the unit option chosen for each box of the dBm tab (1 for dB).
    std::array<double, 4> DB2UnitFactor{};

    // Main-window members kept with the settings.
    int StartTab = 0;
    std::string NCNewEntryLocation = "0001";
    bool NCEntryLocationChanged = false;
    bool TRSysRiseTimeChanged = false;
    std::string TRSysRiseTimeText; // the rise-time tab's system rise time as its box shows it
    // The regulators the user keeps on the regulator tab; the generic ones until the user changes
    // the list.
    std::vector<RegulatorEntry> Regulators = RegulatorPresets();
    bool RegulatorsChanged = false;
};

} // namespace oq
