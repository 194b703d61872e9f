#pragma once
#include <QString>
#include <functional>
#include <memory>

class CellarBook;

// Reading and writing the cellar database file and its backups.
namespace CellarDatabase {

struct LoadResult {
    std::shared_ptr<CellarBook> book; // null when the file could not be read
    QString error;                    // names the file; empty on success
};

// Called when the file was written by a newer program:
// "Wrong database version! Your application is not the latest version. (database = %d , class = %d)".
using VersionAlert = std::function<void(const QString& message)>;

enum class KeyedForm { Binary, Xml };

// Reads a cellar archive (sequential, or a keyed backup) whose root is a CellarBook.
LoadResult load(const QString& path, const VersionAlert& alert = {});
LoadResult loadBytes(const QByteArray& bytes, const QString& nameForMessages, const VersionAlert& alert = {});
// Writes the book atomically; answers an error that names the file, empty on success.
QString save(const CellarBook& book, const QString& path);
QByteArray toBytes(const CellarBook& book);
// The keyed backup forms: readable XML, or the same compressed.
QString saveKeyed(const CellarBook& book, const QString& path, KeyedForm form);
QByteArray toKeyedBytes(const CellarBook& book, KeyedForm form);

} // namespace CellarDatabase
