#include <gtest/gtest.h>
#include <QTemporaryDir>

#include "model/CellarDatabase.h"
#include "platform/AtomicFile.h"
#include "platform/ClassVersionOverride.h"
#include "support/CellarGenerator.h"

namespace {
std::shared_ptr<CellarBook> roundTrip(const CellarBook& book)
{
    auto result = CellarDatabase::loadBytes(CellarDatabase::toBytes(book), QStringLiteral("memory"));
    EXPECT_TRUE(result.error.isEmpty()) << result.error.toStdString();
    return result.book;
}
}

TEST(CellarArchive, PopulatedCellarComesBackIdenticalAndShared)
{
    auto book = CellarGenerator::generate(40);
    const QByteArray bytes = CellarDatabase::toBytes(*book);
    auto back = roundTrip(*book);
    ASSERT_TRUE(back);
    EXPECT_EQ(CellarDatabase::toBytes(*back), bytes) << "writing what was read gives the same bytes";

    ASSERT_EQ(back->wines().size(), 40);
    EXPECT_EQ(back->numoraTags().size(), 240);
    EXPECT_EQ(back->rackZuord().size(), 40);
    EXPECT_EQ(back->depots().first()->name(), QStringLiteral("Wine Cellar"));
    EXPECT_EQ(back->racks().first()->name(), QStringLiteral("Main Rack"));
    EXPECT_EQ(back->author(), QStringLiteral("Anna Keller"));
    EXPECT_EQ(back->iDBuserID(), 4711u);
    EXPECT_EQ(back->rovantLabel(), QStringLiteral("Parker"));
    EXPECT_EQ(back->vinumLabel(), QStringLiteral("V *"));
    EXPECT_EQ(back->outofs(), QStringList{QStringLiteral("100")});

    // Wines in order with their records.
    for (int i = 0; i < 40; ++i) {
        const auto& a = book->wines().at(i);
        const auto& b = back->wines().at(i);
        EXPECT_EQ(b->wineID(), a->wineID());
        EXPECT_EQ(b->winename(), a->winename());
        EXPECT_EQ(b->comment(), a->comment());
        EXPECT_EQ(b->purchases().size(), 3);
        EXPECT_EQ(b->purchases().at(2)->bottle(), 3);
        EXPECT_EQ(b->purchases().at(1)->date(), a->purchases().at(1)->date());
        EXPECT_EQ(b->used().at(1)->occasion(), QStringLiteral("Birthday"));
        EXPECT_EQ(b->reviews().first()->rvScore(), 17.5f);
        EXPECT_EQ(b->stockbalance(), a->stockbalance());
        EXPECT_EQ(b->sightcolorSecondary(), a->sightcolorSecondary());
        EXPECT_EQ(b->bubblesSize(), -2);
    }

    // Shared objects stay shared.
    auto w0 = back->wines().at(0);
    auto w22 = back->wines().at(22); // same grape: 22 grapes in the built-in list
    ASSERT_TRUE(w0->rebsorte());
    EXPECT_EQ(w0->rebsorte(), w22->rebsorte());
    EXPECT_EQ(w0->rebsorte(), back->grapes().first());
    EXPECT_EQ(w0->internAddress(), back->addresses().first());
    EXPECT_EQ(back->numoraTags().first()->wine(), w0);
    EXPECT_EQ(back->numoraTags().first()->rackref(), back->rackZuord().first());
    EXPECT_EQ(back->rackZuord().first()->rack(), back->racks().first());
    EXPECT_EQ(back->racks().first()->depot(), back->depots().first());
    EXPECT_EQ(back->groups().first()->wines().first(), w0);
    EXPECT_EQ(back->groups().first()->children().first()->wines().first(), w0);
    const auto& list = back->aromaList();
    EXPECT_EQ(w0->smellAromas().first()->aroma(), list.at(0)) << "aromas matched by identity";
    EXPECT_FALSE(back->numoraTags().first()->on());
    EXPECT_EQ(back->numoraTags().first()->comment(), QStringLiteral("drunk"));

    // The counters go on where they were.
    auto fresh = std::make_shared<Wine>();
    ASSERT_TRUE(back->addWine(fresh));
    EXPECT_EQ(fresh->wineID(), 41u);
    EXPECT_EQ(back->numoraCounter(), book->numoraCounter());
    auto grape = back->addGrapeString(QStringLiteral("Blaufränkisch"));
    EXPECT_EQ(grape->grapeID(), book->grapeCounter() + 1);
}

