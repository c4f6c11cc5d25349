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

// The window's place has a section of its own; the calculation settings keep theirs to themselves.
TEST(SettingsFile, OtherSectionsStayApart) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Calculations.ini"));
    {
        QSettingsStore store(path);
        store.write("Tab", "7");
        store.writeIn("Window", "Left", "40");
        store.sync();
    }
    const QSettings ini(path, QSettings::IniFormat);
    EXPECT_EQ(ini.value(QStringLiteral("Window/Left")).toString(), QStringLiteral("40"));
    EXPECT_EQ(ini.value(QStringLiteral("Settings/Tab")).toString(), QStringLiteral("7"));
    EXPECT_FALSE(ini.contains(QStringLiteral("Settings/Left")));
    QSettingsStore again(path);
    EXPECT_EQ(again.readIn("Window", "Left", ""), "40");
    EXPECT_EQ(again.read("Left", "none"), "none");
    EXPECT_EQ(again.readIn("Window", "Tab", "none"), "none");
}

// Every key the program reads, as the program writes them, each decimals code naming its box:
// 20 + tab + box / 10. A misspelt or misplaced key reads its default instead.
const char* const EverySetting = R"([Settings]
    RP%20Voltage%20Decimals=" 20"
    RP%20Resistor%20Decimals=" 20.1"
    RP%20Current%20Decimals=" 20.2"
    RP%20Power%20Decimals=" 20.3"
    VD%20Voltage1%20Decimals=" 21"
    VD%20Voltage2%20Decimals=" 21.1"
    VD%20Resistor1%20Decimals=" 21.2"
    VD%20Resistor2%20Decimals=" 21.3"
    VD%20Resistor%20Sum%20Decimals=" 21.4"
    PR%20Resistor%20Decimals=" 22"
    PR%20Resistor1%20Decimals=" 22.1"
    PR%20Resistor2%20Decimals=" 22.2"
    PI%20Z1%20Decimals=" 23"
    PI%20Z2%20Decimals=" 23.1"
    PI%20Attenuation%20Decimals=" 23.2"
    PI%20Resistor1%20Decimals=" 23.3"
    PI%20Resistor2%20Decimals=" 23.4"
    PI%20Resistor3%20Decimals=" 23.5"
    PI%20Reverse%20Attenuation%20Decimals=" 23.6"
    T%20Z1%20Decimals=" 24"
    T%20Z2%20Decimals=" 24.1"
    T%20Attenuation%20Decimals=" 24.2"
    T%20Resistor1%20Decimals=" 24.3"
    T%20Resistor2%20Decimals=" 24.4"
    T%20Resistor3%20Decimals=" 24.5"
    T%20Reverse%20Attenuation%20Decimals=" 24.6"
    NC%20New%20Entry%20Location=1010
    DB1%20Times%20Decimals=" 26"
    DB1%20Percent%20Decimals=" 26.1"
    DB1%20dB%20Decimals=" 26.2"
    DB2%20dB%20Decimals=" 27"
    DB2%20RMS%20Voltage%20Decimals=" 27.1"
    DB2%20P-P%20Voltage%20Decimals=" 27.2"
    DB2%20Power%20Decimals=" 27.3"
    TR%20Rise%20Time%20Decimals=" 28"
    TR%20Bandwidth%20Decimals=" 28.1"
    TR%20Sys%20Tr%20Decimals=" 28.2"
    TR%20Meas%20or%20Exp%20Decimals=" 28.3"
    TR%20DUT%20Tr%20Decimals=" 28.4"
    SR%20Resistor%20Decimals=" 29"
    SR%20Resistor1%20Decimals=" 29.1"
    SR%20Resistor2%20Decimals=" 29.2"
    CZ%20Frequency%20Decimals=" 30"
    CZ%20Capacitance%20Decimals=" 30.1"
    CZ%20Impedance%20Decimals=" 30.2"
    LZ%20Frequency%20Decimals=" 31"
    LZ%20Inductance%20Decimals=" 31.1"
    LZ%20Impedance%20Decimals=" 31.2"
    NO%20Resistor1%20Decimals=" 32"
    NO%20Resistor2%20Decimals=" 32.1"
    NO%20Resistor%20Sum%20Decimals=" 32.2"
    NO%20Gain%20Decimals=" 32.3"
    IO%20Resistor1%20Decimals=" 33"
    IO%20Resistor2%20Decimals=" 33.1"
    IO%20Resistor%20Sum%20Decimals=" 33.2"
    IO%20Gain%20Decimals=" 33.3"
    SV%20Value%20Decimals=" 34"
    RC%20Target%20Decimals=" 35"
    RC%20Excluded1%20Decimals=" 35.1"
    RC%20Excluded2%20Decimals=" 35.2"
    RC%20Excluded3%20Decimals=" 35.3"
    TL%20Er%20Decimals=" 41"
    TL%20Height%20Decimals=" 41.1"
    TL%20Width%20Decimals=" 41.2"
    TL%20Thickness%20Decimals=" 41.3"
    TL%20Gap%20Decimals=" 41.4"
    TL%20Loss%20Tangent%20Decimals=" 41.5"
    TL%20Conductivity%20Decimals=" 41.6"
    TL%20Frequency%20Decimals=" 41.7"
    TL%20Length%20Decimals=" 41.8"
    TL%20Impedance%20Decimals=" 41.9"
    TL%20Eeff%20Decimals=" 42"
    TL%20Velocity%20Decimals=" 42.1"
    TL%20Angle%20Decimals=" 42.2"
    TL%20Conductor%20Loss%20Decimals=" 42.3"
    TL%20Dielectric%20Loss%20Decimals=" 42.4"
    TL%20Skin%20Depth%20Decimals=" 42.5"
    TL%20Line=2
    TL%20Length%20Unit=1
    TL%20Frequency%20Unit=0
    Tab=7
    TR%20System%20Rise%20Time=2.5
)";

TEST(SettingsFile, EveryKeyIsReadIntoItsPlace) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Calculations.ini"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(EverySetting);
    file.close();
    QSettingsStore store(path);
    CalculationState st;
    LoadSettings(store, st);
    // The file holds the first fourteen calculators' keys.
    for (const DecimalsKey& key : DecimalsCatalogue) {
        if (key.tab < TabSV) {
            EXPECT_FLOAT_EQ(st.Decimals[key.tab][key.box], 20.0f + key.tab + key.box / 10.0f)
                << key.key;
        }
    }
    EXPECT_EQ(st.NCNewEntryLocation, "1010");
    EXPECT_EQ(st.Choices[TabTL], (std::array<int16_t, MaxChoices>{2, 1, 0, 0}));
    EXPECT_EQ(st.StartTab, 7);
    EXPECT_EQ(st.Values[TabTR][2], 2.5);
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
