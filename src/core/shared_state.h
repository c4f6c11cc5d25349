#pragma once

#include "model/shared_state.h"

#include <array>
#include <cstdint>

namespace oq {

constexpr int MaxOptionGroups = 4;

// The calculations' state with the guards of the widgets: which box a tab works in, which writes
// and clicks are the program's own, and what the small windows hand back.
struct SharedState : CalculationState {
    PerTab<int16_t> LastBox{}; // box that last had the focus; -1 also while a handler writes
    std::array<std::array<int16_t, MaxOptionGroups>, TabSlots> LastOption{};
    bool SkipChange = false;
    bool DecimalsCancelled = false;
    PerTab<bool> StdValSelected{}; // the tab shows standard values: its tick, or a picked pair

    SharedState() {
        LastBox.fill(-1);
        for (auto& tab : LastOption)
            tab.fill(-1);
    }
};

} // namespace oq
