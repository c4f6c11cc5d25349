#include "core/qsettings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

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

QByteArray Garbage(qsizetype size) {
    QByteArray bytes(size, '\0');
    QRandomGenerator random(15);
    for (char& c : bytes)
        c = static_cast<char>(random.bounded(256));
    return bytes;
}

// One start and one close of the program over the store: what it read, and whether the file
// as it was is still there, as the file itself or as a copy.
struct Session {
    SharedState state; // as read at the start
    bool kept = true;
    QString backup;
};

Session StartAndClose(const QString& path) {
    const QByteArray before = Contents(path);
    const bool existed = QFileInfo(path).isFile();
    Session s;
    QSettingsStore store(path);
    LoadSettings(store, s.state);
    // A user who changed a decimals code and closed on another tab: two keys to write.
    SharedState closing = s.state;
    closing.Decimals[TabRP][3] = 1.4f;
    closing.DecimalsChanged[TabRP][3] = true;
    SaveSettings(store, closing, 5);
    store.sync();
    s.backup = store.backupName();
    if (existed && Contents(path) != before)
        s.kept = !s.backup.isEmpty() && Contents(s.backup) == before;
    return s;
}

bool Defaults(const SharedState& state) {
    for (const DecimalsKey& key : DecimalsCatalogue)
        if (state.Decimals[key.tab][key.box] != static_cast<float>(std::stod(key.fallback)))
            return false;
    return state.StartTab == 0;
}

struct Damage {
    const char* name;
    // Prepares the folder; returns the settings path.
    std::function<QString(const QDir&)> make;
    bool defaults; // the program starts as for a fresh user
    bool backedUp; // a copy of the file is kept
};

TEST(SettingsFile, DamagedOrUnreachableFilesStartWithDefaultsAndLoseNothing) {
    const QByteArray issueExample = "[Settings]\nTab=3\nx\\\n[Mine]\nkeep=1\n";
    const Damage cases[] = {
        {"garbage",
         [](const QDir& d) {
             Put(d.filePath("Calculations.ini"), Garbage(64 * 1024));
             return d.filePath("Calculations.ini");
         },
         true, true},
        {"ten megabytes",
         [](const QDir& d) {
             Put(d.filePath("Calculations.ini"), Garbage(10 * 1024 * 1024));
             return d.filePath("Calculations.ini");
         },
         true, true},
        {"a line the reader joins to the next group",
         [&](const QDir& d) {
             Put(d.filePath("Calculations.ini"), issueExample);
             return d.filePath("Calculations.ini");
         },
         false, true},
        {"a folder where the file should be",
         [](const QDir& d) {
             d.mkdir("Calculations.ini");
             return d.filePath("Calculations.ini");
         },
         true, false},
        {"a file where the folder should be",
         [](const QDir& d) {
             Put(d.filePath("Calculations"), "not a folder");
             return d.filePath("Calculations/Calculations.ini");
         },
         true, false},
    };
    for (const Damage& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = c.make(QDir(dir.path()));
        const Session s = StartAndClose(path);
        EXPECT_TRUE(s.kept);
        EXPECT_EQ(Defaults(s.state), c.defaults);
        EXPECT_EQ(!s.backup.isEmpty(), c.backedUp);
        EXPECT_EQ(QFileInfo(s.backup).fileName(), c.backedUp ? "Calculations.ini.bak" : "");
    }
}

TEST(SettingsFile, UnreadableFileIsLeftAsItIs) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("Calculations.ini");
    Put(path, "[Settings]\nTab=3\n[Mine]\nkeep=1\n");
    QFile::setPermissions(path, QFileDevice::Permissions());
    QFile probe(path);
    if (probe.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "permissions do not stop this user from reading";
    const Session s = StartAndClose(path);
    EXPECT_TRUE(Defaults(s.state));
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(Contents(path), QByteArray("[Settings]\nTab=3\n[Mine]\nkeep=1\n"));
}

TEST(SettingsFile, UnwritableFolderKeepsTheFileAndStarts) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("Calculations.ini");
    Put(path, "[Settings]\nTab=3\n");
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QFile probe(QDir(dir.path()).filePath("probe"));
    const bool writable = probe.open(QIODevice::WriteOnly);
    probe.remove();
    const Session s = StartAndClose(path);
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(s.state.StartTab, 3);
    if (!writable) {
        EXPECT_EQ(Contents(path), QByteArray("[Settings]\nTab=3\n"));
    }
}

// A damaged file is kept once: the rewrite is clean, so the next session copies nothing, and
// an older copy is never overwritten.
TEST(SettingsFile, CopyIsMadeOnceAndNeverOverwritten) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("Calculations.ini");
    Put(path + ".bak", "older copy");
    Put(path, "[Settings]\n; a note of the user\nTab=2\n");
    const Session first = StartAndClose(path);
    EXPECT_EQ(QFileInfo(first.backup).fileName(), "Calculations.ini.bak.2");
    EXPECT_EQ(Contents(path + ".bak"), QByteArray("older copy"));
    EXPECT_EQ(first.state.StartTab, 2);
    const Session second = StartAndClose(path);
    EXPECT_EQ(second.backup, QString());
    EXPECT_EQ(second.state.StartTab, 5);
    EXPECT_EQ(second.state.Decimals[TabRP][3], 1.4f);
}

TEST(SettingsFile, WhatReadsBackCleanly) {
    const std::pair<const char*, bool> texts[] = {
        {"", true},
        {"[Settings]\nTab=7\nRP%20Power%20Decimals=\" 1.4\"\n\n[General]\n", true},
        {"[Settings]\r\nTab = 7\r\n", true},
        {"[Settings]\n; note\nTab=7\n", false},
        {"[Settings]\nTab=7\\\n[Other]\nk=v\n", false},
        {"[Settings]\nno value here\n", false},
        {"[Settings]\n=7\n", false},
        {"[Settings]\nTab=\x01\n", false},
        {"[Settings]\nTab=\xff\xfe\n", false},
    };
    for (const auto& [text, clean] : texts)
        EXPECT_EQ(IniReadsBackCleanly(QByteArray(text)), clean) << text;
}

} // namespace
} // namespace oq
