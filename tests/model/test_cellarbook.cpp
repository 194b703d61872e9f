#include <gtest/gtest.h>
#include <QTranslator>
#include <limits>

#include "support/CellarGenerator.h"

namespace {
struct RecordedQuestions {
    QStringList alerts;
    QList<std::optional<quint32>> answers;
    TagQuestions questions()
    {
        return {[this](const QString& t, const QString& m) { alerts << t + QLatin1Char('|') + m; },
                [this](const QString&, const QString&) -> std::optional<quint32> {
                    return answers.isEmpty() ? std::nullopt : answers.takeFirst();
                }};
    }
};

std::shared_ptr<Wine> wineWithBottles(CellarBook& book, quint32 bottles)
{
    auto w = std::make_shared<Wine>();
    w->setWinename(QStringLiteral("Barolo"));
    auto p = std::make_shared<Purchase>();
    p->setNumber(bottles);
    w->purchases().append(p);
    book.addWine(w);
    return w;
}
}

TEST(CellarBook, NewCellarHasItsPlaceVocabulariesAndScale)
{
    auto book = CellarBook::createNew();
    ASSERT_EQ(book->depots().size(), 1);
    EXPECT_EQ(book->depots().first()->name(), QStringLiteral("Wine Cellar"));
    EXPECT_EQ(book->depots().first()->depotID(), 1);
    ASSERT_EQ(book->racks().size(), 1);
    EXPECT_EQ(book->racks().first()->rackName(), QStringLiteral("Wine Cellar/Main Rack"));
    EXPECT_EQ(book->racks().first()->x(), 2);
    EXPECT_EQ(book->racks().first()->h(), 3);
    EXPECT_FALSE(book->grapes().isEmpty());
    // IDs are 1, 2, 3 ... in list order.
    for (int i = 0; i < book->grapes().size(); ++i)
        EXPECT_EQ(book->grapes().at(i)->grapeID(), quint32(i + 1));
    EXPECT_EQ(book->pointSum(), 20.0f);
    EXPECT_EQ(book->customPointsLabel(), QStringLiteral("C *"));
    EXPECT_EQ(book->winespectatorLabel(), QStringLiteral("W *"));
    // The fault aromas are marked as faults, the others not.
    int faults = 0;
    for (const auto& a : book->aromaList())
        faults += a->fault() ? 1 : 0;
    EXPECT_GT(faults, 0);
    EXPECT_LT(faults, book->aromaList().size());
}

TEST(CellarBook, WineIDsComeFromTheCounterAndAreNeverReused)
{
    CellarBook book;
    auto a = std::make_shared<Wine>();
    auto b = std::make_shared<Wine>();
    ASSERT_TRUE(book.addWine(a));
    ASSERT_TRUE(book.addWine(b));
    EXPECT_EQ(a->wineID(), 1u);
    EXPECT_EQ(b->wineID(), 2u);
    EXPECT_TRUE(book.containsWine(a.get()));
    Wine lookalike;
    lookalike.setWineID(1);
    EXPECT_FALSE(book.containsWine(&lookalike)) << "identity, not equal contents";
    book.removeWine(b.get());
    auto c = std::make_shared<Wine>();
    book.addWine(c);
    EXPECT_EQ(c->wineID(), 3u);
    EXPECT_FALSE(book.addWine(nullptr));
}

