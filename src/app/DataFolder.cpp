#include "app/DataFolder.h"
#include "platform/AtomicFile.h"
#include <QDir>
#include <QFileInfo>

namespace {
QString mkpath(const QString& path)
{
    if (!QDir().mkpath(path))
        return QStringLiteral("The folder \"%1\" could not be created.").arg(path);
    return {};
}
}

QString DataFolder::copyFile(const QString& from, const QString& to)
{
    QString error;
    const QByteArray bytes = AtomicFile::read(from, &error);
    if (error.isEmpty())
        error = AtomicFile::write(to, bytes);
    return error;
}

DataFolder::DataFolder(const QString& documentsPath)
    : m_product(QDir(documentsPath).filePath(QStringLiteral("Kelvan")))
{
}

QString DataFolder::clientsFolder() const
{
    return m_product + QStringLiteral("/Clients");
}

QString DataFolder::clientListPath() const
{
    return m_product + QStringLiteral("/ClientList.cldb");
}

bool DataFolder::isClientMode() const
{
    return QFileInfo(clientsFolder()).isDir();
}

QStringList DataFolder::clientFolders() const
{
    QStringList names = QDir(clientsFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    names.erase(std::remove_if(names.begin(), names.end(), [](const QString& n) { return !isUsableClientName(n); }),
                names.end());
    return names;
}

bool DataFolder::isUsableClientName(const QString& name)
{
    const QString t = name.trimmed();
    return !t.isEmpty() && t == name && t != QLatin1String(".") && t != QLatin1String("..")
        && !t.contains(QLatin1Char('/')) && !t.contains(QLatin1Char('\\')) && !t.contains(QChar(0));
}

void DataFolder::setClient(const QString& name)
{
    m_client = name;
}

QString DataFolder::dataFolder() const
{
    return m_client.isEmpty() ? m_product : clientsFolder() + QLatin1Char('/') + m_client;
}

QString DataFolder::rootPath() const
{
    return QDir::home().relativeFilePath(dataFolder());
}

QString DataFolder::backupsFolder() const
{
    const QString base = m_product + QStringLiteral("/Backups");
    return m_client.isEmpty() ? base : base + QLatin1Char('/') + m_client;
}

QString DataFolder::databasePath() const
{
    return dataFolder() + QStringLiteral("/DaDirad.kvdb");
}

QString DataFolder::databaseCopyPath() const
{
    return dataFolder() + QStringLiteral("/DaDirad~.kvdb");
}

QString DataFolder::catalogueFilePath() const
{
    return dataFolder() + QStringLiteral("/Wine Info DB.kvwi");
}

QString DataFolder::imagesFolder() const
{
    return dataFolder() + QStringLiteral("/Images");
}

QString DataFolder::templatesFolder() const
{
    return dataFolder() + QStringLiteral("/Templates");
}

QString DataFolder::reportTemplatesFolder() const
{
    return templatesFolder() + QStringLiteral("/Reports");
}

QString DataFolder::createProductFolders() const
{
    QString error = mkpath(m_product);
    if (error.isEmpty())
        error = mkpath(m_product + QStringLiteral("/Backups"));
    return error;
}

QString DataFolder::createDataFolders() const
{
    const QString folders[] = {imagesFolder(), imagesFolder() + QStringLiteral("/Barcodes"),
                               imagesFolder() + QStringLiteral("/Barcodes/UBIDs"), templatesFolder(),
                               reportTemplatesFolder(), backupsFolder()};
    for (const QString& f : folders) {
        const QString error = mkpath(f);
        if (!error.isEmpty())
            return error;
    }
    return {};
}

QStringList DataFolder::copyMissingTemplates(const QString& sourceDir, QString* error) const
{
    QStringList copied;
    const QDir source(sourceDir);
    const QDir target(reportTemplatesFolder());
    for (const QString& name : source.entryList(QDir::Files, QDir::Name)) {
        if (target.exists(name))
            continue;
        const QString why = copyFile(source.filePath(name), target.filePath(name));
        if (!why.isEmpty()) {
            if (error)
                *error = why;
            continue;
        }
        copied.append(name);
    }
    return copied;
}

QString DataFolder::makeVersionBackup(const QString& version, QString* error) const
{
    const QString target = backupsFolder() + QStringLiteral("/DaDirad %1.kvdb").arg(version);
    if (!QFileInfo::exists(databasePath()) || QFileInfo::exists(target))
        return {};
    const QString why = copyFile(databasePath(), target);
    if (!why.isEmpty()) {
        if (error)
            *error = why;
        return {};
    }
    return target;
}
