#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace oq {

// Tab indexes: the order of the tab strip and the first subscript of every per-tab array.
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
};
constexpr int TabCount = 14;
constexpr int MaxBoxes = 7;
constexpr int MaxOptionGroups = 4;

template <typename T> using PerBox = std::array<std::array<T, MaxBoxes>, TabCount>;
template <typename T> using PerTab = std::array<T, TabCount>;

// The state every tab and small window shares; owned by the main window for the whole run.
struct SharedState {
    PerBox<double> Values{};    // value of each box in base units
    PerBox<double> StdValues{}; // what a box shows while standard values are on
    PerBox<float> Decimals{};   // decimals code of each box
    PerBox<float> DecimalsAtStart{};
    PerBox<bool> DecimalsChanged{};
    PerTab<int16_t> LastBox{}; // box that last had the focus; -1 also while a handler writes
    std::array<std::array<int16_t, MaxOptionGroups>, TabCount> LastOption{};
    PerTab<int16_t> UnknownMask{};
    bool SkipChange = false;
    bool DecimalsCancelled = false;
    PerTab<bool> StdValSelected{}; // the tab shows standard values: its tick, or a picked pair
    int16_t DB2Ref = 0; // 0 dBm, 1 dBU, 2 dBV
    // Volts or watts per unit of the unit option chosen for each box of the dBm tab (1 for dB).
    std::array<double, 4> DB2UnitFactor{};

    // Main-window members kept with the settings.
    int StartTab = 0;
    std::string NCNewEntryLocation = "0001";
    bool NCEntryLocationChanged = false;
    bool TRSysRiseTimeChanged = false;
    std::string TRSysRiseTimeText; // the rise-time tab's system rise time as its box shows it

    SharedState() {
        LastBox.fill(-1);
        for (auto& tab : LastOption)
            tab.fill(-1);
    }
};

} // namespace oq