TEST(CellarBook, VocabularyLookupsNeverAnswerAnUnrelatedEntry)
{
    CellarBook book;
    EXPECT_EQ(book.grapeFor(QStringLiteral("Pi")), nullptr) << "empty list, short name";
    EXPECT_EQ(book.odourFor(QString()), nullptr);
    auto merlot = book.grapeFor(QStringLiteral("Merlot"));
    ASSERT_TRUE(merlot);
    EXPECT_EQ(merlot->grapeID(), 1u);
    EXPECT_EQ(book.grapeFor(QStringLiteral("Merlot")), merlot);
    EXPECT_EQ(book.grapes().size(), 1);
    EXPECT_EQ(book.grapeFor(QStringLiteral("Me")), nullptr) << "no last-entry answer";
    auto ok = book.grapeFor(QStringLiteral("Ok"));
    EXPECT_EQ(ok, nullptr);
    book.addGrapeString(QStringLiteral("Ok"));
    EXPECT_EQ(book.grapeFor(QStringLiteral("Ok"))->name(), QStringLiteral("Ok")) << "exact short names match";
    auto t = book.tasteFor(QStringLiteral("Dry"));
    EXPECT_EQ(t->tasteID(), 1u);
    EXPECT_EQ(book.tastes().size(), 1);
}

TEST(CellarBook, RackPlacesAreAddedOnceAndFoundByWine)
{
    auto book = CellarBook::createNew();
    auto w = wineWithBottles(*book, 6);
    auto other = wineWithBottles(*book, 1);
    auto place = std::make_shared<RackZuord>();
    place->setWine(w);
    place->setRack(book->racks().first());
    EXPECT_TRUE(book->addRackZuord(place));
    EXPECT_FALSE(book->addRackZuord(place));
    EXPECT_FALSE(book->addRackZuord(nullptr));
    auto second = std::make_shared<RackZuord>();
    second->setWine(other);
    book->addRackZuord(second);
    auto found = book->rackZuordForWine(w.get());
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found.first(), place);
    found.first()->setN(4);
    EXPECT_EQ(book->rackZuord().first()->n(), 4u) << "the same objects as the book's";
    EXPECT_EQ(book->rackZuord().size(), 2) << "answering removes nothing";
    EXPECT_EQ(RackZuord().rackName(), QStringLiteral("?"));
    Wine::setCellarBook(book.get());
    EXPECT_EQ(w->locationString(), QStringLiteral("Wine Cellar/Main Rack"));
    Wine::setCellarBook(nullptr);
}

TEST(CellarBook, TagsGetNumbersAfterPurchasesAndAskWhenANumberIsTaken)
{
    auto book = CellarBook::createNew();
    auto w = wineWithBottles(*book, 0);
    RecordedQuestions ask;
    auto made = book->addTagForWine(w, nullptr, 3, ask.questions());
    ASSERT_EQ(made.size(), 3);
    EXPECT_EQ(made[0]->bottlenumber(), 1u);
    EXPECT_EQ(made[2]->bottlenumber(), 3u);
    EXPECT_EQ(made[0]->ubid(), 1u);
    EXPECT_EQ(made[2]->ubid(), 3u);
    EXPECT_EQ(made[2]->identifierID(), 3u);
    EXPECT_EQ(book->numoraCounter(), 4u);
    EXPECT_TRUE(ask.alerts.isEmpty());

    // Move the counter onto a taken number: the user is told and asked.
    book->setNumoraCounter(2);
    ask.answers = {100};
    auto more = book->addTagForWine(w, nullptr, 1, ask.questions());
    ASSERT_EQ(more.size(), 1);
    EXPECT_EQ(more[0]->ubid(), 100u);
    ASSERT_EQ(ask.alerts.size(), 1);
    EXPECT_EQ(ask.alerts.first(), QStringLiteral("Error!|Can't create bottle ID for 'Barolo'.\nThe ID '2' isn't free."));

    // Cancelling stops: nothing half-made.
    book->setNumoraCounter(1);
    ask.answers.clear();
    EXPECT_TRUE(book->addTagForWine(w, nullptr, 2, ask.questions()).isEmpty());
    EXPECT_EQ(book->numoraTags().size(), 4);
    EXPECT_EQ(book->identifierCounter(), 4u);
}

