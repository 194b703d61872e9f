// The cellar database reader (both the sequential and the keyed form) on arbitrary bytes.
#include <cstddef>
#include <cstdint>

#include "model/CellarBook.h"
#include "model/CellarDatabase.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    auto result = CellarDatabase::loadBytes(bytes, QStringLiteral("fuzz"));
    if (result.book) {
        // What was read must write again.
        CellarDatabase::toBytes(*result.book);
    }
    return 0;
}
