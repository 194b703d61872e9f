// The cellar book's side of the address book: its copies of wineries and
// suppliers, and how a lost person is put back from them.
#include "model/CellarBook.h"
#include "model/KVNAddress.h"
#include "model/Purchase.h"
#include "model/Wine.h"
#include "platform/Log.h"
#include "platform/addressbook/ABConstants.h"
#include "platform/addressbook/ABGroup.h"
#include "platform/addressbook/ABMultiValue.h"
#include "platform/addressbook/ABPerson.h"
#include "platform/addressbook/ABSearchElement.h"
#include "platform/addressbook/AddressBook.h"
#include "platform/addressbook/CellarAddressBook.h"

namespace {
QString workCity(const ABPerson& person)
{
    const ABMultiValue addresses = person.valueForProperty(kABAddressProperty).value<ABMultiValue>();
    for (int i = 0; i < addresses.count(); ++i)
        if (addresses.labelAtIndex(i) == kABWorkLabel)
            return addresses.valueAtIndex(i).toMap().value(kABAddressCityKey).toString();
    return addresses.count() > 0 ? addresses.valueAtIndex(0).toMap().value(kABAddressCityKey).toString() : QString();
}

// A new person holding the copy, in the layout the address window writes.
std::shared_ptr<ABPerson> personFromCopy(const KVNAddress& copy)
{
    auto person = std::make_shared<ABPerson>();
    person->setValue(copy.company(), kABOrganizationProperty);
    person->setValue(kABShowAsCompany, kABPersonFlags);
    ABMultiValue address;
    QVariantMap fields;
    fields.insert(kABAddressStreetKey, copy.street());
    fields.insert(kABAddressCityKey, copy.city());
    fields.insert(kABAddressStateKey, copy.state());
    fields.insert(kABAddressZIPKey, copy.zip());
    fields.insert(kABAddressCountryKey, copy.country());
    address.addValue(fields, kABWorkLabel);
    person->setValue(QVariant::fromValue(address), kABAddressProperty);
    ABMultiValue phones;
    if (!copy.phone().isEmpty())
        phones.addValue(copy.phone(), kABPhoneMainLabel);
    if (!copy.fax().isEmpty())
        phones.addValue(copy.fax(), kABPhoneWorkFAXLabel);
    if (phones.count() > 0)
        person->setValue(QVariant::fromValue(phones), kABPhoneProperty);
    if (!copy.email().isEmpty()) {
        ABMultiValue mail;
        mail.addValue(copy.email(), kABWorkLabel);
        person->setValue(QVariant::fromValue(mail), kABEmailProperty);
    }
    if (!copy.homepage().isEmpty())
        person->setValue(copy.homepage(), kABHomePageProperty);
    if (!copy.note().isEmpty())
        person->setValue(copy.note(), kABNoteProperty);
    if (!copy.additionalProperty().isEmpty())
        person->setValue(copy.additionalProperty(), kAdditionalProperty);
    if (!copy.regionProperty().isEmpty())
        person->setValue(copy.regionProperty(), kRegionProperty);
    person->setValue(copy.countryIDProperty(), kCountryIDProperty);
    person->setValue(copy.regionIDProperty(), kRegionIDProperty);
    return person;
}

void setMembership(AddressBook& book, const QString& groupID, const std::shared_ptr<ABPerson>& person, bool member)
{
    auto group = book.groupForUniqueId(groupID);
    if (!group)
        return;
    if (member && !group->isMember(person->uniqueId()))
        group->addMember(person);
    else if (!member && group->isMember(person->uniqueId()))
        group->removeMember(person);
}
}

std::shared_ptr<ABPerson> CellarBook::isDoubleAddressCompany(const AddressBook& book, const QString& company)
{
    if (company.isEmpty())
        return nullptr;
    const auto found = book.recordsMatchingSearchElement(ABPerson::searchElementForProperty(
        kABOrganizationProperty, QString(), QString(), company, ABSearchComparison::EqualCaseInsensitive));
    return found.isEmpty() ? nullptr : found.first();
}

QString CellarBook::refreshAddressForUID(AddressBook& book, const QString& uID)
{
    const auto copy = internAddressForID(uID);
    if (!copy)
        return QString();
    std::shared_ptr<ABPerson> person;
    // A person of the same company and city is the same winery: take it.
    const auto sameCompany = book.recordsMatchingSearchElement(ABPerson::searchElementForProperty(
        kABOrganizationProperty, QString(), QString(), copy->company(), ABSearchComparison::EqualCaseInsensitive));
    for (const auto& candidate : sameCompany)
        if (!copy->company().isEmpty() && workCity(*candidate).compare(copy->city(), Qt::CaseInsensitive) == 0) {
            person = candidate;
            break;
        }
    if (!person) {
        person = personFromCopy(*copy);
        if (!book.addRecord(person)) {
            Log::line(QStringLiteral("adding ABRecord failed"));
            return QString();
        }
    }
    setMembership(book, m_addressesWineriesID, person, copy->isWinery());
    setMembership(book, m_addressesSuppliersID, person, copy->isSupplier());
    if (!copy->image().isEmpty())
        person->setImageData(copy->image());

    const QString newID = person->uniqueId();
    for (const auto& wine : m_wines) {
        if (wine->winery() == uID)
            wine->setWinery(newID);
        for (const auto& purchase : wine->purchases())
            if (purchase->supplier() == uID)
                purchase->setSupplier(newID);
    }
    copy->setUID(newID);
    if (book.hasUnsavedChanges() && !book.save())
        Log::line(QStringLiteral("refreshAddressForUID: the address book could not be saved: %1").arg(book.lastError()));
    return newID;
}
