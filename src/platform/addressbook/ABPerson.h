#pragma once
#include <QHash>
#include <memory>

#include "platform/addressbook/ABRecord.h"

class ABGroup;
class ABSearchElement;

// A person (for this application mostly a company: a winery or a supplier).
class ABPerson : public ABRecord {
public:
    // A new person with a fresh unique ID (a UUID, so longer than 10 characters).
    ABPerson();

    ABPropertyType propertyType(const QString& property) const override;

    // The groups of its book that hold the person, in the book's order.
    QList<std::shared_ptr<ABGroup>> parentGroups() const;

    // The picture as stored (TIFF for pictures this application makes).
    QByteArray imageData() const { return m_imageData; }
    bool setImageData(const QByteArray& data);

    // Registers custom person properties for every book; a key that is already
    // known keeps its type. Answers how many keys were new.
    static int addPropertiesAndTypes(const QHash<QString, ABPropertyType>& properties);
    static ABPropertyType typeOfProperty(const QString& property);

    // A search over persons: `label` limits a multi-value to entries with that
    // label, `key` picks a dictionary entry (the city of an address); empty
    // means any. E.g. every person whose organisation is "Weingut Bründlmayer"
    // in any case: searchElementForProperty(kABOrganizationProperty, {}, {},
    // name, ABSearchComparison::EqualCaseInsensitive).
    static ABSearchElement searchElementForProperty(const QString& property, const QString& label,
                                                    const QString& key, const QVariant& value,
                                                    ABSearchComparison comparison);

private:
    friend class VCardCoder;
    explicit ABPerson(const QString& uidText);
    static bool isStandardProperty(const QString& property);
    QByteArray m_imageData;
};
