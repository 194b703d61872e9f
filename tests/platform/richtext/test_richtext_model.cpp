#include <gtest/gtest.h>

#include "RichTextFixtures.h"
#include "platform/richtext/RichText.h"

#include <QVariant>

using namespace richtextfixtures;

namespace {
// "Dear <kelvan WineName>!" with the tag's first half bold.
RichText splitTag()
{
    RichText t;
    t.appendText(QStringLiteral("Dear "), CharFormat{});
    t.appendText(QStringLiteral("<KELVAN Wine"), bold());
    t.appendText(QStringLiteral("Name>!"), CharFormat{});
    return t;
}
}

TEST(RichTextModel, FindsATagSplitAcrossRunsIgnoringCase)
{
    const RichText t = splitTag();
    ASSERT_EQ(t.runs().size(), 3u);
    EXPECT_EQ(t.indexOf(QStringLiteral("<kelvan winename>")), 5);
    EXPECT_EQ(t.indexOf(QStringLiteral("<kelvan winename>"), 6), -1);
    EXPECT_EQ(t.indexOf(QStringLiteral("<kelvan winename>"), 0, Qt::CaseSensitive), -1);
    EXPECT_EQ(t.indexOf(QString()), -1);
}

TEST(RichTextModel, ReplacingATagTakesTheFormatOfItsFirstCharacter)
{
    RichText t = splitTag();
    t.appendText(QStringLiteral(" and <kelvan winename>."), CharFormat{});
    EXPECT_EQ(t.replaceAll(QStringLiteral("<Kelvan WineName>"), QStringLiteral("Riesling <kelvan WineName>")), 2);
    EXPECT_EQ(t.text(), QStringLiteral("Dear Riesling <kelvan WineName>! and Riesling <kelvan WineName>."));
    // The first value is bold like the start of its tag, the second plain.
    EXPECT_TRUE(t.charFormatAt(5).bold);
    EXPECT_TRUE(t.charFormatAt(30).bold);
    EXPECT_FALSE(t.charFormatAt(31).bold); // "!"
    EXPECT_FALSE(t.charFormatAt(t.indexOf(QStringLiteral("Riesling"), 10)).bold);
}

TEST(RichTextModel, ReplaceAllHandlesTagsAtTheEdgesAndEmptyValues)
{
    RichText t;
    t.appendText(QStringLiteral("<t>"), bold());
    t.appendText(QStringLiteral("<T>mid<t"), CharFormat{});
    t.appendText(QStringLiteral(">"), format(QStringLiteral("Times"), 9));
    EXPECT_EQ(t.replaceAll(QStringLiteral("<t>"), QString()), 3);
    EXPECT_EQ(t.text(), QStringLiteral("mid"));
    EXPECT_EQ(t.runs().size(), 1u);
    EXPECT_FALSE(t.charFormatAt(0).bold);

    RichText u = RichText::fromPlainText(QStringLiteral("aXa"));
    u.setCharFormat(1, 1, bold());
    EXPECT_EQ(u.replaceAll(QStringLiteral("a"), QStringLiteral("aa")), 2); // the value is not searched again
    EXPECT_EQ(u.text(), QStringLiteral("aaXaa"));
    EXPECT_TRUE(u.charFormatAt(2).bold);
    EXPECT_FALSE(u.charFormatAt(3).bold);
    EXPECT_EQ(u.replaceAll(QStringLiteral("zz"), QStringLiteral("y")), 0);
}

TEST(RichTextModel, CopyInsertAndReplaceKeepFormatsAndAttachments)
{
    const RichText source = sample();
    const qsizetype at = source.indexOf(QStringLiteral("Label"));
    const RichText piece = source.mid(at, 12); // "Label: " + three attachments + " end"
    ASSERT_EQ(piece.attachmentPositions().size(), 3);
    EXPECT_EQ(piece.attachmentAt(7)->name, QStringLiteral("label.png"));
    EXPECT_EQ(piece.charFormatAt(0).font, QStringLiteral("Helvetica"));
    EXPECT_EQ(piece.paragraphFormatAt(0).alignment, ParagraphFormat::Alignment::Right);

    RichText target = splitTag();
    target.insert(5, piece);
    EXPECT_EQ(target.text().left(12), QStringLiteral("Dear Label: "));
    EXPECT_EQ(target.attachmentAt(12)->bytes, source.attachmentAt(at + 7)->bytes);
    EXPECT_EQ(target.charFormatAt(4), CharFormat{});
    EXPECT_EQ(target.charFormatAt(5).font, QStringLiteral("Helvetica"));
    EXPECT_TRUE(target.charFormatAt(5 + 12).bold); // the tag's bold half moved on unchanged

    // Replacing a range by rich text: the tag goes, the copy stays as it was.
    RichText replaced = splitTag();
    replaced.replace(5, 17, piece);
    EXPECT_EQ(replaced.text(), QStringLiteral("Dear ") + piece.text() + QStringLiteral("!"));
    EXPECT_EQ(replaced.mid(5, piece.length()), piece);
    EXPECT_TRUE(replaced.replaceFirst(QStringLiteral("dear"), source.mid(0, 6)));
    EXPECT_TRUE(replaced.charFormatAt(0).bold);
    EXPECT_EQ(replaced.charFormatAt(0).size, 18);
    EXPECT_FALSE(replaced.replaceFirst(QStringLiteral("<kelvan nothing>"), piece));

    // Removing the middle of a run merges its neighbours again.
    RichText merged = splitTag();
    merged.remove(5, 12);
    EXPECT_EQ(merged.text(), QStringLiteral("Dear Name>!"));
    EXPECT_EQ(merged.runs().size(), 1u);
}

