#include "exchange/online/URLTools.h"
#include <gtest/gtest.h>

TEST(URLTools, EncodesUnsafeBytesKeepsSafeOnes)
{
    EXPECT_EQ(URLTools::encode(QStringLiteral("a b")), QStringLiteral("a%20b"));
    EXPECT_EQ(URLTools::encode(QStringLiteral("a&b")), QStringLiteral("a%26b"));
    EXPECT_EQ(URLTools::encode(QString::fromUtf8("\xC3\xA4")), QStringLiteral("%C3%A4"));
    EXPECT_EQ(URLTools::encode(QStringLiteral("=+?#%~!'()")),
              QStringLiteral("%3D%2B%3F%23%25%7E%21%27%28%29"));
    // slash and colon stay with the flags every request uses
    EXPECT_EQ(URLTools::encode(QStringLiteral("http://x.y/z w")), QStringLiteral("http://x.y/z%20w"));
    EXPECT_EQ(URLTools::encode(QString::fromUtf8("\xF0\x9F\x8D\xB7")), QStringLiteral("%F0%9F%8D%B7"));
    EXPECT_EQ(URLTools::encode(QStringLiteral("\t\r\n")), QStringLiteral("%09%0D%0A"));
}

TEST(URLTools, SafeCharactersComeBackUnchanged)
{
    const QString safe =
        QStringLiteral("*-.0123456789@ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz");
    ASSERT_EQ(safe.size(), 67);
    EXPECT_EQ(URLTools::encode(safe), safe);
    // every other printable ASCII character is escaped
    for (char16_t c = 0x20; c < 0x7F; ++c) {
        const QString one(QChar{c});
        if (safe.contains(one) || c == u'/' || c == u':')
            EXPECT_EQ(URLTools::encode(one), one);
        else
            EXPECT_EQ(URLTools::encode(one), QStringLiteral("%%1").arg(int(c), 2, 16, QLatin1Char('0')).toUpper());
    }
}

TEST(URLTools, MissingAndEmptyGiveEmpty)
{
    EXPECT_EQ(URLTools::encode(QString()), QStringLiteral(""));
    EXPECT_FALSE(URLTools::encode(QString()).isNull());
    EXPECT_EQ(URLTools::encode(QStringLiteral("")), QStringLiteral(""));
}

TEST(URLTools, FlagsChangeBlankSlashAndColon)
{
    const QString v = QStringLiteral("a b/c:d");
    EXPECT_EQ(URLTools::encodeURLString(v, 4, true, true, true), QStringLiteral("a+b/c:d"));
    EXPECT_EQ(URLTools::encodeURLString(v, 4, false, false, false), QStringLiteral("a%20b%2Fc%3Ad"));
    EXPECT_EQ(URLTools::encodeURLString(v, 30, false, true, false), QStringLiteral("a%20b/c%3Ad"));
}

TEST(URLTools, SplitsRowsAndFieldsDroppingHeadAndTail)
{
    const QByteArray reply = "head1\rhead2\rhead3\ra\tb\tc\r\rd\rtail";
    const auto rows = URLTools::arrayFromString(reply, 3, 1);
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0], (QStringList{"a", "b", "c"}));
    EXPECT_EQ(rows[1], QStringList{QString()}); // an empty row is one empty field
    EXPECT_EQ(rows[2], QStringList{"d"});
    EXPECT_EQ(URLTools::arrayFromString(reply, 0, 0).size(), 7);
}

TEST(URLTools, TooFewRowsGiveNothing)
{
    EXPECT_TRUE(URLTools::arrayFromString(QByteArray(), 0, 0).isEmpty());
    EXPECT_TRUE(URLTools::arrayFromString("h1\rh2\rh3\rtail", 3, 1).isEmpty());
    EXPECT_TRUE(URLTools::arrayFromString("h1\rh2", 3, 1).isEmpty());
    EXPECT_TRUE(URLTools::arrayFromString("", 3, 1).isEmpty());
    EXPECT_EQ(URLTools::arrayFromString("h1\rh2\rh3\rrow\rtail", 3, 1).size(), 1);
    // nonsense counts neither crash nor read outside the reply
    EXPECT_EQ(URLTools::arrayFromString("a\rb", -5, -1).size(), 2);
    EXPECT_TRUE(URLTools::arrayFromString("a\rb", 1000000, 0).isEmpty());
}

TEST(URLTools, RowsReadAsUtf8OrByteForByte)
{
    // row 1 valid UTF-8, row 2 Latin-1 bytes, row 3 a cut-off UTF-8 sequence
    const QByteArray reply = "M\xC3\xBCller\tx\rM\xFCller\ty\rab\xC3\rlast";
    const auto rows = URLTools::arrayFromString(reply, 0, 1);
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0][0], QString::fromUtf8("M\xC3\xBCller"));
    EXPECT_EQ(rows[1][0], QString::fromUtf8("M\xC3\xBCller"));
    EXPECT_EQ(rows[1][1], QStringLiteral("y"));
    EXPECT_EQ(rows[2][0], QString::fromLatin1("ab\xC3"));
}
