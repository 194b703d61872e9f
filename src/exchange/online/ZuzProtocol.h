#pragma once
#include "exchange/online/ZuzTypes.h"
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// The online database's requests and replies, without any network: every function
// builds a request target ("/zuz/<page>.php3?<query>") or reads a reply.
// Values from the user or a file are always encoded; numbers are written and
// read in the C locale whatever the user's locale.
class ZuzProtocol {
public:
    // "/zuz/<page>.php3"
    static QString path(const char* page);

    // Query builders: answer the query followed by "&<part>=<value>", or the query
    // unchanged when the value is left out (0, 0.0, NO or encoded text empty).
    static QString urlPartForInt(const QString& query, const QString& part, int value);
    static QString urlPartForFloat(const QString& query, const QString& part, double value);
    static QString urlPartForBool(const QString& query, const QString& part, bool value);
    static QString urlPartForString(const QString& query, const QString& part, const QString& value);

    // Registration and update of the cellar's owner.
    static QString addUserQuery(const ZuzUser& user);
    static QString updateUserQuery(const ZuzUser& user, quint32 userID);
    // A user ID from a registration reply; 0 for "failed", no number or one out of range.
    static quint32 userIDFromReply(const QByteArray& reply);

    // Wine searches; empty (nothing to send) for an empty name or condition.
    static QString findWineQuery(const QString& winename);
    static QString findWineSQLQuery(const QString& condition);
    // The data rows of a search reply (3 leading and 1 trailing row dropped).
    static QList<QStringList> searchRows(const QByteArray& reply);
    // A wine from a search row; fields the row lacks read as empty.
    static ZuzWineRow wineFromFields(const QStringList& fields);

    // Wine upload. A wine is complete with a name, a vintage from 1000 to 2100, a
    // type and a country; an incomplete wine gives an empty query (nothing to send).
    // userID 0 leaves the user key out.
    static bool isComplete(const ZuzWineRow& wine);
    static QString addWineQuery(const ZuzWineRow& wine, quint32 userID);
    // The online ID from an upload reply "zuz addwine at <#><number>"; 0 for any other.
    static quint32 wineIDFromReply(const QByteArray& reply);

    // Company search (empty for empty text) and its rows.
    static QString findAddressQuery(const QString& text);
    static ZuzCompany companyFromFields(const QStringList& fields);
    // One address by ID (empty for an empty ID) and its row.
    static QString addressQuery(const QString& addressID);
    static ZuzAddress addressFromFields(const QStringList& fields);

    // Address upload: complete with company, street, zip code, city and a country;
    // an incomplete form gives an empty query.
    static bool isComplete(const ZuzAddressForm& form);
    static QString addAddressQuery(const ZuzAddressForm& form);
    // One line of the bulk address file.
    static QString bulkAddAddressQuery(const ZuzBulkAddress& line);

    // The field's leading decimal integer (after blanks, with an optional sign),
    // 0 when there is none; saturates instead of overflowing.
    static qint64 leadingInteger(QStringView text);
    // The field's leading decimal number in the C locale, 0 when there is none.
    static double leadingDecimal(QStringView text);
};
