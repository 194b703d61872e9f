#include "platform/richtext/RichText.h"
#include "platform/richtext/RichTextFile.h"
#include "platform/richtext/RtfReader.h"
#include "platform/richtext/RtfWriter.h"

#include <QVariant>
#include <algorithm>

bool Attachment::isPng() const
{
    return bytes.startsWith("\x89PNG\r\n\x1a\n");
}

bool Attachment::isJpeg() const
{
    return bytes.startsWith("\xFF\xD8\xFF");
}

namespace {
bool sameAttributes(const RichText::Run& a, const RichText::Run& b)
{
    return !a.attachment && !b.attachment && a.format == b.format && a.paragraph == b.paragraph;
}

// Cuts [from, from + count) down to the text; a negative count means "to the end".
void clampRange(qsizetype& from, qsizetype& count, qsizetype length)
{
    if (count < 0)
        count = length;
    if (from < 0) {
        count = std::max<qsizetype>(count + from, 0);
        from = 0;
    }
    from = std::min(from, length);
    count = std::min(count, length - from);
}

bool isParagraphEnd(QChar c)
{
    return c == u'\n' || c == RichText::PageBreak;
}

// Plain text never carries attachment characters of its own, and line ends
// are always '\n'.
QString cleanPlain(QString text)
{
    if (text.contains(u'\r')) {
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(u'\r', u'\n');
    }
    if (text.contains(RichText::AttachmentChar))
        text.remove(RichText::AttachmentChar);
    return text;
}
}

RichText RichText::fromPlainText(const QString& text, const CharFormat& format)
{
    RichText r;
    r.appendText(text, format);
    return r;
}

RichText RichText::fromRuns(QString text, std::vector<Run> runs)
{
    RichText r;
    r.m_text = std::move(text);
    r.m_runs = std::move(runs);
    qsizetype pos = 0;
    for (Run& run : r.m_runs) {
        run.length = std::clamp<qsizetype>(run.length, 0, r.m_text.size() - pos);
        if (run.attachment && (run.length != 1 || r.m_text[pos] != AttachmentChar))
            run.attachment.reset();
        pos += run.length;
    }
    if (pos < r.m_text.size())
        r.m_runs.push_back(Run{r.m_text.size() - pos, r.m_runs.empty() ? CharFormat{} : r.m_runs.back().format,
                               r.m_runs.empty() ? ParagraphFormat{} : r.m_runs.back().paragraph, {}});
    r.normalize();
    return r;
}

QString RichText::plainText() const
{
    QString s = m_text;
    s.remove(AttachmentChar);
    s.replace(LineBreak, u'\n');
    return s;
}

const RichText::Run* RichText::runAt(qsizetype pos) const
{
    qsizetype start = 0;
    for (const Run& r : m_runs) {
        if (pos < start + r.length)
            return &r;
        start += r.length;
    }
    return m_runs.empty() ? nullptr : &m_runs.back();
}

CharFormat RichText::charFormatAt(qsizetype pos) const
{
    const Run* r = runAt(pos);
    return r ? r->format : CharFormat{};
}

ParagraphFormat RichText::paragraphFormatAt(qsizetype pos) const
{
    const Run* r = runAt(pos);
    return r ? r->paragraph : ParagraphFormat{};
}

AttachmentPtr RichText::attachmentAt(qsizetype pos) const
{
    const Run* r = runAt(pos);
    return r && pos >= 0 && pos < length() ? r->attachment : AttachmentPtr{};
}

QList<qsizetype> RichText::attachmentPositions() const
{
    QList<qsizetype> out;
    qsizetype start = 0;
    for (const Run& r : m_runs) {
        if (r.attachment)
            out.append(start);
        start += r.length;
    }
    return out;
}

void RichText::appendText(const QString& text)
{
    if (m_runs.empty()) {
        appendText(text, CharFormat{});
        return;
    }
    const Run& last = m_runs.back();
    appendText(text, last.format, last.paragraph);
}

