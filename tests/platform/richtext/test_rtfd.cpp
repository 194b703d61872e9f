#include <gtest/gtest.h>

#include "RichTextFixtures.h"
#include "platform/AtomicFile.h"
#include "platform/richtext/RichText.h"
#include "platform/richtext/RichTextFile.h"
#include "platform/richtext/Rtfd.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace richtextfixtures;

namespace {
RichText withPicture(const QString& name, const QByteArray& bytes)
{
    RichText t;
    t.appendText(QStringLiteral("Label \u00e9:\n"), format(QStringLiteral("Helvetica"), 14, true));
    Attachment a;
    a.name = name;
    a.bytes = bytes;
    a.size = QSizeF(120, 90);
    t.appendAttachment(a);
    t.appendText(QStringLiteral("\fnext page"), CharFormat{});
    return t;
}
}

TEST(Rtfd, FolderRoundTripKeepsTextAndAttachments)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Winelist.rtfd"));
    const QByteArray png = picture("PNG", Qt::darkRed, QSize(12, 9));
    const RichText t = sample();
    ASSERT_EQ(Rtfd::write(folder, t), QString());

    const QStringList files = QDir(folder).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(files, (QStringList{QStringLiteral("TXT.rtf"), QStringLiteral("label.png"), QStringLiteral("notes.pdf"),
                                  QStringLiteral("photo.jpg")}));
    QString error;
    EXPECT_EQ(AtomicFile::read(QDir(folder).filePath(QStringLiteral("notes.pdf")), &error),
              sample().attachmentAt(sample().attachmentPositions()[2])->bytes);
    const RichText back = Rtfd::read(folder, &error);
    EXPECT_EQ(error, QString());
    EXPECT_EQ(back, t) << describe(back) << "---\n" << describe(t);

    // Writing over it replaces the whole folder and leaves nothing else behind.
    const RichText other = withPicture(QStringLiteral("grape.png"), png);
    ASSERT_EQ(RichTextFile::write(folder, other), QString());
    EXPECT_EQ(QDir(folder).entryList(QDir::Files, QDir::Name),
              (QStringList{QStringLiteral("TXT.rtf"), QStringLiteral("grape.png")}));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("Winelist.rtfd")});
    EXPECT_EQ(RichTextFile::read(folder, &error), other);
}

TEST(Rtfd, AttachmentNamesStayInsideTheFolderAndUnique)
{
    RichText t = withPicture(QStringLiteral("../../escape.png"), picture("PNG", Qt::red));
    for (const char* name : {"a.png", "A.png", "TXT.rtf", "", ".hidden"}) {
        Attachment a;
        a.name = QString::fromUtf8(name);
        a.bytes = picture("PNG", Qt::blue);
        t.appendAttachment(a);
    }
    const QStringList names = Rtfd::fileNames(t);
    EXPECT_EQ(names, (QStringList{QStringLiteral("_.._escape.png"), QStringLiteral("a.png"), QStringLiteral("A 2.png"),
                                  QStringLiteral("TXT 2.rtf"), QStringLiteral("Attachment 5.png"),
                                  QStringLiteral("hidden")}));

    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("x.rtfd"));
    ASSERT_EQ(Rtfd::write(folder, t), QString());
    QString error;
    const RichText back = Rtfd::read(folder, &error);
    ASSERT_EQ(back.attachmentPositions().size(), 6);
    EXPECT_EQ(back.attachmentAt(back.attachmentPositions()[3])->bytes, picture("PNG", Qt::blue));
    EXPECT_TRUE(AtomicFile::read(QDir(folder).filePath(QStringLiteral("TXT.rtf")), &error).startsWith("{\\rtf"));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("escape.png"))));
}

