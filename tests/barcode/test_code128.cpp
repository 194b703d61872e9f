#include <gtest/gtest.h>

#include "reports/barcode/KVNCode128Barcode.h"

#include <QSet>

namespace {

// Widths of the alternating bars and spaces of a module string.
QList<int> elementWidths(const QString& modules)
{
    QList<int> widths;
    for (qsizetype i = 0; i < modules.size();) {
        qsizetype j = i;
        while (j < modules.size() && modules.at(j) == modules.at(i))
            ++j;
        widths.append(int(j - i));
        i = j;
    }
    return widths;
}

} // namespace

TEST(Code128Table, EveryPatternHasTheStandardShape)
{
    QSet<QString> seen;
    for (int v = 0; v <= 106; ++v) {
        const QString p = KVNCode128Barcode::patternForValue(v);
        const bool stop = v == KVNCode128Barcode::ValueStop;
        ASSERT_EQ(p.size(), stop ? 13 : 11) << "value " << v;
        ASSERT_EQ(p.count(QLatin1Char('0')) + p.count(QLatin1Char('1')), p.size()) << "value " << v;
        EXPECT_TRUE(p.startsWith(QLatin1Char('1'))) << "value " << v;
        const QList<int> widths = elementWidths(p);
        ASSERT_EQ(widths.size(), stop ? 7 : 6) << "value " << v;
        int barModules = 0;
        for (qsizetype i = 0; i < widths.size(); ++i) {
            EXPECT_GE(widths[i], 1) << "value " << v;
            EXPECT_LE(widths[i], 4) << "value " << v;
            if (i % 2 == 0)
                barModules += widths[i];
        }
        // The parity rule of the symbology: bars of a symbol add up to an even count.
        if (!stop) {
            EXPECT_EQ(barModules % 2, 0) << "value " << v;
        }
        seen.insert(p.left(11));
    }
    EXPECT_EQ(seen.size(), 107) << "patterns must be distinct";
    EXPECT_TRUE(KVNCode128Barcode::patternForValue(107).isEmpty());
    EXPECT_TRUE(KVNCode128Barcode::patternForValue(-1).isEmpty());
}

TEST(Code128Table, FixedSymbolsAreThePublishedOnes)
{
    EXPECT_EQ(KVNCode128Barcode::patternForValue(103), "11010000100");
    EXPECT_EQ(KVNCode128Barcode::patternForValue(104), "11010010000");
    EXPECT_EQ(KVNCode128Barcode::patternForValue(105), "11010011100");
    EXPECT_EQ(KVNCode128Barcode::patternForValue(106), "1100011101011");
    EXPECT_EQ(KVNCode128Barcode::patternForValue(96), "10111100010");
    EXPECT_EQ(KVNCode128Barcode::patternForValue(97), "11110101000");
    EXPECT_EQ(KVNCode128Barcode::patternForValue(98), "11110100010");
    EXPECT_EQ(KVNCode128Barcode::patternForValue(99), "10111011110");
    EXPECT_EQ(KVNCode128Barcode::patternForValue(0), "11011001100");
    // The values that control characters 30 and 31 reach must have patterns too.
    EXPECT_EQ(KVNCode128Barcode::patternForValue(94), "10001011110");
    EXPECT_EQ(KVNCode128Barcode::patternForValue(95), "10111101000");
}

TEST(Code128, WineContentKnownAnswer)
{
    KVNCode128Barcode bc(QStringLiteral("wID-7"), false);
    EXPECT_EQ(bc.codeSet(), KVNCode128Barcode::CodeSetB);
    EXPECT_EQ(bc.checkDigit(), 33);
    EXPECT_EQ(bc.dataValues(), QList<int>({87, 41, 36, 13, 23}));
    EXPECT_EQ(bc.completeBarcode(),
              "11010010000" "11110010100" "11000100010" "10110001000" "10011011100"
              "11101101110" "10100011000" "1100011101011");
    EXPECT_EQ(bc.completeBarcode().size(), 90);
    bc.setBarWidth(0.72);
    bc.calculateWidth();
    EXPECT_NEAR(bc.width(), 64.8, 1e-9);
}

TEST(Code128, DigitsUseSetCInPairs)
{
    KVNCode128Barcode twelve(QStringLiteral("12"));
    EXPECT_EQ(twelve.codeSet(), KVNCode128Barcode::CodeSetC);
    EXPECT_EQ(twelve.checkDigit(), 14);
    EXPECT_EQ(twelve.completeBarcode(), "11010011100" "10110011100" "10011001110" "1100011101011");

    KVNCode128Barcode n1234(QStringLiteral("1234"));
    EXPECT_EQ(n1234.dataValues(), QList<int>({12, 34}));
    EXPECT_EQ(n1234.checkDigit(), 82);
    EXPECT_EQ(n1234.completeBarcode().size(), 57);
    n1234.setBarWidth(1.08);
    n1234.calculateWidth();
    EXPECT_NEAR(n1234.width(), 61.56, 1e-9);

    // An odd count of digits gets a leading zero.
    KVNCode128Barcode n123(QStringLiteral("123"));
    EXPECT_EQ(n123.dataValues(), QList<int>({1, 23}));
    EXPECT_EQ(n123.checkDigit(), 49);

    KVNCode128Barcode empty(QString{});
    EXPECT_EQ(empty.codeSet(), KVNCode128Barcode::CodeSetC);
    EXPECT_EQ(empty.checkDigit(), 105 % 103);
    EXPECT_EQ(empty.completeBarcode(), "11010011100" "11001100110" "1100011101011");
}

