#pragma once
#include "exchange/online/ZuzTransport.h"
#include "exchange/online/ZuzTypes.h"
#include <QList>
#include <memory>
#include <optional>

class CellarBook;
class Settings;
class Wine;
struct ZuzWineContext;

// The requests of the application, the wine editor and the address window to the
// online wine database. The server's address and the owner's identity ("uFirstName",
// "uName", "uEmail", "uLanguage") come from the settings; the user ID lives in the
// cellar book, so the operations that may change it take it by reference.
// A request that fails asks the user to try again (see ZuzTransport::sendToZUZ);
// giving up counts as no result and changes nothing.
class ZuzClient {
public:
    explicit ZuzClient(Settings& settings, int timeoutMs = 30000);

    ZuzTransport& transport() { return m_transport; }
    ZuzUser user() const;

    // The user ID; registers the owner first when it is 0 and stores the new ID.
    // 0 when the registration did not succeed. Shows no alert of its own.
    quint32 userID(quint32& bookUserID);
    // Registers (ID 0) or updates the owner and tells the user; a language of
    // fewer than 3 characters is replaced by 4 blanks in the settings first.
    // True when the server gave an ID, which is then stored.
    bool sendUserID(quint32& bookUserID);

    // Wine searches by name and by condition text; empty for empty input, a failed
    // request or an empty reply. Rows with nothing in them are skipped.
    QList<ZuzWineRow> findZuzWine(const QString& winename);
    QList<ZuzWineRow> findZuzSQL(const QString& condition);
    static QList<ZuzWineRow> createWinesFromArray(const QList<QStringList>& rows);

    // Uploads a complete wine (see ZuzProtocol::isComplete), registering the owner
    // first if needed. The wine's new online ID when the server gave one.
    std::optional<quint32> sendWineToIDB(const ZuzWineRow& wine, quint32& bookUserID);
    // Uploads a complete address form; true when the server answered.
    bool sendAddressToIDB(const ZuzAddressForm& form);
    // Uploads one line of the bulk address file, without asking to retry;
    // the reply goes to the log. The reply, or nullopt on failure.
    std::optional<QByteArray> sendBulkAddress(const ZuzBulkAddress& line);

    // Company search; empty for empty text, a failed request or no rows.
    QList<ZuzCompany> findIdbCompany(const QString& text);
    // One address by its ID; nullopt for an empty ID, a failed request or no row.
    std::optional<ZuzAddress> addressForID(const QString& addressID);

    // The same on the cellar book: its user ID, new found wines (not added to the
    // book, marked idbhome), and the upload that stores the wine's online ID.
    quint32 userID(CellarBook& book);
    bool sendUserID(CellarBook& book);
    QList<std::shared_ptr<Wine>> findZuzWine(const QString& winename, CellarBook& book);
    QList<std::shared_ptr<Wine>> findZuzSQL(const QString& condition, CellarBook& book);
    // True when the server gave the wine an online ID (then stored in the wine).
    bool sendWineToIDB(Wine& wine, CellarBook& book, const ZuzWineContext& context);

private:
    Settings& m_settings;
    ZuzTransport m_transport;
};
