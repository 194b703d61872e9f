#pragma once
#include <QByteArrayView>

// CRC-32 (IEEE 802.3), for telling a damaged file from a good one.
quint32 crc32(QByteArrayView bytes);
