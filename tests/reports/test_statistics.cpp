#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>

#include "FakeCatalogue.h"
#include "catalogue/Country.h"
#include "catalogue/WineInfos.h"
#include "platform/Crayons.h"
#include "model/CellarBook.h"
#include "model/Purchase.h"
#include "model/Used.h"
#include "model/Wine.h"
#include "reports/Agent.h"
#include "support/CellarGenerator.h"

namespace {

QList<QColor> twelveColours()
{
    QList<QColor> out;
    for (int i = 0; i < 12; ++i)
        out.append(QColor::fromHsv(i * 30, 200, 200));
    return out;
}

struct Cellar {
    std::shared_ptr<CellarBook> book = std::make_shared<CellarBook>();
    std::shared_ptr<FakeCatalogue> catalogue = std::make_shared<FakeCatalogue>();
    Agent agent;

    Cellar()
    {
        book->setCurrency(QStringLiteral("EUR"));
        agent.setCellar(book);
        agent.setInfos(catalogue);
        agent.setPalette(twelveColours());
    }

    std::shared_ptr<Wine> wine(int country, int regio, int type, int year, const QString& name = QStringLiteral("W"))
    {
        auto w = std::make_shared<Wine>();
        w->setWinename(name);
        w->setCountry(country);
        w->setRegio(regio);
        w->setType(quint16(type));
        w->setYear(quint16(year));
        book->addWine(w);
        return w;
    }

    static void buy(const std::shared_ptr<Wine>& w, const QDate& day, quint32 number, float price)
    {
        auto p = std::make_shared<Purchase>();
        p->setDate(QDateTime(day, QTime(12, 0)));
        p->setNumber(number);
        p->setPrice(price);
        w->purchases().append(p);
        w->solveStockbalance();
    }

    static void drink(const std::shared_ptr<Wine>& w, quint32 bottles)
    {
        auto u = std::make_shared<Used>();
        u->setUsed(bottles);
        w->used().append(u);
        w->solveStockbalance();
    }
};

QStringList labels(const ChartData& data)
{
    QStringList out;
    for (const auto& e : data)
        out << e.label;
    return out;
}

QList<qint64> counts(const ChartData& data)
{
    QList<qint64> out;
    for (const auto& e : data)
        out << e.count;
    return out;
}

bool sameChart(const ChartData& a, const ChartData& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].count != b[i].count || a[i].label != b[i].label || a[i].color != b[i].color
            || a[i].catalogueID != b[i].catalogueID)
            return false;
    return true;
}

} // namespace

TEST(PriceBand, EdgesBetweenSteps)
{
    struct Case {
        double price;
        qint64 lower, upper;
    } cases[] = {
        {12.40, 11, 12},    {20.0, 19, 20},     {20.49, 19, 20},     {20.50, 20, 25},    {37.60, 35, 40},
        {50.0, 45, 50},     {50.5, 50, 60},     {200.0, 190, 200},   {201.0, 200, 250},  {1000.0, 950, 1000},
        {1001.0, 1000, 1100}, {1049.0, 1000, 1100}, {0.30, 0, 1},
    };
    for (const auto& c : cases) {
        const PriceBand band = priceBandFor(c.price);
        EXPECT_EQ(band.lower, c.lower) << c.price;
        EXPECT_EQ(band.upper, c.upper) << c.price;
    }
    // The prices really stored are floats.
    EXPECT_EQ(priceBandFor(double(20.49f)).upper, 20);
    EXPECT_EQ(priceBandFor(double(20.50f)).upper, 25);
    // Runaway prices give a sane band instead of overflowing.
    const PriceBand huge = priceBandFor(1e30);
    EXPECT_GT(huge.upper, 1000);
    EXPECT_LT(huge.lower, huge.upper);
}

