// Built-in regions, areas and classifications of the wine countries that have regions only.
// The position of every entry is its stored ID, separators included:
// never reorder, insert into or remove from these lists.
#include "catalogue/regions/RegionTablesData.h"

namespace RegionTables::Data {
namespace {

// CountryAlgeria
constexpr const char* const kAlgeriaKeys[] = {
    "Algeria",
};
constexpr RegionEntry kAlgeriaRegions[] = {
    {"Undefined"}, {"Ain Bessem-Bouira"}, {"Coteaux de Mascara"}, {"Coteaux de Tlemcen"}, {"Coteaux du Zaccar"},
    {"Dahra"}, {"Medéa"}, {"Monts du Tessala"},
};
constexpr CountryData kAlgeria{
    {"CountryAlgeria", kAlgeriaKeys, kAlgeriaRegions, {}},
    {},
};

// CountryChina
constexpr const char* const kChinaKeys[] = {
    "China",
};
constexpr RegionEntry kChinaRegions[] = {
    {"Chang Li"}, {"Qingdao"}, {"Sha Chang"}, {"Tianjin"},
};
constexpr CountryData kChina{
    {"CountryChina", kChinaKeys, kChinaRegions, {}},
    {},
};

// CountryCyprus
constexpr const char* const kCyprusKeys[] = {
    "Cyprus",
};
constexpr RegionEntry kCyprusRegions[] = {
    {"Commandaria"}, {"Marathasa"}, {"Pitsilia"}, {"Troodos North"}, {"Troodos South"}, {"Troodos West"},
};
constexpr CountryData kCyprus{
    {"CountryCyprus", kCyprusKeys, kCyprusRegions, {}},
    {},
};

// CountryCzech
constexpr const char* const kCzechKeys[] = {
    "Czech",
};
constexpr RegionEntry kCzechRegions[] = {
    {"Böhmen"}, {"Bzenec-Stráznice"}, {"Hustopece-Hodonín"}, {"Znojmo-Mikulov"},
};
constexpr CountryData kCzech{
    {"CountryCzech", kCzechKeys, kCzechRegions, {}},
    {},
};

// CountryIndia
constexpr const char* const kIndiaKeys[] = {
    "India",
};
constexpr RegionEntry kIndiaRegions[] = {
    {"Punjab"}, {"Maharashtra"},
};
constexpr CountryData kIndia{
    {"CountryIndia", kIndiaKeys, kIndiaRegions, {}},
    {},
};

// CountryJapan
constexpr const char* const kJapanKeys[] = {
    "Japan",
};
constexpr RegionEntry kJapanRegions[] = {
    {"Akita"}, {"Aomori"}, {"Fukuoka"}, {"Hokkaido"}, {"Hyogo"}, {"Iwate"}, {"Nagano"}, {"Nagasaki"},
    {"Niigata"}, {"Oita"}, {"Osaka"}, {"Saitama"}, {"Shiga"}, {"Shimane"}, {"Tochigi"}, {"Tottori"},
    {"Yamagata"}, {"Yamanashi"},
};
constexpr CountryData kJapan{
    {"CountryJapan", kJapanKeys, kJapanRegions, {}},
    {},
};

// CountryLebanon
constexpr const char* const kLebanonKeys[] = {
    "Lebanon",
};
constexpr RegionEntry kLebanonRegions[] = {
    {"Bekaa Valley"},
};
constexpr CountryData kLebanon{
    {"CountryLebanon", kLebanonKeys, kLebanonRegions, {}},
    {},
};

// CountryMorocco
constexpr const char* const kMoroccoKeys[] = {
    "Morocco",
};
constexpr RegionEntry kMoroccoRegions[] = {
    {"Angad"}, {"Beni M'tir"}, {"Beni Sadden"}, {"Berkane"}, {"Chellah"}, {"Doukkala"}, {"Gharb"},
    {"Guerrouane"}, {"Sahel"}, {"Sais"}, {"Zaer"}, {"Zemmour"}, {"Zenata"}, {"Zerhoune"},
};
constexpr CountryData kMorocco{
    {"CountryMorocco", kMoroccoKeys, kMoroccoRegions, {}},
    {},
};

// CountrySlovakia
constexpr const char* const kSlovakiaKeys[] = {
    "Slovakia",
};
constexpr RegionEntry kSlovakiaRegions[] = {
    {"Donau"}, {"East Slovakia"}, {"Hlohovec-Trnava"}, {"Kleine Karpaten"}, {"Modry Kamen"}, {"Nitra"},
    {"Skalica-Záhorie"}, {"Tokay"},
};
constexpr CountryData kSlovakia{
    {"CountrySlovakia", kSlovakiaKeys, kSlovakiaRegions, {}},
    {},
};

// CountryTunisia
constexpr const char* const kTunisiaKeys[] = {
    "Tunisia",
};
constexpr RegionEntry kTunisiaRegions[] = {
    {"1er Cru Coteaux d'Utique"}, {"1er Cru Coteaux Tebourba"}, {"1er Cru Muscat de Kelibia"},
    {"Grand Cru Mornag"}, {"Mornag"},
};
constexpr CountryData kTunisia{
    {"CountryTunisia", kTunisiaKeys, kTunisiaRegions, {}},
    {},
};

} // namespace

const CountryData& algeria() { return kAlgeria; }
const CountryData& china() { return kChina; }
const CountryData& cyprus() { return kCyprus; }
const CountryData& czech() { return kCzech; }
const CountryData& india() { return kIndia; }
const CountryData& japan() { return kJapan; }
const CountryData& lebanon() { return kLebanon; }
const CountryData& morocco() { return kMorocco; }
const CountryData& slovakia() { return kSlovakia; }
const CountryData& tunisia() { return kTunisia; }

} // namespace RegionTables::Data
