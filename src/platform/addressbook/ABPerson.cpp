#include "platform/addressbook/ABPerson.h"

#include "platform/addressbook/ABGroup.h"
#include "platform/addressbook/ABSearchElement.h"
#include "platform/addressbook/AddressBook.h"

namespace {
// Custom properties are registered once at launch for every book (main thread).
QHash<QString, ABPropertyType>& customProperties()
{
    static QHash<QString, ABPropertyType> registry;
    return registry;
}

ABPropertyType standardType(const QString& property)
{
    static const QHash<QString, ABPropertyType> types = {
        {kABFirstNameProperty, ABPropertyType::String},
        {kABLastNameProperty, ABPropertyType::String},
        {kABMiddleNameProperty, ABPropertyType::String},
        {kABTitleProperty, ABPropertyType::String},
        {kABSuffixProperty, ABPropertyType::String},
        {kABOrganizationProperty, ABPropertyType::String},
        {kABDepartmentProperty, ABPropertyType::String},
        {kABJobTitleProperty, ABPropertyType::String},
        {kABHomePageProperty, ABPropertyType::String},
        {kABNoteProperty, ABPropertyType::String},
        {kABPersonFlags, ABPropertyType::Integer},
        {kABAddressProperty, ABPropertyType::MultiDictionary},
        {kABPhoneProperty, ABPropertyType::MultiString},
        {kABEmailProperty, ABPropertyType::MultiString},
    };
    return types.value(property, ABPropertyType::Error);
}
}

ABPerson::ABPerson()
    : ABRecord(QString())
{
}

ABPerson::ABPerson(const QString& uidText)
    : ABRecord(uidText)
{
}

ABPropertyType ABPerson::propertyType(const QString& property) const
{
    return typeOfProperty(property);
}

bool ABPerson::isStandardProperty(const QString& property)
{
    return standardType(property) != ABPropertyType::Error;
}

ABPropertyType ABPerson::typeOfProperty(const QString& property)
{
    const ABPropertyType t = standardType(property);
    return t != ABPropertyType::Error ? t : customProperties().value(property, ABPropertyType::Error);
}

int ABPerson::addPropertiesAndTypes(const QHash<QString, ABPropertyType>& properties)
{
    int added = 0;
    for (auto it = properties.cbegin(); it != properties.cend(); ++it) {
        if (it.key().isEmpty() || it.value() == ABPropertyType::Error || typeOfProperty(it.key()) != ABPropertyType::Error)
            continue;
        customProperties().insert(it.key(), it.value());
        ++added;
    }
    return added;
}

QList<std::shared_ptr<ABGroup>> ABPerson::parentGroups() const
{
    QList<std::shared_ptr<ABGroup>> out;
    if (!addressBook())
        return out;
    const QString id = uniqueId();
    for (const auto& g : addressBook()->groups())
        if (g->isMember(id))
            out.append(g);
    return out;
}

bool ABPerson::setImageData(const QByteArray& data)
{
    if (data == m_imageData)
        return true;
    m_imageData = data;
    markChanged();
    return true;
}

ABSearchElement ABPerson::searchElementForProperty(const QString& property, const QString& label,
                                                   const QString& key, const QVariant& value,
                                                   ABSearchComparison comparison)
{
    ABSearchElement e;
    e.m_property = property;
    e.m_label = label;
    e.m_key = key;
    e.m_text = value.toString();
    e.m_comparison = comparison;
    e.m_matcher = QStringMatcher(e.m_text, comparison == ABSearchComparison::ContainsSubString
                                               ? Qt::CaseSensitive : Qt::CaseInsensitive);
    return e;
}