TEST(Agent, CountsUseAllWinesAndChartsUseTheFoundWines)
{
    Cellar c;
    auto a = c.wine(1, 1, 1, 2015);
    auto b = c.wine(2, 1, 2, 2018);
    auto d = c.wine(1, 2, 1, 2015);
    Cellar::buy(a, QDate(2023, 1, 5), 6, 10.0f);
    Cellar::buy(b, QDate(2023, 2, 5), 12, 20.0f);
    Cellar::buy(d, QDate(2023, 3, 5), 3, 30.0f);
    Cellar::drink(b, 14); // more drunk than bought: a stock of -2

    WineList found{a};
    c.agent.setFoundWinesSource([&found] { return found; });

    EXPECT_EQ(c.agent.numberOfWines(), 3);
    EXPECT_EQ(c.agent.numberOfBottlesAmount(), 21);
    EXPECT_EQ(c.agent.numberOfBottlesBalance(), 6 - 2 + 3);
    EXPECT_EQ(c.agent.numberOfCountries(), 2);

    EXPECT_EQ(counts(c.agent.countryPie()), QList<qint64>{1});
    EXPECT_EQ(labels(c.agent.yearsPie()), QStringList{QStringLiteral("2015")});
    c.agent.collectPurchases();
    EXPECT_EQ(c.agent.purchaseData().size(), 1);
    EXPECT_DOUBLE_EQ(c.agent.totalMoney(), 60.0);

    // Widening the list changes the charts, not the counts.
    found = {a, b, d};
    EXPECT_EQ(c.agent.numberOfWines(), 3);
    EXPECT_EQ(counts(c.agent.countryPie()), (QList<qint64>{2, 1}));
    EXPECT_EQ(counts(c.agent.yearsPie()), (QList<qint64>{2, 1}));
    c.agent.collectPurchases();
    EXPECT_DOUBLE_EQ(c.agent.totalMoney(), 60.0 + 240.0 + 90.0);
    // The wine with a negative stock is worth nothing, not less than nothing.
    EXPECT_DOUBLE_EQ(c.agent.buyedValueMoney(), 6 * 10.0 + 3 * 30.0);

    // Without a source of found wines, every wine counts as found.
    c.agent.setFoundWinesSource({});
    EXPECT_EQ(c.agent.foundWines().size(), 3);
}

TEST(Agent, CountriesAreCountedByIdAndForeignIdsAreSkipped)
{
    Cellar c;
    c.wine(1, 1, 1, 2010); // France
    c.wine(3, 0, 2, 2011); // the other country named France
    c.wine(3, 0, 2, 2011);
    c.wine(0, 0, 0, 0);     // no country, type or vintage
    c.wine(77, 0, 9, 2012); // country and type unknown to the catalogue
    auto strayRegion = c.wine(1, 42, 1, 2013);

    EXPECT_EQ(c.agent.numberOfCountries(), 2);
    const ChartData countries = c.agent.countryPie();
    ASSERT_EQ(countries.size(), 2);
    EXPECT_EQ(countries[0].catalogueID, 1);
    EXPECT_EQ(countries[0].count, 2);
    EXPECT_EQ(countries[0].color, QColor(Qt::red));
    EXPECT_EQ(countries[1].catalogueID, 3);
    EXPECT_EQ(countries[1].count, 2);
    EXPECT_EQ(countries[1].label, QStringLiteral("France"));
    EXPECT_EQ(countries[1].color, QColor(Qt::blue));

    EXPECT_EQ(counts(c.agent.winetypePie()), (QList<qint64>{2, 2}));
    const ChartData regions = c.agent.regionPieFor(1);
    ASSERT_EQ(regions.size(), 1);
    EXPECT_EQ(regions[0].label, QStringLiteral("Alsace"));
    EXPECT_EQ(regions[0].catalogueID, 1);
    EXPECT_TRUE(c.agent.regionPieFor(3).isEmpty());
    EXPECT_TRUE(c.agent.regionPieFor(0).isEmpty());
    EXPECT_TRUE(c.agent.regionPieFor(77).isEmpty());
    EXPECT_TRUE(c.agent.typePieFor(77).isEmpty());
    const ChartData typesOfFrance = c.agent.typePieFor(1);
    ASSERT_EQ(typesOfFrance.size(), 1);
    EXPECT_EQ(typesOfFrance[0].label, QStringLiteral("Red"));
    EXPECT_EQ(typesOfFrance[0].count, 2);
    EXPECT_EQ(typesOfFrance[0].catalogueID, 1);
    EXPECT_EQ(labels(c.agent.yearsPie()),
              (QStringList{QStringLiteral("2010"), QStringLiteral("2011"), QStringLiteral("2012"), QStringLiteral("2013")}));
}

