#include "core/qsettings_store.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>
#include <QStringList>

namespace oq {

QSettingsStore::QSettingsStore()
    : settings_(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Calculations"),
                QStringLiteral("Calculations")) {}

QSettingsStore::QSettingsStore(const QString& path)
    : settings_(path, QSettings::IniFormat) {}

std::string QSettingsStore::read(const std::string& key, const std::string& fallback) {
    const QString name = QStringLiteral("Settings/") + QString::fromStdString(key);
    const QVariant value = settings_.value(name);
    if (!value.isValid())
        return fallback;
    // A hand-edited value with commas comes back as a list; keep the text as it was written.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(',')).toStdString();
    return value.toString().toStdString();
}

void QSettingsStore::write(const std::string& key, const std::string& text) {
    if (!mayWrite())
        return;
    settings_.setValue(QStringLiteral("Settings/") + QString::fromStdString(key),
                       QString::fromStdString(text));
}

void QSettingsStore::sync() {
    if (guard_ != Guard::Writable)
        return; // nothing was written
    settings_.sync();
    if (settings_.status() == QSettings::AccessError)
        qWarning().noquote() << "Calculations: the settings could not be saved to"
                             << settings_.fileName();
}

bool IniReadsBackCleanly(const QByteArray& text) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8.decode(text);
    if (utf8.hasError())
        return false;
    QStringView group;
    QSet<QString> keys; // group and key: a key given twice keeps one value in a rewrite
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
        // Comments are dropped by a rewrite, a trailing backslash joins the next line.
        if (line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')) ||
            line.endsWith(QLatin1Char('\\')))
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
    }
    return true;
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
    if (readable && settings_.status() == QSettings::NoError && IniReadsBackCleanly(file.readAll()))
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
