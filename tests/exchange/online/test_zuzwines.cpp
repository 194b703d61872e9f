#include "GermanLocale.h"
#include "ZuzSamples.h"
#include "ZuzServerFixture.h"
#include "exchange/online/ZuzClient.h"
#include "exchange/online/ZuzProtocol.h"
#include "exchange/online/ZuzWines.h"
#include "model/CellarBook.h"
#include "model/Purchase.h"
#include "model/VocabularyEntry.h"
#include "model/Wine.h"
#include <gtest/gtest.h>

namespace {

// The wine of fullWine(), set up through the model's own setters.
std::shared_ptr<Wine> fullModelWine(CellarBook& book)
{
    auto w = std::make_shared<Wine>();
    w->setWinename(QString::fromUtf8("Ch\xC3\xA2teau Neuf & Co"));
    w->setYear(2015);
    w->setType(2);
    w->setCountry(3);
    w->setRegio(4);
    w->setArea(5);
    w->setClassification(6);
    w->setComment(QByteArrayLiteral("Dark/ripe: 100%"));
    w->setWinespectator(91);
    w->setRovant(17);
    w->setVinum(18);
    w->setCustompoints(8.5f);
    w->setCustomQuality(QStringLiteral("Top=1"));
    w->setRebsorte(book.addGrapeString(QStringLiteral("Merlot")));
    w->setPoints(95);
    for (auto set : {&Wine::setSupple, &Wine::setFinesse, &Wine::setElegance, &Wine::setHarmonious,
                     &Wine::setRich, &Wine::setDelicate, &Wine::setBreed, &Wine::setUnbestimmt,
                     &Wine::setCloudyopaque, &Wine::setCedar, &Wine::setCorky, &Wine::setWoody,
                     &Wine::setMusty, &Wine::setFlowery, &Wine::setPeach, &Wine::setHoney,
                     &Wine::setLemon, &Wine::setSpicy, &Wine::setSmoky, &Wine::setPears,
                     &Wine::setSulphury, &Wine::setRoestarome, &Wine::setAppley, &Wine::setBitter,
                     &Wine::setCurrants, &Wine::setCaramel, &Wine::setEarthy, &Wine::setTastespicy,
                     &Wine::setSilky, &Wine::setSalty, &Wine::setNutty, &Wine::setMouldy,
                     &Wine::setMetallic, &Wine::setFleshy, &Wine::setFlinty, &Wine::setGreen,
                     &Wine::setHeady, &Wine::setMelow, &Wine::setFlabby, &Wine::setFlat,
                     &Wine::setTwoody, &Wine::setKosher, &Wine::setAlcoholfree, &Wine::setBarrique})
        ((*w).*set)(true);
    w->setFrom(2018);
    w->setBest(2022);
    w->setTo(2030);
    w->setTemperatur(16);
    w->setTempTo(18);
    w->setFood(QStringLiteral("Lamb+beans"));
    w->setQuality(3);
    w->setScore(92.25f);
    w->setCustomSight(QStringLiteral("clear?"));
    w->setClarity(1);
    w->setColordepth(2);
    w->setSightcolor(3);
    w->setViscosity(4);
    w->setSightpoints(5);
    w->sightcolorSecondary() = {6, 7, 8, 9, 10};
    w->setCustomSmell(QStringLiteral("#fruit"));
    w->setAppeal(11);
    w->setAroma(12);
    w->setBouquet(13);
    w->setOdour(book.addOdourString(QStringLiteral("Cassis")));
    w->setOdourA(book.addOdourString(QStringLiteral("Vanille")));
    w->setSmellpoints(14);
    w->setCustomTaste(QStringLiteral("long"));
    w->setSweet(15);
    w->setTannin(16);
    w->setAcidity(17);
    w->setBody(18);
    w->setBalance(19);
    w->setLenght(20);
    w->setTaste(book.addTasteString(QStringLiteral("dry")));
    w->setTasteA(book.addTasteString(QStringLiteral("firm")));
    w->setTastepoints(21);
    auto purchase = std::make_shared<Purchase>();
    purchase->setPrice(12.5f);
    purchase->setNumber(6);
    w->purchases().append(purchase);
    w->setCurrency(QStringLiteral("EUR"));
    w->setMarketvalue(30.0f);
    w->setAlcohol(13.5f);
    w->setAcid(5.25f);
    w->setSugar(1.75f);
    w->setBarcode(QStringLiteral("4 006381 333931"));
    return w;
}

ZuzWineContext fullContext()
{
    return {true, true, true, QString::fromUtf8("Weingut M\xC3\xBCller")};
}

} // namespace

TEST(ZuzWines, FullModelWineGivesTheGoldenUpload)
{
    GermanLocale german;
    auto book = CellarBook::createNew();
    auto wine = fullModelWine(*book);
    EXPECT_EQ(ZuzProtocol::addWineQuery(zuzRowFromWine(*wine, *book, fullContext()), 4294967295u),
              fullWineTarget());
}

