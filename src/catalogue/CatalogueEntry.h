#pragma once
#include <QList>
#include <QString>
#include <memory>

#include "platform/Archivable.h"

// An entry of the catalogue tree (country, region, area, classification,
// appellation). Each answers the names of the levels it belongs to, the empty
// string for the levels below its own. Names are kept exactly as given: never
// trimmed or simplified, so odd blanks survive and compare as stored.
class CatalogueEntry : public Archivable {
public:
    QString name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }

    virtual QString countryName() const = 0;
    virtual QString regionName() const { return QString(""); }
    virtual QString areaName() const { return QString(""); }
    virtual QString classificationName() const { return QString(""); }

    // Orders by name, plain text comparison.
    int compare(const CatalogueEntry& other) const { return QString::compare(m_name, other.m_name); }

protected:
    QString m_name = QStringLiteral("");
};

// A classification of this name marks a division in a list: it takes a
// position (and so an ID) like any entry, but is no real classification.
inline bool isSeparatorName(const QString& name)
{
    return name == QLatin1String("-");
}

// The entries in order without the separators.
template <class T>
QList<std::shared_ptr<T>> pureClassifications(const QList<std::shared_ptr<T>>& entries)
{
    QList<std::shared_ptr<T>> out;
    out.reserve(entries.size());
    for (const auto& e : entries)
        if (e && !isSeparatorName(e->name()))
            out.append(e);
    return out;
}

// The entry at a 1-based ID, nullptr for 0 or an ID beyond the list.
template <class T>
std::shared_ptr<T> entryAt(const QList<std::shared_ptr<T>>& list, int id)
{
    return id >= 1 && id <= list.size() ? list.at(id - 1) : nullptr;
}

// 1-based ID of the next entry of a list: its count plus 1, 16-bit.
template <class T>
quint16 nextID(const QList<T>& list)
{
    return quint16(list.size() + 1);
}
