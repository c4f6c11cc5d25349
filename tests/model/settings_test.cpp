#include "memory_store.h"
#include "model/settings.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace oq {
namespace {

TEST(Settings, FreshUserGetsDefaultsAndReadsEveryKeyInOrder) {
    MemoryStore store;
    CalculationState st;
    LoadSettings(store, st);
    EXPECT_FLOAT_EQ(st.Decimals[TabRP][0], 1.2f);
    EXPECT_FLOAT_EQ(st.Decimals[TabTR][1], 1.2f);
    for (int b = 2; b <= 4; ++b)
        EXPECT_FLOAT_EQ(st.Decimals[TabTR][b], 1.1f);
    EXPECT_EQ(st.StartTab, 0);
    EXPECT_EQ(st.NCNewEntryLocation, "0001");
    EXPECT_EQ(st.Values[TabTR][2], 0.0);

    // Every decimals key, the number tab's entry location, the kept choices (seven of the track
    // width, seven of the via, two of the spacing, one of the wavelength, three of the
    // transmission line), then the tab and the rise time.
    ASSERT_EQ(store.reads.size(), DecimalsCatalogue.size() + 23);
    EXPECT_EQ(store.reads[0], "RP Voltage Decimals");
    EXPECT_EQ(store.reads[25], "T Reverse Attenuation Decimals");
    EXPECT_EQ(store.reads[26], "NC New Entry Location");
    EXPECT_EQ(store.reads[27], "DB1 Times Decimals");
    EXPECT_EQ(store.reads[55], "IO Gain Decimals");
    EXPECT_EQ(store.reads[56], "SV Value Decimals");
    EXPECT_EQ(store.reads[57], "RC Target Decimals");
    EXPECT_EQ(store.reads[61], "REG Vout Decimals");
    // A calculator's choices follow its decimals keys.
    const auto at = [&](const char* key) {
        return std::find(store.reads.begin(), store.reads.end(), key) - store.reads.begin();
    };
    EXPECT_EQ(at("ES Spacing Unit"), at("ES Spacing Decimals") + 1);
    EXPECT_EQ(at("ES Column"), at("ES Spacing Unit") + 1);
    EXPECT_EQ(at("WL Length Unit"), at("WL Quarter Wavelength Decimals") + 1);
    EXPECT_EQ(at("TL Line"), at("TL Skin Depth Decimals") + 1);
    const size_t n = store.reads.size();
    EXPECT_EQ(store.reads[n - 2], "Tab");
    EXPECT_EQ(store.reads[n - 1], "TR System Rise Time");
    // A fresh user's: spacing in mm in column B1, wavelengths in mm; a microstrip line, lengths in
    // mm, frequency in GHz.
    EXPECT_EQ(st.Choices[TabES][0], 0);
    EXPECT_EQ(st.Choices[TabES][1], 0);
    EXPECT_EQ(st.Choices[TabWL][0], 1);
    EXPECT_EQ(st.Choices[TabTL], (std::array<int16_t, MaxChoices>{0, 0, 3, 0}));

    SaveSettings(store, st, 0);
    EXPECT_TRUE(store.writes.empty());
}

TEST(Settings, StoredTextsAreReadTolerantly) {
    struct Case {
        const char* key;
        const char* stored;
        int tab, box;
        float code;
    };
    const Case cases[] = {
        {"RP Power Decimals", " 1.3", TabRP, 3, 1.3f},
        {"VD Voltage1 Decimals", "104", TabVD, 0, 104.0f},
        {"DB1 dB Decimals", "garbage", TabDB1, 2, 0.0f},     // damaged: free form
        {"CZ Frequency Decimals", "", TabCZ, 0, 0.0f},       // empty: free form
        {"IO Gain Decimals", "1E99", TabIO, 3, 0.0f},        // beyond single precision
        {"LZ Impedance Decimals", " 101", TabLZ, 2, 101.0f}, // used as it stands
    };
    MemoryStore store;
    for (const Case& c : cases)
        store.values[c.key] = c.stored;
    CalculationState st;
    LoadSettings(store, st);
    for (const Case& c : cases) {
        EXPECT_FLOAT_EQ(st.Decimals[c.tab][c.box], c.code) << c.key;
        EXPECT_FLOAT_EQ(st.DecimalsAtStart[c.tab][c.box], c.code) << c.key;
    }
}

TEST(Settings, StartTabFallsBackToTheFirstTab) {
    const std::pair<const char*, int> cases[] = {
        {"7", 7},  {" 14", 14},  {"2.5", 2},   {"3.5", 4}, {"22", 0},
        {"-1", 0}, {"99999", 0}, {"1E300", 0}, {"tab", 0}, {"", 0},
    };
    for (const auto& [stored, expected] : cases) {
        MemoryStore store;
        store.values["Tab"] = stored;
        CalculationState st;
        LoadSettings(store, st);
        EXPECT_EQ(st.StartTab, expected) << '"' << stored << '"';
    }
}

TEST(Settings, OnlyChangedValuesAreWrittenInCatalogueOrder) {
    MemoryStore store;
    CalculationState st;
    LoadSettings(store, st);
    st.Decimals[TabIO][3] = 103.0f;
    st.DecimalsChanged[TabIO][3] = true;
    st.Decimals[TabRP][1] = 1.0f;
    st.DecimalsChanged[TabRP][1] = true;
    st.Decimals[TabDB1][0] = 0.0f;
    st.DecimalsChanged[TabDB1][0] = true;
    st.NCEntryLocationChanged = true;
    st.NCNewEntryLocation = "0100";
    st.TRSysRiseTimeChanged = true;
    st.TRSysRiseTimeText = "3.5";
    SaveSettings(store, st, 7);

    const std::vector<std::pair<std::string, std::string>> expected = {
        {"RP Resistor Decimals", " 1"}, {"NC New Entry Location", "0100"},
        {"DB1 Times Decimals", " 0"},   {"IO Gain Decimals", " 103"},
        {"TR System Rise Time", "3.5"}, {"Tab", "7"},
    };
    EXPECT_EQ(store.writes, expected);
}

// A stored choice that is no whole number among the options reads as a fresh user's; a choice
// is written only when it differs from what the start read.
TEST(Settings, ChoicesAreReadTolerantlyAndWrittenWhenChanged) {
    const std::pair<const char*, int16_t> cases[] = {
        {"2", 2}, {" 1", 1}, {"6", 0}, {"-1", 0}, {"1.5", 0}, {"B3", 0}, {"", 0}, {"1E300", 0},
    };
    for (const auto& [stored, expected] : cases) {
        MemoryStore store;
        store.values["ES Spacing Unit"] = stored; // mm, mil, inch
        CalculationState st;
        LoadSettings(store, st);
        EXPECT_EQ(st.Choices[TabES][0], expected) << '"' << stored << '"';
    }

    MemoryStore store;
    store.values["ES Column"] = "6";
    CalculationState st;
    LoadSettings(store, st);
    EXPECT_EQ(st.Choices[TabES][1], 6);
    st.Choices[TabWL][0] = 3;
    st.Choices[TabES][0] = 1;
    st.Choices[TabES][0] = 0; // back to what it was: nothing to write
    SaveSettings(store, st, 0);
    const std::vector<std::pair<std::string, std::string>> expected = {{"WL Length Unit", "3"}};
    EXPECT_EQ(store.writes, expected);
}

} // namespace
} // namespace oq

