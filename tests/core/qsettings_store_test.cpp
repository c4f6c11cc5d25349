#include "core/qsettings_store.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

namespace oq {
namespace {

// The real store: a per-user INI file in the folder the test run points XDG_CONFIG_HOME at.
TEST(SettingsFile, KeepsTextsAcrossStores) {
    const QString path = QDir(qEnvironmentVariable("XDG_CONFIG_HOME"))
                             .filePath(QStringLiteral("Calculations/Calculations.ini"));
    QFile::remove(path);
    {
        QSettingsStore store;
        store.write("RP Power Decimals", " 1.4");
        store.write("Tab", "7");
        store.sync();
    }
    ASSERT_TRUE(QFile::exists(path));
    QSettings ini(path, QSettings::IniFormat);
    EXPECT_EQ(ini.value(QStringLiteral("Settings/RP Power Decimals")).toString(),
              QStringLiteral(" 1.4"));
    QSettingsStore again;
    EXPECT_EQ(again.read("RP Power Decimals", "1.2"), " 1.4");
    EXPECT_EQ(again.read("Tab", "0"), "7");
    EXPECT_EQ(again.read("RP Voltage Decimals", "1.2"), "1.2");
    QFile::remove(path);
}

} // namespace
} // namespace oq
