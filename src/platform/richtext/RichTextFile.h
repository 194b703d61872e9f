#pragma once
#include <QByteArray>
#include <QString>

class RichText;

// Rich-text files chosen by their extension: "rtf", "rtfd" (a folder),
// "htm", "html", "shtml"; anything else is plain text.
namespace RichTextFile {
// An empty string in *error on success; a damaged RTF file gives the text read and a message.
RichText read(const QString& path, QString* error);
// An empty string on success, else a message that names the file.
QString write(const QString& path, const RichText& text);
// Plain text bytes: a byte-order mark decides, else UTF-8 when valid, else Windows-1252.
QString decodePlainText(const QByteArray& bytes);
}
