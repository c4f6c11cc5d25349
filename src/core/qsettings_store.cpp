#include "core/qsettings_store.h"

#include <QStringList>

namespace oq {

QSettingsStore::QSettingsStore()
    : settings_(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Calculations"),
                QStringLiteral("Calculations")) {}

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
    settings_.setValue(QStringLiteral("Settings/") + QString::fromStdString(key),
                       QString::fromStdString(text));
}

void QSettingsStore::sync() {
    settings_.sync();
}

} // namespace oq
