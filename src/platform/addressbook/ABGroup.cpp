#include "platform/addressbook/ABGroup.h"

#include "platform/addressbook/ABPerson.h"
#include "platform/addressbook/AddressBook.h"

ABGroup::ABGroup()
    : ABRecord(QString())
{
}

ABGroup::ABGroup(const QString& name)
    : ABRecord(QString())
{
    setValue(name, kABGroupNameProperty);
}

ABGroup::ABGroup(const QString& uidText, StoredTag)
    : ABRecord(uidText)
{
}

ABPropertyType ABGroup::propertyType(const QString& property) const
{
    return property == kABGroupNameProperty ? ABPropertyType::String : ABPropertyType::Error;
}

QString ABGroup::name() const
{
    return valueForProperty(kABGroupNameProperty).toString();
}

QList<std::shared_ptr<ABPerson>> ABGroup::members() const
{
    QList<std::shared_ptr<ABPerson>> out;
    if (!addressBook())
        return out;
    for (const QString& ref : m_memberRefs)
        if (auto p = addressBook()->personForUniqueId(ABRecordId::fromReference(ref)))
            out.append(p);
    return out;
}

void ABGroup::addReference(const QString& reference)
{
    const QString id = ABRecordId::fromReference(reference);
    if (m_memberIds.contains(id))
        return;
    m_memberIds.insert(id);
    m_memberRefs.append(reference);
}

bool ABGroup::addMember(const std::shared_ptr<ABPerson>& person)
{
    if (!person || isMember(person->uniqueId()))
        return false;
    addReference(ABRecordId::referenceFor(person->uniqueId()));
    markChanged();
    return true;
}

bool ABGroup::removeMember(const std::shared_ptr<ABPerson>& person)
{
    return person && removeMemberId(person->uniqueId());
}

bool ABGroup::removeMemberId(const QString& uniqueId)
{
    if (!m_memberIds.remove(uniqueId))
        return false;
    m_memberRefs.removeIf([&](const QString& ref) { return ABRecordId::fromReference(ref) == uniqueId; });
    markChanged();
    return true;
}
