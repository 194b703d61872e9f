#include "CatalogueFixture.h"

#include <QCoreApplication>
#include <QTranslator>

#include "catalogue/Area.h"
#include "catalogue/Bottle.h"
#include "catalogue/Classification.h"
#include "catalogue/Country.h"
#include "catalogue/Regio.h"
#include "catalogue/WineInfos.h"
#include "catalogue/WineType.h"

namespace {

class Lookup : public CatalogueTest {
protected:
    void SetUp() override
    {
        CatalogueTest::SetUp();
        infos = WineInfos::create();
        italy = infos->countryFor("Italy");
        ASSERT_GT(italy, 0);
    }
    std::shared_ptr<WineInfos> infos;
    quint16 italy = 0;
};

TEST_F(Lookup, BuiltInCountryListWithIsoCodes)
{
    const auto& list = infos->orderedCountries();
    ASSERT_EQ(list.size(), 239);
    for (qsizetype i = 0; i < list.size(); ++i) {
        ASSERT_EQ(list[i]->countryID(), i + 1);
        ASSERT_EQ(list[i]->iso3().size(), 3) << list[i]->name().toStdString();
    }
    // The keys by which the country factory picks the classes must be in the list.
    for (const char* key : {"Algeria", "Argentina", "Australia", "Austria", "Canada", "Chile", "China", "Cyprus",
                            "France", "Germany", "Greece", "Hungary", "India", "Israel", "Italy", "Japan",
                            "Lebanon", "Mexico", "Morocco", "New Zealand", "Portugal", "Romania", "Slovakia",
                            "South Africa", "Spain", "Switzerland", "United States of America",
                            "Czech Republic", "Tunesia"})
        EXPECT_GT(infos->countryFor(key), 0) << key;

    EXPECT_EQ(infos->countryCode(infos->countryFor("Czech Republic")), "CZE");
    EXPECT_EQ(infos->countryCode(infos->countryFor("Tunesia")), "TUN");
    EXPECT_EQ(infos->findCountryIDForISO3alpha("ita"), italy);
    EXPECT_EQ(infos->findCountryIDForISO3alpha("ItA"), italy);
    EXPECT_EQ(infos->findCountryIDForISO3alpha("USA"), infos->countryFor("United States of America"));
    EXPECT_EQ(infos->findCountryIDForISO3alpha(""), 0);
    EXPECT_EQ(infos->findCountryIDForISO3alpha("XYZ"), 0);
    EXPECT_EQ(infos->findCountryIDForISO3alpha("IT"), 0);
    EXPECT_EQ(infos->countryCode(0), "");
    EXPECT_EQ(infos->countryCode(240), "");

    // The display list holds the same countries, sorted by name.
    ASSERT_EQ(infos->countries().size(), 239);
    for (qsizetype i = 1; i < infos->countries().size(); ++i)
        EXPECT_LE(infos->countries()[i - 1]->compare(*infos->countries()[i]), 0);
}

TEST_F(Lookup, OddlyNamedCountriesGetTheirClasses)
{
    EXPECT_EQ(infos->country(infos->countryFor("Czech Republic"))->className(), "CountryCzech");
    EXPECT_EQ(infos->country(infos->countryFor("Czech Republic"))->regios().size(), 2);
    EXPECT_EQ(infos->country(infos->countryFor("Tunesia"))->className(), "CountryTunisia");
    EXPECT_EQ(infos->country(infos->countryFor("Switzerland"))->className(), "CountrySwiss");
    EXPECT_TRUE(infos->country(infos->countryFor("Switzerland"))->on());
    EXPECT_EQ(infos->country(infos->countryFor("Peru"))->className(), "Country");
    EXPECT_FALSE(infos->country(infos->countryFor("Peru"))->on());
    // Only the exact keys: a near name stays plain.
    EXPECT_EQ(infos->addCountryString("italy")->className(), "Country");
    EXPECT_EQ(infos->orderedCountries().last()->countryID(), 240);
}

TEST_F(Lookup, EntriesAndNamesByID)
{
    EXPECT_EQ(infos->countryName(0), "Country");
    EXPECT_EQ(infos->countryName(italy), "Italy");
    EXPECT_EQ(infos->countryName(240), "");
    EXPECT_EQ(infos->countryName(-1), "");
    EXPECT_EQ(infos->country(0), nullptr);

    EXPECT_EQ(infos->regioName(italy, 3), "Campania");
    EXPECT_EQ(infos->regioName(italy, 0), "");
    EXPECT_EQ(infos->regioName(italy, 4), "");
    EXPECT_EQ(infos->regioName(0, 1), "");
    EXPECT_EQ(infos->areaName(italy, 3, 4), "Napoli");
    EXPECT_EQ(infos->areaName(italy, 3, 6), "");
    EXPECT_EQ(infos->areaName(italy, 1, 1), "");

    // Classification IDs resolve in the list the wine's choice leads to.
    EXPECT_EQ(infos->classificationName(italy, 3, 4, 1), "Capri DOC"); // the area's own
    EXPECT_EQ(infos->classificationName(italy, 3, 1, 4), "DOC");       // area without: the region's
    EXPECT_EQ(infos->classificationName(italy, 3, 0, 5), "DOCG");
    EXPECT_EQ(infos->classificationName(italy, 3, 99, 5), "DOCG");     // no such area
    EXPECT_EQ(infos->classificationName(italy, 1, 0, 3), "DOC");       // plain region: the country's
    EXPECT_EQ(infos->classificationName(italy, 0, 0, 1), "Vino Da Tavola");
    EXPECT_EQ(infos->classificationName(italy, 99, 0, 1), "Vino Da Tavola");
    EXPECT_EQ(infos->classificationName(italy, 3, 4, 3), "");          // beyond the area's two
    EXPECT_EQ(infos->classificationName(italy, 0, 0, 0), "");
    EXPECT_EQ(infos->classificationName(0, 0, 0, 1), "");

    EXPECT_EQ(infos->winetypeName(1), "Red wine");
    EXPECT_EQ(infos->winetypeName(0), "");
    EXPECT_EQ(infos->winetypeName(infos->winetypes().size() + 1), "");
    EXPECT_EQ(infos->bottleName(1), "Normal");
    EXPECT_EQ(infos->bottleName(0), "");
    EXPECT_EQ(infos->bottleName(1000), "");
}

TEST_F(Lookup, IDsByName)
{
    EXPECT_EQ(infos->countryFor(""), 0);
    EXPECT_EQ(infos->countryFor("italy"), 0);
    EXPECT_EQ(infos->countryFor("Italy "), 0);

    // "Piemonte" is in Italy and (in the fake table) in the USA: display order decides.
    const quint16 usa = infos->countryFor("United States of America");
    EXPECT_EQ(infos->regionFor("Piemonte"), 1);
    EXPECT_EQ(infos->regionForIn("Piemonte", usa), 2);
    EXPECT_EQ(infos->regionFor("Campania"), 3);
    EXPECT_EQ(infos->regionFor(""), 0);
    EXPECT_EQ(infos->regionFor("Nowhere"), 0);
    EXPECT_EQ(infos->regionForIn("Campania", usa), 0);
    EXPECT_EQ(infos->regionForIn("Campania", 0), 0);
    EXPECT_EQ(infos->regionForIn("Campania", 9999), 0);

    EXPECT_EQ(infos->areaFor("Napoli", italy, 3), 4);
    EXPECT_EQ(infos->areaFor("Napoli", italy, 0), 0);
    EXPECT_EQ(infos->areaFor("Napoli", 0, 3), 0);
    EXPECT_EQ(infos->areaFor("", italy, 3), 0);

    EXPECT_EQ(infos->classificationFor("DOCG", italy, 3), 5);
    EXPECT_EQ(infos->classificationFor("-", italy, 3), 0);
    EXPECT_EQ(infos->classificationFor("DOCG", italy, 0), 0);
    EXPECT_EQ(infos->classificationFor("DOCG", 0, 3), 0);
    EXPECT_EQ(infos->classificationFor("Vino Da Tavola", italy, 1), 0); // plain region has none of its own

    EXPECT_EQ(infos->bottleFor("Normal"), 1);
    EXPECT_EQ(infos->bottleFor("normal"), 0);
    EXPECT_EQ(infos->bottleFor(""), 0);
}

TEST_F(Lookup, WineTypeOrderFitsTheInterchangeMap)
{
    // The interchange format's 1 (white), 2 (red), 3 (rose), 4 (sparkling) become 2, 1, 3, 5.
    EXPECT_EQ(infos->winetypeFor("white"), 2);
    EXPECT_EQ(infos->winetypeFor("red"), 1);
    EXPECT_EQ(infos->winetypeFor("rose"), 3);
    EXPECT_EQ(infos->winetypeFor("sparkling"), 5);
    EXPECT_EQ(infos->winetypeName(2), "White wine");
    EXPECT_EQ(infos->winetypeName(5), "Sparkling wine");
    for (qsizetype i = 0; i < infos->winetypes().size(); ++i)
        EXPECT_EQ(infos->winetypes()[i]->typeID(), i + 1);

    // The four words in any case; names exactly.
    EXPECT_EQ(infos->winetypeFor("RED"), 1);
    EXPECT_EQ(infos->winetypeFor("Rose"), 3);
    EXPECT_EQ(infos->winetypeFor("SparKling"), 5);
    EXPECT_EQ(infos->winetypeFor("Red wine"), 1);
    EXPECT_EQ(infos->winetypeFor("Rosé wine"), 3);
    EXPECT_EQ(infos->winetypeFor("red wine"), 0);
    EXPECT_EQ(infos->winetypeFor("reds"), 0);
    EXPECT_EQ(infos->winetypeFor(""), 0);
}

TEST_F(Lookup, NamesAreKeptAndComparedExactly)
{
    auto c = infos->country(italy);
    const QString odd = QString::fromUtf8("Colli\u000b di  Luni\u00a0");
    auto r = c->addRegioString(odd);
    EXPECT_EQ(r->name(), odd);
    EXPECT_EQ(infos->regionForIn(odd, italy), r->regioID());
    EXPECT_EQ(infos->regionForIn("Colli di Luni", italy), 0);
    EXPECT_EQ(infos->regionForIn(odd.trimmed(), italy), 0);
}

TEST_F(Lookup, BuiltInOrTheUsers)
{
    auto c = infos->country(italy);
    auto userRegion = c->addRegioString("Molise");
    auto userArea = c->regios()[2]->addAreaString("Ischia");
    auto userClass = c->regios()[2]->addClassificationString("Vesuvio DOC");
    auto napoli = c->regios()[2]->areas()[3];
    napoli->addClassificationString("Mine");

    EXPECT_TRUE(infos->regioIsSystem(italy, 1)); // a plain region of the class
    EXPECT_TRUE(infos->regioIsSystem(italy, 3));
    EXPECT_FALSE(infos->regioIsSystem(italy, userRegion->regioID()));
    EXPECT_FALSE(infos->regioIsSystem(italy, 0));
    EXPECT_FALSE(infos->regioIsSystem(italy, 99));
    EXPECT_FALSE(infos->regioIsSystem(0, 1));

    EXPECT_TRUE(infos->areaIsSystem(italy, 3, 5));
    EXPECT_FALSE(infos->areaIsSystem(italy, 3, userArea->areaID()));
    EXPECT_FALSE(infos->areaIsSystem(italy, 3, 0));

    EXPECT_TRUE(infos->classificationIsSystem(italy, 3, 0, 8));
    EXPECT_FALSE(infos->classificationIsSystem(italy, 3, 0, userClass->classificationID()));
    EXPECT_TRUE(infos->classificationIsSystem(italy, 3, 4, 2));  // the area's own built-in ones
    EXPECT_FALSE(infos->classificationIsSystem(italy, 3, 4, 3)); // the user's
    EXPECT_TRUE(infos->classificationIsSystem(italy, 1, 0, 3));  // country level through a plain region
    EXPECT_FALSE(infos->classificationIsSystem(italy, 3, 0, 99));

    // A country the user adds is never built in, even when its name picks a class.
    const quint16 second = infos->addCountryString("Italy")->countryID();
    EXPECT_FALSE(infos->regioIsSystem(second, 3));
    EXPECT_FALSE(infos->classificationIsSystem(second, 0, 0, 1));
}

TEST_F(Lookup, RegionAreaDictionaryMapsNamesToEntries)
{
    WineInfos::RegionAreaDictionary dict;
    infos->createRegionAreaDictionary(dict);
    ASSERT_TRUE(dict.contains("Campania"));
    EXPECT_EQ(dict["Campania"]->countryName(), "Italy");
    EXPECT_EQ(dict["Campania"]->regionName(), "Campania");
    EXPECT_EQ(dict["Campania"]->areaName(), "");
    ASSERT_TRUE(dict.contains("Chianti"));
    EXPECT_EQ(dict["Chianti"]->regionName(), "Toscana");
    EXPECT_EQ(dict["Chianti"]->areaName(), "Chianti");
    ASSERT_TRUE(dict.contains("DOCG"));
    EXPECT_EQ(dict["DOCG"]->classificationName(), "DOCG");
    EXPECT_TRUE(dict.contains("Peru"));
    EXPECT_EQ(dict["Peru"]->countryName(), "Peru");
}

TEST_F(Lookup, ScriptExportDoublesQuotes)
{
    const QString s = infos->brimoraExport();
    EXPECT_TRUE(s.startsWith("\rBrimoraDB kelvan at:'winetypes' put: OrderedCollection new.\r"
                             "(BrimoraDB kelvan at:'winetypes') add: 'Red wine' .\r"));
    EXPECT_TRUE(s.contains("BrimoraDB kelvan at:'countries' put: Dictionary new.\r"));
    const QString id = QString::number(italy);
    EXPECT_TRUE(s.contains(QString("(BrimoraDB kelvan at:'countries') at:'%1' put: ((Dictionary new) at:'id' put: "
                                   "%1 ; at:'iso3' put: 'ITA' ; at:'name' put: 'Italy' ; yourself).\r")
                               .arg(id)));
    EXPECT_TRUE(s.contains(QString("(((BrimoraDB kelvan at:'countries') at:'%1') at:'regions') add: 'Campania' .\r")
                               .arg(id)));
    EXPECT_TRUE(s.contains("at:'name' put: 'C\u00f4te d''Ivoire' ;"));
    EXPECT_FALSE(s.contains("d'Ivoire"));
    EXPECT_EQ(s.count("yourself)"), 239);
}

// Translates the country and region keys, as a German user would see them.
class GermanNames : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        const QByteArray ctx(context), src(source);
        if (ctx == "Countries" && src == "Italy")
            return QString("Italien");
        if (ctx == "RegionenClassifications" && src == "Campania")
            return QString("Kampanien");
        if (ctx == "Localizable" && src == "Red wine")
            return QString("Rotwein");
        return QString();
    }
};

TEST_F(Lookup, ClassesAreChosenByTranslatedNames)
{
    GermanNames german;
    QCoreApplication::installTranslator(&german);
    auto translated = WineInfos::create();
    QCoreApplication::removeTranslator(&german);

    const quint16 id = translated->countryFor("Italien");
    ASSERT_GT(id, 0);
    EXPECT_EQ(translated->countryFor("Italy"), 0);
    auto c = translated->country(id);
    EXPECT_EQ(c->className(), "CountryItaly");
    EXPECT_EQ(c->regios()[2]->name(), "Kampanien");
    EXPECT_EQ(c->regios()[2]->className(), "RegioItalyKampanien");
    EXPECT_EQ(translated->winetypeName(1), "Rotwein");
    // The area IDs do not depend on the language.
    EXPECT_EQ(c->regios()[2]->areaForName("Napoli")->areaID(), 4);
}
}