TEST(Agent, PaletteSteppingSkipsForEveryVisitedKey)
{
    Cellar c;
    const QList<QColor> palette = twelveColours();
    c.wine(1, 1, 1, 2001);
    c.wine(1, 3, 3, 2001);
    c.wine(1, 3, 3, 2002);

    // Types 1..4 are all visited; entries only for types 1 and 3.
    const ChartData types = c.agent.winetypePie();
    ASSERT_EQ(types.size(), 2);
    EXPECT_EQ(types[0].color, palette[1]);
    EXPECT_EQ(types[1].color, palette[4]);
    // Regions take one colour per entry.
    const ChartData regions = c.agent.regionPieFor(1);
    ASSERT_EQ(regions.size(), 2);
    EXPECT_EQ(regions[0].color, palette[0]);
    EXPECT_EQ(regions[1].color, palette[1]);

    // Beyond the palette's end the colours start again at the first.
    for (int year = 2003; year < 2012; ++year)
        c.wine(1, 1, 1, year);
    const ChartData years = c.agent.yearsPie();
    ASSERT_EQ(years.size(), 11);
    const int expected[] = {1, 3, 5, 7, 9, 11, 0, 2, 4, 6, 8};
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(years[i].color, palette[expected[i]]) << i;

    // An empty palette gives no colours and no crash.
    c.agent.setPalette({});
    EXPECT_FALSE(c.agent.yearsPie().first().color.isValid());
}

TEST(Agent, ChartsComeOutTheSameOnEveryRunAndInAnyListOrder)
{
    auto book = CellarGenerator::generate(300, 7);
    for (auto& w : book->wines())
        w->setCountry(1 + int(w->wineID() % 3));
    auto catalogue = std::make_shared<FakeCatalogue>();
    const auto charts = [&](const WineList& found) {
        Agent agent;
        agent.setCellar(book);
        agent.setInfos(catalogue);
        agent.setPalette(twelveColours());
        agent.setFoundWinesSource([found] { return found; });
        agent.collectPurchases();
        return QList<ChartData>{agent.countryPie(),       agent.winetypePie(),         agent.yearsPie(),
                                agent.regionPieFor(1),    agent.typePieFor(2),         agent.purchasesPie(),
                                agent.purchasesPriceAllocation(), agent.purchasesLast12Pie(QDate(2017, 10, 1))};
    };
    WineList forward = book->wines();
    WineList backward = forward;
    std::reverse(backward.begin(), backward.end());
    const auto first = charts(forward);
    const auto again = charts(forward);
    const auto reversed = charts(backward);
    for (qsizetype i = 0; i < first.size(); ++i) {
        EXPECT_FALSE(first[i].isEmpty()) << i;
        EXPECT_TRUE(sameChart(first[i], again[i])) << i;
        EXPECT_TRUE(sameChart(first[i], reversed[i])) << i;
    }
}

