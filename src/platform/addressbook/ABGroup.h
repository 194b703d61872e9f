#pragma once
#include <QSet>
#include <QStringList>
#include <memory>

#include "platform/addressbook/ABRecord.h"

class ABPerson;

// A named group of persons. Members are kept as the references stored in the
// group, so a member whose own file could not be read is not dropped when the
// group is written again.
class ABGroup : public ABRecord {
public:
    ABGroup();
    explicit ABGroup(const QString& name);

    ABPropertyType propertyType(const QString& property) const override;
    QString name() const;

    // The persons of its book that are members, in the group's order.
    QList<std::shared_ptr<ABPerson>> members() const;
    bool isMember(const QString& uniqueId) const { return m_memberIds.contains(uniqueId); }
    // False when null or already (not) a member.
    bool addMember(const std::shared_ptr<ABPerson>& person);
    bool removeMember(const std::shared_ptr<ABPerson>& person);
    bool removeMemberId(const QString& uniqueId);

private:
    friend class VCardCoder;
    struct StoredTag {};
    ABGroup(const QString& uidText, StoredTag);
    void addReference(const QString& reference);

    QStringList m_memberRefs;
    QSet<QString> m_memberIds;
};
