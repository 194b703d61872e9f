#pragma once
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

class CellarBook;

// The dated backups written at quit into the backups folder.
namespace Backups {

enum class Kind {
    Sequential, // "DaDirad <stamp>.kvdb": a second copy of the database file
    Keyed,      // "DaDirad <stamp>.kvkeyed": the keyed archive
    KeyedXml,   // "DaDirad <stamp>.kvxml": the keyed archive in readable XML
};

// A keyed archive and a sequential copy once the last backup, of whatever kind, is
// more than this many days old; also an XML keyed archive once it is older than the second.
inline constexpr qint64 KeyedAfterDays = 4;
inline constexpr qint64 XmlAfterDays = 16;

QString fileName(Kind kind, const QDateTime& when);
// The time of the newest backup of that kind in the folder, read from the file names.
std::optional<QDateTime> lastBackup(const QString& folder, Kind kind);
// The time of the newest dated backup of any kind: what decides which are due.
std::optional<QDateTime> lastBackup(const QString& folder);

struct Result {
    QStringList written; // paths
    QStringList errors;  // each names its file
};
// Writes the backups that are due at `now`.
Result writeDue(const CellarBook& book, const QString& folder, const QDateTime& now);

// The keyed form of the book in a file; an error text naming the file, empty on success.
QString saveKeyed(const CellarBook& book, const QString& path, bool xml);

} // namespace Backups
