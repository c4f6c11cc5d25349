#include "model/settings.h"

#include "model/notation.h"

#include <cmath>
#include <limits>

namespace oq {

namespace {
// Visits the settings of the catalogue's calculators in the order they are read and written:
// calculator by calculator, each box's decimals key, with the number tab's entry location in the
// number tab's place.
// The transmission-line tab's choices follow its decimals keys.
template <typename OnKey, typename OnLocation, typename OnChoices = void (*)()>
void InKeptOrder(
    Catalogue catalogue, OnKey onKey, OnLocation onLocation, OnChoices onChoices = [] {}) {
    for (const CalculatorEntry& c : catalogue) {
        if (c.index == TabNC)
            onLocation();
        for (int b = 0; b < c.boxCount; ++b)
            if (const CatalogueBox& box = c.boxes[static_cast<size_t>(b)]; box.decimalsKey)
                onKey(DecimalsKey{box.decimalsKey, c.index, b, box.decimalsDefault});
        if (c.index == TabTL)
            onChoices();
    }
}
} // namespace

std::vector<DecimalsKey> DecimalsKeys(Catalogue catalogue) {
    std::vector<DecimalsKey> keys;
    InKeptOrder(
        catalogue, [&](const DecimalsKey& key) { keys.push_back(key); }, [] {});
    return keys;
}

const std::vector<DecimalsKey> DecimalsCatalogue = DecimalsKeys(Calculators);

const std::array<const char*, 3> TLChoiceKeys = {"TL Line", "TL Length Unit", "TL Frequency Unit"};
const std::array<int, 3> TLChoiceCounts = {5, 3, 4};

namespace {

const char* const NCLocationKey = "NC New Entry Location";
const char* const TabKey = "Tab";
const char* const RiseTimeKey = "TR System Rise Time";

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
    InKeptOrder(
        catalogue,
        [&](const DecimalsKey& key) {
            state.Decimals[key.tab][key.box] = decimalsCode(store.read(key.key, key.fallback));
        },
        [&] { state.NCNewEntryLocation = store.read(NCLocationKey, "0001"); },
        [&] {
            // An option index the tab has; anything else keeps the first user's choice.
            for (size_t i = 0; i < TLChoiceKeys.size(); ++i) {
                const std::string text = store.read(TLChoiceKeys[i], "");
                const double v = TextValue(text);
                if (!text.empty() && v >= 0 && v < TLChoiceCounts[i] && v == std::floor(v))
                    state.TLChoices[i] = static_cast<int16_t>(v);
            }
        });
    state.DecimalsAtStart = state.Decimals;
    state.TLChoicesAtStart = state.TLChoices;
    state.StartTab = startTab(store.read(TabKey, "0"), catalogue);
    const double riseTime = TextValue(store.read(RiseTimeKey, ""));
    state.Values[TabTR][2] = std::isfinite(riseTime) ? riseTime : 0.0;
}

void SaveSettings(SettingsStore& store, const CalculationState& state, int currentTab,
                  Catalogue catalogue) {
    InKeptOrder(
        catalogue,
        [&](const DecimalsKey& key) {
            if (state.DecimalsChanged[key.tab][key.box])
                store.write(key.key, DecimalsText(state.Decimals[key.tab][key.box]));
        },
        [&] {
            if (state.NCEntryLocationChanged)
                store.write(NCLocationKey, state.NCNewEntryLocation);
        },
        [&] {
            for (size_t i = 0; i < TLChoiceKeys.size(); ++i)
                if (state.TLChoices[i] != state.TLChoicesAtStart[i])
                    store.write(TLChoiceKeys[i], std::to_string(state.TLChoices[i]));
        });
    if (state.TRSysRiseTimeChanged)
        store.write(RiseTimeKey, state.TRSysRiseTimeText);
    if (currentTab != state.StartTab)
        store.write(TabKey, std::to_string(currentTab));
}

std::string DecimalsText(float code) {
    return NumberTextSingle(code);
}

} // namespace oq
