#pragma once
#include <QString>
#include <QStringList>

class RichText;

// A rich-text folder: "TXT.rtf" holds the text, each attachment is a file beside it.
namespace Rtfd {
inline constexpr const char* TextFileName = "TXT.rtf";

// An empty text and a message when the folder cannot be read; a referenced
// file that is missing leaves an attachment without bytes.
RichText read(const QString& folder, QString* error);
// Writes the whole folder beside the target first and swaps it in at the end,
// so a failed write leaves an existing folder as it was. An empty string on success.
QString write(const QString& folder, const RichText& text);
// The file names the attachments get in a folder, in text order: plain,
// unique names that never climb out of the folder or replace "TXT.rtf".
QStringList fileNames(const RichText& text);
}
