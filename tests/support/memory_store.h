#pragma once

#include "model/settings.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace oq {

// A settings store in memory that remembers the order of reads and writes.
class MemoryStore : public SettingsStore {
  public:
    std::map<std::string, std::string> values;
    std::vector<std::string> reads;
    std::vector<std::pair<std::string, std::string>> writes;
    // The other sections, kept apart so that "writes" lists the calculation settings alone;
    // keys read "Group/Key".
    std::map<std::string, std::string> groupValues;
    std::vector<std::pair<std::string, std::string>> groupWrites;

    std::string read(const std::string& key, const std::string& fallback) override {
        reads.push_back(key);
        const auto it = values.find(key);
        return it == values.end() ? fallback : it->second;
    }
    void write(const std::string& key, const std::string& text) override {
        writes.emplace_back(key, text);
        values[key] = text;
    }
    std::string readIn(const std::string& group, const std::string& key,
                       const std::string& fallback) override {
        const auto it = groupValues.find(group + '/' + key);
        return it == groupValues.end() ? fallback : it->second;
    }
    void writeIn(const std::string& group, const std::string& key,
                 const std::string& text) override {
        groupWrites.emplace_back(group + '/' + key, text);
        groupValues[group + '/' + key] = text;
    }
};

} // namespace oq
