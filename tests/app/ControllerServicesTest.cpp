#include "AppFixture.h"
#include "support/FakeHttpServer.h"
#include "app/Backups.h"
#include "app/WineEditor.h"
#include "app/WineListModel.h"
#include "exchange/online/ZuzTransport.h"
#include "platform/Settings.h"
#include "platform/addressbook/ABConstants.h"
#include "platform/addressbook/ABMultiValue.h"
#include "platform/addressbook/ABPerson.h"
#include "platform/addressbook/AddressBook.h"
#include <QFileInfo>
#include <QTableView>
#include <stdexcept>

namespace {
// An editor that records the wines it is given and can fail on loading one.
class StubEditor : public WineEditor {
public:
    explicit StubEditor(QStringList* log, bool failOnLoad = false)
        : m_log(log)
        , m_fail(failOnLoad)
    {
    }
    bool isExpert() const override { return true; }
    void showWindow() override {}
    void closeWindow() override {}
    void setMainWindowController(MainWindowController*) override {}
    void setWine(const std::shared_ptr<Wine>& wine) override
    {
        if (m_fail)
            throw std::runtime_error("no picture");
        m_log->append(wine->winename());
    }
    void previousArrow(bool) override {}
    void nextArrow(bool) override {}
    void usedWineBottle(const std::shared_ptr<BottleIdentifier>&) override {}
    void recycleBottle(const std::shared_ptr<BottleIdentifier>&) override {}
    void newWine() override { m_log->append(QStringLiteral("new")); }
    void shouldSave() override {}
    void buildWineMenus() override {}

private:
    QStringList* m_log;
    bool m_fail;
};

std::shared_ptr<ABPerson> company(const QString& organization, const QString& city, const QString& label)
{
    auto p = std::make_shared<ABPerson>();
    p->setValue(organization, kABOrganizationProperty);
    ABMultiValue addresses;
    addresses.addValue(QVariantMap{{QString(kABAddressCityKey), city}}, label);
    p->setValue(QVariant::fromValue(addresses), kABAddressProperty);
    return p;
}
}

TEST_F(AppFixture, TheNewestBackupOfAnyKindDecidesWhichAreDue)
{
    writeCellar(database(), 2);
    const QString backups = product() + QStringLiteral("/Backups");
    QDir().mkpath(backups);
    // The XML form is old, but the last backup is only 5 days old.
    ASSERT_TRUE(AtomicFile::write(backups + QLatin1Char('/') + Backups::fileName(Backups::Kind::KeyedXml, clock.addDays(-30)), "old").isEmpty());
    ASSERT_TRUE(AtomicFile::write(backups + QLatin1Char('/') + Backups::fileName(Backups::Kind::Keyed, clock.addDays(-5)), "old").isEmpty());
    ASSERT_TRUE(AtomicFile::write(backups + QLatin1Char('/') + Backups::fileName(Backups::Kind::Sequential, clock.addDays(-5)), "old").isEmpty());
    EXPECT_EQ(Backups::lastBackup(backups), clock.addDays(-5));

    MainWindowController app(options());
    ASSERT_TRUE(app.launch());
    app.setDBasChanged();
    ASSERT_TRUE(app.applicationShouldTerminate());
    EXPECT_TRUE(QFileInfo::exists(backups + QLatin1Char('/') + Backups::fileName(Backups::Kind::Keyed, clock)));
    EXPECT_TRUE(QFileInfo::exists(backups + QLatin1Char('/') + Backups::fileName(Backups::Kind::Sequential, clock)));
    EXPECT_FALSE(QFileInfo::exists(backups + QLatin1Char('/') + Backups::fileName(Backups::Kind::KeyedXml, clock)));

    // Two days later the keyed backup just written is the last one: nothing is due.
    clock = clock.addDays(2);
    MainWindowController later(options());
    ASSERT_TRUE(later.launch());
    later.setDBasChanged();
    ASSERT_TRUE(later.applicationShouldTerminate());
    EXPECT_EQ(Backups::lastBackup(backups), clock.addDays(-2));
}

TEST_F(AppFixture, ABackupDatedInTheFutureDoesNotHoldBackNewOnes)
{
    writeCellar(database(), 2);
    const QString backups = product() + QStringLiteral("/Backups");
    QDir().mkpath(backups);
    // Written once while the clock was a month ahead.
    ASSERT_TRUE(AtomicFile::write(backups + QLatin1Char('/') + Backups::fileName(Backups::Kind::Keyed, clock.addDays(30)), "x").isEmpty());
    MainWindowController app(options());
    ASSERT_TRUE(app.launch());
    app.setDBasChanged();
    ASSERT_TRUE(app.applicationShouldTerminate());
    EXPECT_TRUE(QFileInfo::exists(backups + QLatin1Char('/') + Backups::fileName(Backups::Kind::Keyed, clock)));
    EXPECT_TRUE(QFileInfo::exists(backups + QLatin1Char('/') + Backups::fileName(Backups::Kind::KeyedXml, clock)));
}

