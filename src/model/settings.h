#pragma once

#include "model/catalogue.h"
#include "model/shared_state.h"

#include <array>
#include <string>
#include <vector>

namespace oq {

// The per-user key-value store: application "Calculations", section "Settings", text values.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    virtual std::string read(const std::string& key, const std::string& fallback) = 0;
    virtual void write(const std::string& key, const std::string& text) = 0;
    // The same in another section of the file ("Window"): what is not a calculation setting
    // stays out of "Settings".
    virtual std::string readIn(const std::string& group, const std::string& key,
                               const std::string& fallback) = 0;
    virtual void writeIn(const std::string& group, const std::string& key,
                         const std::string& text) = 0;
    // Makes what was written durable; called once at closing.
    virtual void sync() {}
};

struct DecimalsKey {
    const char* key;
    int tab;
    int box;
    const char* fallback;
};

// The decimals key of every number box of the catalogue's calculators that has one, in the order
// the keys are read and written: by calculator, then by box.
std::vector<DecimalsKey> DecimalsKeys(Catalogue catalogue);
// The program's own.
extern const std::vector<DecimalsKey> DecimalsCatalogue;

// Reads every setting into the shared state, tolerating missing and damaged values.
void LoadSettings(SettingsStore& store, CalculationState& state, Catalogue catalogue = Calculators);

// Writes back what changed since start-up; `currentTab` is the tab in front.
void SaveSettings(SettingsStore& store, const CalculationState& state, int currentTab,
                  Catalogue catalogue = Calculators);

// The text form of a decimals code, blank included: " 1.2", " 103".
std::string DecimalsText(float code);

} // namespace oq
