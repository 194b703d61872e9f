#include "platform/Crc32.h"
#include <zlib.h>

quint32 crc32(QByteArrayView bytes)
{
    // zlib's is many times faster than a byte-wise table.
    uLong c = ::crc32(0L, Z_NULL, 0);
    const auto* p = reinterpret_cast<const Bytef*>(bytes.data());
    qsizetype left = bytes.size();
    while (left > 0) {
        const uInt chunk = uInt(qMin<qsizetype>(left, 1 << 30));
        c = ::crc32(c, p, chunk);
        p += chunk;
        left -= chunk;
    }
    return quint32(c);
}
