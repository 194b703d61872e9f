// Statistics and chart data over a generated cellar of 100,000 wines.
#include <benchmark/benchmark.h>
#include <QGuiApplication>

#include <QRandomGenerator>

#include "model/CellarBook.h"
#include "model/Purchase.h"
#include "model/Used.h"
#include "model/Wine.h"
#include "reports/Agent.h"
#include "reports/ChartView.h"
#include "reports/StatisticsCatalogue.h"

namespace {

// As many countries, regions and wine types as the generator hands out.
class BenchCatalogue : public StatisticsCatalogue {
public:
    int countryCount() const override { return 200; }
    QString countryName(int id) const override { return QStringLiteral("Country %1").arg(id); }
    QColor countryColor(int id) const override { return QColor::fromHsv(id % 360, 200, 200); }
    int regionCount(int) const override { return 10; }
    QString regionName(int, int id) const override { return QStringLiteral("Region %1").arg(id); }
    int winetypeCount() const override { return 5; }
    QString winetypeName(int id) const override { return QStringLiteral("Type %1").arg(id); }
};

// Wines with what the statistics read: catalogue IDs, vintage, drinking window,
// three purchases and two uses each. (The shared test cellar generator also
// numbers every bottle, which takes far too long at this size.)
std::shared_ptr<CellarBook> generateCellar(int wineCount)
{
    QRandomGenerator rng(42);
    auto book = std::make_shared<CellarBook>();
    book->setCurrency(QStringLiteral("EUR"));
    for (int i = 0; i < wineCount; ++i) {
        auto w = std::make_shared<Wine>();
        w->setWinename(QStringLiteral("Wine %1").arg(i));
        const quint16 year = quint16(1990 + rng.bounded(35));
        w->setYear(year);
        w->setType(quint16(1 + rng.bounded(5)));
        w->setCountry(1 + int(rng.bounded(200)));
        w->setRegio(1 + int(rng.bounded(10)));
        w->setFrom(quint16(year + 2));
        w->setBest(quint16(year + 5));
        w->setTo(quint16(year + 10));
        for (int p = 0; p < 3; ++p) {
            auto purchase = std::make_shared<Purchase>();
            purchase->setDate(QDateTime::fromMSecsSinceEpoch(1500000000000LL + qint64(i) * 86400000LL / 100 + p));
            purchase->setNumber(2 + quint32(p));
            purchase->setPrice(5.0f + float(rng.bounded(150000)) / 100.0f);
            w->purchases().append(purchase);
        }
        for (int u = 0; u < 2; ++u) {
            auto used = std::make_shared<Used>();
            used->setUsed(1);
            w->used().append(used);
        }
        w->solveStockbalance();
        book->addWine(w);
    }
    return book;
}

struct Fixture {
    std::shared_ptr<CellarBook> book = generateCellar(100000);
    Agent agent;
    Fixture()
    {
        agent.setCellar(book);
        agent.setInfos(std::make_shared<BenchCatalogue>());
        QList<QColor> palette;
        for (int i = 0; i < 48; ++i)
            palette.append(QColor::fromHsv(i * 7, 200, 200));
        agent.setPalette(palette);
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void figures(Agent& agent)
{
    benchmark::DoNotOptimize(agent.numberOfWines());
    benchmark::DoNotOptimize(agent.numberOfBottlesAmount());
    benchmark::DoNotOptimize(agent.numberOfBottlesBalance());
    benchmark::DoNotOptimize(agent.numberOfCountries());
}

void chartData(Agent& agent, const QDate& today)
{
    benchmark::DoNotOptimize(agent.countryPie());
    benchmark::DoNotOptimize(agent.winetypePie());
    benchmark::DoNotOptimize(agent.yearsPie());
    benchmark::DoNotOptimize(agent.regionPieFor(1));
    benchmark::DoNotOptimize(agent.typePieFor(1));
    benchmark::DoNotOptimize(agent.purchasesPie());
    benchmark::DoNotOptimize(agent.purchasesLast12Pie(today));
    benchmark::DoNotOptimize(agent.purchasesPriceAllocation());
}

void BM_Figures(benchmark::State& state)
{
    Agent& agent = fixture().agent;
    for (auto _ : state)
        figures(agent);
}

void BM_CollectPurchases(benchmark::State& state)
{
    Agent& agent = fixture().agent;
    for (auto _ : state) {
        agent.collectPurchases();
        benchmark::DoNotOptimize(agent.averageBottlePrice());
    }
}

void BM_ChartData(benchmark::State& state)
{
    Agent& agent = fixture().agent;
    agent.collectPurchases();
    const QDate today(2017, 12, 1);
    for (auto _ : state)
        chartData(agent, today);
}

void BM_Searches(benchmark::State& state)
{
    Agent& agent = fixture().agent;
    const QList<Agent::WineRule> rules{[](const Wine& w) { return w.type() == 1; },
                                       [](const Wine& w) { return w.year() > 2000; }};
    for (auto _ : state) {
        benchmark::DoNotOptimize(agent.findCellarWines());
        benchmark::DoNotOptimize(agent.findMaturityOverWines(2024));
        benchmark::DoNotOptimize(agent.findMaturityBestWines(2024));
        benchmark::DoNotOptimize(agent.findForRules(rules));
    }
}

// Everything a statistics report asks for, once.
void BM_AllStatistics(benchmark::State& state)
{
    Agent& agent = fixture().agent;
    for (auto _ : state) {
        figures(agent);
        agent.collectPurchases();
        benchmark::DoNotOptimize(agent.averageBottlePrice());
        chartData(agent, QDate::currentDate());
    }
}

// Text needs a GUI application for its fonts.
void ensureGuiApplication()
{
    static int argc = 1;
    static char name[] = "bench_statistics";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static QGuiApplication app(argc, argv);
    }
}

void BM_DrawCharts(benchmark::State& state)
{
    ensureGuiApplication();
    Agent& agent = fixture().agent;
    agent.collectPurchases();
    const ChartData years = agent.yearsPie();
    const ChartData months = agent.purchasesPie();
    for (auto _ : state) {
        ChartView view;
        view.setChartData(years);
        view.setChartType(QStringLiteral("pie"));
        view.display();
        view.setChartType(QStringLiteral("bar"));
        view.display();
        view.setChartData(months);
        view.setChartType(QStringLiteral("line"));
        view.display();
        benchmark::DoNotOptimize(view.pngData());
    }
}

} // namespace

BENCHMARK(BM_Figures)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CollectPurchases)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartData)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Searches)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AllStatistics)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawCharts)->Unit(benchmark::kMillisecond);
