#include "app/Backups.h"
#include "model/CellarBook.h"
#include "model/CellarDatabase.h"
#include <QDir>

namespace Backups {

namespace {
const QLatin1String kPrefix("DaDirad ");
const QLatin1String kStampFormat("yyyy-MM-dd HH.mm.ss");

QString suffix(Kind kind)
{
    switch (kind) {
    case Kind::Sequential:
        return QStringLiteral(".kvdb");
    case Kind::Keyed:
        return QStringLiteral(".kvkeyed");
    case Kind::KeyedXml:
        return QStringLiteral(".kvxml");
    }
    return {};
}

// A backup dated after now was written while the clock was wrong: it must not
// hold back every backup until that date comes.
bool olderThan(const std::optional<QDateTime>& last, const QDateTime& now, qint64 days)
{
    return !last || *last > now || last->secsTo(now) > days * 24 * 3600;
}
}

QString fileName(Kind kind, const QDateTime& when)
{
    return kPrefix + when.toString(kStampFormat) + suffix(kind);
}

std::optional<QDateTime> lastBackup(const QString& folder, Kind kind)
{
    std::optional<QDateTime> newest;
    const QString ext = suffix(kind);
    const QStringList names = QDir(folder).entryList({kPrefix + QLatin1Char('*') + ext}, QDir::Files);
    for (const QString& name : names) {
        // Only dated names count: the version backup "DaDirad 0.1.0.kvdb" is no dated backup.
        const QString stamp = name.mid(kPrefix.size(), name.size() - kPrefix.size() - ext.size());
        const QDateTime when = QDateTime::fromString(stamp, kStampFormat);
        if (when.isValid() && (!newest || when > *newest))
            newest = when;
    }
    return newest;
}

std::optional<QDateTime> lastBackup(const QString& folder)
{
    std::optional<QDateTime> newest;
    for (Kind kind : {Kind::Sequential, Kind::Keyed, Kind::KeyedXml}) {
        const auto last = lastBackup(folder, kind);
        if (last && (!newest || *last > *newest))
            newest = last;
    }
    return newest;
}

QString saveKeyed(const CellarBook& book, const QString& path, bool xml)
{
    return CellarDatabase::saveKeyed(book, path, xml ? CellarDatabase::KeyedForm::Xml : CellarDatabase::KeyedForm::Binary);
}

Result writeDue(const CellarBook& book, const QString& folder, const QDateTime& now)
{
    Result result;
    auto record = [&](const QString& path, const QString& error) {
        if (error.isEmpty())
            result.written.append(path);
        else
            result.errors.append(error);
    };
    const QDir dir(folder);
    // Taken once, before this quit's own backups count.
    const auto last = lastBackup(folder);
    if (olderThan(last, now, KeyedAfterDays)) {
        const QString keyed = dir.filePath(fileName(Kind::Keyed, now));
        record(keyed, saveKeyed(book, keyed, false));
        const QString copy = dir.filePath(fileName(Kind::Sequential, now));
        record(copy, CellarDatabase::save(book, copy));
    }
    if (olderThan(last, now, XmlAfterDays)) {
        const QString xml = dir.filePath(fileName(Kind::KeyedXml, now));
        record(xml, saveKeyed(book, xml, true));
    }
    return result;
}

} // namespace Backups