TEST(CellarBook, AddTagAtIndexStopsAtBottlesBought)
{
    auto book = CellarBook::createNew();
    auto w = wineWithBottles(*book, 2);
    w->solveStockbalance();
    RecordedQuestions ask;
    auto first = book->addTagForWine(w, nullptr, 1, ask.questions());
    ASSERT_EQ(first.size(), 1);
    EXPECT_EQ(first[0]->bottlenumber(), 3u) << "numbers follow the bottles counted so far";
    auto next = book->addTagAtIndex(0, first[0], ask.questions());
    ASSERT_TRUE(next);
    EXPECT_EQ(next->bottlenumber(), 2u);
    EXPECT_EQ(next->wine(), w);
    EXPECT_EQ(book->addTagAtIndex(0, first[0], ask.questions()), nullptr);
    EXPECT_EQ(ask.alerts.last(), QStringLiteral("Sorry!|No more bottles available."));
}

TEST(CellarBook, IdentifierFiltersAndTexts)
{
    auto book = CellarBook::createNew();
    auto w = wineWithBottles(*book, 0);
    RecordedQuestions ask;
    book->setNumoraCounter(5);
    auto tags = book->addTagForWine(w, nullptr, 3, ask.questions()); // 5, 6, 7
    book->setNumoraCounter(120);
    tags += book->addTagForWine(w, nullptr, 1, ask.questions()); // 120
    book->setNumoraCounter(1005);
    tags += book->addTagForWine(w, nullptr, 1, ask.questions()); // 1005
    book->removeTag(*tags[1]);
    EXPECT_EQ(book->numoraTagsUnused().size(), 4);
    EXPECT_EQ(book->numoraTagsUsed().size(), 1);
    EXPECT_EQ(book->numoraTagsFor(6).size(), 0) << "used bottles are not found";
    EXPECT_EQ(book->numoraTagsFor(7).size(), 1);
    EXPECT_EQ(book->numoraTagsForTail(5).size(), 2) << "005 and 1005";
    EXPECT_EQ(book->numoraTagsForTail(20).size(), 0) << "020 is not the end of 120";
    EXPECT_EQ(book->numoraTagsForTail(7).size(), 1);
    EXPECT_EQ(book->numoraTagsForTail(120).size(), 1);
    EXPECT_EQ(book->numoraTagsForTail(0).size(), 0);
    EXPECT_EQ(book->numoraTagsForTail(-5).size(), 0);
    book->recycleTag(*tags[1]);
    EXPECT_EQ(book->bottlesForWineUnused(w.get()).size(), 5);
    book->removeTag(*tags[0]);
    EXPECT_EQ(book->ubidStringsForWine(w.get()), QStringLiteral("UBID's: 6, 7, 120, 1005, "));
    tags[2]->setComment(QStringLiteral("top"));
    tags[2]->setX(2);
    EXPECT_TRUE(book->ubidTableForWine(w.get()).startsWith(QStringLiteral("6\t\t0\t0\t0\t\n7\t\t2\t0\t0\ttop\n")));
    book->deleteTag(tags[0].get());
    EXPECT_EQ(book->numoraTags().size(), 4);
    book->deleteAllTags();
    EXPECT_TRUE(book->numoraTags().isEmpty());
    EXPECT_EQ(BottleIdentifier().bottle(), QString());
}

TEST(CellarBook, CreateIdentifiersForAllCoversEveryBoughtBottle)
{
    auto book = CellarBook::createNew();
    auto a = wineWithBottles(*book, 3);
    auto b = wineWithBottles(*book, 2);
    a->solveStockbalance();
    b->solveStockbalance();
    RecordedQuestions ask;
    book->addTagAtIndex(0, book->addTagForWine(b, nullptr, 0, ask.questions()).value(0), ask.questions());
    EXPECT_EQ(book->createIdentifiersForAll(ask.questions()), 5);
    EXPECT_EQ(book->bottlesForWine(a.get()).size(), 3);
    EXPECT_EQ(book->bottlesForWine(b.get()).size(), 2);
    EXPECT_EQ(book->createIdentifiersForAll(ask.questions()), 0);
}

