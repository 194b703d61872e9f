#pragma once
#include <QByteArray>
#include <QString>
#include <QUrl>
#include <memory>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;
class Settings;

// One GET to the online database at a time, waited for in a local event loop so the
// windows stay responsive; the wait ends with the reply, an error, the timeout or
// the user's cancel(). An HTTP error status, a timeout and an oversized reply count
// as failures.
class ZuzTransport {
public:
    struct Result {
        enum class Status { Ok, NetworkError, HttpError, Timeout, Cancelled, TooLarge };
        Status status = Status::NetworkError;
        int httpStatus = 0;
        QByteArray body;
        QString error;
        bool ok() const { return status == Status::Ok; }
    };

    // The words of the failure question: the application's own requests ask
    // "Connecting to zUZ failed", uploads and address requests "Sending data failed".
    enum class Wording { Connecting, Sending };

    // The settings key that holds the server's base address, and its default.
    static const char* const ServerKey;
    static QUrl defaultServer();
    static QUrl serverFromSettings(const Settings& settings);

    explicit ZuzTransport(const QUrl& server, int timeoutMs = 30000);
    ~ZuzTransport();
    ZuzTransport(const ZuzTransport&) = delete;
    ZuzTransport& operator=(const ZuzTransport&) = delete;

    QUrl server() const { return m_server; }
    void setServer(const QUrl& server) { m_server = server; }
    int timeoutMs() const { return m_timeoutMs; }
    void setTimeoutMs(int ms) { m_timeoutMs = ms; }
    // A reply longer than this is a failure, so a broken server cannot fill the memory.
    qint64 maxReplyBytes() const { return m_maxReplyBytes; }
    void setMaxReplyBytes(qint64 bytes) { m_maxReplyBytes = bytes; }

    // The full URL of a request target ("/zuz/<page>.php3?<query>").
    QUrl urlFor(const QString& target) const;

    // One attempt, no questions asked.
    Result fetch(const QString& target);
    // Fetches; on failure asks "Try again" / "Cancel" through Dialogs as often as
    // the user chooses. The reply body, or nullopt when the user gave up or cancelled.
    std::optional<QByteArray> sendToZUZ(const QString& target, Wording wording = Wording::Connecting);
    std::optional<QByteArray> sendToIDB(const QString& target)
    {
        return sendToZUZ(target, Wording::Sending);
    }

    // Ends the request that is being waited for (from a Cancel button, a timer...).
    void cancel();
    bool isWaiting() const { return m_current != nullptr; }

private:
    QUrl m_server;
    int m_timeoutMs;
    qint64 m_maxReplyBytes = 16 * 1024 * 1024;
    std::unique_ptr<QNetworkAccessManager> m_manager;
    QNetworkReply* m_current = nullptr;
    bool m_cancelled = false;
};
