#include <gtest/gtest.h>

#include "catalogue/Area.h"
#include "catalogue/CatalogueClasses.h"
#include "catalogue/Classification.h"
#include "catalogue/Country.h"
#include "catalogue/Regio.h"
#include "catalogue/RegionClasses.h"
#include "catalogue/WineInfos.h"
#include "catalogue/regions/RegionTables.h"
#include "platform/SequentialArchive.h"

using namespace RegionTables;

namespace {

// The built-in catalogue, built once for all tests of this file.
class BuiltInCatalogue : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        registerCatalogueClasses();
        RegionClasses::useBuiltIn();
        s_infos = WineInfos::create();
    }
    static void TearDownTestSuite() { s_infos.reset(); }

    static quint16 countryID(const char* name)
    {
        const quint16 id = s_infos->countryFor(QString::fromUtf8(name));
        EXPECT_NE(id, 0) << name;
        return id;
    }

    static std::shared_ptr<WineInfos> s_infos;
};
std::shared_ptr<WineInfos> BuiltInCatalogue::s_infos;

QStringList names(const auto& list)
{
    QStringList out;
    for (const auto& e : list)
        out << e->name();
    return out;
}

QStringList keys(std::span<const Entry> list)
{
    QStringList out;
    for (const Entry& e : list)
        out << QString::fromUtf8(e.key);
    return out;
}

// The built country of a country class; nullptr when none is of that class.
std::shared_ptr<Country> builtCountry(const WineInfos& infos, const CountryClass& c)
{
    for (const auto& country : infos.orderedCountries())
        if (country->className() == QLatin1String(c.className))
            return country;
    return nullptr;
}

// Checks a built country against its table: class names, names and order of every list.
void expectCountryAsTabled(const Country& built, const CountryClass& c)
{
    SCOPED_TRACE(c.className);
    EXPECT_EQ(built.className(), c.className);
    EXPECT_TRUE(built.on());
    EXPECT_EQ(names(built.classifications()), keys(c.classifications));
    ASSERT_EQ(built.regios().size(), qsizetype(c.regions.size()));
    for (size_t i = 0; i < c.regions.size(); ++i) {
        const Regio& regio = *built.regios()[qsizetype(i)];
        const RegionEntry& r = c.regions[i];
        SCOPED_TRACE(r.key);
        EXPECT_EQ(regio.regioID(), i + 1);
        EXPECT_EQ(regio.name(), QString::fromUtf8(r.key));
        if (!r.regionClass) {
            EXPECT_EQ(regio.className(), QStringLiteral("Regio"));
            EXPECT_TRUE(regio.areas().isEmpty());
            EXPECT_TRUE(regio.classifications().isEmpty());
            continue;
        }
        const RegionClass* rc = findRegionClass(r.regionClass);
        ASSERT_NE(rc, nullptr);
        EXPECT_EQ(regio.className(), r.regionClass);
        EXPECT_EQ(names(regio.areas()), keys(rc->areas));
        EXPECT_EQ(names(regio.classifications()), keys(rc->classifications));
        for (const auto& area : regio.areas()) {
            const bool extra = rc->extraArea && area->name() == QString::fromUtf8(rc->extraArea);
            EXPECT_EQ(names(area->classifications()), extra ? keys(rc->extraAreaClassifications) : QStringList())
                << area->name().toStdString();
        }
    }
}

// Checks every country of a catalogue that has a country class; answers how many.
int expectAllCountriesAsTabled(const WineInfos& infos)
{
    int built = 0;
    for (const CountryClass& c : countryClasses()) {
        if (const auto country = builtCountry(infos, c)) {
            ++built;
            expectCountryAsTabled(*country, c);
        }
    }
    return built;
}

} // namespace

TEST_F(BuiltInCatalogue, EveryCountryClassBuildsItsTables)
{
    EXPECT_EQ(expectAllCountriesAsTabled(*s_infos), 29);
    int ofAClass = 0;
    for (const auto& country : s_infos->orderedCountries())
        ofAClass += country->className() != QStringLiteral("Country");
    EXPECT_EQ(ofAClass, 29);
}

