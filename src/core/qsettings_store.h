#pragma once

#include "model/settings.h"

#include <QSettings>

namespace oq {

// The settings store as a per-user INI file:
// $XDG_CONFIG_HOME/Calculations/Calculations.ini on Linux, group "Settings".
class QSettingsStore : public SettingsStore {
  public:
    QSettingsStore();
    std::string read(const std::string& key, const std::string& fallback) override;
    void write(const std::string& key, const std::string& text) override;
    void sync() override;

  private:
    QSettings settings_;
};

} // namespace oq