TEST(Agent, PurchasesWithoutPriceOrBottlesStayOutOfThePrices)
{
    Cellar c;
    auto w = c.wine(1, 1, 1, 2019, QStringLiteral("Chinon"));
    Cellar::buy(w, QDate(2024, 3, 10), 6, 20.49f);
    Cellar::buy(w, QDate(2024, 4, 2), 4, 0.0f);    // a present: no price
    Cellar::buy(w, QDate(2024, 4, 20), 0, 99.0f);  // nothing bought
    Cellar::buy(w, QDate(2023, 12, 1), 2, 20.50f);
    Cellar::buy(w, QDate(2024, 5, 1), 1, 1001.0f);
    c.agent.collectPurchases();

    EXPECT_EQ(c.agent.purchaseData().size(), 5);
    EXPECT_DOUBLE_EQ(c.agent.lowestBottlePrice(), double(20.49f));
    EXPECT_DOUBLE_EQ(c.agent.highestBottlePrice(), 1001.0);
    const double money = 6 * double(20.49f) + 2 * double(20.50f) + 1001.0;
    EXPECT_DOUBLE_EQ(c.agent.totalMoney(), money);
    EXPECT_DOUBLE_EQ(c.agent.averageBottlePrice(), money / 9);
    EXPECT_DOUBLE_EQ(c.agent.marketValueMoney(), 0.0);

    // Newest first; the history runs oldest first and lists every purchase.
    EXPECT_EQ(c.agent.purchaseData().first().date.date(), QDate(2024, 5, 1));
    EXPECT_EQ(c.agent.purchaseHistory(), QStringLiteral("2023-12-01\t2\tChinon\t2019\n"
                                                        "2024-03-10\t6\tChinon\t2019\n"
                                                        "2024-04-02\t4\tChinon\t2019\n"
                                                        "2024-04-20\t0\tChinon\t2019\n"
                                                        "2024-05-01\t1\tChinon\t2019\n"));
    EXPECT_TRUE(c.agent.useHistory().isEmpty());

    const ChartData bands = c.agent.purchasesPriceAllocation();
    EXPECT_EQ(labels(bands), (QStringList{QStringLiteral("19 <= 20 EUR"), QStringLiteral("20 <= 25 EUR"),
                                          QStringLiteral("1000 <= 1100 EUR")}));
    EXPECT_EQ(counts(bands), (QList<qint64>{6, 2, 1}));

    // The present counts among the months; the purchase of 0 bottles does not.
    const ChartData months = c.agent.purchasesPie();
    EXPECT_EQ(labels(months), (QStringList{QStringLiteral("12/23"), QStringLiteral("03/24"), QStringLiteral("04/24"),
                                           QStringLiteral("05/24")}));
    EXPECT_EQ(counts(months), (QList<qint64>{2, 6, 4, 1}));
    const QList<QColor> palette = twelveColours();
    EXPECT_EQ(months[0].color, palette[1]);
    EXPECT_EQ(months[1].color, palette[3]);
}

TEST(Agent, LastTwelveMonthsFillQuietMonthsUpToToday)
{
    Cellar c;
    auto w = c.wine(1, 1, 1, 2019);
    const QDate today(2024, 6, 15);
    Cellar::buy(w, today.addDays(-365), 5, 10.0f); // exactly a year ago: too old
    Cellar::buy(w, today.addDays(-364), 2, 10.0f); // 2023-06-17
    Cellar::buy(w, QDate(2024, 2, 3), 3, 10.0f);
    Cellar::buy(w, QDate(2024, 2, 28), 1, 10.0f);
    c.agent.collectPurchases();

    const ChartData months = c.agent.purchasesLast12Pie(today);
    ASSERT_EQ(months.size(), 13); // June 2023 up to June 2024
    EXPECT_EQ(months.first().label, QStringLiteral("06/23"));
    EXPECT_EQ(months.first().count, 2);
    EXPECT_EQ(months[8].label, QStringLiteral("02/24"));
    EXPECT_EQ(months[8].count, 4);
    for (int i : {1, 2, 7, 9, 12}) {
        EXPECT_EQ(months[i].count, 0) << i;
        EXPECT_TRUE(months[i].label.isEmpty()) << i;
    }
    // Without recent purchases there is no line at all.
    EXPECT_TRUE(c.agent.purchasesLast12Pie(QDate(2030, 1, 1)).isEmpty());
}

TEST(Agent, MoneyIsSummedInDoublePrecision)
{
    Cellar c;
    auto w = c.wine(1, 1, 1, 2019);
    const int purchases = 50000;
    for (int i = 0; i < purchases; ++i) {
        auto p = std::make_shared<Purchase>();
        p->setDate(QDateTime(QDate(2024, 1, 1), QTime(0, 0)));
        p->setNumber(3);
        p->setPrice(0.1f);
        w->purchases().append(p);
    }
    c.agent.collectPurchases();
    const double expected = double(purchases) * 3 * double(0.1f);
    EXPECT_NEAR(c.agent.totalMoney(), expected, 1e-6);
    EXPECT_NEAR(c.agent.averageBottlePrice(), double(0.1f), 1e-12);
}