void RichText::appendText(const QString& text, const CharFormat& format, const ParagraphFormat& paragraph)
{
    const QString clean = cleanPlain(text);
    if (clean.isEmpty())
        return;
    m_text += clean;
    if (!m_runs.empty() && !m_runs.back().attachment && m_runs.back().format == format
        && m_runs.back().paragraph == paragraph) {
        m_runs.back().length += clean.size();
        return;
    }
    m_runs.push_back(Run{clean.size(), format, paragraph, {}});
}

void RichText::appendAttachment(const Attachment& attachment, const CharFormat& format)
{
    const ParagraphFormat paragraph = m_runs.empty() ? ParagraphFormat{} : m_runs.back().paragraph;
    m_text += AttachmentChar;
    m_runs.push_back(Run{1, format, paragraph, std::make_shared<const Attachment>(attachment)});
}

void RichText::append(const RichText& other)
{
    insert(length(), other);
}

qsizetype RichText::splitAt(qsizetype pos)
{
    qsizetype start = 0;
    for (size_t i = 0; i < m_runs.size(); ++i) {
        if (pos == start)
            return qsizetype(i);
        if (pos < start + m_runs[i].length) {
            Run tail = m_runs[i];
            tail.length = start + m_runs[i].length - pos;
            m_runs[i].length = pos - start;
            m_runs.insert(m_runs.begin() + qsizetype(i) + 1, tail);
            return qsizetype(i) + 1;
        }
        start += m_runs[i].length;
    }
    return qsizetype(m_runs.size());
}

void RichText::normalize()
{
    std::vector<Run> out;
    out.reserve(m_runs.size());
    for (Run& r : m_runs) {
        if (r.length <= 0)
            continue;
        if (!out.empty() && sameAttributes(out.back(), r))
            out.back().length += r.length;
        else
            out.push_back(std::move(r));
    }
    m_runs.swap(out);
}

RichText RichText::mid(qsizetype from, qsizetype count) const
{
    RichText out;
    clampRange(from, count, length());
    const qsizetype end = from + count;
    out.m_text = m_text.mid(from, count);
    qsizetype start = 0;
    for (const Run& r : m_runs) {
        const qsizetype a = std::max(start, from);
        const qsizetype b = std::min(start + r.length, end);
        if (a < b) {
            Run piece = r;
            piece.length = b - a;
            out.m_runs.push_back(std::move(piece));
        }
        start += r.length;
        if (start >= end)
            break;
    }
    return out;
}

void RichText::insert(qsizetype pos, const RichText& other)
{
    if (other.isEmpty())
        return;
    pos = std::clamp<qsizetype>(pos, 0, length());
    const qsizetype at = splitAt(pos);
    m_text.insert(pos, other.m_text);
    m_runs.insert(m_runs.begin() + at, other.m_runs.begin(), other.m_runs.end());
    normalize();
}

void RichText::remove(qsizetype from, qsizetype count)
{
    if (count < 0)
        return;
    clampRange(from, count, length());
    if (count == 0)
        return;
    const qsizetype a = splitAt(from);
    const qsizetype b = splitAt(from + count);
    m_runs.erase(m_runs.begin() + a, m_runs.begin() + b);
    m_text.remove(from, count);
    normalize();
}

void RichText::replace(qsizetype from, qsizetype count, const RichText& with)
{
    clampRange(from, count, length());
    remove(from, count);
    insert(from, with);
}

void RichText::replace(qsizetype from, qsizetype count, const QString& with)
{
    clampRange(from, count, length());
    // The new text looks like the text it replaces (or the text before it).
    const qsizetype probe = (count > 0 || from == 0) ? from : from - 1;
    const CharFormat format = charFormatAt(probe);
    const ParagraphFormat paragraph = paragraphFormatAt(probe);
    RichText piece;
    piece.appendText(with, format, paragraph);
    replace(from, count, piece);
}

void RichText::setCharFormat(qsizetype from, qsizetype count, const CharFormat& format)
{
    clampRange(from, count, length());
    const qsizetype a = splitAt(from);
    const qsizetype b = splitAt(from + count);
    for (qsizetype i = a; i < b; ++i)
        m_runs[size_t(i)].format = format;
    normalize();
}

