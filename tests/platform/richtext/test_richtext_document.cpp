#include <gtest/gtest.h>

#include "RichTextFixtures.h"
#include "platform/richtext/RichText.h"
#include "platform/richtext/RichTextDocument.h"
#include "platform/richtext/RichTextHtml.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using namespace richtextfixtures;

TEST(RichTextDocument, RoundTripKeepsFormatsPageBreaksAndPictures)
{
    const RichText t = sample();
    QTextDocument doc;
    RichTextDocument::toTextDocument(t, &doc);
    // Form feeds become paragraphs that start a new page.
    int breaks = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        if (b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
            ++breaks;
    EXPECT_EQ(breaks, 1);
    EXPECT_EQ(doc.blockCount(), 6);
    const RichText back = RichTextDocument::fromTextDocument(doc);
    EXPECT_EQ(back, t) << describe(back) << "---\n" << describe(t);
}

TEST(RichTextDocument, PicturesAreShownAndEditsComeBack)
{
    QTextDocument doc;
    RichText t;
    t.appendText(QStringLiteral("A\f"));
    Attachment a;
    a.name = QStringLiteral("p.png");
    a.bytes = picture("PNG", Qt::red, QSize(6, 5));
    t.appendAttachment(a);
    RichTextDocument::toTextDocument(t, &doc);
    const QTextBlock second = doc.begin().next();
    const QTextImageFormat image = second.begin().fragment().charFormat().toImageFormat();
    ASSERT_TRUE(image.isValid());
    EXPECT_EQ(doc.resource(QTextDocument::ImageResource, QUrl(image.name())).value<QImage>().size(), QSize(6, 5));

    // Typing in the document, then reading it back.
    QTextCursor cursor(&doc);
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat boldFormat;
    boldFormat.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral(" B"), boldFormat);
    const RichText edited = RichTextDocument::fromTextDocument(doc);
    EXPECT_EQ(edited.text(), QStringLiteral("A\f\uFFFC B"));
    EXPECT_TRUE(edited.charFormatAt(3).bold);
    EXPECT_EQ(*edited.attachmentAt(2), a);

    // Pasting rich text at a cursor.
    QTextCursor middle(&doc);
    middle.setPosition(1);
    RichTextDocument::insert(middle, RichText::fromPlainText(QStringLiteral("xy"), bold()));
    EXPECT_EQ(RichTextDocument::fromTextDocument(doc).text(), QStringLiteral("Axy\f\uFFFC B"));
}

TEST(RichTextHtml, WritesEscapedTextAndReadsItBack)
{
    RichText t;
    t.appendText(QStringLiteral("<kelvan WineName> & \"Ch\u00e2teau\"\n"), bold());
    t.appendText(QStringLiteral("a < b\fpage two"), CharFormat{});
    Attachment a;
    a.name = QStringLiteral("p<1>.png");
    a.bytes = picture("PNG", Qt::red);
    t.appendAttachment(a);
    const QString html = RichTextHtml::toHtml(t);
    EXPECT_TRUE(html.contains(QStringLiteral("&lt;kelvan WineName&gt; &amp; &quot;Ch\u00e2teau&quot;")));
    EXPECT_TRUE(html.contains(QStringLiteral("a &lt; b")));
    EXPECT_FALSE(html.contains(QStringLiteral("<kelvan")));
    EXPECT_TRUE(html.contains(QStringLiteral("alt=\"p&lt;1&gt;.png\"")));
    EXPECT_TRUE(html.contains(QStringLiteral("page-break-before:always")));

    const RichText back = RichTextHtml::fromHtml(html);
    EXPECT_EQ(back.text(), t.text()) << back.text().toStdString() << html.toStdString();
    EXPECT_TRUE(back.charFormatAt(0).bold);
    EXPECT_FALSE(back.charFormatAt(back.indexOf(QStringLiteral("page two"))).bold);
    ASSERT_EQ(back.attachmentPositions().size(), 1);
    EXPECT_EQ(back.attachmentAt(back.attachmentPositions()[0])->bytes, a.bytes);
}
