#include "platform/addressbook/CellarAddressBook.h"

#include "platform/Log.h"
#include "platform/addressbook/ABGroup.h"
#include "platform/addressbook/ABPerson.h"
#include "platform/addressbook/AddressBook.h"

namespace {
QString findOrCreateGroup(AddressBook& book, const QString& knownID, const QString& name, bool* created)
{
    if (auto group = book.groupForUniqueId(knownID))
        return group->uniqueId();
    for (const auto& group : book.groups())
        if (group->name() == name)
            return group->uniqueId();
    auto group = std::make_shared<ABGroup>(name);
    book.addRecord(group);
    *created = true;
    return group->uniqueId();
}
}

CellarAddressGroups prepareCellarAddressBook(AddressBook& book, const QString& knownWineriesID,
                                             const QString& knownSuppliersID)
{
    ABPerson::addPropertiesAndTypes({
        {kAdditionalProperty, ABPropertyType::String},
        {kRegionProperty, ABPropertyType::String},
        {kRegionIDProperty, ABPropertyType::Integer},
        {kCountryIDProperty, ABPropertyType::Integer},
        {kVarietiesProperty, ABPropertyType::String},
        {kVineyardsProperty, ABPropertyType::String},
    });
    bool created = false;
    CellarAddressGroups ids;
    ids.wineriesID = findOrCreateGroup(book, knownWineriesID, kWineriesGroupName, &created);
    ids.suppliersID = findOrCreateGroup(book, knownSuppliersID, kWineSuppliersGroupName, &created);
    if (created && !book.save())
        Log::line(QStringLiteral("Address book: the groups could not be stored: ") + book.lastError());
    return ids;
}
