#pragma once
#include <gtest/gtest.h>

#include "catalogue/CatalogueClasses.h"
#include "catalogue/RegionClasses.h"

// Small country and region tables of our own, so the tests of the mechanism do
// not depend on the built-in data.
namespace FakeTables {
using namespace RegionTables;

inline constexpr Entry kKampanienAreas[] = {{"Avellino"}, {"Benevento"}, {"Caserta"}, {"Napoli"}, {"Salerno"}};
inline constexpr Entry kKampanienClassifications[] = {
    {"Vino Da Tavola"}, {"IGT"}, {"-"}, {"DOC"}, {"DOCG"}, {"-"}, {"Capri DOC"}, {"Ischia DOC"}};
inline constexpr Entry kNapoliClassifications[] = {{"Capri DOC"}, {"Ischia DOC"}};
inline constexpr Entry kToskanaAreas[] = {{"Chianti"}, {"Montalcino"}};
inline constexpr Entry kToskanaClassifications[] = {{"Vino Da Tavola"}, {"-", Lookup::Default}, {"DOC"}};
inline constexpr Entry kNiederClassifications[] = {{"Qualitätswein"}, {"-", Lookup::Literal}, {"Kabinett"}};

inline constexpr RegionClass kRegions[] = {
    {"RegioItalyKampanien", kKampanienAreas, kKampanienClassifications, "Napoli", kNapoliClassifications},
    {"RegioItalyToskana", kToskanaAreas, kToskanaClassifications},
    {"RegioAustriaNieder", {}, kNiederClassifications},
    {"RegioFranceLothringen", {}, {}},
};

inline constexpr const char* kItalyKeys[] = {"Italy"};
inline constexpr RegionEntry kItalyRegions[] = {
    {"Piemonte"}, {"Toscana", "RegioItalyToskana"}, {"Campania", "RegioItalyKampanien"}};
inline constexpr Entry kItalyClassifications[] = {{"Vino Da Tavola"}, {"-"}, {"DOC"}};

inline constexpr const char* kAustriaKeys[] = {"Austria"};
inline constexpr RegionEntry kAustriaRegions[] = {{"Niederöstereich", "RegioAustriaNieder"}, {"Wien"}};

inline constexpr const char* kFranceKeys[] = {"France"};
inline constexpr RegionEntry kFranceRegions[] = {{"Alsace"}, {"Lorraine", "RegioFranceLothringen"}};

inline constexpr const char* kUSAKeys[] = {"United States of America"};
inline constexpr RegionEntry kUSARegions[] = {{"Texas"}, {"Piemonte"}};
inline constexpr const char* kUSAStates[] = {"AK", "AL", "WV"};

inline constexpr const char* kSwissKeys[] = {"Swiss", "Switzerland"};
inline constexpr const char* kCzechKeys[] = {"Czech"};
inline constexpr RegionEntry kCzechRegions[] = {{"Moravia"}, {"Bohemia"}};
inline constexpr const char* kTunisiaKeys[] = {"Tunisia"};
inline constexpr RegionEntry kTunisiaRegions[] = {{"Cap Bon"}};

inline constexpr CountryClass kCountries[] = {
    {"CountryItaly", kItalyKeys, kItalyRegions, kItalyClassifications},
    {"CountryAustria", kAustriaKeys, kAustriaRegions, {}},
    {"CountryFrance", kFranceKeys, kFranceRegions, {}},
    {"CountryUSA", kUSAKeys, kUSARegions, {}, kUSAStates},
    {"CountrySwiss", kSwissKeys, {}, {}},
    {"CountryCzech", kCzechKeys, kCzechRegions, {}},
    {"CountryTunisia", kTunisiaKeys, kTunisiaRegions, {}},
};
}

// Every test of the catalogue runs on the fake tables.
class CatalogueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        registerCatalogueClasses();
        RegionClasses::use(FakeTables::kCountries, FakeTables::kRegions);
    }
    void TearDown() override { RegionClasses::useBuiltIn(); }
};
