#include "model/settings.h"

#include "model/notation.h"

#include <cmath>
#include <limits>

namespace oq {

namespace {
// Visits the settings of the catalogue's calculators in the order they are read and written:
// calculator by calculator, each box's decimals key, then each of its choices, with the number
// tab's entry location in the number tab's place.
template <typename OnKey, typename OnLocation, typename OnChoice>
void InKeptOrder(Catalogue catalogue, OnKey onKey, OnLocation onLocation, OnChoice onChoice) {
    for (const CalculatorEntry& c : catalogue) {
        if (c.index == TabNC)
            onLocation();
        for (int b = 0; b < c.boxCount; ++b)
            if (const CatalogueBox& box = c.boxes[static_cast<size_t>(b)]; box.decimalsKey)
                onKey(DecimalsKey{box.decimalsKey, c.index, b, box.decimalsDefault});
        for (int k = 0; k < MaxChoices; ++k)
            if (const CatalogueChoice& choice = c.choices[static_cast<size_t>(k)]; choice.key)
                onChoice(c.index, k, choice);
    }
}
} // namespace

std::vector<DecimalsKey> DecimalsKeys(Catalogue catalogue) {
    std::vector<DecimalsKey> keys;
    InKeptOrder(
        catalogue, [&](const DecimalsKey& key) { keys.push_back(key); }, [] {},
        [](int, int, const CatalogueChoice&) {});
    return keys;
}

const std::vector<DecimalsKey> DecimalsCatalogue = DecimalsKeys(Calculators);

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

// A stored choice: a whole number among the choice's options, else what a fresh user gets.
int16_t choiceNumber(const std::string& text, const CatalogueChoice& choice) {
    const double v = TextValue(text);
    if (!(v >= 0 && v < choice.options) || v != std::floor(v))
        return static_cast<int16_t>(choice.fallback);
    return static_cast<int16_t>(v);
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
        [&](int tab, int k, const CatalogueChoice& choice) {
            state.Choices[tab][k] =
                choiceNumber(store.read(choice.key, std::to_string(choice.fallback)), choice);
        });
    state.DecimalsAtStart = state.Decimals;
    state.ChoicesAtStart = state.Choices;
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
        [&](int tab, int k, const CatalogueChoice& choice) {
            if (state.Choices[tab][k] != state.ChoicesAtStart[tab][k])
                store.write(choice.key, std::to_string(state.Choices[tab][k]));
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
