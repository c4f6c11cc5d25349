#include "model/settings.h"

#include "model/notation.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

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

// The regulator list, in a group of its own: "Count", then per entry "<n> Name", "<n> Kind",
// "<n> Vref" and "<n> Iadj" (min, typical and max, blank-separated, in volts and amperes).
const char* const RegulatorGroup = "Regulators";
constexpr int MostRegulators = 100;

std::string SpreadText(const Spread& s) {
    std::string text;
    for (double v : {s.min, s.typ, s.max}) {
        if (!text.empty())
            text += ' ';
        text += FormatFixedTrim(v, 0);
    }
    return text;
}

std::optional<Spread> ReadSpread(const std::string& text) {
    std::array<double, 3> v{};
    size_t at = 0;
    for (double& x : v) {
        const size_t start = text.find_first_not_of(' ', at);
        if (start == std::string::npos)
            return std::nullopt;
        at = text.find(' ', start);
        const std::string word = text.substr(start, at - start);
        x = TextValue(word);
        if (!std::isfinite(x) || std::fabs(x) >= 1e300)
            return std::nullopt;
    }
    return Spread{v[0], v[1], v[2]};
}

std::vector<RegulatorEntry> LoadRegulators(SettingsStore& store) {
    const std::string count = store.readIn(RegulatorGroup, "Count", "");
    if (count.empty())
        return RegulatorPresets();
    const double n = std::min<double>(TextValue(count), MostRegulators);
    std::vector<RegulatorEntry> list;
    for (int i = 1; i <= n; ++i) {
        const std::string at = std::to_string(i) + " ";
        RegulatorEntry e;
        e.name = store.readIn(RegulatorGroup, at + "Name", "");
        const std::string kind = store.readIn(RegulatorGroup, at + "Kind", "");
        const auto vref = ReadSpread(store.readIn(RegulatorGroup, at + "Vref", ""));
        const auto iadj = ReadSpread(store.readIn(RegulatorGroup, at + "Iadj", "0 0 0"));
        if (e.name.empty() || (kind != "Standard" && kind != "Three-terminal") || !vref || !iadj)
            continue; // damaged: the others are kept
        e.data = {kind == "Standard" ? RegulatorKind::Standard : RegulatorKind::ThreeTerminal,
                  *vref, *iadj};
        if (RegulatorFiguresProblem(e.data).empty() && e.data.vref.typ > 0)
            list.push_back(e);
    }
    return list;
}

void SaveRegulators(SettingsStore& store, const std::vector<RegulatorEntry>& list) {
    store.writeIn(RegulatorGroup, "Count", std::to_string(list.size()));
    for (size_t i = 0; i < list.size(); ++i) {
        const std::string at = std::to_string(i + 1) + " ";
        const RegulatorEntry& e = list[i];
        store.writeIn(RegulatorGroup, at + "Name", e.name);
        store.writeIn(RegulatorGroup, at + "Kind",
                      e.data.kind == RegulatorKind::Standard ? "Standard" : "Three-terminal");
        store.writeIn(RegulatorGroup, at + "Vref", SpreadText(e.data.vref));
        store.writeIn(RegulatorGroup, at + "Iadj", SpreadText(e.data.iadj));
    }
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
    state.Regulators = LoadRegulators(store);
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
    if (state.RegulatorsChanged)
        SaveRegulators(store, state.Regulators);
}

std::string DecimalsText(float code) {
    return NumberTextSingle(code);
}

} // namespace oq
