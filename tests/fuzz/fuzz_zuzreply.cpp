// Replies of the online wine database: row splitting and every row reader.
#include "exchange/online/URLTools.h"
#include "exchange/online/ZuzProtocol.h"
#include <QByteArray>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray reply(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto rows = ZuzProtocol::searchRows(reply);
    for (const QStringList& row : rows) {
        const ZuzWineRow w = ZuzProtocol::wineFromFields(row);
        const ZuzCompany c = ZuzProtocol::companyFromFields(row);
        const ZuzAddress a = ZuzProtocol::addressFromFields(row);
        // a parsed row must survive being sent back
        (void)ZuzProtocol::addWineQuery(w, w.iDBwineID);
        (void)ZuzProtocol::findAddressQuery(c.company);
        (void)ZuzProtocol::addressQuery(a.addressID);
    }
    (void)URLTools::arrayFromString(reply, int(size % 7) - 2, int(size % 5));
    (void)ZuzProtocol::userIDFromReply(reply);
    (void)ZuzProtocol::wineIDFromReply(reply);
    (void)URLTools::encode(QString::fromUtf8(reply));
    return 0;
}
