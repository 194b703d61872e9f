#include "catalogue/CatalogueFile.h"

#include <QFileInfo>

#include "catalogue/CatalogueClasses.h"
#include "catalogue/WineInfos.h"
#include "platform/AtomicFile.h"

namespace CatalogueFile {

QString fileName()
{
    return QStringLiteral("Wine Info DB.kvwi");
}

QString write(const QString& path, const std::shared_ptr<WineInfos>& infos)
{
    registerCatalogueClasses();
    if (!infos)
        return QStringLiteral("Could not write \"%1\": there is no catalogue").arg(path);
    return AtomicFile::write(path, SequentialArchive::write(infos));
}

std::shared_ptr<WineInfos> read(const QString& path, const SequentialArchive::NewerVersionHandler& onNewer)
{
    registerCatalogueClasses();
    QString error;
    const QByteArray bytes = AtomicFile::read(path, &error);
    if (!error.isEmpty())
        throw ArchiveError(error);
    const QString name = QFileInfo(path).fileName();
    std::shared_ptr<Archivable> root;
    try {
        root = SequentialArchive::read(bytes, onNewer);
    } catch (const ArchiveError& e) {
        throw ArchiveError(QStringLiteral("The catalogue \"%1\" cannot be read: %2.").arg(name, e.message()));
    }
    auto infos = std::dynamic_pointer_cast<WineInfos>(root);
    if (!infos)
        throw ArchiveError(QStringLiteral("The catalogue \"%1\" cannot be read: it holds no catalogue.").arg(name));
    return infos;
}

}
