// Feeds arbitrary bytes to the RTF reader, then checks that what it read
// survives being written and read again.
#include "platform/richtext/RichText.h"
#include "platform/richtext/RtfReader.h"
#include "platform/richtext/RtfWriter.h"

#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QString error;
    const RichText text = RtfReader::read(bytes, &error, [](const QString& name) -> std::optional<QByteArray> {
        if (name.startsWith(u'x'))
            return std::nullopt;
        return name.toUtf8();
    });
    const RichText again = RtfReader::read(RtfWriter::write(text));
    const RichText stored = RichText::fromStoredBytes(text.toStoredBytes());
    if (again.text() != text.text() || !(stored == again) || again.attachmentPositions() != text.attachmentPositions()) {
        std::fprintf(stderr, "round trip changed the text\n");
        std::abort();
    }
    return 0;
}
