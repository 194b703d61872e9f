#include <gtest/gtest.h>

#include "platform/addressbook/VCardLine.h"

using namespace VCardSyntax;

namespace {
QList<QByteArray> physicalLines(const QByteArray& folded)
{
    QList<QByteArray> out = folded.split('\n');
    EXPECT_TRUE(out.last().isEmpty()) << "ends with a line break";
    out.removeLast();
    for (QByteArray& l : out) {
        EXPECT_TRUE(l.endsWith('\r')) << "every line ends in CRLF";
        l.chop(1);
    }
    return out;
}
}

TEST(VCardSyntax, FoldsAt75OctetsWithoutSplittingUtf8)
{
    // "ä" (2 octets) straddles the first 75-octet edge, "€" (3 octets) the second;
    // "𝄞" (4 octets) and more "€" follow.
    const QString text = QString(69, u'a') + QStringLiteral("ä") + QString(71, u'b') + QStringLiteral("€")
        + QString(40, u'c') + QStringLiteral("𝄞€€€€€€€€€€€€€€€€€€€€€€€€€€€€€€€€€");
    const QByteArray line = "NOTE:" + escapeText(text);
    QByteArray out;
    appendFolded(out, line);
    const QList<QByteArray> lines = physicalLines(out);
    ASSERT_GT(lines.size(), 2);
    QByteArray unfolded;
    for (int i = 0; i < lines.size(); ++i) {
        EXPECT_LE(lines[i].size(), 75) << "line " << i;
        if (i > 0) {
            ASSERT_TRUE(lines[i].startsWith(' '));
            unfolded += lines[i].mid(1);
        } else {
            unfolded += lines[i];
        }
        // Each physical line is valid UTF-8 on its own.
        const QByteArray part = i > 0 ? lines[i].mid(1) : lines[i];
        EXPECT_EQ(QString::fromUtf8(part).toUtf8(), part) << "line " << i << " splits a character";
    }
    EXPECT_EQ(unfolded, line);
    // The cuts fall before "ä" and before "€", not inside them.
    EXPECT_EQ(lines[0].size(), 74);
    EXPECT_TRUE(lines[1].startsWith(" ä"));
    EXPECT_EQ(lines[1].size(), 74);
    EXPECT_TRUE(lines[2].startsWith(" €"));

    // A line of exactly 75 octets is not folded; 76 is.
    QByteArray exact;
    appendFolded(exact, QByteArray(75, 'x'));
    EXPECT_EQ(exact, QByteArray(75, 'x') + "\r\n");
    QByteArray over;
    appendFolded(over, QByteArray(76, 'x'));
    EXPECT_EQ(over, QByteArray(75, 'x') + "\r\n x\r\n");
}

TEST(VCardSyntax, EscapesAndUnescapesTextValues)
{
    const QString text = QStringLiteral("a,b;c\\d\ne\r\nf");
    const QByteArray escaped = escapeText(text);
    EXPECT_EQ(escaped, QByteArray("a\\,b\\;c\\\\d\\ne\\nf"));
    EXPECT_EQ(unescapeText(escaped), QStringLiteral("a,b;c\\d\ne\nf"));
    EXPECT_EQ(unescapeText("x\\Ny"), QStringLiteral("x\ny"));

    // Compound values split only at unescaped semicolons.
    const QStringList parts = components("Gasse 3\\; Hof;Krems\\, Stadt;;3500\\\\");
    ASSERT_EQ(parts.size(), 4);
    EXPECT_EQ(parts[0], QStringLiteral("Gasse 3; Hof"));
    EXPECT_EQ(parts[1], QStringLiteral("Krems, Stadt"));
    EXPECT_EQ(parts[2], QString());
    EXPECT_EQ(parts[3], QStringLiteral("3500\\"));
}

TEST(VCardSyntax, ParameterValuesAreQuotedAndCaretEncoded)
{
    EXPECT_EQ(paramValue(QStringLiteral("plain")), QByteArray("plain"));
    EXPECT_EQ(paramValue(QStringLiteral("a;b:c,d")), QByteArray("\"a;b:c,d\""));
    EXPECT_EQ(paramValue(QStringLiteral("say \"hi\"^\nnow")), QByteArray("say ^'hi^'^^^nnow"));

    VCardLine line;
    line.text = "item1.tel;type=work,\"a;b\";X-ABLABEL=\"say ^'hi^'^^^nnow:x\";pref=1:+43 1 234";
    QString error;
    ASSERT_TRUE(line.parse(&error)) << error.toStdString();
    EXPECT_EQ(line.group, QByteArray("item1"));
    EXPECT_EQ(line.name, QByteArray("TEL"));
    EXPECT_EQ(line.param("TYPE"), (QStringList{"work", "a;b"}));
    EXPECT_EQ(line.param("X-ABLABEL"), QStringList{QStringLiteral("say \"hi\"^\nnow:x")});
    EXPECT_EQ(line.value, QByteArray("+43 1 234"));
}

TEST(VCardSyntax, RejectsMalformedInput)
{
    const char* bad[] = {
        "BEGIN:VCARD\r\nNOCOLON\r\nEND:VCARD\r\n",
        " continuation first\r\n",
        "BEGIN:VCARD\r\nTEL;TYPE=\"open:1\r\nEND:VCARD\r\n",
        "BEGIN:VCARD\r\nNOTE:a\x01" "b\r\nEND:VCARD\r\n",
        "BEGIN:VCARD\r\n;X=1:v\r\nEND:VCARD\r\n",
    };
    for (const char* b : bad) {
        QList<VCardLine> lines;
        QString error;
        EXPECT_FALSE(splitLines(b, &lines, &error)) << b;
        EXPECT_FALSE(error.isEmpty());
    }
    // Folded input with LF-only breaks and tab continuations unfolds.
    QList<VCardLine> lines;
    QString error;
    ASSERT_TRUE(splitLines("BEGIN:VCARD\nNOTE:ab\n\tcd\n  ef\nEND:VCARD", &lines, &error));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[1].value, QByteArray("abcd ef"));
}
