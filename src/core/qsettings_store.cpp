#include "core/qsettings_store.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace oq {

namespace {

// The text as the user wrote it: a hand-edited value with commas comes back as a list.
QString TextOf(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

// A second name for the file, made fresh. A hard link needs no free space on the disk, so it works
// when the disk is full, which is when it is needed; without hard links, a copy.
bool SecondName(const QString& path, const QString& name) {
    QFile::remove(name);
#ifdef Q_OS_UNIX
    if (::link(QFile::encodeName(path).constData(), QFile::encodeName(name).constData()) == 0)
        return true;
#endif
    return QFile::copy(path, name);
}

} // namespace

QSettingsStore::QSettingsStore()
    : settings_(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Calculations"),
                QStringLiteral("Calculations")) {}

QSettingsStore::QSettingsStore(const QString& path)
    : settings_(path, QSettings::IniFormat) {}

std::string QSettingsStore::read(const std::string& key, const std::string& fallback) {
    return readIn("Settings", key, fallback);
}

void QSettingsStore::write(const std::string& key, const std::string& text) {
    writeIn("Settings", key, text);
}

std::string QSettingsStore::readIn(const std::string& group, const std::string& key,
                                   const std::string& fallback) {
    const QString name =
        QString::fromStdString(group) + QLatin1Char('/') + QString::fromStdString(key);
    const QVariant value = settings_.value(name);
    if (!value.isValid())
        return fallback;
    return TextOf(value).toStdString();
}

void QSettingsStore::writeIn(const std::string& group, const std::string& key,
                             const std::string& text) {
    if (!mayWrite())
        return;
    const QString name =
        QString::fromStdString(group) + QLatin1Char('/') + QString::fromStdString(key);
    const QString value = QString::fromStdString(text);
    settings_.setValue(name, value);
    written_.insert(name, value);
}

void QSettingsStore::sync() {
    if (guard_ != Guard::Writable)
        return; // nothing was written
    const QString path = settings_.fileName();
    const QString old = path + QStringLiteral(".old");
    const bool kept = QFileInfo(path).isFile() && SecondName(path, old);
    settings_.sync();
    if (settings_.status() != QSettings::AccessError && readsBack()) {
        if (kept)
            QFile::remove(old);
        return;
    }
    if (!kept) {
        qWarning().noquote() << "Calculations: the settings could not be saved to" << path;
        return;
    }
    // rename() replaces the file in one step. When the file was never replaced the two names are
    // one file and rename() leaves both, hence the remove.
#ifdef Q_OS_UNIX
    const bool restored =
        ::rename(QFile::encodeName(old).constData(), QFile::encodeName(path).constData()) == 0;
#else
    const bool restored = QFile::remove(path) && QFile::rename(old, path);
#endif
    if (restored) {
        QFile::remove(old);
        qWarning().noquote() << "Calculations: the settings could not be saved to"
                             << path + QStringLiteral("; the file is left as it was");
    } else {
        qWarning().noquote() << "Calculations: the settings could not be saved to"
                             << path + QStringLiteral("; the file as it was is kept as") << old;
    }
}

bool QSettingsStore::readsBack() const {
    // Read through a second name: QSettings shares what it parsed among the objects on one file
    // name and would answer from memory, not from the disk.
    const QString check = settings_.fileName() + QStringLiteral(".check");
    if (!SecondName(settings_.fileName(), check))
        return false;
    bool same = true;
    {
        const QSettings disk(check, QSettings::IniFormat);
        for (auto it = written_.cbegin(); it != written_.cend() && same; ++it) {
            const QVariant value = disk.value(it.key());
            same = value.isValid() && TextOf(value) == it.value();
        }
    }
    QFile::remove(check);
    return same;
}

namespace {
// Whether QSettings reads the line as one line and in full: an open quote runs on into the next
// lines, a trailing backslash joins the next one, and a ";" outside quotes starts a comment that
// the rewrite drops. Escaped characters (\" \\ \;) are taken as they are.
bool WholeLine(QStringView line) {
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == QLatin1Char('\\')) {
            if (++i == line.size())
                return false;
        } else if (c == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (c == QLatin1Char(';') && !quoted) {
            return false;
        }
    }
    return !quoted;
}
} // namespace

bool IniReadsBackCleanly(const QByteArray& text, const QSettings& parsed) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8.decode(text);
    if (utf8.hasError())
        return false;
    QStringView group;
    QSet<QString> keys;     // group and key: a key given twice keeps one value in a rewrite
    int invalidWritten = 0; // values written as @Invalid(): they load as nothing, and stay so
    for (QStringView line : QStringView(decoded).split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        for (QChar c : line)
            if (c.unicode() < 0x20 && c != QLatin1Char('\t'))
                return false;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            group = line;
            continue;
        }
        // Comments are dropped by a rewrite.
        if (line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')) ||
            !WholeLine(line))
            return false;
        // A line without "=" is dropped. An empty key is kept, and Qt writes one itself.
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            return false;
        const QString key =
            group.toString() + QLatin1Char('\n') + line.left(eq).trimmed().toString();
        if (keys.contains(key))
            return false;
        keys.insert(key);
        if (line.sliced(eq + 1).trimmed() == QLatin1String("@Invalid()"))
            ++invalidWritten;
    }
    // A value that does not load (an @Variant(...) whose bytes are not a value) is rewritten as
    // @Invalid(): what it held is gone.
    int invalidRead = 0;
    for (const QString& name : parsed.allKeys()) {
        // Only a name QSettings keeps as it is answers value(): not an empty key, not "a//b".
        if (name.isEmpty() || name.startsWith(QLatin1Char('/')) ||
            name.endsWith(QLatin1Char('/')) || name.contains(QLatin1String("//")))
            continue;
        if (!parsed.value(name).isValid())
            ++invalidRead;
    }
    return invalidRead <= invalidWritten;
}

namespace {
// The first free name of Calculations.ini.bak, .bak.2, .bak.3 ...: an older copy is never
// overwritten.
QString freeBackupName(const QString& path) {
    const QString base = path + QStringLiteral(".bak");
    if (!QFileInfo::exists(base))
        return base;
    for (int n = 2; n < 1000; ++n) {
        const QString name = base + QLatin1Char('.') + QString::number(n);
        if (!QFileInfo::exists(name))
            return name;
    }
    return QString();
}
} // namespace

bool QSettingsStore::mayWrite() {
    if (guard_ != Guard::Unchecked)
        return guard_ == Guard::Writable;
    guard_ = Guard::Writable;
    const QString path = settings_.fileName();
    const QFileInfo info(path);
    if (!info.exists())
        return true;
    QFile file(path);
    const bool readable = info.isFile() && file.open(QIODevice::ReadOnly);
    if (readable && settings_.status() == QSettings::NoError &&
        IniReadsBackCleanly(file.readAll(), settings_))
        return true;
    file.close();

    const QString copy = readable ? freeBackupName(path) : QString();
    if (!copy.isEmpty() && QFile::copy(path, copy)) {
        backup_ = copy;
        qWarning().noquote() << "Calculations: the settings file" << path
                             << "could not be read in full; a copy of it is kept as" << copy;
        return true;
    }
    guard_ = Guard::Refused;
    qWarning().noquote() << "Calculations: the settings file" << path
                         << "could not be read or copied; it is left as it is and the settings"
                            " of this session are not saved";
    return false;
}

} // namespace oq
