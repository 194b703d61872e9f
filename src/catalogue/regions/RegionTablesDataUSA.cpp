// Built-in regions, areas and classifications of the United States.
// The position of every entry is its stored ID, separators included:
// never reorder, insert into or remove from these lists.
#include "catalogue/regions/RegionTablesData.h"

namespace RegionTables::Data {
namespace {

// CountryUSA
// The keys of regions 1 and 3 end in a vertical tab; it belongs to the stored name.
constexpr Entry kUSACaliforniaCentralCoastAreas[] = {
    {"Arroyo Grande"}, {"Arroyo Seco"}, {"Carmel Valley"}, {"Chalone"}, {"Edna Valley"}, {"Livermore Valley"},
    {"Mount Harlan"}, {"Paso Robles"}, {"Santa Clara Valley"}, {"Santa Cruz Mountains"}, {"San Lucas"},
    {"Santa Lucia Highlands"}, {"Santa Maria Valley"}, {"Santa Ynez Valley"}, {"York Mountain"},
    {"Ben Lomond Mountain"}, {"Central Coast"}, {"Hames Valley"}, {"Lime Kiln Valley"}, {"Monterey"},
    {"Pacheco Pass"}, {"Paicines"}, {"San Benito"}, {"San Francisco Bay"}, {"San Ysidro District"}, {"Chalone"},
    {"Cienega Valley"},
};
constexpr Entry kUSACaliforniaCentralValleyAreas[] = {
    {"Clarksburg"}, {"Lodi"}, {"Solano County Green Valley"}, {"Suisun Valley"}, {"Diablo Grande"},
    {"Dunnigan Hills"},
};
constexpr Entry kUSACaliforniaNorthCoastAreas[] = {
    {"Alexander Valley"}, {"Clear Lake"}, {"Dry Creek Valley"}, {"Guenoc Valley"}, {"Los Carneros"},
    {"Knights Valley"}, {"Mendocino Ridge"}, {"Napa Valley"}, {"Russian River Valley"}, {"Sonoma Valley"},
    {"Anderson Valley"}, {"Atlas Peak"}, {"Benmore Valley"}, {"Chalk Hill"}, {"Chiles Valley"}, {"Cole Ranch"},
    {"Howell Mountain"}, {"McDowell Valley"}, {"Mendocino"}, {"Mount Veeder"}, {"North Coast"},
    {"Northern Sonoma"}, {"Oakville"}, {"Potter Valley"}, {"Redwood Valley"}, {"Rutherford"}, {"Seiad Valley"},
    {"St. Helena"}, {"Solano County Green Valley"}, {"Sonoma Coast"}, {"Sonoma County Green Valley"},
    {"Sonoma Mountain"}, {"Spring Mountain District"}, {"Stags Leap District"}, {"Suisun Valley"},
    {"Wild Horse Valley"}, {"Willow Creek"}, {"Yorkville Highlands"}, {"Yountville"},
};
constexpr Entry kUSACaliforniaSierraAreas[] = {
    {"California Shenandoah Valley"}, {"El Dorado"}, {"Fiddletown"}, {"North Yuba"}, {"Sierra Foothills"},
    {"Amador County"},
};
constexpr Entry kUSACaliforniaSouthCoastAreas[] = {
    {"San Pasqual Valley"}, {"Temecula"}, {"South Coast"}, {"Cucamonga Valley"}, {"Malibu-Newton Canyon"},
    {"Santa Barbara County"},
};
constexpr Entry kUSAConnecticutAreas[] = {
    {"Southeastern New England"}, {"Western Connecticut Highlands"},
};
constexpr Entry kUSAIdahoAreas[] = {
    {"Snake River Valley"},
};
constexpr Entry kUSAMarylandAreas[] = {
    {"Catoctin"}, {"Cumberland Valley"}, {"Linganore"},
};
constexpr Entry kUSAMassachusettsAreas[] = {
    {"Martha's Vineyard"}, {"Southeastern New England"},
};
constexpr Entry kUSANewJerseyAreas[] = {
    {"Central Delaware Valley"}, {"Warren Hills"},
};
constexpr Entry kUSANewYorkStateAreas[] = {
    {"Cayuga Lake"}, {"Finger Lakes"}, {"Hudson River Region"}, {"Lake Erie"}, {"North Fork of Long Island"},
    {"The Hamptons, Long Island"}, {"Long Island"},
};
// Area 6 has two blanks between "Kanawha" and "River".
constexpr Entry kUSAOhioAreas[] = {
    {"Grand River Valley"}, {"Isle St George"}, {"Loramie Creek"}, {"Ohio River Valley"}, {"Lake Erie"},
    {"Kanawha  River Valley"},
};
constexpr Entry kUSAOregonAreas[] = {
    {"Columbia Valley"}, {"Rogue Valley"}, {"Umpqua Valley"}, {"Walla Walla Valley"}, {"Willamette Valley"},
    {"Applegate Valley"},
};
constexpr Entry kUSAPennsylnaniaAreas[] = {
    {"Central Delaware Valley"}, {"Cumberland Valley"}, {"Lake Erie"}, {"Lancaster Valley"},
};
constexpr Entry kUSAVirginiaAreas[] = {
    {"Shenandoah Valley"}, {"Rocky Knob"}, {"Virginia's Eastern Shore"}, {"North Fork of Roanoke"},
    {"Monticello"}, {"Northern Neck George Washington Birthplace"},
};
constexpr Entry kUSAWashingtonStateAreas[] = {
    {"Columbia Valley"}, {"Yakima Valley"}, {"Walla Walla Valley"}, {"Red Mountain"}, {"Puget Sound"},
};
constexpr Entry kUSAWestVirginiaAreas[] = {
    {"Shenandoah Valley"}, {"Kanawha River Valley"}, {"Ohio River Valley"},
};
constexpr Entry kUSAArizonaAreas[] = {
    {"Sonoita"},
};
constexpr Entry kUSAArkansasAreas[] = {
    {"Ozark Mountain"}, {"Altus"}, {"Arkansas Mountain"},
};
constexpr Entry kUSAColoradoAreas[] = {
    {"West Elks"}, {"Grand Valley"},
};
constexpr Entry kUSAIndianaAreas[] = {
    {"Ohio River Valley"},
};
constexpr Entry kUSAKentuckyAreas[] = {
    {"Ohio River Valley"},
};
constexpr Entry kUSALouisianaAreas[] = {
    {"Mississippi Delta"},
};
constexpr Entry kUSAMichiganAreas[] = {
    {"Lake Michigan Shore"}, {"Leelanau Peninsula"}, {"Old Mission Peninsula"}, {"Fennville"},
};
constexpr Entry kUSAMississippiAreas[] = {
    {"Mississippi Delta"},
};
constexpr Entry kUSAOklahomaAreas[] = {
    {"Ozark Mountain"},
};
constexpr Entry kUSARhodeIslandAreas[] = {
    {"Southeastern New England"},
};
constexpr Entry kUSATennesseeAreas[] = {
    {"Mississippi Delta"},
};
constexpr Entry kUSAWisconsinAreas[] = {
    {"Lake Wisconsin"},
};
constexpr Entry kUSAMissouriAreas[] = {
    {"Ozark Mountain"}, {"Augusta"}, {"Ozark Highlands"}, {"Hermann"},
};
constexpr Entry kUSATexasAreas[] = {
    {"Texas Davis Mountains"}, {"Texas High Plains"}, {"Texas Hill Country"}, {"Escondido Valley"},
    {"Mesilla Valley"}, {"Fredericksburg in the Texas Hill Country"}, {"Bell Mountain"},
};
constexpr Entry kUSANewMexicoAreas[] = {
    {"Middle Rio Grande Valley"}, {"Mesilla Valley"}, {"Mimbres Valley"},
};
constexpr Entry kUSANorthCarolinaAreas[] = {
    {"Alleghany County"}, {"Beaufort County"}, {"Brunswick County"}, {"Buncombe County"}, {"Burke County"},
    {"Caldwell County"}, {"Chatham County"}, {"Currituck County"}, {"Davie County"}, {"Duplin County"},
    {"Forsyth County"}, {"Polk County"}, {"Rutherford County"}, {"Stanly County"}, {"Stokes County"},
    {"Surry County"}, {"Wake County"}, {"Wilkes County"}, {"Yadkin County"},
};
constexpr RegionClass kUSARegionClasses[] = {
    {"RegioUSACaliforniaCentralCoast", kUSACaliforniaCentralCoastAreas, {}},
    {"RegioUSACaliforniaCentralValley", kUSACaliforniaCentralValleyAreas, {}},
    {"RegioUSACaliforniaNorthCoast", kUSACaliforniaNorthCoastAreas, {}},
    {"RegioUSACaliforniaSierra", kUSACaliforniaSierraAreas, {}},
    {"RegioUSACaliforniaSouthCoast", kUSACaliforniaSouthCoastAreas, {}},
    {"RegioUSAConnecticut", kUSAConnecticutAreas, {}},
    {"RegioUSAIdaho", kUSAIdahoAreas, {}},
    {"RegioUSAMaryland", kUSAMarylandAreas, {}},
    {"RegioUSAMassachusetts", kUSAMassachusettsAreas, {}},
    {"RegioUSANewJersey", kUSANewJerseyAreas, {}},
    {"RegioUSANewYorkState", kUSANewYorkStateAreas, {}},
    {"RegioUSAOhio", kUSAOhioAreas, {}},
    {"RegioUSAOregon", kUSAOregonAreas, {}},
    {"RegioUSAPennsylnania", kUSAPennsylnaniaAreas, {}},
    {"RegioUSAVirginia", kUSAVirginiaAreas, {}},
    {"RegioUSAWashingtonState", kUSAWashingtonStateAreas, {}},
    {"RegioUSAWestVirginia", kUSAWestVirginiaAreas, {}},
    {"RegioUSAArizona", kUSAArizonaAreas, {}},
    {"RegioUSAArkansas", kUSAArkansasAreas, {}},
    {"RegioUSAColorado", kUSAColoradoAreas, {}},
    {"RegioUSAIndiana", kUSAIndianaAreas, {}},
    {"RegioUSAKentucky", kUSAKentuckyAreas, {}},
    {"RegioUSALouisiana", kUSALouisianaAreas, {}},
    {"RegioUSAMichigan", kUSAMichiganAreas, {}},
    {"RegioUSAMississippi", kUSAMississippiAreas, {}},
    {"RegioUSAOklahoma", kUSAOklahomaAreas, {}},
    {"RegioUSARhodeIsland", kUSARhodeIslandAreas, {}},
    {"RegioUSATennessee", kUSATennesseeAreas, {}},
    {"RegioUSAWisconsin", kUSAWisconsinAreas, {}},
    {"RegioUSAMissouri", kUSAMissouriAreas, {}},
    {"RegioUSATexas", kUSATexasAreas, {}},
    {"RegioUSANewMexico", kUSANewMexicoAreas, {}},
    {"RegioUSANorthCarolina", kUSANorthCarolinaAreas, {}},
};
constexpr const char* const kUSAKeys[] = {
    "United States of America",
};
constexpr RegionEntry kUSARegions[] = {
    {"California - Central Coast\v", "RegioUSACaliforniaCentralCoast"},
    {"California - Central Valley", "RegioUSACaliforniaCentralValley"},
    {"California - North Coast\v", "RegioUSACaliforniaNorthCoast"},
    {"California - Sierra", "RegioUSACaliforniaSierra"},
    {"California - South Coast", "RegioUSACaliforniaSouthCoast"}, {"Connecticut", "RegioUSAConnecticut"},
    {"Idaho", "RegioUSAIdaho"}, {"Maryland", "RegioUSAMaryland"}, {"Massachusetts", "RegioUSAMassachusetts"},
    {"New Jersey", "RegioUSANewJersey"}, {"New York State", "RegioUSANewYorkState"}, {"Ohio", "RegioUSAOhio"},
    {"Oregon", "RegioUSAOregon"}, {"Pennsylvania", "RegioUSAPennsylnania"}, {"Virginia", "RegioUSAVirginia"},
    {"Washington State", "RegioUSAWashingtonState"}, {"West Virginia", "RegioUSAWestVirginia"},
    {"Arizona", "RegioUSAArizona"}, {"Arkansas", "RegioUSAArkansas"}, {"Colorado", "RegioUSAColorado"},
    {"Indiana", "RegioUSAIndiana"}, {"Kentucky", "RegioUSAKentucky"}, {"Louisiana", "RegioUSALouisiana"},
    {"Michigan", "RegioUSAMichigan"}, {"Mississippi", "RegioUSAMississippi"}, {"Oklahoma", "RegioUSAOklahoma"},
    {"Rhode Island", "RegioUSARhodeIsland"}, {"Tennessee", "RegioUSATennessee"},
    {"Wisconsin", "RegioUSAWisconsin"}, {"Missouri", "RegioUSAMissouri"}, {"Texas", "RegioUSATexas"},
    {"New Mexico", "RegioUSANewMexico"}, {"North Carolina", "RegioUSANorthCarolina"},
};
constexpr Entry kUSAClassifications[] = {
    {"AVA"},
};
constexpr const char* const kUSAStateCodes[] = {
    "AK", "AL", "AR", "AZ", "BC", "CA", "CO", "CT", "DE", "FL", "GA", "HI", "IA", "ID", "IL", "IN", "KS", "KY",
    "LA", "MA", "MD", "ME", "MI", "MN", "MO", "MS", "MT", "NC", "NE", "NF", "NH", "NJ", "NM", "NS", "NV", "NY",
    "OH", "OK", "ON", "OR", "PA", "PE", "QC", "RI", "SC", "SD", "TN", "TX", "UT", "VA", "VT", "WA", "WI", "WV",
};
constexpr CountryData kUSA{
    {"CountryUSA", kUSAKeys, kUSARegions, kUSAClassifications, kUSAStateCodes},
    kUSARegionClasses,
};

} // namespace

const CountryData& usa() { return kUSA; }

} // namespace RegionTables::Data
