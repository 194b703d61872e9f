#include <gtest/gtest.h>

#include "catalogue/regions/RegionTables.h"

#include <QString>

#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

using namespace RegionTables;

namespace {

const CountryClass& country(const std::string& className)
{
    for (const CountryClass& c : countryClasses())
        if (className == c.className)
            return c;
    throw std::runtime_error("no country class " + className);
}

const RegionClass& regionClass(const std::string& className)
{
    const RegionClass* r = findRegionClass(className.c_str());
    if (!r)
        throw std::runtime_error("no region class " + className);
    return *r;
}

// The region class that fills region `id` (1-based) of a country class.
const RegionClass& regionOf(const std::string& countryClass, size_t id)
{
    const CountryClass& c = country(countryClass);
    if (id < 1 || id > c.regions.size() || !c.regions[id - 1].regionClass)
        throw std::runtime_error(countryClass + ": no region class at " + std::to_string(id));
    return regionClass(c.regions[id - 1].regionClass);
}

// The key at a 1-based ID, or a marker that cannot match any key.
std::string at(std::span<const Entry> list, size_t id)
{
    return id >= 1 && id <= list.size() ? list[id - 1].key : "<no entry " + std::to_string(id) + ">";
}

std::string regionKey(const std::string& countryClass, size_t id)
{
    const auto regions = country(countryClass).regions;
    return id >= 1 && id <= regions.size() ? regions[id - 1].key : "<no region>";
}

std::vector<size_t> separatorIds(std::span<const Entry> list)
{
    std::vector<size_t> ids;
    for (size_t i = 0; i < list.size(); ++i)
        if (std::strcmp(list[i].key, "-") == 0)
            ids.push_back(i + 1);
    return ids;
}

// Calls f(owner, list) for every list of entries in the tables.
template <typename F>
void forEveryList(F f)
{
    for (const CountryClass& c : countryClasses())
        f(std::string(c.className), c.classifications);
    for (const RegionClass& r : regionClasses()) {
        f(std::string(r.className) + " areas", r.areas);
        f(std::string(r.className), r.classifications);
        f(std::string(r.className) + " extra area", r.extraAreaClassifications);
    }
}

// Calls f(key) for every key in the tables: country keys, regions, areas, classifications.
template <typename F>
void forEveryKey(F f)
{
    for (const CountryClass& c : countryClasses()) {
        for (const char* k : c.keys)
            f(std::string(k));
        for (const RegionEntry& r : c.regions)
            f(std::string(r.key));
    }
    forEveryList([&](const std::string&, std::span<const Entry> list) {
        for (const Entry& e : list)
            f(std::string(e.key));
    });
}

} // namespace

TEST(RegionTables, CountryClassesInTheirFixedOrderWithTheirKeys)
{
    const std::vector<std::string> order = {
        "CountryAlgeria", "CountryArgentina", "CountryAustralia", "CountryAustria", "CountryCanada",
        "CountryChile", "CountryChina", "CountryCyprus", "CountryCzech", "CountryFrance",
        "CountryGermany", "CountryGreece", "CountryHungary", "CountryIndia", "CountryIsrael",
        "CountryItaly", "CountryJapan", "CountryLebanon", "CountryMexico", "CountryMorocco",
        "CountryNewZealand", "CountryPortugal", "CountryRomania", "CountrySlovakia", "CountrySouthAfrica",
        "CountrySpain", "CountrySwiss", "CountryTunisia", "CountryUSA"};
    const std::map<std::string, std::vector<std::string>> keys = {
        {"CountryAlgeria", {"Algeria"}}, {"CountryArgentina", {"Argentina"}},
        {"CountryAustralia", {"Australia"}}, {"CountryAustria", {"Austria"}}, {"CountryCanada", {"Canada"}},
        {"CountryChile", {"Chile"}}, {"CountryChina", {"China"}}, {"CountryCyprus", {"Cyprus"}},
        {"CountryCzech", {"Czech"}}, {"CountryFrance", {"France"}}, {"CountryGermany", {"Germany"}},
        {"CountryGreece", {"Greece"}}, {"CountryHungary", {"Hungary"}}, {"CountryIndia", {"India"}},
        {"CountryIsrael", {"Israel"}}, {"CountryItaly", {"Italy"}}, {"CountryJapan", {"Japan"}},
        {"CountryLebanon", {"Lebanon"}}, {"CountryMexico", {"Mexico"}}, {"CountryMorocco", {"Morocco"}},
        {"CountryNewZealand", {"New Zealand"}}, {"CountryPortugal", {"Portugal"}},
        {"CountryRomania", {"Romania"}}, {"CountrySlovakia", {"Slovakia"}},
        {"CountrySouthAfrica", {"South Africa"}}, {"CountrySpain", {"Spain"}},
        {"CountrySwiss", {"Swiss", "Switzerland"}}, {"CountryTunisia", {"Tunisia"}},
        {"CountryUSA", {"United States of America"}}};

    const auto classes = countryClasses();
    ASSERT_EQ(classes.size(), order.size());
    for (size_t i = 0; i < order.size(); ++i) {
        EXPECT_EQ(classes[i].className, order[i]) << "position " << i;
        const std::vector<std::string> got(classes[i].keys.begin(), classes[i].keys.end());
        EXPECT_EQ(got, keys.at(order[i])) << order[i];
    }
}