TEST(ZuzWines, UploadLeavesOutUserEntriesAndForeignGrape)
{
    auto book = CellarBook::createNew();
    auto wine = fullModelWine(*book);
    auto stray = std::make_shared<Grape>();
    stray->setName(QStringLiteral("Stray"));
    wine->setRebsorte(stray); // not in the book's list
    wine->purchases().clear();
    const QString q = ZuzProtocol::addWineQuery(zuzRowFromWine(*wine, *book, {}), 0);
    EXPECT_TRUE(q.contains(QStringLiteral("&country=3&comment=")));
    for (const char* key : {"&regio=", "&area=", "&klasse=", "&rebsorte=", "&price=", "&winery=",
                            "&zuzUserWineId="})
        EXPECT_FALSE(q.contains(QLatin1String(key))) << key;
}

TEST(ZuzWines, SearchRowBecomesAFoundWine)
{
    auto book = CellarBook::createNew();
    const qsizetype odours = book->odours().size();
    QStringList f;
    for (int i = 0; i < 119; ++i)
        f.append(QStringLiteral("0"));
    f[0] = QStringLiteral("4711");
    f[1] = QStringLiteral("Riesling");
    f[2] = QStringLiteral("2019");
    f[25] = QStringLiteral("3");
    f[73] = QStringLiteral("4");
    f[28] = QStringLiteral("8.5");
    f[43] = QStringLiteral("2021");
    f[44] = QStringLiteral("2024");
    f[101] = QStringLiteral("2030");
    f[60] = QStringLiteral("Petrol");
    f[61] = QString(); // too short to name an odour: left unset
    f[87] = QStringLiteral("1");
    f[23] = QStringLiteral("mineral");
    f[103] = QStringLiteral("70000"); // does not fit 16 bits: unset, not wrapped
    f[114] = QStringLiteral("3");
    f[118] = QStringLiteral("-2");
    const auto wines = createWinesFromArray({ZuzProtocol::wineFromFields(f)}, *book);
    ASSERT_EQ(wines.size(), 1);
    const Wine& w = *wines[0];
    EXPECT_TRUE(w.idbhome());
    EXPECT_EQ(w.idbIconName(), QStringLiteral("globe"));
    EXPECT_EQ(w.iDBwineID(), 4711u);
    EXPECT_EQ(w.winename(), QStringLiteral("Riesling"));
    EXPECT_EQ(w.year(), 2019);
    EXPECT_EQ(w.country(), 3);
    EXPECT_EQ(w.regio(), 4);
    EXPECT_FLOAT_EQ(w.custompoints(), 8.5f);
    EXPECT_EQ(w.from(), 2021);
    EXPECT_EQ(w.best(), 2024);
    EXPECT_EQ(w.to(), 2030);
    EXPECT_TRUE(w.spicy());
    EXPECT_EQ(w.commentPlainText(), QStringLiteral("mineral"));
    EXPECT_EQ(w.type(), 0);
    EXPECT_EQ(w.sightcolorSecondary(), (QList<qint32>{3, 0, 0, 0, -2}));
    ASSERT_TRUE(w.odour());
    EXPECT_EQ(w.odour()->name(), QStringLiteral("Petrol"));
    EXPECT_FALSE(w.odourA());
    EXPECT_EQ(book->odours().size(), odours + 1); // the new odour stays in the book
    EXPECT_TRUE(book->wines().isEmpty());          // found wines are not in the cellar
}

namespace {
class ZuzBookTest : public ZuzServerFixture {
protected:
    std::shared_ptr<CellarBook> book = CellarBook::createNew();
};
}

TEST_F(ZuzBookTest, UploadRegistersStoresUserAndWineIDs)
{
    server.reply(QStringLiteral("/zuz/adduser.php3"), "77");
    server.reply(QStringLiteral("/zuz/addwine.php3"), "zuz addwine at <#>4711");
    auto wine = fullModelWine(*book);
    EXPECT_TRUE(client->sendWineToIDB(*wine, *book, fullContext()));
    EXPECT_EQ(book->iDBuserID(), 77u);
    EXPECT_EQ(wine->iDBwineID(), 4711u);
    EXPECT_TRUE(server.requestLines().last().contains(QStringLiteral("&zuzUserWineId=77 ")));

    server.reply(QStringLiteral("/zuz/addwine.php3"), "zuz addwine at <#>0");
    EXPECT_FALSE(client->sendWineToIDB(*wine, *book, fullContext()));
    EXPECT_EQ(wine->iDBwineID(), 4711u);
    EXPECT_EQ(server.requestCount(QStringLiteral("/zuz/adduser.php3")), 1);
}

TEST_F(ZuzBookTest, SearchGivesFoundWinesAndCancelLeavesUserUnregistered)
{
    server.reply(QStringLiteral("/zuz/findwinesql.php3"), searchReply({"1\tA\t2001", "2\tB\t2002"}));
    const auto wines = client->findZuzSQL(QStringLiteral("year > 2000"), *book);
    ASSERT_EQ(wines.size(), 2);
    EXPECT_EQ(wines[1]->winename(), QStringLiteral("B"));
    EXPECT_TRUE(wines[0]->idbhome() && wines[1]->idbhome());

    server.reply(QStringLiteral("/zuz/adduser.php3"), "", 500);
    dialogs.push(1);
    EXPECT_EQ(client->userID(*book), 0u);
    EXPECT_EQ(book->iDBuserID(), 0u);
}
