#include "CatalogueFixture.h"

#include "catalogue/Appelation.h"
#include "catalogue/Area.h"
#include "catalogue/Classification.h"
#include "catalogue/Country.h"
#include "catalogue/Regio.h"
#include "catalogue/WineInfos.h"
#include "platform/Crayons.h"

namespace {
using Tree = CatalogueTest;

QStringList names(const auto& list)
{
    QStringList out;
    for (const auto& e : list)
        out.append(e->name());
    return out;
}

TEST_F(Tree, AddersNumberFromOneAndCountSeparators)
{
    auto country = Country::create();
    EXPECT_EQ(country->countryID(), 0);
    auto r1 = country->addRegioString("North");
    auto r2 = country->addRegioString("South");
    EXPECT_EQ(r1->regioID(), 1);
    EXPECT_EQ(r2->regioID(), 2);
    EXPECT_EQ(r2->country(), country);

    EXPECT_EQ(country->addClassificationString("A")->classificationID(), 1);
    EXPECT_EQ(country->addClassificationString("-")->classificationID(), 2);
    EXPECT_EQ(country->addClassificationString("B")->classificationID(), 3);
    EXPECT_EQ(country->classifications().last()->country(), country);

    auto a1 = r2->addAreaString("Coast");
    auto a2 = r2->addAreaString("Hills");
    EXPECT_EQ(a1->areaID(), 1);
    EXPECT_EQ(a2->areaID(), 2);
    EXPECT_EQ(a2->region(), r2);

    auto rc = r2->addClassificationString("R1");
    EXPECT_EQ(rc->classificationID(), 1);
    EXPECT_EQ(rc->region(), r2);
    EXPECT_EQ(rc->country(), country);

    auto ac1 = a2->addClassificationString("-");
    auto ac2 = a2->addClassificationString("A2");
    EXPECT_EQ(ac1->classificationID(), 1);
    EXPECT_EQ(ac2->classificationID(), 2);
    EXPECT_EQ(ac2->area(), a2);
    EXPECT_EQ(ac2->region(), r2);
    EXPECT_EQ(ac2->country(), country);
    EXPECT_EQ(ac2->countryName(), country->name());

    EXPECT_EQ(country->addAppelationString("X")->appelationID(), 1);
    EXPECT_EQ(r2->addAppelationString("Y")->appelationID(), 1);
    EXPECT_EQ(r2->addAppelationString("Z")->appelationID(), 2);
    auto ap = a1->addAppelationString("W");
    EXPECT_EQ(ap->appelationID(), 1);
    EXPECT_EQ(ap->area(), a1);
    EXPECT_EQ(ap->region(), r2);
    EXPECT_EQ(ap->country(), country);
}

TEST_F(Tree, PlainCountryInitDefaults)
{
    auto c = Country::create();
    EXPECT_FALSE(c->on());
    EXPECT_EQ(c->name(), QString(""));
    EXPECT_EQ(c->color(), Crayons::color("Grape"));
    EXPECT_EQ(c->states(), QStringList{"State"});
    EXPECT_TRUE(c->regios().isEmpty());
    auto r = Regio::create();
    EXPECT_TRUE(r->on());
    EXPECT_FALSE(r->isRemoved());
    EXPECT_EQ(r->regioID(), 0);
    EXPECT_EQ(r->country(), nullptr);
}

TEST_F(Tree, CountryClassBuildsRegionsAndClassifications)
{
    auto infos = std::make_shared<WineInfos>();
    infos->addCountryString("Atlantis");
    auto italy = infos->addCountryString("Italy");
    EXPECT_EQ(italy->className(), "CountryItaly");
    EXPECT_EQ(italy->countryID(), 2);
    EXPECT_TRUE(italy->on());
    EXPECT_FALSE(infos->orderedCountries().first()->on());
    EXPECT_NE(italy->color(), Crayons::color("Grape"));

    ASSERT_EQ(italy->regios().size(), 3);
    EXPECT_EQ(names(italy->regios()), (QStringList{"Piemonte", "Toscana", "Campania"}));
    EXPECT_EQ(italy->regios()[0]->className(), "Regio");
    EXPECT_EQ(italy->regios()[1]->className(), "RegioItalyToskana");
    auto campania = italy->regios()[2];
    EXPECT_EQ(campania->className(), "RegioItalyKampanien");
    EXPECT_EQ(campania->regioID(), 3);
    EXPECT_EQ(campania->country(), italy);

    // Separators take IDs: DOC is 4, DOCG 5.
    ASSERT_EQ(campania->classifications().size(), 8);
    EXPECT_EQ(campania->classifications()[3]->name(), "DOC");
    EXPECT_EQ(campania->classifications()[3]->classificationID(), 4);
    EXPECT_EQ(campania->classifications()[4]->classificationID(), 5);
    EXPECT_TRUE(campania->classifications()[2]->isSeparator());
    // Added while the region had no country yet: the region supplies it.
    EXPECT_EQ(campania->classifications()[0]->country(), italy);

    auto napoli = campania->areaForName("Napoli");
    ASSERT_TRUE(napoli);
    EXPECT_EQ(napoli->areaID(), 4);
    EXPECT_EQ(names(napoli->classifications()), (QStringList{"Capri DOC", "Ischia DOC"}));
    EXPECT_EQ(napoli->classifications()[1]->classificationID(), 2);
    EXPECT_EQ(napoli->classifications()[0]->area(), napoli);
    // The area's entries are its own objects, apart from the region's of the same name.
    EXPECT_NE(napoli->classifications()[0], campania->classifications()[6]);
    for (const auto& a : campania->areas()) {
        if (a != napoli) {
            EXPECT_TRUE(a->classifications().isEmpty()) << a->name().toStdString();
        }
    }

    EXPECT_EQ(names(italy->classifications()), (QStringList{"Vino Da Tavola", "-", "DOC"}));
    EXPECT_EQ(italy->classifications()[2]->classificationID(), 3);
}

TEST_F(Tree, SeparatorLookupsAndPlainRegionsOfClassCountries)
{
    auto infos = std::make_shared<WineInfos>();
    auto austria = infos->addCountryString("Austria");
    ASSERT_EQ(austria->regios().size(), 2);
    auto nieder = austria->regios()[0];
    EXPECT_EQ(nieder->className(), "RegioAustriaNieder");
    EXPECT_EQ(nieder->classifications()[1]->name(), "-");
    auto wien = austria->regios()[1];
    EXPECT_EQ(wien->className(), "Regio");
    EXPECT_TRUE(wien->areas().isEmpty());
    EXPECT_TRUE(wien->classifications().isEmpty());

    auto france = infos->addCountryString("France");
    EXPECT_EQ(france->regios()[1]->className(), "RegioFranceLothringen");
    EXPECT_TRUE(france->regios()[1]->areas().isEmpty());
}

TEST_F(Tree, RegionFactoryOnlyForExactLookedUpNames)
{
    auto italy = Country::create("CountryItaly");
    EXPECT_EQ(italy->regios().size(), 3);
    // A user's region with a name near a class key stays plain.
    auto r = italy->addRegioString("campania");
    EXPECT_EQ(r->className(), "Regio");
    EXPECT_EQ(r->regioID(), 4);
    auto r2 = italy->addRegioString("Campania ");
    EXPECT_EQ(r2->className(), "Regio");
}

TEST_F(Tree, ClassificationsDeepFallsBackAreaRegionCountry)
{
    auto c = Country::create();
    c->addClassificationString("Country level");
    auto r = c->addRegioString("R");
    auto a = r->addAreaString("A");
    EXPECT_EQ(names(r->classificationsDeep()), QStringList{"Country level"});
    EXPECT_EQ(names(a->classificationsDeep()), QStringList{"Country level"});
    r->addClassificationString("Region level");
    EXPECT_EQ(names(a->classificationsDeep()), QStringList{"Region level"});
    EXPECT_EQ(names(r->classificationsDeep()), QStringList{"Region level"});
    a->addClassificationString("Area level");
    EXPECT_EQ(names(a->classificationsDeep()), QStringList{"Area level"});

    // A region that lost its country answers an empty list, no crash.
    auto orphan = Regio::create();
    EXPECT_TRUE(orphan->classificationsDeep().isEmpty());
}

TEST_F(Tree, RegioAndAreaForNameAreExact)
{
    auto c = Country::create();
    c->addRegioString("Rioja");
    c->addRegioString("Rioja");
    auto r = c->regioForName("Rioja");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->regioID(), 1);
    EXPECT_EQ(c->regioForName(""), nullptr);
    EXPECT_EQ(c->regioForName("rioja"), nullptr);
    EXPECT_EQ(c->regioForName("Rioja "), nullptr);
    r->addAreaString("Alta");
    EXPECT_TRUE(r->areaForName("Alta"));
    EXPECT_EQ(r->areaForName("ALTA"), nullptr);
    EXPECT_EQ(r->areaForName(""), nullptr);
}

