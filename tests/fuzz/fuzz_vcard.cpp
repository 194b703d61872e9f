// Reads arbitrary bytes as an address-book card. Whatever is accepted must be
// written as a card that reads back to the very same card (no value lost or
// changed by escaping, folding or labels), and nothing may crash or hang.
#include <cstdint>
#include <cstdlib>
#include <cstdio>

#include <QByteArray>
#include <QString>

#include "platform/addressbook/ABRecord.h"
#include "platform/addressbook/VCardCoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString name = QStringLiteral("fuzz.vcf");
    QString error;
    const auto record = VCardCoder::decode(bytes, name, &error);
    if (!record) {
        if (error.isEmpty())
            std::abort(); // a refusal must say why
        return 0;
    }
    const QByteArray once = VCardCoder::encode(*record);
    const auto again = VCardCoder::decode(once, name, &error);
    if (!again) {
        std::fprintf(stderr, "own output refused: %s\n%s\n", qPrintable(error), once.constData());
        std::abort();
    }
    const QByteArray twice = VCardCoder::encode(*again);
    if (twice != once || again->uniqueId() != record->uniqueId()) {
        std::fprintf(stderr, "round trip differs:\n%s\n---\n%s\n", once.constData(), twice.constData());
        std::abort();
    }
    return 0;
}