TEST(RegionTables, CountsPerCountryAndInAll)
{
    // regions, region classes, areas, country classifications,
    // region classifications (with area-level ones), separators
    const std::vector<std::pair<std::string, std::array<size_t, 6>>> expected = {
        {"CountryAlgeria", {8, 0, 0, 0, 0, 0}},
        {"CountryArgentina", {8, 0, 0, 0, 0, 0}},
        {"CountryAustralia", {7, 7, 48, 7, 0, 0}},
        {"CountryAustria", {4, 3, 14, 13, 17, 5}},
        {"CountryCanada", {5, 2, 7, 2, 0, 0}},
        {"CountryChile", {3, 3, 8, 0, 0, 0}},
        {"CountryChina", {4, 0, 0, 0, 0, 0}},
        {"CountryCyprus", {6, 0, 0, 0, 0, 0}},
        {"CountryCzech", {4, 0, 0, 0, 0, 0}},
        {"CountryFrance", {13, 13, 104, 19, 328, 16}},
        {"CountryGermany", {13, 11, 153, 13, 0, 3}},
        {"CountryGreece", {19, 19, 146, 9, 143, 11}},
        {"CountryHungary", {20, 0, 0, 9, 0, 0}},
        {"CountryIndia", {2, 0, 0, 0, 0, 0}},
        {"CountryIsrael", {6, 5, 17, 0, 0, 0}},
        {"CountryItaly", {20, 20, 104, 5, 429, 41}},
        {"CountryJapan", {18, 0, 0, 0, 0, 0}},
        {"CountryLebanon", {1, 0, 0, 0, 0, 0}},
        {"CountryMexico", {4, 4, 12, 3, 0, 0}},
        {"CountryMorocco", {14, 0, 0, 0, 0, 0}},
        {"CountryNewZealand", {8, 0, 0, 0, 0, 0}},
        {"CountryPortugal", {47, 0, 0, 4, 0, 0}},
        {"CountryRomania", {6, 6, 17, 1, 0, 0}},
        {"CountrySlovakia", {8, 0, 0, 0, 0, 0}},
        {"CountrySouthAfrica", {16, 0, 0, 0, 0, 0}},
        {"CountrySpain", {46, 0, 0, 13, 0, 3}},
        {"CountrySwiss", {15, 10, 25, 1, 0, 0}},
        {"CountryTunisia", {5, 0, 0, 0, 0, 0}},
        {"CountryUSA", {33, 33, 182, 1, 0, 0}},
    };
    std::array<size_t, 6> total{};
    for (const auto& [name, want] : expected) {
        const CountryClass& c = country(name);
        std::array<size_t, 6> got{c.regions.size(), 0, 0, c.classifications.size(), 0,
                                  separatorIds(c.classifications).size()};
        for (const RegionEntry& r : c.regions) {
            if (!r.regionClass)
                continue;
            const RegionClass& rc = regionClass(r.regionClass);
            got[1] += 1;
            got[2] += rc.areas.size();
            got[4] += rc.classifications.size() + rc.extraAreaClassifications.size();
            got[5] += separatorIds(rc.classifications).size() + separatorIds(rc.extraAreaClassifications).size();
        }
        EXPECT_EQ(got, want) << name;
        for (size_t i = 0; i < 6; ++i)
            total[i] += got[i];
    }
    EXPECT_EQ(total, (std::array<size_t, 6>{363, 136, 837, 100, 917, 79}));
    EXPECT_EQ(regionClasses().size(), 136u);
}

TEST(RegionTables, EveryRegionClassServesExactlyOneRegion)
{
    std::map<std::string, int> uses;
    for (const RegionClass& r : regionClasses())
        EXPECT_TRUE(uses.emplace(r.className, 0).second) << "twice: " << r.className;
    for (const CountryClass& c : countryClasses()) {
        std::set<std::string> keys;
        for (const RegionEntry& r : c.regions) {
            // The region factory tells regions apart by their keys.
            EXPECT_TRUE(keys.insert(r.key).second) << c.className << ": " << r.key;
            if (r.regionClass) {
                ASSERT_TRUE(uses.count(r.regionClass)) << r.regionClass;
                ++uses[r.regionClass];
            }
        }
    }
    for (const auto& [name, n] : uses)
        EXPECT_EQ(n, 1) << name;
    EXPECT_EQ(findRegionClass("RegioNowhere"), nullptr);
    EXPECT_EQ(findRegionClass(nullptr), nullptr);
    EXPECT_STREQ(findRegionClass("RegioBritishColumbia")->className, "RegioBritishColumbia");
}