TEST_F(BuiltInCatalogue, CampaniaAndTheItalianClassificationIDs)
{
    const quint16 italy = countryID("Italy");
    EXPECT_EQ(s_infos->regioName(italy, 15), QStringLiteral("Campania"));
    EXPECT_EQ(s_infos->regio(italy, 15)->className(), QStringLiteral("RegioItalyKampanien"));
    EXPECT_EQ(s_infos->areaName(italy, 15, 4), QStringLiteral("Napoli"));
    EXPECT_EQ(s_infos->classificationName(italy, 15, 4, 1), QStringLiteral("Capri DOC"));
    EXPECT_EQ(s_infos->classificationName(italy, 15, 4, 2), QStringLiteral("Ischia DOC"));
    EXPECT_EQ(s_infos->area(italy, 15, 4)->classifications().size(), 2);
    for (int a : {1, 2, 3, 5})
        EXPECT_TRUE(s_infos->area(italy, 15, a)->classifications().isEmpty()) << a;
    EXPECT_EQ(s_infos->classificationName(italy, 15, 0, 10), QStringLiteral("Capri DOC"));
    EXPECT_EQ(s_infos->classificationName(italy, 15, 0, 18), QStringLiteral("Ischia DOC"));
    EXPECT_EQ(s_infos->regio(italy, 15)->classifications().size(), 25);

    EXPECT_EQ(s_infos->country(italy)->regios().size(), 20);
    for (int r = 1; r <= 20; ++r) {
        EXPECT_EQ(s_infos->classificationName(italy, r, 0, 4), QStringLiteral("DOC")) << r;
        EXPECT_EQ(s_infos->classificationName(italy, r, 0, 5), QStringLiteral("DOCG")) << r;
    }
    EXPECT_EQ(s_infos->classificationName(italy, 9, 0, 18), QStringLiteral("Chianti Classico DOCG"));
}

TEST_F(BuiltInCatalogue, OddCharactersReachTheStoredNames)
{
    const quint16 usa = countryID("United States of America");
    EXPECT_EQ(s_infos->regioName(usa, 1), QStringLiteral("California - Central Coast\v"));
    EXPECT_EQ(s_infos->regioName(usa, 3), QStringLiteral("California - North Coast\v"));
    EXPECT_EQ(s_infos->areaName(usa, 12, 6), QStringLiteral("Kanawha  River Valley"));
    const QStringList states = s_infos->country(usa)->states();
    ASSERT_EQ(states.size(), 55);
    EXPECT_EQ(states.last(), QStringLiteral("WV"));

    const quint16 mexico = countryID("Mexico");
    EXPECT_EQ(s_infos->regioName(mexico, 1), QString::fromUtf8("Baja\u00A0California"));
    EXPECT_EQ(s_infos->areaName(mexico, 1, 4), QString::fromUtf8("San\u00A0Vincente"));

    const quint16 austria = countryID("Austria");
    EXPECT_EQ(s_infos->classificationName(austria, 2, 0, 3), QStringLiteral("-"));
    EXPECT_EQ(s_infos->regio(austria, 4)->className(), QStringLiteral("Regio"));
}

TEST_F(BuiltInCatalogue, ArchiveRoundTripKeepsEveryClassAndList)
{
    const QByteArray bytes = SequentialArchive::write(s_infos);
    auto back = std::dynamic_pointer_cast<WineInfos>(SequentialArchive::read(bytes));
    ASSERT_TRUE(back);
    EXPECT_EQ(SequentialArchive::write(back), bytes);
    ASSERT_EQ(back->orderedCountries().size(), s_infos->orderedCountries().size());

    EXPECT_EQ(expectAllCountriesAsTabled(*back), 29);
    // The empty region class comes back as itself.
    const quint16 france = back->countryFor("France");
    EXPECT_EQ(back->regio(france, 11)->className(), QStringLiteral("RegioFranceLothringen"));
}
