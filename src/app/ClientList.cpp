#include "app/ClientList.h"
#include "app/DataFolder.h"
#include "platform/AtomicFile.h"
#include <QFileInfo>

namespace ClientList {

QStringList read(const QString& path)
{
    if (!QFileInfo::exists(path))
        return {};
    QString error;
    const QByteArray bytes = AtomicFile::read(path, &error);
    QStringList clients;
    for (const QString& line : QString::fromUtf8(bytes).split(QLatin1Char('\n'))) {
        QString name = line;
        if (name.endsWith(QLatin1Char('\r')))
            name.chop(1);
        if (DataFolder::isUsableClientName(name) && !clients.contains(name))
            clients.append(name);
    }
    return clients;
}

QString write(const QString& path, const QStringList& clients)
{
    QByteArray bytes;
    for (const QString& c : clients)
        bytes += c.toUtf8() + '\n';
    return AtomicFile::write(path, bytes);
}

QStringList merge(const QStringList& listed, const QStringList& folders)
{
    QStringList result;
    for (const QString& c : listed)
        if (folders.contains(c))
            result.append(c);
    for (const QString& f : folders)
        if (!result.contains(f))
            result.append(f);
    return result;
}

} // namespace ClientList
