#include "CatalogueFixture.h"

#include <QFile>
#include <QTemporaryDir>

#include "catalogue/Area.h"
#include "catalogue/CatalogueFile.h"
#include "catalogue/Classification.h"
#include "catalogue/Country.h"
#include "catalogue/Regio.h"
#include "catalogue/WineInfos.h"
#include "catalogue/WineType.h"
#include "platform/ClassVersionOverride.h"
#include "platform/Coder.h"
#include "platform/KeyedArchive.h"
#include "platform/SequentialArchive.h"

namespace {

class Archive : public CatalogueTest {
protected:
    static std::shared_ptr<WineInfos> roundTrip(const std::shared_ptr<WineInfos>& infos)
    {
        auto back = std::dynamic_pointer_cast<WineInfos>(SequentialArchive::read(SequentialArchive::write(infos)));
        EXPECT_TRUE(back);
        return back;
    }
    // Writes with the base part "Country" at an older class version.
    static QByteArray writeWithCountryVersion(const std::shared_ptr<Archivable>& root, int version)
    {
        ClassVersionOverride older(Country::BaseClassName, version);
        return SequentialArchive::write(root);
    }
};

TEST_F(Archive, RestoresEveryClassByNameWithoutRebuilding)
{
    auto infos = WineInfos::create();
    const quint16 italy = infos->countryFor("Italy");
    auto campania = infos->regio(italy, 3);
    // Changes a rebuild would undo: an area removed, a user entry, a flag.
    campania->areas().removeLast();
    campania->addClassificationString("Mine");
    campania->setIsRemoved(true);
    infos->country(italy)->setOn(false);
    infos->country(italy)->states().append("XX");

    auto back = roundTrip(infos);
    ASSERT_EQ(back->orderedCountries().size(), 239);
    auto c = back->country(italy);
    EXPECT_EQ(c->className(), "CountryItaly");
    EXPECT_FALSE(c->on());
    EXPECT_EQ(c->states(), (QStringList{"State", "XX"}));
    EXPECT_EQ(c->color(), infos->country(italy)->color());
    auto r = back->regio(italy, 3);
    EXPECT_EQ(r->className(), "RegioItalyKampanien");
    EXPECT_EQ(r->areas().size(), 4);
    EXPECT_EQ(r->classifications().size(), 9);
    EXPECT_EQ(r->classifications().last()->name(), "Mine");
    EXPECT_TRUE(r->isRemoved());
    EXPECT_EQ(back->regio(italy, 2)->className(), "RegioItalyToskana");
    EXPECT_EQ(back->regio(italy, 1)->className(), "Regio");

    // Back references point at the very objects read.
    EXPECT_EQ(r->country(), c);
    EXPECT_EQ(r->areas()[3]->region(), r);
    EXPECT_EQ(r->areas()[3]->classifications()[0]->area(), r->areas()[3]);
    EXPECT_EQ(r->classifications()[0]->country(), c);

    const quint16 france = back->countryFor("France");
    EXPECT_EQ(back->regio(france, 2)->className(), "RegioFranceLothringen");
    EXPECT_EQ(back->country(back->countryFor("United States of America"))->states().size(), 4);
    EXPECT_EQ(back->countries().size(), 239);
    EXPECT_EQ(back->countryCode(italy), "ITA");
    EXPECT_EQ(back->winetypeName(5), "Sparkling wine");
    EXPECT_EQ(back->bottleName(1), "Normal");
    // Still tells built-in from the user's after reading.
    EXPECT_TRUE(back->classificationIsSystem(italy, 3, 0, 8));
    EXPECT_FALSE(back->classificationIsSystem(italy, 3, 0, 9));
}

TEST_F(Archive, KeyedBackupFormRestoresClassesToo)
{
    auto infos = WineInfos::create();
    const quint16 italy = infos->countryFor("Italy");
    infos->regio(italy, 3)->areas().removeFirst();
    auto back = std::dynamic_pointer_cast<WineInfos>(KeyedArchive::read(KeyedArchive::write(infos)));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->regio(italy, 3)->className(), "RegioItalyKampanien");
    EXPECT_EQ(back->regio(italy, 3)->areas().size(), 4);
    EXPECT_EQ(back->classificationName(italy, 3, 3, 2), "Ischia DOC");
    EXPECT_EQ(SequentialArchive::write(back), SequentialArchive::write(infos));
}

TEST_F(Archive, ClassNamesAreInTheArchive)
{
    auto infos = std::make_shared<WineInfos>();
    infos->addCountryString("France");
    const QByteArray bytes = SequentialArchive::write(infos);
    EXPECT_TRUE(bytes.contains("CountryFrance"));
    EXPECT_TRUE(bytes.contains("RegioFranceLothringen"));
    EXPECT_FALSE(bytes.contains("CountryItaly"));
}

