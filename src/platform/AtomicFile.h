#pragma once
#include <QByteArray>
#include <QString>

// Every file the application writes goes through here: the bytes land in a
// temporary file first and replace the target only when all of them were written,
// so a crash or a full disk never leaves a half-written file behind.
namespace AtomicFile {
// Returns an empty string on success, else a message that names the file.
QString write(const QString& path, const QByteArray& bytes);
// Reads a whole file; an empty error string on success.
QByteArray read(const QString& path, QString* error);
}
