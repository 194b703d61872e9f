#pragma once
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

#include "platform/addressbook/ABConstants.h"

class AddressBook;
class VCardCoder;

// A person or group of the address book: a unique ID that never changes and
// typed property values. A change marks the record, and the book holding it,
// as unsaved.
class ABRecord {
public:
    virtual ~ABRecord();
    ABRecord(const ABRecord&) = delete;
    ABRecord& operator=(const ABRecord&) = delete;

    QString uniqueId() const;
    // Invalid when the record has no value for the property.
    QVariant valueForProperty(const QString& property) const;
    // The stored value without a copy (null when none): for searches over many records.
    const QVariant* valueReference(const QString& property) const;
    // False when the property is unknown to this kind of record or the value
    // does not have its type; an invalid value removes the property.
    bool setValue(const QVariant& value, const QString& property);
    bool removeValueForProperty(const QString& property);
    // The type a property has on this kind of record (Error when unknown).
    virtual ABPropertyType propertyType(const QString& property) const = 0;

    // The book this record was added to, or null.
    AddressBook* addressBook() const { return m_book; }

protected:
    // `uidText` is the UID as stored; empty makes a fresh one.
    explicit ABRecord(const QString& uidText);
    void markChanged();

private:
    friend class AddressBook;
    friend class VCardCoder;

    QString m_uidText;
    QHash<QString, QVariant> m_values;
    AddressBook* m_book = nullptr;

    // Storage bookkeeping: where the record lives, what it held that this
    // layer does not understand, and whether it must be written.
    QString m_fileName;
    QList<QByteArray> m_keptLines;
    QString m_storedFormattedName;
    bool m_changed = true;
};

// Turns a stored UID or member reference into the ID callers see, and back.
namespace ABRecordId {
QString fromReference(const QString& reference);
QString referenceFor(const QString& uniqueId);
}