TEST(CellarArchive, EveryWineFieldSurvives)
{
    CellarBook book;
    auto w = std::make_shared<Wine>();
    int n = 1;
#define SET_S(name, setter) w->setter(QStringLiteral(#name "-%1").arg(n++));
#define SET_N(name, setter) w->setter(decltype(w->name())(n++));
#define SET_F(name, setter) w->setter(float(n++) + 0.25f);
#define SET_B(name, setter) w->setter(true);
    KV_WINE_STRINGS(SET_S)
    KV_WINE_U32(SET_N)
    KV_WINE_S32(SET_N)
    KV_WINE_U16(SET_N)
    KV_WINE_FLOATS(SET_F)
    KV_WINE_FLAGS(SET_B)
    w->setCountry(7);
    w->setRegio(3);
    w->setFrom(2030);
    w->setBest(2032);
    w->setTo(2040);
    w->setTastingDate(QDate(2020, 5, 17));
    book.addWine(w);
    auto back = roundTrip(book);
    ASSERT_TRUE(back);
    auto b = back->wines().first();
#define CHECK(name, setter) EXPECT_EQ(b->name(), w->name()) << #name;
    KV_WINE_STRINGS(CHECK)
    KV_WINE_U32(CHECK)
    KV_WINE_S32(CHECK)
    KV_WINE_U16(CHECK)
    KV_WINE_FLOATS(CHECK)
    KV_WINE_FLAGS(CHECK)
    EXPECT_EQ(b->country(), 7);
    EXPECT_EQ(b->regio(), 3);
    EXPECT_EQ(b->from(), 2030);
    EXPECT_EQ(b->best(), 2032);
    EXPECT_EQ(b->to(), 2040);
    EXPECT_EQ(b->tastingDate(), QDate(2020, 5, 17));
}

TEST(CellarArchive, OlderClassVersionsAreReadFieldByField)
{
    auto book = CellarGenerator::generate(3);
    book->wines().first()->setComment(QStringLiteral("Plain old comment ä").toUtf8());
    QByteArray old;
    {
        // Write as an older program would: wines at 8 (plain-string comment),
        // purchases at 2 (no bottle size), the book at 7 (no user ID, no scales).
        ClassVersionOverride wine(QStringLiteral("Wine"), 8);
        ClassVersionOverride purchase(QStringLiteral("Purchase"), 2);
        ClassVersionOverride cellar(QStringLiteral("CellarBook"), 7);
        old = CellarDatabase::toBytes(*book);
    }
    QStringList alerts;
    auto result = CellarDatabase::loadBytes(old, QStringLiteral("old"), [&](const QString& m) { alerts << m; });
    ASSERT_TRUE(result.book) << result.error.toStdString();
    EXPECT_TRUE(alerts.isEmpty());
    auto w = result.book->wines().first();
    EXPECT_EQ(w->commentPlainText(), QStringLiteral("Plain old comment ä"));
    EXPECT_TRUE(w->comment().startsWith("{\\rtf")) << "turned into rich text";
    EXPECT_EQ(w->purchases().at(2)->bottle(), 1) << "absent field keeps the default size";
    EXPECT_EQ(w->purchases().at(2)->price(), 11.5f);
    EXPECT_EQ(result.book->iDBuserID(), 0u);
    EXPECT_TRUE(result.book->outofs().isEmpty());
    EXPECT_EQ(result.book->wines().size(), 3);
}

TEST(CellarArchive, NewerDatabaseVersionAlertsAndReadingGoesOn)
{
    CellarBook book;
    QByteArray newer;
    {
        ClassVersionOverride cellar(QStringLiteral("CellarBook"), 9);
        newer = CellarDatabase::toBytes(book);
    }
    QStringList alerts;
    auto result = CellarDatabase::loadBytes(newer, QStringLiteral("new"), [&](const QString& m) { alerts << m; });
    EXPECT_TRUE(result.book);
    ASSERT_EQ(alerts.size(), 1);
    EXPECT_EQ(alerts.first(), QStringLiteral("Wrong database version! Your application is not the latest "
                                             "version. (database = 9 , class = 8)"));
}

TEST(CellarArchive, DamagedFilesGiveErrorsNamingTheFileAndStayUntouched)
{
    QTemporaryDir dir;
    auto book = CellarGenerator::generate(5);
    const QByteArray good = CellarDatabase::toBytes(*book);
    const QList<QPair<QString, QByteArray>> cases = {
        {QStringLiteral("empty.kvdb"), QByteArray()},
        {QStringLiteral("truncated.kvdb"), good.left(good.size() / 2)},
        {QStringLiteral("garbled.kvdb"), QByteArray(good).replace(200, 40, QByteArray(40, '\x7f'))},
        {QStringLiteral("text.kvdb"), QByteArray("just some text\n")},
    };
    for (const auto& [name, bytes] : cases) {
        const QString path = dir.filePath(name);
        ASSERT_TRUE(AtomicFile::write(path, bytes).isEmpty());
        auto result = CellarDatabase::load(path);
        EXPECT_FALSE(result.book) << name.toStdString();
        EXPECT_TRUE(result.error.contains(name)) << result.error.toStdString();
        QString err;
        EXPECT_EQ(AtomicFile::read(path, &err), bytes) << "a failed read changes nothing";
    }
    auto missing = CellarDatabase::load(dir.filePath("none.kvdb"));
    EXPECT_FALSE(missing.book);
    EXPECT_TRUE(missing.error.contains("none.kvdb"));
}

