#include "platform/addressbook/FolderAddressBackend.h"

#include "platform/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

FolderAddressBackend::FolderAddressBackend(const QString& folder)
    : m_folder(folder)
{
}

QStringList FolderAddressBackend::names() const
{
    QDir dir(m_folder);
    return dir.entryList({QStringLiteral("*.vcf")}, QDir::Files | QDir::Hidden, QDir::Name);
}

QByteArray FolderAddressBackend::read(const QString& name, QString* error) const
{
    const QString path = QDir(m_folder).filePath(name);
    if (QFileInfo(path).size() > kMaxFileSize) {
        *error = QStringLiteral("\"%1\" is larger than %2 bytes").arg(path).arg(kMaxFileSize);
        return {};
    }
    return AtomicFile::read(path, error);
}

QString FolderAddressBackend::write(const QString& name, const QByteArray& bytes)
{
    if (!QDir().mkpath(m_folder))
        return QStringLiteral("Could not make the folder \"%1\"").arg(m_folder);
    return AtomicFile::write(QDir(m_folder).filePath(name), bytes);
}

QString FolderAddressBackend::remove(const QString& name)
{
    QFile file(QDir(m_folder).filePath(name));
    if (!file.exists() || file.remove())
        return {};
    return QStringLiteral("Could not remove \"%1\": %2").arg(file.fileName(), file.errorString());
}
