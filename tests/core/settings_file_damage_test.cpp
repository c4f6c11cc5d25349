#include "core/qsettings_store.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <tuple>

namespace oq {
namespace {

QByteArray Contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Whether the text, read by QSettings from a file of its own, would come back from a rewrite.
bool ReadsBackCleanly(const QByteArray& text) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("Calculations.ini");
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size())
        return false;
    f.close();
    const QSettings parsed(path, QSettings::IniFormat);
    return IniReadsBackCleanly(text, parsed);
}

QByteArray Garbage(qsizetype size) {
    QByteArray bytes(size, '\0');
    QRandomGenerator random(15);
    for (char& c : bytes)
        c = static_cast<char>(random.bounded(256));
    return bytes;
}

// One start and one close of the program over the store: what it read, and where the file as it
// was is kept this session.
struct Session {
    CalculationState state; // as read at the start
    QString backup;
};

Session StartAndClose(const QString& path) {
    Session s;
    QSettingsStore store(path);
    LoadSettings(store, s.state);
    // A user who changed a decimals code and closed on another tab: two keys to write.
    CalculationState closing = s.state;
    closing.Decimals[TabRP][3] = 1.4f;
    closing.DecimalsChanged[TabRP][3] = true;
    SaveSettings(store, closing, 5);
    store.sync();
    s.backup = store.backupName();
    return s;
}

bool DefaultDecimals(const CalculationState& state) {
    for (const DecimalsKey& key : DecimalsCatalogue)
        if (state.Decimals[key.tab][key.box] != static_cast<float>(std::stod(key.fallback)))
            return false;
    return true;
}

enum Damage { Bytes, Text, FolderForFile, FileForFolder, Unreadable, UnwritableFolder, OlderCopy };

// Whatever the file, the program starts and nothing the user wrote is lost: the file is left as
// it was, or rewritten from a clean read, or copied once (never over an older copy) before the
// first write.
TEST(SettingsFile, DamagedOrUnreachableFilesStartAndLoseNothing) {
    const QByteArray mine = "[Settings]\nTab=3\n[Mine]\nkeep=1\n";
    // How it is damaged, the bytes, the start tab read, the copy made.
    const std::tuple<Damage, QByteArray, int, QString> cases[] = {
        {Bytes, Garbage(64 * 1024), 0, "Calculations.ini.bak"},
        {Bytes, Garbage(10 * 1024 * 1024), 0, "Calculations.ini.bak"},
        {Text, "[Settings]\nTab=3\nx\\\n[Mine]\nkeep=1\n", 3, "Calculations.ini.bak"},
        {Text, "[Settings]\nTab=3\nx=\"abc\n[Mine]\nkeep=1\n", 3, "Calculations.ini.bak"},
        {Text, "[Settings]\nTab=3\nx=@Variant(junk)\n[Mine]\nkeep=1\n", 3, "Calculations.ini.bak"},
        {OlderCopy, "[Settings]\n; a note of the user\nTab=2\n", 2, "Calculations.ini.bak.2"},
        {FolderForFile, "", 0, ""},
        {FileForFolder, "", 0, ""},
        {Unreadable, mine, 0, ""},
        {UnwritableFolder, mine, 3, ""},
    };
    for (const auto& [damage, bytes, startTab, copy] : cases) {
        SCOPED_TRACE(testing::Message() << "damage " << damage << ", " << bytes.size() << " bytes");
        QTemporaryDir dir;
        const QDir d(dir.path());
        QString path = d.filePath("Calculations.ini");
        if (damage == FolderForFile)
            d.mkdir("Calculations.ini");
        else if (damage == FileForFolder)
            Put(d.filePath("Calculations"), "not a folder");
        else
            Put(path, bytes);
        if (damage == FileForFolder)
            path = d.filePath("Calculations/Calculations.ini");
        if (damage == OlderCopy)
            Put(path + ".bak", "older copy");
        if (damage == Unreadable) {
            QFile::setPermissions(path, {});
            if (QFile(path).open(QIODevice::ReadOnly))
                continue; // permissions do not stop this user from reading
        }
        if (damage == UnwritableFolder)
            QFile::setPermissions(d.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);

        const Session s = StartAndClose(path);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QFile::setPermissions(d.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                            QFileDevice::ExeOwner);
        EXPECT_TRUE(DefaultDecimals(s.state));
        EXPECT_EQ(s.state.StartTab, startTab);
        EXPECT_EQ(QFileInfo(s.backup).fileName(), copy);
        const QByteArray now = Contents(path);
        EXPECT_TRUE(now == bytes || (!copy.isEmpty() && Contents(s.backup) == bytes) ||
                    (ReadsBackCleanly(bytes) && now.contains("keep=1")));
        // A damaged file is rewritten clean: the next start copies nothing and reads the save.
        const Session next = StartAndClose(path);
        EXPECT_EQ(next.backup, QString());
        if (!copy.isEmpty()) {
            EXPECT_EQ(next.state.StartTab, 5);
        }
    }
}

