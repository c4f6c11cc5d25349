#include "core/save_file.h"

#include <QSaveFile>

namespace oq {

QString SaveFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // The bytes wait in the file's buffer, and commit() misses a write the disk refuses while
    // emptying it: it would put an empty file in place of the older one. flush() sees it.
    if (file.write(bytes) == bytes.size() && file.flush() && file.commit())
        return QString();
    // cancelWriting() clears the reason.
    QString reason = file.errorString();
    file.cancelWriting();
    return reason.isEmpty() ? QStringLiteral("The file could not be written.") : reason;
}

} // namespace oq
