#include "model/CellarDatabase.h"
#include "model/CellarBook.h"
#include "platform/AtomicFile.h"
#include "platform/KeyedArchive.h"
#include "platform/SequentialArchive.h"

namespace CellarDatabase {

LoadResult loadBytes(const QByteArray& bytes, const QString& name, const VersionAlert& alert)
{
    registerModelClasses();
    LoadResult result;
    try {
        const auto onNewer = [&](const QString& cls, int stored, int current) {
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
                          .arg(cls, QString::number(stored), QString::number(current)));
        };
        auto root = KeyedArchive::looksLikeKeyedArchive(bytes) ? KeyedArchive::read(bytes, onNewer)
                                                               : SequentialArchive::read(bytes, onNewer);
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

namespace {
// The archive writers take shared objects; the book is not changed by writing.
std::shared_ptr<Archivable> borrowed(const CellarBook& book)
{
    return std::shared_ptr<Archivable>(const_cast<CellarBook*>(&book), [](Archivable*) {});
}
}

QByteArray toBytes(const CellarBook& book)
{
    return SequentialArchive::write(borrowed(book));
}

QByteArray toKeyedBytes(const CellarBook& book, KeyedForm form)
{
    return KeyedArchive::write(borrowed(book), form == KeyedForm::Xml ? KeyedArchive::Form::Xml
                                                                      : KeyedArchive::Form::Binary);
}

QString saveKeyed(const CellarBook& book, const QString& path, KeyedForm form)
{
    return AtomicFile::write(path, toKeyedBytes(book, form));
}

QString save(const CellarBook& book, const QString& path)
{
    return AtomicFile::write(path, toBytes(book));
}

} // namespace CellarDatabase