TEST_F(Tree, EntryNamesStopAtTheirLevel)
{
    auto c = Country::create();
    c->setName("Land");
    auto r = c->addRegioString("Gebiet");
    auto a = r->addAreaString("Lage");
    auto cl = a->addClassificationString("Klasse");
    auto ap = r->addAppelationString("Herkunft");
    EXPECT_EQ(c->countryName(), "Land");
    EXPECT_EQ(c->regionName(), "");
    EXPECT_EQ(r->countryName(), "Land");
    EXPECT_EQ(r->areaName(), "");
    EXPECT_EQ(a->regionName(), "Gebiet");
    EXPECT_EQ(a->classificationName(), "");
    EXPECT_EQ(cl->countryName(), "Land");
    EXPECT_EQ(cl->regionName(), "Gebiet");
    EXPECT_EQ(cl->areaName(), "Lage");
    EXPECT_EQ(cl->classificationName(), "Klasse");
    EXPECT_EQ(ap->regionName(), "Gebiet");
    EXPECT_EQ(ap->areaName(), "");
}

TEST_F(Tree, StatesComeFromTheCountrysClass)
{
    auto usa = Country::create("CountryUSA");
    EXPECT_EQ(usa->states(), (QStringList{"State", "AK", "AL", "WV"}));
    auto italy = Country::create("CountryItaly");
    EXPECT_EQ(italy->states(), QStringList{"State"});
    usa->states().append("ZZ");
    usa->defineStates();
    EXPECT_EQ(usa->states().size(), 4);
}

TEST_F(Tree, PureClassificationsDropSeparators)
{
    auto c = Country::create();
    for (const char* n : {"-", "A", "-", "B", "--"})
        c->addClassificationString(n);
    const auto pure = pureClassifications(c->classifications());
    EXPECT_EQ(names(pure), (QStringList{"A", "B", "--"}));
    EXPECT_EQ(pure[1]->classificationID(), 4);
}
}
