#include <gtest/gtest.h>

#include "catalogue/Country.h"
#include "catalogue/WineInfos.h"
#include "catalogue/WineType.h"
#include "model/CellarDatabase.h"
#include "platform/richtext/RichText.h"
#include "support/CellarGenerator.h"

TEST(WineCatalogue, NamesComeFromTheCellarsCatalogueAndSurviveTheArchive)
{
    auto book = CellarBook::createNew();
    ASSERT_TRUE(book->wineInfos());
    Wine::setCellarBook(book.get());
    const quint16 france = book->wineInfos()->countryFor(book->wineInfos()->countryName(
        book->wineInfos()->findCountryIDForISO3alpha(QStringLiteral("FRA"))));
    ASSERT_GT(france, 0);
    auto w = std::make_shared<Wine>();
    w->setCountry(france);
    w->setType(1);
    w->setYear(2015);
    w->setWinename(QStringLiteral("Chateau <Test>"));
    book->addWine(w);
    EXPECT_EQ(w->countryCode(), QStringLiteral("FRA"));
    EXPECT_FALSE(w->countryName().isEmpty());
    EXPECT_EQ(w->typeName(), book->wineInfos()->winetypeName(1));
    EXPECT_TRUE(w->regioName().isEmpty());
    EXPECT_FALSE(w->regioIsSystem());
    w->setCountry(60000); // no such country: empty names, no crash
    EXPECT_TRUE(w->countryName().isEmpty());
    EXPECT_TRUE(w->countryCode().isEmpty());
    w->setCountry(france);
    EXPECT_TRUE(w->iPodNote().startsWith(QStringLiteral("<TITLE>Chateau <Test></TITLE>\n")));
    EXPECT_TRUE(w->iPodNote().contains(QStringLiteral("2015, ") + w->typeName() + QStringLiteral("<br>")));

    auto back = CellarDatabase::loadBytes(CellarDatabase::toBytes(*book), QStringLiteral("m"));
    ASSERT_TRUE(back.book);
    ASSERT_TRUE(back.book->wineInfos());
    EXPECT_EQ(back.book->wineInfos()->orderedCountries().size(), book->wineInfos()->orderedCountries().size());
    Wine::setCellarBook(back.book.get());
    EXPECT_EQ(back.book->wines().first()->countryCode(), QStringLiteral("FRA"));
    Wine::setCellarBook(nullptr);
}

TEST(WineCatalogue, CommentIsRichTextAndOldPlainCommentsStillRead)
{
    Wine w;
    w.appendComment(QStringLiteral("Deep ruby."));
    w.appendComment(QStringLiteral(" Long finish."));
    EXPECT_EQ(w.commentPlainText(), QStringLiteral("Deep ruby. Long finish."));
    EXPECT_EQ(RichText::fromStoredBytes(w.comment()).plainText(), w.commentPlainText());
    Wine old;
    old.setComment(QStringLiteral("Stored as a plain string, long before rich text came along").toUtf8());
    EXPECT_EQ(old.commentShort(), QStringLiteral("Stored as a plain string, long before rich text ca"));
}

TEST(WineCatalogue, TypeAndCountryPictureNames)
{
    auto book = CellarBook::createNew();
    Wine::setCellarBook(book.get());
    const auto infos = book->wineInfos();
    Wine w;
    EXPECT_TRUE(w.typeIconName().isEmpty()) << "type unset";
    EXPECT_TRUE(w.countryIconName().isEmpty()) << "country unset";
    const quint16 france = quint16(infos->findCountryIDForISO3alpha(QStringLiteral("FRA")));
    ASSERT_GT(france, 0);
    w.setCountry(france);
    w.setType(2);
    ASSERT_TRUE(infos->winetype(2));
    infos->winetype(2)->setImage(QStringLiteral("TypeRose"));
    EXPECT_EQ(w.typeIconName(), QStringLiteral("TypeRose"));
    EXPECT_EQ(w.countryIconName(), QStringLiteral("Flag%1_18").arg(france));
    w.setCountry(60000);
    w.setType(60000);
    EXPECT_TRUE(w.typeIconName().isEmpty()) << "out of range";
    EXPECT_TRUE(w.countryIconName().isEmpty());
    Wine::setCellarBook(nullptr);
}