TEST(CellarArchive, FailedSaveKeepsThePreviousFile)
{
    QTemporaryDir dir;
    auto book = CellarGenerator::generate(2);
    const QString path = dir.filePath("DaDirad.kvdb");
    ASSERT_TRUE(CellarDatabase::save(*book, path).isEmpty());
    QString err;
    const QByteArray before = AtomicFile::read(path, &err);
    // A folder in the way of the temporary file's rename: the save must fail loudly.
    const QString blocked = dir.filePath("blocked.kvdb");
    QDir().mkdir(blocked);
    EXPECT_FALSE(CellarDatabase::save(*book, blocked).isEmpty());
    EXPECT_FALSE(CellarDatabase::save(*book, dir.filePath("no/such/dir/x.kvdb")).isEmpty());
    EXPECT_EQ(AtomicFile::read(path, &err), before);
    auto again = CellarDatabase::load(path);
    ASSERT_TRUE(again.book);
    EXPECT_EQ(again.book->wines().size(), 2);
}

TEST(CellarArchive, KeyedBackupsReadBackLikeTheDatabase)
{
    auto book = CellarGenerator::generate(12);
    // Text that XML cannot carry plainly: control characters, CR, a null string.
    book->wines().first()->setWinename(QStringLiteral("Ohio River Valley\v \r\n<&> \u00A0end "));
    book->wines().at(1)->setFood(QString());
    const QByteArray sequential = CellarDatabase::toBytes(*book);
    for (auto form : {CellarDatabase::KeyedForm::Xml, CellarDatabase::KeyedForm::Binary}) {
        const QByteArray keyed = CellarDatabase::toKeyedBytes(*book, form);
        auto result = CellarDatabase::loadBytes(keyed, QStringLiteral("backup"));
        ASSERT_TRUE(result.book) << result.error.toStdString();
        EXPECT_EQ(CellarDatabase::toBytes(*result.book), sequential) << "same cellar as the database holds";
        EXPECT_TRUE(result.book->wines().at(1)->food().isNull());
        EXPECT_EQ(result.book->wines().first()->rebsorte(), result.book->grapes().first());
    }
    const QByteArray xml = CellarDatabase::toKeyedBytes(*book, CellarDatabase::KeyedForm::Xml);
    EXPECT_TRUE(xml.contains("<string key=\"winename\">Wine 1"));
    EXPECT_TRUE(xml.contains("<class name=\"Wine\" version=\"9\"/>"));
}

TEST(CellarArchive, DamagedKeyedBackupsAreRefused)
{
    auto book = CellarGenerator::generate(3);
    const QByteArray xml = CellarDatabase::toKeyedBytes(*book, CellarDatabase::KeyedForm::Xml);
    const QByteArray bin = CellarDatabase::toKeyedBytes(*book, CellarDatabase::KeyedForm::Binary);
    for (const QByteArray& bad : {xml.left(xml.size() / 2), bin.left(bin.size() / 2),
                                  QByteArray(xml).replace("<u32 key=\"wineCounter\">", "<u32 key=\"wineCounter\">x"),
                                  QByteArray(xml).replace("class=\"Wine\"", "class=\"Whine\""),
                                  QByteArray("KVLNKEYZ\xff\xff\xff\xff", 12)}) {
        auto result = CellarDatabase::loadBytes(bad, QStringLiteral("b.kvkeyed"));
        EXPECT_FALSE(result.book);
        EXPECT_TRUE(result.error.contains("b.kvkeyed"));
    }
}

TEST(CellarArchive, CountersReadBelowStoredIDsAreLiftedSoNoIDIsIssuedTwice)
{
    auto book = CellarBook::createNew();
    // Records whose IDs lie above the counters, as a damaged or hand-edited file may hold.
    book->grapes().first()->setGrapeID(900);
    book->odours().first()->setOdourID(901);
    book->tastes().first()->setTasteID(902);
    book->depots().first()->setDepotID(903);
    book->racks().first()->setRackID(904);
    auto back = roundTrip(*book);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->addGrapeString(QStringLiteral("Kerner"))->grapeID(), 901u);
    EXPECT_EQ(back->addOdourString(QStringLiteral("Tar"))->odourID(), 902u);
    EXPECT_EQ(back->addTasteString(QStringLiteral("Chewy"))->tasteID(), 903u);
    auto depot = std::make_shared<Depot>();
    ASSERT_TRUE(back->addDepot(depot));
    EXPECT_EQ(depot->depotID(), 904);
    auto rack = std::make_shared<Rack>();
    ASSERT_TRUE(back->addRack(rack));
    EXPECT_EQ(rack->rackID(), 905u);
}
