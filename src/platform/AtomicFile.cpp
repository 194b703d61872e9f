#include "platform/AtomicFile.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace AtomicFile {
QString write(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("Could not write \"%1\": %2").arg(path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return QStringLiteral("Could not write \"%1\": %2").arg(path, why);
    }
    if (!file.commit())
        return QStringLiteral("Could not write \"%1\": %2").arg(path, file.errorString());
    return {};
}

QByteArray read(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Could not read \"%1\": %2").arg(path, file.errorString());
        return {};
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFile::NoError) {
        if (error)
            *error = QStringLiteral("Could not read \"%1\": %2").arg(path, file.errorString());
        return {};
    }
    if (error)
        error->clear();
    return bytes;
}
}
