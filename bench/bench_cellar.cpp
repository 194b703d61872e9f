// Saving and loading generated cellars, and the memory a loaded wine costs.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include "../tests/support/CellarGenerator.h"
#include "model/CellarDatabase.h"

namespace {
const QByteArray& archiveOf(int wines)
{
    static QHash<int, QByteArray> cache;
    auto it = cache.find(wines);
    if (it == cache.end())
        it = cache.insert(wines, CellarDatabase::toBytes(*CellarGenerator::generate(wines)));
    return *it;
}

void BM_SaveCellar(benchmark::State& state)
{
    auto book = CellarGenerator::generate(int(state.range(0)));
    qint64 bytes = 0;
    for (auto _ : state) {
        QByteArray out = CellarDatabase::toBytes(*book);
        bytes = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["bytes"] = double(bytes);
}
BENCHMARK(BM_SaveCellar)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_LoadCellar(benchmark::State& state)
{
    const QByteArray& bytes = archiveOf(int(state.range(0)));
    for (auto _ : state) {
        auto result = CellarDatabase::loadBytes(bytes, QStringLiteral("bench"));
        benchmark::DoNotOptimize(result.book.get());
        // Freeing the cellar is not part of loading it.
        state.PauseTiming();
        result = {};
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadCellar)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Heap bytes per wine of a loaded cellar, each wine with all its records.
void BM_MemoryPerWine(benchmark::State& state)
{
    const int wines = int(state.range(0));
    const QByteArray& bytes = archiveOf(wines);
    double perWine = 0;
    for (auto _ : state) {
        malloc_trim(0);
        const size_t before = mallinfo2().uordblks;
        auto result = CellarDatabase::loadBytes(bytes, QStringLiteral("bench"));
        const size_t after = mallinfo2().uordblks;
        perWine = double(after - before) / wines;
        benchmark::DoNotOptimize(result.book.get());
    }
    state.counters["bytes_per_wine"] = perWine;
}
BENCHMARK(BM_MemoryPerWine)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_SaveKeyedBackup(benchmark::State& state)
{
    auto book = CellarGenerator::generate(int(state.range(0)));
    for (auto _ : state) {
        QByteArray out = CellarDatabase::toKeyedBytes(*book, CellarDatabase::KeyedForm::Xml);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_SaveKeyedBackup)->Arg(10000)->Unit(benchmark::kMillisecond);
}
