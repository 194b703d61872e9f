// Built-in regions, areas and classifications of Chile, Argentina, Canada and Mexico.
// The position of every entry is its stored ID, separators included:
// never reorder, insert into or remove from these lists.
#include "catalogue/regions/RegionTablesData.h"

namespace RegionTables::Data {
namespace {

// CountryChile
constexpr Entry kChileAconcaguaAreas[] = {
    {"Aconcagua-Valley"}, {"Casablanca-Valley"},
};
constexpr Entry kChileLongValleyAreas[] = {
    {"Curicó-Valley"}, {"Maipo-Valley"}, {"Maule-Valley"}, {"Rapel-Valley"},
};
constexpr Entry kChileSouthRegionAreas[] = {
    {"Itata-Valley"}, {"Bío-Bío-Valley"},
};
constexpr RegionClass kChileRegionClasses[] = {
    {"RegioChileAconcagua", kChileAconcaguaAreas, {}},
    {"RegioChileLongValley", kChileLongValleyAreas, {}},
    {"RegioChileSouthRegion", kChileSouthRegionAreas, {}},
};
constexpr const char* const kChileKeys[] = {
    "Chile",
};
constexpr RegionEntry kChileRegions[] = {
    {"Aconcagua and Casablanca", "RegioChileAconcagua"}, {"Great Long Valley", "RegioChileLongValley"},
    {"South Region", "RegioChileSouthRegion"},
};
constexpr CountryData kChile{
    {"CountryChile", kChileKeys, kChileRegions, {}},
    kChileRegionClasses,
};

// CountryArgentina
constexpr const char* const kArgentinaKeys[] = {
    "Argentina",
};
constexpr RegionEntry kArgentinaRegions[] = {
    {"Catamarca"}, {"La Pampa"}, {"La Rioja"}, {"Mendoza"}, {"Río Negro"}, {"Salta"}, {"San Juan"}, {"Tucumán"},
};
constexpr CountryData kArgentina{
    {"CountryArgentina", kArgentinaKeys, kArgentinaRegions, {}},
    {},
};

// CountryCanada
constexpr Entry kBritishColumbiaAreas[] = {
    {"The Fraser Valley"}, {"Vancouver Island"}, {"Similkameen Valley"}, {"Okanagan Valley"},
};
constexpr Entry kCanadaOntarioAreas[] = {
    {"The Niagara Peninsula"}, {"Lake Erie North Shore"}, {"Peele Island"},
};
constexpr RegionClass kCanadaRegionClasses[] = {
    {"RegioBritishColumbia", kBritishColumbiaAreas, {}},
    {"RegioCanadaOntario", kCanadaOntarioAreas, {}},
};
constexpr const char* const kCanadaKeys[] = {
    "Canada",
};
constexpr RegionEntry kCanadaRegions[] = {
    {"British Columbia", "RegioBritishColumbia"}, {"Ontario", "RegioCanadaOntario"}, {"Quebec"},
    {"Nova Scotia"}, {"Newfoundland"},
};
constexpr Entry kCanadaClassifications[] = {
    {"Table Wine"}, {"VQA"},
};
constexpr CountryData kCanada{
    {"CountryCanada", kCanadaKeys, kCanadaRegions, kCanadaClassifications},
    kCanadaRegionClasses,
};

// CountryMexico
// Some blanks in the Mexican keys are no-break spaces; they belong to the stored names.
constexpr Entry kMexicoBajaCaliforniaAreas[] = {
    {"The\u00A0Calafia and\u00A0Guadalupe Valleys"}, {"The\u00A0Tecate Zone"}, {"The\u00A0Santo Tomas Valley"},
    {"San\u00A0Vincente"}, {"The\u00A0Mexicali Valley"},
};
constexpr Entry kMexicoSonoraAreas[] = {
    {"Hermosillo"}, {"Caborca"},
};
constexpr Entry kMexicoCentralAreas[] = {
    {"Aguascalientes"}, {"Zacatecas"}, {"Queretaro"},
};
constexpr Entry kMexicoLagunaAreas[] = {
    {"Coahuila"}, {"Durango"},
};
constexpr RegionClass kMexicoRegionClasses[] = {
    {"RegioMexicoBajaCalifornia", kMexicoBajaCaliforniaAreas, {}},
    {"RegioMexicoSonora", kMexicoSonoraAreas, {}},
    {"RegioMexicoCentral", kMexicoCentralAreas, {}},
    {"RegioMexicoLaguna", kMexicoLagunaAreas, {}},
};
constexpr const char* const kMexicoKeys[] = {
    "Mexico",
};
constexpr RegionEntry kMexicoRegions[] = {
    {"Baja\u00A0California", "RegioMexicoBajaCalifornia"}, {"Sonora", "RegioMexicoSonora"},
    {"Central Region", "RegioMexicoCentral"}, {"Region Laguna", "RegioMexicoLaguna"},
};
constexpr Entry kMexicoClassifications[] = {
    {"Varietales"}, {"Combinadas"}, {"De Origen"},
};
constexpr CountryData kMexico{
    {"CountryMexico", kMexicoKeys, kMexicoRegions, kMexicoClassifications},
    kMexicoRegionClasses,
};

} // namespace

const CountryData& chile() { return kChile; }
const CountryData& argentina() { return kArgentina; }
const CountryData& canada() { return kCanada; }
const CountryData& mexico() { return kMexico; }

} // namespace RegionTables::Data