// Every region of a country with region classes: key, region class (nullptr for a
// plain region), areas, classifications of its own, separators among them.
TEST(RegionTables, RegionsOfTheClassCountries)
{
    struct Row {
        const char* key;
        const char* regionClass;
        size_t areas;
        size_t classifications;
        size_t separators;
    };
    const std::vector<std::pair<std::string, std::vector<Row>>> expected = {
    {"CountryAustralia",
     {
         {"West Australia", "RegioAustraliaWest", 6, 0, 0},
         {"South Australia", "RegioAustraliaSouth", 12, 0, 0},
         {"Victoria", "RegioAustraliaVictoria", 15, 0, 0},
         {"New South Wales", "RegioAustraliaNewWales", 11, 0, 0},
         {"Queensland", "RegioAustraliaQueens", 1, 0, 0},
         {"Tasmania", "RegioAustraliaTasmania", 2, 0, 0},
         {"Australian Capital Territory", "RegioAustraliaACT", 1, 0, 0},
     }},
    {"CountryAustria",
     {
         {"Burgenland", "RegioAustriaBurgenland", 4, 0, 0},
         {"Niederöstereich", "RegioAustriaNieder", 7, 17, 3},
         {"Steiermark", "RegioAustriaSteiermark", 3, 0, 0},
         {"Wien", nullptr, 0, 0, 0},
     }},
    {"CountryCanada",
     {
         {"British Columbia", "RegioBritishColumbia", 4, 0, 0},
         {"Ontario", "RegioCanadaOntario", 3, 0, 0},
         {"Quebec", nullptr, 0, 0, 0},
         {"Nova Scotia", nullptr, 0, 0, 0},
         {"Newfoundland", nullptr, 0, 0, 0},
     }},
    {"CountryChile",
     {
         {"Aconcagua and Casablanca", "RegioChileAconcagua", 2, 0, 0},
         {"Great Long Valley", "RegioChileLongValley", 4, 0, 0},
         {"South Region", "RegioChileSouthRegion", 2, 0, 0},
     }},
    {"CountryFrance",
     {
         {"Alsace", "RegioFranceAlsace", 0, 18, 2},
         {"Bordeaux", "RegioFranceBordeaux", 36, 61, 5},
         {"Burgundy", "RegioFranceBurgund", 6, 83, 3},
         {"Corsica", "RegioFranceCorsica", 0, 13, 0},
         {"Côtes du Rhône", "RegioFranceRhone", 21, 27, 1},
         {"Languedoc-Roussillon", "RegioFranceLanguedoc", 14, 30, 1},
         {"Loire", "RegioFranceLoire", 4, 52, 1},
         {"Provence", "RegioFranceProvence", 6, 15, 1},
         {"South West", "RegioFranceSouthFrance", 5, 29, 1},
         {"Champagne", "RegioFranceChampagne", 4, 0, 0},
         {"Lothringen", "RegioFranceLothringen", 0, 0, 0},
         {"Jura", "RegioFranceJura", 4, 0, 0},
         {"Savoyen", "RegioFranceSavoyen", 4, 0, 0},
     }},
    {"CountryGermany",
     {
         {"Ahr", "RegioGermanyAhr", 1, 0, 0},
         {"Baden", "RegioGermanyBaden", 16, 0, 0},
         {"Franken", "RegioGermanyFranken", 21, 0, 0},
         {"Hessische Bergstraße", "RegioGermanyHessen", 3, 0, 0},
         {"Mittelrhein", "RegioGermanyMittelRhein", 11, 0, 0},
         {"Mosel-Saar-Ruwer", "RegioGermanyMosel", 20, 0, 0},
         {"Nahe", "RegioGermanyNahe", 7, 0, 0},
         {"Pfalz", "RegioGermanyPfalz", 25, 0, 0},
         {"Rheingau", "RegioGermanyRheingau", 10, 0, 0},
         {"Rheinhessen", "RegioGermanyRheinhessen", 23, 0, 0},
         {"Saale-Unstrut", nullptr, 0, 0, 0},
         {"Sachsen", nullptr, 0, 0, 0},
         {"Württemberg", "RegioGermanyWuertenberg", 16, 0, 0},
     }},
    {"CountryGreece",
     {
         {"North-Greece", "RegioGreeceNorth", 4, 0, 0},
         {"Central-Greece", "RegioGreeceCentral", 5, 0, 0},
         {"Peloponnes", "RegioGreecePeloponnes", 38, 16, 1},
         {"Islands", "RegioGreeceIslands", 5, 0, 0},
         {"Kreta", "RegioGreeceKreta", 43, 16, 1},
         {"Epirus", "RegioGreeceEpirus", 5, 11, 1},
         {"Makedonia", "RegioGreeceMakedonia", 30, 15, 1},
         {"Thessalia", "RegioGreeceThessalia", 11, 13, 1},
         {"Thraki", "RegioGreeceThraki", 0, 0, 0},
         {"Limnos", "RegioGreeceLimnos", 0, 12, 1},
         {"Mykonos", "RegioGreeceMykonos", 0, 0, 0},
         {"Paros", "RegioGreeceParos", 0, 12, 1},
         {"Rhodes", "RegioGreeceRhodes", 0, 13, 1},
         {"Samos", "RegioGreeceSamos", 0, 11, 1},
         {"Santorini", "RegioGreeceSantorini", 2, 11, 1},
         {"Kefalonia", "RegioGreeceKefalonia", 3, 13, 1},
         {"Kerkyra", "RegioGreeceKerkyra", 0, 0, 0},
         {"Lefkada", "RegioGreeceLefkada", 0, 0, 0},
         {"Zakynthos", "RegioGreeceZakynthos", 0, 0, 0},
     }},
    {"CountryIsrael",
     {
         {"Galilee", "RegioIsraelGALILEE", 5, 0, 0},
         {"Negev", "RegioIsraelNegev", 2, 0, 0},
         {"Samson", "RegioIsraelSAMSON", 4, 0, 0},
         {"Samaria", "RegioIsraelSAMARIA", 2, 0, 0},
         {"Judean Hills", "RegioIsraelJUDEANHILLS", 4, 0, 0},
         {"Golan Heights", nullptr, 0, 0, 0},
     }},
    {"CountryItaly",
     {
         {"Aosta Valley", "RegioItalyAostatal", 1, 7, 2},
         {"Piedmont", "RegioItalyPiemont", 8, 53, 2},
         {"Liguria", "RegioItalyLigurien", 4, 13, 2},
         {"Lombardy", "RegioItalyLombardei", 11, 21, 2},
         {"Trentino Alto-Adige", "RegioItalyTrentino", 2, 19, 2},
         {"Veneto", "RegioItalyVeneto", 7, 25, 2},
         {"Friuli Venezia Giulia", "RegioItalyFriaul", 4, 15, 2},
         {"Emilia-Romagna", "RegioItalyEmiliaRomagna", 9, 29, 2},
         {"Tuscany", "RegioItalyToskana", 11, 38, 2},
         {"The Marches", "RegioItalyMarken", 4, 15, 2},
         {"Umbria", "RegioItalyUmbrien", 2, 16, 2},
         {"Latium", "RegioItalyLatium", 5, 30, 2},
         {"Abruzzi", "RegioItalyAbruzzen", 4, 9, 2},
         {"Molise", "RegioItalyMolise", 2, 8, 2},
         {"Campania", "RegioItalyKampanien", 5, 25, 2},
         {"Apulia", "RegioItalyApulien", 5, 31, 2},
         {"Basilicata", "RegioItalyBasilicata", 2, 7, 2},
         {"Calabria", "RegioItalyKalabrien", 5, 18, 2},
         {"Sicily", "RegioItalySizilien", 9, 22, 2},
         {"Sardinia", "RegioItalySardinien", 4, 26, 2},
     }},
    {"CountryMexico",
     {
         {"Baja\u00A0California", "RegioMexicoBajaCalifornia", 5, 0, 0},
         {"Sonora", "RegioMexicoSonora", 2, 0, 0},
         {"Central Region", "RegioMexicoCentral", 3, 0, 0},
         {"Region Laguna", "RegioMexicoLaguna", 2, 0, 0},
     }},
    {"CountryRomania",
     {
         {"Banat", "RegioRomaniaBanat", 3, 0, 0},
         {"Dobrogea", "RegioRomaniaDobrogea", 2, 0, 0},
         {"Moldau", "RegioRomaniaMoldau", 4, 0, 0},
         {"Muntenia", "RegioRomaniaMuntenia", 1, 0, 0},
         {"Oltenia", "RegioRomaniaOltenia", 4, 0, 0},
         {"Transsylvanien", "RegioRomaniaTransyl", 3, 0, 0},
     }},
    {"CountrySwiss",
     {
         {"Aargau", nullptr, 0, 0, 0},
         {"Basel", nullptr, 0, 0, 0},
         {"Bern", "RegioSwissBern", 2, 0, 0},
         {"Fribourg", "RegioSwissFribourg", 2, 0, 0},
         {"Genf", "RegioSwissGenf", 3, 0, 0},
         {"Graubünden", "RegioSwissGrau", 2, 0, 0},
         {"Jura", nullptr, 0, 0, 0},
         {"Neuchâtel", nullptr, 0, 0, 0},
         {"Schaffhausen", "RegioSwissSchaffhausen", 1, 0, 0},
         {"St. Gallen", "RegioSwissGallen", 2, 0, 0},
         {"Tessin", "RegioSwissTessin", 2, 0, 0},
         {"Thurgau", "RegioSwissThurgau", 2, 0, 0},
         {"Vaud", "RegioSwissVaud", 6, 0, 0},
         {"Wallis", nullptr, 0, 0, 0},
         {"Zürich", "RegioSwissZuerich", 3, 0, 0},
     }},
    {"CountryUSA",
     {
         {"California - Central Coast\v", "RegioUSACaliforniaCentralCoast", 27, 0, 0},
         {"California - Central Valley", "RegioUSACaliforniaCentralValley", 6, 0, 0},
         {"California - North Coast\v", "RegioUSACaliforniaNorthCoast", 39, 0, 0},
         {"California - Sierra", "RegioUSACaliforniaSierra", 6, 0, 0},
         {"California - South Coast", "RegioUSACaliforniaSouthCoast", 6, 0, 0},
         {"Connecticut", "RegioUSAConnecticut", 2, 0, 0},
         {"Idaho", "RegioUSAIdaho", 1, 0, 0},
         {"Maryland", "RegioUSAMaryland", 3, 0, 0},
         {"Massachusetts", "RegioUSAMassachusetts", 2, 0, 0},
         {"New Jersey", "RegioUSANewJersey", 2, 0, 0},
         {"New York State", "RegioUSANewYorkState", 7, 0, 0},
         {"Ohio", "RegioUSAOhio", 6, 0, 0},
         {"Oregon", "RegioUSAOregon", 6, 0, 0},
         {"Pennsylvania", "RegioUSAPennsylnania", 4, 0, 0},
         {"Virginia", "RegioUSAVirginia", 6, 0, 0},
         {"Washington State", "RegioUSAWashingtonState", 5, 0, 0},
         {"West Virginia", "RegioUSAWestVirginia", 3, 0, 0},
         {"Arizona", "RegioUSAArizona", 1, 0, 0},
         {"Arkansas", "RegioUSAArkansas", 3, 0, 0},
         {"Colorado", "RegioUSAColorado", 2, 0, 0},
         {"Indiana", "RegioUSAIndiana", 1, 0, 0},
         {"Kentucky", "RegioUSAKentucky", 1, 0, 0},
         {"Louisiana", "RegioUSALouisiana", 1, 0, 0},
         {"Michigan", "RegioUSAMichigan", 4, 0, 0},
         {"Mississippi", "RegioUSAMississippi", 1, 0, 0},
         {"Oklahoma", "RegioUSAOklahoma", 1, 0, 0},
         {"Rhode Island", "RegioUSARhodeIsland", 1, 0, 0},
         {"Tennessee", "RegioUSATennessee", 1, 0, 0},
         {"Wisconsin", "RegioUSAWisconsin", 1, 0, 0},
         {"Missouri", "RegioUSAMissouri", 4, 0, 0},
         {"Texas", "RegioUSATexas", 7, 0, 0},
         {"New Mexico", "RegioUSANewMexico", 3, 0, 0},
         {"North Carolina", "RegioUSANorthCarolina", 19, 0, 0},
     }},
    };
    std::set<std::string> checked;
    for (const auto& [name, rows] : expected) {
        checked.insert(name);
        const CountryClass& c = country(name);
        ASSERT_EQ(c.regions.size(), rows.size()) << name;
        for (size_t i = 0; i < rows.size(); ++i) {
            const Row& want = rows[i];
            const RegionEntry& got = c.regions[i];
            SCOPED_TRACE(name + " region " + std::to_string(i + 1));
            EXPECT_STREQ(got.key, want.key);
            if (!want.regionClass) {
                EXPECT_EQ(got.regionClass, nullptr);
                continue;
            }
            ASSERT_NE(got.regionClass, nullptr);
            EXPECT_STREQ(got.regionClass, want.regionClass);
            const RegionClass& rc = regionClass(got.regionClass);
            EXPECT_EQ(rc.areas.size(), want.areas);
            EXPECT_EQ(rc.classifications.size(), want.classifications);
            EXPECT_EQ(separatorIds(rc.classifications).size(), want.separators);
        }
    }
    // Every other country has plain regions only.
    for (const CountryClass& c : countryClasses()) {
        if (checked.count(c.className))
            continue;
        for (const RegionEntry& r : c.regions)
            EXPECT_EQ(r.regionClass, nullptr) << c.className << ": " << r.key;
    }
    EXPECT_EQ(checked.size(), 13u);
}

