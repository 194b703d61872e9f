// Built-in regions, areas and classifications of Australia, New Zealand and South Africa.
// The position of every entry is its stored ID, separators included:
// never reorder, insert into or remove from these lists.
#include "catalogue/regions/RegionTablesData.h"

namespace RegionTables::Data {
namespace {

// CountryAustralia
constexpr Entry kAustraliaWestAreas[] = {
    {"Lower Great Southern Region"}, {"Margaret River"}, {"Perth Hills"}, {"South-West Coastal Plain"},
    {"Swan Valley"}, {"Pemberton"},
};
constexpr Entry kAustraliaSouthAreas[] = {
    {"Adelaide Hills"}, {"Adelaide Metropolitan"}, {"Barossa and Eden Valley"}, {"Clare Valley"},
    {"Coonawarra"}, {"Langhorne Creek"}, {"Padthaway"}, {"Riverland"}, {"Southern Vales"}, {"McLaren Vale"},
    {"Kangaroo Island"}, {"Mt Gambier"},
};
constexpr Entry kAustraliaVictoriaAreas[] = {
    {"Bendigo"}, {"Central Victoria"}, {"Drumborg"}, {"Geelong"}, {"Goulburn Valley"}, {"Great Western"},
    {"Gippsland"}, {"Macedon"}, {"Mornington Peninsula"}, {"Murray River"}, {"North-East Victoria"},
    {"Pyrenees"}, {"Yarra Valley"}, {"King Valley"}, {"Rutherglen"},
};
constexpr Entry kAustraliaNewWalesAreas[] = {
    {"Canberra District"}, {"Lower Hunter Valley"}, {"Upper Hunter Valley"}, {"Mudgee"}, {"Riverina"},
    {"Other"}, {"Cowra"}, {"Hastings River Region"}, {"Murray, Sunraysia"}, {"Orange"}, {"Granite Belt"},
};
constexpr Entry kAustraliaQueensAreas[] = {
    {"Granite Belt"},
};
constexpr Entry kAustraliaTasmaniaAreas[] = {
    {"Hobart"}, {"Launceston"},
};
constexpr Entry kAustraliaACTAreas[] = {
    {"Canberra"},
};
constexpr RegionClass kAustraliaRegionClasses[] = {
    {"RegioAustraliaWest", kAustraliaWestAreas, {}},
    {"RegioAustraliaSouth", kAustraliaSouthAreas, {}},
    {"RegioAustraliaVictoria", kAustraliaVictoriaAreas, {}},
    {"RegioAustraliaNewWales", kAustraliaNewWalesAreas, {}},
    {"RegioAustraliaQueens", kAustraliaQueensAreas, {}},
    {"RegioAustraliaTasmania", kAustraliaTasmaniaAreas, {}},
    {"RegioAustraliaACT", kAustraliaACTAreas, {}},
};
constexpr const char* const kAustraliaKeys[] = {
    "Australia",
};
constexpr RegionEntry kAustraliaRegions[] = {
    {"West Australia", "RegioAustraliaWest"}, {"South Australia", "RegioAustraliaSouth"},
    {"Victoria", "RegioAustraliaVictoria"}, {"New South Wales", "RegioAustraliaNewWales"},
    {"Queensland", "RegioAustraliaQueens"}, {"Tasmania", "RegioAustraliaTasmania"},
    {"Australian Capital Territory", "RegioAustraliaACT"},
};
constexpr Entry kAustraliaClassifications[] = {
    {"LIP"}, {"Produce of Australia"}, {"South Eastern Australia"}, {"State of Origin"}, {"Zones"}, {"Regions"},
    {"Sub-regions"},
};
constexpr CountryData kAustralia{
    {"CountryAustralia", kAustraliaKeys, kAustraliaRegions, kAustraliaClassifications},
    kAustraliaRegionClasses,
};

// CountryNewZealand
constexpr const char* const kNewZealandKeys[] = {
    "New Zealand",
};
constexpr RegionEntry kNewZealandRegions[] = {
    {"Auckland & Waikato"}, {"Canterbury"}, {"Central Otago"}, {"Gisborne"}, {"Hawke Bay"}, {"Marlborough"},
    {"Nelson"}, {"Wairarapa"},
};
constexpr CountryData kNewZealand{
    {"CountryNewZealand", kNewZealandKeys, kNewZealandRegions, {}},
    {},
};

// CountrySouthAfrica
constexpr const char* const kSouthAfricaKeys[] = {
    "South Africa",
};
constexpr RegionEntry kSouthAfricaRegions[] = {
    {"Constantia"}, {"Douglas"}, {"Durbanville"}, {"Karoo"}, {"Lower Orange River"}, {"Olifantsriver"},
    {"Overberg"}, {"Paarl"}, {"Piketberg"}, {"Robertson"}, {"Stellenbosch"}, {"Swartland"}, {"Swellendam"},
    {"Tulbagh"}, {"Worcester"}, {"Franschoek"},
};
constexpr CountryData kSouthAfrica{
    {"CountrySouthAfrica", kSouthAfricaKeys, kSouthAfricaRegions, {}},
    {},
};

} // namespace

const CountryData& australia() { return kAustralia; }
const CountryData& newZealand() { return kNewZealand; }
const CountryData& southAfrica() { return kSouthAfrica; }

} // namespace RegionTables::Data
