#pragma once

#include <QByteArray>
#include <QString>

namespace oq {

// Writes the bytes to the file at path, all or nothing: the file is replaced only once every byte
// is on the disk, and an older file stays as it was when the disk refuses the write. Returns the
// empty string when the file is saved, else the system's reason, to show to the user.
QString SaveFile(const QString& path, const QByteArray& bytes);

} // namespace oq