TEST(RegionTables, SeparatorPositionsInEveryList)
{
    std::map<std::string, std::vector<size_t>> expected = {
        {"CountryItaly", {3}},
        {"CountryFrance", {5}},
        {"RegioFranceAlsace", {5, 8}},
        {"RegioFranceBordeaux", {3, 9, 13, 15, 19}},
        {"RegioFranceBurgund", {3, 68, 82}},
        {"RegioFranceRhone", {5}},
        {"RegioFranceLanguedoc", {5}},
        {"RegioFranceLoire", {5}},
        {"RegioFranceProvence", {5}},
        {"RegioFranceSouthFrance", {5}},
        {"CountryGermany", {3, 9, 11}},
        {"CountryAustria", {3, 7}},
        {"RegioAustriaNieder", {3, 7, 14}},
        {"CountrySpain", {3, 6, 10}},
    };
    for (const RegionClass& r : regionClasses()) {
        const std::string name = r.className;
        if (name.starts_with("RegioItaly"))
            expected[name] = {3, 6};
        else if (name.starts_with("RegioGreece") && !r.classifications.empty())
            expected[name] = {10};
    }
    EXPECT_EQ(expected.size(), 14u + 20u + 11u);

    size_t lists = 0;
    forEveryList([&](const std::string& owner, std::span<const Entry> list) {
        const auto it = expected.find(owner);
        const std::vector<size_t> want = it == expected.end() ? std::vector<size_t>{} : it->second;
        EXPECT_EQ(separatorIds(list), want) << owner;
        lists += it != expected.end();
    });
    EXPECT_EQ(lists, expected.size());
}

