#include "platform/richtext/RtfReader.h"
#include "platform/richtext/RichText.h"
#include "platform/richtext/RtfCodePages.h"

#include <QHash>
#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace {
constexpr int kMaxDepth = 1000;

enum class Dest : quint8 {
    Text,       // document text
    Skip,       // ignored with everything inside
    Object,     // an embedded object: only its \result shows
    FontTable,
    ColorTable,
    Picture,    // \pict: hexadecimal or binary picture data
    File,       // our own embedded file of any kind
    Name,       // the file name of the enclosing picture or file
    FileRef,    // a reference to an attachment file beside the text
};

enum class Kw {
    Unknown,
    // destinations
    FontTbl, ColorTbl, Pict, ShpPict, NonShpPict, Object, Result, Field, FldInst, FldRslt,
    KelvanFile, KelvanName, FileGraphic, SkipDest,
    // text
    Par, Sect, Line, Page, Tab, Cell, Row, Char, U, Uc, Bin,
    // formats
    Plain, Pard, F, Fs, B, I, Ul, UlNone, Cf, Ql, Qr, Qc, Qj, Tx,
    // document
    Ansi, Mac, Pc, Pca, AnsiCpg, Deff, PaperW, PaperH, MargL, MargR, MargT, MargB,
    // tables and pictures
    FCharset, Cpg, Red, Green, Blue, PngBlip, JpegBlip, OtherBlip, PicWGoal, PicHGoal,
    PicScaleX, PicScaleY, Width, Height,
};

struct KwInfo {
    Kw kw;
    char16_t ch = 0; // for Kw::Char
};

