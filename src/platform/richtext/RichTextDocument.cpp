#include "platform/richtext/RichTextDocument.h"
#include "platform/richtext/RichText.h"

#include <QAtomicInt>
#include <QBuffer>
#include <QImage>
#include <QPixmap>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

namespace {
// Image formats carry the attachment itself, so that it survives editing unchanged.
constexpr int kBytesProperty = QTextFormat::UserProperty + 0x4b01;
constexpr int kNameProperty = QTextFormat::UserProperty + 0x4b02;
constexpr int kSizeProperty = QTextFormat::UserProperty + 0x4b03;
// Page attributes ride on the document as dynamic properties.
constexpr const char* kPaperProperty = "kelvanPaperSize";
constexpr const char* kMarginProperties[4] = {"kelvanLeftMargin", "kelvanRightMargin", "kelvanTopMargin",
                                              "kelvanBottomMargin"};

QTextCharFormat toCharFormat(const CharFormat& f)
{
    QTextCharFormat c;
    if (!f.font.isEmpty())
        c.setFontFamilies(QStringList{f.font});
    c.setFontPointSize(f.size);
    c.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
    c.setFontItalic(f.italic);
    c.setFontUnderline(f.underline);
    if (f.colour.isValid())
        c.setForeground(f.colour);
    return c;
}

CharFormat fromCharFormat(const QTextCharFormat& c)
{
    CharFormat f;
    const QStringList families = c.fontFamilies().toStringList();
    if (!families.isEmpty())
        f.font = families.first();
    if (c.hasProperty(QTextFormat::FontPointSize) && c.fontPointSize() > 0)
        f.size = c.fontPointSize();
    else if (c.hasProperty(QTextFormat::FontPixelSize) && c.intProperty(QTextFormat::FontPixelSize) > 0)
        f.size = c.intProperty(QTextFormat::FontPixelSize) * 0.75;
    f.bold = c.fontWeight() >= QFont::DemiBold;
    f.italic = c.fontItalic();
    f.underline = c.fontUnderline();
    if (c.hasProperty(QTextFormat::ForegroundBrush) && c.foreground().style() != Qt::NoBrush)
        f.colour = c.foreground().color().toRgb();
    return f;
}

QTextBlockFormat toBlockFormat(const ParagraphFormat& p, bool pageBreak)
{
    QTextBlockFormat b;
    switch (p.alignment) {
    case ParagraphFormat::Alignment::Left: b.setAlignment(Qt::AlignLeft); break;
    case ParagraphFormat::Alignment::Right: b.setAlignment(Qt::AlignRight); break;
    case ParagraphFormat::Alignment::Center: b.setAlignment(Qt::AlignHCenter); break;
    case ParagraphFormat::Alignment::Justified: b.setAlignment(Qt::AlignJustify); break;
    }
    QList<QTextOption::Tab> tabs;
    for (const double t : p.tabs)
        tabs.append(QTextOption::Tab(t, QTextOption::LeftTab));
    b.setTabPositions(tabs);
    if (pageBreak)
        b.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    return b;
}

ParagraphFormat fromBlockFormat(const QTextBlockFormat& b)
{
    ParagraphFormat p;
    const Qt::Alignment h = b.alignment() & Qt::AlignHorizontal_Mask;
    if (h & Qt::AlignJustify)
        p.alignment = ParagraphFormat::Alignment::Justified;
    else if (h & Qt::AlignHCenter)
        p.alignment = ParagraphFormat::Alignment::Center;
    else if (h & Qt::AlignRight)
        p.alignment = ParagraphFormat::Alignment::Right;
    for (const QTextOption::Tab& t : b.tabPositions())
        p.tabs.append(t.position);
    return p;
}

QTextImageFormat toImageFormat(const Attachment& a, const CharFormat& f, QTextDocument* doc)
{
    static QAtomicInt counter;
    const QUrl url(QStringLiteral("kelvan-attachment:%1/%2")
                       .arg(counter.fetchAndAddRelaxed(1))
                       .arg(QString::fromLatin1(QUrl::toPercentEncoding(a.name))));
    QTextImageFormat img;
    img.merge(toCharFormat(f));
    img.setName(url.toString());
    img.setProperty(kBytesProperty, a.bytes);
    img.setProperty(kNameProperty, a.name);
    if (!a.size.isEmpty()) {
        img.setProperty(kSizeProperty, a.size);
        img.setWidth(a.size.width());
        img.setHeight(a.size.height());
    }
    const QImage image = QImage::fromData(a.bytes);
    if (!image.isNull())
        doc->addResource(QTextDocument::ImageResource, url, image);
    return img;
}

Attachment fromImageFormat(const QTextImageFormat& img, const QTextDocument& doc, int n)
{
    Attachment a;
    if (img.hasProperty(kBytesProperty)) {
        a.bytes = img.property(kBytesProperty).toByteArray();
        a.name = img.property(kNameProperty).toString();
        a.size = img.property(kSizeProperty).toSizeF();
        return a;
    }
    // An image that came in some other way (HTML, pasting): keep its picture.
    const QUrl url(img.name());
    const QVariant r = doc.resource(QTextDocument::ImageResource, url);
    QImage image;
    if (r.typeId() == QMetaType::QByteArray) {
        const QByteArray bytes = r.toByteArray();
        image = QImage::fromData(bytes);
        if (bytes.startsWith("\x89PNG\r\n\x1a\n") || bytes.startsWith("\xFF\xD8\xFF"))
            a.bytes = bytes;
    } else if (r.typeId() == QMetaType::QImage) {
        image = r.value<QImage>();
    } else if (r.typeId() == QMetaType::QPixmap) {
        image = r.value<QPixmap>().toImage();
    }
    if (a.bytes.isEmpty() && !image.isNull()) {
        QBuffer buffer(&a.bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
    }
    const QString file = url.fileName();
    const QString ext = a.bytes.startsWith("\xFF\xD8\xFF") ? QStringLiteral("jpg") : QStringLiteral("png");
    a.name = !file.isEmpty() && !url.scheme().startsWith(QLatin1String("data"))
                 ? file
                 : QStringLiteral("Picture %1.%2").arg(n).arg(ext);
    if (img.width() > 0 && img.height() > 0)
        a.size = QSizeF(img.width(), img.height());
    return a;
}
}

namespace RichTextDocument {
void insert(QTextCursor& cursor, const RichText& text)
{
    QTextDocument* doc = cursor.document();
    cursor.beginEditBlock();
    const QString& s = text.text();
    // A new paragraph gets its attributes from its first character.
    bool blockNeedsFormat = cursor.block().length() <= 1;
    bool pageBreak = false;
    qsizetype pos = 0;
    const auto formatBlock = [&](const ParagraphFormat& p) {
        if (blockNeedsFormat) {
            cursor.setBlockFormat(toBlockFormat(p, pageBreak));
            blockNeedsFormat = false;
        }
    };
    for (const RichText::Run& r : text.runs()) {
        const QTextCharFormat cf = toCharFormat(r.format);
        if (r.attachment) {
            formatBlock(r.paragraph);
            cursor.insertImage(toImageFormat(*r.attachment, r.format, doc));
            pos += r.length;
            continue;
        }
        const qsizetype end = pos + r.length;
        qsizetype from = pos;
        for (; pos < end; ++pos) {
            const QChar c = s[pos];
            if (c != u'\n' && c != RichText::PageBreak)
                continue;
            formatBlock(r.paragraph);
            if (pos > from)
                cursor.insertText(s.mid(from, pos - from), cf);
            cursor.insertBlock(QTextBlockFormat(), cf);
            blockNeedsFormat = true;
            pageBreak = c == RichText::PageBreak;
            from = pos + 1;
        }
        if (pos > from) {
            formatBlock(r.paragraph);
            cursor.insertText(s.mid(from, pos - from), cf);
        }
    }
    if (blockNeedsFormat)
        formatBlock(text.runs().empty() ? ParagraphFormat{} : text.runs().back().paragraph);
    cursor.endEditBlock();
}

void toTextDocument(const RichText& text, QTextDocument* document)
{
    document->clear();
    QTextCursor cursor(document);
    insert(cursor, text);
    const PageAttributes& page = text.page();
    document->setProperty(kPaperProperty, page.paperSize ? QVariant(*page.paperSize) : QVariant());
    const std::optional<double> margins[4] = {page.leftMargin, page.rightMargin, page.topMargin, page.bottomMargin};
    for (int i = 0; i < 4; ++i)
        document->setProperty(kMarginProperties[i], margins[i] ? QVariant(*margins[i]) : QVariant());
}

RichText fromTextDocument(const QTextDocument& document)
{
    QString text;
    std::vector<RichText::Run> runs;
    int pictures = 0;
    const auto add = [&](const QString& s, const CharFormat& f, const ParagraphFormat& p, AttachmentPtr a = {}) {
        text += s;
        runs.push_back(RichText::Run{s.size(), f, p, std::move(a)});
    };
    ParagraphFormat previous;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        const ParagraphFormat p = fromBlockFormat(b.blockFormat());
        if (b != document.begin()) {
            const bool pageBreak = b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore;
            // The separator that starts a block carries the block's character format.
            add(QString(pageBreak ? RichText::PageBreak : QChar(u'\n')), fromCharFormat(b.charFormat()), previous);
        }
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment frag = it.fragment();
            const QTextCharFormat cf = frag.charFormat();
            const CharFormat f = fromCharFormat(cf);
            if (cf.isImageFormat()) {
                for (int i = 0; i < frag.length(); ++i)
                    add(QString(RichText::AttachmentChar), f, p,
                        std::make_shared<const Attachment>(fromImageFormat(cf.toImageFormat(), document, ++pictures)));
                continue;
            }
            QString s = frag.text();
            s.remove(RichText::AttachmentChar);
            s.replace(QChar::ParagraphSeparator, u'\n');
            add(s, f, p);
        }
        previous = p;
    }
    RichText out = RichText::fromRuns(std::move(text), std::move(runs));
    PageAttributes& page = out.page();
    const QVariant paper = document.property(kPaperProperty);
    if (paper.isValid())
        page.paperSize = paper.toSizeF();
    std::optional<double>* margins[4] = {&page.leftMargin, &page.rightMargin, &page.topMargin, &page.bottomMargin};
    for (int i = 0; i < 4; ++i) {
        const QVariant v = document.property(kMarginProperties[i]);
        if (v.isValid())
            *margins[i] = v.toDouble();
    }
    return out;
}
}