TEST(RegionTables, LookupKindsOfTheOddSeparators)
{
    const CountryClass& austria = country("CountryAustria");
    EXPECT_EQ(austria.classifications[2].lookup, Lookup::Literal);
    EXPECT_EQ(austria.classifications[6].lookup, Lookup::Literal);
    const RegionClass& nieder = regionClass("RegioAustriaNieder");
    for (size_t id : {3, 7, 14})
        EXPECT_EQ(nieder.classifications[id - 1].lookup, Lookup::Literal) << id;
    const RegionClass& sardinia = regionClass("RegioItalySardinien");
    EXPECT_EQ(sardinia.classifications[2].lookup, Lookup::Default);
    EXPECT_EQ(sardinia.classifications[5].lookup, Lookup::Table);

    // Those six are the only entries not looked up in the regions table.
    size_t literal = 0, fromDefault = 0;
    forEveryList([&](const std::string& owner, std::span<const Entry> list) {
        for (const Entry& e : list) {
            if (e.lookup == Lookup::Table)
                continue;
            EXPECT_STREQ(e.key, "-") << owner;
            (e.lookup == Lookup::Literal ? literal : fromDefault) += 1;
        }
    });
    EXPECT_EQ(literal, 5u);
    EXPECT_EQ(fromDefault, 1u);
}

