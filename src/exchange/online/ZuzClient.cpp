#include "exchange/online/ZuzClient.h"
#include "exchange/online/URLTools.h"
#include "exchange/online/ZuzProtocol.h"
#include "exchange/online/ZuzWines.h"
#include "model/CellarBook.h"
#include "model/Wine.h"
#include "platform/Dialogs.h"
#include "platform/Log.h"
#include "platform/Settings.h"
#include "platform/Strings.h"
#include <QStringDecoder>

namespace {

bool isBlankRow(const QStringList& fields)
{
    for (const QString& f : fields) {
        if (!f.trimmed().isEmpty())
            return false;
    }
    return true;
}

bool isValidUtf8(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes); // decoding happens on conversion
    Q_UNUSED(text);
    return !utf8.hasError();
}

} // namespace

ZuzClient::ZuzClient(Settings& settings, int timeoutMs)
    : m_settings(settings)
    , m_transport(ZuzTransport::serverFromSettings(settings), timeoutMs)
{
    URLTools::initCharcters();
}

ZuzUser ZuzClient::user() const
{
    return {m_settings.string(QStringLiteral("uFirstName")), m_settings.string(QStringLiteral("uName")),
            m_settings.string(QStringLiteral("uEmail")), m_settings.string(QStringLiteral("uLanguage"))};
}

quint32 ZuzClient::userID(quint32& bookUserID)
{
    if (bookUserID != 0)
        return bookUserID;
    const auto reply = m_transport.sendToZUZ(ZuzProtocol::addUserQuery(user()));
    if (!reply)
        return 0;
    const quint32 id = ZuzProtocol::userIDFromReply(*reply);
    if (id != 0)
        bookUserID = id;
    return id;
}

bool ZuzClient::sendUserID(quint32& bookUserID)
{
    QString language = m_settings.string(QStringLiteral("uLanguage"));
    if (language.size() < 3) {
        language = QStringLiteral("    ");
        m_settings.setString(QStringLiteral("uLanguage"), language);
    }
    ZuzUser u = user();
    // Three characters, without cutting a character that takes two UTF-16 units.
    u.language = language.left(3);
    if (u.language.size() == 3 && u.language.at(2).isHighSurrogate())
        u.language.chop(1);

    const bool update = bookUserID != 0;
    const QString target =
        update ? ZuzProtocol::updateUserQuery(u, bookUserID) : ZuzProtocol::addUserQuery(u);
    const auto reply = m_transport.sendToZUZ(target);
    if (!reply)
        return false;
    const quint32 id = ZuzProtocol::userIDFromReply(*reply);
    if (id == 0)
        return false;
    bookUserID = id;
    Dialogs::instance().alert(Dialogs::Level::Informational, Strings::tr(QStringLiteral("User send to zUZ")),
                              Strings::tr(update ? QStringLiteral("User updated to zUZ")
                                                 : QStringLiteral("User added to zUZ")),
                              {Strings::tr(QStringLiteral("OK"))});
    return true;
}

QList<ZuzWineRow> ZuzClient::createWinesFromArray(const QList<QStringList>& rows)
{
    QList<ZuzWineRow> wines;
    wines.reserve(rows.size());
    for (const QStringList& row : rows) {
        if (!isBlankRow(row))
            wines.append(ZuzProtocol::wineFromFields(row));
    }
    return wines;
}

QList<ZuzWineRow> ZuzClient::findZuzWine(const QString& winename)
{
    const QString target = ZuzProtocol::findWineQuery(winename);
    if (target.isEmpty())
        return {};
    const auto reply = m_transport.sendToZUZ(target);
    if (!reply || reply->isEmpty() || !isValidUtf8(*reply))
        return {};
    return createWinesFromArray(ZuzProtocol::searchRows(*reply));
}

QList<ZuzWineRow> ZuzClient::findZuzSQL(const QString& condition)
{
    const QString target = ZuzProtocol::findWineSQLQuery(condition);
    if (target.isEmpty())
        return {};
    const auto reply = m_transport.sendToZUZ(target);
    if (!reply || reply->isEmpty())
        return {};
    return createWinesFromArray(ZuzProtocol::searchRows(*reply));
}