TEST(Wine, StockBalanceIsSignedAndSaturates)
{
    Wine w;
    auto p = std::make_shared<Purchase>();
    EXPECT_EQ(p->number(), 0u);
    EXPECT_EQ(p->bottle(), 1);
    p->setNumber(2);
    p->setPrice(10.0f);
    w.purchases().append(p);
    auto u = std::make_shared<Used>();
    u->setUsed(5);
    w.used().append(u);
    w.solveStockbalance();
    EXPECT_EQ(w.purchaseNumber(), 2u);
    EXPECT_EQ(w.stockbalance(), -3) << "more used than bought";
    EXPECT_EQ(w.cellarValue(), 0.0);
    for (int i = 0; i < 3; ++i) {
        auto big = std::make_shared<Purchase>();
        big->setNumber(std::numeric_limits<quint32>::max());
        w.purchases().append(big);
    }
    w.solveStockbalance();
    EXPECT_EQ(w.purchaseNumber(), std::numeric_limits<quint32>::max()) << "saturates, never wraps";
    EXPECT_EQ(w.stockbalance(), std::numeric_limits<qint32>::max());
}

TEST(Wine, PricesAndMaturity)
{
    Wine w;
    EXPECT_EQ(w.price(), 0.0f);
    EXPECT_EQ(w.averagePrice(), 0.0);
    const QList<QPair<quint32, float>> buys = {{2, 10.0f}, {0, 99.0f}, {4, 0.0f}, {1, 40.0f}};
    for (const auto& [n, price] : buys) {
        auto p = std::make_shared<Purchase>();
        p->setNumber(n);
        p->setPrice(price);
        w.purchases().append(p);
    }
    EXPECT_EQ(w.price(), 10.0f);
    EXPECT_DOUBLE_EQ(w.averagePrice(), 20.0) << "(2*10 + 1*40) / 3";
    w.solveStockbalance();
    EXPECT_DOUBLE_EQ(w.cellarValue(), 140.0);

    w.setFrom(2020);
    w.setBest(2022);
    w.setTo(2025);
    EXPECT_EQ(w.maturityValue(2022), 3);
    EXPECT_EQ(w.maturityValue(2026), 1);
    EXPECT_EQ(w.maturityValue(2019), 5);
    EXPECT_EQ(w.maturityValue(2021), 4);
    EXPECT_EQ(w.maturityValue(2024), 2);
    Wine unset;
    unset.setFrom(0); // ignored
    EXPECT_NE(unset.from(), 0);
    EXPECT_EQ(Wine().yearName(), QString::number(QDate::currentDate().year() - 1));
    unset.setYear(0);
    EXPECT_EQ(unset.yearName(), QStringLiteral("n/a"));
}

TEST(Wine, NewWineDefaultsAndCatalogueSetters)
{
    Wine w;
    const int y = QDate::currentDate().year();
    EXPECT_EQ(w.wineID(), 0u);
    EXPECT_EQ(w.year(), y - 1);
    EXPECT_EQ(w.from(), y);
    EXPECT_EQ(w.best(), y + 1);
    EXPECT_EQ(w.to(), y + 2);
    EXPECT_EQ(w.temperatur(), 10);
    EXPECT_EQ(w.tempTo(), 18);
    EXPECT_EQ(w.currency(), QStringLiteral("USD"));
    EXPECT_EQ(w.sightcolorSecondary(), QList<qint32>(5, 0));
    w.setRegio(4);
    EXPECT_EQ(w.regio(), 0) << "no region without a country";
    w.setCountry(-1);
    EXPECT_EQ(w.country(), 0);
    w.setCountry(12);
    w.setRegio(4);
    EXPECT_EQ(w.regio(), 4);
    w.setRegio(-2);
    EXPECT_EQ(w.regio(), 4);
    EXPECT_EQ(w.idbIconName(), QStringLiteral("home"));
    w.setIdbhome(true);
    EXPECT_EQ(w.idbIconName(), QStringLiteral("globe"));
}

