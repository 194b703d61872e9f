#include <benchmark/benchmark.h>

#include <QtGlobal>

#include "catalogue/CatalogueClasses.h"
#include "catalogue/Country.h"
#include "catalogue/WineInfos.h"
#include "platform/SequentialArchive.h"

namespace {
// Building a catalogue logs a line per country; keep the figures readable.
void quiet()
{
    static bool done = false;
    if (!done) {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        registerCatalogueClasses();
        done = true;
    }
}

void BM_CreateCatalogue(benchmark::State& state)
{
    quiet();
    for (auto _ : state)
        benchmark::DoNotOptimize(WineInfos::create());
}
BENCHMARK(BM_CreateCatalogue)->Unit(benchmark::kMillisecond);

void BM_WriteCatalogue(benchmark::State& state)
{
    quiet();
    auto infos = WineInfos::create();
    qint64 bytes = 0;
    for (auto _ : state) {
        const QByteArray b = SequentialArchive::write(infos);
        bytes = b.size();
        benchmark::DoNotOptimize(b.constData());
    }
    state.counters["bytes"] = double(bytes);
}
BENCHMARK(BM_WriteCatalogue)->Unit(benchmark::kMillisecond);

void BM_ReadCatalogue(benchmark::State& state)
{
    quiet();
    const QByteArray bytes = SequentialArchive::write(WineInfos::create());
    for (auto _ : state)
        benchmark::DoNotOptimize(SequentialArchive::read(bytes));
}
BENCHMARK(BM_ReadCatalogue)->Unit(benchmark::kMillisecond);

// What a wine list of 10,000 wines asks: a country, region and classification name per wine.
void BM_NamesForTenThousandWines(benchmark::State& state)
{
    quiet();
    auto infos = WineInfos::create();
    const int countries = int(infos->orderedCountries().size());
    for (auto _ : state) {
        qsizetype total = 0;
        for (int i = 0; i < 10000; ++i) {
            const int c = 1 + i % countries;
            total += infos->countryName(c).size() + infos->regioName(c, 1 + i % 5).size()
                + infos->classificationName(c, 1 + i % 5, 0, 1 + i % 7).size();
        }
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_NamesForTenThousandWines)->Unit(benchmark::kMillisecond);

void BM_CountryForName(benchmark::State& state)
{
    quiet();
    auto infos = WineInfos::create();
    const QString last = infos->countries().last()->name();
    for (auto _ : state)
        benchmark::DoNotOptimize(infos->countryFor(last));
}
BENCHMARK(BM_CountryForName);
}
