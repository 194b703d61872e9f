#include "platform/richtext/RtfWriter.h"
#include "platform/richtext/RichText.h"
#include "platform/richtext/RtfCodePages.h"

#include <QSize>
#include <cmath>

namespace {
quint32 bigEndian(const QByteArray& b, qsizetype at, int bytes)
{
    quint32 v = 0;
    for (int i = 0; i < bytes; ++i)
        v = (v << 8) | uchar(b[at + i]);
    return v;
}

// Pixel size from the picture's header; invalid when the header is damaged.
QSize pixelSize(const Attachment& a)
{
    const QByteArray& b = a.bytes;
    if (a.isPng())
        return b.size() >= 24 && b.mid(12, 4) == "IHDR" ? QSize(int(bigEndian(b, 16, 4) & 0x7fffffff),
                                                                 int(bigEndian(b, 20, 4) & 0x7fffffff))
                                                        : QSize();
    // JPEG: walk the segments up to a start-of-frame marker.
    qsizetype i = 2;
    while (i + 9 < b.size() && uchar(b[i]) == 0xFF) {
        const uchar marker = uchar(b[i + 1]);
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            return QSize(int(bigEndian(b, i + 7, 2)), int(bigEndian(b, i + 5, 2)));
        i += 2 + qsizetype(bigEndian(b, i + 2, 2));
    }
    return QSize();
}

class Writer {
public:
    Writer(const RichText& text, const RtfWriter::Options& options) : m_text(text), m_options(options) {}
    QByteArray run();

private:
    void word(const char* w) { m_out += w; m_delimit = true; }
    void word(const char* w, qint64 n)
    {
        m_out += w;
        m_out += QByteArray::number(n);
        m_delimit = true;
    }
    void textChar(char16_t c);
    void escapedText(const QString& s);
    void charFormat(const CharFormat& f);
    void paragraphFormat(const ParagraphFormat& p);
    void attachment(const Attachment& a, int index);
    void data(const QByteArray& bytes);
    static int twips(double points) { return int(std::lround(points * 20)); }

