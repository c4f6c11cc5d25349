#pragma once

#include "model/shared_state.h"

#include <array>
#include <string>

namespace oq {

// The per-user key-value store: application "Calculations", section "Settings", text values.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    virtual std::string read(const std::string& key, const std::string& fallback) = 0;
    virtual void write(const std::string& key, const std::string& text) = 0;
    // Makes what was written durable; called once at closing.
    virtual void sync() {}
};

struct DecimalsKey {
    const char* key;
    int tab;
    int box;
    const char* fallback;
};

// The decimals code of every number box, in the order the keys are read and written.
extern const std::array<DecimalsKey, 55> DecimalsCatalogue;

// Reads every setting into the shared state, tolerating missing and damaged values.
void LoadSettings(SettingsStore& store, SharedState& state);

// Writes back what changed since start-up; `currentTab` is the tab in front.
void SaveSettings(SettingsStore& store, const SharedState& state, int currentTab);

// The text form of a decimals code, blank included: " 1.2", " 103".
std::string DecimalsText(float code);

} // namespace oq