TEST(RegionTables, EmptyRegionClassesExist)
{
    for (const char* name : {"RegioFranceLothringen", "RegioGreeceThraki", "RegioGreeceMykonos",
                             "RegioGreeceKerkyra", "RegioGreeceLefkada", "RegioGreeceZakynthos"}) {
        const RegionClass& r = regionClass(name);
        EXPECT_TRUE(r.areas.empty()) << name;
        EXPECT_TRUE(r.classifications.empty()) << name;
    }
    size_t empty = 0;
    for (const RegionClass& r : regionClasses())
        empty += r.areas.empty() && r.classifications.empty();
    EXPECT_EQ(empty, 6u);
}

TEST(RegionTables, OnlyCampaniaGivesAnAreaClassificationsOfItsOwn)
{
    for (const RegionClass& r : regionClasses()) {
        if (std::strcmp(r.className, "RegioItalyKampanien") == 0)
            continue;
        EXPECT_EQ(r.extraArea, nullptr) << r.className;
        EXPECT_TRUE(r.extraAreaClassifications.empty()) << r.className;
    }
    const RegionClass& campania = regionOf("CountryItaly", 15);
    EXPECT_STREQ(campania.className, "RegioItalyKampanien");
    ASSERT_NE(campania.extraArea, nullptr);
    EXPECT_STREQ(campania.extraArea, "Napoli");
    EXPECT_EQ(at(campania.areas, 4), "Napoli");
    ASSERT_EQ(campania.extraAreaClassifications.size(), 2u);
    EXPECT_EQ(at(campania.extraAreaClassifications, 1), "Capri DOC");
    EXPECT_EQ(at(campania.extraAreaClassifications, 2), "Ischia DOC");
    EXPECT_EQ(at(campania.classifications, 10), "Capri DOC");
    EXPECT_EQ(at(campania.classifications, 18), "Ischia DOC");
    EXPECT_EQ(at(campania.classifications, 25), "Costa d'Amalfi DOC");
}

TEST(RegionTables, StateCodesOfTheUnitedStatesOnly)
{
    const std::vector<std::string> codes = {
        "AK", "AL", "AR", "AZ", "BC", "CA", "CO", "CT", "DE", "FL", "GA", "HI", "IA", "ID",
        "IL", "IN", "KS", "KY", "LA", "MA", "MD", "ME", "MI", "MN", "MO", "MS", "MT", "NC",
        "NE", "NF", "NH", "NJ", "NM", "NS", "NV", "NY", "OH", "OK", "ON", "OR", "PA", "PE",
        "QC", "RI", "SC", "SD", "TN", "TX", "UT", "VA", "VT", "WA", "WI", "WV"};
    const auto usa = country("CountryUSA").stateCodes;
    EXPECT_EQ(std::vector<std::string>(usa.begin(), usa.end()), codes);
    for (const CountryClass& c : countryClasses()) {
        if (std::strcmp(c.className, "CountryUSA") == 0)
            continue;
        EXPECT_TRUE(c.stateCodes.empty()) << c.className;
    }
}

TEST(RegionTables, OddCharactersStayWhereTheyBelong)
{
    // Vertical tab: only at the end of the keys of USA regions 1 and 3.
    EXPECT_EQ(regionKey("CountryUSA", 1), "California - Central Coast\v");
    EXPECT_EQ(regionKey("CountryUSA", 2), "California - Central Valley");
    EXPECT_EQ(regionKey("CountryUSA", 3), "California - North Coast\v");
    EXPECT_EQ(regionKey("CountryUSA", 4), "California - Sierra");
    // No-break spaces: only in Mexico's names.
    EXPECT_EQ(regionKey("CountryMexico", 1), "Baja\u00A0California");
    const RegionClass& baja = regionOf("CountryMexico", 1);
    EXPECT_EQ(at(baja.areas, 1), "The\u00A0Calafia and\u00A0Guadalupe Valleys");
    EXPECT_EQ(at(baja.areas, 2), "The\u00A0Tecate Zone");
    EXPECT_EQ(at(baja.areas, 3), "The\u00A0Santo Tomas Valley");
    EXPECT_EQ(at(baja.areas, 4), "San\u00A0Vincente");
    EXPECT_EQ(at(baja.areas, 5), "The\u00A0Mexicali Valley");
    // A doubled blank: only in Ohio's area 6.
    EXPECT_EQ(at(regionOf("CountryUSA", 12).areas, 6), "Kanawha  River Valley");
    EXPECT_EQ(at(regionOf("CountryUSA", 17).areas, 2), "Kanawha River Valley");

    size_t tabs = 0, nbsp = 0, doubled = 0, keys = 0;
    forEveryKey([&](const std::string& key) {
        ++keys;
        const QString text = QString::fromUtf8(key);
        EXPECT_EQ(text.toUtf8().toStdString(), key) << "not UTF-8: " << key;
        EXPECT_FALSE(key.empty());
        EXPECT_FALSE(text.contains(QChar(0xFFFD))) << key;
        tabs += text.count(QChar(0x0B));
        nbsp += text.count(QChar(0xA0));
        doubled += text.count(QStringLiteral("  "));
        for (QChar ch : text)
            EXPECT_TRUE(ch.unicode() >= 0x20 || ch.unicode() == 0x0B) << "control character in " << key;
        const QString inner = text.endsWith(QChar(0x0B)) ? text.chopped(1) : text;
        EXPECT_EQ(inner.trimmed(), inner) << "blank at an end of \"" << key << '"';
    });
    EXPECT_EQ(tabs, 2u);
    EXPECT_EQ(nbsp, 7u);
    EXPECT_EQ(doubled, 1u);
    // Country keys, regions, areas and classifications (area-level ones included).
    EXPECT_EQ(keys, 30u + 363u + 837u + 100u + 917u);
}