void RichText::setParagraphFormat(qsizetype from, qsizetype count, const ParagraphFormat& paragraph)
{
    clampRange(from, count, length());
    qsizetype s = from;
    while (s > 0 && !isParagraphEnd(m_text[s - 1]))
        --s;
    qsizetype e = count > 0 ? from + count - 1 : from;
    while (e < length() && !isParagraphEnd(m_text[e]))
        ++e;
    if (e < length())
        ++e; // the separator belongs to its paragraph
    const qsizetype a = splitAt(s);
    const qsizetype b = splitAt(e);
    for (qsizetype i = a; i < b; ++i)
        m_runs[size_t(i)].paragraph = paragraph;
    normalize();
}

qsizetype RichText::indexOf(const QString& needle, qsizetype from, Qt::CaseSensitivity cs) const
{
    if (needle.isEmpty())
        return -1;
    return m_text.indexOf(needle, std::max<qsizetype>(from, 0), cs);
}

int RichText::replaceAll(const QString& needle, const QString& with)
{
    QList<qsizetype> hits;
    for (qsizetype pos = indexOf(needle); pos >= 0; pos = indexOf(needle, pos + needle.size()))
        hits.append(pos);
    if (hits.isEmpty())
        return 0;
    // One pass over text and runs, however many tags there are.
    const QString value = cleanPlain(with);
    QString text;
    text.reserve(length() + hits.size() * (value.size() - needle.size()));
    std::vector<Run> runs;
    size_t run = 0;
    qsizetype runStart = 0;
    const auto seek = [&](qsizetype pos) {
        while (run + 1 < m_runs.size() && runStart + m_runs[run].length <= pos)
            runStart += m_runs[run++].length;
    };
    const auto copy = [&](qsizetype from, qsizetype to) {
        text += QStringView(m_text).mid(from, to - from);
        while (from < to) {
            seek(from);
            Run piece = m_runs[run];
            piece.length = std::min(to, runStart + m_runs[run].length) - from;
            from += piece.length;
            runs.push_back(std::move(piece));
        }
    };
    qsizetype done = 0;
    for (const qsizetype hit : hits) {
        copy(done, hit);
        seek(hit);
        if (!value.isEmpty()) {
            text += value;
            runs.push_back(Run{value.size(), m_runs[run].format, m_runs[run].paragraph, {}});
        }
        done = hit + needle.size();
    }
    copy(done, length());
    m_text = std::move(text);
    m_runs = std::move(runs);
    normalize();
    return int(hits.size());
}

bool RichText::replaceFirst(const QString& needle, const RichText& with)
{
    const qsizetype pos = indexOf(needle);
    if (pos < 0)
        return false;
    replace(pos, needle.size(), with);
    return true;
}

bool RichText::operator==(const RichText& other) const
{
    if (m_text != other.m_text || !(m_page == other.m_page) || m_runs.size() != other.m_runs.size())
        return false;
    for (size_t i = 0; i < m_runs.size(); ++i) {
        const Run& a = m_runs[i];
        const Run& b = other.m_runs[i];
        if (a.length != b.length || !(a.format == b.format) || !(a.paragraph == b.paragraph))
            return false;
        if (bool(a.attachment) != bool(b.attachment))
            return false;
        if (a.attachment && !(*a.attachment == *b.attachment))
            return false;
    }
    return true;
}

QByteArray RichText::toStoredBytes() const
{
    RtfWriter::Options options;
    options.pictures = RtfWriter::Pictures::Binary;
    return RtfWriter::write(*this, options);
}

RichText RichText::fromStoredBytes(const QByteArray& bytes)
{
    if (RtfReader::looksLikeRtf(bytes))
        return RtfReader::read(bytes);
    // Older cellars kept the comment as a plain string.
    return fromPlainText(RichTextFile::decodePlainText(bytes));
}

RichText RichText::fromStored(const QVariant& value)
{
    if (value.typeId() == QMetaType::QString)
        return fromPlainText(value.toString());
    if (value.typeId() == QMetaType::QByteArray)
        return fromStoredBytes(value.toByteArray());
    return {};
}

QByteArray RichText::toRtf() const
{
    return RtfWriter::write(*this);
}

RichText RichText::fromRtf(const QByteArray& rtf, QString* error)
{
    return RtfReader::read(rtf, error);
}
