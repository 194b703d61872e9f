#include <gtest/gtest.h>

#include "platform/addressbook/ABConstants.h"
#include "platform/addressbook/ABGroup.h"
#include "platform/addressbook/ABMultiValue.h"
#include "platform/addressbook/ABPerson.h"
#include "platform/addressbook/AddressBook.h"
#include "platform/addressbook/CellarAddressBook.h"
#include "platform/addressbook/MemoryAddressBackend.h"
#include "support/CellarGenerator.h"

namespace {
struct Fixture {
    std::unique_ptr<AddressBook> book = std::make_unique<AddressBook>(std::make_unique<MemoryAddressBackend>());
    std::shared_ptr<CellarBook> cellar = CellarBook::createNew();
    std::shared_ptr<KVNAddress> copy = std::make_shared<KVNAddress>();
    std::shared_ptr<Wine> wine = std::make_shared<Wine>();
    Fixture()
    {
        const auto groups = prepareCellarAddressBook(*book);
        cellar->setAddressesWineriesID(groups.wineriesID);
        cellar->setAddressesSuppliersID(groups.suppliersID);
        copy->setUID(QStringLiteral("lost-person-uid-000001"));
        copy->setIsWinery(true);
        copy->setIsSupplier(true);
        copy->setCompany(QStringLiteral("Domaine Dupont"));
        copy->setCity(QStringLiteral("Beaune"));
        copy->setPhone(QStringLiteral("+33 1 23"));
        copy->setFax(QStringLiteral("+33 1 24"));
        copy->setEmail(QStringLiteral("vin@dupont.fr"));
        copy->setCountryIDProperty(75);
        copy->setImage(QByteArray("II*\0picture", 11));
        cellar->addAddress(copy);
        wine->setWinery(copy->uID());
        auto p = std::make_shared<Purchase>();
        p->setSupplier(copy->uID());
        wine->purchases().append(p);
        cellar->addWine(wine);
    }
};
}

TEST(CellarAddresses, LostPersonIsPutBackAndEveryReferenceFollows)
{
    Fixture f;
    EXPECT_EQ(f.cellar->refreshAddressForUID(*f.book, QStringLiteral("unknown-id-xyz")), QString());
    const QString id = f.cellar->refreshAddressForUID(*f.book, f.copy->uID());
    ASSERT_FALSE(id.isEmpty());
    EXPECT_NE(id, QStringLiteral("lost-person-uid-000001"));
    auto person = f.book->personForUniqueId(id);
    ASSERT_TRUE(person);
    EXPECT_EQ(person->valueForProperty(kABOrganizationProperty).toString(), QStringLiteral("Domaine Dupont"));
    const ABMultiValue phones = person->valueForProperty(kABPhoneProperty).value<ABMultiValue>();
    ASSERT_EQ(phones.count(), 2);
    EXPECT_EQ(phones.labelAtIndex(0), QString(kABPhoneMainLabel));
    EXPECT_EQ(phones.labelAtIndex(1), QString(kABPhoneWorkFAXLabel));
    EXPECT_EQ(person->valueForProperty(kCountryIDProperty).toInt(), 75);
    EXPECT_EQ(person->imageData(), f.copy->image());
    EXPECT_TRUE(f.book->groupForUniqueId(f.cellar->addressesWineriesID())->isMember(id));
    EXPECT_TRUE(f.book->groupForUniqueId(f.cellar->addressesSuppliersID())->isMember(id));
    EXPECT_EQ(f.wine->winery(), id);
    EXPECT_EQ(f.wine->purchases().first()->supplier(), id);
    EXPECT_EQ(f.cellar->internAddressForID(id), f.copy);
    EXPECT_FALSE(f.book->hasUnsavedChanges()) << "saved";
    EXPECT_EQ(CellarBook::isDoubleAddressCompany(*f.book, QStringLiteral("DOMAINE dupont")), person);
    EXPECT_EQ(CellarBook::isDoubleAddressCompany(*f.book, QString()), nullptr);
    EXPECT_EQ(CellarBook::isDoubleAddressCompany(*f.book, QStringLiteral("Domaine")), nullptr);
}

TEST(CellarAddresses, PersonOfSameCompanyAndCityIsTakenInsteadOfADuplicate)
{
    Fixture f;
    auto existing = std::make_shared<ABPerson>();
    existing->setValue(QStringLiteral("domaine dupont"), kABOrganizationProperty);
    ABMultiValue address;
    address.addValue(QVariantMap{{QString(kABAddressCityKey), QStringLiteral("BEAUNE")}}, kABWorkLabel);
    existing->setValue(QVariant::fromValue(address), kABAddressProperty);
    ASSERT_TRUE(f.book->addRecord(existing));
    const int before = int(f.book->people().size());
    EXPECT_EQ(f.cellar->refreshAddressForUID(*f.book, f.copy->uID()), existing->uniqueId());
    EXPECT_EQ(int(f.book->people().size()), before);
    EXPECT_EQ(f.wine->winery(), existing->uniqueId());
}

TEST(CellarAddresses, AddingACopyForAKnownIDUpdatesThatCopy)
{
    Fixture f;
    auto newer = std::make_shared<KVNAddress>();
    newer->setUID(f.copy->uID());
    newer->setCompany(QStringLiteral("Domaine Dupont & Fils"));
    newer->setCity(QStringLiteral("Pommard"));
    f.cellar->addAddress(newer);
    EXPECT_EQ(f.cellar->addresses().size(), 1);
    EXPECT_EQ(f.cellar->internAddressForID(newer->uID()), f.copy) << "the same object: wines keep pointing at it";
    EXPECT_EQ(f.copy->company(), QStringLiteral("Domaine Dupont & Fils"));
    EXPECT_EQ(f.copy->city(), QStringLiteral("Pommard"));
    f.cellar->addAddress(f.copy);
    EXPECT_EQ(f.cellar->addresses().size(), 1);
    auto other = std::make_shared<KVNAddress>();
    other->setUID(QStringLiteral("another-person-uid-0002"));
    f.cellar->addAddress(other);
    EXPECT_EQ(f.cellar->addresses().size(), 2);
}
