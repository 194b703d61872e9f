#include "model/CellarDatabase.h"
#include "model/CellarBook.h"
#include "platform/AtomicFile.h"
#include "platform/SequentialArchive.h"

namespace CellarDatabase {

LoadResult loadBytes(const QByteArray& bytes, const QString& name, const VersionAlert& alert)
{
    registerModelClasses();
    LoadResult result;
    try {
        auto root = SequentialArchive::read(bytes, [&](const QString& cls, int stored, int current) {
            if (!alert)
                return;
            if (cls == QLatin1String("CellarBook"))
                alert(QStringLiteral("Wrong database version! Your application is not the latest version. "
                                     "(database = %1 , class = %2)")
                          .arg(stored)
                          .arg(current));
            else
                alert(QStringLiteral("Wrong database version! Your application is not the latest version. "
                                     "(%1: database = %2 , class = %3)")
                          .arg(cls)
                          .arg(stored)
                          .arg(current));
        });
        result.book = std::dynamic_pointer_cast<CellarBook>(root);
        if (!result.book)
            result.error = QStringLiteral("\"%1\" holds no cellar.").arg(name);
    } catch (const ArchiveError& e) {
        result.error = QStringLiteral("The cellar database \"%1\" could not be read: %2.").arg(name, e.message());
    }
    return result;
}

LoadResult load(const QString& path, const VersionAlert& alert)
{
    QString error;
    const QByteArray bytes = AtomicFile::read(path, &error);
    if (!error.isEmpty())
        return {nullptr, error};
    return loadBytes(bytes, path, alert);
}

QByteArray toBytes(const CellarBook& book)
{
    // The archive writer takes shared objects; the book is not changed by writing.
    std::shared_ptr<Archivable> root(const_cast<CellarBook*>(&book), [](Archivable*) {});
    return SequentialArchive::write(root);
}

QString save(const CellarBook& book, const QString& path)
{
    return AtomicFile::write(path, toBytes(book));
}

} // namespace CellarDatabase