// Entries picked by position: a wine stores these IDs, so each must name the same entry.
TEST(RegionTables, ChosenEntriesByPosition)
{
    enum Kind { Region, Area, Classification };
    struct Pick {
        const char* country;
        size_t region; // 0: the country's own list
        Kind kind;
        size_t id;
        const char* key;
    };
    const Pick picks[] = {
        {"CountryItaly", 9, Region, 9, "Tuscany"},
        {"CountryItaly", 9, Classification, 18, "Chianti Classico DOCG"},
        {"CountryItaly", 9, Area, 11, "Siena"},
        {"CountryItaly", 15, Region, 15, "Campania"},
        {"CountryItaly", 4, Classification, 11, "Garda DOC"},
        {"CountryItaly", 6, Classification, 15, "Garda DOC"},
        {"CountryItaly", 4, Classification, 14, "Lugana DOC"},
        {"CountryItaly", 6, Classification, 18, "Lugana DOC"},
        {"CountryItaly", 11, Classification, 14, "Orvieto DOC"},
        {"CountryItaly", 12, Classification, 26, "Orvieto DOC"},
        {"CountryItaly", 12, Classification, 21, "Est! Est!! Est!!! Di Montefiascone DOC"},
        {"CountryItaly", 16, Classification, 10, "Cacc'E Mmitte Di Lucera DOC"},
        {"CountryItaly", 2, Classification, 53, "Verduno Pelaverga O Verduno DOC"},
        {"CountryItaly", 20, Classification, 26, "Vernaccia Di Oristano DOC"},
        {"CountryItaly", 0, Classification, 4, "DOC"},
        {"CountryItaly", 0, Classification, 5, "DOCG"},
        {"CountrySpain", 0, Region, 6, "Bierzo"},
        {"CountrySpain", 0, Region, 7, "Benissalem"},
        {"CountrySpain", 0, Region, 46, "Montsant"},
        {"CountrySpain", 0, Classification, 8, "DO Reserva"},
        {"CountrySpain", 0, Classification, 12, "DOCa Reserva"},
        {"CountryPortugal", 0, Region, 7, "Óbidos"},
        {"CountryPortugal", 0, Region, 36, "Porto / Douro"},
        {"CountryPortugal", 0, Classification, 1, "Vinode Mesa"},
        {"CountryPortugal", 0, Classification, 4, "(DOC) Denominação de Origem Controlada"},
        {"CountryHungary", 0, Region, 19, "Tokjhegyalja"},
        {"CountryHungary", 0, Classification, 3, "Minöségi , Különleges Minöségü"},
        {"CountryHungary", 0, Classification, 8, "Aszú Essencia"},
        {"CountryHungary", 0, Classification, 9, "Essencia"},
        {"CountryFrance", 0, Classification, 9, "(AOC) Champagne"},
        {"CountryFrance", 0, Classification, 13, "(AOC) Moselle Aovdqs (Est)"},
        {"CountryFrance", 0, Classification, 18, "(AOC) Roussette De Savoie"},
        {"CountryFrance", 2, Classification, 4, "Cinquièmes grands crus classés"},
        {"CountryFrance", 2, Classification, 20, "(AOC) Barsac"},
        {"CountryFrance", 2, Area, 9, "Côtes de Bourg"},
        {"CountryFrance", 2, Classification, 33, "(AOC) Cotes De Bourg"},
        {"CountryFrance", 3, Classification, 83, "(AOC) Viré-Clessé"},
        {"CountryFrance", 4, Classification, 1, "(AOC) Corse"},
        {"CountryFrance", 8, Classification, 12, "(AOC) Corse"},
        {"CountryFrance", 8, Classification, 15, "(AOC) Vin De Corse"},
        {"CountryFrance", 13, Area, 4, "Vin du Bugey"},
        {"CountryGermany", 0, Region, 13, "Württemberg"},
        {"CountryGermany", 0, Classification, 4, "Kabinett"},
        {"CountryGermany", 0, Classification, 10, "Eiswein"},
        {"CountryGermany", 3, Area, 14, "Burgweg"},
        {"CountryGermany", 9, Area, 1, "Burgweg"},
        {"CountryGermany", 7, Area, 5, "Burgweg"},
        {"CountryGermany", 6, Area, 6, "Vom heißen Stein"},
        {"CountryGermany", 8, Area, 25, "Schepfenflug vom Zellertal"},
        {"CountryAustria", 0, Region, 2, "Niederöstereich"},
        {"CountryAustria", 0, Region, 4, "Wien"},
        {"CountryAustria", 2, Classification, 17, "Smaragd"},
        {"CountryUSA", 14, Region, 14, "Pennsylvania"},
        {"CountryUSA", 1, Area, 4, "Chalone"},
        {"CountryUSA", 1, Area, 26, "Chalone"},
        {"CountryUSA", 11, Area, 6, "The Hamptons, Long Island"},
        {"CountryUSA", 15, Area, 3, "Virginia's Eastern Shore"},
        {"CountryUSA", 11, Area, 4, "Lake Erie"},
        {"CountryUSA", 12, Area, 5, "Lake Erie"},
        {"CountryUSA", 14, Area, 3, "Lake Erie"},
        {"CountryUSA", 33, Area, 19, "Yadkin County"},
        {"CountryUSA", 0, Classification, 1, "AVA"},
        {"CountryAustralia", 4, Area, 6, "Other"},
        {"CountryAustralia", 4, Area, 9, "Murray, Sunraysia"},
        {"CountryAustralia", 4, Area, 11, "Granite Belt"},
        {"CountryAustralia", 5, Area, 1, "Granite Belt"},
        {"CountryAustralia", 0, Classification, 7, "Sub-regions"},
        {"CountryNewZealand", 0, Region, 1, "Auckland & Waikato"},
        {"CountrySouthAfrica", 0, Region, 16, "Franschoek"},
        {"CountryChile", 3, Area, 2, "Bío-Bío-Valley"},
        {"CountryArgentina", 0, Region, 8, "Tucumán"},
        {"CountryCanada", 0, Classification, 2, "VQA"},
        {"CountryCanada", 2, Area, 3, "Peele Island"},
        {"CountryMexico", 0, Classification, 3, "De Origen"},
        {"CountryGreece", 5, Area, 43, "Kounavi"},
        {"CountryGreece", 5, Classification, 11, "O.P.A.P. Arhánes"},
        {"CountryGreece", 7, Classification, 11, "O.P.A.P. Amyntaio"},
        {"CountryGreece", 3, Area, 26, "Archaiï Kleones"},
        {"CountryGreece", 8, Area, 2, "Aïdinio"},
        {"CountryGreece", 8, Area, 6, "Messsenikola"},
        {"CountryGreece", 8, Classification, 12, "O.P.A.P. Messenikóla"},
        {"CountryGreece", 5, Area, 20, "Ano moulia"},
        {"CountryGreece", 4, Area, 5, "Santorin"},
        {"CountryGreece", 1, Area, 2, "Côtes de Meliton"},
        {"CountryGreece", 16, Classification, 13, "O.P.E. Mavrodáfni of Kefaloniá"},
        {"CountrySwiss", 0, Region, 8, "Neuchâtel"},
        {"CountrySwiss", 13, Area, 6, "Vully"},
        {"CountrySwiss", 4, Area, 2, "Vully"},
        {"CountrySwiss", 13, Area, 3, "Côtes de l'Orbe"},
        {"CountrySwiss", 0, Classification, 1, "Tafelwein"},
        {"CountryRomania", 6, Area, 3, "Tîrnave"},
        {"CountryIsrael", 0, Region, 3, "Samson"},
        {"CountryAlgeria", 0, Region, 1, "Undefined"},
        {"CountryAlgeria", 0, Region, 7, "Medéa"},
        {"CountryIndia", 0, Region, 1, "Punjab"},
        {"CountryMorocco", 0, Region, 2, "Beni M'tir"},
        {"CountryCzech", 0, Region, 3, "Hustopece-Hodonín"},
        {"CountryTunisia", 0, Region, 1, "1er Cru Coteaux d'Utique"},
    };
    for (const Pick& p : picks) {
        SCOPED_TRACE(std::string(p.country) + " region " + std::to_string(p.region) + " id " + std::to_string(p.id));
        switch (p.kind) {
        case Region:
            EXPECT_EQ(regionKey(p.country, p.id), p.key);
            break;
        case Area:
            EXPECT_EQ(at(regionOf(p.country, p.region).areas, p.id), p.key);
            break;
        case Classification:
            EXPECT_EQ(at(p.region ? regionOf(p.country, p.region).classifications
                                  : country(p.country).classifications, p.id),
                      p.key);
            break;
        }
    }
}

