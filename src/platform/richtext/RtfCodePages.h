#pragma once
#include <QByteArray>
#include <QString>

// Code pages of RTF text: the document's \ansicpg and the fonts' \fcharset.
namespace RtfCodePages {
// The code page a font character set stands for; 0 when the set names none.
int forCharset(int charset);
// Decodes bytes of a code page; unknown code pages are read as Windows-1252.
QString decode(const QByteArray& bytes, int codePage);
// The Windows-1252 byte of a character, or -1 when that code page lacks it.
int windows1252Byte(char16_t c);
}