TEST(Code128, CodeSetChoice)
{
    EXPECT_EQ(KVNCode128Barcode(QStringLiteral("ABC-1")).codeSet(), KVNCode128Barcode::CodeSetB);
    EXPECT_EQ(KVNCode128Barcode(QStringLiteral("A1b")).codeSet(), KVNCode128Barcode::CodeSetB);
    // More control characters than lower-case letters: set A.
    KVNCode128Barcode a(QStringLiteral("AB\x01\x1e\x1f"));
    EXPECT_EQ(a.codeSet(), KVNCode128Barcode::CodeSetA);
    EXPECT_TRUE(a.isContentValid()) << a.contentError().toStdString();
    EXPECT_EQ(a.dataValues(), QList<int>({33, 34, 65, 94, 95}));
    // (103 + 33 + 68 + 195 + 376 + 475) mod 103
    EXPECT_EQ(a.checkDigit(), (103 + 33 + 2 * 34 + 3 * 65 + 4 * 94 + 5 * 95) % 103);
}

TEST(Code128, EveryPairAndEveryCharacterMapsToItsValue)
{
    for (int v = 0; v <= 99; ++v) {
        const QString digits = QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
        KVNCode128Barcode bc(digits);
        ASSERT_EQ(bc.dataValues(), QList<int>({v}));
        EXPECT_EQ(bc.barcode().left(11), KVNCode128Barcode::patternForValue(v));
    }
    for (int c = 32; c <= 126; ++c) {
        EXPECT_EQ(KVNCode128Barcode::encodeCharWithSet(c, KVNCode128Barcode::CodeSetB),
                  KVNCode128Barcode::patternForValue(c - 32));
        EXPECT_EQ(KVNCode128Barcode::valueForChar(c), c - 32);
    }
    for (int c = 0; c <= 95; ++c) {
        const int value = c < 32 ? c + 64 : c - 32;
        EXPECT_EQ(KVNCode128Barcode::encodeCharWithSet(c, KVNCode128Barcode::CodeSetA),
                  KVNCode128Barcode::patternForValue(value))
            << "char " << c;
    }
    for (int v = 96; v <= 102; ++v)
        EXPECT_EQ(KVNCode128Barcode::encodeNumberPair(v), KVNCode128Barcode::patternForValue(v));
    EXPECT_TRUE(KVNCode128Barcode::encodeNumberPair(103).isEmpty());
    EXPECT_TRUE(KVNCode128Barcode::encodeNumberPair(255).isEmpty());
}

TEST(Code128, CharactersTheSetCannotHoldAreRefused)
{
    struct Case {
        QString content;
        qint32 codeSet;
        int position;
    };
    const QList<Case> cases = {
        {QStringLiteral("ab\x01"), KVNCode128Barcode::CodeSetB, 3},         // control char in set B
        {QStringLiteral("A\x01\x02x"), KVNCode128Barcode::CodeSetA, 4},     // lower case in set A
        {QStringLiteral("wein\x7f"), KVNCode128Barcode::CodeSetB, 5},       // DEL
        {QStringLiteral("Ros\u00e9"), KVNCode128Barcode::CodeSetB, 4},      // above ASCII
        {QStringLiteral("\u20ac5"), KVNCode128Barcode::CodeSetA, 1},
    };
    for (const Case& c : cases) {
        KVNCode128Barcode bc(c.content);
        EXPECT_EQ(bc.codeSet(), c.codeSet) << c.content.toStdString();
        EXPECT_FALSE(bc.isContentValid()) << c.content.toStdString();
        const QString error = bc.contentError();
        EXPECT_TRUE(error.contains(QStringLiteral("position %1").arg(c.position))) << error.toStdString();
        EXPECT_TRUE(bc.completeBarcode().isEmpty()) << "a refused character must not yield a symbol";
        EXPECT_EQ(bc.width(), 0.0);
        EXPECT_EQ(bc.checkDigit(), KVNBarcode::NoCheckDigit);
    }
    // A code set forced by hand is held to what it can encode.
    KVNCode128Barcode forced(QStringLiteral("12a"));
    forced.setCodeSet(KVNCode128Barcode::CodeSetC);
    EXPECT_FALSE(forced.isContentValid());
    forced.setCodeSet(7);
    EXPECT_FALSE(forced.isContentValid());
    EXPECT_TRUE(forced.completeBarcode().isEmpty());
}

TEST(Code128, TildeIsEncodedInSetB)
{
    KVNCode128Barcode bc(QStringLiteral("a~"));
    ASSERT_TRUE(bc.isContentValid());
    EXPECT_EQ(bc.dataValues(), QList<int>({65, 94}));
    EXPECT_EQ(bc.checkDigit(), (104 + 65 + 2 * 94) % 103);
}