    const RichText& m_text;
    const RtfWriter::Options& m_options;
    QByteArray m_out;
    bool m_delimit = false; // the last control word needs a space before text
    QStringList m_fonts;
    QList<QColor> m_colours;
    CharFormat m_format;
    ParagraphFormat m_paragraph;
};

void Writer::textChar(char16_t c)
{
    if (c >= 0x20 && c < 0x7F) {
        if (m_delimit) {
            m_out += ' ';
            m_delimit = false;
        }
        if (c == '\\' || c == '{' || c == '}')
            m_out += '\\';
        m_out += char(c);
        return;
    }
    switch (c) {
    case u'\t': word("\\tab"); return;
    case u'\n':
        word("\\par");
        m_out += '\n';
        m_delimit = false;
        return;
    case u'\f':
        word("\\page");
        m_out += '\n';
        m_delimit = false;
        return;
    case 0x2028: word("\\line"); return;
    default: break;
    }
    const int b = RtfCodePages::windows1252Byte(c);
    if (b >= 0) {
        static const char hex[] = "0123456789abcdef";
        m_out += "\\'";
        m_out += hex[b >> 4];
        m_out += hex[b & 15];
        m_delimit = false;
        return;
    }
    word("\\u", qint16(c));
    m_out += '?'; // the fallback for readers without Unicode (\uc1)
    m_delimit = false;
}

void Writer::escapedText(const QString& s)
{
    for (const QChar c : s)
        textChar(c.unicode());
}

void Writer::charFormat(const CharFormat& f)
{
    if (f.font != m_format.font)
        word("\\f", f.font.isEmpty() ? 0 : m_fonts.indexOf(f.font) + 1);
    if (f.size != m_format.size)
        word("\\fs", std::lround(std::clamp(f.size, 0.5, 1638.0) * 2));
    if (f.bold != m_format.bold)
        word(f.bold ? "\\b" : "\\b0");
    if (f.italic != m_format.italic)
        word(f.italic ? "\\i" : "\\i0");
    if (f.underline != m_format.underline)
        word(f.underline ? "\\ul" : "\\ulnone");
    if (f.colour != m_format.colour)
        word("\\cf", f.colour.isValid() ? m_colours.indexOf(f.colour) + 1 : 0);
    m_format = f;
}

void Writer::paragraphFormat(const ParagraphFormat& p)
{
    word("\\pard");
    switch (p.alignment) {
    case ParagraphFormat::Alignment::Left: break;
    case ParagraphFormat::Alignment::Right: word("\\qr"); break;
    case ParagraphFormat::Alignment::Center: word("\\qc"); break;
    case ParagraphFormat::Alignment::Justified: word("\\qj"); break;
    }
    for (const double tab : p.tabs)
        word("\\tx", twips(tab));
    m_paragraph = p;
}

void Writer::data(const QByteArray& bytes)
{
    if (m_options.pictures == RtfWriter::Pictures::Binary) {
        word("\\bin", bytes.size());
        m_out += ' ';
        m_out += bytes;
        m_delimit = false;
        return;
    }
    m_out += '\n';
    const QByteArray hex = bytes.toHex();
    for (qsizetype i = 0; i < hex.size(); i += 128) {
        m_out.append(hex.constData() + i, std::min<qsizetype>(128, hex.size() - i));
        m_out += '\n';
    }
    m_delimit = false;
}

void Writer::attachment(const Attachment& a, int index)
{
    const bool sized = !a.size.isEmpty();
    if (m_options.pictures == RtfWriter::Pictures::FileReferences) {
        // The attachment character stays in the text as a placeholder after the reference.
        m_out += "{{";
        word("\\NeXTGraphic");
        escapedText(index < m_options.fileNames.size() ? m_options.fileNames[index] : a.name);
        m_out += ' ';
        m_delimit = false;
        if (sized) {
            word("\\width", twips(a.size.width()));
            word("\\height", twips(a.size.height()));
        }
        m_out += "}\\'ac}";
        m_delimit = false;
        return;
    }
    const bool picture = a.isPng() || a.isJpeg();
    if (picture) {
        m_out += '{';
        word(a.isPng() ? "\\pict\\pngblip" : "\\pict\\jpegblip");
        const QSize pixels = pixelSize(a);
        if (pixels.isValid()) {
            word("\\picw", pixels.width());
            word("\\pich", pixels.height());
        }
    } else {
        // Files that are no picture RTF knows ride in a destination of our own,
        // which other readers skip.
        m_out += "{\\*";
        word("\\kelvanfile");
    }
    if (sized) {
        word("\\picwgoal", twips(a.size.width()));
        word("\\pichgoal", twips(a.size.height()));
    }
    m_out += "{\\*";
    word("\\kelvanname");
    escapedText(a.name);
    m_out += '}';
    m_delimit = false;
    data(a.bytes);
    m_out += '}';
}

QByteArray Writer::run()
{
    const auto& runs = m_text.runs();
    for (const auto& r : runs) {
        if (!r.format.font.isEmpty() && !m_fonts.contains(r.format.font))
            m_fonts.append(r.format.font);
        if (r.format.colour.isValid() && !m_colours.contains(r.format.colour))
            m_colours.append(r.format.colour);
    }
    m_out.reserve(m_text.length() + m_text.length() / 4 + 1024);
    // Font 0 is left out of the table on purpose: it stands for the reader's default font.
    m_out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl";
    for (qsizetype i = 0; i < m_fonts.size(); ++i) {
        m_out += "{\\f" + QByteArray::number(i + 1) + "\\fnil\\fcharset0";
        m_delimit = true;
        for (const QChar c : m_fonts[i]) {
            if (c == u';')
                m_out += "\\'3b"; // a plain semicolon would end the entry
            else
                textChar(c.unicode());
        }
        m_out += ";}";
        m_delimit = false;
    }
    m_out += "}\n{\\colortbl;";
    for (const QColor& c : m_colours)
        m_out += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green()) + "\\blue"
                 + QByteArray::number(c.blue()) + ';';
    m_out += "}\n";
    const PageAttributes& page = m_text.page();
    if (page.paperSize) {
        word("\\paperw", twips(page.paperSize->width()));
        word("\\paperh", twips(page.paperSize->height()));
    }
    if (page.leftMargin)
        word("\\margl", twips(*page.leftMargin));
    if (page.rightMargin)
        word("\\margr", twips(*page.rightMargin));
    if (page.topMargin)
        word("\\margt", twips(*page.topMargin));
    if (page.bottomMargin)
        word("\\margb", twips(*page.bottomMargin));
    paragraphFormat(ParagraphFormat{});

    const QString& text = m_text.text();
    qsizetype pos = 0;
    int attachmentIndex = 0;
    bool paragraphStart = true;
    for (const auto& r : runs) {
        if (paragraphStart && !(r.paragraph == m_paragraph))
            paragraphFormat(r.paragraph);
        charFormat(r.format);
        if (r.attachment) {
            attachment(*r.attachment, attachmentIndex++);
            pos += r.length;
            paragraphStart = false;
            continue;
        }
        const qsizetype end = pos + r.length;
        for (; pos < end; ++pos) {
            if (paragraphStart && !(r.paragraph == m_paragraph))
                paragraphFormat(r.paragraph);
            const char16_t c = text[pos].unicode();
            textChar(c);
            paragraphStart = c == u'\n' || c == u'\f';
        }
    }
    m_out += "}\n";
    return m_out;
}
}

QByteArray RtfWriter::write(const RichText& text, const Options& options)
{
    return Writer(text, options).run();
}

QByteArray RtfWriter::write(const RichText& text)
{
    return write(text, Options{});
}
