#include <benchmark/benchmark.h>

#include "catalogue/CatalogueClasses.h"
#include "catalogue/WineInfos.h"
#include "catalogue/regions/RegionTables.h"

#include <QString>

using namespace RegionTables;

namespace {

qsizetype addTexts(std::span<const Entry> list)
{
    qsizetype n = 0;
    for (const Entry& e : list)
        n += QString::fromUtf8(e.key).size();
    return n;
}

} // namespace

// The table side of building a catalogue: every country's regions with their
// region classes found by name, and every key turned into text.
static void BM_ReadAllRegionTables(benchmark::State& state)
{
    for (auto _ : state) {
        qsizetype chars = 0;
        for (const CountryClass& c : countryClasses()) {
            for (const RegionEntry& r : c.regions) {
                chars += QString::fromUtf8(r.key).size();
                if (!r.regionClass)
                    continue;
                const RegionClass* rc = findRegionClass(r.regionClass);
                chars += addTexts(rc->areas) + addTexts(rc->classifications) + addTexts(rc->extraAreaClassifications);
            }
            chars += addTexts(c.classifications);
        }
        benchmark::DoNotOptimize(chars);
    }
}
BENCHMARK(BM_ReadAllRegionTables)->Unit(benchmark::kMicrosecond);

// Building a new catalogue with all built-in countries, regions, areas and classifications.
static void BM_BuildBuiltInCatalogue(benchmark::State& state)
{
    registerCatalogueClasses();
    for (auto _ : state) {
        auto infos = WineInfos::create();
        benchmark::DoNotOptimize(infos.get());
    }
}
BENCHMARK(BM_BuildBuiltInCatalogue)->Unit(benchmark::kMillisecond);