TEST(RichTextModel, EditsAtTheEdgesAndOutOfRangeStayInside)
{
    RichText t = RichText::fromPlainText(QStringLiteral("abc"));
    t.insert(99, RichText::fromPlainText(QStringLiteral("d"), bold()));
    t.remove(-5, 1);
    t.remove(-5, 6); // the first character
    t.replace(2, 100, QStringLiteral("X"));
    EXPECT_EQ(t.text(), QStringLiteral("bcX"));
    EXPECT_EQ(t.mid(1, 100).text(), QStringLiteral("cX"));
    EXPECT_EQ(t.mid(-1, 2).text(), QStringLiteral("b"));
    EXPECT_EQ(t.mid(10).text(), QString());
    qsizetype total = 0;
    for (const auto& r : t.runs())
        total += r.length;
    EXPECT_EQ(total, t.length());
}

TEST(RichTextModel, ParagraphFormatCoversWholeParagraphs)
{
    RichText t = RichText::fromPlainText(QStringLiteral("one\ntwo two\fthree"));
    ParagraphFormat centred;
    centred.alignment = ParagraphFormat::Alignment::Center;
    t.setParagraphFormat(6, 1, centred); // inside "two two"
    EXPECT_EQ(t.paragraphFormatAt(3).alignment, ParagraphFormat::Alignment::Left);  // "one"'s '\n'
    EXPECT_EQ(t.paragraphFormatAt(4).alignment, ParagraphFormat::Alignment::Center);
    EXPECT_EQ(t.paragraphFormatAt(11).alignment, ParagraphFormat::Alignment::Center); // its form feed
    EXPECT_EQ(t.paragraphFormatAt(12).alignment, ParagraphFormat::Alignment::Left);
}

TEST(RichTextModel, PlainTextDropsAttachmentsAndNormalisesLineEnds)
{
    RichText t = RichText::fromPlainText(QStringLiteral("a\r\nb\rc\uFFFC"));
    EXPECT_EQ(t.text(), QStringLiteral("a\nb\nc")); // a stray attachment character is no attachment
    Attachment a;
    a.name = QStringLiteral("x.png");
    t.appendAttachment(a);
    t.appendText(QStringLiteral("d\u2028e"));
    EXPECT_EQ(t.text().size(), 9);
    EXPECT_EQ(t.plainText(), QStringLiteral("a\nb\ncd\ne"));
}

TEST(RichTextModel, StoredFormKeepsEverythingAndReadsOlderPlainComments)
{
    const RichText t = sample();
    const QByteArray stored = t.toStoredBytes();
    EXPECT_EQ(RichText::fromStoredBytes(stored), t) << describe(RichText::fromStoredBytes(stored)) << describe(t);
    // Pictures are kept as raw bytes, not doubled into hex digits.
    EXPECT_LT(stored.size(), t.toRtf().size());
    EXPECT_EQ(RichText::fromStored(QVariant(stored)), t);

    const RichText old = RichText::fromStored(QVariant(QStringLiteral("Fine {wine} \\ with \u00e9")));
    EXPECT_EQ(old.text(), QStringLiteral("Fine {wine} \\ with \u00e9"));
    EXPECT_EQ(RichText::fromStoredBytes(QStringLiteral("Caf\u00e9").toUtf8()).text(), QStringLiteral("Caf\u00e9"));
    EXPECT_EQ(RichText::fromStoredBytes(QByteArray("Caf\xe9")).text(), QStringLiteral("Caf\u00e9"));
    EXPECT_TRUE(RichText::fromStored(QVariant()).isEmpty());

    RichText appended = old;
    appended.appendText(QStringLiteral(" and more"));
    EXPECT_EQ(RichText::fromStoredBytes(appended.toStoredBytes()).plainText(),
              QStringLiteral("Fine {wine} \\ with \u00e9 and more"));
}
