#pragma once
#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

class RichText;

// Reads the subset of RTF that word processors commonly write: font and colour
// tables, character and paragraph formats, escapes in their code pages,
// pictures, paper size and margins. Whatever else there is gets skipped.
// Damaged input gives the text read so far and an error message.
class RtfReader {
public:
    // Loads an attachment file named in the text (RTFD folders); nullopt when missing.
    using FileLoader = std::function<std::optional<QByteArray>(const QString& name)>;

    static bool looksLikeRtf(const QByteArray& bytes);
    // error is set to an empty string on success.
    static RichText read(const QByteArray& rtf, QString* error = nullptr, const FileLoader& files = {});
};
