#include "platform/addressbook/ABRecord.h"

#include "platform/addressbook/ABMultiValue.h"
#include "platform/addressbook/AddressBook.h"

#include <QDate>
#include <QUuid>

namespace {
const QLatin1StringView kUrnUuid{"urn:uuid:"};

bool multiValueHolds(const QVariant& value, QMetaType entryType)
{
    if (value.metaType() != QMetaType::fromType<ABMultiValue>())
        return false;
    const ABMultiValue mv = value.value<ABMultiValue>();
    for (int i = 0; i < mv.count(); ++i)
        if (mv.valueAtIndex(i).metaType() != entryType)
            return false;
    return true;
}

// The value in the stored form of its type, or invalid when it does not fit.
QVariant coerce(const QVariant& value, ABPropertyType type)
{
    bool ok = false;
    switch (type) {
    case ABPropertyType::String:
        return value.metaType() == QMetaType::fromType<QString>() ? value : QVariant();
    case ABPropertyType::Integer: {
        if (value.metaType() == QMetaType::fromType<double>())
            return {};
        const qlonglong n = value.toLongLong(&ok);
        return ok ? QVariant(n) : QVariant();
    }
    case ABPropertyType::Real: {
        const double d = value.toDouble(&ok);
        return ok ? QVariant(d) : QVariant();
    }
    case ABPropertyType::Date:
        if (value.metaType() == QMetaType::fromType<QDate>() && value.toDate().isValid())
            return value;
        if (value.metaType() == QMetaType::fromType<QDateTime>() && value.toDateTime().isValid())
            return value.toDateTime().date();
        return {};
    case ABPropertyType::Data:
        return value.metaType() == QMetaType::fromType<QByteArray>() ? value : QVariant();
    case ABPropertyType::MultiString:
        return multiValueHolds(value, QMetaType::fromType<QString>()) ? value : QVariant();
    case ABPropertyType::MultiDictionary:
        return multiValueHolds(value, QMetaType::fromType<QVariantMap>()) ? value : QVariant();
    case ABPropertyType::Error:
        break;
    }
    return {};
}
}

namespace ABRecordId {
QString fromReference(const QString& reference)
{
    if (reference.startsWith(kUrnUuid, Qt::CaseInsensitive))
        return reference.mid(kUrnUuid.size());
    return reference;
}

QString referenceFor(const QString& uniqueId)
{
    if (!QUuid::fromString(uniqueId).isNull())
        return kUrnUuid + uniqueId;
    return uniqueId;
}
}

ABRecord::ABRecord(const QString& uidText)
    : m_uidText(uidText)
{
    if (m_uidText.isEmpty())
        m_uidText = ABRecordId::referenceFor(QUuid::createUuid().toString(QUuid::WithoutBraces));
}

ABRecord::~ABRecord() = default;

QString ABRecord::uniqueId() const
{
    return ABRecordId::fromReference(m_uidText);
}

QVariant ABRecord::valueForProperty(const QString& property) const
{
    return m_values.value(property);
}

const QVariant* ABRecord::valueReference(const QString& property) const
{
    const auto it = m_values.constFind(property);
    return it == m_values.cend() ? nullptr : &*it;
}

bool ABRecord::setValue(const QVariant& value, const QString& property)
{
    const ABPropertyType type = propertyType(property);
    if (type == ABPropertyType::Error)
        return false;
    if (!value.isValid())
        return removeValueForProperty(property);
    const QVariant stored = coerce(value, type);
    if (!stored.isValid())
        return false;
    auto it = m_values.find(property);
    if (it != m_values.end() && *it == stored)
        return true;
    m_values.insert(property, stored);
    markChanged();
    return true;
}

bool ABRecord::removeValueForProperty(const QString& property)
{
    if (propertyType(property) == ABPropertyType::Error)
        return false;
    if (m_values.remove(property))
        markChanged();
    return true;
}

void ABRecord::markChanged()
{
    m_changed = true;
    if (m_book)
        m_book->recordChanged();
}