TEST_F(Archive, OldCountryGetsStatesOfItsOwnClass)
{
    auto infos = std::make_shared<WineInfos>();
    auto usa = infos->addCountryString("United States of America");
    auto plain = infos->addCountryString("Peru");
    usa->states() = QStringList{"stale"};
    plain->states() = QStringList{"stale"};
    usa->addRegioString("Napa");

    const QByteArray old = writeWithCountryVersion(infos, 2);
    ASSERT_FALSE(old.isEmpty());
    EXPECT_FALSE(old.contains("stale")); // version 2 kept no states
    auto back = std::dynamic_pointer_cast<WineInfos>(SequentialArchive::read(old));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->country(1)->className(), "CountryUSA");
    EXPECT_EQ(back->country(1)->states(), (QStringList{"State", "AK", "AL", "WV"}));
    EXPECT_EQ(back->country(2)->states(), QStringList{"State"});
    // Its stored regions are kept, not rebuilt.
    EXPECT_EQ(back->country(1)->regios().size(), 3);
    EXPECT_EQ(back->regioName(1, 3), "Napa");

    // At the current version the stored list comes back as it was.
    auto current = std::dynamic_pointer_cast<WineInfos>(SequentialArchive::read(SequentialArchive::write(infos)));
    EXPECT_EQ(current->country(1)->states(), QStringList{"stale"});
}

TEST_F(Archive, OddNamesSurvive)
{
    auto infos = std::make_shared<WineInfos>();
    const QString odd = QString::fromUtf8("  Vall\u000be\u00a0 d'Aosta  ");
    infos->addCountryString(odd)->addRegioString(odd)->addAreaString(odd)->addClassificationString(odd);
    auto back = roundTrip(infos);
    EXPECT_EQ(back->countryName(1), odd);
    EXPECT_EQ(back->regioName(1, 1), odd);
    EXPECT_EQ(back->areaName(1, 1, 1), odd);
    EXPECT_EQ(back->classificationName(1, 1, 1, 1), odd);
    EXPECT_EQ(back->countryFor(odd), 1);
}

TEST_F(Archive, CatalogueFileRoundTrip)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(CatalogueFile::fileName());
    EXPECT_TRUE(path.endsWith("/Wine Info DB.kvwi"));
    auto infos = WineInfos::create();
    infos->country(infos->countryFor("Italy"))->regios()[0]->addAreaString("Langhe");
    ASSERT_EQ(CatalogueFile::write(path, infos), QString());

    auto back = CatalogueFile::read(path);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->orderedCountries().size(), infos->orderedCountries().size());
    EXPECT_EQ(back->areaName(back->countryFor("Italy"), 1, 1), "Langhe");
    EXPECT_EQ(SequentialArchive::write(back), SequentialArchive::write(infos));
}

TEST_F(Archive, DamagedCatalogueFileGivesAnError)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(CatalogueFile::fileName());
    auto infos = std::make_shared<WineInfos>();
    infos->addCountryString("Italy");
    ASSERT_EQ(CatalogueFile::write(path, infos), QString());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray good = f.readAll();
    f.close();

    auto expectError = [&](const QByteArray& bytes, const char* what) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(bytes);
        out.close();
        try {
            CatalogueFile::read(path);
            ADD_FAILURE() << "no error for " << what;
        } catch (const ArchiveError& e) {
            EXPECT_TRUE(e.message().contains("Wine Info DB.kvwi")) << e.message().toStdString();
        }
    };
    QByteArray flipped = good;
    flipped[flipped.size() - 3] = char(flipped[flipped.size() - 3] ^ 0x55);
    expectError(flipped, "a flipped byte");
    expectError(good.left(good.size() / 2), "a cut file");
    expectError(QByteArray(), "an empty file");
    expectError(QByteArray("not a catalogue at all"), "text");
    // A sound archive whose root is no catalogue.
    expectError(SequentialArchive::write(Country::create()), "a country as root");

    EXPECT_THROW(CatalogueFile::read(dir.filePath("missing.kvwi")), ArchiveError);
}

TEST_F(Archive, WriteFailureIsReportedAndKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("no/such/folder/" + CatalogueFile::fileName());
    EXPECT_FALSE(CatalogueFile::write(path, WineInfos::create()).isEmpty());
    EXPECT_FALSE(CatalogueFile::write(dir.filePath("x.kvwi"), nullptr).isEmpty());
}
}
