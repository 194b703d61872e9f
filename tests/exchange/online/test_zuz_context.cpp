#include <gtest/gtest.h>

#include "catalogue/Country.h"
#include "catalogue/Regio.h"
#include "catalogue/WineInfos.h"
#include "exchange/online/ZuzWines.h"
#include "model/CellarBook.h"
#include "model/Wine.h"
#include "platform/addressbook/ABConstants.h"
#include "platform/addressbook/ABPerson.h"
#include "platform/addressbook/AddressBook.h"
#include "platform/addressbook/MemoryAddressBackend.h"

TEST(ZuzContext, BuiltInEntriesAndTheWineryNameComeFromCatalogueAndAddressBook)
{
    auto book = CellarBook::createNew();
    Wine::setCellarBook(book.get());
    auto infos = book->wineInfos();
    const quint16 italy = infos->countryFor(infos->countryName(infos->findCountryIDForISO3alpha(QStringLiteral("ITA"))));
    ASSERT_GT(italy, 0);
    Wine w;
    w.setCountry(italy);
    w.setRegio(15); // a built-in region
    AddressBook addresses(std::make_unique<MemoryAddressBackend>());
    auto winery = std::make_shared<ABPerson>();
    winery->setValue(QStringLiteral("Cantina Rossa"), kABOrganizationProperty);
    addresses.addRecord(winery);
    w.setWinery(winery->uniqueId());
    auto context = zuzContextForWine(w, &addresses);
    EXPECT_TRUE(context.regioIsSystem);
    EXPECT_FALSE(context.areaIsSystem);
    EXPECT_EQ(context.winery, QStringLiteral("Cantina Rossa"));
    // A region the user added is not sent.
    ASSERT_TRUE(infos->country(italy)->addRegioString(QStringLiteral("My Hill")));
    w.setRegio(int(infos->country(italy)->regios().size()));
    EXPECT_FALSE(zuzContextForWine(w, &addresses).regioIsSystem);
    EXPECT_TRUE(zuzContextForWine(w, nullptr).winery.isEmpty());
    Wine::setCellarBook(nullptr);
}
