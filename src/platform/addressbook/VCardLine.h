#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// One content line of a vCard as read: the whole unfolded line (kept as it
// was for properties the address book does not understand) and its parts.
struct VCardParam {
    QByteArray name;      // upper-case
    QStringList values;   // caret-decoded
};

struct VCardLine {
    QByteArray text;      // the unfolded line, without its line break
    QByteArray group;
    QByteArray name;      // upper-case
    QList<VCardParam> params;
    QByteArray value;     // still escaped

    // Every value of every parameter with this name (upper-case), in order.
    QStringList param(const char* name) const;
    // Splits the text into its parts; false with a reason when it is malformed.
    bool parse(QString* error);
};

// The line syntax of RFC 6350 and the parameter encoding of RFC 6868.
namespace VCardSyntax {
// Unfolded lines of a file; false when the bytes cannot be a vCard.
bool splitLines(const QByteArray& bytes, QList<VCardLine>* lines, QString* error);
// Text values: backslash, comma, semicolon and line breaks escaped.
QByteArray escapeText(const QString& text);
QString unescapeText(QByteArrayView raw);
// A compound value's components (as in N and ADR), each unescaped.
QStringList components(QByteArrayView raw);
QByteArray paramValue(const QString& value);
// Appends the line folded at 75 octets, never inside a UTF-8 character, and CRLF.
void appendFolded(QByteArray& out, QByteArrayView line);
}
