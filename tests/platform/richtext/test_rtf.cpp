#include <gtest/gtest.h>

#include "RichTextFixtures.h"
#include "platform/richtext/RichText.h"
#include "platform/richtext/RtfReader.h"
#include "platform/richtext/RtfWriter.h"

#include <QElapsedTimer>

using namespace richtextfixtures;

namespace {
RichText readOk(const QByteArray& rtf)
{
    QString error;
    RichText t = RtfReader::read(rtf, &error);
    EXPECT_EQ(error, QString()) << rtf.constData();
    return t;
}
}

TEST(Rtf, ModelToRtfToModelKeepsEverything)
{
    const RichText t = sample();
    const QByteArray rtf = RtfWriter::write(t);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    EXPECT_TRUE(rtf.contains("\\page"));
    EXPECT_TRUE(rtf.contains("\\pngblip"));
    EXPECT_TRUE(rtf.contains("\\jpegblip"));
    EXPECT_TRUE(rtf.contains("\\paperw11905\\paperh16840"));
    const RichText back = readOk(rtf);
    EXPECT_EQ(back, t) << describe(back) << "----\n" << describe(t);
    // Writing again gives the very same bytes.
    EXPECT_EQ(RtfWriter::write(back), rtf);
}

TEST(Rtf, NonAsciiIsWrittenWithCodePageAndUnicodeEscapes)
{
    const RichText t = RichText::fromPlainText(QStringLiteral("\u00e9\u20ac\u0416\U0001F377{}\\"));
    const QByteArray rtf = RtfWriter::write(t);
    EXPECT_TRUE(rtf.contains("\\'e9\\'80\\u1046?\\u-10180?\\u-8329?\\{\\}\\\\")) << rtf.constData();
    EXPECT_EQ(readOk(rtf).text(), t.text());
}

TEST(Rtf, EscapesDecodeInTheirCodePages)
{
    // Windows-1252 and the Unicode fallbacks that word processors write.
    EXPECT_EQ(readOk("{\\rtf1\\ansi\\ansicpg1252 Caf\\'e9 \\'80 \\'93q\\'94}").text(),
              QStringLiteral("Caf\u00e9 \u20ac \u201cq\u201d"));
    EXPECT_EQ(readOk("{\\rtf1\\ansi\\uc1 a\\u8364\\'80 b\\u-3913?c}").text(), QStringLiteral("a\u20ac b\uF0B7c"));
    EXPECT_EQ(readOk("{\\rtf1\\uc2 x\\u1046\\'c6\\'e6y\\uc0\\u1047 z}").text(), QStringLiteral("x\u0416y\u0417z"));
    // A group ends the fallback early.
    EXPECT_EQ(readOk("{\\rtf1\\uc3 {\\u1046 a}bc}").text(), QStringLiteral("\u0416bc"));
    // Another document code page.
    EXPECT_EQ(readOk("{\\rtf1\\ansi\\ansicpg1251 \\'c2\\'e8\\'ed\\'ee}").text(), QStringLiteral("\u0412\u0438\u043d\u043e"));
    // A font's character set wins over the document's code page.
    EXPECT_EQ(readOk("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset204 Arial Cyr;}}"
                     "\\f0 \\'c0 {\\f1 \\'c0}}")
                  .text(),
              QStringLiteral("\u00c0 \u0410"));
    // Two-byte code pages: the bytes of one character come in two escapes.
    EXPECT_EQ(readOk("{\\rtf1\\ansi\\ansicpg932{\\fonttbl{\\f0\\fcharset128 MS Mincho;}}\\f0 \\'82\\'a0\\'82\\'a2}").text(),
              QStringLiteral("\u3042\u3044"));
    // Old Mac documents.
    EXPECT_EQ(readOk("{\\rtf1\\mac Caf\\'8e}").text(), QStringLiteral("Caf\u00e9"));
}

