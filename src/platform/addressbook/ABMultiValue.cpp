#include "platform/addressbook/ABMultiValue.h"

#include <atomic>

namespace {
// Identifiers only need to be unique while the program runs: a counter is
// cheaper than a UUID for every phone number of five thousand persons.
QString nextIdentifier()
{
    static std::atomic<quint64> counter{0};
    return QStringLiteral("mv") + QString::number(++counter);
}
}

QVariant ABMultiValue::valueAtIndex(int index) const
{
    return valid(index) ? m_entries[index].value : QVariant();
}

QString ABMultiValue::labelAtIndex(int index) const
{
    return valid(index) ? m_entries[index].label : QString();
}

QString ABMultiValue::identifierAtIndex(int index) const
{
    return valid(index) ? m_entries[index].identifier : QString();
}

int ABMultiValue::indexForIdentifier(const QString& identifier) const
{
    for (int i = 0; i < count(); ++i)
        if (m_entries[i].identifier == identifier)
            return i;
    return -1;
}

int ABMultiValue::primaryIndex() const
{
    if (m_entries.isEmpty())
        return -1;
    const int i = m_primary.isEmpty() ? -1 : indexForIdentifier(m_primary);
    return i < 0 ? 0 : i;
}

QString ABMultiValue::primaryIdentifier() const
{
    return identifierAtIndex(primaryIndex());
}

QVariant ABMultiValue::primaryValue() const
{
    return valueAtIndex(primaryIndex());
}

bool ABMultiValue::setPrimaryIdentifier(const QString& identifier)
{
    if (indexForIdentifier(identifier) < 0)
        return false;
    m_primary = identifier;
    return true;
}

QString ABMultiValue::addValue(const QVariant& value, const QString& label)
{
    return insertValue(value, label, count());
}

QString ABMultiValue::insertValue(const QVariant& value, const QString& label, int index)
{
    if (index < 0 || index > count())
        return {};
    Entry e{nextIdentifier(), label, value};
    m_entries.insert(index, e);
    return e.identifier;
}

bool ABMultiValue::replaceValueAtIndex(int index, const QVariant& value)
{
    if (!valid(index))
        return false;
    m_entries[index].value = value;
    return true;
}

bool ABMultiValue::replaceLabelAtIndex(int index, const QString& label)
{
    if (!valid(index))
        return false;
    m_entries[index].label = label;
    return true;
}

bool ABMultiValue::removeValueAndLabelAtIndex(int index)
{
    if (!valid(index))
        return false;
    m_entries.removeAt(index);
    return true;
}

bool ABMultiValue::operator==(const ABMultiValue& other) const
{
    if (count() != other.count() || primaryIndex() != other.primaryIndex())
        return false;
    for (int i = 0; i < count(); ++i)
        if (m_entries[i].label != other.m_entries[i].label || m_entries[i].value != other.m_entries[i].value)
            return false;
    return true;
}