const std::unordered_map<std::string_view, KwInfo>& keywords()
{
    static const std::unordered_map<std::string_view, KwInfo> table = [] {
        std::unordered_map<std::string_view, KwInfo> t{
            {"fonttbl", {Kw::FontTbl}}, {"colortbl", {Kw::ColorTbl}}, {"pict", {Kw::Pict}},
            {"shppict", {Kw::ShpPict}}, {"nonshppict", {Kw::NonShpPict}}, {"object", {Kw::Object}},
            {"result", {Kw::Result}}, {"field", {Kw::Field}}, {"fldinst", {Kw::FldInst}},
            {"fldrslt", {Kw::FldRslt}}, {"kelvanfile", {Kw::KelvanFile}},
            {"kelvanname", {Kw::KelvanName}}, {"NeXTGraphic", {Kw::FileGraphic}},
            {"par", {Kw::Par}}, {"sect", {Kw::Sect}}, {"line", {Kw::Line}}, {"page", {Kw::Page}},
            {"tab", {Kw::Tab}}, {"cell", {Kw::Cell}}, {"nestcell", {Kw::Cell}}, {"row", {Kw::Row}},
            {"nestrow", {Kw::Row}}, {"u", {Kw::U}}, {"uc", {Kw::Uc}}, {"bin", {Kw::Bin}},
            {"plain", {Kw::Plain}}, {"pard", {Kw::Pard}}, {"f", {Kw::F}}, {"fs", {Kw::Fs}},
            {"b", {Kw::B}}, {"i", {Kw::I}}, {"ulnone", {Kw::UlNone}}, {"cf", {Kw::Cf}},
            {"ql", {Kw::Ql}}, {"qr", {Kw::Qr}}, {"qc", {Kw::Qc}}, {"qj", {Kw::Qj}},
            {"tx", {Kw::Tx}}, {"tb", {Kw::Tx}}, {"ansi", {Kw::Ansi}}, {"mac", {Kw::Mac}},
            {"pc", {Kw::Pc}}, {"pca", {Kw::Pca}}, {"ansicpg", {Kw::AnsiCpg}}, {"deff", {Kw::Deff}},
            {"paperw", {Kw::PaperW}}, {"paperh", {Kw::PaperH}}, {"margl", {Kw::MargL}},
            {"margr", {Kw::MargR}}, {"margt", {Kw::MargT}}, {"margb", {Kw::MargB}},
            {"fcharset", {Kw::FCharset}}, {"cpg", {Kw::Cpg}}, {"red", {Kw::Red}},
            {"green", {Kw::Green}}, {"blue", {Kw::Blue}}, {"pngblip", {Kw::PngBlip}},
            {"jpegblip", {Kw::JpegBlip}}, {"emfblip", {Kw::OtherBlip}}, {"wmetafile", {Kw::OtherBlip}},
            {"macpict", {Kw::OtherBlip}}, {"dibitmap", {Kw::OtherBlip}}, {"wbitmap", {Kw::OtherBlip}},
            {"pmmetafile", {Kw::OtherBlip}}, {"picwgoal", {Kw::PicWGoal}}, {"pichgoal", {Kw::PicHGoal}},
            {"picscalex", {Kw::PicScaleX}}, {"picscaley", {Kw::PicScaleY}}, {"width", {Kw::Width}},
            {"height", {Kw::Height}},
            {"emdash", {Kw::Char, 0x2014}}, {"endash", {Kw::Char, 0x2013}},
            {"bullet", {Kw::Char, 0x2022}}, {"lquote", {Kw::Char, 0x2018}},
            {"rquote", {Kw::Char, 0x2019}}, {"ldblquote", {Kw::Char, 0x201C}},
            {"rdblquote", {Kw::Char, 0x201D}}, {"emspace", {Kw::Char, 0x2003}},
            {"enspace", {Kw::Char, 0x2002}}, {"qmspace", {Kw::Char, 0x2005}},
        };
        // Every underline style reads as underlined.
        for (const char* ul : {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave", "ulldash",
                               "ulth", "ulthd", "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash",
                               "ululdbwave", "ulw", "ulwave"})
            t.emplace(ul, KwInfo{Kw::Ul});
        // Destinations whose content is not document text.
        for (const char* skip :
             {"stylesheet", "info", "header", "headerl", "headerr", "headerf", "footer", "footerl", "footerr",
              "footerf", "footnote", "annotation", "listtable", "listoverridetable", "revtbl", "rsidtbl",
              "generator", "xmlnstbl", "themedata", "colorschememapping", "latentstyles", "datastore",
              "pgdsctbl", "pntxta", "pntxtb", "bkmkstart", "bkmkend", "xe", "tc", "txe", "rxe", "template",
              "filetbl", "objdata", "objclass", "shpinst", "atnid", "atnauthor", "atnref", "ftnsep",
              "ftnsepc", "ftncn", "aftnsep", "aftnsepc", "aftncn", "userprops", "protusertbl", "upr",
              "mmathPr", "wgrffmtfilter", "expandedcolortbl", "docvar", "formfield", "datafield"})
            t.emplace(skip, KwInfo{Kw::SkipDest});
        return t;
    }();
    return table;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

struct State {
    Dest dest = Dest::Text;
    CharFormat format;
    ParagraphFormat paragraph;
    int font = -1; // -1: the default font
    int uc = 1;
    bool dropPlaceholder = false; // the character after a file reference stands for it
};

struct FontDef {
    QString name;
    int codePage = 0;
};

// Picture, embedded file or file reference being read.
struct Embedded {
    enum class Kind { Unknown, Png, Jpeg, Other, File };
    Kind kind = Kind::Unknown;
    QByteArray data;
    int nibble = -1;
    QString name;
    int widthGoal = 0, heightGoal = 0; // twips
    int scaleX = 100, scaleY = 100;
};

class Parser {
public:
    Parser(const QByteArray& in, const RtfReader::FileLoader& files)
        : m_p(in.constData()), m_end(in.constData() + in.size()), m_files(files)
    {
    }

    RichText run(QString* error);

private:
    State& st() { return m_stack.back(); }
    void openGroup();
    void closeGroup();
    void controlWord();
    void controlSymbol(char c);
    void handle(Kw kw, const KwInfo& info, bool hasParam, int param);
    void textByte(char c);
    void hexByte(uchar b);
    void unicodeChar(char16_t c);
    void decodePending();
    void commit();
    void appendChars(const QString& s);
    void endParagraph(QChar separator);
    void appendAttachment(Attachment a);
    void finishEmbedded(const State& inner);
    void commitFont();
    CharFormat effectiveFormat() const;
    int codePage() const;
    bool consumeSkip();

    const char* m_p;
    const char* m_end;
    const RtfReader::FileLoader& m_files;
    std::vector<State> m_stack;
    QString m_error;
    bool m_done = false;
    bool m_closed = false;
    bool m_ignorableNext = false;
    int m_skip = 0; // fallback characters still to skip after \uN

    // output
    QString m_text;
    std::vector<RichText::Run> m_runs;
    size_t m_paragraphRun = 0;
    PageAttributes m_page;
    int m_paperW = 0, m_paperH = 0;

    // text waiting for its format
    QByteArray m_pendingBytes;
    QString m_pendingText;

    // document
    int m_docCodePage = 1252;
    int m_defaultFont = 0;
    QHash<int, FontDef> m_fonts;
    QList<QColor> m_colours;

    // font and colour tables being read
    int m_fontIndex = -1;
    int m_fontCodePage = 0;
    QByteArray m_fontName;
    int m_red = -1, m_green = -1, m_blue = -1;

    Embedded m_embedded;
    QByteArray m_nameBytes;
    QString m_nameText;
    int m_pictureCount = 0;
};

int Parser::codePage() const
{
    const State& s = m_stack.back();
    const int font = s.font < 0 ? m_defaultFont : s.font;
    const auto it = m_fonts.constFind(font);
    if (it != m_fonts.constEnd() && it->codePage > 0)
        return it->codePage;
    return m_docCodePage;
}

CharFormat Parser::effectiveFormat() const
{
    CharFormat f = m_stack.back().format;
    const int font = m_stack.back().font < 0 ? m_defaultFont : m_stack.back().font;
    f.font = m_fonts.value(font).name;
    return f;
}

bool Parser::consumeSkip()
{
    if (m_skip > 0) {
        --m_skip;
        return true;
    }
    return false;
}

void Parser::decodePending()
{
    if (m_pendingBytes.isEmpty())
        return;
    const QString s = RtfCodePages::decode(m_pendingBytes, codePage());
    m_pendingBytes.clear();
    switch (st().dest) {
    case Dest::Text: m_pendingText += s; break;
    case Dest::Name:
    case Dest::FileRef: m_nameText += s; break;
    default: break;
    }
}

void Parser::appendChars(const QString& s)
{
    if (s.isEmpty())
        return;
    const CharFormat f = effectiveFormat();
    const ParagraphFormat& pf = st().paragraph;
    m_text += s;
    if (!m_runs.empty() && !m_runs.back().attachment && m_runs.back().format == f
        && m_runs.back().paragraph == pf)
        m_runs.back().length += s.size();
    else
        m_runs.push_back(RichText::Run{s.size(), f, pf, {}});
}

void Parser::commit()
{
    decodePending();
    if (!m_pendingText.isEmpty()) {
        QString s;
        s.swap(m_pendingText);
        if (s.contains(RichText::AttachmentChar))
            s.remove(RichText::AttachmentChar);
        appendChars(s);
    }
}

void Parser::endParagraph(QChar separator)
{
    commit();
    appendChars(QString(separator));
    // Paragraph attributes set anywhere in a paragraph apply to all of it.
    for (size_t i = m_paragraphRun; i < m_runs.size(); ++i)
        m_runs[i].paragraph = st().paragraph;
    m_paragraphRun = m_runs.size();
}

void Parser::appendAttachment(Attachment a)
{
    commit();
    m_text += RichText::AttachmentChar;
    m_runs.push_back(RichText::Run{1, effectiveFormat(), st().paragraph,
                                   std::make_shared<const Attachment>(std::move(a))});
}

void Parser::unicodeChar(char16_t c)
{
    decodePending();
    if (st().dropPlaceholder) {
        st().dropPlaceholder = false;
        return;
    }
    switch (st().dest) {
    case Dest::Text: m_pendingText += QChar(c); break;
    case Dest::Name:
    case Dest::FileRef: m_nameText += QChar(c); break;
    default: break;
    }
}

void Parser::textByte(char c)
{
    if (consumeSkip())
        return;
    State& s = st();
    switch (s.dest) {
    case Dest::Text:
        if (s.dropPlaceholder) {
            s.dropPlaceholder = false;
            return;
        }
        m_pendingBytes += c;
        break;
    case Dest::Name:
    case Dest::FileRef: m_pendingBytes += c; break;
    case Dest::FontTable:
        if (c == ';')
            commitFont();
        else
            m_fontName += c;
        break;
    case Dest::ColorTable:
        if (c == ';') {
            m_colours.append(m_red < 0 && m_green < 0 && m_blue < 0
                                 ? QColor()
                                 : QColor(std::max(m_red, 0), std::max(m_green, 0), std::max(m_blue, 0)));
            m_red = m_green = m_blue = -1;
        }
        break;
    case Dest::Picture:
    case Dest::File: {
        const int v = hexDigit(c);
        if (v < 0)
            return;
        if (m_embedded.nibble < 0) {
            m_embedded.nibble = v;
        } else {
            m_embedded.data += char((m_embedded.nibble << 4) | v);
            m_embedded.nibble = -1;
        }
        break;
    }
    default: break;
    }
}

void Parser::hexByte(uchar b)
{
    if (consumeSkip())
        return;
    State& s = st();
    if (s.dest == Dest::Text && s.dropPlaceholder) {
        s.dropPlaceholder = false;
        return;
    }
    if (s.dest == Dest::FontTable)
        m_fontName += char(b);
    else if (s.dest == Dest::Text || s.dest == Dest::Name || s.dest == Dest::FileRef)
        m_pendingBytes += char(b);
}

void Parser::commitFont()
{
    if (m_fontIndex >= 0) {
        const int cp = m_fontCodePage > 0 ? m_fontCodePage : m_docCodePage;
        m_fonts.insert(m_fontIndex, FontDef{RtfCodePages::decode(m_fontName, cp).trimmed(), m_fontCodePage});
    }
    m_fontIndex = -1;
    m_fontCodePage = 0;
    m_fontName.clear();
}

void Parser::openGroup()
{
    commit();
    if (int(m_stack.size()) >= kMaxDepth) {
        m_error = QStringLiteral("The RTF document nests its groups too deeply.");
        m_done = true;
        return;
    }
    m_skip = 0;
    State inner = st();
    inner.dropPlaceholder = false;
    m_stack.push_back(inner);
}

void Parser::closeGroup()
{
    commit();
    m_skip = 0;
    if (m_stack.size() == 1) {
        // The document group ends; whatever follows it is not read.
        m_closed = true;
        m_done = true;
        return;
    }
    const State inner = st();
    m_stack.pop_back();
    const Dest outer = st().dest;
    if (inner.dest == Dest::FontTable) {
        if (!m_fontName.trimmed().isEmpty() || outer != Dest::FontTable)
            commitFont();
    } else if (inner.dest == Dest::Name && outer != Dest::Name) {
        m_embedded.name = m_nameText.trimmed();
        m_nameText.clear();
    } else if ((inner.dest == Dest::Picture || inner.dest == Dest::File || inner.dest == Dest::FileRef)
               && outer != inner.dest) {
        finishEmbedded(inner);
    }
}

void Parser::finishEmbedded(const State& inner)
{
    Embedded e = std::move(m_embedded);
    m_embedded = {};
    Attachment a;
    if (e.widthGoal > 0 && e.heightGoal > 0) {
        // Twips, scaled by percentages; no side grows beyond 20000 points.
        const auto side = [](int goal, int scale) { return std::min(goal * (scale / 100.0) / 20.0, 20000.0); };
        a.size = QSizeF(side(e.widthGoal, e.scaleX), side(e.heightGoal, e.scaleY));
    }
    if (inner.dest == Dest::FileRef) {
        a.name = m_nameText.trimmed();
        m_nameText.clear();
        if (a.name.isEmpty())
            return;
        if (m_files)
            a.bytes = m_files(a.name).value_or(QByteArray());
        if (st().dest != Dest::Text)
            return;
        appendAttachment(std::move(a));
        st().dropPlaceholder = true;
        return;
    }
    if (st().dest != Dest::Text)
        return;
    // Picture formats we cannot show are left out; an embedded file stays even
    // when it is empty (its file was missing), so that it keeps its place.
    if (inner.dest == Dest::Picture && e.kind == Embedded::Kind::Unknown) {
        // No picture type given: the bytes may still say what they are.
        if (e.data.startsWith("\x89PNG\r\n\x1a\n"))
            e.kind = Embedded::Kind::Png;
        else if (e.data.startsWith("\xFF\xD8\xFF"))
            e.kind = Embedded::Kind::Jpeg;
    }
    if (inner.dest == Dest::Picture
        && (e.data.isEmpty() || (e.kind != Embedded::Kind::Png && e.kind != Embedded::Kind::Jpeg)))
        return;
    a.bytes = std::move(e.data);
    a.name = e.name;
    if (a.name.isEmpty()) {
        ++m_pictureCount;
        a.name = QStringLiteral("Picture %1.%2")
                     .arg(m_pictureCount)
                     .arg(e.kind == Embedded::Kind::Jpeg ? QStringLiteral("jpg") : QStringLiteral("png"));
    }
    appendAttachment(std::move(a));
}

void Parser::controlSymbol(char c)
{
    switch (c) {
    case '\'': {
        int v = 0, n = 0;
        while (n < 2 && m_p < m_end) {
            const int d = hexDigit(*m_p);
            if (d < 0)
                break;
            v = v * 16 + d;
            ++m_p;
            ++n;
        }
        if (n > 0)
            hexByte(uchar(v));
        return;
    }
    case '*': m_ignorableNext = true; return;
    case '\\':
    case '{':
    case '}': textByte(c); return;
    default: break;
    }
    // Other symbols count as one fallback character.
    if (consumeSkip())
        return;
    commit();
    switch (c) {
    case '\n':
    case '\r':
        if (st().dest == Dest::Text)
            endParagraph(QChar(u'\n'));
        break;
    case '~': unicodeChar(0x00A0); break;
    case '_': unicodeChar(0x2011); break;
    case '\t':
        if (st().dest == Dest::Text)
            unicodeChar(u'\t');
        break;
    default: break; // \- optional hyphen, \: index entries and the like
    }
}

void Parser::controlWord()
{
    const char* start = m_p;
    while (m_p < m_end && ((*m_p >= 'a' && *m_p <= 'z') || (*m_p >= 'A' && *m_p <= 'Z')))
        ++m_p;
    const std::string_view word(start, size_t(m_p - start));
    bool hasParam = false;
    bool negative = false;
    qint64 value = 0;
    if (m_p < m_end && *m_p == '-' && m_p + 1 < m_end && m_p[1] >= '0' && m_p[1] <= '9') {
        negative = true;
        ++m_p;
    }
    while (m_p < m_end && *m_p >= '0' && *m_p <= '9') {
        hasParam = true;
        if (value < (qint64(1) << 32))
            value = value * 10 + (*m_p - '0');
        ++m_p;
    }
    if (m_p < m_end && *m_p == ' ')
        ++m_p;
    value = std::clamp<qint64>(negative ? -value : value, -2147483647 - 1, 2147483647);
    const int param = int(value);

    const bool ignorable = m_ignorableNext;
    m_ignorableNext = false;
    const auto& table = keywords();
    const auto it = word.size() <= 32 ? table.find(word) : table.end();
    const KwInfo info = it == table.end() ? KwInfo{Kw::Unknown} : it->second;

    if (info.kw == Kw::Bin) {
        // Raw bytes follow; never trust the count beyond the end of the input.
        commit();
        const qint64 n = std::max(param, 0);
        const qint64 left = m_end - m_p;
        const qint64 take = std::min(n, left);
        if (st().dest == Dest::Picture || st().dest == Dest::File)
            m_embedded.data.append(m_p, take);
        m_p += take;
        if (n > left) {
            m_error = QStringLiteral("The RTF document ends inside binary data.");
            m_done = true;
        }
        return;
    }
    if (info.kw == Kw::U) {
        if (st().dest != Dest::Skip) {
            unicodeChar(char16_t(quint16(qint16(param))));
        }
        m_skip = st().uc;
        return;
    }
    if (consumeSkip())
        return;
    if (ignorable && info.kw == Kw::Unknown) {
        commit();
        st().dest = Dest::Skip;
        return;
    }
    handle(info.kw, info, hasParam, param);
}

void Parser::handle(Kw kw, const KwInfo& info, bool hasParam, int param)
{
    State& s = st();
    const Dest d = s.dest;
    if (d == Dest::Skip)
        return;
    const bool on = !hasParam || param != 0;

    // Destinations change what the current group holds.
    switch (kw) {
    case Kw::FontTbl:
        commit();
        s.dest = Dest::FontTable;
        m_fontIndex = -1;
        m_fontName.clear();
        return;
    case Kw::ColorTbl:
        commit();
        s.dest = Dest::ColorTable;
        m_red = m_green = m_blue = -1;
        return;
    case Kw::Pict:
        commit();
        if (d == Dest::Text) {
            s.dest = Dest::Picture;
            m_embedded = {};
        } else {
            s.dest = Dest::Skip;
        }
        return;
    case Kw::KelvanFile:
        commit();
        if (d == Dest::Text) {
            s.dest = Dest::File;
            m_embedded = {};
            m_embedded.kind = Embedded::Kind::File;
        } else {
            s.dest = Dest::Skip;
        }
        return;
    case Kw::FileGraphic:
        commit();
        if (d == Dest::Text) {
            s.dest = Dest::FileRef;
            m_embedded = {};
            m_nameText.clear();
        } else {
            s.dest = Dest::Skip;
        }
        return;
    case Kw::KelvanName:
        commit();
        if (d == Dest::Picture || d == Dest::File) {
            s.dest = Dest::Name;
            m_nameText.clear();
        } else {
            s.dest = Dest::Skip;
        }
        return;
    case Kw::NonShpPict:
    case Kw::FldInst:
    case Kw::SkipDest:
        commit();
        s.dest = Dest::Skip;
        return;
    case Kw::Object:
        commit();
        s.dest = d == Dest::Text ? Dest::Object : Dest::Skip;
        return;
    case Kw::Result:
        if (d == Dest::Object)
            s.dest = Dest::Text;
        return;
    case Kw::ShpPict:
    case Kw::Field:
    case Kw::FldRslt:
        return; // their text is the document's
    default: break;
    }

    switch (d) {
    case Dest::FontTable:
        if (kw == Kw::F) {
            if (m_fontIndex >= 0 && !m_fontName.trimmed().isEmpty())
                commitFont();
            m_fontIndex = std::max(param, 0);
        } else if (kw == Kw::FCharset) {
            m_fontCodePage = RtfCodePages::forCharset(param);
        } else if (kw == Kw::Cpg && param > 0) {
            m_fontCodePage = param;
        }
        return;
    case Dest::ColorTable:
        if (kw == Kw::Red)
            m_red = std::clamp(param, 0, 255);
        else if (kw == Kw::Green)
            m_green = std::clamp(param, 0, 255);
        else if (kw == Kw::Blue)
            m_blue = std::clamp(param, 0, 255);
        return;
    case Dest::Picture:
    case Dest::File:
    case Dest::FileRef:
        switch (kw) {
        case Kw::PngBlip: m_embedded.kind = Embedded::Kind::Png; break;
        case Kw::JpegBlip: m_embedded.kind = Embedded::Kind::Jpeg; break;
        case Kw::OtherBlip: m_embedded.kind = Embedded::Kind::Other; break;
        case Kw::PicWGoal:
        case Kw::Width: m_embedded.widthGoal = std::clamp(param, 0, 20 * 20000); break;
        case Kw::PicHGoal:
        case Kw::Height: m_embedded.heightGoal = std::clamp(param, 0, 20 * 20000); break;
        case Kw::PicScaleX: m_embedded.scaleX = std::clamp(param, 1, 10000); break;
        case Kw::PicScaleY: m_embedded.scaleY = std::clamp(param, 1, 10000); break;
        default: break;
        }
        return;
    case Dest::Text: break;
    default: return;
    }

    // Document text and its formats.
    commit();
    switch (kw) {
    case Kw::Par:
    case Kw::Sect:
    case Kw::Row: endParagraph(QChar(u'\n')); break;
    case Kw::Page: endParagraph(RichText::PageBreak); break;
    case Kw::Line: unicodeChar(RichText::LineBreak.unicode()); break;
    case Kw::Tab:
    case Kw::Cell: unicodeChar(u'\t'); break;
    case Kw::Char: unicodeChar(info.ch); break;
    case Kw::Uc: s.uc = std::clamp(param, 0, 64); break;
    case Kw::Plain:
        s.format = CharFormat{};
        s.font = -1;
        break;
    case Kw::Pard: s.paragraph = ParagraphFormat{}; break;
    case Kw::F: s.font = std::max(param, 0); break;
    case Kw::Fs: s.format.size = param > 0 ? std::min(param, 3276) / 2.0 : 12.0; break;
    case Kw::B: s.format.bold = on; break;
    case Kw::I: s.format.italic = on; break;
    case Kw::Ul: s.format.underline = on; break;
    case Kw::UlNone: s.format.underline = false; break;
    case Kw::Cf: s.format.colour = (param > 0 && param < m_colours.size()) ? m_colours[param] : QColor(); break;
    case Kw::Ql: s.paragraph.alignment = ParagraphFormat::Alignment::Left; break;
    case Kw::Qr: s.paragraph.alignment = ParagraphFormat::Alignment::Right; break;
    case Kw::Qc: s.paragraph.alignment = ParagraphFormat::Alignment::Center; break;
    case Kw::Qj: s.paragraph.alignment = ParagraphFormat::Alignment::Justified; break;
    case Kw::Tx:
        if (param >= 0 && s.paragraph.tabs.size() < 256)
            s.paragraph.tabs.append(param / 20.0);
        break;
    case Kw::Ansi: m_docCodePage = 1252; break;
    case Kw::Mac: m_docCodePage = 10000; break;
    case Kw::Pc: m_docCodePage = 437; break;
    case Kw::Pca: m_docCodePage = 850; break;
    case Kw::AnsiCpg:
        if (param > 0)
            m_docCodePage = param;
        break;
    case Kw::Deff: m_defaultFont = std::max(param, 0); break;
    case Kw::PaperW: m_paperW = std::max(param, 0); break;
    case Kw::PaperH: m_paperH = std::max(param, 0); break;
    case Kw::MargL: m_page.leftMargin = std::max(param, 0) / 20.0; break;
    case Kw::MargR: m_page.rightMargin = std::max(param, 0) / 20.0; break;
    case Kw::MargT: m_page.topMargin = std::max(param, 0) / 20.0; break;
    case Kw::MargB: m_page.bottomMargin = std::max(param, 0) / 20.0; break;
    default: break;
    }
}

RichText Parser::run(QString* error)
{
    m_stack.reserve(64);
    m_stack.push_back(State{});
    // The document is the first group; anything before it is not.
    while (m_p < m_end && *m_p != '{')
        ++m_p;
    if (m_p < m_end)
        ++m_p;
    while (m_p < m_end && !m_done) {
        const char c = *m_p++;
        switch (c) {
        case '{': openGroup(); break;
        case '}': closeGroup(); break;
        case '\\':
            if (m_p >= m_end)
                break;
            if ((*m_p >= 'a' && *m_p <= 'z') || (*m_p >= 'A' && *m_p <= 'Z'))
                controlWord();
            else
                controlSymbol(*m_p++);
            break;
        case '\r':
        case '\n': break;
        default:
            m_ignorableNext = false;
            textByte(c);
            break;
        }
    }
    commit();
    if (!m_closed && m_error.isEmpty())
        m_error = QStringLiteral("The RTF document ends before all its groups are closed.");
    // The last paragraph may lack its \par.
    for (size_t i = m_paragraphRun; i < m_runs.size(); ++i)
        m_runs[i].paragraph = st().paragraph;
    if (m_paperW > 0 || m_paperH > 0)
        m_page.paperSize = QSizeF((m_paperW > 0 ? m_paperW : 12240) / 20.0, (m_paperH > 0 ? m_paperH : 15840) / 20.0);
    RichText out = RichText::fromRuns(std::move(m_text), std::move(m_runs));
    out.page() = m_page;
    if (error)
        *error = m_error;
    return out;
}
}

bool RtfReader::looksLikeRtf(const QByteArray& bytes)
{
    qsizetype i = 0;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        i = 3;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\n' || bytes[i] == '\r' || bytes[i] == '\t'))
        ++i;
    return bytes.mid(i, 5) == "{\\rtf";
}

RichText RtfReader::read(const QByteArray& rtf, QString* error, const FileLoader& files)
{
    if (!looksLikeRtf(rtf)) {
        if (error)
            *error = QStringLiteral("The file is not an RTF document.");
        return {};
    }
    Parser parser(rtf, files);
    return parser.run(error);
}