TEST(Rtf, ReadsWordProcessorStyleDocuments)
{
    const QByteArray rtf =
        "{\\rtf1\\adeflang1025\\ansi\\ansicpg1252\\uc1\\adeff0\\deff0\\stshfdbch0\n"
        "{\\fonttbl{\\f0\\froman\\fcharset0\\fprq2{\\*\\panose 02020603050405020304}Times New Roman;}\n"
        "{\\f1\\fswiss\\fcharset0\\fprq2{\\*\\panose 020b0604020202020204}Arial{\\*\\falt Helvetica};}}\n"
        "{\\colortbl;\\red0\\green0\\blue0;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}\n"
        "{\\*\\defchp \\fs22}{\\stylesheet{\\ql \\li0 Normal;}{\\*\\cs10 \\additive Default Paragraph Font;}}\n"
        "{\\*\\generator Some Writer 1.0;}{\\info{\\title A title}{\\author Someone}}\n"
        "{\\*\\xmlnstbl {\\xmlns1 http://example.com}}\\paperw11906\\paperh16838\\margl1417\\margr1417\\margt1417\\margb1134\n"
        "\\pard\\plain \\ltrpar\\qc \\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 \\fs32\\b Wine {\\i list}\\b0  \\cf2 red\\cf0\\par\n"
        "\\pard \\ql \\tx1440\\tqr\\tx4320 \\f1\\fs20 {\\ul Name}\\tab Year\\tab {\\field{\\*\\fldinst HYPERLINK \"http://x\"}"
        "{\\fldrslt {\\cf3 link}}}\\line next\\emdash end\\~!\\par\n"
        "{\\*\\bkmkstart here}{\\*\\bkmkend here}{\\*\\shppict{\\pict{\\*\\picprop\\shplid1025}\\pngblip\\picw4\\pich3"
        "\\picwgoal600\\pichgoal450 89504e470d0a1a0a}}{\\nonshppict{\\pict\\wmetafile8 0102030405}}\n"
        "{\\object\\objemb{\\*\\objclass Paint}{\\*\\objdata 0102}{\\result shown}}\\page after{\\*\\unknown hidden {text}}"
        "{\\footnote not here}\\par}";
    const RichText t = readOk(rtf);
    EXPECT_EQ(t.text(), QStringLiteral("Wine list red\nName\tYear\tlink\u2028next\u2014end\u00a0!\n\uFFFCshown\fafter\n"));
    const auto at = [&](const char* s) { return t.indexOf(QString::fromUtf8(s)); };
    EXPECT_EQ(t.charFormatAt(at("Wine")), format(QStringLiteral("Times New Roman"), 16, true));
    EXPECT_EQ(t.charFormatAt(at("list")), format(QStringLiteral("Times New Roman"), 16, true, true));
    EXPECT_EQ(t.charFormatAt(at("red")), format(QStringLiteral("Times New Roman"), 16, false, false, false, QColor(255, 0, 0)));
    EXPECT_EQ(t.charFormatAt(at("Name")), format(QStringLiteral("Arial"), 10, false, false, true));
    EXPECT_EQ(t.charFormatAt(at("Year")), format(QStringLiteral("Arial"), 10));
    EXPECT_EQ(t.charFormatAt(at("link")).colour, QColor(0, 128, 0));
    EXPECT_EQ(t.paragraphFormatAt(0).alignment, ParagraphFormat::Alignment::Center);
    EXPECT_EQ(t.paragraphFormatAt(at("Name")).alignment, ParagraphFormat::Alignment::Left);
    EXPECT_EQ(t.paragraphFormatAt(at("Name")).tabs, (QList<double>{72, 216}));
    const AttachmentPtr picture = t.attachmentAt(at("\uFFFC"));
    ASSERT_TRUE(picture);
    EXPECT_TRUE(picture->isPng());
    EXPECT_EQ(picture->size, QSizeF(30, 22.5));
    EXPECT_EQ(t.attachmentPositions().size(), 1); // the metafile fallback is not a second picture
    EXPECT_EQ(t.page().paperSize, QSizeF(595.3, 841.9));
    EXPECT_EQ(t.page().leftMargin, 70.85);
    EXPECT_EQ(t.page().bottomMargin, 56.7);

    // RTF -> model -> RTF -> model keeps what was read.
    EXPECT_EQ(readOk(RtfWriter::write(t)), t);
}

TEST(Rtf, ReadsFlatFontTablesAndAttachmentReferences)
{
    const RichText t = readOk(
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl\\f0\\fswiss\\fcharset0 Helvetica;\\f1\\fnil\\fcharset0 Menlo-Regular;}\n"
        "{\\colortbl;\\red255\\green255\\blue255;}{\\*\\expandedcolortbl;;}\n"
        "\\pard\\tx560\\tx1120\\pardirnatural\\partightenfactor0\n\n\\f0\\fs24 \\cf0 Before "
        "{{\\NeXTGraphic bottle.png \\width2880 \\height1440 \\appleattachmentpadding0 \\appleembedtype0}\\'ac}"
        " after \\f1 code\\\n"
        "next}");
    EXPECT_EQ(t.text(), QStringLiteral("Before \uFFFC after code\nnext"));
    EXPECT_EQ(t.charFormatAt(0).font, QStringLiteral("Helvetica"));
    EXPECT_EQ(t.charFormatAt(t.indexOf(QStringLiteral("code"))).font, QStringLiteral("Menlo-Regular"));
    EXPECT_EQ(t.paragraphFormatAt(0).tabs, (QList<double>{28, 56}));
    const AttachmentPtr a = t.attachmentAt(7);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->name, QStringLiteral("bottle.png"));
    EXPECT_EQ(a->size, QSizeF(144, 72));
}

