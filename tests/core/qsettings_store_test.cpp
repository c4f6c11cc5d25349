#include "core/qsettings_store.h"
#include "file_size_limit.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
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

bool warned = false;

void NoteWarning(QtMsgType, const QMessageLogContext&, const QString& text) {
    warned = warned || text.startsWith(QStringLiteral("Calculations: "));
}

// Closing the program on a full disk: QSettings reports success over a file the disk cut short.
// The file as it was stays, byte for byte, the user is told, and nothing is left beside it.
TEST(SettingsFile, AFullDiskKeepsTheOlderFile) {
    // Longer than the limit, so the disk cuts the new file inside it.
    const QByteArray older = "[Settings]\nTab=3\nNote=" + QByteArray(3000, 'n') + "\n";
    struct Case {
        const char* what;
        std::optional<rlim_t> limit;
        bool saved;
    };
    const Case cases[] = {
        {"saved", std::nullopt, true},
        {"cut short after the lock file", 1024, false},
        {"refused from the lock file on", 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString path = QDir(dir.path()).filePath("Calculations.ini");
        {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(older);
        }
        const int answer = InChildWithFileSizeLimit(c.limit, [&] {
            qInstallMessageHandler(NoteWarning);
            QSettingsStore store(path);
            store.write("Tab", "5");
            store.sync();
            return warned ? 1 : 0;
        });
        EXPECT_EQ(answer, c.saved ? 0 : 1) << "1: the user is told";
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray now = f.readAll();
        if (c.saved) {
            EXPECT_TRUE(now.contains("Tab=5")) << now.toStdString();
            EXPECT_TRUE(now.contains(QByteArray(3000, 'n')));
        } else {
            EXPECT_EQ(now.toStdString(), older.toStdString());
        }
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{"Calculations.ini"});
    }
}

} // namespace
} // namespace oq
