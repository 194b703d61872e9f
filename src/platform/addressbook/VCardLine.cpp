#include "platform/addressbook/VCardLine.h"

namespace {
bool isNameChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
}

// RFC 6868: ^n is a line break, ^' a double quote, ^^ a caret.
QString caretDecode(QByteArrayView raw)
{
    QByteArray out;
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '^' && i + 1 < raw.size()) {
            const char n = raw[i + 1];
            if (n == 'n' || n == 'N') { out += '\n'; ++i; continue; }
            if (n == '\'') { out += '"'; ++i; continue; }
            if (n == '^') { out += '^'; ++i; continue; }
        }
        out += c;
    }
    return QString::fromUtf8(out);
}

QByteArray readName(QByteArrayView text, qsizetype& i)
{
    const qsizetype start = i;
    while (i < text.size() && isNameChar(text[i]))
        ++i;
    return text.sliced(start, i - start).toByteArray();
}
}

QStringList VCardLine::param(const char* wanted) const
{
    QStringList out;
    for (const VCardParam& p : params)
        if (p.name == wanted)
            out += p.values;
    return out;
}

bool VCardLine::parse(QString* error)
{
    qsizetype i = 0;
    name = readName(text, i);
    if (i < text.size() && text[i] == '.') {
        group = name;
        ++i;
        name = readName(text, i);
    }
    if (name.isEmpty()) {
        *error = QStringLiteral("a line has no property name");
        return false;
    }
    name = name.toUpper();
    while (i < text.size() && text[i] == ';') {
        ++i;
        VCardParam p;
        p.name = readName(text, i).toUpper();
        if (p.name.isEmpty()) {
            *error = QStringLiteral("a parameter of %1 has no name").arg(QString::fromLatin1(name));
            return false;
        }
        if (i >= text.size() || text[i] != '=') {
            // A bare word is an old-style type ("TEL;WORK:").
            p.values.append(QString::fromLatin1(p.name).toLower());
            p.name = "TYPE";
            params.append(p);
            continue;
        }
        do {
            ++i; // past '=' or ','
            if (i < text.size() && text[i] == '"') {
                const qsizetype close = text.indexOf('"', i + 1);
                if (close < 0) {
                    *error = QStringLiteral("an unterminated quote in %1").arg(QString::fromLatin1(name));
                    return false;
                }
                p.values.append(caretDecode(QByteArrayView(text).sliced(i + 1, close - i - 1)));
                i = close + 1;
            } else {
                const qsizetype start = i;
                while (i < text.size() && text[i] != ',' && text[i] != ';' && text[i] != ':' && text[i] != '"')
                    ++i;
                p.values.append(caretDecode(QByteArrayView(text).sliced(start, i - start)));
            }
        } while (i < text.size() && text[i] == ',');
        params.append(p);
    }
    if (i >= text.size() || text[i] != ':') {
        *error = QStringLiteral("the property %1 is malformed").arg(QString::fromLatin1(name));
        return false;
    }
    value = text.mid(i + 1);
    return true;
}

namespace VCardSyntax {
bool splitLines(const QByteArray& bytes, QList<VCardLine>* lines, QString* error)
{
    qsizetype pos = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    VCardLine* current = nullptr;
    while (pos < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', pos);
        if (end < 0)
            end = bytes.size();
        QByteArrayView piece = QByteArrayView(bytes).sliced(pos, end - pos);
        pos = end + 1;
        if (piece.endsWith('\r'))
            piece.chop(1);
        for (const char c : piece) {
            const auto u = static_cast<unsigned char>(c);
            if ((u < 0x20 && c != '\t') || u == 0x7F) {
                *error = QStringLiteral("it holds control characters");
                return false;
            }
        }
        if (!piece.isEmpty() && (piece[0] == ' ' || piece[0] == '\t')) {
            if (!current) {
                *error = QStringLiteral("it starts with a continuation line");
                return false;
            }
            current->text += piece.sliced(1);
            continue;
        }
        if (piece.isEmpty()) {
            current = nullptr;
            continue;
        }
        lines->append(VCardLine{});
        current = &lines->last();
        current->text = piece.toByteArray();
    }
    for (VCardLine& line : *lines)
        if (!line.parse(error))
            return false;
    return true;
}

QByteArray escapeText(const QString& text)
{
    QByteArray out;
    const QByteArray utf8 = text.toUtf8();
    out.reserve(utf8.size() + 8);
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        switch (c) {
        case '\\': out += "\\\\"; break;
        case ',': out += "\\,"; break;
        case ';': out += "\\;"; break;
        case '\r':
            if (i + 1 < utf8.size() && utf8[i + 1] == '\n')
                ++i;
            out += "\\n";
            break;
        case '\n': out += "\\n"; break;
        default:
            // Other control characters cannot be written in a line; a tab can.
            if (static_cast<unsigned char>(c) < 0x20 && c != '\t')
                out += ' ';
            else
                out += c;
        }
    }
    return out;
}

QString unescapeText(QByteArrayView raw)
{
    QByteArray out;
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '\\' && i + 1 < raw.size()) {
            const char n = raw[++i];
            if (n == 'n' || n == 'N')
                out += '\n';
            else if (n == '\\' || n == ',' || n == ';' || n == ':')
                out += n;
            else {
                out += '\\';
                out += n;
            }
            continue;
        }
        out += c;
    }
    return QString::fromUtf8(out);
}

QStringList components(QByteArrayView raw)
{
    QStringList out;
    qsizetype start = 0;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\\') {
            ++i;
            continue;
        }
        if (raw[i] == ';') {
            out.append(unescapeText(raw.sliced(start, i - start)));
            start = i + 1;
        }
    }
    out.append(unescapeText(raw.sliced(qMin(start, raw.size()))));
    return out;
}

QByteArray paramValue(const QString& value)
{
    QByteArray out;
    bool quote = false;
    for (const char c : value.toUtf8()) {
        switch (c) {
        case '^': out += "^^"; break;
        case '"': out += "^'"; break;
        case '\n': out += "^n"; break;
        case '\r': break;
        case ';': case ':': case ',':
            quote = true;
            out += c;
            break;
        default:
            out += static_cast<unsigned char>(c) < 0x20 && c != '\t' ? ' ' : c;
        }
    }
    return quote ? '"' + out + '"' : out;
}

void appendFolded(QByteArray& out, QByteArrayView line)
{
    constexpr qsizetype kLimit = 75;
    qsizetype pos = 0;
    bool first = true;
    while (true) {
        const qsizetype room = first ? kLimit : kLimit - 1;
        if (line.size() - pos <= room) {
            if (!first)
                out += ' ';
            out += line.sliced(pos);
            out += "\r\n";
            return;
        }
        qsizetype cut = pos + room;
        // Back off to the start of a UTF-8 character.
        while (cut > pos && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
            --cut;
        if (cut == pos)
            cut = pos + room;
        if (!first)
            out += ' ';
        out += line.sliced(pos, cut - pos);
        out += "\r\n";
        pos = cut;
        first = false;
    }
}
}