TEST(SettingsFile, WhatReadsBackCleanly) {
    const std::pair<const char*, bool> texts[] = {
        {"", true},
        {"[Settings]\nTab=7\nRP%20Power%20Decimals=\" 1.4\"\n\n[General]\n", true},
        {"[Settings]\r\nTab = 7\r\n", true},
        {"[Settings]\n; note\nTab=7\n", false},
        {"[Settings]\nTab=7\\\n[Other]\nk=v\n", false},
        {"[Settings]\nno value here\n", false},
        {"[Settings]\n=7\n", true},
        {"[Settings]\n=7\n = 8\n", false},
        {"[Settings]\nTab=3\n[Mine]\nk=1\n[Settings]\nTab=4\n", false},
        {"[A]\nk=1\n[B]\nk=2\n", true},
        {"[Settings]\nTab=\x01\n", false},
        {"[Settings]\nTab=\xff\xfe\n", false},
        // An open quote runs on into the next lines and swallows the group after it.
        {"[Settings]\nx=a\"b\n[Other]\nk=v\n", false},
        {"[Settings]\nx=\"abc\n[Other]\nk=v\n", false},
        // A bare ";" starts a comment: the rest of the value is dropped.
        {"[Settings]\nx=a;b\n[Other]\nk=v\n", false},
        // Bytes that are no value load as nothing and are rewritten as @Invalid().
        {"[Settings]\nx=@Variant(junk)\n[Other]\nk=v\n", false},
        {"[Settings]\nx=@Invalid()\n[Other]\nk=v\n", true},
        {"[Settings]\nx=\"a;b\", \"c\\\"d\"\n", true},
        {"[Settings]\nx=a,b\n", true},
        {"[Settings]\nx=C:\\\\\n", true},
    };
    for (const auto& [text, clean] : texts)
        EXPECT_EQ(ReadsBackCleanly(QByteArray(text)), clean) << text;
}

// What Qt writes itself reads back clean, or a damaged file rewritten by Qt would be copied again
// at every start.
TEST(SettingsFile, WhatQtWritesReadsBackCleanly) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("Calculations.ini");
    {
        QSettings ini(path, QSettings::IniFormat);
        const QVariant values[] = {" 1.2",
                                   "1.2 ",
                                   "a\"b",
                                   "a;b",
                                   "a,b",
                                   "a=b",
                                   "@at",
                                   "C:\\",
                                   "x\ny",
                                   QStringList{"a", " b"},
                                   QByteArray("\0\x01\xff;\"", 5),
                                   QDate(2024, 2, 29),
                                   QVariant()};
        int n = 0;
        for (const QVariant& value : values)
            ini.setValue(QStringLiteral("Settings/Key %1").arg(n++), value);
        ini.sync();
        ASSERT_EQ(ini.status(), QSettings::NoError);
    }
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    EXPECT_TRUE(text.contains("\" 1.2\"")) << text.toStdString();
    EXPECT_TRUE(text.contains("@Variant(")) << text.toStdString();
    EXPECT_TRUE(ReadsBackCleanly(text)) << text.toStdString();
}

} // namespace
} // namespace oq
