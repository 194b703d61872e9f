#include "AppFixture.h"

#include "catalogue/CatalogueFile.h"
#include "catalogue/WineInfos.h"
#include "model/KVNAddress.h"
#include "platform/addressbook/ABGroup.h"
#include "platform/addressbook/ABPerson.h"
#include "platform/addressbook/AddressBook.h"

TEST_F(AppFixture, LaunchPreparesTheAddressGroupsAndPutsLostWineriesBack)
{
    auto book = cellarOf(1);
    auto copy = std::make_shared<KVNAddress>();
    copy->setUID(QStringLiteral("person-the-book-lost-0001"));
    copy->setIsWinery(true);
    copy->setCompany(QStringLiteral("Bodega Sol"));
    book->addAddress(copy);
    book->wines().first()->setWinery(copy->uID());
    QDir().mkpath(product());
    ASSERT_TRUE(CellarDatabase::save(*book, database()).isEmpty());

    LaunchOptions o = options();
    o.addressBookFolder = tmp.filePath(QStringLiteral("contacts"));
    {
        MainWindowController app(o);
        ASSERT_TRUE(app.launch());
        AddressBook* ab = app.addressBook();
        ASSERT_TRUE(ab);
        const QString wineries = app.cellarBook()->addressesWineriesID();
        ASSERT_TRUE(ab->groupForUniqueId(wineries));
        EXPECT_EQ(ab->groupForUniqueId(wineries)->name(), QStringLiteral("Wineries"));
        EXPECT_EQ(ab->groupForUniqueId(app.cellarBook()->addressesSuppliersID())->name(), QStringLiteral("Wine Suppliers"));
        const QString id = app.cellarBook()->wines().first()->winery();
        EXPECT_NE(id, QStringLiteral("person-the-book-lost-0001"));
        ASSERT_TRUE(ab->personForUniqueId(id));
        EXPECT_TRUE(ab->groupForUniqueId(wineries)->isMember(id));
        EXPECT_TRUE(app.isDBChanged());
        EXPECT_TRUE(app.applicationShouldTerminate(false));
    }
    // The groups and the person are files now, and the cellar points at the person.
    EXPECT_GE(QDir(tmp.filePath(QStringLiteral("contacts"))).entryList({QStringLiteral("*.vcf")}).size(), 3);
    auto saved = CellarDatabase::load(database());
    ASSERT_TRUE(saved.book);
    auto again = AddressBook::openFolder(tmp.filePath(QStringLiteral("contacts")));
    EXPECT_TRUE(again->personForUniqueId(saved.book->wines().first()->winery()));
}

TEST_F(AppFixture, SeparateCatalogueFileIsUsedAndADamagedOneIsLeftAlone)
{
    writeCellar(database(), 2);
    auto infos = WineInfos::create();
    infos->addCountryString(QStringLiteral("Atlantis"));
    const QString kvwi = product() + QStringLiteral("/") + CatalogueFile::fileName();
    ASSERT_TRUE(CatalogueFile::write(kvwi, infos).isEmpty());
    {
        MainWindowController app(options());
        ASSERT_TRUE(app.launch());
        EXPECT_EQ(app.wineInfos()->orderedCountries().size(), infos->orderedCountries().size());
        EXPECT_GT(app.wineInfos()->countryFor(QStringLiteral("Atlantis")), 0);
        app.applicationShouldTerminate(false);
    }
    ASSERT_TRUE(AtomicFile::write(kvwi, "not a catalogue").isEmpty());
    dialogs.clear();
    MainWindowController app(options());
    ASSERT_TRUE(app.launch());
    EXPECT_EQ(app.wineInfos()->countryFor(QStringLiteral("Atlantis")), 0) << "the cellar's own catalogue serves";
    bool reported = false;
    for (const auto& asked : dialogs.asked())
        reported = reported || asked.title.contains(QStringLiteral("catalogue"));
    EXPECT_TRUE(reported);
    EXPECT_EQ(bytesOf(kvwi), QByteArray("not a catalogue"));
    app.applicationShouldTerminate(false);
}

#include "reports/Agent.h"

TEST_F(AppFixture, StatisticsCountTheCellarAndTheWinesTheWindowShows)
{
    writeCellar(database(), 7);
    MainWindowController app(options());
    ASSERT_TRUE(app.launch());
    ASSERT_TRUE(app.agent());
    EXPECT_EQ(app.agent()->numberOfWines(), 7);
    EXPECT_EQ(app.agent()->foundWines().size(), 7);
    app.setFoundWines({app.cellarBook()->wines().first()});
    EXPECT_EQ(app.agent()->foundWines().size(), 1) << "reports count the found wines";
    EXPECT_EQ(app.agent()->numberOfWines(), 7) << "the report-wide count stays all wines";
    app.applicationShouldTerminate(false);
}