TEST(CellarBook, AromaListIsInTreeOrderAndNamesAreNotOverwritten)
{
    CellarBook book;
    auto fruit = book.addAromaTypeString(QStringLiteral("Fruit"));
    auto citrus = fruit->addAromaGroupString(QStringLiteral("Citrus"));
    auto lemon = citrus->addAromaString(QStringLiteral("Lemon"));
    auto red = fruit->addAromaGroupString(QStringLiteral("Red"));
    auto cherry = red->addAromaString(QStringLiteral("Cherry"));
    auto spice = book.addAromaTypeString(QStringLiteral("Spice"));
    auto pepper = spice->addAromaGroupString(QStringLiteral("Pepper"))->addAromaString(QStringLiteral("Black"));
    const auto& list = book.aromaList();
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list[0], lemon);
    EXPECT_EQ(list[1], cherry);
    EXPECT_EQ(list[2], pepper);
    EXPECT_EQ(cherry->groupName(), QStringLiteral("Red"));
    EXPECT_EQ(pepper->typeName(), QStringLiteral("Spice"));
    // Move the lemon to the red group: the list is stale until rebuilt.
    citrus->aromas().clear();
    red->addAroma(lemon);
    EXPECT_EQ(book.aromaList().size(), 3);
    EXPECT_EQ(book.updateAromaList(lemon.get()), 1);
    EXPECT_EQ(lemon->groupName(), QStringLiteral("Red"));

    // A translation shows, the stored name stays.
    QTranslator tr;
    struct : QTranslator {
        QString translate(const char* ctx, const char* src, const char*, int) const override
        {
            return QByteArray(ctx) == "Aromas" && QByteArray(src) == "Cherry" ? QStringLiteral("Kirsche") : QString();
        }
    } german;
    QCoreApplication::installTranslator(&german);
    EXPECT_EQ(cherry->name(), QStringLiteral("Kirsche"));
    EXPECT_EQ(cherry->storedName(), QStringLiteral("Cherry"));
    QCoreApplication::removeTranslator(&german);
    EXPECT_EQ(cherry->name(), QStringLiteral("Cherry"));
    EXPECT_EQ(cherry->listImage(), QStringLiteral("Aroma_Cherry"));
}

TEST(CellarBook, PercentSignsInUserTextsStayAsTyped)
{
    auto book = CellarBook::createNew();
    Wine::setCellarBook(book.get());
    auto w = wineWithBottles(*book, 0);
    w->setWinename(QStringLiteral("Cuvée 100%2"));
    book->racks().first()->setName(QStringLiteral("Rack %3 %6"));
    auto place = std::make_shared<RackZuord>();
    place->setWine(w);
    place->setRack(book->racks().first());
    place->setX(2);
    place->setY(5);
    place->setN(7);
    book->addRackZuord(place);
    EXPECT_EQ(w->locationsString(), QStringLiteral("Wine Cellar/Rack %3 %6 (2/5): 7"));

    RecordedQuestions ask;
    auto tags = book->addTagForWine(w, place, 1, ask.questions());
    ASSERT_EQ(tags.size(), 1);
    tags[0]->setX(1);
    tags[0]->setY(2);
    tags[0]->setZ(3);
    tags[0]->setComment(QStringLiteral("50%1 off"));
    EXPECT_EQ(book->ubidTableForWine(w.get()), QStringLiteral("1\tWine Cellar/Rack %3 %6\t1\t2\t3\t50%1 off\n"));

    book->setNumoraCounter(1);
    EXPECT_TRUE(book->addTagForWine(w, place, 1, ask.questions()).isEmpty());
    ASSERT_EQ(ask.alerts.size(), 1);
    EXPECT_EQ(ask.alerts.first(), QStringLiteral("Error!|Can't create bottle ID for 'Cuvée 100%2'.\nThe ID '1' isn't free."));
    Wine::setCellarBook(nullptr);
}
