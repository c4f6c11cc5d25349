#include "model/settings.h"

#include "model/notation.h"

#include <cmath>
#include <limits>
#include <utility>

namespace oq {

std::vector<DecimalsKey> DecimalsKeys(Catalogue catalogue) {
    std::vector<DecimalsKey> keys;
    for (const CalculatorEntry& c : catalogue)
        for (int b = 0; b < c.boxCount; ++b)
            if (const CatalogueBox& box = c.boxes[static_cast<size_t>(b)]; box.decimalsKey)
                keys.push_back({box.decimalsKey, c.index, b, box.decimalsDefault});
    return keys;
}

const std::vector<DecimalsKey> DecimalsCatalogue = DecimalsKeys(Calculators);

namespace {

const char* const NCLocationKey = "NC New Entry Location";
const char* const TabKey = "Tab";
const char* const RiseTimeKey = "TR System Rise Time";

// The number tab's setting is read and written in the number tab's place among the decimals keys.
bool ncLocationComesBefore(const DecimalsKey& entry) {
    return entry.tab > TabNC;
}

// A code too large for single precision reads as free form rather than as infinity.
float decimalsCode(const std::string& text) {
    const double v = TextValue(text);
    if (!std::isfinite(v) || std::fabs(v) > std::numeric_limits<float>::max())
        return 0.0f;
    return static_cast<float>(v);
}

// The stored tab, rounded half to even; anything that is not a calculator of the catalogue starts
// on tab 0.
int startTab(const std::string& text, Catalogue catalogue) {
    const double r = std::nearbyint(TextValue(text));
    if (!(r >= 0 && r < TabSlots) || !FindCalculator(catalogue, static_cast<int>(r)))
        return 0;
    return static_cast<int>(r);
}

} // namespace

void LoadSettings(SettingsStore& store, CalculationState& state, Catalogue catalogue) {
    bool ncRead = false;
    auto readNcLocation = [&] {
        if (!std::exchange(ncRead, true))
            state.NCNewEntryLocation = store.read(NCLocationKey, "0001");
    };
    for (const DecimalsKey& entry : DecimalsKeys(catalogue)) {
        if (ncLocationComesBefore(entry))
            readNcLocation();
        state.Decimals[entry.tab][entry.box] = decimalsCode(store.read(entry.key, entry.fallback));
    }
    readNcLocation();
    state.DecimalsAtStart = state.Decimals;
    state.StartTab = startTab(store.read(TabKey, "0"), catalogue);
    const double riseTime = TextValue(store.read(RiseTimeKey, ""));
    state.Values[TabTR][2] = std::isfinite(riseTime) ? riseTime : 0.0;
}

void SaveSettings(SettingsStore& store, const CalculationState& state, int currentTab,
                  Catalogue catalogue) {
    bool ncWritten = !state.NCEntryLocationChanged;
    auto writeNcLocation = [&] {
        if (!std::exchange(ncWritten, true))
            store.write(NCLocationKey, state.NCNewEntryLocation);
    };
    for (const DecimalsKey& entry : DecimalsKeys(catalogue)) {
        if (ncLocationComesBefore(entry))
            writeNcLocation();
        if (state.DecimalsChanged[entry.tab][entry.box])
            store.write(entry.key, DecimalsText(state.Decimals[entry.tab][entry.box]));
    }
    writeNcLocation();
    if (state.TRSysRiseTimeChanged)
        store.write(RiseTimeKey, state.TRSysRiseTimeText);
    if (currentTab != state.StartTab)
        store.write(TabKey, std::to_string(currentTab));
}

std::string DecimalsText(float code) {
    return NumberTextSingle(code);
}

} // namespace oq
