#pragma once
#include <QByteArray>
#include <QColor>
#include <QList>
#include <QSizeF>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

class QVariant;

// Character attributes of a run. An empty font name means the default font.
struct CharFormat {
    QString font;
    double size = 12; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor colour; // invalid: the default (automatic) colour
    bool operator==(const CharFormat&) const = default;
};

// Paragraph attributes. They are kept on every character of a paragraph; the
// first character of a paragraph (its separator, when it is empty) decides.
struct ParagraphFormat {
    enum class Alignment { Left, Right, Center, Justified };
    Alignment alignment = Alignment::Left;
    QList<double> tabs; // tab stop positions in points
    bool operator==(const ParagraphFormat&) const = default;
};

// A file carried in the text: a picture or any other document.
struct Attachment {
    QString name;     // file name, used inside RTFD folders
    QByteArray bytes; // the file's contents; empty when the file was missing
    QSizeF size;      // shown size in points; empty: the picture's own size
    bool operator==(const Attachment&) const = default;
    bool isPng() const;
    bool isJpeg() const;
};
using AttachmentPtr = std::shared_ptr<const Attachment>;

// Paper size and margins a document carries (points). Absent values stay unset.
struct PageAttributes {
    std::optional<QSizeF> paperSize;
    std::optional<double> leftMargin, rightMargin, topMargin, bottomMargin;
    bool operator==(const PageAttributes&) const = default;
};

// Styled text: one string, cut into runs of equal attributes. A form feed (12)
// is a page break; each attachment stands on one object replacement character
// (U+FFFC) whose run holds it. '\n' ends a paragraph, so does a form feed.
class RichText {
public:
    static constexpr QChar PageBreak = QChar(u'\f');
    static constexpr QChar AttachmentChar = QChar(u'\uFFFC');
    static constexpr QChar LineBreak = QChar(u'\u2028');

    struct Run {
        qsizetype length = 0;
        CharFormat format;
        ParagraphFormat paragraph;
        AttachmentPtr attachment; // set only on one-character runs
    };

    RichText() = default;
    static RichText fromPlainText(const QString& text, const CharFormat& format = {});
    // Builds from prepared runs; lengths that do not add up to the text are
    // corrected and an attachment stays only on a one-character run of U+FFFC.
    static RichText fromRuns(QString text, std::vector<Run> runs);

    // Raw text, attachment characters included.
    const QString& text() const { return m_text; }
    // Text for people: without attachment characters, line breaks as '\n'.
    QString plainText() const;
    qsizetype length() const { return m_text.size(); }
    bool isEmpty() const { return m_text.isEmpty(); }
    const std::vector<Run>& runs() const { return m_runs; }

    PageAttributes& page() { return m_page; }
    const PageAttributes& page() const { return m_page; }

    CharFormat charFormatAt(qsizetype pos) const;
    ParagraphFormat paragraphFormatAt(qsizetype pos) const;
    AttachmentPtr attachmentAt(qsizetype pos) const;
    // Positions of all attachment characters, in text order.
    QList<qsizetype> attachmentPositions() const;

    // Appends text in the given format, or in that of the last character.
    void appendText(const QString& text);
    void appendText(const QString& text, const CharFormat& format, const ParagraphFormat& paragraph = {});
    void appendAttachment(const Attachment& attachment, const CharFormat& format = {});
    void append(const RichText& other);

    // A copy of [from, from + count) with its formats and attachments.
    RichText mid(qsizetype from, qsizetype count = -1) const;
    void insert(qsizetype pos, const RichText& other);
    void remove(qsizetype from, qsizetype count);
    // Replaces a range by rich text (keeping its formats) or by plain text,
    // which takes the format of the first replaced character.
    void replace(qsizetype from, qsizetype count, const RichText& with);
    void replace(qsizetype from, qsizetype count, const QString& with);

    void setCharFormat(qsizetype from, qsizetype count, const CharFormat& format);
    // Applies to every paragraph that [from, from + count) touches.
    void setParagraphFormat(qsizetype from, qsizetype count, const ParagraphFormat& paragraph);

    // Case-insensitive search by default, across run boundaries; -1 when absent.
    qsizetype indexOf(const QString& needle, qsizetype from = 0,
                      Qt::CaseSensitivity cs = Qt::CaseInsensitive) const;
    // Replaces every occurrence (case-insensitive); text after a replacement is
    // searched on, the replacement itself never. Returns the count.
    int replaceAll(const QString& needle, const QString& with);
    // Replaces the first occurrence by rich text; false when there is none.
    bool replaceFirst(const QString& needle, const RichText& with);

    // Equal text, attributes, attachment contents and page attributes.
    bool operator==(const RichText& other) const;

    // The form kept inside the cellar archive (RTF with binary pictures), and
    // its reader, which also takes plain text as older cellars stored it.
    QByteArray toStoredBytes() const;
    static RichText fromStoredBytes(const QByteArray& bytes);
    // A stored comment: a string (older data) or the stored bytes.
    static RichText fromStored(const QVariant& value);

    QByteArray toRtf() const;
    static RichText fromRtf(const QByteArray& rtf, QString* error = nullptr);

private:
    const Run* runAt(qsizetype pos) const; // the last run past the end
    qsizetype splitAt(qsizetype pos);     // index of the run that starts at pos
    void normalize();
    QString m_text;
    std::vector<Run> m_runs;
    PageAttributes m_page;
};