TEST_F(AppFixture, AddressSearchMatchesWorkCityOrOrganizationIgnoringCase)
{
    LaunchOptions o = options();
    o.addressBookFolder = tmp.filePath(QStringLiteral("contacts"));
    MainWindowController app(o);
    ASSERT_TRUE(app.launch());
    auto keller = company(QStringLiteral("Weingut Keller"), QStringLiteral("Flörsheim-Dalsheim"), QString(kABAddressWorkLabel));
    auto sol = company(QStringLiteral("Bodega Sol"), QStringLiteral("Haro"), QString(kABAddressHomeLabel));
    auto second = company(QStringLiteral("Keller & Söhne"), QStringLiteral("Mainz"), QString(kABAddressWorkLabel));
    for (const auto& p : {keller, sol, second})
        ASSERT_TRUE(app.addressBook()->addRecord(p));

    EXPECT_EQ(app.addressSearch(QStringLiteral("dalsheim")), keller->uniqueId());
    EXPECT_EQ(app.addressSearch(QStringLiteral("KELLER")), keller->uniqueId()) << "the first match wins";
    EXPECT_EQ(app.addressSearch(QStringLiteral("mainz")), second->uniqueId());
    EXPECT_EQ(app.addressSearch(QStringLiteral("bodega")), sol->uniqueId());
    EXPECT_EQ(app.addressSearch(QStringLiteral("Haro")), QString()) << "a home address does not count";
    EXPECT_EQ(app.addressSearch(QString()), QString());
    EXPECT_EQ(app.addressSearch(QStringLiteral("Nowhere")), QString());
    app.applicationShouldTerminate(false);
}

TEST_F(AppFixture, UserIDRegistersOnceWithTheIdentityOfThisRun)
{
    FakeHttpServer server;
    ASSERT_TRUE(server.start());
    server.reply(QStringLiteral("/zuz/adduser.php3"), "4711");
    {
        Settings stored(tmp.filePath(QStringLiteral("settings.ini")));
        stored.setString(QLatin1String(ZuzTransport::ServerKey), server.baseUrl().toString());
        ASSERT_TRUE(stored.sync());
    }
    MainWindowController app(options());
    ASSERT_TRUE(app.launch());
    ASSERT_EQ(app.cellarBook()->iDBuserID(), 0u);
    app.setUFirstName(QStringLiteral("Anna"));
    app.setUName(QStringLiteral("Keller"));
    EXPECT_EQ(app.userID(), 4711u);
    EXPECT_EQ(app.cellarBook()->iDBuserID(), 4711u);
    EXPECT_TRUE(app.isDBChanged()) << "the new ID is kept with the cellar";
    ASSERT_EQ(server.targets().size(), 1);
    EXPECT_TRUE(server.targets().first().contains(QStringLiteral("firstname=Anna&name=Keller")))
        << server.targets().first().toStdString();
    EXPECT_EQ(app.userID(), 4711u);
    EXPECT_EQ(server.targets().size(), 1) << "registered only once";
    ASSERT_TRUE(app.applicationShouldTerminate());
    auto saved = CellarDatabase::load(database());
    ASSERT_TRUE(saved.book);
    EXPECT_EQ(saved.book->iDBuserID(), 4711u);
}

TEST_F(AppFixture, AFailingDoubleClickShowsTheErrorSheet)
{
    writeCellar(database(), 2);
    MainWindowController app(options());
    ASSERT_TRUE(app.launch());
    QStringList log;
    app.setEditorFactory([&](bool) { return std::make_unique<StubEditor>(&log, true); });
    QTableView* table = app.wineTable();
    emit table->doubleClicked(app.wineListModel()->index(1, 0));
    ASSERT_FALSE(dialogs.asked().isEmpty());
    EXPECT_EQ(dialogs.asked().last().title, QStringLiteral("Error!"));
    EXPECT_EQ(dialogs.asked().last().text, QStringLiteral("Error: no picture in: winelistDoubleclick"));
    EXPECT_EQ(dialogs.asked().last().options, QStringList{QStringLiteral("OK")});
}

TEST_F(AppFixture, DeletingMovesTheEditorToTheNextRowOrANewWine)
{
    writeCellar(database(), 3);
    MainWindowController app(options());
    ASSERT_TRUE(app.launch());
    QStringList log;
    app.setEditorFactory([&](bool) { return std::make_unique<StubEditor>(&log); });
    app.winelistDoubleclick(1);
    log.clear();
    dialogs.push(1);
    ASSERT_TRUE(app.deleteTHEWine(app.foundWines().at(1)));
    EXPECT_EQ(log, QStringList{QStringLiteral("Wine 2")}) << "the row that follows";
    log.clear();
    dialogs.push(1);
    ASSERT_TRUE(app.deleteTHEWine(app.foundWines().last()));
    EXPECT_EQ(log, QStringList{QStringLiteral("new")}) << "no row follows the last one";
    EXPECT_EQ(app.cellarBook()->wines().size(), 1);
}
