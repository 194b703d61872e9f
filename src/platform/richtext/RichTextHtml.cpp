#include "platform/richtext/RichTextHtml.h"
#include "platform/richtext/RichText.h"
#include "platform/richtext/RichTextDocument.h"

#include <QDir>
#include <QTextDocument>
#include <QUrl>

namespace {
QString style(const CharFormat& f)
{
    QString s;
    if (!f.font.isEmpty())
        s += QStringLiteral("font-family:'%1';").arg(f.font.toHtmlEscaped().replace(u'\'', QLatin1String("&#39;")));
    s += QStringLiteral("font-size:%1pt;").arg(f.size);
    if (f.bold)
        s += QLatin1String("font-weight:bold;");
    if (f.italic)
        s += QLatin1String("font-style:italic;");
    if (f.underline)
        s += QLatin1String("text-decoration:underline;");
    if (f.colour.isValid())
        s += QStringLiteral("color:%1;").arg(f.colour.name());
    return s;
}

QString paragraphStyle(const ParagraphFormat& p, bool pageBreak)
{
    QString s = QStringLiteral("white-space:pre-wrap;"); // tabs and runs of blanks stay
    switch (p.alignment) {
    case ParagraphFormat::Alignment::Left: break;
    case ParagraphFormat::Alignment::Right: s += QLatin1String("text-align:right;"); break;
    case ParagraphFormat::Alignment::Center: s += QLatin1String("text-align:center;"); break;
    case ParagraphFormat::Alignment::Justified: s += QLatin1String("text-align:justify;"); break;
    }
    if (pageBreak)
        s += QLatin1String("page-break-before:always;");
    return QStringLiteral(" style=\"%1\"").arg(s);
}

QString attachmentHtml(const Attachment& a)
{
    const QString name = a.name.toHtmlEscaped();
    if (a.isPng() || a.isJpeg()) {
        QString img = QStringLiteral("<img src=\"data:image/%1;base64,%2\" alt=\"%3\"")
                          .arg(a.isPng() ? QStringLiteral("png") : QStringLiteral("jpeg"),
                               QString::fromLatin1(a.bytes.toBase64()), name);
        if (!a.size.isEmpty())
            img += QStringLiteral(" width=\"%1\" height=\"%2\"").arg(qRound(a.size.width())).arg(qRound(a.size.height()));
        return img + u'>';
    }
    return QStringLiteral("<a download=\"%1\" href=\"data:application/octet-stream;base64,%2\">%1</a>")
        .arg(name, QString::fromLatin1(a.bytes.toBase64()));
}
}

namespace RichTextHtml {
QString toHtml(const RichText& text)
{
    QString out = QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"></head>\n"
                                 "<body>\n");
    const QString& s = text.text();
    bool open = false;
    bool pageBreak = false;
    qsizetype pos = 0;
    for (const RichText::Run& r : text.runs()) {
        const qsizetype end = pos + r.length;
        QString span;
        const auto flush = [&] {
            if (!span.isEmpty())
                out += QStringLiteral("<span style=\"%1\">%2</span>").arg(style(r.format), span);
            span.clear();
        };
        for (; pos < end; ++pos) {
            const QChar c = s[pos];
            if (!open) {
                out += QStringLiteral("<p%1>").arg(paragraphStyle(r.paragraph, pageBreak));
                open = true;
            }
            if (c == u'\n' || c == RichText::PageBreak) {
                flush();
                out += QLatin1String("</p>"); // a line end here would read back as a blank
                open = false;
                pageBreak = c == RichText::PageBreak;
            } else if (r.attachment) {
                out += attachmentHtml(*r.attachment);
            } else if (c == RichText::LineBreak) {
                flush();
                out += QLatin1String("<br>");
            } else if (c == u'<') {
                span += QLatin1String("&lt;");
            } else if (c == u'>') {
                span += QLatin1String("&gt;");
            } else if (c == u'&') {
                span += QLatin1String("&amp;");
            } else if (c == u'"') {
                span += QLatin1String("&quot;");
            } else {
                span += c;
            }
        }
        flush();
    }
    if (open)
        out += QLatin1String("</p>");
    else if (pageBreak)
        out += QStringLiteral("<p%1></p>").arg(paragraphStyle({}, true));
    out += QLatin1String("</body></html>");
    return out;
}

RichText fromHtml(const QString& html, const QString& baseFolder)
{
    QTextDocument doc;
    if (!baseFolder.isEmpty())
        doc.setBaseUrl(QUrl::fromLocalFile(QDir(baseFolder).absolutePath() + u'/'));
    doc.setHtml(html);
    return RichTextDocument::fromTextDocument(doc);
}
}