TEST(Rtf, PageBreaksAndParagraphEndsSurvive)
{
    RichText t = RichText::fromPlainText(QStringLiteral("one\ftwo\n\fthree\f"));
    const RichText back = readOk(t.toRtf());
    EXPECT_EQ(back.text(), t.text());
    EXPECT_EQ(back, t);
}

TEST(Rtf, DamagedInputEndsInAnErrorOrBestEffortText)
{
    QString error;
    EXPECT_TRUE(RtfReader::read("just text", &error).isEmpty());
    EXPECT_FALSE(error.isEmpty());

    // Truncated: the text read so far comes back with a message.
    RichText t = RtfReader::read("{\\rtf1{\\b bold {\\i deeper", &error);
    EXPECT_EQ(t.text(), QStringLiteral("bold deeper"));
    EXPECT_TRUE(t.charFormatAt(6).italic);
    EXPECT_FALSE(error.isEmpty());

    // Too many closing braces: the document ends with its own group.
    t = RtfReader::read("{\\rtf1 a}}}b{", &error);
    EXPECT_EQ(t.text(), QStringLiteral("a"));
    EXPECT_EQ(error, QString());

    // Unknown destinations and control words are skipped.
    t = RtfReader::read("{\\rtf1 a{\\*\\mystery {x}\\par y}\\frobnicate42  b\\'}", &error);
    EXPECT_EQ(t.text(), QStringLiteral("a b"));

    // A \bin that claims more bytes than there are.
    QElapsedTimer timer;
    timer.start();
    t = RtfReader::read("{\\rtf1 ok{\\pict\\pngblip\\bin2147483647 \x89PNG}", &error);
    EXPECT_EQ(t.text(), QStringLiteral("ok"));
    EXPECT_FALSE(error.isEmpty());
    t = RtfReader::read("{\\rtf1 ok\\bin99999999999999999999 x}", &error);
    EXPECT_EQ(t.text(), QStringLiteral("ok"));
    t = RtfReader::read("{\\rtf1 a\\bin-5 b}", &error);
    EXPECT_EQ(t.text(), QStringLiteral("ab"));

    // Deep nesting stops with a message instead of growing without end.
    t = RtfReader::read("{\\rtf1 x" + QByteArray(200000, '{') + "y", &error);
    EXPECT_EQ(t.text(), QStringLiteral("x"));
    EXPECT_FALSE(error.isEmpty());

    // Absurd numbers are clamped.
    t = RtfReader::read("{\\rtf1\\fs999999999\\uc99999999 a\\u99999999b\\'4}", &error);
    EXPECT_LE(t.charFormatAt(0).size, 1638);
    EXPECT_EQ(t.text().left(1), QStringLiteral("a"));
    t = RtfReader::read("{\\rtf1{\\colortbl;\\red999;}\\cf1 x\\cf77 y\\f99 z\\", &error);
    EXPECT_EQ(t.text(), QStringLiteral("xyz"));
    EXPECT_EQ(t.charFormatAt(0).colour, QColor(255, 0, 0));
    EXPECT_FALSE(t.charFormatAt(1).colour.isValid());
    EXPECT_LT(timer.elapsed(), 5000);
}

TEST(Rtf, PicturesKeepTheirBytesNamesAndSizes)
{
    RichText t;
    t.appendText(QStringLiteral("a"));
    Attachment a;
    a.name = QStringLiteral("bottle shot.png");
    a.bytes = picture("PNG", Qt::green, QSize(5, 7));
    t.appendAttachment(a);
    for (const auto mode : {RtfWriter::Pictures::Hex, RtfWriter::Pictures::Binary}) {
        RtfWriter::Options options;
        options.pictures = mode;
        const QByteArray rtf = RtfWriter::write(t, options);
        EXPECT_TRUE(rtf.contains("\\picw5\\pich7"));
        const RichText back = readOk(rtf);
        ASSERT_EQ(back.attachmentPositions(), QList<qsizetype>{1});
        EXPECT_EQ(*back.attachmentAt(1), a);
    }
    EXPECT_TRUE(RtfWriter::write(sample()).contains("\\jpegblip\\picw8\\pich8"));

    // A picture without a name gets one.
    const RichText unnamed =
        readOk("{\\rtf1{\\pict\\jpegblip ffd8ffe0}{\\pict\\pngblip 89504e47}{\\pict 89504e470d0a1a0a}{\\pict 0102}}");
    ASSERT_EQ(unnamed.attachmentPositions().size(), 3); // a picture of unknown type is left out
    EXPECT_EQ(unnamed.attachmentAt(0)->name, QStringLiteral("Picture 1.jpg"));
    EXPECT_EQ(unnamed.attachmentAt(1)->name, QStringLiteral("Picture 2.png"));
    EXPECT_EQ(unnamed.attachmentAt(1)->bytes, QByteArray("\x89PNG"));
}