namespace oq {
namespace {

// The regulator list: the generic five until the user changes it, then read back as written; a
// damaged entry is dropped, the others kept.
TEST(Settings, RegulatorListIsKeptOnlyOnceChanged) {
    MemoryStore store;
    CalculationState st;
    LoadSettings(store, st);
    ASSERT_EQ(st.Regulators.size(), 5u);
    EXPECT_EQ(st.Regulators[0].name, "Three-terminal 1.25 V");
    SaveSettings(store, st, 0);
    EXPECT_TRUE(store.groupWrites.empty());

    st.Regulators.erase(st.Regulators.begin() + 1);
    st.Regulators.push_back(
        {"Mine, 0.5 V", {RegulatorKind::ThreeTerminal, {0.49, 0.5, 0.51}, {1e-6, 2.5e-6, 5e-6}}});
    st.RegulatorsChanged = true;
    SaveSettings(store, st, 0);
    CalculationState back;
    LoadSettings(store, back);
    ASSERT_EQ(back.Regulators.size(), 5u);
    for (size_t i = 0; i < 5; ++i) {
        const RegulatorEntry &a = st.Regulators[i], &b = back.Regulators[i];
        EXPECT_EQ(a.name, b.name);
        EXPECT_EQ(a.data.kind, b.data.kind);
        for (auto [x, y] : {std::pair{a.data.vref.min, b.data.vref.min},
                            {a.data.vref.max, b.data.vref.max},
                            {a.data.iadj.typ, b.data.iadj.typ}})
            EXPECT_DOUBLE_EQ(x, y) << a.name;
    }

    store.groupValues["Regulators/2 Vref"] = "1.3 1.25";     // a figure missing
    store.groupValues["Regulators/3 Kind"] = "Switching";    // no such kind
    store.groupValues["Regulators/4 Vref"] = "1.3 1.25 1.4"; // out of order
    CalculationState damaged;
    LoadSettings(store, damaged);
    ASSERT_EQ(damaged.Regulators.size(), 2u);
    EXPECT_EQ(damaged.Regulators[1].name, "Mine, 0.5 V");
}

} // namespace
} // namespace oq
