#pragma once

#include "model/settings.h"

#include <QMap>
#include <QSettings>

namespace oq {

// The settings store as a per-user INI file:
// $XDG_CONFIG_HOME/Calculations/Calculations.ini on Linux, group "Settings".
//
// Writing rewrites the whole file from what was parsed, so a file the parser could not read in
// full would lose the rest at the first write. Before that write such a file is copied beside
// it (Calculations.ini.bak); a file that cannot even be copied is left alone and nothing is saved.
//
// QSettings reports success when a full disk cuts its write short, and the file is then empty or
// cut. sync() keeps the old file under a second name (Calculations.ini.old) while it writes, reads
// the new file back, and puts the old one back when the new one lost anything.
class QSettingsStore : public SettingsStore {
  public:
    QSettingsStore();
    // A store over the given file, for a test that needs a file of its own.
    explicit QSettingsStore(const QString& path);
    std::string read(const std::string& key, const std::string& fallback) override;
    void write(const std::string& key, const std::string& text) override;
    std::string readIn(const std::string& group, const std::string& key,
                       const std::string& fallback) override;
    void writeIn(const std::string& group, const std::string& key,
                 const std::string& text) override;
    void sync() override;

    QString fileName() const { return settings_.fileName(); }
    // Where the damaged file was kept this session; empty when nothing needed keeping.
    QString backupName() const { return backup_; }

  private:
    // Runs once, before the first write: false when the file must not be written.
    bool mayWrite();

    // Whether the file on disk gives back every text this session wrote.
    bool readsBack() const;

    QSettings settings_;
    QMap<QString, QString> written_; // key with its group, and the text
    enum class Guard { Unchecked, Writable, Refused } guard_ = Guard::Unchecked;
    QString backup_;
};

// Whether an INI text would come back unchanged from a read and a rewrite: no line that the
// parser skips, drops (comments, the rest after a bare ";") or joins to the next one (a trailing
// backslash, an open quote), no bytes that are not text, and no value the parser could not load
// (parsed holds the text as QSettings read it).
bool IniReadsBackCleanly(const QByteArray& text, const QSettings& parsed);

} // namespace oq