std::optional<quint32> ZuzClient::sendWineToIDB(const ZuzWineRow& wine, quint32& bookUserID)
{
    if (!ZuzProtocol::isComplete(wine)) {
        Log::line(QStringLiteral("Wine not sended to zUZ. No wine name,year ... ! "));
        return std::nullopt;
    }
    const quint32 user = userID(bookUserID);
    const auto reply = m_transport.sendToIDB(ZuzProtocol::addWineQuery(wine, user));
    if (!reply)
        return std::nullopt;
    const quint32 id = ZuzProtocol::wineIDFromReply(*reply);
    if (id == 0)
        return std::nullopt;
    return id;
}

bool ZuzClient::sendAddressToIDB(const ZuzAddressForm& form)
{
    if (!ZuzProtocol::isComplete(form)) {
        Log::line(QStringLiteral("Address not sended to zUZ. No company,street,zip,city or country ! "));
        return false;
    }
    Log::line(QStringLiteral("Address UTF8 ") + URLTools::encode(form.company));
    return m_transport.sendToIDB(ZuzProtocol::addAddressQuery(form)).has_value();
}

std::optional<QByteArray> ZuzClient::sendBulkAddress(const ZuzBulkAddress& line)
{
    const ZuzTransport::Result r = m_transport.fetch(ZuzProtocol::bulkAddAddressQuery(line));
    if (!r.ok()) {
        Log::line(QStringLiteral("Antwort: ") + r.error);
        return std::nullopt;
    }
    Log::line(QStringLiteral("Antwort: ") + QString::fromUtf8(r.body));
    return r.body;
}

QList<ZuzCompany> ZuzClient::findIdbCompany(const QString& text)
{
    const QString target = ZuzProtocol::findAddressQuery(text);
    if (target.isEmpty())
        return {};
    const auto reply = m_transport.sendToIDB(target);
    if (!reply || reply->isEmpty())
        return {};
    QList<ZuzCompany> companies;
    for (const QStringList& row : ZuzProtocol::searchRows(*reply)) {
        if (!isBlankRow(row))
            companies.append(ZuzProtocol::companyFromFields(row));
    }
    return companies;
}

std::optional<ZuzAddress> ZuzClient::addressForID(const QString& addressID)
{
    const QString target = ZuzProtocol::addressQuery(addressID);
    if (target.isEmpty())
        return std::nullopt;
    const auto reply = m_transport.sendToIDB(target);
    if (!reply)
        return std::nullopt;
    for (const QStringList& row : ZuzProtocol::searchRows(*reply)) {
        if (!isBlankRow(row))
            return ZuzProtocol::addressFromFields(row);
    }
    return std::nullopt;
}

// ---- on the cellar book

namespace {
// Runs an operation on a copy of the book's user ID and stores it back when it changed.
template <typename Operation>
auto withBookUserID(CellarBook& book, Operation op)
{
    quint32 id = book.iDBuserID();
    const auto result = op(id);
    if (id != book.iDBuserID())
        book.setIDBuserID(id);
    return result;
}
}

quint32 ZuzClient::userID(CellarBook& book)
{
    return withBookUserID(book, [this](quint32& id) { return userID(id); });
}

bool ZuzClient::sendUserID(CellarBook& book)
{
    return withBookUserID(book, [this](quint32& id) { return sendUserID(id); });
}

QList<std::shared_ptr<Wine>> ZuzClient::findZuzWine(const QString& winename, CellarBook& book)
{
    return ::createWinesFromArray(findZuzWine(winename), book);
}

QList<std::shared_ptr<Wine>> ZuzClient::findZuzSQL(const QString& condition, CellarBook& book)
{
    return ::createWinesFromArray(findZuzSQL(condition), book);
}

bool ZuzClient::sendWineToIDB(Wine& wine, CellarBook& book, const ZuzWineContext& context)
{
    const ZuzWineRow row = zuzRowFromWine(wine, book, context);
    const auto id = withBookUserID(book, [&](quint32& user) { return sendWineToIDB(row, user); });
    if (!id)
        return false;
    wine.setIDBwineID(*id);
    return true;
}
