#include "exchange/online/URLTools.h"
#include <QStringDecoder>
#include <array>

namespace {

// true for the bytes that go out as they are
using SafeTable = std::array<bool, 256>;

const SafeTable& safeBytes()
{
    static const SafeTable table = [] {
        SafeTable t{};
        const char* safe = "*-.0123456789@ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz";
        for (const char* c = safe; *c; ++c)
            t[static_cast<unsigned char>(*c)] = true;
        return t;
    }();
    return table;
}

bool needsNoEscape(const QString& value, const SafeTable& safe)
{
    for (const QChar c : value) {
        if (c.unicode() > 0x7F || !safe[c.unicode()])
            return false;
    }
    return true;
}

QString decodeRow(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return QString::fromLatin1(bytes);
    return text;
}

} // namespace

void URLTools::initCharcters()
{
    (void)safeBytes();
}

QString URLTools::encodeURLString(const QString& value, int /*encoding*/, bool asQuery,
                                  bool leaveSlashes, bool leaveColons)
{
    if (value.isEmpty())
        return QStringLiteral("");
    const SafeTable& safe = safeBytes();
    if (needsNoEscape(value, safe))
        return value;

    static constexpr char hex[] = "0123456789ABCDEF";
    const QByteArray bytes = value.toUtf8();
    QByteArray out;
    out.reserve(bytes.size() * 3);
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (safe[b]) {
            out.append(ch);
        } else if (b == ' ' && asQuery) {
            out.append('+');
        } else if ((b == '/' && leaveSlashes) || (b == ':' && leaveColons)) {
            out.append(ch);
        } else {
            out.append('%');
            out.append(hex[b >> 4]);
            out.append(hex[b & 0x0F]);
        }
    }
    return QString::fromLatin1(out);
}

QList<QStringList> URLTools::arrayFromString(const QByteArray& reply, int removeFirst,
                                             int removeLast)
{
    QList<QStringList> result;
    if (reply.isNull())
        return result;
    removeFirst = qMax(0, removeFirst);
    removeLast = qMax(0, removeLast);
    const qsizetype rowCount = reply.count('\r') + 1;
    const qsizetype end = rowCount - removeLast;
    if (end <= removeFirst)
        return result;
    result.reserve(end - removeFirst);
    qsizetype start = 0;
    for (qsizetype i = 0; i < end; ++i) {
        qsizetype cut = reply.indexOf('\r', start);
        if (cut < 0)
            cut = reply.size();
        if (i >= removeFirst) {
            const QByteArrayView row(reply.constData() + start, cut - start);
            result.append(decodeRow(row).split(QLatin1Char('\t')));
        }
        start = cut + 1;
    }
    return result;
}