TEST(RegionTables, SharedListsAreCopiedIntoEachRegion)
{
    // Italy: every region begins with the same six entries.
    const std::vector<std::string> italianHead = {"Vino Da Tavola", "IGT", "-", "DOC", "DOCG", "-"};
    // Greece: the country's nine, then a separator.
    const CountryClass& greece = country("CountryGreece");
    ASSERT_EQ(greece.classifications.size(), 9u);
    EXPECT_EQ(at(greece.classifications, 3), "Kava");
    // Austria: the lower Austrian list repeats the country's thirteen.
    const CountryClass& austria = country("CountryAustria");
    const RegionClass& nieder = regionOf("CountryAustria", 2);

    for (const RegionClass& r : regionClasses()) {
        const std::string name = r.className;
        if (name.starts_with("RegioItaly")) {
            ASSERT_GE(r.classifications.size(), 7u) << name;
            for (size_t i = 0; i < italianHead.size(); ++i)
                EXPECT_EQ(r.classifications[i].key, italianHead[i]) << name << " " << i + 1;
        } else if (name.starts_with("RegioGreece") && !r.classifications.empty()) {
            ASSERT_GE(r.classifications.size(), 11u) << name;
            for (size_t i = 0; i < 9; ++i)
                EXPECT_STREQ(r.classifications[i].key, greece.classifications[i].key) << name << " " << i + 1;
            EXPECT_EQ(at(r.classifications, 10), "-") << name;
        }
    }
    ASSERT_EQ(nieder.classifications.size(), 17u);
    for (size_t i = 0; i < austria.classifications.size(); ++i) {
        EXPECT_STREQ(nieder.classifications[i].key, austria.classifications[i].key) << i + 1;
        EXPECT_EQ(nieder.classifications[i].lookup, austria.classifications[i].lookup) << i + 1;
    }
}