TEST(Agent, EmptyCellarGivesEmptyChartsAndZeroFigures)
{
    for (bool withBook : {true, false}) {
        Agent agent;
        if (withBook)
            agent.setCellar(std::make_shared<CellarBook>());
        agent.setInfos(std::make_shared<FakeCatalogue>());
        agent.collectPurchases();
        EXPECT_EQ(agent.numberOfWines(), 0);
        EXPECT_EQ(agent.numberOfBottlesAmount(), 0);
        EXPECT_EQ(agent.numberOfCountries(), 0);
        EXPECT_EQ(agent.averageBottlePrice(), 0.0);
        EXPECT_EQ(agent.lowestBottlePrice(), 0.0);
        EXPECT_EQ(agent.highestBottlePrice(), 0.0);
        EXPECT_EQ(agent.totalMoney(), 0.0);
        EXPECT_EQ(agent.buyedValueMoney(), 0.0);
        EXPECT_TRUE(agent.purchaseHistory().isEmpty());
        for (const ChartData& d : {agent.countryPie(), agent.winetypePie(), agent.yearsPie(), agent.regionPieFor(1),
                                   agent.typePieFor(1), agent.purchasesPie(), agent.purchasesLast12Pie(),
                                   agent.purchasesPriceAllocation()})
            EXPECT_TRUE(d.isEmpty());
        EXPECT_TRUE(agent.findCellarWines().isEmpty());
        EXPECT_TRUE(agent.findForRules({}).isEmpty());
    }
    // No catalogue: the catalogue charts are empty rather than guessed.
    Cellar c;
    c.wine(1, 1, 1, 2000);
    c.agent.setInfos(std::shared_ptr<const StatisticsCatalogue>());
    EXPECT_TRUE(c.agent.countryPie().isEmpty());
    EXPECT_EQ(c.agent.numberOfCountries(), 1);
}

TEST(Agent, SearchesOverAllWines)
{
    Cellar c;
    auto stocked = c.wine(1, 1, 1, 2010, QStringLiteral("Barolo"));
    Cellar::buy(stocked, QDate(2020, 1, 1), 6, 30.0f);
    auto empty = c.wine(1, 1, 1, 2010, QStringLiteral("Barolo"));
    Cellar::buy(empty, QDate(2020, 1, 1), 2, 30.0f);
    Cellar::drink(empty, 2);
    auto over = c.wine(2, 1, 2, 2012, QStringLiteral("Soave"));
    Cellar::buy(over, QDate(2020, 1, 1), 1, 9.0f);
    Cellar::drink(over, 3); // a negative stock still counts as "in the cellar"

    EXPECT_EQ(c.agent.findCellarWines(), (WineList{stocked, over}));
    EXPECT_EQ(c.agent.findWinename(QStringLiteral("Barolo")), (WineList{stocked, empty}));
    EXPECT_TRUE(c.agent.findWinename(QStringLiteral("barolo")).isEmpty());

    stocked->setFrom(2020);
    stocked->setBest(2024);
    stocked->setTo(2030);
    empty->setFrom(2010);
    empty->setBest(2012);
    empty->setTo(2015);
    over->setFrom(2024);
    over->setBest(2026);
    over->setTo(2028);
    EXPECT_EQ(c.agent.findMaturityOverWines(2024), WineList{empty});
    EXPECT_EQ(c.agent.findMaturityBestWines(2024), WineList{stocked});
    EXPECT_EQ(c.agent.findMaturityBeginnWines(2024), WineList{over});
    EXPECT_EQ(c.agent.findMaturityEndWines(2027), (WineList{stocked, over}));

    // Rules: every rule is asked for every wine, also after one has refused.
    int asked = 0;
    const Agent::WineRule red = [&asked](const Wine& w) { ++asked; return w.type() == 1; };
    const Agent::WineRule old = [&asked](const Wine& w) { ++asked; return w.year() < 2011; };
    EXPECT_EQ(c.agent.findForRules({red, old}), (WineList{stocked, empty}));
    EXPECT_EQ(asked, 6);
    EXPECT_EQ(c.agent.findForRules({}), c.book->wines());
    EXPECT_EQ(c.agent.findForRules({red}, WineList{over, empty}), WineList{empty});

    const Agent::SqlRule a = [](const QString& q) -> QString { return q + QStringLiteral("type = 1"); };
    const Agent::SqlRule b = [](const QString& q) -> QString { return q + QStringLiteral(" AND year < 2011"); };
    EXPECT_EQ(c.agent.findForRulesSQL({a, b}), QStringLiteral("type = 1 AND year < 2011"));
    EXPECT_TRUE(c.agent.findForRulesSQL({}).isEmpty());
}

