// Built-in regions, areas and classifications of Switzerland, Romania and Israel.
// The position of every entry is its stored ID, separators included:
// never reorder, insert into or remove from these lists.
#include "catalogue/regions/RegionTablesData.h"

namespace RegionTables::Data {
namespace {

// CountrySwiss
constexpr Entry kSwissBernAreas[] = {
    {"Bieler See"}, {"Thuner See"},
};
constexpr Entry kSwissFribourgAreas[] = {
    {"Broye"}, {"Vully"},
};
constexpr Entry kSwissGenfAreas[] = {
    {"Arve-et-Lac"}, {"Arve-et-Rhône"}, {"Mandement"},
};
constexpr Entry kSwissGrauAreas[] = {
    {"Herrschaft"}, {"Misox"},
};
constexpr Entry kSwissSchaffhausenAreas[] = {
    {"Klettgau"},
};
constexpr Entry kSwissGallenAreas[] = {
    {"Oberland"}, {"Rheintal"},
};
constexpr Entry kSwissTessinAreas[] = {
    {"Sopraceneri"}, {"Sottoceneri"},
};
constexpr Entry kSwissThurgauAreas[] = {
    {"Thurtal"}, {"Untersee"},
};
constexpr Entry kSwissVaudAreas[] = {
    {"Bonvillars"}, {"Chablais"}, {"Côtes de l'Orbe"}, {"La Côte"}, {"Lavaux"}, {"Vully"},
};
constexpr Entry kSwissZuerichAreas[] = {
    {"Limmattal"}, {"Unterland"}, {"Weinland"},
};
constexpr RegionClass kSwissRegionClasses[] = {
    {"RegioSwissBern", kSwissBernAreas, {}},
    {"RegioSwissFribourg", kSwissFribourgAreas, {}},
    {"RegioSwissGenf", kSwissGenfAreas, {}},
    {"RegioSwissGrau", kSwissGrauAreas, {}},
    {"RegioSwissSchaffhausen", kSwissSchaffhausenAreas, {}},
    {"RegioSwissGallen", kSwissGallenAreas, {}},
    {"RegioSwissTessin", kSwissTessinAreas, {}},
    {"RegioSwissThurgau", kSwissThurgauAreas, {}},
    {"RegioSwissVaud", kSwissVaudAreas, {}},
    {"RegioSwissZuerich", kSwissZuerichAreas, {}},
};
constexpr const char* const kSwissKeys[] = {
    "Swiss", "Switzerland",
};
constexpr RegionEntry kSwissRegions[] = {
    {"Aargau"}, {"Basel"}, {"Bern", "RegioSwissBern"}, {"Fribourg", "RegioSwissFribourg"},
    {"Genf", "RegioSwissGenf"}, {"Graubünden", "RegioSwissGrau"}, {"Jura"}, {"Neuchâtel"},
    {"Schaffhausen", "RegioSwissSchaffhausen"}, {"St. Gallen", "RegioSwissGallen"},
    {"Tessin", "RegioSwissTessin"}, {"Thurgau", "RegioSwissThurgau"}, {"Vaud", "RegioSwissVaud"}, {"Wallis"},
    {"Zürich", "RegioSwissZuerich"},
};
constexpr Entry kSwissClassifications[] = {
    {"Tafelwein"},
};
constexpr CountryData kSwiss{
    {"CountrySwiss", kSwissKeys, kSwissRegions, kSwissClassifications},
    kSwissRegionClasses,
};

// CountryRomania
constexpr Entry kRomaniaBanatAreas[] = {
    {"Minis Arad"}, {"Recas Tirol"}, {"Terimia"},
};
constexpr Entry kRomaniaDobrogeaAreas[] = {
    {"Murfatlar"}, {"Sarica-Miculitel"},
};
constexpr Entry kRomaniaMoldauAreas[] = {
    {"Cotnari"}, {"Dealurile Moldovei"}, {"Odobesti-Panciu-Nicoresti"}, {"Tecuci Galati"},
};
constexpr Entry kRomaniaMunteniaAreas[] = {
    {"Dealu Mare"},
};
constexpr Entry kRomaniaOlteniaAreas[] = {
    {"Arges-Stefanesti"}, {"Dragasani"}, {"Drobeta-Turnu Severin Corcova"}, {"Segarcea"},
};
constexpr Entry kRomaniaTransylAreas[] = {
    {"Alba Iulia-Aiud"}, {"Bistrita-Nasaud"}, {"Tîrnave"},
};
constexpr RegionClass kRomaniaRegionClasses[] = {
    {"RegioRomaniaBanat", kRomaniaBanatAreas, {}},
    {"RegioRomaniaDobrogea", kRomaniaDobrogeaAreas, {}},
    {"RegioRomaniaMoldau", kRomaniaMoldauAreas, {}},
    {"RegioRomaniaMuntenia", kRomaniaMunteniaAreas, {}},
    {"RegioRomaniaOltenia", kRomaniaOlteniaAreas, {}},
    {"RegioRomaniaTransyl", kRomaniaTransylAreas, {}},
};
constexpr const char* const kRomaniaKeys[] = {
    "Romania",
};
constexpr RegionEntry kRomaniaRegions[] = {
    {"Banat", "RegioRomaniaBanat"}, {"Dobrogea", "RegioRomaniaDobrogea"}, {"Moldau", "RegioRomaniaMoldau"},
    {"Muntenia", "RegioRomaniaMuntenia"}, {"Oltenia", "RegioRomaniaOltenia"},
    {"Transsylvanien", "RegioRomaniaTransyl"},
};
constexpr Entry kRomaniaClassifications[] = {
    {"Tafelwein"},
};
constexpr CountryData kRomania{
    {"CountryRomania", kRomaniaKeys, kRomaniaRegions, kRomaniaClassifications},
    kRomaniaRegionClasses,
};

// CountryIsrael
constexpr Entry kIsraelGALILEEAreas[] = {
    {"Canaan-Meron"}, {"Israel Valley"}, {"Naftali"}, {"Nazareth-Cana"}, {"Tabor"},
};
constexpr Entry kIsraelNegevAreas[] = {
    {"Beersheba"}, {"Ramat Arad"},
};
constexpr Entry kIsraelSAMSONAreas[] = {
    {"Adulam"}, {"Dan"}, {"Latroun"}, {"Shfela"},
};
constexpr Entry kIsraelSAMARIAAreas[] = {
    {"Mt Carmel"}, {"Sharon"},
};
constexpr Entry kIsraelJUDEANHILLSAreas[] = {
    {"Bethlehem"}, {"Beth-El"}, {"Hebron"}, {"Jerusalem"},
};
constexpr RegionClass kIsraelRegionClasses[] = {
    {"RegioIsraelGALILEE", kIsraelGALILEEAreas, {}},
    {"RegioIsraelNegev", kIsraelNegevAreas, {}},
    {"RegioIsraelSAMSON", kIsraelSAMSONAreas, {}},
    {"RegioIsraelSAMARIA", kIsraelSAMARIAAreas, {}},
    {"RegioIsraelJUDEANHILLS", kIsraelJUDEANHILLSAreas, {}},
};
constexpr const char* const kIsraelKeys[] = {
    "Israel",
};
constexpr RegionEntry kIsraelRegions[] = {
    {"Galilee", "RegioIsraelGALILEE"}, {"Negev", "RegioIsraelNegev"}, {"Samson", "RegioIsraelSAMSON"},
    {"Samaria", "RegioIsraelSAMARIA"}, {"Judean Hills", "RegioIsraelJUDEANHILLS"}, {"Golan Heights"},
};
constexpr CountryData kIsrael{
    {"CountryIsrael", kIsraelKeys, kIsraelRegions, {}},
    kIsraelRegionClasses,
};

} // namespace

const CountryData& swiss() { return kSwiss; }
const CountryData& romania() { return kRomania; }
const CountryData& israel() { return kIsrael; }

} // namespace RegionTables::Data