TEST(Rtfd, MissingFilesAndBadFolders)
{
    QTemporaryDir dir;
    QString error;
    EXPECT_TRUE(Rtfd::read(dir.filePath(QStringLiteral("none.rtfd")), &error).isEmpty());
    EXPECT_FALSE(error.isEmpty());

    const QString folder = dir.filePath(QStringLiteral("m.rtfd"));
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(Rtfd::read(folder, &error).isEmpty());
    EXPECT_FALSE(error.isEmpty());

    // A reference to a missing file or to a file outside keeps its place, without bytes.
    ASSERT_EQ(AtomicFile::write(dir.filePath(QStringLiteral("secret.png")), "secret"), QString());
    ASSERT_EQ(AtomicFile::write(QDir(folder).filePath(QStringLiteral("TXT.rtf")),
                                "{\\rtf1 a{{\\NeXTGraphic gone.png \\width200 \\height100}\\'ac}b"
                                "{{\\NeXTGraphic ../secret.png}\\'ac}c}"),
              QString());
    const RichText t = Rtfd::read(folder, &error);
    EXPECT_EQ(error, QString());
    EXPECT_EQ(t.text(), QStringLiteral("a\uFFFCb\uFFFCc"));
    EXPECT_EQ(t.attachmentAt(1)->name, QStringLiteral("gone.png"));
    EXPECT_EQ(t.attachmentAt(1)->size, QSizeF(10, 5));
    EXPECT_TRUE(t.attachmentAt(1)->bytes.isEmpty());
    EXPECT_TRUE(t.attachmentAt(3)->bytes.isEmpty());

    // A failed write leaves the old folder alone.
    const QString blocked = dir.filePath(QStringLiteral("file.rtfd"));
    ASSERT_EQ(AtomicFile::write(blocked, "keep"), QString());
    EXPECT_FALSE(Rtfd::write(blocked, t).isEmpty());
    EXPECT_EQ(AtomicFile::read(blocked, &error), QByteArray("keep"));
    EXPECT_FALSE(Rtfd::write(dir.filePath(QStringLiteral("no/such/x.rtfd")), t).isEmpty());
}

TEST(RichTextFiles, ChooseTheirFormatByExtension)
{
    QTemporaryDir dir;
    QString error;
    const RichText t = withPicture(QStringLiteral("p.png"), picture("PNG", Qt::red));
    for (const char* name : {"t.rtf", "t.rtfd"}) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        ASSERT_EQ(RichTextFile::write(path, t), QString());
        EXPECT_EQ(RichTextFile::read(path, &error), t) << name;
        EXPECT_EQ(error, QString());
    }
    const QString html = dir.filePath(QStringLiteral("t.html"));
    ASSERT_EQ(RichTextFile::write(html, t), QString());
    const RichText fromHtml = RichTextFile::read(html, &error);
    EXPECT_EQ(fromHtml.plainText(), t.plainText());
    EXPECT_EQ(fromHtml.attachmentAt(fromHtml.attachmentPositions().value(0))->bytes,
              t.attachmentAt(t.attachmentPositions()[0])->bytes);

    const QString txt = dir.filePath(QStringLiteral("t.txt"));
    ASSERT_EQ(RichTextFile::write(txt, t), QString());
    EXPECT_EQ(AtomicFile::read(txt, &error), t.plainText().toUtf8());
    ASSERT_EQ(AtomicFile::write(txt, "Ch\xe2teau \x80"), QString());
    EXPECT_EQ(RichTextFile::read(txt, &error).text(), QStringLiteral("Ch\u00e2teau \u20ac"));
    ASSERT_EQ(AtomicFile::write(txt, QStringLiteral("Ch\u00e2teau \u20ac").toUtf8()), QString());
    EXPECT_EQ(RichTextFile::read(txt, &error).text(), QStringLiteral("Ch\u00e2teau \u20ac"));

    EXPECT_TRUE(RichTextFile::read(dir.filePath(QStringLiteral("missing.rtf")), &error).isEmpty());
    EXPECT_FALSE(error.isEmpty());
}