TEST(Agent, NewCellarOrCatalogueDropsOldFigures)
{
    Cellar c;
    auto w = c.wine(1, 1, 1, 2019);
    Cellar::buy(w, QDate(2024, 1, 1), 2, 15.0f);
    c.agent.collectPurchases();
    ASSERT_EQ(c.agent.purchaseData().size(), 1);
    c.agent.setInfos(std::make_shared<FakeCatalogue>());
    EXPECT_EQ(c.agent.lowestBottlePrice(), 0.0);
    EXPECT_EQ(c.agent.highestBottlePrice(), 0.0);
    EXPECT_DOUBLE_EQ(c.agent.totalMoney(), 30.0);
    c.agent.setCellar(std::make_shared<CellarBook>());
    EXPECT_TRUE(c.agent.purchaseData().isEmpty());
    EXPECT_TRUE(c.agent.purchasesPie().isEmpty());
}

TEST(Agent, ChartsOfTheRealCatalogue)
{
    auto infos = WineInfos::create();
    ASSERT_GT(infos->orderedCountries().size(), 2);
    Cellar c;
    Agent agent;
    agent.setCellar(c.book);
    agent.setInfos(std::shared_ptr<const WineInfos>(infos));
    // The default palette is the named colour list in its order.
    const QStringList names = Crayons::names();
    ASSERT_EQ(agent.palette().size(), names.size());
    EXPECT_EQ(agent.palette().at(1), Crayons::color(names.at(1)));

    const int withRegions = 5;
    infos->country(withRegions)->addRegioString(QStringLiteral("North"));
    infos->country(withRegions)->addRegioString(QStringLiteral("South"));
    c.wine(withRegions, 2, 1, 2015);
    c.wine(withRegions, 2, 2, 2016);
    c.wine(2, 0, 1, 2016);
    c.wine(60000, 60000, 60000, 2016); // nothing the catalogue knows
    c.wine(withRegions, 60000, 1, 2016);

    const ChartData countries = agent.countryPie();
    ASSERT_EQ(countries.size(), 2);
    EXPECT_EQ(countries[0].catalogueID, 2);
    const auto& first = infos->orderedCountries().at(countries[0].catalogueID - 1);
    EXPECT_EQ(countries[0].label, first->name());
    EXPECT_EQ(countries[0].color, first->color());
    const ChartData regions = agent.regionPieFor(withRegions);
    ASSERT_EQ(regions.size(), 1);
    EXPECT_EQ(regions[0].count, 2);
    EXPECT_EQ(regions[0].label, infos->regioName(withRegions, 2));
    EXPECT_FALSE(regions[0].label.isEmpty());
    const ChartData types = agent.winetypePie();
    ASSERT_EQ(types.size(), 2);
    EXPECT_EQ(types[0].label, infos->winetypeName(1));
    EXPECT_EQ(types[0].count, 3);
    EXPECT_EQ(agent.numberOfCountries(), 2);
}

TEST(Agent, HandingInTheSameCatalogueAgainKeepsThePrices)
{
    auto infos = std::shared_ptr<const WineInfos>(WineInfos::create());
    Cellar c;
    Agent agent;
    agent.setCellar(c.book);
    agent.setInfos(infos);
    auto w = c.wine(1, 0, 1, 2019);
    Cellar::buy(w, QDate(2024, 1, 1), 2, 15.0f);
    Cellar::buy(w, QDate(2024, 2, 1), 1, 40.0f);
    agent.collectPurchases();
    agent.setInfos(infos);
    EXPECT_EQ(agent.lowestBottlePrice(), 15.0);
    EXPECT_EQ(agent.highestBottlePrice(), 40.0);
    EXPECT_FALSE(agent.countryPie().isEmpty());

    agent.setInfos(std::shared_ptr<const WineInfos>(WineInfos::create()));
    EXPECT_EQ(agent.lowestBottlePrice(), 0.0);
    EXPECT_EQ(agent.highestBottlePrice(), 0.0);
    EXPECT_DOUBLE_EQ(agent.totalMoney(), 70.0);
}
