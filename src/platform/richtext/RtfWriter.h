#pragma once
#include <QByteArray>
#include <QStringList>

class RichText;

// Writes rich text as RTF that common word processors read back.
class RtfWriter {
public:
    enum class Pictures {
        Hex,            // pictures inline, as hexadecimal digits
        Binary,         // pictures inline, as raw bytes (compact, for storage)
        FileReferences, // attachments as references to files beside the text (RTFD)
    };
    struct Options {
        Pictures pictures = Pictures::Hex;
        // File names for the attachments, in text order (FileReferences only);
        // an attachment without an entry keeps its own name.
        QStringList fileNames;
    };
    static QByteArray write(const RichText& text, const Options& options);
    static QByteArray write(const RichText& text);
};
